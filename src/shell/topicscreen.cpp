#include "shell/topicscreen.h"

namespace shell {
TopicScreen::TopicScreen(Screens& screens, const Topic& topic)
    : ActivityScreen(screens, qtext(topic.screen), qtext(topic.caption))
{
    Label1 = makeLabel(this, QStringLiteral("Label1"), {600, 1200, 10680, 1200},
                       {{"Tahoma", 36, true}, colour::yellow, Align::Centre}, qtext(topic.caption));
    Label2 = makeLabel(this, QStringLiteral("Label2"), {600, 3000, 10680, 1500},
                       {{"Tahoma", 21.75}, colour::white, Align::Centre}, qtext(topic.description));
    Label3 = makeLabel(this, QStringLiteral("Label3"), {1200, 5100, 9480, 1000},
                       {{"Tahoma", 18, true}, colour::yellow, Align::Centre}, kNotYet);
    cmdgo->setVisible(false);
    cmdsoln->setVisible(false);
}

} // namespace shell
