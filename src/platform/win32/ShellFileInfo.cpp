#include "platform/win32/Win32System.h"
#include "types/Cp1252.h"

namespace {

// The small icon of the file the shell names as the path's icon, or null when the shell names
// none (an icon handler that draws its own) or the file holds no such icon.
HICON SmallIconAtShellLocation(const std::wstring& path) {
    SHFILEINFOW location{};
    if (!SHGetFileInfoW(path.c_str(), 0, &location, sizeof location, SHGFI_ICONLOCATION) ||
        !location.szDisplayName[0]) {
        return nullptr;
    }
    HICON small = nullptr;
    ExtractIconExW(location.szDisplayName, location.iIcon, nullptr, &small, 1);
    return small;
}

}  // namespace

// A small icon is taken from the file the shell names for it. Asking the shell for the icon
// itself would build its image cache on first use: lists of every size up to 256 pixels, held
// for the life of the process (under Wine about 4 MB, more than the rest of the program), for
// the one small icon we keep. The cache stays the way for the icons no file holds.
std::optional<ShellFileInfo> Win32System::GetFileInfo(const std::wstring& path, unsigned flags) {
    SHFILEINFOW info{};
    const unsigned nameFlag = flags & SHGFI_DISPLAYNAME;
    if ((flags & ~nameFlag) == (SHGFI_ICON | SHGFI_SMALLICON)) {
        if (HICON icon = SmallIconAtShellLocation(path)) {
            if (!nameFlag || SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, nameFlag))
                return ShellFileInfo{icon, Narrow(info.szDisplayName)};
            ::DestroyIcon(icon);
        }
    }
    if (!SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, flags)) return std::nullopt;
    return ShellFileInfo{info.hIcon, Narrow(info.szDisplayName)};
}
