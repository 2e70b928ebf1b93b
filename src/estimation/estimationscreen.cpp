#include "estimation/estimationscreen.h"

#include "estimation/activity.h"
#include "shell/toolkit/screens.h"

#include <algorithm>
#include <tuple>

namespace estimation {
namespace {

using shell::Align;
using shell::TwipRect;

// Where each mode's option button stands, in mode order.
constexpr TwipRect kModePlaces[] = {
    {9570, 4350, 2100, 390},
    {9570, 4875, 2100, 390},
    {9570, 5415, 2100, 390},
    {9570, 5940, 2100, 390},
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
    : ActivityScreen(screens, activities()[0])
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

    const auto options = addModeOptions(activities()[0], kModePlaces);
    Option1 = options[0];
    Option2 = options[1];
    Option3 = options[2];
    Option4 = options[3];
}

void EstimationScreen::loadActivity()
{
    modeChosen(0);
}

void EstimationScreen::modeChosen(int option)
{
    m_option = option;
    std::tie(m_low, m_high) = kindsOfMode(option);
}

namespace {

// A question kept for showing again, with the mode option that made it.
struct Kept {
    Question question;
    int option = 0;
};

} // namespace

std::any EstimationScreen::questionSnapshot() const
{
    return Kept{m_question, m_option};
}

void EstimationScreen::restoreQuestion(const std::any& snapshot)
{
    const auto& kept = std::any_cast<const Kept&>(snapshot);
    modeChosen(kept.option);
    showModeChosen(kept.option);
    showQuestion(kept.question);
}

void EstimationScreen::makeinvis()
{
    Frame1->setVisible(false);
    Label3->setVisible(false);
    Label4->setVisible(false);
}

void EstimationScreen::newquestion()
{
    showQuestion(estimation::newQuestion(m_low, m_high, draws()));
}

void EstimationScreen::showQuestion(const Question& question)
{
    makeinvis();
    m_question = question;
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

void defineScreens(shell::Screens& screens)
{
    screens.define(EstimationScreen::kName, [](shell::Screens& s) { return new EstimationScreen(s); });
}

} // namespace estimation
