#pragma once

#include <memory>

#include "ui/Control.h"

namespace ui {

class TimerPeer {
public:
    virtual ~TimerPeer() = default;
    // Starts, restarts or stops the system timer to match the Timer.
    virtual void Sync() = 0;
};

class Timer {
public:
    Timer() = default;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // One period has passed.
    void Tick() {
        if (enabled_ && OnTimer) OnTimer();
    }
    Handler OnTimer;

private:
    void SyncPeer();
    unsigned interval_ = 1000;
    bool enabled_ = false;
    std::unique_ptr<TimerPeer> peer_;
};

}  // namespace ui
