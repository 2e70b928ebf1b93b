#include "shell/toolkit/platform.h"

#include "shell/core/drawing.h"

#include <QCursor>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>

#ifdef __GLIBC__
#include <malloc.h>
#endif
#ifdef CHALKFACE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace shell {
namespace {

std::optional<QSize>& displayOverride()
{
    static std::optional<QSize> size;
    return size;
}

} // namespace

QSizeF displaySizeTwips()
{
    QSize pixels(800, 600);
    if (displayOverride())
        pixels = *displayOverride();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        pixels = screen->geometry().size();
    return QSizeF(pixels) * kTwipsPerPixel;
}

void setDisplaySizeOverride(std::optional<QSize> pixels)
{
    displayOverride() = pixels;
}

void setBusyPointer(bool busy)
{
    if (busy)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QGuiApplication::restoreOverrideCursor();
}

QString registerFonts()
{
    const QString tahoma = QStringLiteral("Tahoma");
    if (QFontDatabase::hasFamily(tahoma))
        return tahoma;
    // Only the regular face of the Wine fonts: their bold file draws hardly heavier than the
    // regular one, while Qt's own emboldening of the regular face reads clearly as bold.
    const QString file = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
    if (QFile::exists(file) && QFontDatabase::addApplicationFont(file) >= 0 &&
        QFontDatabase::hasFamily(tahoma))
        return tahoma;
    // No Tahoma at all: the screens ask for it by name, so point the name at a plain sans font.
    QFont::insertSubstitutions(tahoma, {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                        QStringLiteral("Sans Serif")});
    return QFontInfo(QFont(tahoma)).family();
}

void keepFreedMemory()
{
#ifdef __GLIBC__
    // Fixed limits also stop glibc from moving them to the size of each large block freed, which
    // left window-sized buffers mapped and unmapped again on every screen change.
    constexpr int kMapAbove = 16 * 1024 * 1024; // bytes: only larger blocks get their own mapping
    constexpr int kReturnAbove = 2 * kMapAbove; // bytes of free memory kept at the heap's top
    mallopt(M_MMAP_THRESHOLD, kMapAbove);
    mallopt(M_TRIM_THRESHOLD, kReturnAbove);
#endif
}

void loadFontConfiguration()
{
#ifdef CHALKFACE_FONTCONFIG
    // What FcInit does, less the reading of the unused files: the configuration in force (the
    // system's fonts.conf and the files it includes) and the fonts it lists, from their caches.
    FcConfig* config = FcConfigCreate();
    if (!config)
        return;
    bool loaded = false;
    if (FcConfigParseAndLoad(config, nullptr, FcTrue)) {
        // Without a cache folder fontconfig would add its own fallback first.
        if (FcStrList* caches = FcConfigGetCacheDirs(config)) {
            loaded = FcStrListNext(caches) && FcConfigBuildFonts(config) && FcConfigSetCurrent(config);
            FcStrListDone(caches);
        }
    }
    // Once current, the configuration stays for the rest of the program: this reference is kept,
    // as older fontconfig takes none of its own when a configuration is made current.
    if (!loaded)
        FcConfigDestroy(config);
#endif
}

} // namespace shell
