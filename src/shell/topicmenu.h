// The five topic menus `menu1` to `menu5`: one screen kind, set up from its row of the topic
// table. A topic opens its screen in front of the menu, which stays as it was behind it; the
// side menu moves to another topic menu, and the exit button goes back to the main menu.
#pragma once

#include "shell/menuscreen.h"
#include "shell/core/topictable.h"

namespace shell {

class TopicMenu : public MenuScreen {
    Q_OBJECT
public:
    // number: 1 to 5.
    TopicMenu(Screens& screens, int number);
    void load() override;

    int number() const { return m_number; }

    LabelArray Label3; // the topics

protected:
    void menuEntryClicked(int index) override;
    void exitClicked() override;

private:
    const TopicMenuRow& row() const { return kTopicMenus[static_cast<std::size_t>(m_number - 1)]; }

    int m_number;
};

} // namespace shell
