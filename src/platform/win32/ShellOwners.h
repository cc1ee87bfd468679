#pragma once

#include <windows.h>

#include <memory>
#include <utility>
// (after <windows.h>)
#include <shellapi.h>
#include <shlobj.h>

// Owners of what the shell hands out, for the platform's calls and the toolkit's folder tree.

struct TaskMemFree {
    void operator()(void* memory) const { CoTaskMemFree(memory); }
};

// An item id list the shell handed over; its owner frees it once.
using Pidl = std::unique_ptr<ITEMIDLIST, TaskMemFree>;

// One reference to a shell interface, released once.
template <typename Interface>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() { Reset(); }
    ComRef(ComRef&& other) noexcept : interface_(std::exchange(other.interface_, nullptr)) {}
    ComRef& operator=(ComRef&& other) noexcept {
        std::swap(interface_, other.interface_);
        return *this;
    }

    Interface* operator->() const { return interface_; }
    Interface* Get() const { return interface_; }
    explicit operator bool() const { return interface_ != nullptr; }
    // Where a function that hands out a reference puts it.
    Interface** Out() {
        Reset();
        return &interface_;
    }
    void** OutVoid() { return reinterpret_cast<void**>(Out()); }

private:
    void Reset() {
        if (interface_) std::exchange(interface_, nullptr)->Release();
    }

    Interface* interface_ = nullptr;
};

// A window's registration for the shell's change notifications, ended once.
class ShellWatch {
public:
    ShellWatch() = default;
    ShellWatch(HWND window, PCIDLIST_ABSOLUTE root, LONG events, UINT message) {
        SHChangeNotifyEntry entry = {root, TRUE};
        id_ = SHChangeNotifyRegister(window,
                                     SHCNRF_ShellLevel | SHCNRF_InterruptLevel | SHCNRF_NewDelivery,
                                     events, message, 1, &entry);
    }
    ~ShellWatch() {
        if (id_) SHChangeNotifyDeregister(id_);
    }
    ShellWatch(ShellWatch&& other) noexcept : id_(std::exchange(other.id_, 0)) {}
    ShellWatch& operator=(ShellWatch&& other) noexcept {
        std::swap(id_, other.id_);
        return *this;
    }

private:
    ULONG id_ = 0;
};
