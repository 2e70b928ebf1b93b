#include "shell/toolkit/errors.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>

namespace shell {
namespace {

int g_exitStatus = 0;

void defaultFatalHandler(const QString& message)
{
    std::fprintf(stderr, "chalkface: %s\n", qPrintable(message));
    const QString platform = QGuiApplication::platformName();
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
        platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"))
        QMessageBox::critical(nullptr, QStringLiteral("Chalkface"), message);
    QCoreApplication::exit(1);
}

FatalHandler& handlerSlot()
{
    static FatalHandler handler = defaultFatalHandler;
    return handler;
}

void reportFatal(const QString& message)
{
    g_exitStatus = 1;
    // A second error while the first is being reported (say, from a timer that fires inside the
    // message box) adds nothing for the user.
    static bool reporting = false;
    if (reporting)
        return;
    reporting = true;
    handlerSlot()(message);
    reporting = false;
}

} // namespace

FatalError::FatalError(const QString& message)
    : std::runtime_error(message.toStdString())
{
}

void setFatalHandler(FatalHandler handler)
{
    handlerSlot() = std::move(handler);
}

void resetFatalHandler()
{
    handlerSlot() = defaultFatalHandler;
    g_exitStatus = 0;
}

int fatalExitStatus()
{
    return g_exitStatus;
}

bool runGuarded(const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const FatalError& error) {
        reportFatal(error.message());
    } catch (const std::exception& error) {
        reportFatal(QStringLiteral("Internal error: %1").arg(QString::fromUtf8(error.what())));
    } catch (...) {
        reportFatal(QStringLiteral("Internal error."));
    }
    return false;
}

} // namespace shell
