// Pictures are JPEG files beside the program, named the way the screens name them
// ("Images\exit.jpg", the backslash read as a folder separator). A name is looked up beside the
// program, then in the data folder of the installation the program runs from (../share/chalkface
// from it, wherever it was installed), then in the data folder it was built for, and only then in
// the working directory. The first copy found is the one loaded.
//
// High-density displays: beside a picture may lie a copy twice as many pixels across, named with
// "@2x" ("Images\next@2x.jpg"). The plain file is the one the program needs: it is loaded and
// checked on every display, so its faults are reported alike everywhere. On a display whose
// device pixel ratio is above 1 the copy is shown in its place when it loads and is exactly twice
// the plain picture's size; otherwise (missing, damaged, another size) the plain picture is shown,
// silently. Either way the picture's device-independent size is the plain file's, in pixels.
#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

namespace shell {

// The largest picture accepted, in pixels and in bytes on disk. A file beyond either, or one
// that does not decode completely or whose data the decoder finds damaged, counts as not
// loadable, so a damaged or hostile file can neither exhaust memory nor show half a picture.
inline constexpr int kMaxPictureSide = 4096;
inline constexpr qint64 kMaxPictureBytes = 16 * 1024 * 1024;

// Loads a picture for the display's device pixel ratio (the highest of the screens); an empty
// name gives an empty picture. Throws FatalError with a one-line message that names the copy
// that cannot be loaded and why, or the folders searched when there is no copy.
QPixmap loadPicture(const QString& name);

// The same for a given device pixel ratio.
QPixmap loadPicture(const QString& name, qreal devicePixelRatio);

// The folders searched, in order.
QStringList pictureFolders();

// Replaces the folders searched (tests point this at a scratch folder); an empty list restores
// the usual folders.
void setPictureFolders(const QStringList& folders);

} // namespace shell
