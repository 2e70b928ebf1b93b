#include "shell/toolkit/pictures.h"

#include "shell/toolkit/errors.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QImageReader>

#ifndef CHALKFACE_DATADIR
#define CHALKFACE_DATADIR "/usr/local/share/chalkface"
#endif
// The data folder seen from the program's folder in an installation (bin/ and share/ side by side),
// so that a package unpacked anywhere finds its pictures.
#ifndef CHALKFACE_DATADIR_FROM_PROGRAM
#define CHALKFACE_DATADIR_FROM_PROGRAM "../share/chalkface"
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

// Screens load the same few pictures each time they are created, and decoding is most of the
// time a screen takes to appear. The same bytes decode to the same picture, so a file is decoded
// again only when its contents have changed.
struct DecodedPicture {
    QByteArray data;
    QImage image;
};

QHash<QString, DecodedPicture>& decodedPictures()
{
    static QHash<QString, DecodedPicture> pictures;
    return pictures;
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
    // What the file holds, within the limit: reading up to the limit itself would set aside
    // 16 MB for every picture of a few kilobytes.
    const QByteArray data = file.read(qMin(file.size(), kMaxPictureBytes) + 1);
    if (data.isEmpty()) {
        problem = QStringLiteral("the file is empty");
        return {};
    }
    if (const auto decoded = decodedPictures().constFind(path);
        decoded != decodedPictures().cend() && decoded->data == data)
        return decoded->image;
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
    else
        decodedPictures().insert(path, {data, image});
    return image;
}

// "Images/next.jpg" in its folder gives "Images/next@2x.jpg" in the same folder.
QString doubleDensityPath(const QFileInfo& plain)
{
    return plain.dir().filePath(plain.completeBaseName() + QStringLiteral("@2x.") + plain.suffix());
}

// The double-density copy beside a plain picture of `plainSize` pixels, or an empty image when
// there is none that loads at exactly twice that size.
QImage doubleDensityCopy(const QFileInfo& plain, QSize plainSize)
{
    const QFileInfo dense(doubleDensityPath(plain));
    if (!dense.isFile())
        return {};
    QString ignored;
    const QImage image = decode(dense.filePath(), ignored);
    if (image.size() != plainSize * 2)
        return {};
    return image;
}

} // namespace

QStringList pictureFolders()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    QStringList folders = installedFolders();
    folders.prepend(QDir::currentPath());
    folders.removeDuplicates();
    return folders;
}

QStringList installedFolders()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList folders{
        programFolder,
        QDir::cleanPath(programFolder + QLatin1Char('/') + QStringLiteral(CHALKFACE_DATADIR_FROM_PROGRAM)),
        QDir::cleanPath(QStringLiteral(CHALKFACE_DATADIR))};
    folders.removeDuplicates();
    return folders;
}

void setPictureFolders(const QStringList& folders)
{
    folderOverride() = folders;
}

QPixmap loadPicture(const QString& name)
{
    return loadPicture(name, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
}

QPixmap loadPicture(const QString& name, qreal devicePixelRatio)
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
        if (devicePixelRatio > 1) {
            if (const QImage dense = doubleDensityCopy(info, image.size()); !dense.isNull()) {
                QPixmap picture = QPixmap::fromImage(dense);
                picture.setDevicePixelRatio(2);
                return picture;
            }
        }
        return QPixmap::fromImage(image);
    }
    throw FatalError(describe(name, problem, folders));
}

} // namespace shell
