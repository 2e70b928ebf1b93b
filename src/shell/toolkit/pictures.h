// Pictures are JPEG files beside the program, named the way the screens name them
// ("Images\exit.jpg", the backslash read as a folder separator). A name is looked up relative to
// the working directory, then beside the program, then in the installed data folder.
#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

namespace shell {

// The largest picture accepted, in pixels and in bytes on disk. A file beyond either, or one
// that does not decode completely, counts as not loadable, so a damaged or hostile file can
// neither exhaust memory nor show half a picture.
inline constexpr int kMaxPictureSide = 4096;
inline constexpr qint64 kMaxPictureBytes = 16 * 1024 * 1024;

// Loads a picture; an empty name gives an empty picture. Throws FatalError with a message that
// names the file, what was wrong and the folders searched.
QPixmap loadPicture(const QString& name);

// The folders searched, in order.
QStringList pictureFolders();

// Replaces the folders searched (tests point this at a scratch folder); an empty list restores
// the usual folders.
void setPictureFolders(const QStringList& folders);

} // namespace shell
