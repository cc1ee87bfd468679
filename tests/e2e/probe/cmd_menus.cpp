// Popup menus of the program: keys pressed in them, closing them, opening the context menu many
// times, and the program's own count of its GDI and USER objects.
#include "commands.h"
#include "events.h"
#include "fonts.h"
#include "window_util.h"

namespace {

constexpr UINT kTrayCallback = 0xFFE;
constexpr DWORD kMenuWaitMs = 10000;

std::vector<HWND> visible_menus() {
    std::vector<HWND> menus;
    for (HWND hwnd : top_level_windows()) {
        if (IsWindowVisible(hwnd) && class_name(hwnd) == L"#32768") menus.push_back(hwnd);
    }
    return menus;
}

HWND wait_menu() {
    DWORD start = GetTickCount();
    for (std::vector<HWND> menus = visible_menus(); menus.empty(); menus = visible_menus()) {
        if (GetTickCount() - start >= kMenuWaitMs) fail(L"no popup menu opened");
        Sleep(10);
    }
    return visible_menus().back();
}

void wait_no_menu() {
    DWORD start = GetTickCount();
    while (!visible_menus().empty()) {
        if (GetTickCount() - start >= kMenuWaitMs) fail(L"a popup menu stays open");
        Sleep(10);
    }
}

HWND main_form() {
    HWND form = find_top_level(kMainForm);
    if (!form) fail(L"no main form");
    return form;
}

}  // namespace

// Escape, as the user would press it: a popup menu tracked by another process closes one level
// per key. Waits until no popup menu is visible.
void cmd_close_menus(const Args& args, Json& out) {
    DWORD timeout = args.empty() ? 10000 : parse_number(args[0]);
    DWORD start = GetTickCount();
    int presses = 0;
    for (std::vector<HWND> menus = visible_menus(); !menus.empty(); menus = visible_menus()) {
        if (GetTickCount() - start >= timeout) fail(L"a popup menu stays open");
        PostMessageW(menus.back(), WM_KEYDOWN, VK_ESCAPE, 0);
        ++presses;
        DWORD pressed = GetTickCount();
        while (IsWindowVisible(menus.back()) && GetTickCount() - pressed < 1000) Sleep(25);
    }
    out.begin_object().key("escapes").value(presses).end_object();
}

// A key in the open menu: DOWN, UP, RETURN or ESCAPE, or one character typed (an access key).
void cmd_menu_key(const Args& args, Json& out) {
    static const struct {
        const wchar_t* name;
        WPARAM key;
    } kKeys[] = {
        {L"DOWN", VK_DOWN}, {L"UP", VK_UP}, {L"RETURN", VK_RETURN}, {L"ESCAPE", VK_ESCAPE}};
    HWND menu = wait_menu();
    UINT message = WM_CHAR;
    WPARAM key = args[0].empty() ? 0 : args[0][0];
    for (const auto& named : kKeys) {
        if (args[0] == named.name) {
            message = WM_KEYDOWN;
            key = named.key;
        }
    }
    if (!PostMessageW(menu, message, key, 0)) fail(L"PostMessage failed");
    out.begin_object();
    put_hwnd(out, "menu", menu);
    out.key("message").value(message).key("key").value(static_cast<unsigned long>(key));
    out.end_object();
}

void open_icon_menu(HWND form, UINT id) {
    if (!SendNotifyMessageW(form, kTrayCallback, id, WM_RBUTTONDOWN))
        fail(L"SendNotifyMessage failed");
    HWND menu = wait_menu();
    UpdateWindow(menu);
    PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    wait_no_menu();
    send_message(form, WM_NULL, 0, 0);
}

// That many openings of one icon's menu.
void cmd_open_menus(const Args& args, Json& out) {
    HWND form = main_form();
    UINT id = parse_number(args[0]);
    unsigned long count = parse_number(args[1]);
    for (unsigned long i = 0; i < count; ++i) open_icon_menu(form, id);
    out.begin_object().key("opened").value(count).end_object();
}

// The program counts the GDI and USER objects it makes and destroys; its application window
// tells the counts.
void cmd_high_contrast(const Args&, Json& out) {
    HWND form = find_top_level(kMainForm);
    if (!form) fail(L"no main form");
    if (!switch_high_contrast(form)) fail(L"high contrast could not be switched on");
    out.begin_object();
    out.key("switched").value(true);
    out.end_object();
}

void cmd_gui_objects(const Args&, Json& out) {
    HWND app = find_top_level(L"Vossik'");
    if (!app) fail(L"no application window");
    DWORD_PTR counts = 0;
    if (!SendMessageTimeoutW(app, RegisterWindowMessageW(L"Vossik.GuiObjects"), 0, 0,
                             SMTO_ABORTIFHUNG, 10000, &counts))
        fail(L"the program does not answer");
    out.begin_object();
    out.key("gdi").value(static_cast<unsigned long>(LOWORD(counts)));
    out.key("user").value(static_cast<unsigned long>(HIWORD(counts)));
    out.end_object();
}
