// Binds a delay-loaded import at its first call, in place of the toolchain's helper, whose object
// brings code for unloading and preloading that the program never uses. By the first call the
// program has kept the library search to the system folder.
#include <windows.h>
// (after <windows.h>, whose types it uses)
#include <delayimp.h>

#include <cstdlib>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

template <typename T>
T* At(RVA offset) {
    return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(&__ImageBase) + offset);
}

}  // namespace

// The import's slot gets the function's address, which the call then goes on to; a system
// library or function that is missing ends the program, as any other failure to load it would.
extern "C" FARPROC WINAPI __delayLoadHelper2(PCImgDelayDescr import, FARPROC* slot) {
    HMODULE& module = *At<HMODULE>(import->rvaHmod);
    if (!module) module = LoadLibraryA(At<const char>(import->rvaDLLName));
    const IMAGE_THUNK_DATA& entry =
        At<IMAGE_THUNK_DATA>(import->rvaINT)[slot - At<FARPROC>(import->rvaIAT)];
    const LPCSTR name =
        IMAGE_SNAP_BY_ORDINAL(entry.u1.Ordinal)
            ? MAKEINTRESOURCEA(IMAGE_ORDINAL(entry.u1.Ordinal))
            : At<IMAGE_IMPORT_BY_NAME>(static_cast<RVA>(entry.u1.AddressOfData))->Name;
    FARPROC found = module ? GetProcAddress(module, name) : nullptr;
    if (!found) std::abort();
    return *slot = found;
}
