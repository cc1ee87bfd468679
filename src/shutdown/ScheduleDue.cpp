#include "shutdown/ScheduleDue.h"

namespace {

constexpr int MinutesPerDay = 24 * 60;

int MinuteOfDay(int hour, int minute) {
    return hour * 60 + minute;
}

}  // namespace

Due ScheduleDue(TimeOfDay now, int hour, int minute) {
    const int at = MinuteOfDay(hour, minute);
    const int current = MinuteOfDay(now.Hour, now.Minute);
    if (current == at) return Due::Shutdown;
    if (current == (at + MinutesPerDay - 1) % MinutesPerDay) return Due::Reminder;
    return Due::Nothing;
}
