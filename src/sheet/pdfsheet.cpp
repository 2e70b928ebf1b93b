#include "sheet/pdfsheet.h"

#include "sheet/sheetoptions.h"
#include "sheet/sheetwriters.h"
#include "shell/core/colours.h"
#include "shell/toolkit/drawingpainter.h"

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

constexpr double kMillimetresPerInch = 25.4;

const QColor kInk(0, 0, 0);
const QColor kGuide(140, 140, 140);
const QColor kPanel(238, 238, 238);
const QColor kFooterInk(110, 110, 110);

// Light lines and texts on the screens' blue would vanish on white paper: yellow and white print
// black, black construction lines grey (a black text stays black), and the blue itself is the
// paper. Fills keep their colour (a white counter stays white, outlined), and so does orange.
shell::Rgb onPaper(shell::Rgb colour, shell::ColourUse use)
{
    if (colour == shell::colour::screenBlue || colour == shell::colour::panelBlue)
        return shell::colour::white;
    if (use == shell::ColourUse::Fill)
        return colour;
    if (colour == shell::colour::yellow || colour == shell::colour::white)
        return shell::colour::black;
    if (colour == shell::colour::black && use == shell::ColourUse::Ink)
        return {120, 120, 120};
    return colour;
}

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The painter and the running position down the page, in millimetres.
class Layout {
public:
    Layout(QPagedPaintDevice& device, QString family, QString footer)
        : m_painter(&device)
        , m_device(device)
        , m_family(std::move(family))
        , m_footer(std::move(footer))
    {
        if (!m_painter.isActive())
            throw std::runtime_error("the worksheet could not be started");
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

    double ascent(const QFont& font) const { return mm(QFontMetricsF(font, &m_device).ascent()); }
    double lineHeight(const QFont& font) const { return mm(QFontMetricsF(font, &m_device).height()); }
    double textWidth(const QString& text, const QFont& font) const
    {
        return mm(QFontMetricsF(font, &m_device).horizontalAdvance(text));
    }

    // The height of the text wrapped to the width.
    double measure(const QString& text, const QFont& font, double width) const
    {
        const QRectF area(0, 0, dev(width), dev(1000));
        return mm(QFontMetricsF(font, &m_device)
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

    // A drawing with its area scaled to the box at (x, y) mm, `width` mm wide, in paper colours.
    void drawing(const shell::Drawing& drawing, double x, double y, double width)
    {
        const double unitsPerTwip = dev(width) / drawing.area.width;
        shell::paintDrawing(m_painter, drawing, {{dev(x), dev(y)}, {drawing.area.left, drawing.area.top}, unitsPerTwip},
                            m_family, onPaper);
    }

    const QString& family() const { return m_family; }

    void ensureRoom(double height)
    {
        if (y + height > kBottom && y > kTop)
            newPage();
    }

    void newPage()
    {
        m_device.newPage();
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
    QPagedPaintDevice& m_device;
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

// --- Questions --------------------------------------------------------------------------------

constexpr double kAnswerFrom = 132; // where an answer line beside a short question starts, mm
constexpr double kRowHeight = 10;   // between writing lines, mm
constexpr double kFigureWidest = 78;  // mm
constexpr double kFigureTallest = 45; // mm
constexpr double kFigureGap = 5;      // between a figure and its text, mm
constexpr double kKeyFigureWidest = 48;
constexpr double kKeyFigureTallest = 40;

// A figure's width on the page: its area scaled to fit the box, never stretched.
double figureWidth(const shell::Drawing& drawing, double widest, double tallest)
{
    const shell::TwipRect& area = drawing.area;
    if (area.width <= 0 || area.height <= 0)
        return 0;
    return std::min(widest, tallest * area.width / area.height);
}

double figureHeight(const shell::Drawing& drawing, double width)
{
    return drawing.area.width > 0 ? width * drawing.area.height / drawing.area.width : 0;
}

struct QuestionBlock {
    QStringList instruction;
    QStringList lines;
    int writingLines = 1;
    std::optional<shell::Drawing> figure;
};

QuestionBlock questionBlock(const shell::Exercise& exercise, const std::string& sheetInstruction,
                            const shell::TextMeasure& measure)
{
    QuestionBlock block;
    if (!exercise.instruction.empty() && exercise.instruction != sheetInstruction)
        block.instruction << qs(exercise.instruction);
    for (const shell::Line& line : exercise.question)
        block.lines << qs(line.text);
    if (exercise.figure)
        block.figure = exercise.figure(shell::FigureState::Question, measure);
    else
        for (const std::string& line : exercise.described)
            block.lines << qs(line);
    block.writingLines = std::max<int>(1, static_cast<int>(exercise.answer.size()));
    return block;
}

class QuestionPainter {
public:
    explicit QuestionPainter(Layout& page)
        : m_page(page)
    {
    }

    // Draws the question at the page's running position when `draw`; its height either way.
    double place(int number, const QuestionBlock& block, bool draw)
    {
        const double figure = block.figure ? figureWidth(*block.figure, kFigureWidest, kFigureTallest) : 0;
        const double x = kLeft + kNumberWidth + (figure > 0 ? figure + kFigureGap : 0);
        const double width = kRight - x;
        const double top = m_page.y;
        double y = top;
        if (draw) {
            drawNumber(m_page, number, kLeft, top);
            if (block.figure)
                m_page.drawing(*block.figure, kLeft + kNumberWidth, top, figure);
        }
        for (const QString& text : block.instruction)
            y += put(x, y, width, text, m_page.font(11), draw) + 2;
        const QFont big = m_page.font(14);
        double lastWidth = 0;
        for (const QString& text : block.lines) {
            y += put(x + 4, y, width - 4, text, big, draw) + 1;
            lastWidth = m_page.textWidth(text, big);
        }
        // A short question takes its answer line beside its last line; others write below.
        double baseline = 0;
        int below = block.writingLines;
        if (!block.lines.isEmpty() && x + 4 + lastWidth + 8 < kAnswerFrom) {
            baseline = y - 1 - m_page.lineHeight(big) + m_page.ascent(big);
            if (draw)
                writingLine(m_page, baseline, QStringLiteral("Answer"), kAnswerFrom, kRight);
            --below;
        } else {
            baseline = y + kRowHeight - 4;
            if (draw)
                writingLine(m_page, baseline, QStringLiteral("Answer"), x + 18, kRight);
            --below;
        }
        for (int i = 0; i < below; ++i) {
            baseline += kRowHeight;
            if (draw)
                m_page.line(baseline > y ? x + 18 : kAnswerFrom, baseline, kRight, baseline);
        }
        const double text = std::max(y, baseline + 3) - top;
        return std::max(text, block.figure ? figureHeight(*block.figure, figure) : 0) + kGap;
    }

private:
    double put(double x, double y, double width, const QString& text, const QFont& font, bool draw)
    {
        return draw ? m_page.write(x, y, width, text, font) : m_page.measure(text, font, width);
    }

    Layout& m_page;
};

// Short questions in two columns, down the left one and then the right on each page, each
// question's line followed by a line to write its answer on.
void drawQuestionColumns(Layout& page, const std::vector<shell::Exercise>& items)
{
    constexpr std::size_t kColumns = 2;
    constexpr double kRow = 12;       // mm from one question to the next
    constexpr double kLineAfter = 4;  // mm between a question and its writing line
    constexpr double kColumnGap = 8;  // mm between a writing line and the next column
    const double columnWidth = (kRight - kLeft) / static_cast<double>(kColumns);
    const QFont font = page.font(14);
    std::size_t next = 0;
    while (next < items.size()) {
        const auto room = static_cast<std::size_t>(std::max(0.0, (kBottom - page.y) / kRow));
        if (room == 0) {
            page.newPage();
            continue;
        }
        const std::size_t count = std::min(items.size() - next, room * kColumns);
        const std::size_t rows = (count + kColumns - 1) / kColumns;
        for (std::size_t i = 0; i < count; ++i) {
            const double left = kLeft + static_cast<double>(i / rows) * columnWidth;
            const double top = page.y + static_cast<double>(i % rows) * kRow;
            const QString text = qs(items[next + i].question.front().text);
            const double x = left + kNumberWidth;
            drawNumber(page, static_cast<int>(next + i) + 1, left, top);
            page.write(x, top, columnWidth - kNumberWidth, text, font);
            writingLine(page, top + page.ascent(font), {}, x + page.textWidth(text, font) + kLineAfter,
                        left + columnWidth - kColumnGap);
        }
        next += count;
        page.y += static_cast<double>(rows) * kRow + kGap;
    }
}

void drawQuestions(Layout& page, const std::vector<shell::Exercise>& items, const std::string& sheetInstruction)
{
    const shell::FontMeasure measure(page.family());
    QuestionPainter painter(page);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const QuestionBlock block = questionBlock(items[i], sheetInstruction, measure);
        const int number = static_cast<int>(i) + 1;
        page.ensureRoom(painter.place(number, block, false));
        page.y += painter.place(number, block, true);
    }
}

// --- Answers ----------------------------------------------------------------------------------

// One answer in the key: its answer and working lines and the figure in its solution state.
struct Answer {
    QStringList lines;
    QStringList working;
    std::optional<shell::Drawing> figure;
};

Answer answerOf(const shell::Exercise& exercise, const shell::TextMeasure& measure)
{
    Answer answer;
    for (const std::string& line : exercise.answer)
        answer.lines << qs(line);
    for (const shell::Line& line : exercise.working)
        answer.working << qs(line.text);
    if (exercise.figure)
        answer.figure = exercise.figure(shell::FigureState::Solution, measure);
    return answer;
}

// As many columns as the widest answer allows; answers with working or a figure take the width.
int answerColumns(Layout& page, const std::vector<Answer>& answers, const QFont& font)
{
    double widest = 0;
    for (const Answer& answer : answers) {
        if (answer.figure || !answer.working.isEmpty())
            return 1;
        for (const QString& line : answer.lines)
            widest = std::max(widest, page.textWidth(line, font));
    }
    const double room = kRight - kLeft;
    for (int columns = 3; columns > 1; --columns) {
        if (widest + kNumberWidth + 4 <= room / columns)
            return columns;
    }
    return 1;
}

constexpr double kAnswerGap = 3.5;

void drawAnswers(Layout& page, const std::vector<shell::Exercise>& items)
{
    const shell::FontMeasure measure(page.family());
    std::vector<Answer> answers;
    answers.reserve(items.size());
    for (const shell::Exercise& item : items)
        answers.push_back(answerOf(item, measure));

    const QFont font = page.font(10.5);
    const QFont workingFont = page.font(9.5);
    const int columns = answerColumns(page, answers, font);
    const double columnWidth = (kRight - kLeft) / columns;
    double columnTop = page.y;
    int column = 0;

    std::size_t i = 0;
    while (i < answers.size()) {
        const Answer& answer = answers[i];
        const double left = kLeft + column * columnWidth;
        const double figure = answer.figure ? figureWidth(*answer.figure, kKeyFigureWidest, kKeyFigureTallest) : 0;
        const double textLeft = left + kNumberWidth + (figure > 0 ? figure + 4 : 0);
        const double textWidth = left + columnWidth - textLeft - 3;
        double height = 0;
        for (const QString& line : answer.lines)
            height += page.measure(line, font, textWidth) + 1.5;
        for (const QString& line : answer.working)
            height += page.measure(line, workingFont, textWidth) + 1;
        if (answer.figure)
            height = std::max(height, figureHeight(*answer.figure, figure));

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
        if (answer.figure)
            page.drawing(*answer.figure, left + kNumberWidth, page.y, figure);
        double y = page.y;
        for (const QString& line : answer.lines)
            y += page.write(textLeft, y, textWidth, line, font) + 1.5;
        for (const QString& line : answer.working)
            y += page.write(textLeft, y, textWidth, line, workingFont, Qt::AlignLeft, kFooterInk) + 1;
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

// What the sheet prints once: the shared instruction and the facts pupils may use.
void drawIntro(Layout& page, const shell::SheetIntro& intro)
{
    if (!intro.instruction.empty())
        page.y += page.write(kLeft, page.y, kRight - kLeft, qs(intro.instruction), page.font(13)) + 6;
    if (intro.factsHeading.empty())
        return;
    constexpr double kFactRow = 6;
    const double rows = std::ceil(static_cast<double>(intro.facts.size()) / 2);
    const double height = 10 + rows * kFactRow + 2;
    page.box(kLeft, page.y, kRight - kLeft, height, 2, kPanel);
    page.write(kLeft + 4, page.y + 2.5, 100, qs(intro.factsHeading), page.font(11, true));
    for (std::size_t i = 0; i < intro.facts.size(); ++i) {
        const double column = static_cast<double>(i) < rows ? 0 : 1;
        const double row = static_cast<double>(i) - column * rows;
        page.write(kLeft + 8 + column * 80, page.y + 10 + row * kFactRow, 80, qs(intro.facts[i]), page.font(11));
    }
    page.y += height + kGap;
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

void paintWorksheet(QPagedPaintDevice& device, const shell::Activity& activity, int mode,
                    const std::vector<shell::Exercise>& items, const PdfSettings& settings)
{
    if (device.logicalDpiX() != kDotsPerInch || device.logicalDpiY() != kDotsPerInch)
        throw std::logic_error("a worksheet is laid out at 600 dots per inch");
    const QString title = qs(sheetTitle(activity, mode));
    const shell::SheetIntro intro = activity.intro ? activity.intro(mode) : shell::SheetIntro{};
    // The seed that makes the sheet again with chalkface-sheet --seed.
    const QString seed = settings.seed ? QStringLiteral(" \u00b7 seed ") + QString::number(*settings.seed) : QString();

    Layout page(device, settings.fontFamily, title + seed);
    drawHeading(page, title);
    drawIntro(page, intro);
    if (activity.shortQuestions)
        drawQuestionColumns(page, items);
    else
        drawQuestions(page, items, intro.instruction);

    page.setFooter(title + QStringLiteral(" \u00b7 answers") + seed);
    page.newPage();
    page.y += page.write(kLeft, page.y, kRight - kLeft, QStringLiteral("Answers"), page.font(20, true));
    page.y += page.write(kLeft, page.y, kRight - kLeft, title, page.font(11)) + 6;
    drawAnswers(page, items);
}

QByteArray pdfWorksheet(const shell::Activity& activity, int mode, const std::vector<shell::Exercise>& items,
                        const PdfSettings& settings)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        writer.setResolution(kDotsPerInch);
        writer.setTitle(qs(sheetTitle(activity, mode)));
        writer.setCreator(QStringLiteral("chalkface-sheet"));
        paintWorksheet(writer, activity, mode, items, settings);
    }
    buffer.close();
    if (settings.fixedDate)
        fixCreationDate(pdf);
    return pdf;
}

} // namespace sheet
