#include "ui/Timer.h"

#include "ui/Backend.h"

namespace ui {

void Timer::SetInterval(unsigned milliseconds) {
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    SyncPeer();
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    SyncPeer();
}

void Timer::SyncPeer() {
    if (!peer_ && enabled_) peer_ = CurrentBackend().CreateTimerPeer(*this);
    if (peer_) peer_->Sync();
}

}  // namespace ui
