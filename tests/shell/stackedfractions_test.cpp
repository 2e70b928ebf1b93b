#include "shell/toolkit/stackedfractions.h"
#include "shell/toolkit/units.h"

#include <gtest/gtest.h>

namespace {

TEST(StackedFractions, LinesBreakAtBlanksButNeverInsideAMixedNumber)
{
    const QFont font = shell::makeFont({"Tahoma", 15.75});
    const QString text =
        QStringLiteral("the interior angle of the regular hendecagon, is 147 3/11° (about 147.3°).");
    int mostLines = 0;
    for (int width = 60; width <= 400; width += 5) {
        SCOPED_TRACE(width);
        const QStringList lines = shell::StackedFractionText(text, font, width, true).lines();
        EXPECT_EQ(lines.join(QLatin1Char(' ')), text);
        EXPECT_EQ(lines.filter(QStringLiteral("147 3/11°")).size(), 1);
        mostLines = std::max(mostLines, static_cast<int>(lines.size()));
    }
    EXPECT_GE(mostLines, 8) << "the narrowest width puts about a word on each line";
    EXPECT_EQ(shell::StackedFractionText(text, font, 60, false).lines(), QStringList{text});
}

TEST(StackedFractions, OnlyDigitsOverDigitsAreFractions)
{
    EXPECT_TRUE(shell::hasFraction(QStringLiteral("is 128 4/7°")));
    EXPECT_TRUE(shell::hasFraction(QStringLiteral("3/11 of it")));
    EXPECT_FALSE(shell::hasFraction(QStringLiteral("x/4")));
    EXPECT_FALSE(shell::hasFraction(QStringLiteral("50 km/h to m/sec")));
}

} // namespace
