#include "estimation/estimationscreen.h"

#include "shell/toolkit/screens.h"

#include <algorithm>

namespace estimation {
namespace {

using shell::Align;
using shell::TwipRect;

struct Mode {
    const char* caption;
    TwipRect place;
    int low;
    int high;
};

constexpr Mode kModes[] = {
    {"Decimal Places", {9570, 4350, 2100, 390}, 1, 2},
    {"Significant Figures", {9570, 4875, 2100, 390}, 3, 4},
    {"Estimation", {9570, 5415, 2100, 390}, 5, 5},
    {"Mixed", {9570, 5940, 2100, 390}, 1, 5},
};

constexpr double kAnswerFrameWidth = 4620;
constexpr double kOneLineHeight = 1500;
constexpr double kTwoLineHeight = 3000;
// Room kept between the widest answer line and the frame's right edge.
constexpr double kAnswerMargin = 240;

// The question and answer lines: large, centred, sizing themselves to their text.
constexpr shell::LabelStyle kLine{{"Tahoma", 48}, shell::colour::yellow, Align::Centre, true};

} // namespace

EstimationScreen::EstimationScreen(shell::Screens& screens)
    : ActivityScreen(screens, kName, QStringLiteral("Estimation"))
{
    Label1 = shell::makeLabel(this, QStringLiteral("Label1"), {90, 255, 11625, 1050}, {{"Tahoma", 21.75}});
    Label2 = shell::makeLabel(this, QStringLiteral("Label2"), {4065, 1950, 2310, 1155}, kLine);

    Frame1 = shell::makeFrame(this, QStringLiteral("Frame1"), {2970, 3735, kAnswerFrameWidth, kOneLineHeight},
                              {"Tahoma", 12, true}, shell::colour::white, QStringLiteral("Answer"));
    Frame1->setVisible(false);
    addOwnFrame(Frame1);
    Label3 = shell::makeLabel(Frame1, QStringLiteral("Label3"), {1110, 240, 2310, 1155}, kLine);
    Label4 = shell::makeLabel(Frame1, QStringLiteral("Label4"), {1110, 1800, 2310, 1155}, kLine);
    Label4->setVisible(false);

    shell::OptionButton** options[] = {&Option1, &Option2, &Option3, &Option4};
    for (std::size_t i = 0; i < std::size(kModes); ++i)
        *options[i] = addModeOption(QStringLiteral("Option%1").arg(i + 1), QLatin1String(kModes[i].caption),
                                    kModes[i].place);
    Option1->setChecked(true);
}

void EstimationScreen::loadActivity()
{
    m_high = kModes[0].high;
    m_low = kModes[0].low;
}

void EstimationScreen::modeChosen(int option)
{
    m_low = kModes[option].low;
    m_high = kModes[option].high;
}

void EstimationScreen::makeinvis()
{
    Frame1->setVisible(false);
    Label3->setVisible(false);
    Label4->setVisible(false);
}

void EstimationScreen::newquestion()
{
    makeinvis();
    const Question question = estimation::newQuestion(m_low, m_high, draws());
    m_kind = question.kind;
    Label1->setCaption(shell::qtext(question.instruction));
    Label2->setCaption(shell::qtext(question.question));
    Label3->setCaption(shell::qtext(question.answer));
    if (question.result)
        Label4->setCaption(shell::qtext(*question.result));
}

void EstimationScreen::showSolution()
{
    Frame1->setHeightTwips(kOneLineHeight);
    Frame1->setVisible(true);
    Label3->setVisible(true);
    if (m_kind == kEstimate) {
        Frame1->setHeightTwips(kTwoLineHeight);
        Label4->setVisible(true);
    }
    // The longest answers (100.9999 to four places) are wider than the designed frame, which
    // would cut them off: the frame grows to the right to hold every line it shows.
    double widest = Label3->leftTwips() + Label3->widthTwips();
    if (Label4->isVisible())
        widest = std::max(widest, Label4->leftTwips() + Label4->widthTwips());
    Frame1->setWidthTwips(std::max(kAnswerFrameWidth, widest + kAnswerMargin));
}

void defineEstimationScreen(shell::Screens& screens)
{
    screens.define(EstimationScreen::kName, [](shell::Screens& s) { return new EstimationScreen(s); });
}

} // namespace estimation
