#include "sheet/sheetwriters.h"

#include "registry/registry.h"

#include "shell/core/randomsource.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// The text sheet of `count` questions of an activity's mode, made from these draws.
std::string textSheet(std::string_view activity, int mode, int count, std::vector<float> draws)
{
    const shell::Activity& a = *registry::bySheetName(activity);
    shell::ScriptedDraws source(std::move(draws));
    std::ostringstream out;
    sheet::TextWriter writer(out, a, mode, count);
    const auto questions = a.questions();
    for (int i = 0; i < count; ++i)
        writer.add(questions->make(mode, source));
    writer.finish();
    return out.str();
}

// Text in, JSON string out: escapes as JSON needs, UTF-8 as it stands, each bad byte as U+FFFD.
TEST(SheetJson, StringsAreEscapedAndUtf8PassesThrough)
{
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"x + 7", "\"x + 7\""},
        {"", "\"\""},
        {"57° x² x³ ±2", "\"57° x² x³ ±2\""},
        {"\xf0\x9f\x93\x90", "\"\xf0\x9f\x93\x90\""},            // a four-byte character
        {"a \"b\" \\c", "\"a \\\"b\\\" \\\\c\""},
        {"\n\r\t\b\f", "\"\\n\\r\\t\\b\\f\""},
        {std::string("\x01\x1f\0", 3), "\"\\u0001\\u001f\\u0000\""}, // other control characters
        {"\x7f", "\"\x7f\""},                                        // delete is allowed as it is
        {"a\x80z", "\"a\\ufffdz\""},                                 // a stray continuation byte
        {"a\xc2", "\"a\\ufffd\""},                                   // cut short at the end
        {"\xc0\xaf", "\"\\ufffd\\ufffd\""},                          // an overlong encoding
        {"\xed\xa0\x80", "\"\\ufffd\\ufffd\\ufffd\""},               // a surrogate half
        {"\xf4\x90\x80\x80", "\"\\ufffd\\ufffd\\ufffd\\ufffd\""},    // past U+10FFFF
    };
    // clang-format on
    for (const auto& [text, json] : cases)
        EXPECT_EQ(shell::jsonString(text), json) << text;
}

// Lines break at blanks, counting characters, not bytes; a word longer than a line stands alone.
TEST(SheetText, WrapsAtBlanksCountingCharactersNotBytes)
{
    struct Case {
        std::string text;
        int columns;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"If the given angle = 57°", 24, {"If the given angle = 57°"}},
        {"one two three", 8, {"one two", "three"}},
        {"°°°° °°°°", 9, {"°°°° °°°°"}},
        {"a abcdefghij b", 5, {"a", "abcdefghij", "b"}},
        {"Range:  1, 2", 20, {"Range:  1, 2"}},
        {"", 10, {""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sheet::wrapText(c.text, c.columns), c.lines) << c.text;
}

TEST(SheetText, QuestionsComeFirstThenTheAnswersUnderTheirNumbers)
{
    // Metric row 1 and a quantity of 57: 57 km to metres, 57000 m.
    EXPECT_EQ(textSheet("units", 0, 2, {0.0f, 0.565f, 0.0f, 0.565f}),
              "Units: Metric\n\nConvert...\n\n1. 57 km to metres\n\n2. 57 km to metres\n\n"
              "Answers\n\n1. 57000 m\n2. 57000 m\n");
    // Find the Domain, kind 1 (x + c) with first value 1, c = 1, step 1.
    const std::string mapping = textSheet("mappings", 1, 1, std::vector<float>(10, 0.0f));
    EXPECT_NE(mapping.find("1. x → x + 1\n   Domain: ?, ?, ?, ?, ?\n   Range:  2, 3, 4, 5, 6\n"),
              std::string::npos)
        << mapping;
    EXPECT_NE(mapping.find("Answers\n\n1. Domain: 1, 2, 3, 4, 5\n"), std::string::npos) << mapping;
    // Parallel lines, angle b given as 57°: the key's second line lines up under the first.
    const std::string key = textSheet("parallel-lines", 0, 1, {(1 + 0.5f) / 8, (47 + 0.5f) / 68});
    EXPECT_NE(key.find("Answers\n\n1. Given angle = 57°, a = 123°, c = 57°, d = 123°,\n"
                       "   e = 123°, f = 57°, g = 57°, h = 123°.\n"),
              std::string::npos)
        << key;
}

} // namespace
