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

#ifdef _WIN64

// A 64-bit process has no way into the 16-bit side.
void Win32System::RestartWindows16(std::uint32_t) {}

#else

// QT_Thunk takes the 16:16 target in EDX and the 16-bit call's arguments on the stack, in
// their order, and uses the caller's frame below them as scratch space: 60 bytes are kept
// free for it. The 16-bit call is ExitWindows(DWORD returnCode, WORD reserved).
extern "C" void CallThunk16(FARPROC thunk, DWORD target, DWORD returnCode);
asm(".text\n"
    ".globl _CallThunk16\n"
    "_CallThunk16:\n"
    "    pushl %ebx\n"
    "    pushl %esi\n"
    "    pushl %edi\n"
    "    pushl %ebp\n"
    "    movl %esp, %ebp\n"
    "    subl $60, %esp\n"
    "    movl 20(%ebp), %eax\n"
    "    movl 24(%ebp), %edx\n"
    "    pushl 28(%ebp)\n"
    "    pushw $0\n"
    "    call *%eax\n"
    "    movl %ebp, %esp\n"
    "    popl %ebp\n"
    "    popl %edi\n"
    "    popl %esi\n"
    "    popl %ebx\n"
    "    ret\n");

namespace {

// kernel32's 16-bit module calls, exported by ordinal only on the 16-bit family.
using LoadLibrary16Proc = WORD(WINAPI*)(LPCSTR);
using GetProcAddress16Proc = DWORD(WINAPI*)(DWORD, LPCSTR);
using FreeLibrary16Proc = void(WINAPI*)(DWORD);

template <typename Proc>
Proc Ordinal(HMODULE module, WORD ordinal) {
    return reinterpret_cast<Proc>(
        reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(ordinal))));
}

}  // namespace

// Only the 16-bit family's user.exe can restart Windows without restarting the computer. The
// kernel and the thunk entry are kept once found; user.exe is released after each call.
void Win32System::RestartWindows16(std::uint32_t action) {
    static HMODULE kernel = LoadLibraryW(L"kernel32");
    if (!kernel) return;
    static FARPROC thunk = GetProcAddress(kernel, "QT_Thunk");
    if (!thunk) return;
    auto load16 = Ordinal<LoadLibrary16Proc>(kernel, 35);
    auto find16 = Ordinal<GetProcAddress16Proc>(kernel, 37);
    auto free16 = Ordinal<FreeLibrary16Proc>(kernel, 36);
    if (!load16 || !find16 || !free16) return;
    WORD user = load16("user.exe");
    if (user <= 32) return;
    if (DWORD exitWindows = find16(user, "ExitWindows")) CallThunk16(thunk, exitWindows, action);
    free16(user);
}

#endif
