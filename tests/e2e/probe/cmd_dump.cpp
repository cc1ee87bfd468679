// dump: the form and every control in it, with the state a user sees.

#include "commands.h"
#include "controls.h"
#include "fonts.h"
#include "win32.h"
#include "window_util.h"

namespace {

void put_font(Json& out, FontReader& fonts, HWND hwnd) {
    out.key("font");
    std::optional<LOGFONTW> font = fonts.font(hwnd);
    if (!font) {
        out.null();
        return;
    }
    out.begin_object();
    out.key("face").value(std::wstring(font->lfFaceName));
    out.key("height").value(font->lfHeight);
    out.key("weight").value(font->lfWeight);
    out.end_object();
}

// Owner-drawn lists without LBS_HASSTRINGS keep a number per item instead of a text.
void put_items(Json& out, HWND hwnd, bool has_strings, UINT count_message, UINT length_message,
               UINT text_message, UINT data_message) {
    LRESULT count = send_message(hwnd, count_message, 0, 0);
    out.key("items").begin_array();
    for (LRESULT i = 0; i < count; ++i) {
        if (!has_strings) {
            out.value(static_cast<long long>(send_message(hwnd, data_message, i, 0)));
            continue;
        }
        LRESULT length = send_message(hwnd, length_message, i, 0);
        std::wstring text(length > 0 ? length + 1 : 1, L'\0');
        LRESULT copied = send_message(hwnd, text_message, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(copied > 0 ? copied : 0);
        out.value(text);
    }
    out.end_array();
}

void put_combo_box(Json& out, HWND hwnd, DWORD style) {
    bool owner_drawn = style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE);
    out.key("selection").value(static_cast<long long>(send_message(hwnd, CB_GETCURSEL, 0, 0)));
    put_items(out, hwnd, !owner_drawn || (style & CBS_HASSTRINGS), CB_GETCOUNT, CB_GETLBTEXTLEN,
              CB_GETLBTEXT, CB_GETITEMDATA);
}

void put_list_box(Json& out, HWND hwnd, DWORD style) {
    bool owner_drawn = style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE);
    out.key("selection").value(static_cast<long long>(send_message(hwnd, LB_GETCURSEL, 0, 0)));
    out.key("selected").begin_array();
    LRESULT count = send_message(hwnd, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        if (send_message(hwnd, LB_GETSEL, i, 0) > 0) out.value(static_cast<long long>(i));
    }
    out.end_array();
    out.key("top_index").value(static_cast<long long>(send_message(hwnd, LB_GETTOPINDEX, 0, 0)));
    put_items(out, hwnd, !owner_drawn || (style & LBS_HASSTRINGS), LB_GETCOUNT, LB_GETTEXTLEN,
              LB_GETTEXT, LB_GETITEMDATA);
}

void put_tab_control(Json& out, HWND hwnd) {
    out.key("selection").value(static_cast<long long>(send_message(hwnd, TCM_GETCURSEL, 0, 0)));
    out.key("tabs").begin_array();
    for (const std::wstring& caption : tab_captions(hwnd)) out.value(caption);
    out.end_array();
}

void put_control(Json& out, FontReader& fonts, const std::map<HWND, std::wstring>& hints,
                 HWND hwnd) {
    HWND parent = GetParent(hwnd);
    std::wstring cls = class_name(hwnd);
    DWORD style = GetWindowLongW(hwnd, GWL_STYLE);
    RECT screen = {};
    GetWindowRect(hwnd, &screen);
    RECT relative = screen;
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&relative), 2);

    out.begin_object();
    put_hwnd(out, "hwnd", hwnd);
    put_hwnd(out, "parent", parent);
    out.key("class").value(cls);
    out.key("text").value(window_text(hwnd));
    out.key("id").value(GetWindowLongW(hwnd, GWL_ID));
    put_rect(out, "rect", relative);
    put_rect(out, "screen_rect", screen);
    out.key("visible").value(IsWindowVisible(hwnd) != FALSE);
    out.key("enabled").value(IsWindowEnabled(hwnd) != FALSE);
    out.key("style").value(static_cast<unsigned long>(style));
    out.key("exstyle").value(static_cast<unsigned long>(GetWindowLongW(hwnd, GWL_EXSTYLE)));
    put_font(out, fonts, hwnd);
    out.key("hint");
    if (auto hint = hints.find(hwnd); hint != hints.end())
        out.value(hint->second);
    else
        out.null();
    if (!_wcsicmp(cls.c_str(), L"Button")) {
        out.key("checked").value(static_cast<long long>(send_message(hwnd, BM_GETCHECK, 0, 0)));
    } else if (!_wcsicmp(cls.c_str(), L"ComboBox")) {
        put_combo_box(out, hwnd, style);
    } else if (!_wcsicmp(cls.c_str(), L"ListBox")) {
        put_list_box(out, hwnd, style);
    } else if (!_wcsicmp(cls.c_str(), WC_TABCONTROLW)) {
        put_tab_control(out, hwnd);
    }
    out.end_object();
}

}  // namespace

void cmd_dump(const Args& args, Json& out) {
    HWND top = find_top_level(args[0]);
    if (!top) fail(L"no top-level window \"" + args[0] + L"\"");
    RECT rect = {}, client = {};
    GetWindowRect(top, &rect);
    GetClientRect(top, &client);

    out.begin_object();
    put_hwnd(out, "hwnd", top);
    out.key("caption").value(window_text(top));
    out.key("class").value(class_name(top));
    out.key("visible").value(IsWindowVisible(top) != FALSE);
    put_hwnd(out, "owner", GetWindow(top, GW_OWNER));
    put_rect(out, "rect", rect);
    put_rect(out, "client_rect", client);
    out.key("style").value(static_cast<unsigned long>(GetWindowLongW(top, GWL_STYLE)));
    out.key("exstyle").value(static_cast<unsigned long>(GetWindowLongW(top, GWL_EXSTYLE)));
    // The control that a key pressed now would reach, if it is in this window.
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &thread);
    put_hwnd(out, "focus", IsChild(top, thread.hwndFocus) ? thread.hwndFocus : nullptr);
    HDC screen = GetDC(nullptr);
    out.key("dpi").value(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    FontReader fonts;
    put_font(out, fonts, top);
    std::map<HWND, std::wstring> hints = control_hints(top);
    out.key("controls").begin_array();
    for (HWND hwnd : descendants(top)) put_control(out, fonts, hints, hwnd);
    out.end_array();
    out.end_object();
}
