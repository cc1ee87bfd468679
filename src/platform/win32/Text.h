#pragma once

#include <string>

// The program's text is Windows-1252; the system's wide functions take UTF-16.
std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);
