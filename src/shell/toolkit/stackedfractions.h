// Text whose fractions are drawn stacked, as a pupil writes them: the numerator over a bar over
// the denominator, in smaller figures, the bar level with the middle of the small letters. A
// fraction is written in the text with digits, a slash and digits ("4/7"); a whole number and
// one blank before it make a mixed number ("128 4/7"). Lines break only at blanks, and never
// inside a mixed number.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;

namespace shell {

// Whether the text holds a fraction to stack.
bool hasFraction(const QString& text);

class StackedFractionText {
public:
    // Lays the text out in the font, wrapped within `width` pixels unless `wrap` is false.
    StackedFractionText(const QString& text, const QFont& font, int width, bool wrap);

    // Pixels: the widest line, and every line's height.
    QSizeF size() const;

    // Each line as written.
    QStringList lines() const;

    // Draws the text from its top-left corner, each line aligned within the width.
    void draw(QPainter& painter, QPointF origin, QColor colour, Qt::Alignment alignment) const;

private:
    // Plain text, or a fraction when it has a numerator.
    struct Piece {
        QString text;
        QString numerator;
        QString denominator;
        qreal width = 0; // pixels
    };
    // What lies between two blanks.
    struct Word {
        std::vector<Piece> pieces;
        qreal width = 0; // pixels
    };
    struct Line {
        std::vector<Word> words;
        qreal width = 0;    // pixels
        qreal baseline = 0; // pixels from the top of the text
    };

    Word makeWord(const QString& written) const;
    void drawFraction(QPainter& painter, qreal left, qreal baseline, const Piece& fraction) const;

    QFont m_font;
    QFont m_figureFont;
    QFontMetricsF m_metrics;
    QFontMetricsF m_figures;
    qreal m_width = 0; // pixels
    qreal m_height = 0;
    std::vector<Line> m_lines;
};

} // namespace shell
