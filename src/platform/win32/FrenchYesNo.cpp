#include "platform/win32/FrenchYesNo.h"

namespace {

// Boxes are shown on the GUI thread only, one activation at a time.
HHOOK hook = nullptr;

void Unhook() {
    if (hook) UnhookWindowsHookEx(hook);
    hook = nullptr;
}

bool IsDialog(HWND window) {
    wchar_t name[8] = {};
    GetClassNameW(window, name, 8);
    return lstrcmpW(name, L"#32770") == 0;
}

// The box is the first dialog activated after the hook is set; other windows are left alone.
LRESULT CALLBACK RenameButtons(int code, WPARAM wParam, LPARAM lParam) {
    LRESULT next = CallNextHookEx(hook, code, wParam, lParam);
    auto box = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && IsDialog(box)) {
        SetDlgItemTextW(box, IDYES, L"&Oui");
        SetDlgItemTextW(box, IDNO, L"&Non");
        Unhook();
    }
    return next;
}

}  // namespace

FrenchYesNo::FrenchYesNo(UINT boxFlags) {
    if ((boxFlags & MB_TYPEMASK) != MB_YESNO) return;
    Unhook();
    hook = SetWindowsHookExW(WH_CBT, RenameButtons, nullptr, GetCurrentThreadId());
}

FrenchYesNo::~FrenchYesNo() {
    Unhook();
}
