// Full screen for the projector. While it is on, every screen but the title screen is shown on
// the stage: one window filling the display that holds the program, which stays up from screen
// to screen, so the display never shows the desktop or a small window in between. Each screen's
// design is scaled evenly by the stage scale, the largest at which it fits the display in both
// directions, and centred; the bars left over take the front screen's background colour, black
// while it is blanked. The pointer hides after three seconds without a move.
//
// F11 and the right-click menu turn it on and off on every screen that takes it (Screens owns the
// stage). Screens and controls take the scale from the conversions of units.h.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QPointer>
#include <QRect>
#include <QSizeF>
#include <QTimer>

#include <utility>
#include <vector>

namespace shell {

class Screen;
class Screens;
class StageWindow;

// The largest scale at which a design of `design` pixels fits `display` pixels in both directions.
double fitScale(QSizeF design, QSizeF display);

// The screen an object belongs to: the screen itself, the screen a control stands on, or the
// screen in front on the stage window. Null for anything else, such as a menu's window.
Screen* screenOf(QObject* object);

class Stage : public QObject {
    Q_OBJECT
public:
    static constexpr int kPointerIdleMs = 3000;

    explicit Stage(Screens& screens);
    ~Stage() override;

    bool isOn() const { return m_on; }
    // Turns full screen on, filling the display that holds `from` (else the screen on show in a
    // window, else the primary display), or off, giving every screen its own window again.
    void setOn(bool on, Screen* from);
    // Turns it the other way from `from` once the event at hand is done with: the screen moves
    // to or from the stage, which takes away the window the event came to.
    void toggleLater(Screen& from);

    // Shows a screen that takes full screen on the stage, in front of the others, and brings the
    // stage up when it is down.
    void present(Screen& screen);
    // Takes the stage down once no screen on it is on show.
    void screenHidden();

    // The stage window while it is up, else null.
    QWidget* window() const;

    bool isPointerHidden() const { return m_pointerHidden; }
    // How long the pointer may rest before it hides, in milliseconds; tests shorten it.
    void setPointerIdleTime(int ms) { m_pointerTimer.setInterval(ms); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class StageWindow;

    // The stage fills `display`: the scale follows, and every screen that takes full screen is
    // laid out again when it changed.
    void fitTo(const QRect& display);
    // Moves a screen onto the stage window, centred, on show in front.
    void place(Screen& screen);
    // Shows the stage window filling the display.
    void bringUp(const QRect& display);
    // The stage window takes the screen's caption and the keyboard.
    void bringForward(Screen& screen);
    // The screen on show in a window of its own, `preferred` when it is one; null when none is.
    QWidget* windowOnShow(Screen* preferred) const;
    void windowResized(const QWidget& resized);
    void centre(Screen& screen) const;
    void centreAll() const;
    void updateBars();
    void takeDown();
    void showPointer();
    void hidePointer();

    Screens& m_screens;
    bool m_on = false;
    QRect m_display;                 // the display the stage fills, in the desktop's pixels
    StageWindow* m_window = nullptr; // owned; made when the stage first comes up
    // Where the screens that were windows on show stood before they went on the stage.
    std::vector<std::pair<QPointer<Screen>, QPoint>> m_windowPlaces;
    QTimer m_pointerTimer;
    bool m_pointerHidden = false;
    QPointF m_pointerAt; // where the last move left the pointer, on the desktop
};

} // namespace shell
