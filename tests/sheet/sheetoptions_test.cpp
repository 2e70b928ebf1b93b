#include "sheet/sheetoptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What a command line comes to: "help", the options it chooses ("units 3 25 seed 7 json u.json":
// activity, mode, count, seed ("-" for none), format, output ("<none>" for standard output), or
// "error: " and its message.
std::string outcome(const std::vector<std::string>& arguments)
{
    const sheet::ParseResult result = sheet::parseArguments(arguments);
    if (std::holds_alternative<sheet::HelpRequest>(result))
        return "help";
    if (const auto* error = std::get_if<sheet::ParseError>(&result))
        return "error: " + error->message;
    const auto& o = std::get<sheet::Options>(result);
    const char* const formats[] = {"text", "json", "pdf"};
    return std::string(o.activity->sheet) + " " + std::to_string(o.mode) + " " + std::to_string(o.count) +
           " seed " + (o.seed ? std::to_string(*o.seed) : "-") + " " + formats[int(o.format)] + " " +
           o.output.value_or("<none>");
}

TEST(SheetOptions, EachCommandLineChoosesItsOptionsOrNamesWhatWasWrong)
{
    // A good command line's whole outcome; part of a bad one's message, which is one line.
    // clang-format off
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"estimation"}, "estimation 0 10 seed - text <none>"},
        {{"units", "--mode", "metric-imperial", "--count", "25", "--seed", "7", "--format", "json",
          "--output", "u.json"}, "units 3 25 seed 7 json u.json"},
        {{"--count=1", "--mode=domain", "mappings"}, "mappings 1 1 seed - text <none>"},
        {{"polygons", "--count", "1000000", "--seed", "18446744073709551615"},
         "polygons 0 1000000 seed 18446744073709551615 text <none>"},
        {{"parallel-lines", "--count", "007"}, "parallel-lines 0 7 seed - text <none>"},
        {{"units", "--seed", "0"}, "units 0 10 seed 0 text <none>"},
        {{"estimation", "--format", "pdf", "--output", "e.pdf", "--count", "10000"},
         "estimation 0 10000 seed - pdf e.pdf"},
        // A dash is standard output.
        {{"estimation", "--format", "pdf", "--output", "-"}, "estimation 0 10 seed - pdf <none>"},
        // Help wins over everything else.
        {{"--help"}, "help"},
        {{"nonsense", "--count", "0", "-h"}, "help"},
        {{}, "error: no activity given (choose estimation, mappings"},
        {{"angles"}, "error: unknown activity \"angles\""},
        {{"Estimation"}, "error: unknown activity \"Estimation\""},
        {{"units", "mappings"}, "error: unexpected argument \"mappings\""},
        {{"mappings", "--mode", "metric"},
         "error: unknown mode \"metric\" for mappings (choose range, domain or mixed)"},
        {{"parallel-lines", "--mode", "mixed"}, "error: parallel-lines has no modes"},
        {{"units", "--count", "0"}, "error: --count must be a whole number from 1 to 1,000,000, not \"0\""},
        {{"units", "--count", "1000001"}, "error: not \"1000001\""},
        {{"units", "--count", "-3"}, "error: not \"-3\""},
        {{"units", "--count", "+3"}, "error: not \"+3\""},
        {{"units", "--count", "2.5"}, "error: not \"2.5\""},
        {{"units", "--count", "ten"}, "error: not \"ten\""},
        {{"units", "--count="}, "error: not \"\""},
        {{"units", "--count", "99999999999999999999"}, "error: --count must be"},
        {{"units", "--seed", "abc"}, "error: --seed must be a whole number"},
        {{"units", "--seed", "-1"}, "error: --seed must be a whole number"},
        {{"units", "--seed", "18446744073709551616"}, "error: --seed must be a whole number"},
        {{"units", "--format", "html"}, "error: unknown format \"html\" (choose text, json or pdf)"},
        {{"units", "--colour", "red"}, "error: unknown option \"--colour\""},
        {{"units", "-c"}, "error: unknown option \"-c\""},
        {{"units", "--count"}, "error: --count needs a value"},
        {{"units", "--seed", "1", "--seed", "2"}, "error: --seed is given more than once"},
        {{"units", "--output", ""}, "error: --output needs a file name"},
        {{"units", "--format", "pdf"}, "error: a pdf worksheet needs --output FILE"},
        {{"units", "--format", "pdf", "--output", "u.pdf", "--count", "10001"},
         "error: a pdf worksheet holds at most 10,000 questions, not \"10001\""},
    };
    // clang-format on
    for (const auto& [arguments, expected] : cases) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        const std::string result = outcome(arguments);
        if (!expected.starts_with("error: "))
            EXPECT_EQ(result, expected);
        else
            EXPECT_TRUE(result.starts_with("error: ") && result.find(expected.substr(7)) != result.npos &&
                        result.find('\n') == result.npos)
                << result;
    }
}

} // namespace
