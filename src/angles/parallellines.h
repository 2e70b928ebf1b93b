// The parallel lines problem: two parallel lines cut by a transversal, the eight angles at the
// crossings labelled a to h, one of them given. The figure is fixed (the transversal always
// crosses at 45 degrees); only the caption of the given angle changes, and the answer is read
// back from the eight captions as they stand.
#pragma once

#include "shell/core/colours.h"
#include "shell/core/drawing.h"
#include "shell/core/randomsource.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace angles {

inline constexpr int kAngleCount = 8;

// Which size the figure shows an angle at: obtuse 135 degrees, acute 45 degrees.
enum class SizeGroup { Obtuse, Acute };

// The seven line controls Line1 to Line7, in twips: the two parallels, the transversal, then
// the two strokes of each arrowhead. Line1 to Line3 start hidden; the arrowheads stay visible.
inline constexpr int kParallelLineWidthPixels = 5;
inline constexpr std::array<shell::Segment, 7> kParallelLines{{
    {{2040, 3840}, {9600, 3840}, shell::colour::yellow, kParallelLineWidthPixels},
    {{2040, 5400}, {9600, 5400}, shell::colour::yellow, kParallelLineWidthPixels},
    {{3480, 6600}, {7440, 2640}, shell::colour::yellow, kParallelLineWidthPixels},
    {{3675, 3660}, {3840, 3825}, shell::colour::yellow, kParallelLineWidthPixels},
    {{3825, 3840}, {3660, 4005}, shell::colour::yellow, kParallelLineWidthPixels},
    {{8100, 5220}, {8265, 5385}, shell::colour::yellow, kParallelLineWidthPixels},
    {{8250, 5400}, {8085, 5565}, shell::colour::yellow, kParallelLineWidthPixels},
}};

// The angle labels Label7(0) to Label7(7): bold Tahoma, centred, sizing to their text with the
// left edge fixed. The wider labels leave room for three digits. The given angle's caption is
// wider than a letter, so it grows to the right; at g the transversal runs close to the right,
// so there the given angle keeps the designed right edge and grows to the left instead.
struct AngleLabel {
    int left = 0;  // twips
    int top = 0;   // twips
    int width = 0; // twips, at design
    std::string_view designCaption;
    SizeGroup group = SizeGroup::Obtuse;
    bool givenKeepsRightEdge = false;
};

inline constexpr int kAngleLabelHeight = 345; // twips
inline constexpr double kAngleLabelDesignPoints = 14.25;
inline constexpr double kAngleLabelPoints = 14;       // once a question is set up
inline constexpr double kParallelQuestionPoints = 36; // Label1, once a question is set up

inline constexpr std::array<AngleLabel, kAngleCount> kAngleLabels{{
    {5625, 3390, 540, "999", SizeGroup::Obtuse},     // a: upper crossing, above, left
    {6810, 3390, 360, "99", SizeGroup::Acute},       // b: upper, above, right
    {5310, 3945, 360, "99", SizeGroup::Acute},       // c: upper, below, left
    {6285, 3945, 540, "999", SizeGroup::Obtuse},     // d: upper, below, right
    {4080, 4995, 540, "999", SizeGroup::Obtuse},     // e: lower, above, left
    {5190, 4995, 360, "99", SizeGroup::Acute},       // f: lower, above, right
    {3810, 5520, 360, "99", SizeGroup::Acute, true}, // g: lower, below, left
    {4665, 5520, 540, "999", SizeGroup::Obtuse},     // h: lower, below, right
}};

// Sizes the set-up step draws for the given angle, in whole degrees.
inline constexpr int kObtuseSmallest = 95;
inline constexpr int kObtuseCount = 80; // 95 to 174
inline constexpr int kAcuteSmallest = 10;
inline constexpr int kAcuteCount = 68; // 10 to 77

// "a" to "h".
std::string angleLetter(int index);

// The left edge, in twips, of label i once its caption is `width` twips wide, when the angle at
// `given` is the given one.
double angleLabelLeft(int index, int given, double width);

struct ParallelLinesQuestion {
    std::array<std::string, kAngleCount> captions; // Label7(0) to Label7(7)
    int given = 0;                                 // k, 0 to 7
    int size = 0;                                  // v, whole degrees
    std::string question;                          // Label1
};

// The set-up step: reseeds, draws the given index, then its size within its group's range.
ParallelLinesQuestion makeParallelLinesQuestion(shell::RandomSource& draws);

struct ParallelLinesSolution {
    std::array<double, kAngleCount> angles{}; // degrees, a to h
    int given = 0;
    std::string firstLine;  // Label6
    std::string secondLine; // Label9
};

// The answer for the captions as they stand. The given angle is the caption whose first
// character comes before "a" (the last such, should there be several; an empty caption is
// not one); its number is read from the caption. Without any such caption there is nothing to
// solve and the result is empty.
std::optional<ParallelLinesSolution> solveParallelLines(const std::array<std::string, kAngleCount>& captions);

} // namespace angles
