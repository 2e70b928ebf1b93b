#include "shell/menuscreen.h"

#include "shell/linksscreen.h"
#include "shell/toolkit/pictures.h"
#include "shell/toolkit/screens.h"

namespace shell {

MenuScreen::MenuScreen(Screens& screens, const QString& name)
    : Screen(screens, name)
    , Label2(this, QStringLiteral("Label2"))
{
    Label1 = new Label(this, QStringLiteral("Label1"));
    Label1->setForeColor(colour::yellow);
    Label1->setBackColor(colour::black);
    Label1->setAlign(Align::Centre);

    Label* entry = Label2.add(0);
    entry->setTwipGeometry(9600, 2400, 2235, 495);
    entry->setFontSpec({"Tahoma", 18, true});
    entry->setForeColor(colour::yellow);
    entry->setBackColor(colour::black);
    entry->setAlign(Align::Centre);
    entry->setCaption(QStringLiteral("Menu 1"));
    entry->setVisible(false);

    Command1 = new CommandButton(this, QStringLiteral("Command1"));
    Command1->setAccessibleName(QStringLiteral("Exit"));
    Command1->setTabStop(false);

    Label1->onMouseMove = [this] { Label1->setOpaque(true); };
    Label2.onMouseMove = [this](int index) { Label2[index]->setOpaque(true); };
    Label2.setOnClick([this](int index) {
        if (index == kLinksEntry)
            openLinks();
        else
            menuEntryClicked(index);
    });
    Command1->onClick = [this] { exitClicked(); };
    setExitButton(Command1);
}

void MenuScreen::loadSideMenuAndExit()
{
    Command1->setPicture(loadPicture(kExitPicture));
    Command1->setTwipGeometry(10240, 7975, 1650, 500);

    static const QString captions[] = {QStringLiteral("Menu 2"), QStringLiteral("Menu 3"),
                                       QStringLiteral("Menu 4"), QStringLiteral("Menu 5"),
                                       QStringLiteral("WWW Links")};
    const Label* first = Label2[0];
    for (int i = 1; i <= kLinksEntry; ++i) {
        Label* entry = Label2.load(i);
        // "WWW Links" stands one step lower than the even spacing would put it.
        const double step = i == kLinksEntry ? 4500 : 750.0 * i;
        entry->moveTwips(first->leftTwips(), first->topTwips() + step);
        entry->setCaption(captions[i - 1]);
    }
    Label2.forEach([](int, Label* entry) { entry->setVisible(true); });
}

void MenuScreen::backgroundMouseMove()
{
    Label1->setOpaque(false);
    Label2.forEach([](int, Label* entry) { entry->setOpaque(false); });
}

void MenuScreen::openLinks()
{
    screens().get<LinksScreen>(LinksScreen::kName).setReturnScreen(name());
    screens().show(LinksScreen::kName);
}

} // namespace shell
