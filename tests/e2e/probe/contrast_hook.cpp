// High contrast for the program under test, which Wine 8.0 never reports: the program's import
// of SystemParametersInfoW (delay-loaded, like all its system libraries) is pointed at a stand-in
// that says high contrast is on and passes every other question on.
#include "win32.h"
// (after <windows.h>, whose types it uses)
#include <delayimp.h>

#include <cstring>

namespace {

using Parameters = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT);
Parameters g_system = nullptr;

BOOL WINAPI HighContrastParameters(UINT action, UINT number, PVOID value, UINT update) {
    if (action != SPI_GETHIGHCONTRAST || !value) return g_system(action, number, value, update);
    auto* contrast = static_cast<HIGHCONTRASTW*>(value);
    contrast->dwFlags = HCF_HIGHCONTRASTON | HCF_AVAILABLE;
    contrast->lpszDefaultScheme = nullptr;
    return TRUE;
}

template <typename T>
T* At(HMODULE module, DWORD offset) {
    return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + offset);
}

// The linker that builds the program leaves the delay-import directory entry empty: its
// libraries' descriptors are looked for in its sections, by their user32.dll name.
ImgDelayDescr* User32Descriptor(HMODULE exe) {
    const auto* nt = At<IMAGE_NT_HEADERS>(exe, At<IMAGE_DOS_HEADER>(exe, 0)->e_lfanew);
    const DWORD size = nt->OptionalHeader.SizeOfImage;
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    for (int n = 0; n < nt->FileHeader.NumberOfSections; ++n, ++section) {
        const DWORD end = section->VirtualAddress + section->Misc.VirtualSize;
        for (DWORD at = section->VirtualAddress; at + sizeof(ImgDelayDescr) <= end; at += 4) {
            auto* descriptor = At<ImgDelayDescr>(exe, at);
            if (descriptor->grAttrs != dlattrRva || descriptor->rvaDLLName >= size - 11 ||
                descriptor->rvaIAT >= size || descriptor->rvaINT >= size)
                continue;
            if (_strnicmp(At<char>(exe, descriptor->rvaDLLName), "user32.dll", 11) == 0)
                return descriptor;
        }
    }
    return nullptr;
}

}  // namespace

bool SwitchHighContrastOn() {
    g_system = reinterpret_cast<Parameters>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "SystemParametersInfoW")));
    HMODULE exe = GetModuleHandleW(nullptr);
    ImgDelayDescr* library = User32Descriptor(exe);
    if (!g_system || !library) return false;
    auto* names = At<IMAGE_THUNK_DATA>(exe, library->rvaINT);
    auto* slots = At<FARPROC>(exe, library->rvaIAT);
    for (int i = 0; names[i].u1.AddressOfData; ++i) {
        if (IMAGE_SNAP_BY_ORDINAL(names[i].u1.Ordinal)) continue;
        const char* name =
            At<IMAGE_IMPORT_BY_NAME>(exe, static_cast<DWORD>(names[i].u1.AddressOfData))->Name;
        if (std::strcmp(name, "SystemParametersInfoW") != 0) continue;
        // The stand-in lives here: this library stays with the program from now on.
        HMODULE self = nullptr;
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                           reinterpret_cast<LPCWSTR>(&HighContrastParameters), &self);
        DWORD previous = 0;
        if (!VirtualProtect(&slots[i], sizeof slots[i], PAGE_READWRITE, &previous)) return false;
        slots[i] = reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&HighContrastParameters));
        VirtualProtect(&slots[i], sizeof slots[i], previous, &previous);
        return true;
    }
    return false;
}
