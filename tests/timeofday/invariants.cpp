// The Time activity's invariants for the volume run: every time read back from its text in the
// one form each clock allows, answers that name the data's time in both forms, durations counted
// on truly (mod a day) with parts that add up, and the clock's hands where the time puts them.
#include "invariants.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <regex>
#include <variant>

namespace timeofday::checks {
namespace {

using reliability::split;

constexpr int kDay = 1440;

// "09:05", "00:00" (never "24:00", "9:05").
std::optional<int> read24(const std::string& text)
{
    static const std::regex k24("([01][0-9]|2[0-3]):([0-5][0-9])");
    std::smatch m;
    if (!std::regex_match(text, m, k24))
        return std::nullopt;
    return std::stoi(m[1]) * 60 + std::stoi(m[2]);
}

// "9:05 am", "12:20 am", "4:35 pm", "12 midnight", "12 noon" (never "12:00 am", "09:05 am").
std::optional<int> read12(const std::string& text)
{
    if (text == "12 midnight")
        return 0;
    if (text == "12 noon")
        return 720;
    static const std::regex k12("([1-9]|1[0-2]):([0-5][0-9]) (am|pm)");
    std::smatch m;
    if (!std::regex_match(text, m, k12))
        return std::nullopt;
    const int hour = std::stoi(m[1]) % 12 + (m[3] == "pm" ? 12 : 0);
    const int t = hour * 60 + std::stoi(m[2]);
    if (t == 0 || t == 720)
        return std::nullopt;
    return t;
}

// "1 hour 50 minutes", "2 hours", "15 minutes"; in a sum of minute parts the minutes may reach
// an hour or more ("1 hour 105 minutes").
std::optional<int> readDuration(const std::string& text, bool sum = false)
{
    static const std::regex kDuration(
        "(?:(1) hour|([2-9]|[1-9][0-9]+) hours)(?: ([1-9][0-9]*) minutes)?|([1-9][0-9]*) minutes");
    std::smatch m;
    if (!std::regex_match(text, m, kDuration))
        return std::nullopt;
    const int hours = m[1].matched ? 1 : m[2].matched ? std::stoi(m[2]) : 0;
    const int minutes = m[3].matched ? std::stoi(m[3]) : m[4].matched ? std::stoi(m[4]) : 0;
    if (minutes >= 60 && !sum)
        return std::nullopt;
    return hours * 60 + minutes;
}

// "16:35" and "4:35 pm" in the answer and working; the question's line of context.
std::string readClock(const shell::Exercise& e, int t)
{
    if (t % 5 != 0 || t < 0 || t >= kDay)
        return "not a multiple of 5 minutes in the day";
    const std::string context = t == 0     ? "At midnight"
                                : t == 720 ? "At midday"
                                : t < 720  ? "In the morning"
                                : t < 1080 ? "In the afternoon"
                                           : "In the evening";
    if (e.question.size() != 1 || e.question[0].text != context)
        return "the part of the day is not " + context;
    const std::vector<std::string> answer = split(e.answer[0], " = ");
    if (e.answer.size() != 1 || answer.size() != 2 || read12(answer[0]) != t || read24(answer[1]) != t)
        return "\"" + e.answer[0] + "\" does not name the time in both forms";
    const int h = t / 60;
    const int m = t % 60;
    const std::string face = std::to_string(h % 12 == 0 ? 12 : h % 12);
    const std::string hand = (m > 0 ? "past " : "on ") + face;
    const std::string minute = m == 0 ? "12" : std::to_string(m / 5);
    if (e.described !=
        std::vector<std::string>{"(Clock: hour hand " + hand + ", minute hand on " + minute + ")"})
        return "the clock is not described as it stands";
    if (e.working.size() < 4 || e.working[0].text != "Hour hand: " + hand ||
        e.working[1].text != (m == 0 ? "Minute hand: on 12" : "Minute hand: " + std::to_string(m) + " min") ||
        e.working.back().text != "24-hour: " + answer[1])
        return "the working does not read the hands";

    struct NoMeasure final : shell::TextMeasure {
        shell::TextSize measure(std::string_view, const shell::FontStyle&) const override { return {}; }
    } measure;
    const shell::Drawing clock = e.figure(shell::FigureState::Question, measure);
    const auto* disc = std::get_if<shell::CircleMark>(&clock.marks.front());
    if (!disc || disc->centre != shell::PointTwips{2550, 4200} || disc->radius != 1800)
        return "the face is not a circle of radius 1800 about (2550, 4200)";
    // The hands, from the centre: their bearings clockwise from 12, and their lengths.
    std::vector<std::pair<double, double>> hands;
    for (const shell::Mark& mark : clock.marks) {
        const auto* line = std::get_if<shell::LineMark>(&mark);
        if (line && line->from == disc->centre) {
            const double x = line->to.x - 2550;
            const double y = 4200 - line->to.y;
            const double degrees = std::atan2(x, y) * 180 / std::numbers::pi;
            hands.emplace_back(degrees < 0 ? degrees + 360 : degrees, std::hypot(x, y));
        }
    }
    const double hourHand = std::fmod(30.0 * h + m / 2.0, 360);
    if (hands.size() != 2 || std::abs(hands[0].first - hourHand) > 1e-6 ||
        std::abs(hands[0].second - 900) > 1e-6 || std::abs(hands[1].first - 6.0 * m) > 1e-6 ||
        std::abs(hands[1].second - 1530) > 1e-6)
        return "the hands are not at " + answer[1];
    if (e.figure(shell::FigureState::Solution, measure).marks.size() != clock.marks.size())
        return "the face changes on the solution";
    return {};
}

std::string convert(const shell::Exercise& e, int t, bool to24)
{
    if (e.question.size() != 1)
        return "not one line";
    const std::string& shown = e.question[0].text;
    if ((to24 ? read12(shown) : read24(shown)) != t)
        return "\"" + shown + "\" is not the data's time";
    const std::vector<std::string> answer = split(e.answer[0], " = ");
    if (e.answer.size() != 1 || answer.size() != 2 || answer[0] != shown ||
        (to24 ? read24(answer[1]) : read12(answer[1])) != t)
        return "\"" + e.answer[0] + "\" does not convert the time";
    if (e.working.empty() || e.working.back().text != e.answer[0])
        return "the working does not end with the answer";
    return {};
}

std::string durations(const shell::Exercise& e, const shell::Json& data)
{
    const int start = static_cast<int>(data["start"].whole());
    const int length = static_cast<int>(data["length"].whole());
    const int end = start + length;
    if (length % 5 != 0 || length < 15 || length > 235 || start % 5 != 0 || start < 0 || start >= kDay)
        return "the start or the length is out of range";
    if (end == kDay)
        return "the finish is midnight exactly";
    const bool finish = data["form"].text() == "finish";
    if (e.question.size() != 2 || e.answer.size() != 1 || !e.question[0].text.starts_with("Starts at ") ||
        read24(e.question[0].text.substr(10)) != start)
        return "the start is not the data's";
    const std::string& lasts = finish ? e.question[1].text : e.answer[0];
    if ((finish && (!lasts.starts_with("Lasts ") || readDuration(lasts.substr(6)) != length)) ||
        (!finish && readDuration(lasts) != length))
        return "\"" + lasts + "\" is not the length";
    const std::string& finishes = finish ? e.answer[0] : e.question[1].text;
    std::string endText = finishes.starts_with("Finishes at ") ? finishes.substr(12) : std::string();
    const bool nextDay = endText.ends_with(" next day");
    if (nextDay)
        endText.resize(endText.size() - 9);
    const std::optional<int> shownEnd = read24(endText);
    if (!shownEnd || *shownEnd != end % kDay || nextDay != (end >= kDay) || nextDay != (*shownEnd < start))
        return "\"" + finishes + "\" is not the start and the length, \"next day\" when earlier in the day";

    // Every step is true mod a day; the steps follow each other from the start to the finish and
    // add up to the length; counting on, a total follows two or more steps.
    static const std::regex kAdd("([0-9:]+) \\+ (.+) = ([0-9:]+)");
    static const std::regex kStretch("([0-9:]+) → ([0-9:]+): (.+)");
    int reached = start;
    int minuteParts = 0;
    int steps = 0;
    bool totalled = false;
    for (const shell::Line& line : e.working) {
        std::smatch m;
        const std::string& text = line.text;
        const bool step = std::regex_match(text, m, finish ? kAdd : kStretch);
        if (step) {
            const auto from = read24(m[1]);
            const auto by = readDuration(finish ? m[2].str() : m[3].str());
            const auto to = read24(finish ? m[3] : m[2]);
            if (!from || !by || !to || *from != reached % kDay || (*from + *by) % kDay != *to || totalled)
                return "\"" + text + "\" is not true";
            if (*from % 60 != 0 || *to % 60 != 0)
                minuteParts += *by;
            reached += *by;
            ++steps;
        } else if (!finish && steps >= 2 && !totalled && text.starts_with("Total: ")) {
            const std::string total = text.substr(7);
            const bool summed = minuteParts >= 60;
            if (readDuration(total, summed) != length ||
                (summed && !total.ends_with(std::to_string(minuteParts) + " minutes")))
                return "\"" + text + "\" is not the sum of the steps";
            totalled = true;
        } else if (totalled && text.starts_with("= ") && &line == &e.working.back() && minuteParts >= 60) {
            if (readDuration(text.substr(2)) != length)
                return "\"" + text + "\" is not the length";
        } else {
            return "\"" + text + "\" is no step";
        }
    }
    if (reached != end)
        return "the steps do not go from the start to the finish";
    if (!finish && (steps >= 2) != e.working.back().text.starts_with(minuteParts >= 60 ? "= " : "Total: "))
        return "the total is missing, or follows a single step";
    return {};
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    const shell::Json data = shell::Json(e.fields)["data"];
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    if (e.working.size() > 5)
        return "more than five working lines";
    // Any "H:MM" in a text is a 24-hour time, or a 12-hour one before am or pm.
    static const std::regex kTime("[0-9]+:[0-9]+(?: [ap]m)?");
    for (const std::string& text : {e.answer[0], e.question[0].text}) {
        for (auto it = std::sregex_iterator(text.begin(), text.end(), kTime); it != std::sregex_iterator();
             ++it) {
            const std::string time = it->str();
            if (!(time.ends_with("m") ? read12(time) : read24(time)))
                return "\"" + time + "\" is not a time as the clocks write it";
        }
    }
    const std::string kind = data["kind"].text();
    if (kind == "read-clock")
        return readClock(e, static_cast<int>(data["minutes"].whole()));
    if (kind == "convert")
        return convert(e, static_cast<int>(data["minutes"].whole()), data["direction"].text() == "to-24");
    return durations(e, data);
}

} // namespace timeofday::checks
