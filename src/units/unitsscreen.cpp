#include "units/unitsscreen.h"

#include "shell/toolkit/screens.h"

#include <array>

namespace units {
namespace {

using shell::Align;
using shell::Rgb;
using shell::TwipRect;
namespace colour = shell::colour;

const QString kCaption = QStringLiteral("Units");
const QString kPanelName = QStringLiteral("framestatus");
const QString kInstruction = QStringLiteral("Convert...");
const QString kAnswerCaption = QStringLiteral("Answer");

struct ModeButton {
    const char* name;
    const char* caption;
    TwipRect place;
};

// In mode order: the button at index i chooses mode i + 1.
constexpr std::array<ModeButton, 4> kModeButtons{{
    {"Option1", "Metric", {10140, 4365, 1500, 435}},
    {"Option2", "Imperial", {10140, 4795, 1650, 435}},
    {"Option3", "Compound", {10140, 5225, 1650, 435}},
    {"Option4", "Metric and Imperial", {10140, 5755, 1620, 435}},
}};

QString text(std::string_view view)
{
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

// A label with a transparent background, as every label of this screen has.
shell::Label* makeLabel(QWidget* container, const char* name, const TwipRect& place, double points,
                        Rgb colour, Align align, const QString& caption = {})
{
    auto* label = new shell::Label(container, QLatin1String(name));
    label->setTwipGeometry(place);
    label->setFontSpec({"Tahoma", points});
    label->setForeColor(colour);
    label->setAlign(align);
    label->setCaption(caption);
    return label;
}

shell::Frame* makeFrame(QWidget* container, const char* name, const TwipRect& place, const QString& caption,
                        double points, Rgb captionColour)
{
    auto* frame = new shell::Frame(container, QLatin1String(name));
    frame->setTwipGeometry(place);
    frame->setCaption(caption);
    frame->setFontSpec({"Tahoma", points, true});
    frame->setForeColor(captionColour);
    return frame;
}

} // namespace

UnitsScreen::UnitsScreen(shell::Screens& screens)
    : ActivityScreen(screens, kName, kCaption, kPanelName)
    , Label5(this, QStringLiteral("Label5"))
{
    // Places are left, top, width, height in twips, relative to the container.
    Label1 = makeLabel(this, "Label1", {225, 195, 3165, 1110}, 36, colour::yellow, Align::Left, kInstruction);
    Label2 = makeLabel(this, "Label2", {105, 1575, 11550, 1110}, 39.75, colour::white, Align::Centre);
    Frame1 = makeFrame(this, "Frame1", {225, 4215, 9570, 2160}, kAnswerCaption, 12, colour::yellow);
    Label4 = makeLabel(Frame1, "Label4", {150, 285, 9225, 1530}, 60, colour::yellow, Align::Centre);
    Frame2 = makeFrame(this, "Frame2", {150, 3390, 3400, 4830}, text(referenceFrame(Reference::Imperial).caption),
                       9.75, colour::white);
    Frame3 = makeFrame(this, "Frame3", {150, 3390, 3400, 2745},
                       text(referenceFrame(Reference::Approximate).caption), 9.75, colour::white);
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
            label->setCaption(text(fact.caption));
        }
    }

    shell::OptionButton** options[] = {&Option1, &Option2, &Option3, &Option4};
    for (std::size_t i = 0; i < kModeButtons.size(); ++i) {
        const ModeButton& button = kModeButtons[i];
        *options[i] = addModeOption(QLatin1String(button.name), QLatin1String(button.caption), button.place);
    }
    Option1->setChecked(true);

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
    m_mode = static_cast<Mode>(option + 1);
}

void UnitsScreen::calculate()
{
    clearall();
    const Question question = units::calculate(m_mode, draws());
    m_reference = question.reference;
    if (shell::Frame* frame = frameOf(m_reference))
        frame->setVisible(true);
    Label2->setCaption(text(question.question));
    Label4->setCaption(text(question.answer));
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

void defineUnitsScreen(shell::Screens& screens)
{
    screens.define(UnitsScreen::kName, [](shell::Screens& s) { return new UnitsScreen(s); });
}

} // namespace units
