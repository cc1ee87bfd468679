#include "window_util.h"

#include <cwchar>

void fail(const std::wstring& message) {
    throw ProbeError(utf8(message));
}

unsigned long parse_number(const std::wstring& text) {
    wchar_t* end = nullptr;
    unsigned long value = std::wcstoul(text.c_str(), &end, 0);
    if (text.empty() || *end) fail(L"not a number: " + text);
    return value;
}

std::wstring class_name(HWND hwnd) {
    wchar_t name[256] = {};
    GetClassNameW(hwnd, name, 256);
    return name;
}

std::wstring window_text(HWND hwnd) {
    // WM_GETTEXT rather than GetWindowText: the latter returns a stale caption for controls of
    // other processes whose text is kept by the control itself.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) {
        wchar_t caption[1024] = {};
        GetWindowTextW(hwnd, caption, 1024);
        return caption;
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 2000, &copied);
    text.resize(copied);
    return text;
}

DWORD window_pid(HWND hwnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid;
}

bool text_matches(const std::wstring& text, const std::wstring& wanted) {
    if (text == wanted) return true;
    std::wstring plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        plain += text[i];
    }
    return plain == wanted;
}

static BOOL CALLBACK collect_window(HWND hwnd, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> top_level_windows() {
    std::vector<HWND> list;
    EnumWindows(collect_window, reinterpret_cast<LPARAM>(&list));
    return list;
}

static void collect_children(HWND parent, std::vector<HWND>& list) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        list.push_back(child);
        collect_children(child, list);
    }
}

std::vector<HWND> descendants(HWND top) {
    std::vector<HWND> list;
    collect_children(top, list);
    return list;
}

HWND find_top_level(const std::wstring& caption) {
    for (HWND hwnd : top_level_windows()) {
        wchar_t text[512] = {};
        GetWindowTextW(hwnd, text, 512);
        if (caption == text) return hwnd;
    }
    return nullptr;
}

HWND wait_top_level(const std::wstring& caption, DWORD timeout_ms) {
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND hwnd = find_top_level(caption)) return hwnd;
        if (GetTickCount() - start >= timeout_ms) fail(L"no top-level window \"" + caption + L"\"");
        Sleep(25);
    }
}

HWND existing_top_level(const std::wstring& caption) {
    HWND top = find_top_level(caption);
    if (!top) fail(L"no top-level window \"" + caption + L"\"");
    return top;
}

// Two pages may have buttons of one caption: the one a user can see comes first.
HWND find_descendant(HWND top, const std::wstring& text) {
    HWND hidden = nullptr;
    for (HWND hwnd : descendants(top)) {
        if (!text_matches(window_text(hwnd), text)) continue;
        if (IsWindowVisible(hwnd)) return hwnd;
        if (!hidden) hidden = hwnd;
    }
    if (hidden) return hidden;
    fail(L"no control \"" + text + L"\" in \"" + window_text(top) + L"\"");
}

// Every event carries the point itself: a pointer warped just before may not have arrived yet
// on a loaded machine, and a press would then land where the pointer was.
void mouse_click_at(HWND top, POINT screen, bool right) {
    SetForegroundWindow(top);
    SetCursorPos(screen.x, screen.y);
    const LONG x = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    const LONG y = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    const DWORD at = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    INPUT inputs[3] = {};
    DWORD flags[3] = {at, at | (right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN),
                      at | (right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP)};
    for (int i = 0; i < 3; ++i) {
        inputs[i].type = INPUT_MOUSE;
        inputs[i].mi.dx = x;
        inputs[i].mi.dy = y;
        inputs[i].mi.dwFlags = flags[i];
    }
    SendInput(3, inputs, sizeof(INPUT));
}

LRESULT send_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    DWORD_PTR result = 0;
    // Wine 8.0 returns 0 without an error code for some answered messages (WM_GETFONT on a
    // window without font): only a set error code means a timeout or a dead window.
    SetLastError(ERROR_SUCCESS);
    if (!SendMessageTimeoutW(hwnd, message, wparam, lparam, SMTO_ABORTIFHUNG, 5000, &result) &&
        GetLastError() != ERROR_SUCCESS) {
        fail(L"window " + std::to_wstring(reinterpret_cast<UINT_PTR>(hwnd)) +
             L" did not answer message " + std::to_wstring(message));
    }
    return static_cast<LRESULT>(result);
}

void put_hwnd(Json& json, const char* key, HWND hwnd) {
    json.key(key).value(static_cast<long long>(reinterpret_cast<UINT_PTR>(hwnd)));
}

void put_rect(Json& json, const char* key, const RECT& rect) {
    json.key(key).begin_object();
    json.key("left").value(rect.left).key("top").value(rect.top);
    json.key("right").value(rect.right).key("bottom").value(rect.bottom);
    json.end_object();
}
