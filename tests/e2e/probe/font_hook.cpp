// probe_hook.dll: a WH_CALLWNDPROC hook that Windows (and Wine) load into the program under test;
// it answers the probe's font query from inside the program's process, and switches high
// contrast on for it (contrast_hook.cpp).
#include <string>

#include "font_query.h"

bool SwitchHighContrastOn();

extern "C" __declspec(dllexport) LRESULT CALLBACK
    probe_font_hook(int code, WPARAM wparam, LPARAM lparam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lparam);
    if (code == HC_ACTION && message->message == RegisterWindowMessageW(kFontQueryMessage)) {
        std::wstring name = kFontAnswerPrefix + std::to_wstring(message->wParam);
        if (HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, name.c_str())) {
            void* view = MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(FontAnswer));
            if (auto* answer = static_cast<FontAnswer*>(view)) {
                auto font = reinterpret_cast<HFONT>(SendMessageW(message->hwnd, WM_GETFONT, 0, 0));
                answer->has_font =
                    font && GetObjectW(font, sizeof answer->font, &answer->font) ? 1 : 0;
                answer->answered = 1;
                UnmapViewOfFile(view);
            }
            CloseHandle(mapping);
        }
    } else if (code == HC_ACTION &&
               message->message == RegisterWindowMessageW(kHighContrastMessage)) {
        std::wstring name = kHighContrastDonePrefix + std::to_wstring(message->wParam);
        HANDLE done = OpenEventW(EVENT_MODIFY_STATE, FALSE, name.c_str());
        if (done && SwitchHighContrastOn()) SetEvent(done);
        if (done) CloseHandle(done);
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}
