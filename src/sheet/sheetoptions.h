// The worksheet program's command line: which activity and mode, how many questions, the seed,
// the format and where to write. Parsing never exits or prints; it hands back the options, a
// request for help, or a one-line message naming what was wrong. Activities and their modes
// come from the registry.
#pragma once

#include "shell/core/activity.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace sheet {

enum class Format { Text, Json, Pdf };

inline constexpr int kDefaultCount = 10;
inline constexpr int kMostQuestions = 1'000'000;
// A pdf is made whole in memory before it is written: 10,000 questions are some 5,000 pages.
inline constexpr int kMostPdfQuestions = 10'000;

struct Options {
    const shell::Activity* activity = nullptr;
    int mode = 0; // index into the activity's modes; 0 where it has none
    int count = kDefaultCount;
    std::optional<std::uint64_t> seed; // none: the clock seeds, as on the screens
    Format format = Format::Text;
    std::optional<std::string> output; // none or "-": standard output
};

struct HelpRequest {};

struct ParseError {
    std::string message; // one line, without the program's name
};

using ParseResult = std::variant<Options, HelpRequest, ParseError>;

// "Estimation: Decimal Places"; the topic's caption alone where there are no modes.
std::string sheetTitle(const shell::Activity& activity, int mode);

// Parses the arguments after the program's name.
ParseResult parseArguments(std::span<const std::string> arguments);

// The one-line synopsis that follows every mistake in the arguments.
std::string usageLine(std::string_view program);

// The whole --help text, ending in a newline.
std::string helpText(std::string_view program);

} // namespace sheet
