// The screen of a topic whose exercises are not available yet: it names the topic, says in one
// line what the topic covers and states plainly that its exercises are not ready, with only the
// exit button back to its menu.
#pragma once

#include "shell/activityscreen.h"
#include "shell/core/topictable.h"

namespace shell {

class TopicScreen : public ActivityScreen {
    Q_OBJECT
public:
    static inline const QString kNotYet =
        QStringLiteral("The exercises for this topic are not available yet.");

    TopicScreen(Screens& screens, const Topic& topic);

    Label* Label1; // the topic's title
    Label* Label2; // what it covers
    Label* Label3; // not available yet

protected:
    void startFirstQuestion() override {}
    void nextQuestion() override {}
    void showSolution() override {}
    bool solutionShown() const override { return false; }
    void modeChosen(int) override {}
};

} // namespace shell
