// Opening an address in the user's browser from a screen. When the platform cannot open it (no
// browser, a request that fails, a file that is not there), a message in front of the screen
// names the address, so that it can be typed into a browser elsewhere, and the program carries
// on.
#pragma once

#include "shell/toolkit/controls.h"

#include <QUrl>

namespace shell {

// The message. A click anywhere on it closes it; a newer one on the same screen replaces it.
class AddressNotice : public Frame {
    Q_OBJECT
public:
    static inline const QString kName = QStringLiteral("AddressNotice");

    AddressNotice(QWidget* screen, const QUrl& address);

    Label* Label1; // what went wrong
    Label* Label2; // the address
    Label* Label3; // what to do

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// Asks the platform to open the address (a web address, or a file's) in the browser, on behalf
// of `screen`, which shows the message if it cannot.
void openAddress(QWidget& screen, const QUrl& address);

} // namespace shell
