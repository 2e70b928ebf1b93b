#include "shell/guide.h"

#include "shell/toolkit/links.h"
#include "shell/toolkit/pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>

#include <algorithm>

#ifndef CHALKFACE_WEB_ADDRESS
#define CHALKFACE_WEB_ADDRESS ""
#endif

namespace shell {
namespace {

// The designed place of the address label, in twips, and how wide it may grow about its centre
// before it would meet the publisher's notice on its left or the exit button on its right.
constexpr TwipRect kAddressPlace{4440, 8040, 3315, 375};
constexpr double kAddressCentre = kAddressPlace.left + kAddressPlace.width / 2;
constexpr double kAddressWidest = 2 * std::min(kAddressCentre - 3600, 10240 - kAddressCentre);
constexpr int kAddressPadding = 8; // pixels either side of the caption

} // namespace

QUrl guideAddress()
{
    const QStringList folders = installedFolders();
    for (const QString& folder : folders) {
        const QFileInfo guide(QDir(folder), kGuideFile);
        if (guide.isFile())
            return QUrl::fromLocalFile(guide.absoluteFilePath());
    }
    return QUrl::fromLocalFile(QDir(folders.front()).absoluteFilePath(kGuideFile));
}

QUrl webAddress()
{
    const QString built = QStringLiteral(CHALKFACE_WEB_ADDRESS);
    return built.isEmpty() ? guideAddress() : QUrl(built);
}

QString addressCaption(const QUrl& address)
{
    if (address.isLocalFile())
        return kGuideCaption;
    QString caption = address.toDisplayString(QUrl::RemoveScheme | QUrl::StripTrailingSlash);
    if (caption.startsWith(QLatin1String("//")))
        caption.remove(0, 2);
    return caption;
}

Label* makeAddressLabel(QWidget* screen, const QString& name, const QString& caption, const QUrl& address)
{
    auto* label = new Label(screen, name);
    label->setFontSpec({"Arial", 12, true});
    label->setForeColor(colour::yellow);
    label->setBackColor(colour::black);
    label->setOpaque(true);
    label->setAlign(Align::Centre);
    label->setCaption(caption);
    const double needed =
        toTwips(QFontMetrics(label->font()).horizontalAdvance(caption) + 2 * kAddressPadding);
    const double width = std::clamp(needed, kAddressPlace.width, kAddressWidest);
    label->setTwipGeometry(kAddressCentre - width / 2, kAddressPlace.top, width, kAddressPlace.height);
    label->setOnClick([screen, address] { openAddress(*screen, address); }, ClickKind::Link);
    return label;
}

} // namespace shell
