#include "shell/toolkit/pictures.h"

#include "shell/toolkit/errors.h"
#include "shell/toolkit/units.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QImageReader>

#include <map>
#include <tuple>

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
// again only when its contents have changed. Each file's picture is handed out as one pixmap,
// which tells it apart when it is asked for at another scale (pictureForScale).
struct DecodedPicture {
    QByteArray data;
    QImage image;
    QPixmap pixmap;    // made when first handed out
    QString plainPath; // the plain picture this file is, or is the copy of
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
        decodedPictures().insert(path, {data, image, {}, {}});
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

// Whether the double-density copy is shown in place of the plain picture.
bool wantsCopy(qreal devicePixelRatio, double scale)
{
    return devicePixelRatio > 1 || devicePixelRatio * scale > 1.4;
}

qreal displayRatio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

// The one pixmap of a decoded file.
QPixmap handOut(const QString& path, const QString& plainPath, qreal devicePixelRatio)
{
    DecodedPicture& decoded = decodedPictures()[path];
    if (decoded.pixmap.isNull()) {
        decoded.pixmap = QPixmap::fromImage(decoded.image);
        decoded.pixmap.setDevicePixelRatio(devicePixelRatio);
        decoded.plainPath = plainPath;
    }
    return decoded.pixmap;
}

// The plain picture of `plainSize` pixels, decoded from `plain`, or its copy.
QPixmap pictureFor(const QFileInfo& plain, QSize plainSize, qreal devicePixelRatio, double scale)
{
    if (wantsCopy(devicePixelRatio, scale) && !doubleDensityCopy(plain, plainSize).isNull())
        return handOut(doubleDensityPath(plain), plain.filePath(), 2);
    return handOut(plain.filePath(), plain.filePath(), 1);
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
    return loadPicture(name, displayRatio(), stageScale());
}

QPixmap loadPicture(const QString& name, qreal devicePixelRatio, double scale)
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
        return pictureFor(info, image.size(), devicePixelRatio, scale);
    }
    throw FatalError(describe(name, problem, folders));
}

QPixmap pictureForScale(const QPixmap& picture, double scale)
{
    const qreal ratio = displayRatio();
    if (picture.isNull() || (picture.devicePixelRatio() > 1) == wantsCopy(ratio, scale))
        return picture;
    QString plainPath;
    for (const DecodedPicture& decoded : std::as_const(decodedPictures())) {
        if (!decoded.pixmap.isNull() && decoded.pixmap.cacheKey() == picture.cacheKey())
            plainPath = decoded.plainPath;
    }
    if (plainPath.isEmpty())
        return picture;
    QString problem;
    const QImage plain = decode(plainPath, problem);
    if (plain.isNull())
        return picture;
    return pictureFor(QFileInfo(plainPath), plain.size(), ratio, scale);
}

QPixmap scaledPicture(const QPixmap& picture, double scale, qreal devicePixelRatio)
{
    if (scale == 1 || picture.isNull())
        return picture;
    const QSize shown = (picture.deviceIndependentSize() * scale).toSize();
    const QSize pixels = (QSizeF(shown) * devicePixelRatio).toSize();
    static std::map<std::tuple<qint64, int, int>, QPixmap> kept;
    const auto key = std::make_tuple(picture.cacheKey(), pixels.width(), pixels.height());
    if (const auto found = kept.find(key); found != kept.end())
        return found->second;
    // A handful of pictures per screen at one scale at a time.
    constexpr std::size_t kKept = 32;
    if (kept.size() >= kKept)
        kept.clear();
    QPixmap scaled = picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(devicePixelRatio);
    kept.emplace(key, scaled);
    return scaled;
}

} // namespace shell
