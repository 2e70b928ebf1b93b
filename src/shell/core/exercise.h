// One question of any activity, as every output shows it: the standard activity screen, the text
// and PDF worksheets and the JSON Lines. Texts are UTF-8 with the characters the screens show
// (− for minus, × and ÷, superscripts ⁿ⁻¹ and subscripts ₁₆, which the screens draw as small
// raised or lowered text).
#pragma once

#include "shell/core/colours.h"
#include "shell/core/drawing.h"
#include "shell/core/json.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace shell {

// How a text looks on the stage: Tahoma at a size in points.
struct TextStyle {
    double points = 36;
    Rgb colour = colour::yellow;
    Align align = Align::Centre;
    bool bold = false;
    bool italic = false;
    friend constexpr bool operator==(const TextStyle&, const TextStyle&) = default;
};

// One text of a cell row, placed from the row's left edge, in twips.
struct Cell {
    std::string text;
    double offset = 0;
    double width = 0;
    Align align = Align::Left;
    std::optional<Rgb> colour; // the row's colour when absent
};

// A line of text. Worksheets and the JSON write `text`; the screen shows it in its standard
// place and style unless the line says otherwise, and shows the cells instead when it has some.
struct Line {
    Line() = default;
    Line(std::string text)
        : text(std::move(text))
    {
    }
    Line(const char* text)
        : text(text)
    {
    }

    std::string text;
    std::vector<Cell> cells;
    std::optional<TwipRect> place;
    std::optional<TextStyle> style;
    // Breaks at blanks onto as many lines as its place holds, instead of staying on one line.
    bool wrap = false;
};

// The cell rows of the working panel: three cells 3240 twips wide, or two 4860 wide, their
// texts joined by ", " on worksheets. `highlighted` (an index, or -1) is drawn in orange.
Line threeCellRow(const std::vector<std::string>& cells, int highlighted = -1);
Line twoCellRow(const std::vector<std::string>& cells, int highlighted = -1);
// A list of cells in as many such rows as it needs, filled in order; `highlighted` is an index
// into the whole list.
std::vector<Line> threeCellRows(const std::vector<std::string>& cells, int highlighted = -1);
std::vector<Line> twoCellRows(const std::vector<std::string>& cells, int highlighted = -1);

// Where the working lines stand on the screen: a column of lines at a fixed pitch, white.
struct Panel {
    double left = 240;
    double top = 2700;
    double width = 9720;
    double pitch = 495;
    double points = 20.25;
    friend constexpr bool operator==(const Panel&, const Panel&) = default;
};

// The panel under a question of three lines.
inline constexpr Panel kPanelBelowThreeLines{240, 3510, 9720, 495, 20.25};
// "18 pt working": where a figure leaves little room.
inline constexpr double kSmallWorkingPoints = 18;
inline constexpr double kSmallWorkingPitch = 420;

struct Layout {
    Panel working;
    // False where the figure shows the working in a form of its own (a table of trials); the
    // worksheets still print the working lines.
    bool workingShown = true;
    // Recurring decimals in the question and answer lines, written "0.1(6)", are drawn with a
    // dot over the first and last repeating digit instead of the brackets.
    bool recurringDots = false;
};

enum class FigureState { Question, Solution };

// Draws the question's figure in one of its states; a figure that places labels by their size
// measures them with the output's own fonts.
using FigureMaker = std::function<Drawing(FigureState, const TextMeasure&)>;

struct Exercise {
    std::string instruction;
    std::vector<Line> question;
    // Lines that describe the figure in words, for the text worksheet and the JSON; the screen
    // and the PDF draw the figure instead.
    std::vector<std::string> described;
    std::vector<std::string> answer;
    std::vector<Line> working;
    FigureMaker figure; // empty for a question without a figure
    Layout layout;
    // The JSON fields after "activity" and "mode", in order.
    Json::Object fields;
};

// The fields every activity designed on the standard frame writes: instruction, question (the
// question lines, then the described ones), answer, solution (the working lines) and data.
void setStandardFields(Exercise& exercise, Json data);

} // namespace shell
