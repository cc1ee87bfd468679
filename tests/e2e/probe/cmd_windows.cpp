// Top-level windows and the taskbar buttons of the Wine shell.
#include <algorithm>

#include "commands.h"
#include "window_util.h"

namespace {

DWORD timeout_arg(const Args& args, size_t index) {
    return args.size() > index ? parse_number(args[index]) : 10000;
}

void describe_top_level(Json& out, HWND hwnd) {
    RECT rect = {};
    GetWindowRect(hwnd, &rect);
    out.begin_object();
    put_hwnd(out, "hwnd", hwnd);
    out.key("caption").value(window_text(hwnd));
    out.key("class").value(class_name(hwnd));
    out.key("visible").value(IsWindowVisible(hwnd) != FALSE);
    out.key("enabled").value(IsWindowEnabled(hwnd) != FALSE);
    out.key("minimized").value(IsIconic(hwnd) != FALSE);
    put_hwnd(out, "owner", GetWindow(hwnd, GW_OWNER));
    out.key("pid").value(window_pid(hwnd));
    out.key("foreground").value(GetForegroundWindow() == hwnd);
    out.key("style").value(static_cast<unsigned long>(GetWindowLongW(hwnd, GWL_STYLE)));
    out.key("exstyle").value(static_cast<unsigned long>(GetWindowLongW(hwnd, GWL_EXSTYLE)));
    put_rect(out, "rect", rect);
    out.end_object();
}

}  // namespace

void cmd_windows(const Args&, Json& out) {
    out.begin_array();
    for (HWND hwnd : top_level_windows()) describe_top_level(out, hwnd);
    out.end_array();
}

void cmd_wait_window(const Args& args, Json& out) {
    describe_top_level(out, wait_top_level(args[0], timeout_arg(args, 1)));
}

void cmd_wait_gone(const Args& args, Json& out) {
    DWORD timeout = timeout_arg(args, 1);
    DWORD start = GetTickCount();
    while (find_top_level(args[0])) {
        if (GetTickCount() - start >= timeout) fail(L"window \"" + args[0] + L"\" still exists");
        Sleep(25);
    }
    out.begin_object().key("gone").value(true).end_object();
}

// Wine's shell gives each taskbar button the control id of the window it stands for; id 0 is
// the Start button. It re-checks which windows deserve a shown button only when the active
// window changes or a tray request arrives: a window shown without activation keeps a hidden
// button until then. A tray request that changes nothing brings the buttons up to date.
void cmd_taskbar(const Args&, Json& out) {
    HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
    if (!tray) fail(L"no taskbar (Shell_TrayWnd)");
    NOTIFYICONDATAW nothing = {};
    nothing.cbSize = sizeof nothing;
    nothing.hWnd = tray;
    nothing.uID = 0xFFFFFFFF;
    Shell_NotifyIconW(NIM_DELETE, &nothing);

    struct Button {
        HWND button;
        HWND window;
        RECT rect;
    };
    std::vector<Button> buttons;
    for (HWND child = GetWindow(tray, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        auto window = reinterpret_cast<HWND>(GetWindowLongPtrW(child, GWLP_ID));
        if (class_name(child) != L"Button" || !window || !IsWindowVisible(child)) continue;
        RECT rect = {};
        GetWindowRect(child, &rect);
        buttons.push_back({child, window, rect});
    }
    std::sort(buttons.begin(), buttons.end(),
              [](const Button& a, const Button& b) { return a.rect.left < b.rect.left; });
    out.begin_array();
    for (const Button& button : buttons) {
        out.begin_object();
        put_hwnd(out, "button", button.button);
        put_hwnd(out, "window", button.window);
        out.key("caption").value(window_text(button.window));
        put_rect(out, "rect", button.rect);
        out.end_object();
    }
    out.end_array();
}
