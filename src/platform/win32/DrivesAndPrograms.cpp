#include "platform/win32/Win32System.h"
#include "types/Cp1252.h"

std::uint32_t Win32System::LogicalDrives() {
    return GetLogicalDrives();
}

unsigned Win32System::DriveType(const std::string& root) {
    return GetDriveTypeW(Widen(root).c_str());
}

unsigned Win32System::SetErrorMode(unsigned mode) {
    return ::SetErrorMode(mode);
}

std::optional<std::uint64_t> Win32System::DiskTotalSize(const std::string& root) {
    ULARGE_INTEGER total{};
    if (!GetDiskFreeSpaceExW(Widen(root).c_str(), nullptr, &total, nullptr)) return std::nullopt;
    return total.QuadPart;
}

// WinExec has no wide form: the same start through CreateProcessW, so that a path in any
// language reaches the program intact.
void Win32System::WinExec(const std::string& commandLine, int show) {
    std::wstring line = Widen(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

void Win32System::ShellExecute(WindowHandle owner, const std::string& verb, const std::string& file,
                               const std::string& parameters, const std::string& directory,
                               int show) {
    ShellExecuteW(owner, Widen(verb).c_str(), Widen(file).c_str(), Widen(parameters).c_str(),
                  Widen(directory).c_str(), show);
}

void Win32System::ShellExecuteEx(WindowHandle owner, const std::string& verb,
                                 const std::string& file, unsigned mask) {
    std::wstring wideVerb = Widen(verb), wideFile = Widen(file);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = mask;
    info.hwnd = owner;
    info.lpVerb = wideVerb.c_str();
    info.lpFile = wideFile.c_str();
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteExW(&info);
}

std::intptr_t Win32System::SendMessage(WindowHandle window, unsigned message, std::uintptr_t wParam,
                                       std::intptr_t lParam) {
    return SendMessageW(window, message, wParam, lParam);
}

void Win32System::CursorPos(int& x, int& y) {
    POINT point{};
    GetCursorPos(&point);
    x = point.x;
    y = point.y;
}
