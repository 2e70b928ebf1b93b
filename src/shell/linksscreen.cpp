#include "shell/linksscreen.h"

#include "shell/guide.h"
#include "shell/menuscreen.h"
#include "shell/module1.h"
#include "shell/toolkit/links.h"
#include "shell/toolkit/pictures.h"
#include "shell/toolkit/screens.h"

namespace shell {

const LinksScreen::Link LinksScreen::kLinks[6] = {
    {"NRICH", "Rich problems and activities from the University of Cambridge", "https://nrich.maths.org/"},
    {"NCETM", "National Centre for Excellence in the Teaching of Mathematics", "https://www.ncetm.org.uk/"},
    {"Corbettmaths", "Videos, worksheets and daily practice questions", "https://corbettmaths.com/"},
    {"GeoGebra", "Dynamic geometry, graphing and algebra", "https://www.geogebra.org/"},
    {"Desmos", "Free online graphing calculator", "https://www.desmos.com/calculator"},
    {"Khan Academy", "Free lessons and practice at every level", "https://www.khanacademy.org/math"},
};

namespace {

constexpr double kFirstTop = 1500;
constexpr double kPitch = 1050;
constexpr double kNameWidth = 5415;
constexpr double kDescriptionWidth = 9000;

} // namespace

LinksScreen::LinksScreen(Screens& screens)
    : Screen(screens, kName)
    , Label3(this, QStringLiteral("Label3"))
    , Label4(this, QStringLiteral("Label4"))
{
    setCaption(QStringLiteral("WWW Links"));

    Label1 = new Label(this, QStringLiteral("Label1"));
    Label1->setTwipGeometry((12000 - 4200) / 2.0, 120, 4200, 900);
    Label1->setFontSpec({"Tahoma", 36, true});
    Label1->setForeColor(colour::yellow);
    Label1->setBackColor(colour::black);
    Label1->setOpaque(true);
    Label1->setAlign(Align::Centre);
    Label1->setCaption(QStringLiteral("WWW Links"));

    for (int i = 0; i < static_cast<int>(std::size(kLinks)); ++i) {
        const double top = kFirstTop + kPitch * i;
        Label* title = Label3.add(i);
        title->setTwipGeometry((12000 - kNameWidth) / 2, top, kNameWidth, 495);
        title->setFontSpec({"Tahoma", 15.75, true});
        title->setForeColor(colour::yellow);
        title->setBackColor(colour::black);
        title->setOpaque(true);
        title->setAlign(Align::Centre);
        title->setCaption(QString::fromUtf8(kLinks[i].title));
        title->setAccessibleDescription(QString::fromUtf8(kLinks[i].description));

        Label* description = Label4.add(i);
        description->setTwipGeometry((12000 - kDescriptionWidth) / 2, top + 495, kDescriptionWidth, 375);
        description->setFontSpec({"Tahoma", 12});
        description->setForeColor(colour::white);
        description->setAlign(Align::Centre);
        description->setCaption(QString::fromUtf8(kLinks[i].description));
    }

    Command1 = new CommandButton(this, QStringLiteral("Command1"));
    Command1->setAccessibleName(QStringLiteral("Exit"));
    Command1->setTabStop(false);

    Label5 = makeAddressLabel(this, QStringLiteral("Label5"), kGuideCaption, guideAddress());

    const auto open = [this](int index) {
        openAddress(*this, QUrl(QString::fromUtf8(kLinks[index].address)));
    };
    Label3.setOnClick(open, ClickKind::Link);
    // Each link takes the focus once, by its name, which carries its description.
    Label4.setOnClick(open, ClickKind::Link);
    Label4.forEach([](int, Label* description) { description->setTabStop(false); });
    Command1->onClick = [this] {
        this->screens().show(m_returnScreen);
        this->screens().unload(*this);
    };
    setExitButton(Command1);
}

void LinksScreen::load()
{
    setscreen(*this);
    setBackColor(colour::screenBlue);
    setBackgroundPicture(loadPicture(MenuScreen::kBackgroundPicture));
    Command1->setPicture(loadPicture(MenuScreen::kExitPicture));
    Command1->setTwipGeometry(10240, 7975, 1650, 500);
}

} // namespace shell
