#include "shell/toolkit/stackedfractions.h"

#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace shell {
namespace {

const QRegularExpression& fractionPattern()
{
    static const QRegularExpression pattern(QStringLiteral("(\\d+)/(\\d+)"));
    return pattern;
}

// The blank between a whole number and a fraction.
const QRegularExpression& mixedNumberPattern()
{
    static const QRegularExpression pattern(QStringLiteral("\\d( )\\d+/\\d+"));
    return pattern;
}

// Stands for the blank of a mixed number while the text is cut into words.
const QChar kJoiningBlank(0x00A0);

// The fraction's figures are this size of the text's: large enough to read from the back of a
// classroom, small enough that the pair stands not much taller than a line.
constexpr double kFigureScale = 0.8;

QFont figureFont(QFont font)
{
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * kFigureScale))));
    return font;
}

// Pixels about the bar and around the figures, and the bar's thickness.
qreal gapOf(const QFontMetricsF& figures)
{
    return std::max(1.0, std::round(figures.height() / 10));
}

qreal barOf(const QFontMetricsF& figures)
{
    return std::max(1.0, std::round(figures.height() / 12));
}

} // namespace

bool hasFraction(const QString& text)
{
    return fractionPattern().match(text).hasMatch();
}

StackedFractionText::StackedFractionText(const QString& text, const QFont& font, int width, bool wrap)
    : m_font(font)
    , m_figureFont(figureFont(font))
    , m_metrics(m_font)
    , m_figures(m_figureFont)
    , m_width(width)
{
    QString joined = text;
    for (const QRegularExpressionMatch& match : mixedNumberPattern().globalMatch(text))
        joined[match.capturedStart(1)] = kJoiningBlank;
    const qreal space = m_metrics.horizontalAdvance(QLatin1Char(' '));
    Line line;
    for (const QString& written : joined.split(QLatin1Char(' '))) {
        Word word = makeWord(written);
        if (wrap && !line.words.empty() && line.width + space + word.width > width) {
            m_lines.push_back(std::move(line));
            line = {};
        }
        line.width += (line.words.empty() ? 0 : space) + word.width;
        line.words.push_back(std::move(word));
    }
    m_lines.push_back(std::move(line));

    // A line with a fraction reaches as far above and below the baseline as the fraction needs.
    const qreal axis = m_metrics.xHeight() / 2;
    const qreal fractionAbove = axis + barOf(m_figures) / 2 + 2 * gapOf(m_figures) + m_figures.capHeight();
    const qreal fractionBelow = 2 * gapOf(m_figures) + m_figures.capHeight() + barOf(m_figures) / 2 - axis;
    const qreal leading = m_metrics.lineSpacing() - m_metrics.ascent() - m_metrics.descent();
    for (Line& each : m_lines) {
        const bool fraction = std::any_of(each.words.begin(), each.words.end(), [](const Word& word) {
            return std::any_of(word.pieces.begin(), word.pieces.end(),
                               [](const Piece& piece) { return !piece.numerator.isEmpty(); });
        });
        const qreal ascent = fraction ? std::max(m_metrics.ascent(), fractionAbove) : m_metrics.ascent();
        const qreal descent = fraction ? std::max(m_metrics.descent(), fractionBelow) : m_metrics.descent();
        each.baseline = m_height + ascent;
        m_height += ascent + descent + leading;
    }
}

StackedFractionText::Word StackedFractionText::makeWord(const QString& written) const
{
    Word word;
    const auto plain = [&](const QString& text) {
        if (text.isEmpty())
            return;
        QString blanks = text;
        blanks.replace(kJoiningBlank, QLatin1Char(' '));
        word.pieces.push_back({blanks, {}, {}, m_metrics.horizontalAdvance(blanks)});
    };
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : fractionPattern().globalMatch(written)) {
        plain(written.mid(from, match.capturedStart() - from));
        const QString numerator = match.captured(1);
        const QString denominator = match.captured(2);
        const qreal figures =
            std::max(m_figures.horizontalAdvance(numerator), m_figures.horizontalAdvance(denominator));
        word.pieces.push_back({match.captured(), numerator, denominator, figures + 2 * gapOf(m_figures)});
        from = match.capturedEnd();
    }
    plain(written.mid(from));
    for (const Piece& piece : word.pieces)
        word.width += piece.width;
    return word;
}

QSizeF StackedFractionText::size() const
{
    qreal widest = 0;
    for (const Line& line : m_lines)
        widest = std::max(widest, line.width);
    return {widest, m_height};
}

QStringList StackedFractionText::lines() const
{
    QStringList lines;
    for (const Line& line : m_lines) {
        QStringList words;
        for (const Word& word : line.words) {
            QString written;
            for (const Piece& piece : word.pieces)
                written += piece.text;
            words << written;
        }
        lines << words.join(QLatin1Char(' '));
    }
    return lines;
}

void StackedFractionText::draw(QPainter& painter, QPointF origin, QColor colour,
                               Qt::Alignment alignment) const
{
    painter.save();
    painter.setPen(colour);
    const qreal space = m_metrics.horizontalAdvance(QLatin1Char(' '));
    for (const Line& line : m_lines) {
        qreal x = origin.x();
        if (alignment & Qt::AlignHCenter)
            x += (m_width - line.width) / 2;
        else if (alignment & Qt::AlignRight)
            x += m_width - line.width;
        const qreal baseline = origin.y() + line.baseline;
        for (const Word& word : line.words) {
            for (const Piece& piece : word.pieces) {
                if (piece.numerator.isEmpty()) {
                    painter.setFont(m_font);
                    painter.drawText(QPointF(x, baseline), piece.text);
                } else {
                    drawFraction(painter, x, baseline, piece);
                }
                x += piece.width;
            }
            x += space;
        }
    }
    painter.restore();
}

void StackedFractionText::drawFraction(QPainter& painter, qreal left, qreal baseline,
                                       const Piece& fraction) const
{
    const qreal gap = gapOf(m_figures);
    const qreal bar = barOf(m_figures);
    const qreal barTop = baseline - m_metrics.xHeight() / 2 - bar / 2;
    const qreal middle = left + fraction.width / 2;
    painter.setFont(m_figureFont);
    painter.drawText(QPointF(middle - m_figures.horizontalAdvance(fraction.numerator) / 2, barTop - gap),
                     fraction.numerator);
    painter.fillRect(QRectF(left + gap / 2, barTop, fraction.width - gap, bar), painter.pen().color());
    painter.drawText(QPointF(middle - m_figures.horizontalAdvance(fraction.denominator) / 2,
                             barTop + bar + gap + m_figures.capHeight()),
                     fraction.denominator);
}

} // namespace shell
