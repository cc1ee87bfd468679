// The smallest notification-icon program: one window, one icon, a message loop. It is the
// yardstick for the size of Vossik.exe built with the same flags. With "/libraries" it first
// loads what any program with a configuration window and the shell's item menus loads (the
// common controls, with the desktop theme they open, and the component layer started): the
// floor of the private-memory comparison.
#include <windows.h>
// (apart, so that include sorting keeps <windows.h> first)
#include <shellapi.h>

namespace {

void LoadConfigurationLibraries() {
    LoadLibraryW(L"comctl32.dll");
    using OleInitializeCall = HRESULT(WINAPI*)(LPVOID);
    if (HMODULE ole = LoadLibraryW(L"ole32.dll")) {
        auto start = reinterpret_cast<OleInitializeCall>(
            reinterpret_cast<void*>(GetProcAddress(ole, "OleInitialize")));
        if (start) start(nullptr);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    if (lstrcmpiW(commandLine, L"/libraries") == 0) LoadConfigurationLibraries();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"BareTray";
    RegisterClassW(&windowClass);
    HWND window =
        CreateWindowW(L"BareTray", L"BareTray", 0, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    NOTIFYICONDATAW icon{};
    icon.cbSize = NOTIFYICONDATAW_V1_SIZE;
    icon.hWnd = window;
    icon.uID = 1;
    icon.uFlags = NIF_ICON | NIF_TIP;
    icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    lstrcpyW(icon.szTip, L"BareTray");
    Shell_NotifyIconW(NIM_ADD, &icon);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    Shell_NotifyIconW(NIM_DELETE, &icon);
    return 0;
}
