#include "shell/toolkit/links.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMouseEvent>

namespace shell {
namespace {

// Twips: the message stands centred near the foot of the screen, clear of the main menu's
// address label below it.
constexpr double kWidth = 7200;
constexpr double kBottom = 7860;
constexpr double kMargin = 150;
constexpr double kClientWidth = 11880;

} // namespace

AddressNotice::AddressNotice(QWidget* screen, const QUrl& address)
    : Frame(screen, kName)
{
    setBackColor(colour::black);
    setBorder(false);
    constexpr double inner = kWidth - 2 * kMargin;
    Label1 = makeLabel(this, QStringLiteral("Label1"), {kMargin, kMargin, inner, 0},
                       {{"Tahoma", 12, true}, colour::yellow, Align::Centre},
                       QStringLiteral("This address could not be opened:"));
    Label2 = makeLabel(this, QStringLiteral("Label2"), {kMargin, 0, inner, 0},
                       {{"Arial", 12, true}, colour::white, Align::Centre}, address.toDisplayString());
    Label3 = makeLabel(this, QStringLiteral("Label3"), {kMargin, 0, inner, 0},
                       {{"Tahoma", 9.75}, colour::yellow, Align::Centre},
                       QStringLiteral("Type it into a web browser to see the page. Click here to close this "
                                      "message."));
    // Each label as tall as its wrapped text, one under the other.
    double top = kMargin;
    for (Label* label : {Label1, Label2, Label3}) {
        label->setAutoSize(true);
        label->setTopTwips(top);
        top += label->heightTwips() + kMargin / 2;
        label->setOnClick([this] { deleteLater(); });
    }
    // One entry for the keyboard: the line that says how to close the message.
    Label1->setTabStop(false);
    Label2->setTabStop(false);
    const double height = top + kMargin / 2;
    setTwipGeometry((kClientWidth - kWidth) / 2, kBottom - height, kWidth, height);
}

void AddressNotice::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    deleteLater();
}

void openAddress(QWidget& screen, const QUrl& address)
{
    const bool missing = address.isLocalFile() && !QFileInfo::exists(address.toLocalFile());
    if (!missing && QDesktopServices::openUrl(address))
        return;
    delete screen.findChild<AddressNotice*>(AddressNotice::kName, Qt::FindDirectChildrenOnly);
    auto* notice = new AddressNotice(&screen, address);
    notice->raise();
    notice->show();
}

} // namespace shell
