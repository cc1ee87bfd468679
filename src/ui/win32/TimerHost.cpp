#include "ui/win32/TimerHost.h"

#include "platform/win32/ForeignMessages.h"
#include "ui/win32/WindowClasses.h"

namespace ui::win32 {

TimerHost::TimerHost(HINSTANCE instance) {
    hwnd_ =
        CreateWindowExW(0, TimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
}

TimerHost::~TimerHost() {
    if (hwnd_) DestroyWindow(hwnd_);
}

UINT_PTR TimerHost::Add(Timer& timer) {
    UINT_PTR id = nextId_++;
    timers_[id] = &timer;
    return id;
}

void TimerHost::Remove(UINT_PTR id) {
    if (hwnd_) KillTimer(hwnd_, id);
    timers_.erase(id);
}

LRESULT CALLBACK TimerHost::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) TakeCreationParameter(hwnd, lParam);
    if (message == WM_TIMER) {
        auto* self = reinterpret_cast<TimerHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (!self) return 0;
        auto found = self->timers_.find(wParam);
        if (found != self->timers_.end()) found->second->Tick();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

Win32TimerPeer::Win32TimerPeer(TimerHost& host, Timer& timer)
    : host_(host), timer_(timer), id_(host.Add(timer)) {}

Win32TimerPeer::~Win32TimerPeer() {
    host_.Remove(id_);
}

// Setting the timer again with the same id restarts it with the new interval.
void Win32TimerPeer::Sync() {
    if (timer_.Enabled() && timer_.Interval() > 0)
        SetTimer(host_.Window(), id_, timer_.Interval(), nullptr);
    else
        KillTimer(host_.Window(), id_);
}

}  // namespace ui::win32
