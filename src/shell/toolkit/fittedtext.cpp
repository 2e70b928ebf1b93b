#include "shell/toolkit/fittedtext.h"

#include "shell/toolkit/units.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace shell {
namespace {

// The share of the place's width and height the text may take.
constexpr double kFill = 0.9;

QFont boldTahoma(int pixels)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setBold(true);
    font.setPixelSize(std::max(1, pixels));
    return font;
}

// The largest pixel size at which every line of `shown` fits `room`.
int fittingPixels(const QString& shown, QSizeF room)
{
    // Text scales in proportion: measure once at a reference size.
    constexpr int kReference = 100;
    const QFontMetricsF metrics(boldTahoma(kReference));
    const QStringList lines = shown.split(QLatin1Char('\n'));
    double widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const double tall = metrics.height() * static_cast<double>(lines.size());
    if (widest <= 0 || tall <= 0)
        return 0;
    return static_cast<int>(kReference * std::min(room.width() * kFill / widest, room.height() * kFill / tall));
}

} // namespace

FittedText::FittedText(QWidget* parent, const QString& name)
    : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void FittedText::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    update();
}

void FittedText::setColour(Rgb colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

QString FittedText::layoutText() const
{
    const qsizetype blank = m_text.lastIndexOf(QLatin1Char(' '));
    if (blank < 0)
        return m_text;
    QString twoLines = m_text;
    twoLines[blank] = QLatin1Char('\n');
    return fittingPixels(twoLines, size()) > fittingPixels(m_text, size()) ? twoLines : m_text;
}

int FittedText::fontPixels() const
{
    return m_text.isEmpty() ? 0 : fittingPixels(layoutText(), size());
}

void FittedText::paintEvent(QPaintEvent*)
{
    if (m_text.isEmpty())
        return;
    const QString shown = layoutText();
    QPainter painter(this);
    painter.setFont(boldTahoma(fittingPixels(shown, size())));
    painter.setPen(toQColor(m_colour));
    painter.drawText(rect(), Qt::AlignCenter, shown);
}

} // namespace shell
