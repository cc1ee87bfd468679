// Commands that act on the program: clicks, tray callbacks, shell and device notifications.

#include <cwctype>
#include <vector>

#include "commands.h"
#include "controls.h"
#include "events.h"
#include "remote_memory.h"
#include "win32.h"
#include "window_util.h"

namespace {

constexpr UINT kTrayCallback = 0xFFE;

// Waits a little for the handler so that what the probe reads next sees its effect; a handler
// that opens a modal box does not return, which is reported rather than waited for.
bool send_briefly(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(hwnd, message, wparam, lparam, SMTO_ABORTIFHUNG, 1000, &result);
}

// Comes back once the window's thread reads its messages again: its handler has returned, or
// it runs the loop of a box or menu it opened. A busy machine can hold a handler past the
// second that send_briefly waits; what the probe reads next must still see its effect.
void wait_taken(HWND hwnd) {
    DWORD_PTR result = 0;
    if (IsWindow(hwnd)) SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &result);
}

UINT mouse_message(const std::wstring& name) {
    static const struct {
        const wchar_t* name;
        UINT message;
    } kNames[] = {
        {L"WM_MOUSEMOVE", WM_MOUSEMOVE},         {L"WM_LBUTTONDOWN", WM_LBUTTONDOWN},
        {L"WM_LBUTTONUP", WM_LBUTTONUP},         {L"WM_LBUTTONDBLCLK", WM_LBUTTONDBLCLK},
        {L"WM_RBUTTONDOWN", WM_RBUTTONDOWN},     {L"WM_RBUTTONUP", WM_RBUTTONUP},
        {L"WM_RBUTTONDBLCLK", WM_RBUTTONDBLCLK}, {L"WM_MBUTTONDOWN", WM_MBUTTONDOWN},
        {L"WM_MBUTTONUP", WM_MBUTTONUP},         {L"WM_MBUTTONDBLCLK", WM_MBUTTONDBLCLK},
    };
    for (const auto& entry : kNames) {
        if (name == entry.name) return entry.message;
    }
    return parse_number(name);
}

UINT key_code(const std::wstring& name) {
    if (name == L"Enter") return VK_RETURN;
    if (name == L"Escape") return VK_ESCAPE;
    fail(L"key must be Enter or Escape, not " + name);
}

}  // namespace

void cmd_click(const Args& args, Json& out) {
    HWND top = existing_top_level(args[0]);
    HWND control = find_descendant(top, args[1]);
    bool mouse = args.size() > 2 && args[2] == L"--mouse";
    bool returned = true;
    if (mouse) {
        RECT rect = {};
        GetWindowRect(control, &rect);
        mouse_click_at(top, {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    } else {
        returned = send_briefly(control, BM_CLICK, 0, 0);
        if (!returned) wait_taken(top);
    }
    out.begin_object();
    put_hwnd(out, "hwnd", control);
    out.key("class").value(class_name(control));
    out.key("returned").value(returned);
    out.end_object();
}

// A key pressed on the keyboard, in that window brought to the front: the dialog keys reach the
// program's message loop as a user's would.
void cmd_key(const Args& args, Json& out) {
    HWND top = existing_top_level(args[0]);
    SetForegroundWindow(top);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = static_cast<WORD>(key_code(args[1]));
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
    out.begin_object();
    put_hwnd(out, "hwnd", top);
    out.key("foreground").value(GetForegroundWindow() == top);
    out.end_object();
}

// TCM_SETCURFOCUS switches the page the way a click does: the form gets TCN_SELCHANGING and
// TCN_SELCHANGE (TCM_SETCURSEL would not notify it).
void cmd_select_tab(const Args& args, Json& out) {
    HWND top = existing_top_level(args[0]);
    for (HWND hwnd : descendants(top)) {
        if (_wcsicmp(class_name(hwnd).c_str(), WC_TABCONTROLW) != 0) continue;
        std::vector<std::wstring> captions = tab_captions(hwnd);
        for (size_t i = 0; i < captions.size(); ++i) {
            if (!text_matches(captions[i], args[1])) continue;
            send_message(hwnd, TCM_SETCURFOCUS, i, 0);
            out.begin_object();
            put_hwnd(out, "tab_control", hwnd);
            out.key("index").value(static_cast<long long>(i));
            out.key("selection")
                .value(static_cast<long long>(send_message(hwnd, TCM_GETCURSEL, 0, 0)));
            out.end_object();
            return;
        }
    }
    fail(L"no tab \"" + args[1] + L"\" in \"" + args[0] + L"\"");
}

// As the shell does: SendNotifyMessage, so the probe never waits for a menu or a box. With
// --taken, an empty message sent after it comes back once the program took the click in: from
// its loop, or from the loop of the menu or box the click opened.
void cmd_tray(const Args& args, Json& out) {
    HWND form = existing_top_level(kMainForm);
    UINT message = mouse_message(args[0]);
    UINT id = parse_number(args[1]);
    if (!SendNotifyMessageW(form, kTrayCallback, id, message)) fail(L"SendNotifyMessage failed");
    if (args.size() > 2 && args[2] == L"--taken") send_message(form, WM_NULL, 0, 0);
    out.begin_object();
    put_hwnd(out, "hwnd", form);
    out.key("message").value(message).key("id").value(id);
    out.end_object();
}

void cmd_taskbar_created(const Args&, Json& out) {
    UINT message = RegisterWindowMessageW(L"TaskBarCreated");
    if (!PostMessageW(HWND_BROADCAST, message, 0, 0)) fail(L"broadcast failed");
    out.begin_object().key("message").value(message).end_object();
}

// Sent, not posted: Wine copies the structure to the other process only for sent messages.
bool send_volume_change(HWND form, WPARAM event, DWORD unit_mask, WORD flags) {
    DEV_BROADCAST_VOLUME volume = {};
    volume.dbcv_size = sizeof volume;
    volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
    volume.dbcv_unitmask = unit_mask;
    volume.dbcv_flags = flags;
    return send_briefly(form, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(&volume));
}

// A count above one is a stream, as a flapping contact gives: the given event first, then the
// other one, in turn, `interval_ms` apart (0: back to back).
void cmd_device(const Args& args, Json& out) {
    WPARAM event = 0;
    if (args[0] == L"arrival") {
        event = DBT_DEVICEARRIVAL;
    } else if (args[0] == L"removal") {
        event = DBT_DEVICEREMOVECOMPLETE;
    } else {
        fail(L"device event must be arrival or removal, not " + args[0]);
    }
    DWORD mask = 0;
    for (wchar_t letter : args[1]) {
        letter = static_cast<wchar_t>(std::towupper(letter));
        if (letter < L'A' || letter > L'Z') fail(L"not a drive letter: " + args[1]);
        mask |= 1u << (letter - L'A');
    }
    // A medium by default; "net" for a network volume, "plain" for a volume that is neither.
    std::wstring kind = args.size() > 2 ? args[2] : L"media";
    WORD flags = kind == L"net" ? DBTF_NET : kind == L"plain" ? 0 : DBTF_MEDIA;
    const unsigned long count = args.size() > 3 ? parse_number(args[3]) : 1;
    const DWORD interval = args.size() > 4 ? parse_number(args[4]) : 0;
    HWND form = existing_top_level(kMainForm);
    unsigned long returned = 0;
    const DWORD started = GetTickCount();
    for (unsigned long i = 0; i < count; ++i) {
        if (i > 0 && interval > 0) Sleep(interval);
        const WPARAM sent = i % 2 == 0                   ? event
                            : event == DBT_DEVICEARRIVAL ? DBT_DEVICEREMOVECOMPLETE
                                                         : DBT_DEVICEARRIVAL;
        returned += send_volume_change(form, sent, mask, flags);
    }
    out.begin_object();
    out.key("event").value(static_cast<unsigned long>(event));
    out.key("unitmask").value(static_cast<unsigned long>(mask));
    out.key("flags").value(static_cast<unsigned long>(flags));
    out.key("returned").value(returned == count);
    out.key("sent").value(count);
    out.key("ms").value(static_cast<unsigned long>(GetTickCount() - started));
    out.end_object();
}

// As another program may: any message posted to the main form, that many times.
void cmd_post(const Args& args, Json& out) {
    HWND form = existing_top_level(kMainForm);
    const UINT message = parse_number(args[0]);
    const WPARAM wparam = parse_number(args[1]);
    const LPARAM lparam = static_cast<LPARAM>(parse_number(args[2]));
    const unsigned long count = args.size() > 3 ? parse_number(args[3]) : 1;
    unsigned long posted = 0;
    for (unsigned long i = 0; i < count; ++i)
        if (PostMessageW(form, message, wparam, lparam)) ++posted;
    out.begin_object().key("posted").value(posted).end_object();
}

// A WM_COPYDATA of that many bytes to the main form, as another program may send it, waiting up
// to 5 s for the answer.
void cmd_copy_data(const Args& args, Json& out) {
    HWND form = existing_top_level(kMainForm);
    std::vector<char> bytes(parse_number(args[0]));
    COPYDATASTRUCT data{0, static_cast<DWORD>(bytes.size()), bytes.data()};
    DWORD_PTR answer = 0;
    const bool answered = SendMessageTimeoutW(form, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                              SMTO_ABORTIFHUNG, 5000, &answer);
    out.begin_object().key("answered").value(answered);
    out.key("answer").value(static_cast<long long>(answer)).end_object();
}

// Restarts of the taskbar as another program may fake them, all queued before the program
// reads one: with the main form's thread held, `count` broadcasts of "TaskBarCreated" and
// `count` posts of the program's re-adding message 0xFFB, whatever their number.
void cmd_burst(const Args& args, Json& out) {
    HWND form = existing_top_level(kMainForm);
    const unsigned long count = parse_number(args[0]);
    const UINT created = RegisterWindowMessageW(L"TaskBarCreated");
    HANDLE thread =
        OpenThread(THREAD_SUSPEND_RESUME, FALSE, GetWindowThreadProcessId(form, nullptr));
    if (!thread || SuspendThread(thread) == static_cast<DWORD>(-1)) fail(L"cannot hold the thread");
    unsigned long posted = 0;
    for (unsigned long i = 0; i < count; ++i) {
        posted += PostMessageW(HWND_BROADCAST, created, 0, 0) != FALSE;
        posted += PostMessageW(form, 0xFFB, i, 0) != FALSE;
    }
    ResumeThread(thread);
    CloseHandle(thread);
    out.begin_object().key("posted").value(posted).end_object();
}

// What dragging the border ends with: the window's new outer size.
void cmd_resize(const Args& args, Json& out) {
    HWND top = existing_top_level(args[0]);
    SetWindowPos(top, nullptr, 0, 0, parse_number(args[1]), parse_number(args[2]),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT rect = {};
    GetWindowRect(top, &rect);
    out.begin_object();
    put_rect(out, "rect", rect);
    out.end_object();
}

// What the system sends when the window lands on a monitor of another scale: the new dpi, and
// the window's rectangle scaled about its top-left corner, written where the program can read it.
void cmd_dpi_changed(const Args& args, Json& out) {
    HWND top = existing_top_level(args[0]);
    int dpi = parse_number(args[1]);
    RECT rect = {};
    GetWindowRect(top, &rect);
    RECT suggested = {rect.left, rect.top, rect.left + MulDiv(rect.right - rect.left, dpi, 96),
                      rect.top + MulDiv(rect.bottom - rect.top, dpi, 96)};
    RemoteMemory remote(top, sizeof suggested);
    remote.write(0, &suggested, sizeof suggested);
    send_message(top, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), remote.param());
    GetWindowRect(top, &rect);
    out.begin_object();
    put_rect(out, "rect", rect);
    out.end_object();
}
