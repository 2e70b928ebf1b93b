// The number texts of the shell core: the general form, fixed patterns, reading a number back,
// character codes, and the forms the activities' texts write numbers in.
#include "shell/core/numberforms.h"
#include "shell/core/numbertext.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace numtext = shell::numtext;
namespace forms = shell::forms;

namespace {

struct Case {
    const char* name;
    double value;
    bool single;
    const char* pattern;
    const char* expected;
};

// The general form (no pattern) and fixed patterns of values in single or double precision.
TEST(NumberText, GeneralAndFixedForms)
{
    const Case cases[] = {
        {"five decimals between 10 and 100", 57.12345f, true, nullptr, "57.12345"},
        {"eight places after the point switch to exponent form", 0.01234567f, true, nullptr, "1.234567E-02"},
        {"seven places after the point stay plain", 0.1234567f, true, nullptr, "0.1234567"},
        {"one in the seventh place stays plain", 1e-7f, true, nullptr, "0.0000001"},
        {"two digits from the seventh place switch", 1.5e-7f, true, nullptr, "1.5E-07"},
        {"seven-digit whole number", 1234567.0f, true, nullptr, "1234567"},
        {"eight-digit whole number needs the exponent", 1e7f, true, nullptr, "1E+07"},
        {"eight digits are rounded to seven", 12345678.0f, true, nullptr, "1.234568E+07"},
        {"1.15 is not 1.149999976", 1.15f, true, nullptr, "1.15"},
        {"rounding to seven digits can carry", 100.99999f, true, nullptr, "101"},
        {"negative fraction", -0.25f, true, nullptr, "-0.25"},
        {"negative zero", -0.0f, true, nullptr, "0"},
        {"a millionth stays plain", 0.000001, false, nullptr, "0.000001"},
        {"product with binary noise", 7 * 3.6, false, nullptr, "25.2"},
        {"fifteen-digit whole number", 123456789012345.0, false, nullptr, "123456789012345"},
        {"sixteen digits need the exponent", 1e15, false, nullptr, "1E+15"},
        {"fifteen digits of a third", 1.0 / 3, false, nullptr, "0.333333333333333"},
        {"tiny value", 1e-16, false, nullptr, "1E-16"},
        {"three exponent digits", 1.5e-100, false, nullptr, "1.5E-100"},
        {"rounds from the general form's digits", 1.15, true, "0.0", "1.2"},
        {"keeps a trailing zero", 57 / 1.61, false, "0.00", "35.40"},
        {"half goes up", 2.5, true, "0", "3"},
        {"negative half goes away from zero", -2.5, true, "0", "-3"},
        {"below half goes down", 2.4999, true, "0", "2"},
        {"rounds to zero without a sign", -0.004, false, "0.00", "0.00"},
        {"five places of an exponent-form value", 0.01234567, true, "0.00000", "0.01235"},
        {"carry adds a digit before the point", 99.995, true, "0.00", "100.00"},
        {"value below the first kept place rounds up", 0.6, true, "0", "1"},
        {"far below the last place", 0.001, false, "0", "0"},
        {"seven decimals", 0.0352118, false, "0.0000000", "0.0352118"},
        {"half of the seventh place", 0.00000005, false, "0.0000000", "0.0000001"},
        {"padding beyond the significant digits", 123456789.0, false, "0.00", "123456789.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto single = static_cast<float>(c.value);
        if (c.pattern)
            EXPECT_EQ(c.single ? numtext::fixed(single, c.pattern) : numtext::fixed(c.value, c.pattern), c.expected);
        else
            EXPECT_EQ(c.single ? numtext::general(single) : numtext::general(c.value), c.expected);
    }
}

TEST(NumberText, BlankVariantsPrefixOnlyNonNegativeNumbersAndCharacterCodesRoundTrip)
{
    EXPECT_EQ(numtext::generalBlank(57.0f) + numtext::generalBlank(-3.5f) + numtext::generalBlank(0.0) +
                  numtext::generalBlank(-0.25),
              " 57-3.5 0-0.25");
    EXPECT_EQ(numtext::wholeBlank(123) + numtext::wholeBlank(0) + numtext::wholeBlank(-40) + numtext::whole(-40),
              " 123 0-40-40");
    const std::pair<const char*, int> codes[] = {{"a", 97},           {"h = 123", 104},     {" 57\xC2\xB0", 32},
                                                 {"\xC2\xB0", 176},    {"\xC2\xB1" "2", 177}, {"\xE2\x82\xAC", 0x20AC},
                                                 {"", -1}};
    for (const auto& [text, code] : codes)
        EXPECT_EQ(numtext::charCode(text), code) << text;
    for (int code : {32, 97, 176, 178, 0x20AC, 0x1F600})
        EXPECT_EQ(numtext::charCode(numtext::charText(code)), code);
    EXPECT_THROW(numtext::charText(-1), std::invalid_argument);
}

TEST(NumberText, FixedRejectsPatternsItCannotWrite)
{
    for (const char* pattern : {"", "0.", "#.##", "00.0", "0.0a", "0,00"}) {
        SCOPED_TRACE(pattern);
        EXPECT_THROW(numtext::fixed(1.0, pattern), std::invalid_argument);
    }
}

TEST(NumberText, ReadNumberStopsAtTheFirstCharacterThatCannotContinueIt)
{
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {" 123\xC2\xB0", 123}, {"-5", -5},  {"2.5x", 2.5}, {"  -0.25", -0.25}, {"12.3.4", 12.3},
        {"5.", 5},             {".5", 0.5}, {"1E5", 1},    {"abc", 0},         {"", 0},
        {"-", 0},              {".", 0},    {"- 5", 0},    {"   ", 0},         {"-0", 0},
        {"\xC2\xB1" "5", 0},   {"007", 7},  {"0.0996000", 0.0996},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(numtext::readNumber(c.text), c.expected);
    }
}

TEST(NumberForms, EachFormAsTheTextsWriteIt)
{
    // clang-format off
    const std::pair<std::string, const char*> cases[] = {
        {forms::N(7), "7"}, {forms::N(-61), "−61"}, {forms::N(9999), "9999"}, {forms::N(12500), "12,500"},
        {forms::N(-1234567), "−1,234,567"}, {forms::D(2.5), "2.5"}, {forms::D(-1.5), "−1.5"},
        {forms::D(3.375), "3.375"}, {forms::D(12500.0), "12,500"}, {forms::D(-0.0), "0"},
        {forms::R(3.0, 1), "3.0"}, {forms::R(0.4, 2), "0.40"}, {forms::R(2.675, 2), "2.68"},
        {forms::R(-5.315, 2), "−5.32"}, {forms::R(-0.004, 2), "0.00"}, {forms::R(9.96, 1), "10.0"},
        {forms::Fr(10, 24), "5/12"}, {forms::Fr(7, -2), "−7/2"}, {forms::Fr(12, 4), "3"},
        {forms::Ord(1), "1st"}, {forms::Ord(12), "12th"}, {forms::Ord(22), "22nd"},
        {forms::Ord(113), "113th"}, {forms::Br(-3), "(−3)"}, {forms::Br("−0.5"), "(−0.5)"},
        {forms::Br(3), "3"}, {forms::Sub(5, -3), "5 − (−3)"}, {forms::Sum({2, -6, 6}), "2 − 6 + 6"},
        {forms::M(65), "65p"}, {forms::M(1000), "£10"}, {forms::M(149), "£1.49"}, {forms::M(450), "£4.50"},
        {forms::C("€", 8050), "€80.50"}, {forms::C("$", 5200), "$52"}, {forms::C("¥", 1140000), "¥11,400"},
        {forms::moneyDigits("€", 8050), "80.50"},
    };
    // clang-format on
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(text, expected);
}

} // namespace
