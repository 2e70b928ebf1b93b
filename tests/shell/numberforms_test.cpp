#include "shell/core/numberforms.h"

#include <gtest/gtest.h>

#include <string>

namespace {

namespace forms = shell::forms;

TEST(NumberForms, EachFormAsTheTextsWriteIt)
{
    struct Case {
        const char* name;
        std::string text;
        std::string expected;
    };
    // clang-format off
    const Case cases[] = {
        {"whole", forms::N(7), "7"},
        {"negative whole", forms::N(-61), "−61"},
        {"no comma below 10,000", forms::N(9999), "9999"},
        {"commas from 10,000", forms::N(12500), "12,500"},
        {"commas in millions", forms::N(-1234567), "−1,234,567"},
        {"decimal", forms::D(2.5), "2.5"},
        {"negative decimal", forms::D(-1.5), "−1.5"},
        {"three decimals", forms::D(3.375), "3.375"},
        {"whole decimal is N", forms::D(12500.0), "12,500"},
        {"negative zero decimal", forms::D(-0.0), "0"},
        {"rounded keeps its zero", forms::R(3.0, 1), "3.0"},
        {"rounded adds zeros", forms::R(0.4, 2), "0.40"},
        {"half away from zero", forms::R(2.675, 2), "2.68"},
        {"negative half away from zero", forms::R(-5.315, 2), "−5.32"},
        {"never minus zero", forms::R(-0.004, 2), "0.00"},
        {"carry into a new digit", forms::R(9.96, 1), "10.0"},
        {"fraction in lowest terms", forms::Fr(10, 24), "5/12"},
        {"negative fraction, sign in front", forms::Fr(7, -2), "−7/2"},
        {"whole fraction", forms::Fr(12, 4), "3"},
        {"ordinal 1st", forms::Ord(1), "1st"},
        {"ordinal 12th", forms::Ord(12), "12th"},
        {"ordinal 22nd", forms::Ord(22), "22nd"},
        {"ordinal 113th", forms::Ord(113), "113th"},
        {"bracketed negative", forms::Br(-3), "(−3)"},
        {"bracketed text", forms::Br("−0.5"), "(−0.5)"},
        {"positive not bracketed", forms::Br(3), "3"},
        {"subtracting a negative", forms::Sub(5, -3), "5 − (−3)"},
        {"sum of signed terms", forms::Sum({2, -6, 6}), "2 − 6 + 6"},
        {"pence", forms::M(65), "65p"},
        {"whole pounds", forms::M(1000), "£10"},
        {"pounds and pence", forms::M(149), "£1.49"},
        {"pounds and ten pence", forms::M(450), "£4.50"},
        {"euros", forms::C("€", 8050), "€80.50"},
        {"whole dollars", forms::C("$", 5200), "$52"},
        {"yen always whole", forms::C("¥", 1140000), "¥11,400"},
        {"money digits", forms::moneyDigits("€", 8050), "80.50"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.text, c.expected);
    }
}

} // namespace
