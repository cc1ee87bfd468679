#pragma once

#include <string>

// The program's text is Windows-1252; the system's wide functions take UTF-16 (wchar_t on
// Windows). Converted by table, the same on every build.
std::wstring Widen(const std::string& text);
// Characters that Windows-1252 lacks become '?'.
std::string Narrow(const std::wstring& text);
