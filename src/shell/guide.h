// The teacher's guide, one HTML page installed with the program beside its pictures, and the
// address label that opens it: black, at the foot of the main menu and of the links screen.
// When the program was built with a web address of its own (the CMake setting
// CHALKFACE_WEB_ADDRESS), the main menu's label shows and opens that address instead.
#pragma once

#include "shell/toolkit/controls.h"

#include <QString>
#include <QUrl>

namespace shell {

inline const QString kGuideFile = QStringLiteral("guide.html");
inline const QString kGuideCaption = QStringLiteral("Teacher's guide");

// The installed guide's address: in the first installed folder that holds it, else beside the
// program, where a build puts it.
QUrl guideAddress();

// The web address the program was built with, or the guide's.
QUrl webAddress();

// What an address label shows for an address: a web address without its scheme and final
// slash ("maths.example.org/chalkface"), the guide as kGuideCaption.
QString addressCaption(const QUrl& address);

// An address label on `screen` that opens `address`, centred at the designed place and widened
// about its centre, as far as the foot of the screen leaves room, when the caption needs it.
Label* makeAddressLabel(QWidget* screen, const QString& name, const QString& caption, const QUrl& address);

} // namespace shell
