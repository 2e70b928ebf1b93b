#include "units/unitsscreen.h"

#include "units/activity.h"

#include "shell/toolkit/screens.h"

#include <array>

namespace units {
namespace {

using shell::Align;
using shell::TwipRect;
namespace colour = shell::colour;

const QString kPanelName = QStringLiteral("framestatus");
const QString kAnswerCaption = QStringLiteral("Answer");

// Where each mode's option button stands, in mode order.
constexpr TwipRect kModePlaces[] = {
    {10140, 4365, 1500, 435},
    {10140, 4795, 1650, 435},
    {10140, 5225, 1650, 435},
    {10140, 5755, 1620, 435},
};

} // namespace

UnitsScreen::UnitsScreen(shell::Screens& screens)
    : ActivityScreen(screens, activities()[0], kPanelName)
    , Label5(this, QStringLiteral("Label5"))
{
    // Places are left, top, width, height in twips, relative to the container.
    Label1 = shell::makeLabel(this, QStringLiteral("Label1"), {225, 195, 3165, 1110},
                              {{"Tahoma", 36}, colour::yellow, Align::Left},
                              shell::qtext(activities()[0].intro(0).instruction));
    Label2 = shell::makeLabel(this, QStringLiteral("Label2"), {105, 1575, 11550, 1110},
                              {{"Tahoma", 39.75}, colour::white, Align::Centre});
    Frame1 = shell::makeFrame(this, QStringLiteral("Frame1"), {225, 4215, 9570, 2160}, {"Tahoma", 12, true},
                              colour::yellow, kAnswerCaption);
    Label4 = shell::makeLabel(Frame1, QStringLiteral("Label4"), {150, 285, 9225, 1530},
                              {{"Tahoma", 60}, colour::yellow, Align::Centre});
    Frame2 = shell::makeFrame(this, QStringLiteral("Frame2"), {150, 3390, 3400, 4830}, {"Tahoma", 9.75, true},
                              colour::white, shell::qtext(referenceFrame(Reference::Imperial).caption));
    Frame3 = shell::makeFrame(this, QStringLiteral("Frame3"), {150, 3390, 3400, 2745}, {"Tahoma", 9.75, true},
                              colour::white, shell::qtext(referenceFrame(Reference::Approximate).caption));
    Frame2->setVisible(false);
    Frame3->setVisible(false);

    for (const Reference reference : {Reference::Imperial, Reference::Approximate}) {
        shell::Frame* frame = frameOf(reference);
        for (const ReferenceFact& fact : referenceFrame(reference).facts) {
            // One array, two frames: each fact stands inside the frame it belongs to.
            shell::Label* label = Label5.add(fact.index, frame);
            label->setTwipGeometry(fact.left, fact.top, kFactWidth, kFactHeight);
            label->setFontSpec({"Tahoma", 15.75});
            label->setForeColor(colour::yellow);
            label->setCaption(shell::qtext(fact.caption));
        }
    }

    const auto options = addModeOptions(activities()[0], kModePlaces);
    Option1 = options[0];
    Option2 = options[1];
    Option3 = options[2];
    Option4 = options[3];

    addOwnFrame(Frame1);
    addOwnFrame(Frame2);
    addOwnFrame(Frame3);
}

void UnitsScreen::startFirstQuestion()
{
    m_mode = Mode::Metric;
    calculate();
}

void UnitsScreen::nextQuestion()
{
    calculate();
}

void UnitsScreen::modeChosen(int option)
{
    m_mode = static_cast<Mode>(option);
}

namespace {

// A question kept for showing again, with the mode that made it.
struct Kept {
    Question question;
    Mode mode = Mode::Metric;
};

} // namespace

std::any UnitsScreen::questionSnapshot() const
{
    return Kept{m_question, m_mode};
}

void UnitsScreen::restoreQuestion(const std::any& snapshot)
{
    const auto& kept = std::any_cast<const Kept&>(snapshot);
    m_mode = kept.mode;
    showModeChosen(static_cast<int>(m_mode));
    showQuestion(kept.question);
}

void UnitsScreen::calculate()
{
    showQuestion(units::calculate(m_mode, draws()));
}

void UnitsScreen::showQuestion(const Question& question)
{
    clearall();
    m_question = question;
    m_reference = question.reference;
    if (shell::Frame* frame = frameOf(m_reference))
        frame->setVisible(true);
    Label2->setCaption(shell::qtext(question.question));
    Label4->setCaption(shell::qtext(question.answer));
}

void UnitsScreen::clearall()
{
    Label2->setCaption({});
    Label4->setCaption({});
    Frame1->setVisible(false);
    Frame2->setVisible(false);
    Frame3->setVisible(false);
}

void UnitsScreen::showSolution()
{
    // The answer frame takes the place where the reference frames stand.
    Frame1->setVisible(true);
    Frame2->setVisible(false);
    Frame3->setVisible(false);
}

bool UnitsScreen::solutionShown() const
{
    return !Frame1->isHidden();
}

void UnitsScreen::hideSolution()
{
    if (!solutionShown())
        return;
    Frame1->setVisible(false);
    if (shell::Frame* frame = frameOf(m_reference))
        frame->setVisible(true);
}

shell::Frame* UnitsScreen::frameOf(Reference reference) const
{
    switch (reference) {
    case Reference::Imperial:
        return Frame2;
    case Reference::Approximate:
        return Frame3;
    case Reference::None:
        break;
    }
    return nullptr;
}

void defineScreens(shell::Screens& screens)
{
    screens.define(UnitsScreen::kName, [](shell::Screens& s) { return new UnitsScreen(s); });
}

} // namespace units
