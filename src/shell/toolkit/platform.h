// What the screens need from the platform: the display's size, the busy pointer, the browser,
// and the fonts the screens are designed in.
#pragma once

#include <QSize>
#include <QSizeF>
#include <QString>

#include <optional>

namespace shell {

// The primary display's size in twips.
QSizeF displaySizeTwips();

// Pretends the display has this size in pixels (tests of window placement); nullopt restores
// the real display.
void setDisplaySizeOverride(std::optional<QSize> pixels);

void setBusyPointer(bool busy);

// Asks the platform to open a web address in the user's default browser.
void openWebAddress(const QString& address);

// Makes "Tahoma" available: the system's own if it has one, else the compatible files of the
// Wine fonts package, else a plain sans font in its place. Returns the family the screens get.
QString registerFonts();

} // namespace shell
