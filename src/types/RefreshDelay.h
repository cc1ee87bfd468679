#pragma once

// The wait between a drive notification and its handling. The user gives it in whole seconds,
// from 0 (the shortest wait) to an hour, and the settings file keeps those seconds.
class RefreshDelay {
public:
    static constexpr int DefaultSeconds = 10;
    static constexpr int MaxSeconds = 3600;

    int Seconds() const { return seconds_; }
    // A number of seconds outside the range changes nothing: false.
    bool SetSeconds(int seconds) {
        if (seconds < 0 || seconds > MaxSeconds) return false;
        seconds_ = seconds;
        return true;
    }
    unsigned Milliseconds() const {
        return seconds_ == 0 ? 200u : static_cast<unsigned>(seconds_) * 1000u;
    }

private:
    int seconds_ = DefaultSeconds;
};
