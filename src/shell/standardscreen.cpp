#include "shell/standardscreen.h"

#include "shell/toolkit/drawingpainter.h"
#include "shell/toolkit/drawingview.h"
#include "shell/toolkit/screens.h"

#include <QPainter>
#include <QRegularExpression>

namespace shell {
namespace {

// The standard places, in twips.
constexpr TwipRect kInstruction{240, 120, 9720, 600};
constexpr double kLinesLeft = 240;
constexpr double kLinesWidth = 9720;
constexpr double kQuestionTops[] = {840, 1710, 2580};
constexpr double kQuestionHeight = 870;
constexpr TwipRect kAnswerFrame{240, 6700, 9720, 1700};
constexpr double kAnswerLeft = 120; // inside the frame
constexpr double kAnswerWidth = 9480;
constexpr double kAnswerPitch = 690;
// One answer line stands at 7285 on the stage, two at 6940 and 7630.
constexpr double kOneAnswerTop = 7285 - kAnswerFrame.top;
constexpr double kTwoAnswersTop = 6940 - kAnswerFrame.top;
constexpr TwipRect kModePlaces[] = {
    {10200, 1800, 1730, 450}, {10200, 2400, 1730, 450}, {10200, 3000, 1730, 450}, {10200, 3600, 1730, 450}};

constexpr TextStyle kInstructionStyle{21.75, colour::white, Align::Left};
constexpr TextStyle kQuestionStyle{36, colour::yellow, Align::Centre};
constexpr TextStyle kAnswerStyle{27.75, colour::yellow, Align::Centre};

LabelStyle labelStyle(const TextStyle& style)
{
    return {{"Tahoma", style.points, style.bold}, style.colour, style.align};
}

void styleLine(Label* label, const TextStyle& style)
{
    label->setFontSpec({"Tahoma", style.points, style.bold});
    label->setForeColor(style.colour);
    label->setAlign(style.align);
}

bool isSuperscript(char32_t c)
{
    return c == U'\u207F' || c == U'\u207B' || c == U'\u00B9' || c == U'\u00B2' || c == U'\u00B3' ||
           (c >= U'\u2070' && c <= U'\u2079');
}

bool isSubscript(char32_t c)
{
    return c >= U'\u2080' && c <= U'\u2089';
}

// The plain character a superscript or subscript stands for.
QString plainOf(char32_t c)
{
    switch (c) {
    case U'\u207F':
        return QStringLiteral("n");
    case U'\u207B':
        return QStringLiteral("\u2212");
    case U'\u00B9':
        return QStringLiteral("1");
    case U'\u00B2':
        return QStringLiteral("2");
    case U'\u00B3':
        return QStringLiteral("3");
    default:
        return QString::number(static_cast<int>(c >= U'\u2080' ? c - U'\u2080' : c - U'\u2070'));
    }
}

// Tahoma has no superscript n or minus and no subscript digits: a run of superscripts that
// holds one of those becomes raised text, and subscript digits lowered text. Empty when the
// text needs neither.
QString richText(const QString& text)
{
    QString rich;
    bool needed = false;
    const QList<uint> codes = text.toUcs4();
    for (qsizetype i = 0; i < codes.size();) {
        const char32_t c = codes[i];
        const bool sup = isSuperscript(c);
        if (!sup && !isSubscript(c)) {
            rich += QString::fromUcs4(&c, 1).toHtmlEscaped();
            ++i;
            continue;
        }
        qsizetype end = i;
        bool raised = false;
        while (end < codes.size() && (sup ? isSuperscript(codes[end]) : isSubscript(codes[end]))) {
            raised = raised || codes[end] == U'\u207F' || codes[end] == U'\u207B';
            ++end;
        }
        QString run;
        for (qsizetype j = i; j < end; ++j)
            run += plainOf(codes[j]);
        if (sup && !raised) {
            // Squares and cubes alone are in the font.
            for (qsizetype j = i; j < end; ++j) {
                const char32_t s = codes[j];
                rich += QString::fromUcs4(&s, 1);
            }
        } else {
            rich += (sup ? QStringLiteral("<sup>") : QStringLiteral("<sub>")) + run +
                    (sup ? QStringLiteral("</sup>") : QStringLiteral("</sub>"));
            needed = true;
        }
        i = end;
    }
    return needed ? rich : QString();
}

void setLineText(Label* label, const std::string& text)
{
    const QString caption = qtext(text);
    const QString rich = richText(caption);
    label->setTextFormat(rich.isEmpty() ? Qt::PlainText : Qt::RichText);
    label->setCaption(rich.isEmpty() ? caption : rich);
    label->setAccessibleName(caption);
}

// A recurring decimal written "0.1(6)" shows its digits without the brackets and a dot over
// the first and the last repeating digit.
const QRegularExpression kRepeating(QStringLiteral("\\((\\d+)\\)"));

class RecurringLabel : public Label {
public:
    using Label::Label;

    // Takes the text with its brackets; shows it without them, dotted where they were.
    void setRecurringText(const QString& text)
    {
        m_dotted.clear();
        QString shown;
        qsizetype from = 0;
        for (auto match = kRepeating.globalMatch(text); match.hasNext();) {
            const QRegularExpressionMatch m = match.next();
            shown += text.mid(from, m.capturedStart() - from);
            m_dotted.push_back({shown.size(), shown.size() + m.capturedLength(1) - 1});
            shown += m.captured(1);
            from = m.capturedEnd();
        }
        shown += text.mid(from);
        setTextFormat(Qt::PlainText);
        setCaption(shown);
        setAccessibleName(text);
    }

    void clearDots() { m_dotted.clear(); }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        Label::paintEvent(event);
        if (m_dotted.empty())
            return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(QPalette::WindowText));
        const QFontMetricsF metrics(font());
        const QString shown = text();
        const QRectF area = contentsRect();
        const double width = metrics.horizontalAdvance(shown);
        const double left = alignment() & Qt::AlignHCenter ? area.left() + (area.width() - width) / 2
                            : alignment() & Qt::AlignRight ? area.right() - width
                                                           : area.left();
        const double pixelSize = font().pixelSize();
        const double digitTop = area.top() + metrics.ascent() + metrics.tightBoundingRect(QStringLiteral("0")).top();
        const double radius = 0.07 * pixelSize;
        for (const auto& [first, last] : m_dotted) {
            for (const qsizetype at : {first, last}) {
                const double x = left + metrics.horizontalAdvance(shown.left(at)) +
                                 metrics.horizontalAdvance(shown.at(at)) / 2;
                painter.drawEllipse(QPointF(x, digitTop - 0.12 * pixelSize), radius, radius);
                if (first == last)
                    break;
            }
        }
    }

private:
    std::vector<std::pair<qsizetype, qsizetype>> m_dotted;
};

void setText(Label* label, const std::string& text, bool recurringDots)
{
    auto* dotted = static_cast<RecurringLabel*>(label);
    if (recurringDots && kRepeating.match(qtext(text)).hasMatch()) {
        dotted->setRecurringText(qtext(text));
    } else {
        dotted->clearDots();
        setLineText(label, text);
    }
}

Label* makeLine(QWidget* container, const QString& name, const TwipRect& place, const TextStyle& style)
{
    auto* label = new RecurringLabel(container, name);
    label->setTwipGeometry(place);
    label->setWrap(false);
    styleLine(label, style);
    label->setVisible(false);
    return label;
}

} // namespace

StandardActivityScreen::StandardActivityScreen(Screens& screens, const Activity& activity)
    : ActivityScreen(screens, activity)
    , m_activity(activity)
    , m_questions(activity.questions())
{
    figure = new DrawingView(this, QStringLiteral("figure"));
    instruction = makeLabel(this, QStringLiteral("instruction"), kInstruction, labelStyle(kInstructionStyle));
    instruction->setWrap(false);
    for (std::size_t k = 0; k < question.size(); ++k)
        question[k] = makeLine(this, QStringLiteral("question%1").arg(k + 1),
                               {kLinesLeft, kQuestionTops[k], kLinesWidth, kQuestionHeight}, kQuestionStyle);
    for (std::size_t i = 0; i < working.size(); ++i)
        working[i] = makeLine(this, QStringLiteral("working%1").arg(i + 1), {}, kQuestionStyle);
    Frame1 = makeFrame(this, QStringLiteral("Frame1"), kAnswerFrame, {"Tahoma", 12, true}, colour::white,
                       QStringLiteral("Answer"));
    Frame1->setVisible(false);
    addOwnFrame(Frame1);
    for (std::size_t i = 0; i < answer.size(); ++i)
        answer[i] = makeLine(Frame1, QStringLiteral("answer%1").arg(i + 1),
                             {kAnswerLeft, kOneAnswerTop, kAnswerWidth, kAnswerPitch}, kAnswerStyle);
    addModeOptions(activity, kModePlaces);
    figure->lower();
}

StandardActivityScreen::~StandardActivityScreen() = default;

void StandardActivityScreen::nextQuestion()
{
    m_exercise = m_questions->make(m_mode, draws());
    showQuestionState();
}

namespace {

// A question kept for showing again: the question itself and the mode that made it.
struct Kept {
    Exercise exercise;
    int mode = 0;
};

} // namespace

std::any StandardActivityScreen::questionSnapshot() const
{
    return Kept{m_exercise, m_mode};
}

void StandardActivityScreen::restoreQuestion(const std::any& snapshot)
{
    const auto& kept = std::any_cast<const Kept&>(snapshot);
    m_exercise = kept.exercise;
    m_mode = kept.mode;
    showModeChosen(m_mode);
    showQuestionState();
}

void StandardActivityScreen::showQuestionState()
{
    m_solutionShown = false;
    const Exercise& e = m_exercise;
    const bool dots = e.layout.recurringDots;
    instruction->setCaption(qtext(e.instruction));
    for (std::size_t k = 0; k < question.size(); ++k) {
        Label* label = question[k];
        const bool used = k < e.question.size();
        label->setVisible(used);
        if (!used)
            continue;
        const Line& line = e.question[k];
        label->setTwipGeometry(line.place.value_or(TwipRect{kLinesLeft, kQuestionTops[k], kLinesWidth, kQuestionHeight}));
        styleLine(label, line.style.value_or(kQuestionStyle));
        label->setWrap(line.wrap);
        setText(label, line.text, dots);
    }
    for (std::size_t i = 0; i < answer.size(); ++i) {
        const bool used = i < e.answer.size();
        answer[i]->setVisible(used);
        if (used)
            setText(answer[i], e.answer[i], dots);
    }
    const double top = e.answer.size() > 1 ? kTwoAnswersTop : kOneAnswerTop;
    for (std::size_t i = 0; i < answer.size(); ++i)
        answer[i]->setTopTwips(top + kAnswerPitch * static_cast<double>(i));
    placeWorking();
    for (Label* line : working)
        line->setVisible(false);
    Frame1->setVisible(false);
    drawFigure();
}

void StandardActivityScreen::placeWorking()
{
    const Panel& panel = m_exercise.layout.working;
    const TextStyle style{panel.points, colour::white, Align::Left};
    for (std::size_t i = 0; i < working.size(); ++i) {
        Label* label = working[i];
        // A cell row's cells are labels of its own; the row's label then shows nothing.
        for (Label* cell : label->findChildren<Label*>(QString(), Qt::FindDirectChildrenOnly))
            delete cell;
        label->setTwipGeometry(panel.left, panel.top + panel.pitch * static_cast<double>(i), panel.width, panel.pitch);
        styleLine(label, style);
        if (i >= m_exercise.working.size()) {
            label->setCaption({});
            continue;
        }
        const Line& line = m_exercise.working[i];
        if (line.style)
            styleLine(label, *line.style);
        if (line.place)
            label->setTwipGeometry(*line.place);
        if (line.cells.empty()) {
            setLineText(label, line.text);
            continue;
        }
        label->setCaption({});
        label->setAccessibleName(qtext(line.text));
        const TextStyle rowStyle = line.style.value_or(style);
        for (std::size_t j = 0; j < line.cells.size(); ++j) {
            const Cell& cell = line.cells[j];
            TextStyle cellStyle = rowStyle;
            cellStyle.align = cell.align;
            cellStyle.colour = cell.colour.value_or(rowStyle.colour);
            Label* text = makeLabel(label, QStringLiteral("working%1cell%2").arg(i + 1).arg(j + 1),
                                    {cell.offset, 0, cell.width, label->heightTwips()}, labelStyle(cellStyle));
            text->setWrap(false);
            setLineText(text, cell.text);
        }
    }
}

void StandardActivityScreen::drawFigure()
{
    // Assistive technology reads the figure as the worksheets describe it in words.
    QStringList described;
    for (const std::string& line : m_exercise.described)
        described << qtext(line);
    figure->setAccessibleName(described.join(QStringLiteral("; ")));
    if (!m_exercise.figure) {
        figure->setDrawing({});
        return;
    }
    const FontMeasure measure;
    figure->setDrawing(m_exercise.figure(m_solutionShown ? FigureState::Solution : FigureState::Question, measure));
}

void StandardActivityScreen::showSolution()
{
    if (m_solutionShown)
        return;
    m_solutionShown = true;
    if (m_exercise.layout.workingShown) {
        for (std::size_t i = 0; i < working.size(); ++i)
            working[i]->setVisible(i < m_exercise.working.size());
    }
    Frame1->setVisible(true);
    drawFigure();
}

void StandardActivityScreen::hideSolution()
{
    if (!m_solutionShown)
        return;
    m_solutionShown = false;
    for (Label* line : working)
        line->setVisible(false);
    Frame1->setVisible(false);
    drawFigure();
}

void defineStandardScreen(Screens& screens, const Activity& activity)
{
    screens.define(qtext(activity.screen), [&activity](Screens& s) { return new StandardActivityScreen(s, activity); });
}

} // namespace shell
