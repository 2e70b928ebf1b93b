#include "sheet/pdfsheet.h"

#include "shell/core/colours.h"
#include "shell/toolkit/figurepainter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace sheet {
namespace {

// Page geometry, in millimetres from the top left corner of an A4 page.
constexpr double kLeft = 18;
constexpr double kRight = 192;
constexpr double kTop = 16;
constexpr double kBottom = 277; // questions end above this
constexpr double kFooterTop = 283;
constexpr double kNumberWidth = 9; // room for "10." before each question
constexpr double kGap = 7;         // between questions

constexpr int kDotsPerInch = 600;
constexpr double kMillimetresPerInch = 25.4;

// Screen fonts are sized at 96 dots per inch, 15 twips to the pixel: 20 twips to the point.
constexpr double kTwipsPerPoint = 20;

const QColor kInk(0, 0, 0);
const QColor kGuide(140, 140, 140);
const QColor kPanel(238, 238, 238);
const QColor kFooterInk(110, 110, 110);

// Yellow lines on the screens' blue would vanish on white paper: the outline lines print black
// and the black construction lines (diagonals, spokes) grey. Marks in colour keep it.
shell::Rgb paperColour(shell::Rgb colour)
{
    if (colour == shell::colour::yellow)
        return shell::colour::black;
    if (colour == shell::colour::black)
        return {120, 120, 120};
    return colour;
}

shell::Figure onPaper(shell::Figure figure)
{
    for (shell::Segment& segment : figure)
        segment.colour = paperColour(segment.colour);
    return figure;
}

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Where a figure drawn in twips lands on the page: the twips point `origin` at (x, y) mm,
// each twip `mmPerTwip` long.
struct TwipsView {
    double x = 0;
    double y = 0;
    shell::PointTwips origin;
    double mmPerTwip = 0;
};

// A screen label's font, in points as the screens set them.
struct LabelFont {
    double points = 12;
    bool bold = false;
    bool underline = false;
};

// The painter and the running position down the page, in millimetres.
class Layout {
public:
    Layout(QPdfWriter& writer, QString family, QString footer)
        : m_painter(&writer)
        , m_writer(writer)
        , m_family(std::move(family))
        , m_footer(std::move(footer))
    {
        if (!m_painter.isActive())
            throw std::runtime_error("the PDF could not be started");
        m_painter.setRenderHint(QPainter::Antialiasing);
        drawFooter();
    }

    static double dev(double millimetres) { return millimetres * kDotsPerInch / kMillimetresPerInch; }
    static double mm(double device) { return device * kMillimetresPerInch / kDotsPerInch; }

    QFont font(double points, bool bold = false) const
    {
        QFont font(m_family);
        font.setPointSizeF(points);
        font.setBold(bold);
        return font;
    }

    double ascent(const QFont& font) const { return mm(QFontMetricsF(font, &m_writer).ascent()); }
    double lineHeight(const QFont& font) const { return mm(QFontMetricsF(font, &m_writer).height()); }
    double textWidth(const QString& text, const QFont& font) const
    {
        return mm(QFontMetricsF(font, &m_writer).horizontalAdvance(text));
    }

    // The height of the text wrapped to the width.
    double measure(const QString& text, const QFont& font, double width) const
    {
        const QRectF area(0, 0, dev(width), dev(1000));
        return mm(QFontMetricsF(font, &m_writer)
                      .boundingRect(area, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text)
                      .height());
    }

    // Writes the text wrapped to the width with its top at y; returns its height.
    double write(double x, double y, double width, const QString& text, const QFont& font,
                 Qt::Alignment align = Qt::AlignLeft, const QColor& colour = kInk)
    {
        m_painter.setFont(font);
        m_painter.setPen(colour);
        const QRectF area(dev(x), dev(y), dev(width), dev(1000));
        QRectF used;
        m_painter.drawText(area, static_cast<int>(Qt::TextWordWrap | align | Qt::AlignTop), text, &used);
        return mm(used.height());
    }

    void line(double x1, double y1, double x2, double y2, double width = 0.25, const QColor& colour = kGuide)
    {
        m_painter.setPen(QPen(colour, dev(width), Qt::SolidLine, Qt::RoundCap));
        m_painter.drawLine(QPointF(dev(x1), dev(y1)), QPointF(dev(x2), dev(y2)));
    }

    void box(double x, double y, double width, double height, double radius, const QColor& fill,
             double lineWidth = 0.3)
    {
        m_painter.setPen(QPen(kInk, dev(lineWidth)));
        m_painter.setBrush(fill);
        m_painter.drawRoundedRect(QRectF(dev(x), dev(y), dev(width), dev(height)), dev(radius), dev(radius));
        m_painter.setBrush(Qt::NoBrush);
    }

    void arrow(double x1, double y, double x2)
    {
        line(x1, y, x2, y, 0.35, kInk);
        QPainterPath head;
        head.moveTo(dev(x2), dev(y));
        head.lineTo(dev(x2 - 2.2), dev(y - 1.1));
        head.lineTo(dev(x2 - 2.2), dev(y + 1.1));
        head.closeSubpath();
        m_painter.fillPath(head, kInk);
    }

    void figure(const shell::Figure& figure, const TwipsView& view)
    {
        m_painter.save();
        m_painter.translate(dev(view.x), dev(view.y));
        // The figure painter works in screen pixels, 15 twips each.
        const double scale = dev(view.mmPerTwip) * shell::kTwipsPerPixel;
        m_painter.scale(scale, scale);
        m_painter.translate(-view.origin.x / shell::kTwipsPerPixel, -view.origin.y / shell::kTwipsPerPixel);
        shell::paintFigure(m_painter, onPaper(figure));
        m_painter.restore();
    }

    // A screen label's font with its size in twips, for text placed in a figure's twips.
    QFont labelFont(const LabelFont& style) const
    {
        QFont font(m_family);
        font.setPixelSize(static_cast<int>(std::lround(style.points * kTwipsPerPoint)));
        font.setBold(style.bold);
        font.setUnderline(style.underline);
        return font;
    }

    // The size in twips of a label sized to its text.
    QSizeF labelSize(const QString& text, const LabelFont& style) const
    {
        const QFontMetricsF metrics(labelFont(style));
        return {metrics.horizontalAdvance(text), metrics.height()};
    }

    // A label's text with its top left corner at (left, top) twips in the view.
    void label(const TwipsView& view, double left, double top, const QString& text, const LabelFont& style)
    {
        m_painter.save();
        m_painter.translate(dev(view.x), dev(view.y));
        const double scale = dev(view.mmPerTwip);
        m_painter.scale(scale, scale);
        m_painter.translate(-view.origin.x, -view.origin.y);
        m_painter.setFont(labelFont(style));
        m_painter.setPen(kInk);
        m_painter.drawText(QRectF(left, top, 20000, 2000), Qt::AlignLeft | Qt::AlignTop, text);
        m_painter.restore();
    }

    void ensureRoom(double height)
    {
        if (y + height > kBottom && y > kTop)
            newPage();
    }

    void newPage()
    {
        m_writer.newPage();
        ++m_page;
        y = kTop;
        drawFooter();
    }

    void setFooter(QString footer) { m_footer = std::move(footer); }

    double y = kTop;

private:
    void drawFooter()
    {
        write(kLeft, kFooterTop, kRight - kLeft,
              m_footer + QStringLiteral(" \u00b7 page ") + QString::number(m_page), font(8), Qt::AlignHCenter,
              kFooterInk);
    }

    QPainter m_painter;
    QPdfWriter& m_writer;
    QString m_family;
    QString m_footer;
    int m_page = 1;
};

QString numberText(int number)
{
    return QString::number(number) + QStringLiteral(".");
}

void drawNumber(Layout& page, int number, double x, double y)
{
    page.write(x, y, kNumberWidth, numberText(number), page.font(12, true));
}

// A labelled line to write an answer on, its line level with the baseline.
void writingLine(Layout& page, double baseline, const QString& label, double from, double to)
{
    const QFont font = page.font(11);
    if (!label.isEmpty()) {
        const double width = page.textWidth(label, font) + 1;
        page.write(from - width - 1.5, baseline - page.ascent(font), width, label, font, Qt::AlignRight);
    }
    page.line(from, baseline, to, baseline);
}

// --- Estimation -------------------------------------------------------------------------------

constexpr double kAnswerFrom = 132; // where the answer lines start, mm
constexpr double kRowHeight = 10;   // between writing lines, mm

double estimationHeight(const Layout& page, const estimation::Question& q)
{
    const double text = kRight - kLeft - kNumberWidth;
    return page.measure(qs(q.instruction), page.font(11), text) + 2 + page.lineHeight(page.font(18)) +
           (q.result ? kRowHeight : 0);
}

void drawEstimation(Layout& page, int number, const estimation::Question& q)
{
    const double x = kLeft + kNumberWidth;
    drawNumber(page, number, kLeft, page.y);
    const double instruction = page.write(x, page.y, kRight - x, qs(q.instruction), page.font(11));
    const QFont big = page.font(18);
    const double top = page.y + instruction + 2;
    page.write(x + 6, top, kAnswerFrom - x - 30, qs(q.question), big);
    const double baseline = top + page.ascent(big);
    if (q.result) {
        writingLine(page, baseline, QStringLiteral("Estimate"), kAnswerFrom, kRight);
        writingLine(page, baseline + kRowHeight, QStringLiteral("="), kAnswerFrom, kRight);
    } else {
        writingLine(page, baseline, QStringLiteral("Answer"), kAnswerFrom, kRight);
    }
}

// --- Mappings ---------------------------------------------------------------------------------

constexpr double kCellWidth = (kRight - kLeft) / 2;
constexpr double kColumnTop = 17; // from the top of a diagram cell
constexpr double kColumnWidth = 26;
constexpr double kRangeOffset = 58; // the range column's left edge from the cell's
constexpr double kDomainOffset = 8;
constexpr double kValuePitch = 9;
// The ends of a column are round: the padding keeps the first and last boxes inside them.
constexpr double kColumnPadding = 4.5;
constexpr double kColumnHeight = 5 * kValuePitch + 2 * kColumnPadding;
constexpr double kBlankWidth = 17;
constexpr double kMappingHeight = kColumnTop + kColumnHeight + kGap;

double valueMiddle(double top, int row)
{
    return top + kColumnPadding + kValuePitch * (row + 0.5);
}

void drawMappingColumn(Layout& page, double left, double top, const QString& heading,
                       const std::array<std::string, 5>& values, bool hidden)
{
    page.write(left, top - 6, kColumnWidth, heading, page.font(10, true), Qt::AlignHCenter);
    page.box(left, top, kColumnWidth, kColumnHeight, kColumnWidth / 2, Qt::white);
    const QFont valueFont = page.font(13);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double middle = valueMiddle(top, static_cast<int>(i));
        if (hidden) {
            page.box(left + (kColumnWidth - kBlankWidth) / 2, middle - 3.5, kBlankWidth, 7, 0.8, Qt::white,
                     0.25);
        } else {
            page.write(left, middle - page.lineHeight(valueFont) / 2, kColumnWidth, qs(values[i]), valueFont,
                       Qt::AlignHCenter);
        }
    }
}

void drawMapping(Layout& page, int number, const mappings::Question& q, double left)
{
    drawNumber(page, number, left, page.y + 0.5);
    const QFont ruleFont = page.font(15);
    page.write(left + kNumberWidth, page.y, kCellWidth - kNumberWidth,
               QStringLiteral("x \u2192 ") + qs(q.rule), ruleFont);

    const double top = page.y + kColumnTop;
    const bool domainHidden = q.hidden == mappings::Column::Domain;
    drawMappingColumn(page, left + kDomainOffset, top, QStringLiteral("Domain"), q.domain, domainHidden);
    drawMappingColumn(page, left + kRangeOffset, top, QStringLiteral("Range"), q.range, !domainHidden);
    for (int i = 0; i < 5; ++i) {
        const double middle = valueMiddle(top, i);
        page.arrow(left + kDomainOffset + kColumnWidth + 2, middle, left + kRangeOffset - 2);
    }
}

// --- Units ------------------------------------------------------------------------------------

constexpr double kUnitsRow = 12;
constexpr double kUnitsAnswerFrom = 112; // mm
constexpr double kUnitsAnswerTo = 176;

void drawReferenceFrame(Layout& page, units::Mode mode)
{
    const units::ReferenceFrame frame = units::referenceFrame(units::referenceFor(mode));
    if (frame.caption.empty())
        return;
    constexpr double kFactRow = 6;
    const double rows = std::ceil(static_cast<double>(frame.facts.size()) / 2);
    const double height = 10 + rows * kFactRow + 2;
    page.box(kLeft, page.y, kRight - kLeft, height, 2, kPanel);
    page.write(kLeft + 4, page.y + 2.5, 100, qs(frame.caption), page.font(11, true));
    for (std::size_t i = 0; i < frame.facts.size(); ++i) {
        const double column = static_cast<double>(i) < rows ? 0 : 1;
        const double row = static_cast<double>(i) - column * rows;
        page.write(kLeft + 8 + column * 80, page.y + 10 + row * kFactRow, 80, qs(frame.facts[i].caption),
                   page.font(11));
    }
    page.y += height + kGap;
}

void drawUnits(Layout& page, int number, const units::Question& q)
{
    const QFont font = page.font(13);
    drawNumber(page, number, kLeft, page.y);
    page.write(kLeft + kNumberWidth, page.y, kUnitsAnswerFrom - kLeft - 15, qs(q.question), font);
    writingLine(page, page.y + page.ascent(font), QStringLiteral("="), kUnitsAnswerFrom, kUnitsAnswerTo);
}

// --- Parallel lines ---------------------------------------------------------------------------

// The part of the screen the figure and its labels take, in twips.
constexpr shell::PointTwips kParallelCorner{1900, 2550};
constexpr double kParallelTwipsWide = 7850;
constexpr double kParallelTwipsHigh = 4150;
constexpr double kParallelFigureWidth = 90; // mm
constexpr double kParallelMmPerTwip = kParallelFigureWidth / kParallelTwipsWide;
constexpr double kParallelFigureHeight = kParallelTwipsHigh * kParallelMmPerTwip;

constexpr LabelFont kAngleFont{angles::kAngleLabelPoints, true, false};

void drawParallelFigure(Layout& page, double x, double y,
                        const std::array<std::string, angles::kAngleCount>& captions)
{
    const TwipsView view{x, y, kParallelCorner, kParallelMmPerTwip};
    page.figure({angles::kParallelLines.begin(), angles::kParallelLines.end()}, view);
    for (int i = 0; i < angles::kAngleCount; ++i) {
        const angles::AngleLabel& label = angles::kAngleLabels[static_cast<std::size_t>(i)];
        page.label(view, label.left, label.top, qs(captions[static_cast<std::size_t>(i)]), kAngleFont);
    }
}

double parallelHeight()
{
    return kParallelFigureHeight + kGap;
}

void drawParallel(Layout& page, int number, const ParallelLinesItem& item)
{
    drawNumber(page, number, kLeft, page.y);
    drawParallelFigure(page, kLeft + kNumberWidth, page.y, item.question.captions);

    const double x = kLeft + kNumberWidth + kParallelFigureWidth + 4;
    const double width = kRight - x;
    const double question = page.write(x, page.y, width, qs(item.question.question), page.font(11));
    // A line for each angle asked, in two columns: "a =", the line, then the degree sign.
    const QFont font = page.font(11);
    const double firstBaseline = page.y + question + 9;
    const double half = width / 2;
    int slot = 0;
    for (int i = 0; i < angles::kAngleCount; ++i) {
        if (i == item.question.given)
            continue;
        const double left = x + (slot % 2) * half;
        const double baseline = firstBaseline + (slot / 2) * kRowHeight;
        writingLine(page, baseline, qs(angles::angleLetter(i)) + QStringLiteral(" ="), left + 9,
                    left + half - 8);
        page.write(left + half - 7.5, baseline - page.ascent(font), 5, QStringLiteral("\u00b0"), font);
        ++slot;
    }
}

// --- Polygons ---------------------------------------------------------------------------------

constexpr double kPolygonTwips = 2 * angles::kPolygonRadius + 300; // the figure's square
constexpr LabelFont kLabel2Font{12, true, false};                  // "a": the interior angle
constexpr LabelFont kLabel3Font{9.75, true, false};                // "b": the centre angle
constexpr LabelFont kLabel4Font{9.75, true, true};                 // "a" over
constexpr LabelFont kLabel5Font{9.75, true, false};                // "2"

TwipsView polygonView(double x, double y, double size)
{
    return {x,
            y,
            {angles::kPolygonCentre.x - kPolygonTwips / 2, angles::kPolygonCentre.y - kPolygonTwips / 2},
            size / kPolygonTwips};
}

angles::LabelSize toLabelSize(QSizeF size)
{
    return {size.width(), size.height()};
}

void drawPolygonQuestionFigure(Layout& page, const PolygonItem& item, double x, double y, double size)
{
    const angles::Polygon& polygon = item.question.polygon;
    const TwipsView view = polygonView(x, y, size);
    if (item.kind == kTrianglesKind) {
        page.figure(angles::trianglesQuestionFigure(polygon), view);
        return;
    }
    page.figure(angles::centreAngleQuestionFigure(polygon), view);
    const QString a = QStringLiteral("a");
    const angles::AngleMark mark = angles::angleMark(polygon, toLabelSize(page.labelSize(a, kLabel2Font)));
    page.label(view, mark.label2.left, mark.label2.top, a, kLabel2Font);
}

void drawPolygonSolutionFigure(Layout& page, const PolygonItem& item, double x, double y, double size)
{
    const angles::Polygon& polygon = item.question.polygon;
    const TwipsView view = polygonView(x, y, size);
    if (item.kind == kTrianglesKind) {
        page.figure(angles::trianglesSolutionFigure(polygon), view);
        return;
    }
    page.figure(angles::centreAngleSolutionFigure(polygon), view);
    const QString a = QStringLiteral("a");
    const QString b = QStringLiteral("b");
    const angles::CentreAngleLabels places = angles::centreAngleLabels(
        polygon, toLabelSize(page.labelSize(a, kLabel2Font)), toLabelSize(page.labelSize(b, kLabel3Font)));
    page.label(view, places.label3.left, places.label3.top, b, kLabel3Font);
    page.label(view, places.label4.left, places.label4.top, a, kLabel4Font);
    page.label(view, places.label5.left, places.label5.top, QStringLiteral("2"), kLabel5Font);
}

constexpr double kPolygonFigure = 58; // mm
constexpr int kWorkingLines = 3;
constexpr double kPolygonTextLeft = kLeft + kNumberWidth + kPolygonFigure + 6;

double polygonHeight(const Layout& page, const PolygonItem& item)
{
    const double question =
        page.measure(qs(item.question.question), page.font(12), kRight - kPolygonTextLeft);
    const double text = 2 + question + (kWorkingLines + 1) * kRowHeight + 2 + 3;
    return std::max(kPolygonFigure, text) + kGap;
}

void drawPolygon(Layout& page, int number, const PolygonItem& item)
{
    drawNumber(page, number, kLeft, page.y);
    drawPolygonQuestionFigure(page, item, kLeft + kNumberWidth, page.y, kPolygonFigure);

    const double x = kPolygonTextLeft;
    const QFont font = page.font(12);
    const double question = page.write(x, page.y + 2, kRight - x, qs(item.question.question), font);
    double baseline = page.y + 2 + question + kRowHeight;
    for (int i = 0; i < kWorkingLines; ++i, baseline += kRowHeight)
        page.line(x, baseline, kRight, baseline);
    writingLine(page, baseline + 2, QStringLiteral("Interior angle ="), x + 34, x + 64);
    page.write(x + 64.5, baseline + 2 - page.ascent(page.font(11)), 5, QStringLiteral("\u00b0"),
               page.font(11));
}

// --- Answers ----------------------------------------------------------------------------------

// One answer in the key: its lines of text and, for polygons, the solution figure beside them.
struct Answer {
    QStringList lines;
    const PolygonItem* polygon = nullptr;
};

struct AnswerTexts {
    Answer& answer;

    void operator()(const estimation::Question& q) const
    {
        answer.lines = {qs(q.result ? q.answer + " " + *q.result : q.answer)};
    }
    void operator()(const mappings::Question& q) const
    {
        const bool domainHidden = q.hidden == mappings::Column::Domain;
        QStringList values;
        for (const std::string& value : domainHidden ? q.domain : q.range)
            values << qs(value);
        answer.lines = {(domainHidden ? QStringLiteral("Domain: ") : QStringLiteral("Range: ")) +
                        values.join(QStringLiteral(", "))};
    }
    void operator()(const units::Question& q) const { answer.lines = {qs(q.answer)}; }
    void operator()(const ParallelLinesItem& item) const
    {
        answer.lines = {qs(item.answer[0]).trimmed() + QStringLiteral(" ") + qs(item.answer[1])};
    }
    void operator()(const PolygonItem& item) const
    {
        for (const std::string& text : item.solution)
            answer.lines << qs(text);
        answer.polygon = &item;
    }
};

int answerColumns(Activity activity)
{
    switch (activity) {
    case Activity::Estimation:
        return 3;
    case Activity::Units:
    case Activity::Mappings:
        return 2;
    case Activity::ParallelLines:
    case Activity::Polygons:
        return 1;
    }
    return 1;
}

// The solution figure beside a polygon's answer; the angle at the centre carries small labels,
// so its figure is drawn larger.
double answerFigureSize(const PolygonItem& item)
{
    return item.kind == kCentralAngleKind ? 54 : 36; // mm
}
constexpr double kAnswerGap = 3.5;

void drawAnswers(Layout& page, Activity activity, const std::vector<Item>& items)
{
    const int columns = answerColumns(activity);
    const double columnWidth = (kRight - kLeft) / columns;
    const QFont font = page.font(10.5);
    double columnTop = page.y;
    int column = 0;

    std::size_t i = 0;
    while (i < items.size()) {
        Answer answer;
        std::visit(AnswerTexts{answer}, items[i]);
        const double left = kLeft + column * columnWidth;
        const double figure = answer.polygon ? answerFigureSize(*answer.polygon) : 0;
        const double textLeft = left + kNumberWidth + (answer.polygon ? figure + 4 : 0);
        const double textWidth = left + columnWidth - textLeft - 3;
        double height = 0;
        for (const QString& line : answer.lines)
            height += page.measure(line, font, textWidth) + 1.5;
        if (answer.polygon)
            height = std::max(height, figure);

        // Next column, or a new page once the last column is full; an answer taller than a
        // whole column goes where it starts.
        if (page.y + height > kBottom && page.y > columnTop) {
            if (++column == columns) {
                page.newPage();
                column = 0;
                columnTop = page.y;
            }
            page.y = columnTop;
            continue;
        }
        page.write(left, page.y, kNumberWidth, numberText(static_cast<int>(i) + 1), page.font(10.5, true));
        if (answer.polygon)
            drawPolygonSolutionFigure(page, *answer.polygon, left + kNumberWidth, page.y, figure);
        double y = page.y;
        for (const QString& line : answer.lines)
            y += page.write(textLeft, y, textWidth, line, font) + 1.5;
        page.y += height + kAnswerGap;
        ++i;
    }
}

// --- The sheet --------------------------------------------------------------------------------

void drawHeading(Layout& page, const QString& title)
{
    page.y += page.write(kLeft, page.y, kRight - kLeft, title, page.font(20, true)) + 5;
    const QFont font = page.font(11);
    const double baseline = page.y + page.ascent(font);
    writingLine(page, baseline, QStringLiteral("Name"), kLeft + 13, kLeft + 80);
    writingLine(page, baseline, QStringLiteral("Class"), kLeft + 98, kLeft + 128);
    writingLine(page, baseline, QStringLiteral("Date"), kLeft + 144, kRight);
    page.y = baseline + 9;
}

void drawInstruction(Layout& page, Activity activity, int mode)
{
    const std::string_view instruction = sheetInstruction(activity);
    if (!instruction.empty())
        page.y += page.write(kLeft, page.y, kRight - kLeft, qs(instruction), page.font(13)) + 6;
    if (activity == Activity::Units)
        drawReferenceFrame(page, static_cast<units::Mode>(mode + 1));
}

void drawQuestions(Layout& page, Activity activity, const std::vector<Item>& items)
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const Item& item = items[i];
        switch (activity) {
        case Activity::Estimation: {
            const auto& q = std::get<estimation::Question>(item);
            const double height = estimationHeight(page, q);
            page.ensureRoom(height);
            drawEstimation(page, number, q);
            page.y += height + kGap;
            break;
        }
        case Activity::Mappings:
            // Two diagrams side by side.
            if (i % 2 == 0)
                page.ensureRoom(kMappingHeight);
            drawMapping(page, number, std::get<mappings::Question>(item),
                        kLeft + static_cast<double>(i % 2) * kCellWidth);
            if (i % 2 == 1 || i + 1 == items.size())
                page.y += kMappingHeight;
            break;
        case Activity::Units:
            page.ensureRoom(kUnitsRow);
            drawUnits(page, number, std::get<units::Question>(item));
            page.y += kUnitsRow;
            break;
        case Activity::ParallelLines:
            page.ensureRoom(parallelHeight());
            drawParallel(page, number, std::get<ParallelLinesItem>(item));
            page.y += parallelHeight();
            break;
        case Activity::Polygons: {
            const auto& polygon = std::get<PolygonItem>(item);
            const double height = polygonHeight(page, polygon);
            page.ensureRoom(height);
            drawPolygon(page, number, polygon);
            page.y += height;
            break;
        }
        }
    }
}

// Replaces the date the PDF writer records with a fixed one of the same length, so no byte
// offset in the file moves.
void fixCreationDate(QByteArray& pdf)
{
    const QByteArray key = "/CreationDate (";
    const qsizetype start = pdf.indexOf(key);
    if (start < 0)
        return;
    const qsizetype from = start + key.size();
    const qsizetype end = pdf.indexOf(')', from);
    if (end < 0)
        throw std::runtime_error("the PDF's creation date is unreadable");
    // The writer's two forms: UTC ("...Z") or with an offset ("...+01'00'").
    const QByteArray utc = "D:19700101000000Z";
    const QByteArray offset = "D:19700101000000+00'00'";
    const qsizetype length = end - from;
    if (length == utc.size())
        pdf.replace(from, length, utc);
    else if (length == offset.size())
        pdf.replace(from, length, offset);
    else
        throw std::runtime_error("the PDF's creation date has an unknown form");
}

} // namespace

QByteArray pdfWorksheet(Activity activity, int mode, const std::vector<Item>& items,
                        const PdfSettings& settings)
{
    const QString title = qs(sheetTitle(activity, mode));
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        writer.setResolution(kDotsPerInch);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("chalkface-sheet"));

        Layout page(writer, settings.fontFamily, title);
        drawHeading(page, title);
        drawInstruction(page, activity, mode);
        drawQuestions(page, activity, items);

        page.setFooter(title + QStringLiteral(" \u00b7 answers"));
        page.newPage();
        page.y += page.write(kLeft, page.y, kRight - kLeft, QStringLiteral("Answers"), page.font(20, true));
        page.y += page.write(kLeft, page.y, kRight - kLeft, title, page.font(11)) + 6;
        drawAnswers(page, activity, items);
    }
    buffer.close();
    if (settings.fixedDate)
        fixCreationDate(pdf);
    return pdf;
}

} // namespace sheet
