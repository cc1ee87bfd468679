#include <vector>

#include "platform/win32/SystemLibraries.h"
#include "ui/OpenDialog.h"
#include "ui/win32/FormPeer.h"
#include "ui/win32/WideText.h"
#include "ui/win32/Win32Backend.h"

namespace ui {

namespace {

// "Description|patterns|..." becomes the system's list of NUL-ended strings, ended by another.
std::wstring SystemFilter(const std::string& filter) {
    std::wstring list = win32::Widen(filter);
    for (wchar_t& c : list) {
        if (c == L'|') c = L'\0';
    }
    list.push_back(L'\0');
    return list;
}

using OpenFileNameCall = BOOL(WINAPI*)(LPOPENFILENAMEW);

// The file dialogs' library, and the printing libraries it brings along, are loaded from the
// system folder the first time a file is chosen instead of at every start; they stay loaded.
OpenFileNameCall SystemOpenFileName() {
    static const OpenFileNameCall call = []() -> OpenFileNameCall {
        HMODULE library = system_libraries::Load(L"comdlg32.dll");
        return library ? reinterpret_cast<OpenFileNameCall>(
                             reinterpret_cast<void*>(GetProcAddress(library, "GetOpenFileNameW")))
                       : nullptr;
    }();
    return call;
}

}  // namespace

bool Win32Backend::RunOpenDialog(OpenDialog& dialog) {
    std::vector<wchar_t> file(32768, L'\0');
    dialog.FileName.copy(file.data(), file.size() - 1);
    std::wstring filter = SystemFilter(dialog.Filter);
    std::wstring title = win32::Widen(dialog.Title);
    // The system adds the extension without its dot or pattern.
    std::wstring extension = win32::Widen(dialog.DefaultExt);
    extension.erase(0, extension.find_last_of(L'.') + 1);

    OPENFILENAMEW request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = ActiveModalWindow();
    request.lpstrFilter = filter.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = file.data();
    request.nMaxFile = static_cast<DWORD>(file.size());
    request.lpstrTitle = title.c_str();
    request.lpstrDefExt = extension.c_str();
    request.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_SHAREAWARE |
                    OFN_NOCHANGEDIR | OFN_EXPLORER;
    OpenFileNameCall openFileName = SystemOpenFileName();
    if (!openFileName || !openFileName(&request)) return false;
    dialog.FileName = file.data();
    return true;
}

}  // namespace ui
