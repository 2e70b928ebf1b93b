#include "shell/toolkit/platform.h"

#include "shell/core/drawing.h"

#include <QCursor>
#include <QDesktopServices>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

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

void openWebAddress(const QString& address)
{
    QDesktopServices::openUrl(QUrl(address));
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

} // namespace shell
