#include "ui/win32/Tooltips.h"

#include "ui/win32/WideText.h"

namespace ui::win32 {

namespace {

TTTOOLINFOW ToolFor(HWND control) {
    TTTOOLINFOW tool = {};
    // The older layout, which both the version 5 and 6 controls accept.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    return tool;
}

}  // namespace

Tooltips::~Tooltips() {
    if (tip_) DestroyWindow(tip_);
}

void Tooltips::Create(HWND form, HINSTANCE instance) {
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, instance, nullptr);
    // Long hints stay on one line, as the user wrote them; line breaks in them still count.
    if (tip_) SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN));
}

void Tooltips::Set(HWND control, const std::string& text) {
    if (!tip_ || !control) return;
    Remove(control);
    if (text.empty()) return;
    std::wstring wide = Widen(text);
    TTTOOLINFOW tool = ToolFor(control);
    tool.lpszText = wide.data();
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tooltips::Remove(HWND control) {
    if (!tip_ || !control) return;
    TTTOOLINFOW tool = ToolFor(control);
    SendMessageW(tip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace ui::win32
