// What must hold of every question the program shows, checked from its texts alone. Each check
// reads what the class sees, works the answer out again exactly (whole numbers and decimal
// fractions, never the generators' floating point or their routines) and returns what is wrong,
// or an empty text when everything holds.
#pragma once

#include "shell/core/activity.h"
#include "shell/core/drawing.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace reliability {

// Estimation. mode: 1 Decimal Places, 2 Significant Figures, 3 Estimation, 4 Mixed.
struct EstimationTexts {
    std::string instruction;
    std::string question;
    std::string answer;
    std::optional<std::string> result; // the "= ..." line, checked for estimates
};
bool isEstimateInstruction(const std::string& instruction);
std::string checkEstimation(const EstimationTexts& texts, int mode);

// Mappings. mode: 1 Find the Range, 2 Find the Domain, 3 Mixed.
struct MappingTexts {
    std::string rule;
    std::array<std::string, 5> domain;
    std::array<std::string, 5> range;
};
std::string checkMapping(const MappingTexts& texts, int mode);

// Units. mode: 1 Metric, 2 Imperial, 3 Compound, 4 Metric and Imperial.
std::string checkConversion(const std::string& question, const std::string& answer, int mode);

// Parallel lines: the captions of the angles a to h as they stand.
using AngleCaptions = std::array<std::string, 8>;
std::string checkParallelQuestion(const AngleCaptions& captions, const std::string& question);
std::string checkParallelAnswer(const AngleCaptions& captions, const std::string& firstLine,
                                const std::string& secondLine);

// Polygons: how many sides the question asks about, or 0 when it names no polygon.
int polygonSidesAsked(const std::string& question);
std::string checkTrianglesSolution(int sides, const std::string& text, const std::string& explanation);
std::string checkCentreAngleSolution(int sides, const std::string& text);

// A figure of a regular polygon of that many sides about the centre (6000, 4500) twips at radius
// 2250: its yellow outline, and exactly that many black, red and green lines besides.
struct FigureCounts {
    int black = 0;
    int red = 0;
    int green = 0;
};
std::string checkPolygonFigure(const shell::Figure& figure, int sides, FigureCounts others);

// The activities' whole numbers: digits, "−" (U+2212) before a negative, commas between groups of
// three from 10,000 up ("7", "−61", "9999", "12,500"); nullopt for any other text.
std::optional<long long> readN(std::string_view text);

// The parts of a text between the separators: "1, 2, 3" at ", " is "1", "2", "3".
std::vector<std::string> split(std::string_view text, std::string_view separator);

// The whole numbers (N) between the separators, or nullopt when a part is not one.
std::optional<std::vector<long long>> readNs(std::string_view text, std::string_view separator);

// Empty when the question's data.kind is its mode's sheet name, or in a Mixed mode one of the
// other modes' names; else what is wrong.
std::string checkKind(const shell::Activity& activity, int mode, const shell::Exercise& exercise);

// Empty when the working's cells are the factor pairs "f × n/f" of n with f ≤ n/f, f increasing,
// each once; else what is wrong.
std::string checkFactorPairs(const std::vector<shell::Line>& working, long long n);

// The pence a money text stands for: "65p", "£10", "£1.49", "£12,500"; nothing for any other
// form ("£0.65", "£4.5", "£1.00", "100p", "£1.49p").
std::optional<long long> readPence(std::string_view text);

} // namespace reliability
