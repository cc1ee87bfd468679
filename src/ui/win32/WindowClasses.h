#pragma once

#include "ui/win32/Win32Api.h"

namespace ui::win32 {

// Our own window classes; the probe and the tests find our windows by these names.
inline constexpr const wchar_t* FormClass = L"VossikForm";
inline constexpr const wchar_t* PageClass = L"VossikPage";
inline constexpr const wchar_t* PaintBoxClass = L"VossikPaintBox";
inline constexpr const wchar_t* ApplicationClass = L"VossikApplication";
inline constexpr const wchar_t* TimerClass = L"VossikTimers";

struct ClassAtoms {
    ATOM Form = 0;
    ATOM Page = 0;
    ATOM PaintBox = 0;
    ATOM Application = 0;
    ATOM Timer = 0;
};

ClassAtoms RegisterWindowClasses(HINSTANCE instance);
void UnregisterWindowClasses(HINSTANCE instance);

}  // namespace ui::win32
