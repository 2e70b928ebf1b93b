// A screen: one top-level window with its controls, its load step and a drawing surface; in
// full screen, a stage-sized part of the stage window instead (stage.h). Screens are created,
// shown and unloaded by name through Screens (screens.h).
#pragma once

#include "shell/core/drawing.h"
#include "shell/toolkit/units.h"

#include <QAbstractButton>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QMenu;

namespace shell {

class Screens;

class Screen : public QWidget {
    Q_OBJECT
public:
    Screen(Screens& screens, const QString& name);

    Screens& screens() const { return m_screens; }
    QString name() const { return objectName(); }

    // The load step, run once by Screens right after the screen is created.
    virtual void load() {}

    void setCaption(const QString& caption) { setWindowTitle(caption); }
    void setBackColor(Rgb colour);
    Rgb backColor() const { return m_backColor; }
    void setBackgroundPicture(const QPixmap& picture);
    const QPixmap& backgroundPicture() const { return m_backgroundPicture; }
    void clearIcon();

    // The fixed client area, in twips.
    void setClientSize(double widthTwips, double heightTwips);

    // Whether the screen goes on the stage in full screen, as every screen but the title screen
    // does. Set it before the controls are made.
    bool takesFullScreen() const { return m_takesFullScreen; }
    void setTakesFullScreen(bool takes) { m_takesFullScreen = takes; }
    // Display pixels per design pixel: the stage scale for a screen that takes full screen, else 1.
    double scale() const;
    // Lays the screen and every control out again at the screen's scale, after it changed.
    void applyScale();

    // Whether the lesson is hidden behind black; the stage's bars turn black with it.
    virtual bool isBlanked() const { return false; }

    // The right-click menu at a point of the desktop: the screen's own actions, then "Full screen"
    // or "Leave full screen" on every screen that takes full screen.
    void openMenu(const QPoint& globalPos);

    // The window's outer rectangle in twips: Left and Top place its outer top-left corner on the
    // display (where the window goes when it is not on the stage).
    double windowLeft() const { return m_left; }
    double windowTop() const { return m_top; }
    double windowWidth() const { return m_width; }
    double windowHeight() const { return m_height; }
    void setWindowPosition(double leftTwips, double topTwips);
    void setWindowSize(double widthTwips, double heightTwips);

    // The drawing surface: lines painted on the window under its controls. What is drawn stays
    // until cleared, through every repaint.
    void setDrawWidth(int pixels) { m_drawWidth = pixels; }
    int drawWidth() const { return m_drawWidth; }
    void drawLine(PointTwips from, PointTwips to, Rgb colour);
    void drawFigure(const Figure& figure);
    void clearDrawing();
    const Figure& drawing() const { return m_drawing; }

    // A control found by its name; letter case is ignored unless asked for.
    QWidget* control(const QString& name, Qt::CaseSensitivity cs = Qt::CaseInsensitive) const;
    template <class T>
    T* control(const QString& name, Qt::CaseSensitivity cs = Qt::CaseInsensitive) const
    {
        return qobject_cast<T*>(control(name, cs));
    }

    // The button that leaves the screen, which Escape and Backspace press too. (The arrow keys
    // move the focus on every screen, as Tab and Shift+Tab do.)
    void setExitButton(QAbstractButton* button) { m_exitButton = button; }
    QAbstractButton* exitButton() const { return m_exitButton; }

protected:
    // The mouse moved over the bare background (not over a control).
    virtual void backgroundMouseMove() {}

    // The screen's own entries of its right-click menu (lesson tools, say); none by default.
    virtual void addMenuActions(QMenu&) {}

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Screens& m_screens;
    QPointer<QAbstractButton> m_exitButton;
    Rgb m_backColor = colour::titleGrey;
    QPixmap m_backgroundPicture;
    Figure m_drawing;
    int m_drawWidth = 1;
    bool m_takesFullScreen = true;
    double m_clientWidth = 0;
    double m_clientHeight = 0;
    double m_left = 0;
    double m_top = 0;
    double m_width = 0;
    double m_height = 0;
};

} // namespace shell
