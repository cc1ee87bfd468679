#pragma once

#include <optional>
#include <string>
#include <string_view>

// The program's text is Windows-1252; the system's wide functions take UTF-16 (wchar_t on
// Windows). Converted by table, the same on every build.
std::wstring Widen(const std::string& text);
// Characters that Windows-1252 lacks become '?'.
std::string Narrow(const std::wstring& text);

// The text with its letters in lower case: the ASCII letters and the accented letters of the
// code page alike; letters without a partner in it (ß, µ) stay as they are.
std::string LowerCase(std::string_view text);

// The same text in UTF-8, and back: nothing when the UTF-8 is not well formed or holds a
// character the code page lacks.
std::string Utf8FromCp1252(std::string_view text);
std::optional<std::string> Cp1252FromUtf8(std::string_view text);
