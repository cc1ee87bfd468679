#pragma once

#include <cstddef>

#include "platform/win32/Win32.h"

// Any program can post a message to our windows, or send one, with any values. The system
// copies across the records of the messages it knows, but a pointer it does not copy is an
// address in the sender's memory, and a posted message carries no pointer the system made
// (PostedMessageGuard drops those). So a record is read through such a pointer only once the
// system says that much memory can be read here; what it holds is then looked at like any other
// value.
inline bool Readable(LPARAM at, std::size_t size) {
    MEMORY_BASIC_INFORMATION region = {};
    if (!at || !VirtualQuery(reinterpret_cast<const void*>(at), &region, sizeof region) ||
        region.State != MEM_COMMIT || region.Protect & (PAGE_NOACCESS | PAGE_GUARD))
        return false;
    const auto end = reinterpret_cast<UINT_PTR>(region.BaseAddress) + region.RegionSize;
    return end - static_cast<UINT_PTR>(at) >= size;
}

// The object a window of ours was made for, taken into the window's user data from its creation
// message (WM_NCCREATE or WM_CREATE): the one our own CreateWindowEx sends first, not one another
// program sends later with an object of its choosing. True when taken.
inline bool TakeCreationParameter(HWND hwnd, LPARAM lParam) {
    if (GetWindowLongPtrW(hwnd, GWLP_USERDATA) || !lParam) return false;
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    if (!create->lpCreateParams) return false;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    return true;
}
