// Readers of the texts the class sees, shared by the activities' invariants for the volume run
// (tests/<folder>/invariants.cpp). Each reads a number form exactly, or rejects the text.
#pragma once

#include "shell/core/activity.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace reliability {

// A decimal read exactly: units / 10^scale.
__extension__ typedef __int128 Int;
struct Exact {
    Int units = 0;
    int scale = 0;
};

// Plain digits, at most one point and a hyphen-minus before a negative, as the older activities
// write numbers ("57.12", "-8", "0.000001"); no leading zero, no "-0", no blank.
std::optional<Exact> readDecimal(std::string_view text);

Int power10(int n);

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

// The pence a money text stands for: "65p", "£10", "£1.49", "£12,500"; nothing for any other
// form ("£0.65", "£4.5", "£1.00", "100p", "£1.49p").
std::optional<long long> readPence(std::string_view text);

} // namespace reliability
