// The Units activity's question generator: one conversion question at a time from a fixed table
// of 46 conversions in four groups, with the reference facts that go beside the question.
#pragma once

#include "shell/core/randomsource.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace units {

// The group of conversions asked; the values are the screen's mode numbers.
enum class Mode { Metric, Imperial, Compound, MetricImperial };

// The reference frame shown with an open question.
enum class Reference { None, Imperial, Approximate };

struct Question {
    Mode mode = Mode::Metric;
    int row = 0;          // 1-based within the mode's group
    std::string question; // "57 km to metres"
    std::string answer;   // "57000 m"
    Reference reference = Reference::None;
};

// Makes the next question: reseeds the source, then draws the row and then the quantity.
Question calculate(Mode mode, shell::RandomSource& draws);

// The frame that goes with a mode's questions.
Reference referenceFor(Mode mode);

// One fact of a reference frame: a `Label5` element, placed inside its frame (twips).
struct ReferenceFact {
    int index;
    std::string_view caption;
    int left;
    int top;
};

// Every fact label has the same size (twips).
inline constexpr int kFactWidth = 3000;
inline constexpr int kFactHeight = 405;

inline constexpr std::array<ReferenceFact, 7> kImperialFacts{{
    {0, "1 mile = 1760 yards", 300, 390},
    {1, "1 yard = 3 feet", 300, 1005},
    {2, "1 foot = 12 inches", 300, 1635},
    {3, "1 mile = 8 furlongs", 300, 2250},
    {4, "1 furlong = 40 poles", 300, 2880},
    {5, "1 chain = 22 yards", 300, 3495},
    {6, "1 chain = 100 links", 300, 4125},
}};

inline constexpr std::array<ReferenceFact, 4> kApproximateFacts{{
    {13, "1 inch = 2.54 cm", 300, 390},
    {12, "1 foot = 30.48 cm", 300, 1005},
    {11, "1 yard = 91.44 cm", 315, 1635},
    {10, "1 mile = 1.61 km", 300, 2250},
}};

struct ReferenceFrame {
    std::string_view caption;
    std::span<const ReferenceFact> facts;
};

// The caption and facts of a frame; Reference::None gives an empty caption and no facts.
constexpr ReferenceFrame referenceFrame(Reference reference)
{
    switch (reference) {
    case Reference::Imperial:
        return {"Imperial conversions", kImperialFacts};
    case Reference::Approximate:
        return {"Approximate conversions", kApproximateFacts};
    case Reference::None:
        break;
    }
    return {};
}

} // namespace units
