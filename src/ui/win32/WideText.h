#pragma once

#include <string>

#include "ui/win32/Win32Api.h"

namespace ui::win32 {

// The program's text is Windows-1252; windows take UTF-16, whatever the system's code page.
std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);
std::string WindowText(HWND hwnd);
void SetWindowTextIfChanged(HWND hwnd, const std::string& text);

}  // namespace ui::win32
