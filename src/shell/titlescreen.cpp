#include "shell/titlescreen.h"

#include "shell/core/placement.h"
#include "shell/producttexts.h"
#include "shell/toolkit/errors.h"
#include "shell/toolkit/pictures.h"
#include "shell/toolkit/platform.h"
#include "shell/toolkit/screens.h"

namespace shell {
namespace {

constexpr double kClientWidth = 5460;
constexpr double kClientHeight = 6570;

LabelStyle titleText(FontSpec font)
{
    return {font, colour::titleBlue, Align::Centre};
}

CommandButton* makeButton(QWidget* container, const char* name, TwipRect place, const QString& caption)
{
    auto* button = new CommandButton(container, QLatin1String(name), caption);
    button->setTwipGeometry(place);
    button->setBackColor(colour::titleGrey);
    return button;
}

} // namespace

TitleScreen::TitleScreen(Screens& screens)
    : Screen(screens, kName)
{
    setTakesFullScreen(false);
    setCaption(QStringLiteral(" "));
    // The caption is blank; assistive technology names the window by the product instead.
    setAccessibleName(product::title);
    setBackColor(colour::titleGrey);
    setClientSize(kClientWidth, kClientHeight);

    // The frame encloses the whole client area as a border and holds the other controls.
    Frame1 = new Frame(this, QStringLiteral("Frame1"));
    Frame1->setTwipGeometry(0, -90, 5480, 6660);

    Label4 = makeLabel(Frame1, QStringLiteral("Label4"), {60, 210, 5355, 1455},
                       titleText({"Times New Roman", 26.25, true}), product::titleScreenTitle);
    Picture1 = new PictureBox(Frame1, QStringLiteral("Picture1"), PictureBox::Fit::Clip);
    Picture1->setTwipGeometry(300, 1560, 4800, 3600);
    Label3 = makeLabel(Frame1, QStringLiteral("Label3"), {480, 5250, 4455, 855},
                       titleText({"Times New Roman", 15.75}), product::credits);
    Command1 = makeButton(Frame1, "Command1", {1320, 6000, 1335, 375}, QStringLiteral("OK"));
    Command2 = makeButton(Frame1, "Command2", {2760, 6000, 1335, 375}, QStringLiteral("Exit"));
    Label2 = makeLabel(Frame1, QStringLiteral("Label2"), {0, 6420, 5415, 255}, titleText({"Arial", 8.25}),
                       product::notice);

    Picture1->setFocusPolicy(Qt::TabFocus);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Picture1);
    Command1->setFocus();

    Command1->onClick = [this] {
        this->screens().show(QStringLiteral("intro0"));
        this->screens().unload(*this);
    };
    Command2->onClick = [this] { this->screens().endProgram(); };
}

void TitleScreen::load()
{
    const QSizeF display = displaySizeTwips();
    const WindowPlacement place =
        centredPlacement(static_cast<float>(display.width()), static_cast<float>(display.height()),
                         kClientWidth, kClientHeight);
    setWindowSize(kClientWidth, kClientHeight);
    setWindowPosition(place.left, place.top);

    // Without its picture the title screen is shown all the same.
    try {
        Picture1->setPicture(loadPicture(kPicture));
    } catch (const FatalError&) {
    }
}

} // namespace shell
