#include "shell/mainmenu.h"

#include "shell/guide.h"
#include "shell/module1.h"
#include "shell/producttexts.h"
#include "shell/titlescreen.h"
#include "shell/toolkit/pictures.h"
#include "shell/toolkit/screens.h"

namespace shell {

MainMenu::MainMenu(Screens& screens)
    : MenuScreen(screens, kName)
{
    setCaption(product::publisher);

    Label1->setTwipGeometry(390, 120, 11220, 900);
    Label1->setFontSpec({"Tahoma", 26.25, true});
    Label1->setCaption(product::title);

    Image2 = new PictureBox(this, QStringLiteral("Image2"), PictureBox::Fit::Clip);
    Image2->setTwipGeometry(480, 5760, 1500, 2085);

    const QUrl address = webAddress();
    Label4 = makeAddressLabel(this, QStringLiteral("Label4"), addressCaption(address), address);

    Label3 = new Label(this, QStringLiteral("Label3"));
    Label3->setTwipGeometry(0, 8280, 3600, 375);
    Label3->setFontSpec({"Tahoma", 9.75});
    Label3->setForeColor(colour::yellow);
    Label3->setAlign(Align::Centre);
    Label3->setCaption(product::notice);
}

void MainMenu::load()
{
    setscreen(*this);
    setBackColor(colour::screenBlue);
    Image2->setPicture(loadPicture(kLogoPicture));
    setBackgroundPicture(loadPicture(kBackgroundPicture));
    loadSideMenuAndExit();
    setFocusOrder(Label2.elements() << Label4);
}

void MainMenu::menuEntryClicked(int index)
{
    screens().show(QStringLiteral("menu%1").arg(index + 1));
    screens().unload(*this);
}

void MainMenu::exitClicked()
{
    screens().get<TitleScreen>(TitleScreen::kName).Command1->setCaption(QStringLiteral("Cancel"));
    screens().show(TitleScreen::kName);
    screens().unload(*this);
}

} // namespace shell
