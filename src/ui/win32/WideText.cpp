#include "ui/win32/WideText.h"

namespace ui::win32 {

namespace {
constexpr UINT ProgramCodePage = 1252;
}

std::wstring Widen(const std::string& text) {
    if (text.empty()) return {};
    int size = static_cast<int>(text.size());
    int length = MultiByteToWideChar(ProgramCodePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(ProgramCodePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string Narrow(const std::wstring& text) {
    if (text.empty()) return {};
    int size = static_cast<int>(text.size());
    int length =
        WideCharToMultiByte(ProgramCodePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(length, '\0');
    WideCharToMultiByte(ProgramCodePage, 0, text.data(), size, narrow.data(), length, nullptr,
                        nullptr);
    return narrow;
}

std::string WindowText(HWND hwnd) {
    int length = GetWindowTextLengthW(hwnd);
    if (length <= 0) return {};
    std::wstring text(length + 1, L'\0');
    text.resize(GetWindowTextW(hwnd, text.data(), length + 1));
    return Narrow(text);
}

// Setting an edit's text moves its caret: only when the text really differs.
void SetWindowTextIfChanged(HWND hwnd, const std::string& text) {
    if (WindowText(hwnd) != text) SetWindowTextW(hwnd, Widen(text).c_str());
}

}  // namespace ui::win32
