#include "sheet/sheetoptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using sheet::Format;

sheet::ParseResult parse(std::vector<std::string> arguments)
{
    return sheet::parseArguments(arguments);
}

TEST(SheetOptions, GoodCommandLines)
{
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        const char* activity;
        int mode;
        int count;
        std::optional<std::uint64_t> seed;
        Format format;
        std::optional<std::string> output;
    };
    const std::optional<std::string> none;
    // clang-format off
    const Case cases[] = {
        {"defaults", {"estimation"}, "estimation", 0, 10, {}, Format::Text, none},
        {"every option", {"units", "--mode", "metric-imperial", "--count", "25", "--seed", "7", "--format",
                          "json", "--output", "u.json"},
         "units", 3, 25, 7, Format::Json, "u.json"},
        {"options before the activity, with equals signs", {"--count=1", "--mode=domain", "mappings"},
         "mappings", 1, 1, {}, Format::Text, none},
        {"the largest count and seed", {"polygons", "--count", "1000000", "--seed", "18446744073709551615"},
         "polygons", 0, 1'000'000, 18446744073709551615ULL, Format::Text, none},
        {"a count with leading zeros", {"parallel-lines", "--count", "007"},
         "parallel-lines", 0, 7, {}, Format::Text, none},
        {"seed zero", {"units", "--seed", "0"}, "units", 0, 10, 0, Format::Text, none},
        {"the largest pdf", {"estimation", "--format", "pdf", "--output", "e.pdf", "--count", "10000"},
         "estimation", 0, 10'000, {}, Format::Pdf, "e.pdf"},
        {"a dash is standard output", {"estimation", "--format", "pdf", "--output", "-"},
         "estimation", 0, 10, {}, Format::Pdf, none},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const sheet::ParseResult result = parse(c.arguments);
        ASSERT_TRUE(std::holds_alternative<sheet::Options>(result))
            << std::get<sheet::ParseError>(result).message;
        const auto& options = std::get<sheet::Options>(result);
        EXPECT_EQ(options.activity->sheet, c.activity);
        EXPECT_EQ(options.mode, c.mode);
        EXPECT_EQ(options.count, c.count);
        EXPECT_EQ(options.seed, c.seed);
        EXPECT_EQ(options.format, c.format);
        EXPECT_EQ(options.output, c.output);
    }
}

TEST(SheetOptions, BadCommandLinesNameWhatWasWrong)
{
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        const char* message;
    };
    const Case cases[] = {
        {"no activity",
         {},
         "no activity given (choose estimation, mappings"},
        {"unknown activity", {"angles"}, "unknown activity \"angles\""},
        {"activity in capitals", {"Estimation"}, "unknown activity \"Estimation\""},
        {"two activities", {"units", "mappings"}, "unexpected argument \"mappings\""},
        {"unknown mode",
         {"mappings", "--mode", "metric"},
         "unknown mode \"metric\" for mappings (choose range, domain or mixed)"},
        {"a mode for parallel lines", {"parallel-lines", "--mode", "mixed"}, "parallel-lines has no modes"},
        {"count zero",
         {"units", "--count", "0"},
         "--count must be a whole number from 1 to 1,000,000, not \"0\""},
        {"count above a million", {"units", "--count", "1000001"}, "not \"1000001\""},
        {"negative count", {"units", "--count", "-3"}, "not \"-3\""},
        {"count with a sign", {"units", "--count", "+3"}, "not \"+3\""},
        {"decimal count", {"units", "--count", "2.5"}, "not \"2.5\""},
        {"count in words", {"units", "--count", "ten"}, "not \"ten\""},
        {"empty count", {"units", "--count="}, "not \"\""},
        {"count too large for a number", {"units", "--count", "99999999999999999999"}, "--count must be"},
        {"seed not a number", {"units", "--seed", "abc"}, "--seed must be a whole number"},
        {"negative seed", {"units", "--seed", "-1"}, "--seed must be a whole number"},
        {"seed past 64 bits", {"units", "--seed", "18446744073709551616"}, "--seed must be a whole number"},
        {"unknown format",
         {"units", "--format", "html"},
         "unknown format \"html\" (choose text, json or pdf)"},
        {"unknown option", {"units", "--colour", "red"}, "unknown option \"--colour\""},
        {"unknown short option", {"units", "-c"}, "unknown option \"-c\""},
        {"option without its value", {"units", "--count"}, "--count needs a value"},
        {"option given twice", {"units", "--seed", "1", "--seed", "2"}, "--seed is given more than once"},
        {"empty output name", {"units", "--output", ""}, "--output needs a file name"},
        {"pdf without a file", {"units", "--format", "pdf"}, "a pdf worksheet needs --output FILE"},
        {"pdf past its most questions",
         {"units", "--format", "pdf", "--output", "u.pdf", "--count", "10001"},
         "a pdf worksheet holds at most 10,000 questions, not \"10001\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const sheet::ParseResult result = parse(c.arguments);
        ASSERT_TRUE(std::holds_alternative<sheet::ParseError>(result));
        const std::string& message = std::get<sheet::ParseError>(result).message;
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << "one line";
    }
}

TEST(SheetOptions, HelpWinsOverEverythingElse)
{
    EXPECT_TRUE(std::holds_alternative<sheet::HelpRequest>(parse({"--help"})));
    EXPECT_TRUE(std::holds_alternative<sheet::HelpRequest>(parse({"nonsense", "--count", "0", "-h"})));
}

} // namespace
