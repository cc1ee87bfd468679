// What the probe and its hook DLL (font_hook.cpp) share to read a window's font from inside the
// program: a font handle means nothing in another process, and Wine 8.0 does not even carry
// WM_GETFONT's answer across processes.
#pragma once

#include "win32.h"

// Registered message sent to the window; wParam is the probe's process id.
inline constexpr const wchar_t* kFontQueryMessage = L"VossikProbeFontQuery";
// Shared memory holding a FontAnswer, named after the probe's process id.
inline constexpr const wchar_t* kFontAnswerPrefix = L"VossikProbeFontAnswer-";
inline constexpr const char* kFontHookProc = "probe_font_hook";
inline constexpr const wchar_t* kFontHookDll = L"probe_hook.dll";

struct FontAnswer {
    LONG answered;
    LONG has_font;
    LOGFONTW font;
};
