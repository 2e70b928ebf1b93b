// What happens when something goes wrong inside an event handler. Handlers run through
// runGuarded(): an error never unwinds into Qt, it is reported once and the program ends
// cleanly with a non-zero status.
#pragma once

#include <QString>

#include <functional>
#include <stdexcept>

namespace shell {

// An error that ends the program with a message for the user, such as a picture that cannot
// be loaded in a load step.
class FatalError : public std::runtime_error {
public:
    explicit FatalError(const QString& message);
    QString message() const { return QString::fromStdString(what()); }
};

// Receives the message of a fatal error. The default prints it, shows it in a message box on a
// real display, and asks the event loop to end with status 1. Tests install their own.
using FatalHandler = std::function<void(const QString& message)>;
void setFatalHandler(FatalHandler handler);
void resetFatalHandler();

// The status the program should end with: 0, or 1 once a fatal error has been reported.
int fatalExitStatus();

// Runs an event handler; a FatalError or any other exception is reported through the fatal
// handler instead of escaping. Returns false when the handler failed.
bool runGuarded(const std::function<void()>& handler);

} // namespace shell
