#include "sheet/sheetquestions.h"
#include "sheet/sheetwriters.h"

#include "shell/core/randomsource.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using sheet::Activity;

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
        EXPECT_EQ(sheet::jsonString(c.text), c.json);
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

// Enough copies of one draw for any question.
std::vector<float> draws(float r)
{
    return std::vector<float>(40, r);
}

// The lowest and highest draws reach the ends of each mode's range, which shows the mode reaches
// the generator with the settings the screen's mode button would give it.
TEST(SheetQuestions, ModesReachTheEndsOfTheirRanges)
{
    struct Case {
        const char* name;
        Activity activity;
        int mode;
        float draw;
        int kind; // estimation and mapping kind, unit row, polygon sides, given angle
    };
    constexpr float top = shell::kLargestDraw;
    const Case cases[] = {
        {"decimal places, lowest", Activity::Estimation, 0, 0, 1},
        {"decimal places, highest", Activity::Estimation, 0, top, 2},
        {"significant figures, lowest", Activity::Estimation, 1, 0, 3},
        {"significant figures, highest", Activity::Estimation, 1, top, 4},
        {"estimation, lowest", Activity::Estimation, 2, 0, 5},
        {"estimation, highest", Activity::Estimation, 2, top, 5},
        {"estimation mixed, lowest", Activity::Estimation, 3, 0, 1},
        {"estimation mixed, highest", Activity::Estimation, 3, top, 5},
        {"find the range, highest", Activity::Mappings, 0, top, 20},
        {"find the domain, highest", Activity::Mappings, 1, top, 18},
        {"mappings mixed, lowest", Activity::Mappings, 2, 0, 1},
        {"mappings mixed, highest", Activity::Mappings, 2, top, 16},
        {"metric, highest", Activity::Units, 0, top, 12},
        {"imperial, highest", Activity::Units, 1, top, 20},
        {"compound, highest", Activity::Units, 2, top, 6},
        {"metric and imperial, lowest", Activity::Units, 3, 0, 1},
        {"metric and imperial, highest", Activity::Units, 3, top, 8},
        {"parallel lines, lowest", Activity::ParallelLines, 0, 0, 0},
        {"parallel lines, highest", Activity::ParallelLines, 0, top, 7},
        {"triangles, lowest", Activity::Polygons, 0, 0, 3},
        {"central angle, highest", Activity::Polygons, 1, top, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shell::ScriptedDraws source(draws(c.draw));
        const sheet::Item item = sheet::makeItem(c.activity, c.mode, source);
        int kind = -1;
        if (const auto* q = std::get_if<estimation::Question>(&item))
            kind = q->kind;
        else if (const auto* q = std::get_if<mappings::Question>(&item))
            kind = q->kind;
        else if (const auto* q = std::get_if<units::Question>(&item))
            kind = q->row;
        else if (const auto* p = std::get_if<sheet::ParallelLinesItem>(&item))
            kind = p->question.given;
        else if (const auto* p = std::get_if<sheet::PolygonItem>(&item))
            kind = p->question.polygon.sides;
        EXPECT_EQ(kind, c.kind);
    }
}

TEST(SheetQuestions, PolygonSolutionsFollowTheKind)
{
    struct Case {
        const char* name;
        int mode;
        float draw;
        std::size_t texts;
        const char* first;
    };
    const Case cases[] = {
        {"triangle by triangles: no explanation", 0, 0, 1, "The sum of the angles of a triangle is 180°."},
        {"dodecagon by triangles: text and explanation", 0, shell::kLargestDraw, 2,
         "A regular dodecagon can be divided into ten"},
        {"central angle: one text", 1, 0, 1, "From the red isosceles triangle"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shell::ScriptedDraws source(draws(c.draw));
        const auto item = std::get<sheet::PolygonItem>(sheet::makeItem(Activity::Polygons, c.mode, source));
        EXPECT_EQ(item.kind, c.mode + 1);
        ASSERT_EQ(item.solution.size(), c.texts);
        EXPECT_TRUE(item.solution.front().starts_with(c.first)) << item.solution.front();
    }
    shell::ScriptedDraws source(draws(shell::kLargestDraw));
    const auto item = std::get<sheet::PolygonItem>(sheet::makeItem(Activity::Polygons, 0, source));
    EXPECT_EQ(item.solution[1],
              "As 10 times 180° equals 12 times the interior angle, the interior angle is 150°.");
}

TEST(SheetText, QuestionsComeFirstThenTheAnswersUnderTheirNumbers)
{
    // Metric row 1 and a quantity of 57: 57 km to metres, 57000 m.
    shell::ScriptedDraws source({0.0f, 0.565f, 0.0f, 0.565f});
    std::ostringstream out;
    sheet::TextWriter writer(out, Activity::Units, 0, 2);
    writer.add(sheet::makeItem(Activity::Units, 0, source));
    writer.add(sheet::makeItem(Activity::Units, 0, source));
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
    shell::ScriptedDraws source(draws(0));
    std::ostringstream out;
    sheet::TextWriter writer(out, Activity::Mappings, 1, 1);
    writer.add(sheet::makeItem(Activity::Mappings, 1, source));
    writer.finish();
    const std::string text = out.str();
    EXPECT_NE(text.find("1. x → x + 1\n   Domain: ?, ?, ?, ?, ?\n   Range:  2, 3, 4, 5, 6\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Answers\n\n1. Domain: 1, 2, 3, 4, 5\n"), std::string::npos) << text;
}

} // namespace
