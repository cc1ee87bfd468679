#pragma once

#include <map>

#include "ui/Timer.h"
#include "ui/win32/Win32Api.h"

namespace ui::win32 {

// A hidden message-only window that receives the ticks of every timer, by timer id.
class TimerHost {
public:
    explicit TimerHost(HINSTANCE instance);
    ~TimerHost();
    TimerHost(const TimerHost&) = delete;
    TimerHost& operator=(const TimerHost&) = delete;

    UINT_PTR Add(Timer& timer);
    void Remove(UINT_PTR id);
    HWND Window() const { return hwnd_; }

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    HWND hwnd_ = nullptr;
    std::map<UINT_PTR, Timer*> timers_;
    UINT_PTR nextId_ = 1;
};

// Runs while its timer is enabled with a non-zero interval.
class Win32TimerPeer : public TimerPeer {
public:
    Win32TimerPeer(TimerHost& host, Timer& timer);
    ~Win32TimerPeer() override;
    Win32TimerPeer(const Win32TimerPeer&) = delete;
    Win32TimerPeer& operator=(const Win32TimerPeer&) = delete;

    void Sync() override;

private:
    TimerHost& host_;
    Timer& timer_;
    UINT_PTR id_;
};

}  // namespace ui::win32
