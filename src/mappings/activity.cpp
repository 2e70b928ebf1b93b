#include "mappings/activity.h"

#include "mappings/mappingquestions.h"

#include <array>

namespace mappings {
namespace {

using shell::Drawing;
using shell::TwipRect;

constexpr std::array<shell::Mode, 3> kModes{{
    {"Find the Range", "range"},
    {"Find the Domain", "domain"},
    {"Mixed", "mixed"},
}};

std::string joined(const std::array<std::string, 5>& values)
{
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i)
        text += (i > 0 ? ", " : "") + values[i];
    return text;
}

// The diagram in twips: the two columns, each value in a row of its own, and an arrow from each
// domain value to its image. The hidden column shows an empty box in each row.
constexpr double kColumnWidth = 1500;
constexpr double kRowPitch = 600;
constexpr double kColumnTop = 450;
constexpr double kColumnPadding = 150;
constexpr double kDomainLeft = 300;
constexpr double kRangeLeft = 3300;
constexpr shell::FontStyle kValueFont{18};
constexpr shell::FontStyle kHeadingFont{15.75, true};

void drawColumn(Drawing& drawing, double left, const char* heading, const std::array<std::string, 5>& values,
                bool hidden)
{
    drawing.add(shell::TextMark{{left, 0, kColumnWidth, 400}, heading, kHeadingFont, shell::colour::white});
    drawing.add(shell::BoxMark{{left, kColumnTop, kColumnWidth, 5 * kRowPitch + 2 * kColumnPadding},
                               std::nullopt, shell::colour::white, 30});
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double top = kColumnTop + kColumnPadding + kRowPitch * static_cast<double>(i);
        if (hidden)
            drawing.add(shell::BoxMark{{left + 300, top + 90, kColumnWidth - 600, kRowPitch - 180},
                                       std::nullopt, shell::colour::white, 15});
        else
            drawing.add(shell::TextMark{{left, top, kColumnWidth, kRowPitch}, values[i], kValueFont,
                                        shell::colour::yellow});
    }
}

Drawing diagram(const Question& q, shell::FigureState state)
{
    const bool solved = state == shell::FigureState::Solution;
    Drawing drawing;
    drawing.area = {0, 0, kRangeLeft + kColumnWidth + kDomainLeft, kColumnTop + 5 * kRowPitch + 2 * kColumnPadding};
    drawColumn(drawing, kDomainLeft, "Domain", q.domain, !solved && q.hidden == Column::Domain);
    drawColumn(drawing, kRangeLeft, "Range", q.range, !solved && q.hidden == Column::Range);
    for (int i = 0; i < 5; ++i) {
        const double y = kColumnTop + kColumnPadding + kRowPitch * (i + 0.5);
        const double tip = kRangeLeft - 120;
        drawing.add(shell::LineMark{{kDomainLeft + kColumnWidth + 120, y}, {tip - 150, y}, shell::colour::white, 30});
        drawing.add(shell::PolygonMark{{{tip, y}, {tip - 180, y - 90}, {tip - 180, y + 90}}, shell::colour::white});
    }
    return drawing;
}

shell::Exercise exercise(int mode, shell::RandomSource& draws)
{
    const Question q = calculate(static_cast<Mode>(mode), draws);
    const bool domainHidden = q.hidden == Column::Domain;
    const std::string blanks = "?, ?, ?, ?, ?";
    shell::Exercise e;
    e.question = {"x \u2192 " + q.rule};
    e.described = {"Domain: " + (domainHidden ? blanks : joined(q.domain)),
                   "Range:  " + (domainHidden ? joined(q.range) : blanks)};
    e.answer = {domainHidden ? "Domain: " + joined(q.domain) : "Range: " + joined(q.range)};
    e.figure = [q](shell::FigureState state, const shell::TextMeasure&) { return diagram(q, state); };
    e.fields = {{"kind", q.kind},
                {"rule", q.rule},
                {"domain", shell::Json::list(q.domain)},
                {"range", shell::Json::list(q.range)},
                {"hidden", domainHidden ? "domain" : "range"}};
    return e;
}

shell::SheetIntro intro(int)
{
    return {"Complete the mapping diagram...."};
}

constexpr std::array<shell::Activity, 1> kActivities{{{
    .screen = "mappings",
    .sheet = "mappings",
    .caption = "Mappings",
    .menu = 2,
    .position = 3,
    .modes = kModes,
    .jsonHelp = "kind (1-20), rule, domain (5 texts, top to bottom), range (5 texts),\n"
                "hidden (\"domain\" or \"range\")",
    .intro = intro,
    .questions = shell::freshQuestions<exercise>,
}}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

} // namespace mappings
