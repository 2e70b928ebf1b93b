// What must hold of the program's screens after any event, read from what is on show: the screen
// in front and those behind it form a state the screen flows allow, no screen is alive twice, and
// an activity screen keeps its way out, one chosen mode and a solution belonging to its question.
#pragma once

#include <QApplication>
#include <QMap>
#include <QPointer>
#include <QString>

#include <string>
#include <vector>

namespace shell {
class Screen;
class Screens;
} // namespace shell

namespace reliability {

// Empty when the activity screen shows what it must after any sequence of events.
std::string checkActivity(const shell::Screen& screen);

// The topic menu that lists the topic opening this screen, or an empty name.
QString menuOf(const QString& screen);

// The top-level screens that exist as widgets, by name, counted. Deferred deletions are done
// first, so an unloaded screen no longer counts.
QMap<QString, int> liveScreens();

// Empty when the loaded screens form a state the flows allow with `front` in front. `opener` is
// the screen the links screen was opened from, when it is in front.
std::string checkFlowState(const shell::Screens& screens, const QString& front, const QString& opener);

// Follows the stacking order of the top-level screens as they are shown and raised, as a window
// manager would: the front screen is the visible one shown or raised last.
class FrontTracker : public QObject {
public:
    FrontTracker() { qApp->installEventFilter(this); }
    ~FrontTracker() override { qApp->removeEventFilter(this); }

    // The name of the visible screen in front, or an empty name when none is visible.
    QString front() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QPointer<shell::Screen>> m_order; // bottom to top
};

} // namespace reliability
