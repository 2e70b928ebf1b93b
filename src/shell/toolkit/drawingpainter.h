// Paints a drawing of marks given in twips, and measures texts for the figures that place their
// labels by size. The screens and the printed worksheets use these, so a figure looks the same
// wherever it appears.
#pragma once

#include "shell/core/drawing.h"

#include <QPointF>
#include <QString>

#include <functional>

class QPainter;

namespace shell {

// Where twips land on the painter's device: the twips point `origin` at `at`, each twip
// `unitsPerTwip` device units long (1/15 on a screen at its design size).
struct TwipsMapping {
    QPointF at;
    PointTwips origin;
    double unitsPerTwip = 1 / kTwipsPerPixel;
};

// Colours as the output shows them: a printed sheet turns the screens' light-on-blue lines,
// texts and solid shapes into ink on paper, and their blue into the paper's white; the fill of
// an outlined shape is asked for as a fill, and the ink of a text as text.
enum class ColourUse { Ink, Fill, Text };
using Palette = std::function<Rgb(Rgb, ColourUse)>;

// Draws each mark in order. Fonts are the family given (Tahoma on the screens), sized from their
// points so that a text takes the room it takes on a screen.
void paintDrawing(QPainter& painter, const Drawing& drawing, const TwipsMapping& mapping,
                  const QString& family = QStringLiteral("Tahoma"), const Palette& palette = {});

// Measures texts as a screen at its design size draws them.
class FontMeasure final : public TextMeasure {
public:
    explicit FontMeasure(QString family = QStringLiteral("Tahoma"))
        : m_family(std::move(family))
    {
    }
    TextSize measure(std::string_view text, const FontStyle& font) const override;

private:
    QString m_family;
};

} // namespace shell
