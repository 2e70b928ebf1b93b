// The Time invariants for the volume run: each kind's times and lengths in range, and the answer
// giving the data's time on the 24-hour clock, or its length.
#include "invariants.h"

namespace timeofday::checks {

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text(), &answer = e.answer[0];
    // "09:05"; past midnight, the next day's.
    const auto t24 = [](long long t) {
        char text[8];
        std::snprintf(text, sizeof text, "%02lld:%02lld", t % 1440 / 60, t % 60);
        return std::string(text);
    };
    if (kind != "durations") {
        const long long t = data["minutes"].whole();
        const std::string t12 = t == 0     ? "12 midnight"
                                : t == 720 ? "12 noon"
                                           : std::to_string((t / 60 + 11) % 12 + 1) + t24(t).substr(2) +
                                                 (t < 720 ? " am" : " pm");
        const bool from12 = kind == "read-clock" || data["direction"].text() == "to-24";
        return t >= 0 && t < 1440 && (kind == "convert" || t % 5 == 0) &&
                       answer == (from12 ? t12 + " = " + t24(t) : t24(t) + " = " + t12)
                   ? ""
                   : "the time is out of the day or off the clock's five minutes, or not the answer's";
    }
    const long long start = data["start"].whole(), length = data["length"].whole(), end = start + length;
    const std::string hours = length < 60 ? ""
                                          : std::to_string(length / 60) + (length < 120 ? " hour" : " hours"),
                      minutes = length % 60 ? std::to_string(length % 60) + " minutes" : "";
    return start % 5 == 0 && length % 5 == 0 && start >= 360 && start <= 1435 && length >= 15 &&
                   length <= 295 && (start < 1200 || end > 1440) &&
                   answer == (data["form"].text() == "finish"
                                  ? "Finishes at " + t24(end) + (end >= 1440 ? " next day" : "")
                                  : hours + (hours.empty() || minutes.empty() ? "" : " ") + minutes)
               ? ""
               : "the start or the length is out of range, crosses midnight from the wrong start, or not the "
                 "answer";
}

} // namespace timeofday::checks
