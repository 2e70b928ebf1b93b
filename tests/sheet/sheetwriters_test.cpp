#include "sheet/sheetwriters.h"

#include "registry/registry.h"

#include "shell/core/randomsource.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

const shell::Activity& activity(std::string_view sheet)
{
    return *registry::bySheetName(sheet);
}

TEST(SheetJson, StringsAreEscapedAndUtf8PassesThrough)
{
    struct Case {
        const char* name;
        std::string text;
        std::string json;
    };
    const Case cases[] = {
        {"plain", "x + 7", "\"x + 7\""},
        {"empty", "", "\"\""},
        {"degree sign and superscripts unchanged", "57° x² x³ ±2", "\"57° x² x³ ±2\""},
        {"four-byte character unchanged", "\xf0\x9f\x93\x90", "\"\xf0\x9f\x93\x90\""},
        {"quote and backslash", "a \"b\" \\c", "\"a \\\"b\\\" \\\\c\""},
        {"named control characters", "\n\r\t\b\f", "\"\\n\\r\\t\\b\\f\""},
        {"other control characters", std::string("\x01\x1f", 2) + std::string(1, '\0'),
         "\"\\u0001\\u001f\\u0000\""},
        {"delete is allowed as it is", "\x7f", "\"\x7f\""},
        {"stray continuation byte", "a\x80z", "\"a\\ufffdz\""},
        {"truncated sequence at the end", "a\xc2", "\"a\\ufffd\""},
        {"overlong encoding", "\xc0\xaf", "\"\\ufffd\\ufffd\""},
        {"surrogate half", "\xed\xa0\x80", "\"\\ufffd\\ufffd\\ufffd\""},
        {"past U+10FFFF", "\xf4\x90\x80\x80", "\"\\ufffd\\ufffd\\ufffd\\ufffd\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(shell::jsonString(c.text), c.json);
    }
}

TEST(SheetText, WrapsAtBlanksCountingCharactersNotBytes)
{
    struct Case {
        const char* name;
        std::string text;
        int columns;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"fits", "If the given angle = 57°", 24, {"If the given angle = 57°"}},
        {"breaks before the word that does not fit", "one two three", 8, {"one two", "three"}},
        {"degree signs count once", "°°°° °°°°", 9, {"°°°° °°°°"}},
        {"a long word stands alone", "a abcdefghij b", 5, {"a", "abcdefghij", "b"}},
        {"blanks inside a line are kept", "Range:  1, 2", 20, {"Range:  1, 2"}},
        {"empty", "", 10, {""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(sheet::wrapText(c.text, c.columns), c.lines);
    }
}

TEST(SheetText, QuestionsComeFirstThenTheAnswersUnderTheirNumbers)
{
    // Metric row 1 and a quantity of 57: 57 km to metres, 57000 m.
    shell::ScriptedDraws source({0.0f, 0.565f, 0.0f, 0.565f});
    std::ostringstream out;
    sheet::TextWriter writer(out, activity("units"), 0, 2);
    const auto questions = activity("units").questions();
    writer.add(questions->make(0, source));
    writer.add(questions->make(0, source));
    writer.finish();
    EXPECT_EQ(out.str(), "Units: Metric\n\n"
                         "Convert...\n\n"
                         "1. 57 km to metres\n\n"
                         "2. 57 km to metres\n\n"
                         "Answers\n\n"
                         "1. 57000 m\n"
                         "2. 57000 m\n");
}

TEST(SheetText, HiddenMappingColumnShowsQuestionMarks)
{
    // Find the Domain, kind 1 (x + c) with first value 1, c = 1, step 1.
    shell::ScriptedDraws source(std::vector<float>(10, 0.0f));
    std::ostringstream out;
    sheet::TextWriter writer(out, activity("mappings"), 1, 1);
    writer.add(activity("mappings").questions()->make(1, source));
    writer.finish();
    const std::string text = out.str();
    EXPECT_NE(text.find("1. x → x + 1\n   Domain: ?, ?, ?, ?, ?\n   Range:  2, 3, 4, 5, 6\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Answers\n\n1. Domain: 1, 2, 3, 4, 5\n"), std::string::npos) << text;
}

TEST(SheetText, AnswerKeyKeepsEveryAnswerLineUnderItsNumber)
{
    // Parallel lines, angle b given as 57°: the key's second line lines up under the first.
    shell::ScriptedDraws source({(1 + 0.5f) / 8, (47 + 0.5f) / 68});
    std::ostringstream out;
    sheet::TextWriter writer(out, activity("parallel-lines"), 0, 1);
    writer.add(activity("parallel-lines").questions()->make(0, source));
    writer.finish();
    const std::string key = out.str().substr(out.str().find("Answers"));
    EXPECT_NE(key.find("\n1. Given angle = 57°, a = 123°, c = 57°, d = 123°,"), std::string::npos) << key;
    EXPECT_NE(key.find("\n   e = 123°, f = 57°, g = 57°, h = 123°.\n"), std::string::npos) << key;
}

} // namespace
