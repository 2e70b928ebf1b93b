// What an activity says about itself, free of Qt: its names, where its topic stands, its modes,
// what its worksheets print once, and how it makes questions. Each activity folder exports its
// descriptors; the registry lists the folders, and the topic menus, the screens, the worksheet
// program, the volume tests and the benchmarks all read them from there.
#pragma once

#include "shell/core/exercise.h"
#include "shell/core/randomsource.h"

#include <iterator>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

struct Mode {
    std::string_view caption;   // the mode's option button: "Decimal Places"
    std::string_view sheetName; // chalkface-sheet's --mode: "decimal-places"
    // The mode in a worksheet's title, where it is not the button's caption.
    std::string_view sheetCaption = {};

    std::string_view title() const { return sheetCaption.empty() ? caption : sheetCaption; }
};

// What a worksheet prints once, under its title, before the questions.
struct SheetIntro {
    std::string instruction; // the instruction every question shares; empty if each has its own
    // Facts pupils may use, under a heading ("Imperial conversions"); none when empty.
    std::string factsHeading;
    std::vector<std::string> facts;
    // The figure every question refers to, drawn in characters for text sheets.
    std::string textFigure;
};

// Makes an activity's questions one after another. Most activities draw each question afresh;
// one that remembers what it asked before keeps that here, so every screen and every worksheet
// run has its own.
class QuestionMaker {
public:
    virtual ~QuestionMaker() = default;
    // mode: an index into the activity's modes, from 0 (0 where it has none).
    virtual Exercise make(int mode, RandomSource& draws) = 0;
};

// A maker for an activity whose questions do not depend on the ones before.
template <Exercise (*makeExercise)(int mode, RandomSource& draws)>
std::unique_ptr<QuestionMaker> freshQuestions()
{
    struct Fresh final : QuestionMaker {
        Exercise make(int mode, RandomSource& draws) override { return makeExercise(mode, draws); }
    };
    return std::make_unique<Fresh>();
}

// The kind of question a mode asks for, where the last mode (Mixed, numbered `mixed`) mixes the
// others: the mode itself, or in Mixed one of the others, each equally likely.
inline int kindOfMode(int mode, int mixed, RandomSource& draws)
{
    return mode == mixed ? drawWhole(draws, mixed, 0) : mode;
}

// What a worksheet prints once for an activity whose questions of one mode all share their
// instruction: instructions[mode], and nothing for a mode past the list's end (Mixed), whose
// questions each print their own.
template <const auto& instructions>
SheetIntro instructionOfMode(int mode)
{
    SheetIntro intro;
    if (mode >= 0 && static_cast<std::size_t>(mode) < std::size(instructions))
        intro.instruction = instructions[static_cast<std::size_t>(mode)];
    return intro;
}

// Where in an activity screen's window the countdown stands: a corner (the bottom right holds
// the control panel), or the middle of the right edge for a screen whose texts fill the top.
enum class Corner { TopRight, BottomLeft, RightMiddle };

struct Activity {
    std::string_view screen;  // the screen's name: "sigfig"
    std::string_view sheet;   // chalkface-sheet's name for it: "estimation"
    std::string_view caption; // the topic's caption, also the window's: "Estimation"
    int menu = 1;             // the topic menu that lists it, 1 to 5
    int position = 0;         // its place in that list, from 0
    // The first is the default. Empty where there is one way of asking: the JSON mode is then
    // null and the screen shows no mode buttons.
    std::span<const Mode> modes;
    // The JSON fields after "activity" and "mode", described for --help; lines after the first
    // are indented by the help text.
    std::string_view jsonHelp;
    SheetIntro (*intro)(int mode) = nullptr;
    std::unique_ptr<QuestionMaker> (*questions)() = nullptr;
    // Each question is one short line under the sheet's instruction, with no figure: a printed
    // sheet sets them in columns, each with a line to write on.
    bool shortQuestions = false;
    // Where the lesson countdown stands in a window: a corner the screen's texts leave free.
    Corner countdownCorner = Corner::TopRight;

    // The number of modes a caller may ask for: at least the one way of asking.
    int modeCount() const { return modes.empty() ? 1 : static_cast<int>(modes.size()); }
};

} // namespace shell
