// What the screens need from the platform: the display's size, the busy pointer and the fonts
// the screens are designed in. Addresses open in the browser through links.h.
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

// Makes "Tahoma" available: the system's own if it has one, else the compatible files of the
// Wine fonts package, else a plain sans font in its place. Returns the family the screens get.
QString registerFonts();

// Keeps the memory that a screen frees for the next one instead of handing it back to the
// system. Every screen change frees a window's buffers (1.8 MB each at 792 by 566 pixels) and
// makes new ones; memory fresh from the system costs a page fault every 4 KB, which made a
// change several times slower. Call it first thing at start-up.
void keepFreedMemory();

// Loads fontconfig's configuration for the fonts before Qt would. Fontconfig's own first load
// also reads the description of every configuration file the system offers but does not use
// (about twenty more files on Debian), a third of that load's time, on every start. Call it
// first thing at start-up, before anything uses a font; where fontconfig is not used, or its
// configuration is out of the ordinary, it does nothing and fontconfig loads its own later.
void loadFontConfiguration();

} // namespace shell
