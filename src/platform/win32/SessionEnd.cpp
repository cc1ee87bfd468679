#include "platform/win32/Win32System.h"

TokenHandle Win32System::OpenProcessToken() {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return nullptr;
    return token;
}

std::optional<std::uint64_t> Win32System::LookupPrivilegeValue(const std::string& name) {
    LUID luid{};
    if (!LookupPrivilegeValueA(nullptr, name.c_str(), &luid)) return std::nullopt;
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(luid.HighPart)) << 32 |
           luid.LowPart;
}

// A partial success is not examined: the exit call fails by itself if the right is missing.
bool Win32System::AdjustTokenPrivilege(TokenHandle token, std::uint64_t privilege, bool enable) {
    TOKEN_PRIVILEGES wanted{};
    wanted.PrivilegeCount = 1;
    wanted.Privileges[0].Luid.LowPart = static_cast<DWORD>(privilege);
    wanted.Privileges[0].Luid.HighPart = static_cast<LONG>(privilege >> 32);
    wanted.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
    TOKEN_PRIVILEGES previous{};
    DWORD previousSize = sizeof previous;
    return AdjustTokenPrivileges(token, FALSE, &wanted, sizeof previous, &previous,
                                 &previousSize) != FALSE;
}

void Win32System::CloseToken(TokenHandle token) {
    CloseHandle(token);
}

bool Win32System::ExitWindowsEx(unsigned action) {
    return ::ExitWindowsEx(action, 0) != FALSE;
}
