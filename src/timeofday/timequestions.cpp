#include "timeofday/timequestions.h"

#include "shell/core/numberforms.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace timeofday {
namespace {

namespace forms = shell::forms;
using forms::N;

constexpr int kDay = 1440;
constexpr int kNoon = 720;
const std::string kArrow = "\u2192";
const std::string kMinus(forms::kMinus);

std::string twoDigits(int value)
{
    std::string digits = std::to_string(value);
    if (digits.size() < 2)
        digits.insert(digits.begin(), '0');
    return digits;
}

// "09:05"; a time past midnight is shown as the next day's.
std::string T24(int t)
{
    t %= kDay;
    return twoDigits(t / 60) + ":" + twoDigits(t % 60);
}

// The hour on a 12-hour clock face: 12 for noon and midnight.
int faceHour(int h)
{
    return h % 12 == 0 ? 12 : h % 12;
}

std::string T12(int t)
{
    if (t == 0)
        return "12 midnight";
    if (t == kNoon)
        return "12 noon";
    return std::to_string(faceHour(t / 60)) + ":" + twoDigits(t % 60) + (t < kNoon ? " am" : " pm");
}

std::string Dur(int minutes)
{
    const int hours = minutes / 60;
    std::string text;
    if (hours > 0)
        text = N(hours) + (hours == 1 ? " hour" : " hours");
    if (minutes % 60 > 0)
        text += (text.empty() ? "" : " ") + N(minutes % 60) + " minutes";
    return text;
}

// Noon or midnight in one question in twelve, else any other time of the day drawn by `other`.
template <class Other>
int drawTime(shell::RandomSource& draws, Other other)
{
    if (shell::drawWhole(draws, 12, 1) == 1)
        return shell::drawFrom(draws, std::array{0, kNoon});
    int t = 0;
    do
        t = other();
    while (t == 0 || t == kNoon);
    return t;
}

// The clock face, drawn to scale about its centre (twips); angles are clockwise from 12.
constexpr shell::PointTwips kCentre{2550, 4200};
constexpr double kRadius = 1800;
constexpr shell::FontStyle kNumberFont{20.25, true};

shell::PointTwips onFace(double degrees, double distance)
{
    const double radians = degrees * std::numbers::pi / 180;
    return {kCentre.x + distance * std::sin(radians), kCentre.y - distance * std::cos(radians)};
}

shell::Drawing clockFace(int t)
{
    using shell::colour::black;
    shell::Drawing drawing;
    constexpr double kOutline = 45;
    drawing.area = {kCentre.x - kRadius - kOutline, kCentre.y - kRadius - kOutline, 2 * (kRadius + kOutline),
                    2 * (kRadius + kOutline)};
    drawing.add(shell::CircleMark{kCentre, kRadius, shell::colour::white, black, kOutline});
    for (int mark = 0; mark < 60; ++mark) {
        const bool hour = mark % 5 == 0;
        drawing.add(shell::LineMark{onFace(6.0 * mark, (hour ? 0.85 : 0.93) * kRadius),
                                    onFace(6.0 * mark, kRadius), black, hour ? 60.0 : 30.0});
    }
    const int h = t / 60;
    const int m = t % 60;
    drawing.add(shell::LineMark{kCentre, onFace(30.0 * (h % 12) + m / 2.0, 0.5 * kRadius), black, 135,
                                shell::LineCap::Round});
    drawing.add(shell::LineMark{kCentre, onFace(6.0 * m, 0.85 * kRadius), black, 75, shell::LineCap::Round});
    // The minute hand reaches past the numbers: it passes beneath them, so none is crossed.
    for (int number = 1; number <= 12; ++number)
        drawing.add(shell::TextMark{shell::centredOn(onFace(30.0 * number, 0.72 * kRadius), {600, 600}),
                                    std::to_string(number), kNumberFont, black, shell::Align::Centre,
                                    shell::colour::white, false});
    drawing.add(shell::CircleMark{kCentre, 90, black, std::nullopt});
    return drawing;
}

void readClock(shell::Exercise& e, shell::RandomSource& draws)
{
    const int t = drawTime(draws, [&draws] { return 5 * shell::drawWhole(draws, 288, 0); });
    const int h = t / 60;
    const int m = t % 60;
    const std::string hour = std::to_string(faceHour(h));
    const std::string minute = m == 0 ? "12" : std::to_string(m / 5);
    e.instruction = "Write it in 12-hour and 24-hour time.";
    e.question = {t == 0        ? "At midnight"
                  : t == kNoon  ? "At midday"
                  : t < kNoon   ? "In the morning"
                  : t < 18 * 60 ? "In the afternoon"
                                : "In the evening"};
    e.described = {"(Clock: hour hand " + std::string(m > 0 ? "past " : "on ") + hour + ", minute hand on " +
                   minute + ")"};
    e.answer = {T12(t) + " = " + T24(t)};
    e.working = {"Hour hand: " + std::string(m > 0 ? "past " : "on ") + hour,
                 m > 0 ? "Minute hand: " + std::to_string(m) + " min" : "Minute hand: on 12"};
    if (t == 0) {
        e.working.insert(e.working.end(), {"Midnight: 12 midnight", "24-hour: 00:00"});
    } else if (t == kNoon) {
        e.working.insert(e.working.end(), {"Midday: 12 noon", "24-hour: 12:00"});
    } else {
        const std::string part = t < kNoon ? "Morning: " : t < 18 * 60 ? "Afternoon: " : "Evening: ";
        e.working.push_back(part + T12(t));
        e.working.push_back(h == 0    ? "12 am: hour is 00"
                            : h == 12 ? "12 pm: hour stays 12"
                            : h > 12  ? "pm: " + std::to_string(h - 12) + " + 12 = " + std::to_string(h)
                                      : "am: hour stays " + std::to_string(h));
        e.working.push_back("24-hour: " + T24(t));
    }
    e.figure = [t](shell::FigureState, const shell::TextMeasure&) { return clockFace(t); };
    e.layout.working = {4800, 2400, 5160, 495, 20.25};
    shell::setStandardFields(e, shell::Json::object({{"kind", "read-clock"}, {"minutes", t}}));
}

void convert(shell::Exercise& e, shell::RandomSource& draws)
{
    const int t = drawTime(draws, [&draws] {
        const int h = shell::drawWhole(draws, 24, 0);
        return 60 * h + shell::drawWhole(draws, 60, 0);
    });
    const bool to24 = shell::drawWhole(draws, 2, 0) == 0;
    const int h = t / 60;
    const std::string from = to24 ? T12(t) : T24(t);
    const std::string to = to24 ? T24(t) : T12(t);
    e.instruction = to24 ? "Write this time using the 24-hour clock." : "Write this time using am or pm.";
    shell::Line line(from);
    line.place = shell::TwipRect{240, 840, 9720, 1160};
    line.style = shell::TextStyle{48};
    e.question = {line};
    e.answer = {from + " = " + to};
    if (t == 0) {
        e.working = {to24 ? "Midnight starts the day" : "00:00 is the start of the day"};
    } else if (t == kNoon) {
        e.working = {to24 ? "Noon is the middle of the day" : "12:00 is the middle of the day"};
    } else if (to24) {
        if (h > 12)
            e.working = {"pm: add 12 to the hour", std::to_string(h - 12) + " + 12 = " + std::to_string(h)};
        else if (h > 0 && h < 12)
            e.working = {"am: the hour stays the same", "Write it with four digits"};
        else if (h == 0)
            e.working = {"12 am is just after midnight", "The hour 12 becomes 00"};
        else
            e.working = {"12 pm is just after noon", "The hour stays 12"};
    } else {
        if (h > 12)
            e.working = {"Hour " + std::to_string(h) + " is after noon: pm",
                         std::to_string(h) + " " + kMinus + " 12 = " + std::to_string(h - 12)};
        else if (h > 0 && h < 12)
            e.working = {"Hour " + twoDigits(h) + " is before noon: am"};
        else if (h == 0)
            e.working = {"Hour 00 is just after midnight", "00 becomes 12, and it is am"};
        else
            e.working = {"Hour 12 is just after noon: pm"};
    }
    e.working.push_back(e.answer.front());
    shell::setStandardFields(
        e,
        shell::Json::object({{"kind", "convert"}, {"minutes", t}, {"direction", to24 ? "to-24" : "to-12"}}));
}

// "21:40 → 22:00: 20 minutes".
std::string stretch(int from, int to)
{
    return T24(from) + " " + kArrow + " " + T24(to) + ": " + Dur(to - from);
}

std::vector<shell::Line> finishWorking(int start, int length)
{
    std::vector<shell::Line> lines;
    const int hours = length / 60 * 60;
    const int minutes = length % 60;
    int reached = start;
    if (hours > 0) {
        lines.emplace_back(T24(reached) + " + " + Dur(hours) + " = " + T24(reached + hours));
        reached += hours;
    }
    if (minutes == 0)
        return lines;
    const int past = reached % 60;
    if (past == 0 || past + minutes < 60) {
        lines.emplace_back(T24(reached) + " + " + Dur(minutes) + " = " + T24(reached + minutes));
        return lines;
    }
    // Count on to the next whole hour first, then the minutes left.
    const int toHour = 60 - past;
    lines.emplace_back(T24(reached) + " + " + Dur(toHour) + " = " + T24(reached + toHour));
    if (minutes > toHour)
        lines.emplace_back(T24(reached + toHour) + " + " + Dur(minutes - toHour) + " = " +
                           T24(start + length));
    return lines;
}

std::vector<shell::Line> lengthWorking(int start, int end)
{
    std::vector<shell::Line> lines;
    int from = start;
    int minuteParts = 0;
    if (start % 60 != 0) {
        const int nextHour = start - start % 60 + 60;
        if (nextHour > end)
            return {stretch(start, end)};
        lines.emplace_back(stretch(start, nextHour));
        minuteParts += nextHour - start;
        from = nextHour;
    }
    const int lastHour = end - end % 60;
    const int hourParts = lastHour > from ? lastHour - from : 0;
    if (lastHour > from) {
        lines.emplace_back(stretch(from, lastHour));
        from = lastHour;
    }
    if (end > from) {
        lines.emplace_back(stretch(from, end));
        minuteParts += end - from;
    }
    if (lines.size() < 2)
        return lines;
    if (minuteParts < 60) {
        lines.emplace_back("Total: " + Dur(end - start));
    } else {
        lines.emplace_back("Total: " + (hourParts > 0 ? Dur(hourParts) + " " : std::string()) +
                           N(minuteParts) + " minutes");
        lines.emplace_back("= " + Dur(end - start));
    }
    return lines;
}

void durations(shell::Exercise& e, shell::RandomSource& draws)
{
    const bool finish = shell::drawWhole(draws, 2, 0) == 0;
    const bool cross = shell::drawWhole(draws, 3, 1) == 1;
    int start = 0;
    int length = 0;
    do {
        start = 5 * (cross ? shell::drawWhole(draws, 48, 240) : shell::drawWhole(draws, 168, 72));
        length = 60 * shell::drawWhole(draws, 4, 0);
        length += 5 * shell::drawWhole(draws, 12, 0);
    } while (length < 15 || (cross && start + length <= kDay));
    const int end = start + length;
    const std::string finishes = T24(end) + (end >= kDay ? " next day" : "");
    e.instruction = finish ? "When does it finish? (24-hour clock)" : "How long is it from start to finish?";
    e.question = {"Starts at " + T24(start), finish ? "Lasts " + Dur(length) : "Finishes at " + finishes};
    e.answer = {finish ? "Finishes at " + finishes : Dur(length)};
    e.working = finish ? finishWorking(start, length) : lengthWorking(start, end);
    shell::setStandardFields(e, shell::Json::object({{"kind", "durations"},
                                                     {"form", finish ? "finish" : "length"},
                                                     {"start", start},
                                                     {"length", length}}));
}

} // namespace

shell::Exercise makeQuestion(Kind kind, shell::RandomSource& draws)
{
    shell::Exercise e;
    if (kind == Kind::ReadClock)
        readClock(e, draws);
    else if (kind == Kind::Convert)
        convert(e, draws);
    else
        durations(e, draws);
    return e;
}

} // namespace timeofday
