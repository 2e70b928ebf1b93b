#include "sheet/sheetoptions.h"

#include "registry/registry.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>
#include <stdexcept>
#include <utility>

namespace sheet {
namespace {

constexpr std::array<std::pair<std::string_view, Format>, 3> kFormats{{
    {"text", Format::Text},
    {"json", Format::Json},
    {"pdf", Format::Pdf},
}};

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

// "a, b or c"
template <typename Names>
std::string choices(const Names& names)
{
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            list += i + 1 == names.size() ? " or " : ", ";
        list += names[i];
    }
    return list;
}

std::vector<std::string_view> activityNames()
{
    std::vector<std::string_view> names;
    for (const shell::Activity* activity : registry::activities())
        names.push_back(activity->sheet);
    return names;
}

std::vector<std::string_view> modeNames(const shell::Activity& activity)
{
    std::vector<std::string_view> names;
    for (const shell::Mode& mode : activity.modes)
        names.push_back(mode.sheetName);
    return names;
}

// Plain decimal digits only: no sign, blank, point or exponent.
template <typename Number>
std::optional<Number> readWhole(std::string_view text)
{
    Number value{};
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The options as typed, before they are checked against each other.
struct Typed {
    std::optional<std::string> activity;
    std::optional<std::string> mode;
    std::optional<std::string> count;
    std::optional<std::string> seed;
    std::optional<std::string> format;
    std::optional<std::string> output;
};

std::optional<std::string>* typedValue(Typed& typed, std::string_view option)
{
    if (option == "--mode")
        return &typed.mode;
    if (option == "--count")
        return &typed.count;
    if (option == "--seed")
        return &typed.seed;
    if (option == "--format")
        return &typed.format;
    if (option == "--output")
        return &typed.output;
    return nullptr;
}

ParseResult check(const Typed& typed)
{
    Options options;
    if (!typed.activity)
        return ParseError{"no activity given (choose " + choices(activityNames()) + ")"};

    const shell::Activity* info = registry::bySheetName(*typed.activity);
    if (!info)
        return ParseError{"unknown activity " + quoted(*typed.activity) + " (choose " +
                          choices(activityNames()) + ")"};
    options.activity = info;

    if (typed.mode) {
        if (info->modes.empty())
            return ParseError{std::string(info->sheet) + " has no modes, so --mode does not apply"};
        const std::vector<std::string_view> names = modeNames(*info);
        int found = -1;
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (names[i] == *typed.mode)
                found = static_cast<int>(i);
        }
        if (found < 0)
            return ParseError{"unknown mode " + quoted(*typed.mode) + " for " + std::string(info->sheet) +
                              " (choose " + choices(names) + ")"};
        options.mode = found;
    }

    if (typed.count) {
        const std::optional<int> count = readWhole<int>(*typed.count);
        if (!count || *count < 1 || *count > kMostQuestions)
            return ParseError{"--count must be a whole number from 1 to 1,000,000, not " +
                              quoted(*typed.count)};
        options.count = *count;
    }

    if (typed.seed) {
        options.seed = readWhole<std::uint64_t>(*typed.seed);
        if (!options.seed)
            return ParseError{"--seed must be a whole number from 0 to 18446744073709551615, not " +
                              quoted(*typed.seed)};
    }

    if (typed.format) {
        bool known = false;
        for (const auto& [name, format] : kFormats) {
            if (name == *typed.format) {
                options.format = format;
                known = true;
            }
        }
        if (!known)
            return ParseError{"unknown format " + quoted(*typed.format) + " (choose text, json or pdf)"};
    }

    if (typed.output) {
        if (typed.output->empty())
            return ParseError{"--output needs a file name"};
        if (*typed.output != "-")
            options.output = typed.output;
    }
    if (options.format == Format::Pdf && !options.output && typed.output.value_or("") != "-")
        return ParseError{"a pdf worksheet needs --output FILE (or --output - for standard output)"};
    if (options.format == Format::Pdf && options.count > kMostPdfQuestions)
        return ParseError{"a pdf worksheet holds at most 10,000 questions, not " + quoted(*typed.count)};
    return options;
}

} // namespace

std::string sheetTitle(const shell::Activity& activity, int mode)
{
    std::string title(activity.caption);
    if (!activity.modes.empty())
        title += ": " + std::string(activity.modes[static_cast<std::size_t>(mode)].title());
    return title;
}

ParseResult parseArguments(std::span<const std::string> arguments)
{
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h")
            return HelpRequest{};
    }

    Typed typed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!argument.starts_with("-") || argument == "-") {
            if (typed.activity)
                return ParseError{"unexpected argument " + quoted(argument) +
                                  " (only one activity can be given)"};
            typed.activity = argument;
            continue;
        }

        // Both "--count 5" and "--count=5".
        const std::size_t equals = argument.find('=');
        const std::string option = argument.substr(0, equals);
        std::optional<std::string>* value = typedValue(typed, option);
        if (!value)
            return ParseError{"unknown option " + quoted(option)};
        if (value->has_value())
            return ParseError{option + " is given more than once"};
        if (equals != std::string::npos) {
            *value = argument.substr(equals + 1);
        } else {
            if (i + 1 == arguments.size())
                return ParseError{option + " needs a value"};
            *value = arguments[++i];
        }
    }

    return check(typed);
}

std::string usageLine(std::string_view program)
{
    return "Usage: " + std::string(program) +
           " ACTIVITY [--mode MODE] [--count N] [--seed S] [--format text|json|pdf]"
           " [--output FILE]  (see --help)";
}

namespace {

// A name in the help's first column, padded to where the second column starts.
std::string column(std::string_view name)
{
    std::string text = "  " + std::string(name);
    text.resize(std::max<std::size_t>(text.size() + 1, 18), ' ');
    return text;
}

} // namespace

std::string helpText(std::string_view program)
{
    const std::string name(program);
    std::string text =
        "Usage: " + name +
        " ACTIVITY [--mode MODE] [--count N] [--seed S] [--format text|json|pdf] [--output FILE]\n"
        "\n"
        "Makes a worksheet of questions from one of Chalkface's activities, with the same\n"
        "generators the screens use, and writes it with its answers.\n"
        "\n"
        "Activities and their modes (the first mode is the default):\n";
    for (const shell::Activity* activity : registry::activities()) {
        std::string line = column(activity->sheet);
        if (activity->modes.empty()) {
            line += "(no modes)";
        } else {
            const std::vector<std::string_view> names = modeNames(*activity);
            for (std::size_t i = 0; i < names.size(); ++i)
                line += (i > 0 ? ", " : "") + std::string(names[i]);
        }
        text += line + "\n";
    }
    text += "\n"
            "Options:\n"
            "  --mode MODE       which questions of the activity to ask (see above)\n"
            "  --count N         how many questions, a whole number from 1 to 1,000,000 (default 10);\n"
            "                    a pdf holds at most 10,000\n"
            "  --seed S          a whole number from 0 to 18446744073709551615; the same seed gives\n"
            "                    the same output byte for byte. Without it a seed is drawn at\n"
            "                    random; a pdf prints its seed in every page's footer\n"
            "  --format FORMAT   text (default): numbered questions, then the answers\n"
            "                    json: JSON Lines, one object per question, every text as the\n"
            "                      screen shows it\n"
            "                    pdf: an A4 worksheet for pupils to write on, with the answer key\n"
            "                      on a page of its own\n"
            "  --output FILE     write to FILE instead of standard output; a pdf needs one\n"
            "                    (\"-\" is standard output). FILE is replaced only once the whole\n"
            "                    worksheet has been written\n"
            "  -h, --help        show this help and exit\n"
            "  Options may also be written --option=VALUE.\n"
            "\n"
            "JSON fields: activity, mode (null for an activity without modes), then\n";
    for (const shell::Activity* activity : registry::activities()) {
        // Each further line of an activity's fields stands under its first.
        std::string fields(activity->jsonHelp);
        for (std::size_t at = fields.find('\n'); at != std::string::npos; at = fields.find('\n', at + 1))
            fields.insert(at + 1, column(""));
        text += column(activity->sheet) + fields + "\n";
    }
    text += "\n"
            "Exit status: 0 on success; 2 for bad input (an unknown activity, mode, format or\n"
            "option, a bad count or seed: a one-line message and the usage line; an output file\n"
            "that cannot be made: a one-line message with the system's reason); 1 for any other\n"
            "failure, such as a full disk or a closed standard output. A run that fails or is\n"
            "interrupted leaves no output file behind, and an earlier one as it was.\n"
            "\n"
            "Examples:\n"
            "  " +
            name +
            " estimation --mode mixed --count 20\n"
            "  " +
            name +
            " mappings --mode domain --seed 42 --format json\n"
            "  " +
            name + " polygons --mode central-angle --format pdf --output polygons.pdf\n";
    return text;
}

} // namespace sheet
