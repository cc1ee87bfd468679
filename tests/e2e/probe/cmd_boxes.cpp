// Message boxes (standard dialogs of class "#32770"): reading them and answering them.
#include "commands.h"
#include "window_util.h"

namespace {

constexpr DWORD kAnswerWaitMs = 10000;

std::vector<HWND> visible_boxes() {
    std::vector<HWND> boxes;
    for (HWND hwnd : top_level_windows()) {
        if (IsWindowVisible(hwnd) && class_name(hwnd) == L"#32770") boxes.push_back(hwnd);
    }
    return boxes;
}

void describe_box(Json& out, HWND box) {
    out.begin_object();
    put_hwnd(out, "hwnd", box);
    out.key("caption").value(window_text(box));
    put_hwnd(out, "owner", GetWindow(box, GW_OWNER));
    out.key("pid").value(window_pid(box));
    out.key("texts").begin_array();
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (_wcsicmp(class_name(child).c_str(), L"Static") != 0) continue;
        std::wstring text = window_text(child);
        if (!text.empty()) out.value(text);
    }
    out.end_array();
    out.key("buttons").begin_array();
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (_wcsicmp(class_name(child).c_str(), L"Button") != 0 || !IsWindowVisible(child)) {
            continue;
        }
        out.begin_object();
        out.key("text").value(window_text(child));
        out.key("id").value(GetWindowLongW(child, GWL_ID));
        out.end_object();
    }
    out.end_array();
    out.end_object();
}

HWND wait_box(const std::wstring& caption) {
    DWORD start = GetTickCount();
    for (;;) {
        for (HWND box : visible_boxes()) {
            if (window_text(box) == caption) return box;
        }
        if (GetTickCount() - start >= kAnswerWaitMs) fail(L"no message box \"" + caption + L"\"");
        Sleep(25);
    }
}

}  // namespace

void cmd_message_boxes(const Args& args, Json& out) {
    DWORD wait = args.empty() ? 0 : parse_number(args[0]);
    DWORD start = GetTickCount();
    std::vector<HWND> boxes = visible_boxes();
    while (boxes.empty() && GetTickCount() - start < wait) {
        Sleep(25);
        boxes = visible_boxes();
    }
    out.begin_array();
    for (HWND box : boxes) describe_box(out, box);
    out.end_array();
}

// Posts the button's WM_COMMAND as its click would, then waits for the box to close so that the
// next look at the program sees what the answer did.
void cmd_answer_box(const Args& args, Json& out) {
    HWND box = wait_box(args[0]);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (_wcsicmp(class_name(child).c_str(), L"Button") != 0) continue;
        if (!text_matches(window_text(child), args[1])) continue;
        int id = GetWindowLongW(child, GWL_ID);
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(child));
        DWORD start = GetTickCount();
        while (IsWindow(box) && GetTickCount() - start < kAnswerWaitMs) Sleep(25);
        out.begin_object();
        out.key("id").value(id);
        out.key("closed").value(!IsWindow(box));
        out.end_object();
        return;
    }
    fail(L"no button \"" + args[1] + L"\" in message box \"" + args[0] + L"\"");
}
