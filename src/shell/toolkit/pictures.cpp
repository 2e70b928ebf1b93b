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
#include <QLoggingCategory>

#include <filesystem>
#include <map>
#include <system_error>
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

// Whether a JPEG's bytes run as far as its end-of-image marker: a file cut short lacks it, and
// the decoder would fill the missing rows with grey without complaint. The segments are walked
// from the start, so bytes after the marker are no fault and a marker inside embedded data
// (such as a thumbnail's) is not taken for the picture's own.
bool reachesEndMarker(const QByteArray& data)
{
    const auto byte = [&data](qsizetype at) { return static_cast<unsigned char>(data[at]); };
    const auto isRestart = [](unsigned char marker) { return marker >= 0xD0 && marker <= 0xD7; };
    qsizetype at = 2; // after the start-of-image marker
    while (at + 1 < data.size()) {
        if (byte(at) != 0xFF)
            return false;
        const unsigned char marker = byte(at + 1);
        if (marker == 0xD9)
            return true;
        if (marker == 0xFF) { // a fill byte before a marker
            ++at;
            continue;
        }
        if (marker == 0x01 || isRestart(marker)) { // markers without a length
            at += 2;
            continue;
        }
        if (at + 3 >= data.size())
            return false;
        at += 2 + (byte(at + 2) << 8 | byte(at + 3));
        if (marker == 0xDA) {
            // A scan's coded data runs to the next marker: 0xFF followed by neither a stuffed zero
            // nor a restart marker.
            while (at + 1 < data.size() &&
                   !(byte(at) == 0xFF && byte(at + 1) != 0x00 && !isRestart(byte(at + 1))))
                ++at;
        }
    }
    return false;
}

QString cannotLoad(const QString& path, const QString& problem)
{
    return QStringLiteral("Cannot load the picture \"%1\": %2. Reinstall Chalkface to restore its pictures.")
        .arg(QDir::toNativeSeparators(path), problem);
}

// Qt's JPEG decoder tells of damaged picture data only as a warning on its logging category and
// gives a picture all the same, grey where the data was bad. Its warnings are switched on
// whatever the logging rules say, and while a file is decoded they are taken in, not printed.
constexpr char kDecoderCategory[] = "qt.gui.imageio.jpeg";
QLoggingCategory::CategoryFilter g_otherFilter = nullptr;
QtMessageHandler g_otherHandler = nullptr;
QString g_decoderComplaint;

void hearTheDecoder(QLoggingCategory* category)
{
    g_otherFilter(category);
    if (qstrcmp(category->categoryName(), kDecoderCategory) == 0)
        category->setEnabled(QtWarningMsg, true);
}

void takeTheDecodersWord(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (qstrcmp(context.category, kDecoderCategory) != 0)
        g_otherHandler(type, context, message);
    else if (g_decoderComplaint.isEmpty())
        g_decoderComplaint = message;
}

// Takes in the decoder's words for as long as it lives.
class DecoderComplaint {
public:
    DecoderComplaint()
    {
        static const bool listening = [] {
            // A filter is applied as soon as it is installed: the one in force is fetched first
            // (by putting Qt's own in its place for a moment), then wrapped.
            g_otherFilter = QLoggingCategory::installFilter(nullptr);
            QLoggingCategory::installFilter(hearTheDecoder);
            return true;
        }();
        Q_UNUSED(listening);
        g_decoderComplaint.clear();
        g_otherHandler = qInstallMessageHandler(takeTheDecodersWord);
    }
    ~DecoderComplaint() { qInstallMessageHandler(g_otherHandler); }
    DecoderComplaint(const DecoderComplaint&) = delete;
    DecoderComplaint& operator=(const DecoderComplaint&) = delete;

    // The decoder's first complaint, or empty.
    const QString& text() const { return g_decoderComplaint; }
};

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
    const DecoderComplaint complaint;
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
    if (reader.format() == "jpeg" && !reachesEndMarker(data)) {
        problem = QStringLiteral("the file is incomplete");
        return {};
    }
    QImage image = reader.read();
    if (!complaint.text().isEmpty()) {
        problem = QStringLiteral("the picture's data is damaged (%1)").arg(complaint.text());
        return {};
    }
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
    // The program's own pictures first: a folder of the same name where the program was started
    // (a home folder's "Images", as a desktop names it in some languages) must not stand in.
    QStringList folders = installedFolders();
    folders.append(QDir::currentPath());
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

    // The first copy found is the one shown, or the one reported when it cannot be loaded.
    const QStringList folders = pictureFolders();
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(relative);
        std::error_code error;
        const std::filesystem::file_status status =
            std::filesystem::status(QFile::encodeName(path).toStdString(), error);
        if (error == std::errc::no_such_file_or_directory)
            continue;
        QString problem;
        QImage image;
        if (error)
            problem = QStringLiteral("the file cannot be reached (%1)")
                          .arg(QString::fromStdString(error.message()));
        else if (!std::filesystem::is_regular_file(status))
            problem = QStringLiteral("it is not a file");
        else
            image = decode(path, problem);
        if (image.isNull())
            throw FatalError(cannotLoad(path, problem));
        return pictureFor(QFileInfo(path), image.size(), devicePixelRatio, scale);
    }
    QStringList searched;
    for (const QString& folder : folders)
        searched << QDir::toNativeSeparators(folder);
    throw FatalError(
        cannotLoad(relative, QStringLiteral("the file is missing from every folder searched (%1)")
                                 .arg(searched.join(QStringLiteral(", ")))));
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
