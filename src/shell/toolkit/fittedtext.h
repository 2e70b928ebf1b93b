// A text in the largest bold Tahoma that fits its place, centred, on one line or, where that is
// larger, on two: the lesson countdown, readable from the back of a classroom. The mouse goes
// through it to whatever lies underneath.
#pragma once

#include "shell/core/colours.h"

#include <QWidget>

namespace shell {

class FittedText : public QWidget {
    Q_OBJECT
public:
    FittedText(QWidget* parent, const QString& name);

    void setText(const QString& text);
    QString text() const { return m_text; }
    void setColour(Rgb colour);
    // The font's size in pixels the text is drawn at, once laid out; 0 for no text.
    int fontPixels() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The text as drawn: on one line, or broken at its last blank onto two.
    QString layoutText() const;

    QString m_text;
    Rgb m_colour = colour::white;
};

} // namespace shell
