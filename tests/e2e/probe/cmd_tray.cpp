// The notification area of Wine's shell, read from outside, and icons planted in it.
//
// Wine 8.0 draws tray icons inside the taskbar window itself (no window per icon); each icon
// has a tooltip control owned by the taskbar whose single tool covers the icon. So the tooltips
// tell which icons are shown, where, and with which tip. Wine keeps the tooltip of a deleted
// icon, with an empty tool rectangle: only tools with an area are icons on screen.

#include <algorithm>

#include "commands.h"
#include "controls.h"
#include "win32.h"
#include "window_util.h"

namespace {

struct TrayIcon {
    std::wstring tip;
    RECT rect;  // screen coordinates
    HWND tooltip;
};

HWND shell_tray() {
    HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
    if (!tray) fail(L"no taskbar (Shell_TrayWnd)");
    return tray;
}

void read_tools(HWND tooltip, std::vector<TrayIcon>& icons) {
    for (const Tool& tool : tooltip_tools(tooltip)) {
        if (IsRectEmpty(&tool.info.rect)) continue;
        RECT rect = tool.info.rect;
        MapWindowPoints(tool.info.hwnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        icons.push_back({tool.text, rect, tooltip});
    }
}

std::vector<TrayIcon> tray_icons() {
    HWND tray = shell_tray();
    DWORD shell_pid = window_pid(tray);
    std::vector<TrayIcon> icons;
    for (HWND hwnd : top_level_windows()) {
        if (GetWindow(hwnd, GW_OWNER) != tray || window_pid(hwnd) != shell_pid) continue;
        if (_wcsicmp(class_name(hwnd).c_str(), TOOLTIPS_CLASSW) != 0) continue;
        read_tools(hwnd, icons);
    }
    std::sort(icons.begin(), icons.end(), [](const TrayIcon& a, const TrayIcon& b) {
        return a.rect.left != b.rect.left ? a.rect.left < b.rect.left : a.rect.top < b.rect.top;
    });
    return icons;
}

HWND owner_window(const std::wstring& caption) {
    HWND owner = find_top_level(caption);
    if (!owner) fail(L"no top-level window \"" + caption + L"\"");
    return owner;
}

}  // namespace

void cmd_tray_icons(const Args&, Json& out) {
    out.begin_array();
    for (const TrayIcon& icon : tray_icons()) {
        out.begin_object();
        out.key("tip").value(icon.tip);
        put_rect(out, "rect", icon.rect);
        put_hwnd(out, "tooltip", icon.tooltip);
        out.end_object();
    }
    out.end_array();
}

// Plants an icon under another window's name, e.g. to make that window's own add of the same
// id fail as a duplicate.
void cmd_add_tray_icon(const Args& args, Json& out) {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = owner_window(args[0]);
    data.uID = parse_number(args[1]);
    data.uFlags = NIF_ICON | NIF_TIP;
    data.hIcon = LoadIconW(nullptr, IDI_QUESTION);
    std::wstring tip = args.size() > 2 ? args[2] : L"probe";
    lstrcpynW(data.szTip, tip.c_str(), ARRAYSIZE(data.szTip));
    bool added = Shell_NotifyIconW(NIM_ADD, &data);
    out.begin_object();
    put_hwnd(out, "owner", data.hWnd);
    out.key("id").value(data.uID);
    out.key("added").value(added);
    out.end_object();
}

// Removes icons as a restarting shell loses them, before a "TaskBarCreated" broadcast.
void cmd_remove_tray_icons(const Args& args, Json& out) {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = owner_window(args[0]);
    out.begin_object();
    put_hwnd(out, "owner", data.hWnd);
    out.key("removed").begin_array();
    for (size_t i = 1; i < args.size(); ++i) {
        data.uID = parse_number(args[i]);
        if (Shell_NotifyIconW(NIM_DELETE, &data)) out.value(data.uID);
    }
    out.end_array();
    out.end_object();
}
