#pragma once

#include "platform/System.h"

constexpr int MillisecondsPerMinute = 60 * 1000;

enum class Due { Nothing = 0, Reminder = 1, Shutdown = 2 };

// What a schedule set for that hour and minute asks at this time of day: the reminder during
// the minute before (over the hour and midnight too), the shutdown during the whole minute.
// A time that is not on the clock asks nothing.
Due ScheduleDue(TimeOfDay now, int hour, int minute);

// Milliseconds until the next minute begins, at least 1.
unsigned UntilNextMinute(TimeOfDay now);
