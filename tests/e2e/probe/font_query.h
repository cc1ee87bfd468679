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

// Registered message sent to a window of the program: from then on the program hears from the
// system that high contrast is on, which Wine 8.0 never says. The hook sets the event named
// after the probe's process id (wParam) once it has.
inline constexpr const wchar_t* kHighContrastMessage = L"VossikProbeHighContrast";
inline constexpr const wchar_t* kHighContrastDonePrefix = L"VossikProbeHighContrastDone-";

struct FontAnswer {
    LONG answered;
    LONG has_font;
    LOGFONTW font;
};
