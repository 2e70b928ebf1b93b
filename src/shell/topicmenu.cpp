#include "shell/topicmenu.h"

#include "shell/mainmenu.h"
#include "shell/module1.h"
#include "shell/producttexts.h"
#include "shell/toolkit/screens.h"

namespace shell {
TopicMenu::TopicMenu(Screens& screens, int number)
    : MenuScreen(screens, QStringLiteral("menu%1").arg(number))
    , Label3(this, QStringLiteral("Label3"))
    , m_number(number)
{
    setCaption(product::publisher);

    Label1->setTwipGeometry(0, 120, 3405, 900);
    Label1->setFontSpec({"Tahoma", 36, true});
    Label1->setOpaque(true);
    Label1->setCaption(qtext(row().title));

    Label* first = Label3.add(0);
    first->setTwipGeometry(0, 2400, row().topicWidth, 495);
    first->setFontSpec({"Tahoma", 15.75, true});
    first->setForeColor(colour::yellow);
    first->setBackColor(colour::black);
    first->setOpaque(true);
    first->setAlign(Align::Centre);
    first->setCaption(qtext(row().topics[0].caption));
    first->setVisible(false);

    Label3.setOnClick([this](int index) {
        this->screens().show(qtext(row().topics[static_cast<std::size_t>(index)].screen));
    });
}

void TopicMenu::load()
{
    setscreen(*this);
    setBackColor(colour::screenBlue);
    // Reading the main menu's picture creates the main menu, hidden, when it is not loaded.
    setBackgroundPicture(screens().get<MainMenu>(MainMenu::kName).backgroundPicture());
    loadSideMenuAndExit();

    Label1->setLeftTwips((12000 - Label1->widthTwips()) / 2);
    Label* first = Label3[0];
    first->setLeftTwips((12000 - first->widthTwips()) / 2);
    for (int i = 1; i < static_cast<int>(row().topics.size()); ++i) {
        Label* topic = Label3.load(i);
        topic->moveTwips(first->leftTwips(), first->topTwips() + 750.0 * i);
        topic->setCaption(qtext(row().topics[static_cast<std::size_t>(i)].caption));
    }
    Label3.forEach([](int, Label* topic) { topic->setVisible(true); });
    // The topics, then the side menu beside them.
    setFocusOrder(Label3.elements() + Label2.elements());
}

void TopicMenu::menuEntryClicked(int index)
{
    if (index + 1 == m_number)
        return;
    screens().show(QStringLiteral("menu%1").arg(index + 1));
    screens().unload(*this);
}

void TopicMenu::exitClicked()
{
    // A main menu made hidden by the load step is shown as it is; otherwise a fresh one.
    screens().show(MainMenu::kName);
    screens().unload(*this);
}

} // namespace shell
