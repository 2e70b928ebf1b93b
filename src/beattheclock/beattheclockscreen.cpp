#include "beattheclock/beattheclockscreen.h"

#include "beattheclock/activity.h"
#include "shell/core/countdown.h"
#include "shell/core/numberforms.h"
#include "shell/toolkit/drawingpainter.h"
#include "shell/toolkit/drawingview.h"
#include "shell/toolkit/screens.h"


namespace beattheclock {
namespace {

using shell::colour::orange;
using shell::colour::white;
using shell::colour::yellow;

// The layout, in twips.
constexpr shell::TwipRect kInstruction{240, 120, 9720, 600};
constexpr double kQuestionTops[] = {840, 1710, 2580};
constexpr shell::TwipRect kItem{240, 2600, 6600, 1600};
constexpr shell::TwipRect kModePlaces[] = {
    {10200, 1800, 1730, 450}, {10200, 2400, 1730, 450}, {10200, 3000, 1730, 450}, {10200, 3600, 1730, 450}};
constexpr shell::TwipRect kSecondsGroup{10200, 4200, 1730, 1800};
constexpr double kSecondsCaptionHeight = 300;
constexpr double kSecondsOptionTops[] = {350, 850, 1350}; // inside the group
constexpr int kSecondsChoices[] = {5, 8, 12};
// Marking: items 1-5 in the left column, 6-10 in the right.
constexpr double kMarkLefts[] = {360, 5160};
constexpr double kMarkTop = 1300;
constexpr double kMarkPitch = 1000;
constexpr double kMarkWidth = 4700;
constexpr double kMarkHeight = 800;
constexpr double kMarkPoints = 24;
// The countdown ring, its seconds, and the progress dots.
constexpr shell::PointTwips kRingCentre{8250, 3400};
constexpr double kRingRadius = 1000;
constexpr double kTrackWidth = 30;
constexpr double kArcWidth = 180;
constexpr qint64 kOrangeFromMs = 3000;
constexpr double kDotDiameter = 300;
constexpr double kDotsTop = 5100;
constexpr double kFirstDotLeft = 2250;
constexpr double kDotPitch = 600;
constexpr double kOutlineWidth = 30;
constexpr int kTickMs = 100;

const shell::FontStyle kCountdownFont{48, true};

QString q(const std::string& text)
{
    return shell::qtext(text);
}

std::string markText(int index, const Item& item)
{
    return std::to_string(index + 1) + ". " + item.text() + " =";
}

} // namespace

BeatTheClockScreen::BeatTheClockScreen(shell::Screens& screens)
    : ActivityScreen(screens, activities()[0])
    , m_clock(shell::steadyMilliseconds)
{
    using shell::makeLabel;
    figure = new shell::DrawingView(this, QStringLiteral("figure"));
    instruction = makeLabel(this, QStringLiteral("instruction"), kInstruction,
                            {{"Tahoma", 21.75, false}, white, shell::Align::Left});
    for (std::size_t k = 0; k < question.size(); ++k)
        question[k] = makeLabel(this, QStringLiteral("question%1").arg(k + 1), {240, kQuestionTops[k], 9720, 870},
                                {{"Tahoma", 36, false}, yellow, shell::Align::Centre});
    item = makeLabel(this, QStringLiteral("item"), kItem, {{"Tahoma", 60, false}, yellow, shell::Align::Centre});
    for (std::size_t i = 0; i < mark.size(); ++i) {
        const shell::TwipRect place{kMarkLefts[i / 5], kMarkTop + kMarkPitch * static_cast<double>(i % 5), kMarkWidth,
                                    kMarkHeight};
        mark[i] = makeLabel(this, QStringLiteral("mark%1").arg(i + 1), place,
                            {{"Tahoma", kMarkPoints, false}, white, shell::Align::Left});
        answer[i] = makeLabel(this, QStringLiteral("answer%1").arg(i + 1), place,
                              {{"Tahoma", kMarkPoints, false}, yellow, shell::Align::Left});
    }
    for (shell::Label* label : {instruction, item})
        label->setWrap(false);

    const auto modes = addModeOptions(activities()[0], kModePlaces);
    // A mode makes a new round in Ready; it does not start it as Next would.
    for (std::size_t i = 0; i < modes.size(); ++i)
        modes[i]->onClick = [this, i] {
            rememberQuestion();
            modeChosen(static_cast<int>(i));
        };

    Frame1 = new shell::Frame(this, QStringLiteral("Frame1"));
    Frame1->setBorder(false);
    Frame1->setTwipGeometry(kSecondsGroup);
    addOwnFrame(Frame1);
    Label1 = makeLabel(Frame1, QStringLiteral("Label1"), {0, 0, kSecondsGroup.width, kSecondsCaptionHeight},
                       {{"Tahoma", 9.75, true}, white, shell::Align::Left}, QStringLiteral("Seconds each"));
    for (std::size_t k = 0; k < secondsOption.size(); ++k) {
        auto* option = new shell::OptionButton(Frame1, QStringLiteral("Option%1").arg(5 + k),
                                               QStringLiteral("%1 seconds").arg(kSecondsChoices[k]));
        option->setTwipGeometry(0, kSecondsOptionTops[k], kSecondsGroup.width, 450);
        option->setFontSpec({"Tahoma", 9.75, true});
        option->setForeColor(yellow);
        option->onClick = [this, k] {
            rememberQuestion();
            m_seconds = kSecondsChoices[k];
            newRound();
        };
        secondsOption[k] = option;
    }
    showSecondsChosen();

    Timer1 = new shell::Timer(this, QStringLiteral("Timer1"), kTickMs);
    Timer1->onTick = [this] { tick(); };
    // Leaving stops the countdown before the screen goes.
    cmdexit->onClick = [this, leave = cmdexit->onClick] {
        Timer1->setEnabled(false);
        leave();
    };
    figure->lower();
}

BeatTheClockScreen::~BeatTheClockScreen() = default;

void BeatTheClockScreen::loadActivity()
{
    for (shell::OptionButton* option : secondsOption)
        option->setBackColor(shell::colour::screenBlue);
}

int BeatTheClockScreen::secondsShown() const
{
    return static_cast<int>((remainingMs() + 999) / 1000);
}

bool BeatTheClockScreen::counting() const
{
    return m_state == State::Running && !isBlanked();
}

qint64 BeatTheClockScreen::remainingMs() const
{
    const qint64 ran = m_banked + (counting() ? m_clock() - m_since : 0);
    return m_seconds * qint64{1000} - ran;
}

void BeatTheClockScreen::bankTime()
{
    if (counting())
        m_banked += m_clock() - m_since;
}

void BeatTheClockScreen::newRound()
{
    Timer1->setEnabled(false);
    m_round = drawRound(m_mode, draws());
    m_state = State::Ready;
    m_current = 0;
    m_shown = 0;
    showState();
}

void BeatTheClockScreen::startItem()
{
    m_banked = 0;
    m_since = m_clock();
    showState();
}

void BeatTheClockScreen::advance()
{
    if (m_current + 1 < kRoundLength) {
        ++m_current;
        startItem();
        return;
    }
    Timer1->setEnabled(false);
    m_state = State::Marking;
    m_shown = 0;
    showState();
}

void BeatTheClockScreen::tick()
{
    if (!counting())
        return;
    if (remainingMs() <= 0)
        advance();
    else
        drawCountdown();
}

void BeatTheClockScreen::nextQuestion()
{
    switch (m_state) {
    case State::Ready:
        m_state = State::Running;
        m_current = 0;
        Timer1->setEnabled(true);
        startItem();
        break;
    case State::Running:
        advance();
        break;
    case State::Paused:
        m_state = State::Running;
        m_since = m_clock();
        showState();
        break;
    case State::Marking:
        newRound();
        break;
    }
}

void BeatTheClockScreen::showSolution()
{
    if (m_state != State::Marking || m_shown == kRoundLength)
        return;
    ++m_shown;
    showState();
}

bool BeatTheClockScreen::solutionShown() const
{
    return m_state == State::Marking && m_shown == kRoundLength;
}

void BeatTheClockScreen::modeChosen(int option)
{
    m_mode = option;
    newRound();
}

void BeatTheClockScreen::forwardKey()
{
    if (m_state == State::Marking && m_shown < kRoundLength)
        showSolution();
    else
        newQuestion();
}

void BeatTheClockScreen::backKey()
{
    switch (m_state) {
    case State::Running:
        bankTime();
        m_state = State::Paused;
        showState();
        break;
    case State::Paused:
        nextQuestion();
        break;
    case State::Marking:
        if (m_shown > 0) {
            --m_shown;
            showState();
        }
        break;
    case State::Ready:
        break;
    }
}

void BeatTheClockScreen::blankChanged(bool blanked)
{
    if (m_state != State::Running)
        return;
    // The cover is already up (or down): count up to now, or from now on.
    if (blanked)
        m_banked += m_clock() - m_since;
    else
        m_since = m_clock();
}

void BeatTheClockScreen::showSecondsChosen()
{
    for (std::size_t k = 0; k < secondsOption.size(); ++k)
        secondsOption[k]->setChecked(kSecondsChoices[k] == m_seconds);
}

namespace {

// A round kept for showing again, with its mode and seconds each.
struct Kept {
    std::vector<Item> round;
    int mode = 0;
    int seconds = 0;
};

} // namespace

std::any BeatTheClockScreen::questionSnapshot() const
{
    return Kept{m_round, m_mode, m_seconds};
}

void BeatTheClockScreen::restoreQuestion(const std::any& snapshot)
{
    const auto& kept = std::any_cast<const Kept&>(snapshot);
    Timer1->setEnabled(false);
    m_round = kept.round;
    m_mode = kept.mode;
    m_seconds = kept.seconds;
    showModeChosen(m_mode);
    showSecondsChosen();
    m_state = State::Ready;
    m_current = 0;
    m_shown = 0;
    showState();
}

void BeatTheClockScreen::showState()
{
    const std::string caption(activities()[0].modes[static_cast<std::size_t>(m_mode)].caption);
    const bool ready = m_state == State::Ready;
    const bool marking = m_state == State::Marking;
    const bool running = !ready && !marking;
    switch (m_state) {
    case State::Ready:
        instruction->setCaption(q("Beat the Clock: " + caption));
        break;
    case State::Running:
    case State::Paused:
        instruction->setCaption(q("Question " + std::to_string(m_current + 1) + " of " +
                                  std::to_string(kRoundLength) + (m_state == State::Paused ? " (paused)" : "")));
        break;
    case State::Marking:
        instruction->setCaption(QStringLiteral("Time's up! Mark your answers."));
        break;
    }

    const std::array<std::string, 3> readyLines{std::to_string(kRoundLength) + " questions",
                                                std::to_string(m_seconds) + " seconds each", "Press Next to start"};
    for (std::size_t k = 0; k < question.size(); ++k) {
        question[k]->setCaption(q(readyLines[k]));
        question[k]->setVisible(ready);
    }
    item->setVisible(running);
    if (running)
        item->setCaption(q(m_round[static_cast<std::size_t>(m_current)].text()));

    const shell::FontMeasure measure;
    for (std::size_t i = 0; i < mark.size(); ++i) {
        const Item& it = m_round[i];
        const std::string text = markText(static_cast<int>(i), it);
        mark[i]->setCaption(q(text));
        mark[i]->setVisible(marking);
        // The answer follows its item on the same line.
        const double width = measure.measure(text, {kMarkPoints}).width;
        answer[i]->setTwipGeometry(mark[i]->leftTwips() + width, mark[i]->topTwips(), kMarkWidth - width, kMarkHeight);
        answer[i]->setCaption(q(" " + shell::forms::N(it.answer())));
        answer[i]->setVisible(marking && static_cast<int>(i) < m_shown);
    }
    drawCountdown();
}

void BeatTheClockScreen::drawCountdown()
{
    shell::Drawing drawing;
    if (m_state == State::Running || m_state == State::Paused) {
        const qint64 left = std::max<qint64>(remainingMs(), 0);
        drawing.add(shell::CircleMark{kRingCentre, kRingRadius, std::nullopt, white, kTrackWidth});
        drawing.add(shell::ArcMark{kRingCentre, kRingRadius, 0, 360.0 * static_cast<double>(left) / (m_seconds * 1000.0),
                                   left <= kOrangeFromMs ? orange : yellow, kArcWidth, shell::LineCap::Flat});
        drawing.add(shell::TextMark{{kRingCentre.x - kRingRadius, kRingCentre.y - kRingRadius, 2 * kRingRadius,
                                     2 * kRingRadius},
                                    std::to_string(secondsShown()), kCountdownFont, white, shell::Align::Centre, std::nullopt, false});
        for (int i = 0; i < kRoundLength; ++i) {
            const shell::PointTwips centre{kFirstDotLeft + kDotPitch * i + kDotDiameter / 2, kDotsTop + kDotDiameter / 2};
            if (i < m_current)
                drawing.add(shell::CircleMark{centre, kDotDiameter / 2, white, std::nullopt});
            else if (i == m_current)
                drawing.add(shell::CircleMark{centre, kDotDiameter / 2, yellow, std::nullopt});
            else
                drawing.add(shell::CircleMark{centre, (kDotDiameter - kOutlineWidth) / 2, std::nullopt, white,
                                              kOutlineWidth});
        }
    }
    figure->setDrawing(std::move(drawing));
}

void defineScreens(shell::Screens& screens)
{
    screens.define(shell::qtext(activities()[0].screen), [](shell::Screens& s) { return new BeatTheClockScreen(s); });
}

} // namespace beattheclock
