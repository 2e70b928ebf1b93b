#include "shell/core/topictable.h"

namespace shell {

const std::array<TopicMenuRow, 5> kTopicMenus{{
    {"menu1",
     "Menu 1",
     5055,
     {{
         {"Arithmetic Progressions", "arithmeticprogressions",
          "Sequences that go up or down by the same step, their nth terms and their sums."},
         {"Geometric Progressions", "geometricprogressions",
          "Sequences that grow or shrink by the same factor, and their sums."},
         {"Perfect Numbers", "perfectnumbers",
          "Numbers equal to the sum of their proper factors, such as 6 and 28."},
         {"Angles and Parallel Lines", "parallel",
          "The eight angles where a line crosses two parallel lines."},
         {"Pairs and Triples", "pairsandtriples",
          "Number pairs and triples with special properties, such as Pythagorean triples."},
     }}},
    {"menu2",
     "Menu 2",
     4695,
     {{
         {"Quadratic Equations", "quadraticequations",
          "Solving quadratic equations by factorising, completing the square and the formula."},
         {"Trial and Improvement", "trialandimprovement",
          "Solving equations to a given accuracy by trial and improvement."},
         {"Circumcircles and Incircles", "circumcircles",
          "The circle through the corners of a triangle and the circle touching its sides."},
         {"Mappings", "mappings", "Mapping diagrams: find the range or the domain of a rule."},
         {"Probability", "probability", "The chances of events, from single events to combined outcomes."},
     }}},
    {"menu3",
     "Menu 3",
     4215,
     {{
         {"Finding A Percentage", "findingapercentage",
          "A percentage of an amount, and one amount as a percentage of another."},
         {"Money", "money", "Calculations with money: totals, change, best buys and interest."},
         {"Time", "time", "Reading and calculating with times, the 24-hour clock and timetables."},
         {"What Number?", "whatnumber", "Finding an unknown number from clues about it."},
         {"Units", "compoundunits",
          "Converting metric, imperial and compound units, and between metric and imperial."},
     }}},
    {"menu4",
     "Menu 4",
     5415,
     {{
         {"Hexadecimal Arithmetic", "hexadecimal", "Counting, adding and converting in base 16."},
         {"Beat the Clock", "beattheclock", "Quick-fire mental arithmetic against the clock."},
         {"Coordinates and Straight Lines", "coordinates",
          "Plotting points, and the equations of straight lines."},
         {"Mathematical Vocabulary", "vocabulary", "The words of mathematics and what they mean."},
         {"Polygonal Numbers", "polygonalnumbers",
          "Triangular, square and other polygonal numbers and their patterns."},
     }}},
    {"menu5",
     "Menu 5",
     5775,
     {{
         {"Data", "data", "Collecting, presenting and interpreting data: averages, range and charts."},
         {"Estimation", "sigfig",
          "Rounding to decimal places and significant figures, and estimating calculations."},
         {"Recurring Decimals", "recurringdecimals",
          "Fractions as recurring decimals, and recurring decimals back as fractions."},
         {"Interior Angles of Polygons", "polygons",
          "The interior angles of regular polygons, by triangles and by the angle at the centre."},
         {"Puzzles", "puzzles", "Number and logic puzzles for the whole class."},
     }}},
}};

std::optional<int> menuOfScreen(std::string_view screen)
{
    for (int menu = 0; menu < static_cast<int>(kTopicMenus.size()); ++menu) {
        for (const Topic& topic : kTopicMenus[menu].topics) {
            if (topic.screen == screen)
                return menu + 1;
        }
    }
    return std::nullopt;
}

const Topic* topicOfScreen(std::string_view screen)
{
    for (const TopicMenuRow& row : kTopicMenus) {
        for (const Topic& topic : row.topics) {
            if (topic.screen == screen)
                return &topic;
        }
    }
    return nullptr;
}

} // namespace shell
