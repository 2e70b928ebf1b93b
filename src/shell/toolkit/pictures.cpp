#include "shell/toolkit/pictures.h"

#include "shell/toolkit/errors.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#ifndef CHALKFACE_DATADIR
#define CHALKFACE_DATADIR "/usr/local/share/chalkface"
#endif

namespace shell {
namespace {

QStringList& folderOverride()
{
    static QStringList folders;
    return folders;
}

// A JPEG ends with the end-of-image marker; a file cut short lacks it, and decoders would
// otherwise fill the missing rows with grey without complaint.
bool endsLikeJpeg(const QByteArray& data)
{
    const QByteArray tail = data.right(64);
    return tail.contains("\xFF\xD9");
}

QString describe(const QString& name, const QString& problem, const QStringList& folders)
{
    QStringList searched;
    for (const QString& folder : folders)
        searched << QDir::toNativeSeparators(folder);
    return QStringLiteral("Cannot load the picture \"%1\": %2.\nFolders searched: %3.")
        .arg(name, problem, searched.join(QStringLiteral(", ")));
}

// Decodes one file; returns an empty image and sets `problem` when it cannot.
QImage decode(const QString& path, QString& problem)
{
    QFile file(path);
    if (file.size() > kMaxPictureBytes) {
        problem = QStringLiteral("the file is too large");
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        problem = QStringLiteral("the file cannot be read (%1)").arg(file.errorString());
        return {};
    }
    const QByteArray data = file.read(kMaxPictureBytes + 1);
    if (data.isEmpty()) {
        problem = QStringLiteral("the file is empty");
        return {};
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid()) {
        problem = QStringLiteral("the file is not a picture");
        return {};
    }
    if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide) {
        problem =
            QStringLiteral("the picture is too large (%1 by %2 pixels)").arg(size.width()).arg(size.height());
        return {};
    }
    if (reader.format() == "jpeg" && !endsLikeJpeg(data)) {
        problem = QStringLiteral("the file is incomplete");
        return {};
    }
    QImage image = reader.read();
    if (image.isNull())
        problem = QStringLiteral("the picture cannot be decoded (%1)").arg(reader.errorString());
    return image;
}

} // namespace

QStringList pictureFolders()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    QStringList folders{QDir::currentPath(), QCoreApplication::applicationDirPath(),
                        QStringLiteral(CHALKFACE_DATADIR)};
    folders.removeDuplicates();
    return folders;
}

void setPictureFolders(const QStringList& folders)
{
    folderOverride() = folders;
}

QPixmap loadPicture(const QString& name)
{
    if (name.isEmpty())
        return {};
    QString relative = name;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));

    const QStringList folders = pictureFolders();
    QString problem = QStringLiteral("the file is missing");
    for (const QString& folder : folders) {
        const QFileInfo info(QDir(folder), relative);
        if (!info.exists())
            continue;
        if (!info.isFile()) {
            problem = QStringLiteral("%1 is not a file").arg(QDir::toNativeSeparators(info.filePath()));
            break;
        }
        const QImage image = decode(info.filePath(), problem);
        if (image.isNull())
            break;
        return QPixmap::fromImage(image);
    }
    throw FatalError(describe(name, problem, folders));
}

} // namespace shell
