// Pictures are JPEG files beside the program, named the way the screens name them
// ("Images\exit.jpg", the backslash read as a folder separator). A name is looked up beside the
// program, then in the data folder of the installation the program runs from (../share/chalkface
// from it, wherever it was installed), then in the data folder it was built for, and only then in
// the working directory. The first copy found is the one loaded.
//
// High-density displays and full screen: beside a picture may lie a copy twice as many pixels
// across, named with "@2x" ("Images\next@2x.jpg"). The plain file is the one the program needs:
// it is loaded and checked on every display, so its faults are reported alike everywhere. On a
// display whose device pixel ratio is above 1, or where the stage scale (units.h) times that
// ratio is above 1.4, the copy is shown in its place when it loads and is exactly twice the plain
// picture's size; otherwise (missing, damaged, another size) the plain picture is shown, silently.
// Either way the picture's device-independent size is the plain file's, in design pixels.
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

// Loads a picture for the display's device pixel ratio (the highest of the screens) and the
// stage scale; an empty name gives an empty picture. Throws FatalError with a one-line message
// that names the copy that cannot be loaded and why, or the folders searched when there is none.
QPixmap loadPicture(const QString& name);

// The same for a given device pixel ratio and scale.
QPixmap loadPicture(const QString& name, qreal devicePixelRatio, double scale = 1);

// A picture that loadPicture gave, as it would give it for the display's device pixel ratio and
// this scale: the plain picture or its copy. Any other picture comes back as it is.
QPixmap pictureForScale(const QPixmap& picture, double scale);

// The picture as shown at a scale: its device-independent size times the scale, smoothly
// resampled for the device pixel ratio. At scale 1 the picture itself. The last few results are
// kept, so a screen's pictures are resampled once, not on every paint or visit.
QPixmap scaledPicture(const QPixmap& picture, double scale, qreal devicePixelRatio);

// The folders searched, in order: the installed folders, then the working directory.
QStringList pictureFolders();

// The folders the program's own files are installed in, in the order searched: beside the
// program, the data folder of the installation it runs from, the data folder it was built for.
QStringList installedFolders();

// Replaces the folders searched (tests point this at a scratch folder); an empty list restores
// the usual folders.
void setPictureFolders(const QStringList& folders);

} // namespace shell
