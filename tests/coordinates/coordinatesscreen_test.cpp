// The Coordinates and Straight Lines screen through its real widgets in every mode: the points
// and the 18 pt working in the column right of the grid, the legs on Solution; and every text of
// many questions fitting its place.
#include "standardactivitytest.h"

#include "coordinates/activity.h"
#include "shell/toolkit/drawingview.h"

#include <variant>

namespace {

class CoordinatesScreen : public testing_support::StandardActivityTest {
protected:
    CoordinatesScreen() { coordinates::defineScreens(screens); }
};

TEST_F(CoordinatesScreen, EveryModeOnTheStandardFrame)
{
    walkEveryMode(coordinates::activities()[0], [](shell::StandardActivityScreen& s, bool solved) {
        EXPECT_EQ(s.question[1]->leftTwips(), 6120);
        EXPECT_EQ(s.question[1]->topTwips(), 1710);
        int orange = 0;
        for (const shell::Mark& mark : s.figure->drawing().marks) {
            const auto* line = std::get_if<shell::LineMark>(&mark);
            orange += line && line->colour == shell::colour::orange;
        }
        const shell::Json data = shell::Json(s.exercise().fields)["data"];
        const bool level = data["kind"].text() == "equation" && (data["ax"] == data["bx"] || data["ay"] == data["by"]);
        EXPECT_EQ(orange > 0, solved && !level) << "legs on Solution, none for level lines";
        if (solved) {
            EXPECT_EQ(s.working[0]->leftTwips(), 6120);
            EXPECT_EQ(s.working[1]->topTwips(), 2700 + 420);
            EXPECT_EQ(s.working[0]->font().pixelSize(), 24) << "18 pt";
        }
    });
}

TEST_F(CoordinatesScreen, EveryTextFits)
{
    expectEveryTextFits(coordinates::activities()[0], 2000);
}

} // namespace
