#include "shutdown/ScheduleDue.h"

#include <algorithm>

namespace {

constexpr int MinutesPerDay = 24 * 60;

int MinuteOfDay(int hour, int minute) {
    return hour * 60 + minute;
}

}  // namespace

Due ScheduleDue(TimeOfDay now, int hour, int minute) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return Due::Nothing;
    const int at = MinuteOfDay(hour, minute);
    const int current = MinuteOfDay(now.Hour, now.Minute);
    if (current == at) return Due::Shutdown;
    if (current == (at + MinutesPerDay - 1) % MinutesPerDay) return Due::Reminder;
    return Due::Nothing;
}

unsigned UntilNextMinute(TimeOfDay now) {
    const int into = now.Second * 1000 + now.Millisecond;
    return static_cast<unsigned>(std::max(1, MillisecondsPerMinute - into));
}
