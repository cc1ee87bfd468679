#pragma once

// The wait between a drive notification and its handling, in milliseconds. The user gives it in
// whole seconds, from 0 (the shortest wait) to an hour.
constexpr unsigned DefaultRefreshDelay = 10000;
constexpr int MaxRefreshDelaySeconds = 3600;

// The delay of a number of seconds within that range.
constexpr unsigned RefreshDelayOfSeconds(int seconds) {
    return seconds == 0 ? 200u : static_cast<unsigned>(seconds) * 1000u;
}
