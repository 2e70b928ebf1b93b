#include "sheet/sheetoptions.h"

#include <charconv>
#include <stdexcept>
#include <utility>

namespace sheet {
namespace {

constexpr std::array<ModeInfo, 4> kEstimationModes{{
    {"decimal-places", "Decimal Places"},
    {"significant-figures", "Significant Figures"},
    {"estimation", "Estimation"},
    {"mixed", "Mixed"},
}};

constexpr std::array<ModeInfo, 3> kMappingModes{{
    {"range", "Find the Range"},
    {"domain", "Find the Domain"},
    {"mixed", "Mixed"},
}};

constexpr std::array<ModeInfo, 4> kUnitModes{{
    {"metric", "Metric"},
    {"imperial", "Imperial"},
    {"compound", "Compound"},
    {"metric-imperial", "Metric and Imperial"},
}};

constexpr std::array<ModeInfo, 2> kPolygonModes{{
    {"triangles", "Triangles"},
    {"central-angle", "Central Angle"},
}};

constexpr std::array<ActivityInfo, 5> kActivities{{
    {Activity::Estimation, "estimation", "Estimation", kEstimationModes},
    {Activity::Mappings, "mappings", "Mappings", kMappingModes},
    {Activity::Units, "units", "Units", kUnitModes},
    {Activity::ParallelLines, "parallel-lines", "Angles and Parallel Lines", {}},
    {Activity::Polygons, "polygons", "Interior Angles of Polygons", kPolygonModes},
}};

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
    for (const ActivityInfo& info : kActivities)
        names.push_back(info.name);
    return names;
}

std::vector<std::string_view> modeNames(const ActivityInfo& info)
{
    std::vector<std::string_view> names;
    for (const ModeInfo& mode : info.modes)
        names.push_back(mode.name);
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

    const ActivityInfo* info = nullptr;
    for (const ActivityInfo& candidate : kActivities) {
        if (candidate.name == *typed.activity)
            info = &candidate;
    }
    if (!info)
        return ParseError{"unknown activity " + quoted(*typed.activity) + " (choose " +
                          choices(activityNames()) + ")"};
    options.activity = info->activity;

    if (typed.mode) {
        if (info->modes.empty())
            return ParseError{std::string(info->name) + " has no modes, so --mode does not apply"};
        const std::vector<std::string_view> names = modeNames(*info);
        int found = -1;
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (names[i] == *typed.mode)
                found = static_cast<int>(i);
        }
        if (found < 0)
            return ParseError{"unknown mode " + quoted(*typed.mode) + " for " + std::string(info->name) +
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

std::span<const ActivityInfo> activities()
{
    return kActivities;
}

const ActivityInfo& activityInfo(Activity activity)
{
    for (const ActivityInfo& info : kActivities) {
        if (info.activity == activity)
            return info;
    }
    throw std::out_of_range("not an activity");
}

std::string sheetTitle(Activity activity, int mode)
{
    const ActivityInfo& info = activityInfo(activity);
    std::string title(info.title);
    if (!info.modes.empty())
        title += ": " + std::string(info.modes[static_cast<std::size_t>(mode)].title);
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
    for (const ActivityInfo& info : kActivities) {
        std::string line = "  " + std::string(info.name);
        line.resize(18, ' ');
        if (info.modes.empty()) {
            line += "(no modes)";
        } else {
            std::vector<std::string_view> names = modeNames(info);
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
            "                    the same output byte for byte. Without it the clock seeds the\n"
            "                    questions, as on the screens\n"
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
            "JSON fields: activity, mode (null for parallel-lines), then\n"
            "  estimation      kind (1-5), instruction, question, answer, result (the \"= ...\" line\n"
            "                  of an estimate, else null)\n"
            "  mappings        kind (1-20), rule, domain (5 texts, top to bottom), range (5 texts),\n"
            "                  hidden (\"domain\" or \"range\")\n"
            "  units           row (1-based in its group), question, answer, reference (null,\n"
            "                  \"Imperial conversions\" or \"Approximate conversions\")\n"
            "  parallel-lines  given (0-7, a to h), labels (the eight angle captions), question,\n"
            "                  answer (the two answer lines)\n"
            "  polygons        kind (1 triangles, 2 central angle), sides (3-12), question,\n"
            "                  solution (a list of texts)\n"
            "\n"
            "Exit status: 0 on success; 2 for bad input (an unknown activity, mode, format or\n"
            "option, a bad count or seed, an output file that cannot be written), with a one-line\n"
            "message on standard error and no output file left behind; 1 for any other failure.\n"
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
