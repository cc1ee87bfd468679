#include "platform/win32/SystemLibraries.h"

namespace system_libraries {

namespace {

using FolderCall = UINT(WINAPI*)(LPWSTR, UINT);

HMODULE LoadFrom(FolderCall folder, const wchar_t* name, DWORD flags) {
    wchar_t path[MAX_PATH];
    const UINT length = folder(path, MAX_PATH);
    if (!length || length + 1 + lstrlenW(name) >= MAX_PATH) return nullptr;
    path[length] = L'\\';
    lstrcpyW(path + length + 1, name);
    return LoadLibraryExW(path, nullptr, flags);
}

}  // namespace

void KeepSearchToSystemFolder() {
    using SetDirectoriesCall = BOOL(WINAPI*)(DWORD);
    // Windows 7 has it only with its update 2533623.
    auto keep = reinterpret_cast<SetDirectoriesCall>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (keep) keep(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

HMODULE Load(const wchar_t* name, DWORD flags) {
    HMODULE module = LoadFrom(GetSystemDirectoryW, name, flags);
    return module ? module : LoadFrom(GetWindowsDirectoryW, name, flags);
}

}  // namespace system_libraries
