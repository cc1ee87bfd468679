#include "fonts.h"

#include <string>

#include "font_query.h"

namespace {

std::wstring beside_probe(const wchar_t* file) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + file;
}

}  // namespace

bool switch_high_contrast(HWND window) {
    HMODULE dll = LoadLibraryW(beside_probe(kFontHookDll).c_str());
    if (!dll) return false;
    auto* proc = reinterpret_cast<void*>(GetProcAddress(dll, kFontHookProc));
    std::wstring name = kHighContrastDonePrefix + std::to_wstring(GetCurrentProcessId());
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, name.c_str());
    HHOOK hook = proc ? SetWindowsHookExW(WH_CALLWNDPROC, reinterpret_cast<HOOKPROC>(proc), dll,
                                          GetWindowThreadProcessId(window, nullptr))
                      : nullptr;
    DWORD_PTR result = 0;
    if (hook)
        SendMessageTimeoutW(window, RegisterWindowMessageW(kHighContrastMessage),
                            GetCurrentProcessId(), 0, SMTO_ABORTIFHUNG, 5000, &result);
    const bool switched = done && WaitForSingleObject(done, 0) == WAIT_OBJECT_0;
    if (hook) UnhookWindowsHookEx(hook);
    if (done) CloseHandle(done);
    FreeLibrary(dll);
    return switched;
}

FontReader::FontReader() : query_(RegisterWindowMessageW(kFontQueryMessage)) {
    std::wstring name = kFontAnswerPrefix + std::to_wstring(GetCurrentProcessId());
    mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                  sizeof(FontAnswer), name.c_str());
    if (mapping_) view_ = MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(FontAnswer));
    dll_ = LoadLibraryW(beside_probe(kFontHookDll).c_str());
    if (dll_) {
        // Through void* since FARPROC and HOOKPROC have different signatures.
        auto* proc = reinterpret_cast<void*>(GetProcAddress(dll_, kFontHookProc));
        hook_proc_ = reinterpret_cast<HOOKPROC>(proc);
    }
}

FontReader::~FontReader() {
    for (auto& [thread, hook] : hooks_) UnhookWindowsHookEx(hook);
    if (view_) UnmapViewOfFile(view_);
    if (mapping_) CloseHandle(mapping_);
    if (dll_) FreeLibrary(dll_);
}

std::optional<LOGFONTW> FontReader::font(HWND hwnd) {
    if (!hook_proc_ || !view_) return std::nullopt;
    DWORD thread = GetWindowThreadProcessId(hwnd, nullptr);
    if (!hooks_.count(thread)) {
        hooks_[thread] = SetWindowsHookExW(WH_CALLWNDPROC, hook_proc_, dll_, thread);
    }
    if (!hooks_[thread]) return std::nullopt;
    auto* answer = static_cast<FontAnswer*>(view_);
    *answer = {};
    DWORD_PTR result = 0;
    SendMessageTimeoutW(hwnd, query_, GetCurrentProcessId(), 0, SMTO_ABORTIFHUNG, 5000, &result);
    if (!answer->answered || !answer->has_font) return std::nullopt;
    return answer->font;
}
