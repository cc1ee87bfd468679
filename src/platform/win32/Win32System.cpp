#include "platform/win32/Win32System.h"

#include <cstddef>
#include <cstring>
#include <iterator>

#include "platform/win32/FrenchYesNo.h"
#include "platform/win32/SystemLibraries.h"
#include "types/Cp1252.h"

// Our record is the system's first notification-icon layout, member for member, then the
// identity that the full record of Windows 7 and later carries.
static_assert(nif::FirstLayoutSize == NOTIFYICONDATAA_V1_SIZE);
static_assert(nif::FullLayoutSize == sizeof(NOTIFYICONDATAA));
static_assert(offsetof(NotifyIconData, hWnd) == offsetof(NOTIFYICONDATAA, hWnd));
static_assert(offsetof(NotifyIconData, uID) == offsetof(NOTIFYICONDATAA, uID));
static_assert(offsetof(NotifyIconData, uFlags) == offsetof(NOTIFYICONDATAA, uFlags));
static_assert(offsetof(NotifyIconData, uCallbackMessage) ==
              offsetof(NOTIFYICONDATAA, uCallbackMessage));
static_assert(offsetof(NotifyIconData, hIcon) == offsetof(NOTIFYICONDATAA, hIcon));
static_assert(offsetof(NotifyIconData, szTip) == offsetof(NOTIFYICONDATAA, szTip));
static_assert(nif::GuidItem == NIF_GUID);
static_assert(sizeof(Guid) == sizeof(GUID));
#ifndef _WIN64
static_assert(nif::FirstLayoutSize == 88);
#endif

namespace {

DWORD NotifyMessage(NotifyCommand command) {
    switch (command) {
        case NotifyCommand::Add:
            return NIM_ADD;
        case NotifyCommand::Modify:
            return NIM_MODIFY;
        case NotifyCommand::Delete:
            return NIM_DELETE;
    }
    return NIM_DELETE;
}

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
    wchar_t name[8] = {};
    GetClassNameW(window, name, 8);
    if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window) || !IsWindowEnabled(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

}  // namespace

// The tip is Windows-1252 whatever the system's code page: hand the shell the wide record.
bool Win32System::NotifyIcon(NotifyCommand command, const NotifyIconData& data) {
    NOTIFYICONDATAW wide{};
    wide.cbSize = data.cbSize == nif::FullLayoutSize ? sizeof wide : NOTIFYICONDATAW_V1_SIZE;
    wide.hWnd = data.hWnd;
    wide.uID = data.uID;
    wide.uFlags = data.uFlags;
    wide.uCallbackMessage = data.uCallbackMessage;
    wide.hIcon = data.hIcon;
    std::wstring tip = Widen(std::string(data.szTip, strnlen(data.szTip, sizeof data.szTip)));
    tip.copy(wide.szTip, std::size(data.szTip) - 1);
    if (data.uFlags & NIF_GUID) std::memcpy(&wide.guidItem, &data.guidItem, sizeof wide.guidItem);
    return Shell_NotifyIconW(NotifyMessage(command), &wide) != FALSE;
}

void Win32System::DestroyIcon(IconHandle icon) {
    ::DestroyIcon(icon);
}

void Win32System::MessageBeep(unsigned type) {
    ::MessageBeep(type);
}

int Win32System::MessageBox(WindowHandle owner, const std::string& text, const std::string& title,
                            unsigned flags) {
    // Without an owner the box still blocks every window of ours, as the configuration window
    // must not take a second click while a box waits.
    if (!owner) flags |= MB_TASKMODAL;
    FrenchYesNo french(flags);
    return MessageBoxW(owner, Widen(text).c_str(), Widen(title).c_str(), flags);
}

// Our box is the one dialog of this thread that takes input: it disabled every other window of
// ours as it showed.
void Win32System::BringBoxToFront() {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (box) SetForegroundWindow(box);
}

// At the scale of the taskbar's monitor: a process aware of each monitor's scale keeps the
// system metrics it started with when the user changes the scale, while the taskbar follows.
int Win32System::SmallIconMetric(int index) {
    using DpiForWindow = UINT(WINAPI*)(HWND);
    using MetricForDpi = int(WINAPI*)(int, UINT);
    HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    auto dpiForWindow = system_libraries::User32Function<DpiForWindow>("GetDpiForWindow");
    auto metricForDpi = system_libraries::User32Function<MetricForDpi>("GetSystemMetricsForDpi");
    const UINT dpi = taskbar && dpiForWindow && metricForDpi ? dpiForWindow(taskbar) : 0;
    return dpi ? metricForDpi(index, dpi) : GetSystemMetrics(index);
}

int Win32System::SmallIconWidth() {
    return SmallIconMetric(SM_CXSMICON);
}

int Win32System::SmallIconHeight() {
    return SmallIconMetric(SM_CYSMICON);
}

// Only the module's icons are wanted: it is mapped for its resources, and none of its code, nor
// any library it needs, is loaded.
ModuleHandle Win32System::LoadLibrary(const std::string& name) {
    return system_libraries::Load(Widen(name).c_str(),
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
}

ResourceHandle Win32System::FindResource(ModuleHandle module, int id, ResourceType type) {
    return FindResourceW(module, MAKEINTRESOURCEW(id),
                         type == ResourceType::GroupIcon ? RT_GROUP_ICON : RT_ICON);
}

const void* Win32System::LoadResource(ModuleHandle module, ResourceHandle resource) {
    HGLOBAL loaded = ::LoadResource(module, resource);
    return loaded ? LockResource(loaded) : nullptr;
}

unsigned Win32System::SizeofResource(ModuleHandle module, ResourceHandle resource) {
    return ::SizeofResource(module, resource);
}

int Win32System::LookupIconIdFromDirectory(const void* directory, int cx, int cy) {
    if (!directory) return 0;
    return LookupIconIdFromDirectoryEx(static_cast<PBYTE>(const_cast<void*>(directory)), TRUE, cx,
                                       cy, LR_LOADTRANSPARENT);
}

IconHandle Win32System::CreateIconFromResource(const void* bits, unsigned size, int cx, int cy) {
    if (!bits) return nullptr;
    return CreateIconFromResourceEx(static_cast<PBYTE>(const_cast<void*>(bits)), size, TRUE,
                                    0x00030000, cx, cy, 0);
}

unsigned long Win32System::LastError() {
    return GetLastError();
}

std::string Win32System::ErrorText(unsigned long error) {
    wchar_t text[512];
    for (DWORD language : {DWORD{MAKELANGID(LANG_FRENCH, SUBLANG_NEUTRAL)}, DWORD{0}}) {
        DWORD length =
            FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                           error, language, text, static_cast<DWORD>(std::size(text)), nullptr);
        // Without the line break the system ends its sentences with.
        while (length > 0 && text[length - 1] <= L' ') --length;
        if (length > 0) return Narrow(std::wstring(text, length));
    }
    return {};
}

SystemVersion Win32System::Version() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    GetVersionExW(&info);
    return {info.dwMajorVersion, info.dwMinorVersion};
}

std::wstring Win32System::ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring Win32System::WindowsDirectory() {
    wchar_t path[MAX_PATH];
    const UINT length = GetWindowsDirectoryW(path, MAX_PATH);
    return length < MAX_PATH ? std::wstring(path, length) : std::wstring();
}

std::vector<std::string> Win32System::CommandLineArguments() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> result;
    for (int i = 1; arguments && i < count; ++i) result.push_back(Narrow(arguments[i]));
    LocalFree(arguments);
    return result;
}

bool Win32System::FileExists(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

unsigned Win32System::RegisterWindowMessage(const std::string& name) {
    return RegisterWindowMessageW(Widen(name).c_str());
}

IconHandle Win32System::LoadOwnIcon(const std::string& resourceName) {
    return LoadIconW(instance_, Widen(resourceName).c_str());
}

IconHandle Win32System::LoadOwnIconAtSize(const std::string& resourceName, int cx, int cy) {
    return static_cast<HICON>(
        LoadImageW(instance_, Widen(resourceName).c_str(), IMAGE_ICON, cx, cy, LR_DEFAULTCOLOR));
}

std::uint32_t Win32System::SysColor(int index) {
    return GetSysColor(index);
}

bool Win32System::HighContrast() {
    HIGHCONTRASTW contrast = {};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           contrast.dwFlags & HCF_HIGHCONTRASTON;
}

bool Win32System::FlatMenus() {
    BOOL flat = FALSE;
    return SystemParametersInfoW(SPI_GETFLATMENU, 0, &flat, 0) && flat;
}

void Win32System::PostMessage(WindowHandle window, unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam) {
    PostMessageW(window, message, wParam, lParam);
}

bool Win32System::KeyDown(int virtualKey) {
    return GetKeyState(virtualKey) < 0;
}

std::uint32_t Win32System::TickCount() {
    return GetTickCount();
}

bool Win32System::TaskbarPresent() {
    return FindWindowW(L"Shell_TrayWnd", nullptr) != nullptr;
}

IconHandle Win32System::LoadSystemIcon(int id) {
    return LoadIconW(nullptr, MAKEINTRESOURCEW(id));
}

TimeOfDay Win32System::LocalTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}
