#include "timeofday/activity.h"
#include "workedexample.h"

namespace {

using testing_support::drawAt, testing_support::drawFor, testing_support::kTop,
    testing_support::WorkedExample;

// The first draw of a clock time: 1 in 12 gives noon or midnight.
constexpr float kAnyTime = drawFor(2, 1, 12);
constexpr float kNoonOrMidnight = 0;
const std::string kReadIt = "Write it in 12-hour and 24-hour time.";
const std::string kTo24 = "Write this time using the 24-hour clock.";
const std::string kTo12 = "Write this time using am or pm.";
const std::string kFinish = "When does it finish? (24-hour clock)";
const std::string kLength = "How long is it from start to finish?";

// clang-format off
const WorkedExample kExamples[] = {
    {"midnight", 0, {kNoonOrMidnight, drawAt(0, 2)},
     kReadIt, {"At midnight", "(Clock: hour hand on 12, minute hand on 12)"}, {"12 midnight = 00:00"},
     {"Hour hand: on 12", "Minute hand: on 12", "Midnight: 12 midnight", "24-hour: 00:00"},
     R"({"kind":"read-clock","minutes":0})"},
    {"noon among the other times is drawn again", 0, {kTop, drawFor(144, 0, 287), drawFor(1, 0, 287)},
     kReadIt, {"In the morning", "(Clock: hour hand past 12, minute hand on 1)"}, {"12:05 am = 00:05"},
     {"Hour hand: past 12", "Minute hand: 5 min", "Morning: 12:05 am", "12 am: hour is 00", "24-hour: 00:05"},
     R"({"kind":"read-clock","minutes":5})"},
    {"the last time of the day", 0, {kAnyTime, kTop},
     kReadIt, {"In the evening", "(Clock: hour hand past 11, minute hand on 11)"}, {"11:55 pm = 23:55"},
     {"Hour hand: past 11", "Minute hand: 55 min", "Evening: 11:55 pm", "pm: 11 + 12 = 23", "24-hour: 23:55"},
     R"({"kind":"read-clock","minutes":1435})"},
    {"12:20 am into 24-hour", 1, {kAnyTime, drawFor(0, 0, 23), drawFor(20, 0, 59), drawAt(0, 2)},
     kTo24, {"12:20 am"}, {"12:20 am = 00:20"},
     {"12 am is just after midnight", "The hour 12 becomes 00", "12:20 am = 00:20"},
     R"({"kind":"convert","minutes":20,"direction":"to-24"})"},
    {"9:05 am gets its four digits", 1, {kAnyTime, drawFor(9, 0, 23), drawFor(5, 0, 59), drawAt(0, 2)},
     kTo24, {"9:05 am"}, {"9:05 am = 09:05"},
     {"am: the hour stays the same", "Write it with four digits", "9:05 am = 09:05"},
     R"({"kind":"convert","minutes":545,"direction":"to-24"})"},
    {"19:07 into am or pm", 1, {kAnyTime, drawFor(19, 0, 23), drawFor(7, 0, 59), drawAt(1, 2)},
     kTo12, {"19:07"}, {"19:07 = 7:07 pm"}, {"Hour 19 is after noon: pm", "19 − 12 = 7", "19:07 = 7:07 pm"},
     R"({"kind":"convert","minutes":1147,"direction":"to-12"})"},
    {"12:00 is noon", 1, {kNoonOrMidnight, drawAt(1, 2), drawAt(1, 2)},
     kTo12, {"12:00"}, {"12:00 = 12 noon"}, {"12:00 is the middle of the day", "12:00 = 12 noon"},
     R"({"kind":"convert","minutes":720,"direction":"to-12"})"},
    {"7:30 pm into 24-hour", 1, {kAnyTime, drawFor(19, 0, 23), drawFor(30, 0, 59), drawAt(0, 2)}, kTo24, {"7:30 pm"},
     {"7:30 pm = 19:30"}, {"pm: add 12 to the hour", "7 + 12 = 19", "7:30 pm = 19:30"},
     R"({"kind":"convert","minutes":1170,"direction":"to-24"})"},
    {"12:45 pm into 24-hour", 1, {kAnyTime, drawFor(12, 0, 23), drawFor(45, 0, 59), drawAt(0, 2)}, kTo24, {"12:45 pm"},
     {"12:45 pm = 12:45"}, {"12 pm is just after noon", "The hour stays 12", "12:45 pm = 12:45"},
     R"({"kind":"convert","minutes":765,"direction":"to-24"})"},
    {"midnight into 24-hour", 1, {kNoonOrMidnight, drawAt(0, 2), drawAt(0, 2)}, kTo24, {"12 midnight"},
     {"12 midnight = 00:00"}, {"Midnight starts the day", "12 midnight = 00:00"},
     R"({"kind":"convert","minutes":0,"direction":"to-24"})"},
    {"08:15 into am or pm", 1, {kAnyTime, drawFor(8, 0, 23), drawFor(15, 0, 59), drawAt(1, 2)}, kTo12, {"08:15"},
     {"08:15 = 8:15 am"}, {"Hour 08 is before noon: am", "08:15 = 8:15 am"},
     R"({"kind":"convert","minutes":495,"direction":"to-12"})"},
    {"00:40 into am or pm", 1, {kAnyTime, drawFor(0, 0, 23), drawFor(40, 0, 59), drawAt(1, 2)}, kTo12, {"00:40"},
     {"00:40 = 12:40 am"}, {"Hour 00 is just after midnight", "00 becomes 12, and it is am", "00:40 = 12:40 am"},
     R"({"kind":"convert","minutes":40,"direction":"to-12"})"},
    {"12:30 into am or pm", 1, {kAnyTime, drawFor(12, 0, 23), drawFor(30, 0, 59), drawAt(1, 2)}, kTo12, {"12:30"},
     {"12:30 = 12:30 pm"}, {"Hour 12 is just after noon: pm", "12:30 = 12:30 pm"},
     R"({"kind":"convert","minutes":750,"direction":"to-12"})"},
    {"finish: whole hours", 2, {drawAt(0, 2), drawFor(2, 1, 3), drawFor(114, 72, 239), drawFor(2, 0, 3), drawFor(0, 0, 11)},
     kFinish, {"Starts at 09:30", "Lasts 2 hours"}, {"Finishes at 11:30"}, {"09:30 + 2 hours = 11:30"},
     R"({"kind":"durations","form":"finish","start":570,"length":120})"},
    {"finish: the minutes stay within the hour", 2,
     {drawAt(0, 2), drawFor(2, 1, 3), drawFor(170, 72, 239), drawFor(1, 0, 3), drawFor(4, 0, 11)}, kFinish,
     {"Starts at 14:10", "Lasts 1 hour 20 minutes"}, {"Finishes at 15:30"}, {"14:10 + 1 hour = 15:10", "15:10 + 20 minutes = 15:30"},
     R"({"kind":"durations","form":"finish","start":850,"length":80})"},
    {"length from a whole hour", 2,
     {drawAt(1, 2), drawFor(2, 1, 3), drawFor(156, 72, 239), drawFor(2, 0, 3), drawFor(6, 0, 11)}, kLength,
     {"Starts at 13:00", "Finishes at 15:30"}, {"2 hours 30 minutes"},
     {"13:00 → 15:00: 2 hours", "15:00 → 15:30: 30 minutes", "Total: 2 hours 30 minutes"},
     R"({"kind":"durations","form":"length","start":780,"length":150})"},
    {"finish: on an hour, to the next, then the rest", 2,
     {drawAt(0, 2), drawFor(2, 1, 3), drawFor(225, 72, 239), drawFor(1, 0, 3), drawFor(10, 0, 11)},
     kFinish, {"Starts at 18:45", "Lasts 1 hour 50 minutes"}, {"Finishes at 20:35"},
     {"18:45 + 1 hour = 19:45", "19:45 + 15 minutes = 20:00", "20:00 + 35 minutes = 20:35"},
     R"({"kind":"durations","form":"finish","start":1125,"length":110})"},
    {"finish: the latest start and the longest time", 2, {drawAt(0, 2), drawFor(1, 1, 3), kTop, kTop, kTop},
     kFinish, {"Starts at 23:55", "Lasts 3 hours 55 minutes"}, {"Finishes at 03:50 next day"},
     {"23:55 + 3 hours = 02:55", "02:55 + 5 minutes = 03:00", "03:00 + 50 minutes = 03:50"},
     R"({"kind":"durations","form":"finish","start":1435,"length":235})"},
    {"length across midnight; one that stays in the day is drawn again", 2,
     {drawAt(1, 2), drawFor(1, 1, 3), drawFor(240, 240, 287), drawFor(1, 0, 3), drawFor(0, 0, 11),
      drawFor(260, 240, 287), drawFor(2, 0, 3), drawFor(7, 0, 11)},
     kLength, {"Starts at 21:40", "Finishes at 00:15 next day"}, {"2 hours 35 minutes"},
     {"21:40 → 22:00: 20 minutes", "22:00 → 00:00: 2 hours", "00:00 → 00:15: 15 minutes", "Total: 2 hours 35 minutes"},
     R"({"kind":"durations","form":"length","start":1300,"length":155})"},
    {"length whose minutes add up past an hour", 2,
     {drawAt(1, 2), drawFor(3, 1, 3), drawFor(218, 72, 239), drawFor(2, 0, 3), drawFor(9, 0, 11)},
     kLength, {"Starts at 18:10", "Finishes at 20:55"}, {"2 hours 45 minutes"},
     {"18:10 → 19:00: 50 minutes", "19:00 → 20:00: 1 hour", "20:00 → 20:55: 55 minutes",
      "Total: 1 hour 105 minutes", "= 2 hours 45 minutes"},
     R"({"kind":"durations","form":"length","start":1090,"length":165})"},
    {"length within an hour, too short a time drawn again, in Mixed", 3,
     {drawAt(2, 3), drawAt(1, 2), drawFor(2, 1, 3), 0, 0, drawFor(2, 0, 11), drawFor(73, 72, 239), 0,
      drawFor(3, 0, 11)},
     kLength, {"Starts at 06:05", "Finishes at 06:20"}, {"15 minutes"}, {"06:05 → 06:20: 15 minutes"},
     R"({"kind":"durations","form":"length","start":365,"length":15})"},
};
// clang-format on

} // namespace

WORKED_EXAMPLES_TEST(TimeQuestions, timeofday, kExamples)
