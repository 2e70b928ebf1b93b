// The controls the screens are built from: labels and label arrays, frames, option buttons,
// command and picture buttons, pictures, line controls and timers. Each keeps its position and
// size in twips, relative to its container, shows them, its font and its picture at its screen's
// scale (units.h), and reports its events through handlers that run guarded (see errors.h).
#pragma once

#include "shell/toolkit/units.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <map>

namespace shell {

class StackedFractionText;

using Handler = std::function<void()>;
using IndexHandler = std::function<void(int index)>;

// Runs a handler, if there is one, guarded. The handler is copied first, so it may replace
// itself while it runs.
void fire(const Handler& handler);

// A control that lays itself out again when its screen's scale changes (Screen::applyScale).
class Scalable {
public:
    virtual void applyScale() = 0;

protected:
    ~Scalable() = default;
};

// Position and size in twips for a control widget; the widget's pixel geometry follows at the
// widget's scale.
class TwipGeometry : public Scalable {
public:
    double leftTwips() const { return m_left; }
    double topTwips() const { return m_top; }
    double widthTwips() const { return m_width; }
    double heightTwips() const { return m_height; }
    void setLeftTwips(double left);
    void setTopTwips(double top);
    void setWidthTwips(double width);
    void setHeightTwips(double height);
    void moveTwips(double left, double top);
    void setTwipGeometry(double left, double top, double width, double height);
    void setTwipGeometry(const TwipRect& r) { setTwipGeometry(r.left, r.top, r.width, r.height); }

    void applyScale() override { applyGeometry(); }

protected:
    explicit TwipGeometry(QWidget* widget);
    virtual ~TwipGeometry() = default;
    void applyGeometry();
    double scale() const { return scaleOf(m_widget); }

private:
    QWidget* m_widget;
    double m_left = 0;
    double m_top = 0;
    double m_width = 0;
    double m_height = 0;
};

// What a clickable label is to assistive technology: a button, or a link to a web address (which
// also shows the pointing hand).
enum class ClickKind { Button, Link };

// A text label: transparent or opaque background, aligned text at the top, wrapping within its
// width unless it sizes itself to its text. Sizing to the text keeps the left edge where it is.
class Label : public QLabel, public TwipGeometry {
    Q_OBJECT
public:
    Label(QWidget* container, const QString& name);

    QString caption() const { return text(); }
    void setCaption(const QString& caption);
    void setForeColor(Rgb colour);
    void setBackColor(Rgb colour);
    void setOpaque(bool opaque);
    bool isOpaque() const { return autoFillBackground(); }
    void setAlign(Align align);
    void setFontSpec(const FontSpec& fontSpec);
    void setFontPoints(double points);
    void setAutoSize(bool autoSize);
    void setWrap(bool wrap);
    // Draws the caption's fractions stacked (see stackedfractions.h); the caption keeps its
    // slashes, so it reads the same to a test or a screen reader.
    void setStackedFractions(bool stacked);

    // A hidden copy with every property of this label, for label arrays.
    Label* copyHidden(const QString& name) const;

    void applyScale() override;

    // Makes the label act on a click. A clickable label is an entry for the keyboard and for
    // assistive technology as well: it takes the focus from Tab, Shift+Tab and the arrow keys
    // (never from the mouse, so the highlighting by mouse position stays as it is), shows it
    // with its opaque background and an outline in its text colour, takes Enter and Space as
    // a click, and offers a press action that does what a click does.
    void setOnClick(Handler handler, ClickKind kind = ClickKind::Button);
    bool isClickable() const { return static_cast<bool>(m_onClick); }
    ClickKind clickKind() const { return m_clickKind; }
    // What a click does.
    void press();
    // A clickable label out of the Tab order keeps its click and press action but takes no focus.
    void setTabStop(bool tabStop);

    Handler onMouseMove;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void fitToText();
    bool drawsStackedFractions() const;
    StackedFractionText stackedText() const;
    void updateFocusPolicy();

    Align m_align = Align::Left;
    FontSpec m_fontSpec;
    bool m_autoSize = false;
    bool m_wrap = true;
    bool m_stackedFractions = false;
    bool m_pressed = false;
    Handler m_onClick;
    ClickKind m_clickKind = ClickKind::Button;
    bool m_tabStop = true;
};

// How a label is designed: font, text colour, alignment, and whether it sizes itself to its text
// (one line, left edge fixed).
struct LabelStyle {
    FontSpec font;
    Rgb colour = colour::yellow;
    Align align = Align::Left;
    bool autoSize = false;
};

// A label with a transparent background, placed and styled as designed.
Label* makeLabel(QWidget* container, const QString& name, const TwipRect& place, const LabelStyle& style,
                 const QString& caption = {});

// Makes Tab, Shift+Tab and the clickable labels' arrow keys go through the controls in this order.
void setFocusOrder(const QList<QWidget*>& controls);

// Labels addressed by a whole-number index; click and mouse-move handlers receive the index.
// Either every element is designed (add), or element 0 is designed and the others are loaded at
// run time as hidden copies of it (load).
class LabelArray {
public:
    LabelArray(QWidget* container, const QString& name);

    Label* add(int index);
    // An element designed inside another container (a frame) than the array's.
    Label* add(int index, QWidget* container);
    Label* load(int index);
    Label* operator[](int index) const;
    int count() const { return static_cast<int>(m_elements.size()); }
    // The elements in index order.
    QList<QWidget*> elements() const;
    template <class F>
    void forEach(F&& f) const
    {
        for (const auto& [index, label] : m_elements)
            f(index, label);
    }

    // Makes every element, those loaded later too, clickable (Label::setOnClick).
    void setOnClick(IndexHandler handler, ClickKind kind = ClickKind::Button);
    IndexHandler onMouseMove;

private:
    void connect(int index, Label* label);
    QString elementName(int index) const;

    QWidget* m_container;
    QString m_name;
    std::map<int, Label*> m_elements;
    IndexHandler m_onClick;
    ClickKind m_clickKind = ClickKind::Button;
};

// A frame: a container with a background colour and, when it has a border, an etched outline
// with its caption at the top left. Children are placed relative to its top-left corner.
class Frame : public QWidget, public TwipGeometry {
    Q_OBJECT
public:
    Frame(QWidget* container, const QString& name);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    void setBackColor(Rgb colour);
    Rgb backColor() const { return m_backColor; }
    void setForeColor(Rgb colour);
    void setFontSpec(const FontSpec& fontSpec);
    void setBorder(bool border);

    void applyScale() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QString m_caption;
    FontSpec m_fontSpec;
    Rgb m_backColor = colour::titleGrey;
    Rgb m_foreColor = colour::black;
    bool m_border = true;
};

// A frame with a border and its caption in the given font and colour.
Frame* makeFrame(QWidget* container, const QString& name, const TwipRect& place, const FontSpec& font,
                 Rgb captionColour, const QString& caption);

// An option button; the option buttons in one container exclude one another. A caption too
// long for one line wraps onto the next, centred on the circle.
class OptionButton : public QRadioButton, public TwipGeometry {
    Q_OBJECT
public:
    OptionButton(QWidget* container, const QString& name, const QString& caption);

    void setForeColor(Rgb colour);
    void setBackColor(Rgb colour);
    void setFontSpec(const FontSpec& fontSpec);

    void applyScale() override;

    // Runs however the button is chosen: a click, its shortcut key, or the action assistive
    // technology offers (which clicks it), even when it is chosen already.
    Handler onClick;

protected:
    // The whole control takes the click, not only the circle and the caption's letters.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void paintEvent(QPaintEvent* event) override;

private:
    FontSpec m_fontSpec;
};

// A command button with a text caption, or with a picture as its whole face.
class CommandButton : public QPushButton, public TwipGeometry {
    Q_OBJECT
public:
    CommandButton(QWidget* container, const QString& name, const QString& caption = {});

    QString caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_picture; }
    void setBackColor(Rgb colour);
    void setFontSpec(const FontSpec& fontSpec);
    // Buttons out of the Tab order take no keyboard focus, so keys go to the window.
    void setTabStop(bool tabStop);

    void applyScale() override;

    Handler onClick;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    FontSpec m_fontSpec;
};

// A picture control. SizeToPicture shows the picture at its own size and takes that size;
// Clip shows it at the top left, cut to the control; Stretch scales it to the control.
class PictureBox : public QWidget, public TwipGeometry {
    Q_OBJECT
public:
    enum class Fit { SizeToPicture, Clip, Stretch };
    PictureBox(QWidget* container, const QString& name, Fit fit);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_picture; }

    void applyScale() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Fit m_fit;
    QPixmap m_picture;
};

// A straight line between two points of its container, in a colour and a width in design pixels.
class LineControl : public QWidget, public Scalable {
    Q_OBJECT
public:
    LineControl(QWidget* container, const QString& name, PointTwips from, PointTwips to, Rgb colour,
                int widthPixels);

    PointTwips from() const { return m_from; }
    PointTwips to() const { return m_to; }
    void setEnds(PointTwips from, PointTwips to);
    void setColour(Rgb colour);
    void setWidthPixels(int width);

    void applyScale() override { place(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place();

    PointTwips m_from;
    PointTwips m_to;
    Rgb m_colour;
    int m_width;
};

// A repeating timer; a tick handler that disables its own timer makes it a one-shot.
class Timer : public QObject {
    Q_OBJECT
public:
    Timer(QObject* owner, const QString& name, int intervalMs);

    void setEnabled(bool enabled);
    bool isEnabled() const { return m_timer.isActive(); }
    int interval() const { return m_timer.interval(); }

    Handler onTick;

private:
    QTimer m_timer;
};

} // namespace shell
