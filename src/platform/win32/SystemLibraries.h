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

}  // namespace system_libraries
