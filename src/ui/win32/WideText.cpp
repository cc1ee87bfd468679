#include "ui/win32/WideText.h"

namespace ui::win32 {

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
