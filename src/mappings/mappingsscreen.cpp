#include "mappings/mappingsscreen.h"

#include "mappings/activity.h"

#include "shell/toolkit/pictures.h"
#include "shell/toolkit/screens.h"

#include <QFontMetrics>

#include <algorithm>

namespace mappings {
namespace {

using shell::FontSpec;
using shell::Rgb;
using shell::TwipRect;
namespace colour = shell::colour;

const QString kRuleFrame = QStringLiteral("Mapping");
const QString kX = QStringLiteral("x ");
const QString kDomainFrame = QStringLiteral("Domain");
const QString kRangeFrame = QStringLiteral("Range");

// Design layout in twips (left, top, width, height), relative to each control's container.
constexpr TwipRect kLabel1{315, 150, 7650, 720};
constexpr TwipRect kFrame3{2565, 795, 7890, 1320};
constexpr TwipRect kLabel2{620, 45, 495, 1260};
constexpr TwipRect kImage2{1275, 480, 1725, 750};
constexpr TwipRect kLabel3{3900, 45, 3930, 1095};
constexpr TwipRect kFrame1{1755, 2280, 2430, 4320};
constexpr TwipRect kImage1{4200, 2810, 2400, 3015};
constexpr TwipRect kFrame2{6675, 2295, 2430, 4320};
constexpr TwipRect kModePlaces[] = {{9630, 5220, 2100, 435}, {9630, 5670, 2025, 435}, {9630, 6135, 1650, 435}};
// The panel and its buttons as designed; the standard set-up moves them to the corner.
constexpr TwipRect kFramestatus{945, 7620, 9480, 675};
constexpr TwipRect kCmdgo{105, 180, 1020, 420};
constexpr TwipRect kCmdsoln{3915, 180, 1650, 420};
constexpr TwipRect kCmdexit{8280, 165, 1125, 420};

// The value columns share their row tops, so Label5[i] stands level with Label4[i].
constexpr double kRowTops[] = {195, 945, 1710, 2460, 3195};
constexpr double kDomainLeft = 825, kDomainWidth = 795, kDomainHeight = 870;
constexpr double kRangeLeft = 315, kRangeWidth = 1770, kRangeHeight = 900;
constexpr int kRows = 5;

constexpr FontSpec kFrameFont{"Tahoma", 12, true};

shell::PictureBox* makePicture(QWidget* container, const char* name, const TwipRect& place)
{
    auto* picture =
        new shell::PictureBox(container, QLatin1String(name), shell::PictureBox::Fit::SizeToPicture);
    picture->setTwipGeometry(place);
    return picture;
}

void makeColumn(shell::LabelArray& column, double left, double width, double height, double points,
                Rgb colour)
{
    for (int i = 0; i < kRows; ++i) {
        shell::Label* label = column.add(i);
        label->setTwipGeometry(left, kRowTops[i], width, height);
        label->setFontSpec({"Tahoma", points});
        label->setForeColor(colour);
        label->setAlign(shell::Align::Centre);
    }
}

void setColumnVisible(const shell::LabelArray& column, bool visible)
{
    for (int i = 0; i < kRows; ++i)
        column[i]->setVisible(visible);
}

bool columnVisible(const shell::LabelArray& column)
{
    for (int i = 0; i < kRows; ++i) {
        if (column[i]->isHidden())
            return false;
    }
    return true;
}

void fillColumn(const shell::LabelArray& column, const std::array<std::string, 5>& texts)
{
    for (int i = 0; i < kRows; ++i)
        column[i]->setCaption(shell::qtext(texts[static_cast<std::size_t>(i)]));
}

// A plus-minus value such as "±14" at 36 pt is wider than the designed domain label; that label
// grows about its own centre so the value is not cut off, and takes its designed size again for
// values that fit.
void fitDomainLabel(shell::Label* label)
{
    const int textPixels = QFontMetrics(label->font()).horizontalAdvance(label->text());
    const double width = std::max(kDomainWidth, shell::toTwips(textPixels + 2));
    label->setTwipGeometry(kDomainLeft - (width - kDomainWidth) / 2, label->topTwips(), width, kDomainHeight);
}

} // namespace

MappingsScreen::MappingsScreen(shell::Screens& screens)
    : ActivityScreen(screens, activities()[0], QStringLiteral("framestatus"))
    , Label1(shell::makeLabel(this, QStringLiteral("Label1"), kLabel1, {{"Tahoma", 24}, colour::yellow},
                              shell::qtext(activities()[0].intro(0).instruction)))
    , Frame3(shell::makeFrame(this, QStringLiteral("Frame3"), kFrame3, kFrameFont, colour::white, kRuleFrame))
    , Label2(shell::makeLabel(Frame3, QStringLiteral("Label2"), kLabel2, {{"Tahoma", 48}, colour::white}, kX))
    , Image2(makePicture(Frame3, "Image2", kImage2))
    , Label3(shell::makeLabel(Frame3, QStringLiteral("Label3"), kLabel3, {{"Tahoma", 48}, colour::yellow}))
    , Frame1(
          shell::makeFrame(this, QStringLiteral("Frame1"), kFrame1, kFrameFont, colour::white, kDomainFrame))
    , Label4(Frame1, QStringLiteral("Label4"))
    , Image1(makePicture(this, "Image1", kImage1))
    , Frame2(
          shell::makeFrame(this, QStringLiteral("Frame2"), kFrame2, kFrameFont, colour::yellow, kRangeFrame))
    , Label5(Frame2, QStringLiteral("Label5"))
{
    makeColumn(Label4, kDomainLeft, kDomainWidth, kDomainHeight, 36, colour::white);
    makeColumn(Label5, kRangeLeft, kRangeWidth, kRangeHeight, 36, colour::yellow);
    const auto options = addModeOptions(activities()[0], kModePlaces);
    Option1 = options[0];
    Option2 = options[1];
    Option3 = options[2];

    Framestatus->setTwipGeometry(kFramestatus);
    cmdgo->setTwipGeometry(kCmdgo);
    cmdsoln->setTwipGeometry(kCmdsoln);
    cmdexit->setTwipGeometry(kCmdexit);

    addOwnFrame(Frame3);
    addOwnFrame(Frame1);
    addOwnFrame(Frame2);
}

void MappingsScreen::loadActivity()
{
    Image1->moveTwips(kImage1.left, kImage1.top);
    Image1->setPicture(shell::loadPicture(kDiagramPicture));
    Image2->setPicture(shell::loadPicture(kRulePicture));
}

void MappingsScreen::startFirstQuestion()
{
    m_mode = Mode::FindRange;
    calculate();
}

void MappingsScreen::nextQuestion()
{
    calculate();
}

void MappingsScreen::modeChosen(int option)
{
    m_mode = static_cast<Mode>(option);
}

namespace {

// A question kept for showing again, with the mode and the column it hid.
struct Kept {
    Question question;
    Mode mode = Mode::FindRange;
    int mixchoice = 0;
};

} // namespace

std::any MappingsScreen::questionSnapshot() const
{
    return Kept{m_question, m_mode, m_mixchoice};
}

void MappingsScreen::restoreQuestion(const std::any& snapshot)
{
    const auto& kept = std::any_cast<const Kept&>(snapshot);
    m_mode = kept.mode;
    m_mixchoice = kept.mixchoice;
    showModeChosen(static_cast<int>(m_mode));
    showQuestion(kept.question);
}

void MappingsScreen::calculate()
{
    const Question question = mappings::calculate(m_mode, draws());
    // No question for a mode outside the three; the screen never sets one.
    if (question.kind == 0)
        return;
    if (question.mixchoice)
        m_mixchoice = *question.mixchoice;
    showQuestion(question);
}

void MappingsScreen::showQuestion(const Question& question)
{
    m_question = question;
    clearall();
    Label3->setCaption(shell::qtext(question.rule));
    fillColumn(Label4, question.domain);
    for (int i = 0; i < kRows; ++i)
        fitDomainLabel(Label4[i]);
    fillColumn(Label5, question.range);
    const bool domainHidden = &hiddenColumn() == &Label4;
    setColumnVisible(domainHidden ? Label5 : Label4, true);
}

void MappingsScreen::clearall()
{
    for (int i = 0; i < kRows; ++i) {
        Label5[i]->setVisible(false);
        Label5[i]->setCaption({});
        Label4[i]->setVisible(false);
        Label4[i]->setCaption({});
    }
}

const shell::LabelArray& MappingsScreen::hiddenColumn() const
{
    switch (m_mode) {
    case Mode::FindDomain:
        return Label4;
    case Mode::Mixed:
        return m_mixchoice == 1 ? Label4 : Label5;
    case Mode::FindRange:
    default:
        return Label5;
    }
}

void MappingsScreen::showSolution()
{
    setColumnVisible(hiddenColumn(), true);
}

bool MappingsScreen::solutionShown() const
{
    return columnVisible(Label4) && columnVisible(Label5);
}

void MappingsScreen::hideSolution()
{
    setColumnVisible(hiddenColumn(), false);
}

void defineScreens(shell::Screens& screens)
{
    screens.define(MappingsScreen::kName, [](shell::Screens& s) { return new MappingsScreen(s); });
}

} // namespace mappings
