// A scratch buffer inside another process, for control messages whose arguments are pointers
// (TCM_GETITEM, TTM_GETTEXT, ...): those are not marshalled between processes.
#pragma once

#include <cstddef>

#include "win32.h"

class RemoteMemory {
public:
    RemoteMemory(HWND owner_window, size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    // Address in the other process, to put in a message or in a structure written there.
    void* at(size_t offset = 0) const { return static_cast<char*>(base_) + offset; }
    LPARAM param(size_t offset = 0) const { return reinterpret_cast<LPARAM>(at(offset)); }

    void write(size_t offset, const void* data, size_t size);
    void read(size_t offset, void* data, size_t size) const;

    // Reads memory the control itself owns (a control may hand back a pointer to its own copy).
    static void read_foreign(HWND owner_window, const void* address, void* data, size_t size);

private:
    HANDLE process_ = nullptr;
    void* base_ = nullptr;
};
