// Reads the fonts of another process's windows through probe_hook.dll.
#pragma once

#include <map>
#include <optional>

#include "win32.h"

// Has the program that owns the window hear from now on that high contrast is on; false when the
// hook DLL could not do it.
bool switch_high_contrast(HWND window);

class FontReader {
public:
    FontReader();
    ~FontReader();
    FontReader(const FontReader&) = delete;
    FontReader& operator=(const FontReader&) = delete;

    // Empty when the window has no font set (it then draws with the system font), or when the
    // hook DLL is missing.
    std::optional<LOGFONTW> font(HWND hwnd);

private:
    HMODULE dll_ = nullptr;
    HOOKPROC hook_proc_ = nullptr;
    HANDLE mapping_ = nullptr;
    void* view_ = nullptr;
    UINT query_ = 0;
    std::map<DWORD, HHOOK> hooks_;  // by thread
};
