// The yardstick for a start with thousands of icons: one window, and for each icon what no
// program showing a file's icon can skip, the file the shell names for its picture, the small
// picture taken out of it, and the add. "bare_icons.exe 900 C:\windows 9000 C:\notepad.exe"
// adds 900 icons of the first path, then 9000 of the second; the pictures live until the end.
#include <windows.h>
// (apart, so that include sorting keeps <windows.h> first)
#include <shellapi.h>
#include <stdlib.h>

namespace {

HICON SmallIconOf(const wchar_t* path) {
    SHFILEINFOW location{};
    if (!SHGetFileInfoW(path, 0, &location, sizeof location, SHGFI_ICONLOCATION)) return nullptr;
    HICON small = nullptr;
    ExtractIconExW(location.szDisplayName, location.iIcon, nullptr, &small, 1);
    return small;
}

void AddIcon(HWND window, UINT id, HICON picture) {
    NOTIFYICONDATAW icon{};
    icon.cbSize = NOTIFYICONDATAW_V1_SIZE;
    icon.hWnd = window;
    icon.uID = id;
    icon.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
    icon.uCallbackMessage = WM_APP;
    icon.hIcon = picture;
    wsprintfW(icon.szTip, L"Icon %u", id);
    Shell_NotifyIconW(NIM_ADD, &icon);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"BareIcons";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(L"BareIcons", L"BareIcons", 0, 0, 0, 0, 0, nullptr, nullptr,
                                instance, nullptr);
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    UINT id = 0;
    for (int a = 1; a + 1 < count; a += 2) {
        for (int n = _wtoi(arguments[a]); n > 0; --n)
            AddIcon(window, ++id, SmallIconOf(arguments[a + 1]));
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
