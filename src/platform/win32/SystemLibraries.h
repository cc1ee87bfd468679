#pragma once

#include <windows.h>

// Libraries of the system are loaded from the system's own folders, never from the program's:
// anyone who can write beside the program could leave a library there under a system name.
namespace system_libraries {

// Keeps every later search for a library by name to the system folder. The program imports
// nothing else directly (its other libraries are delay-loaded), so this runs before any of
// them, and before the libraries they need, are looked for.
void KeepSearchToSystemFolder();

// The module of that name in the system folder, or else in the Windows folder (where the file
// manager lives on 32-bit systems), by its full path; null when neither has it.
HMODULE Load(const wchar_t* name, DWORD flags = 0);

// A function of user32 that only later systems have, looked up so that the program still starts
// on the others; null there, and before user32 is loaded (at its first call).
template <typename Function>
Function User32Function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    FARPROC found = user32 ? GetProcAddress(user32, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace system_libraries
