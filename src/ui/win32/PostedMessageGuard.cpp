#include "ui/win32/PostedMessageGuard.h"

namespace ui::win32 {

namespace {

LRESULT CALLBACK DropPointers(int code, WPARAM removal, LPARAM lParam) {
    auto* message = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && (message->message == WM_NOTIFY || message->message == WM_DPICHANGED))
        message->lParam = 0;
    return CallNextHookEx(nullptr, code, removal, lParam);
}

}  // namespace

PostedMessageGuard::PostedMessageGuard()
    : hook_(SetWindowsHookExW(WH_GETMESSAGE, DropPointers, nullptr, GetCurrentThreadId())) {}

PostedMessageGuard::~PostedMessageGuard() {
    if (hook_) UnhookWindowsHookEx(hook_);
}

}  // namespace ui::win32
