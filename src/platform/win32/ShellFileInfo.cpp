#include "platform/win32/Win32System.h"
#include "types/Cp1252.h"

// The file the shell names for a path's icon comes back where the name would: a name asked for
// too takes a call of its own. Without a file named (an icon handler draws the icon itself),
// whether the shell knows the path at all is asked by its name.
std::optional<ShellFileInfo> Win32System::GetFileInfo(const std::wstring& path, unsigned flags) {
    ShellFileInfo result;
    if (flags & SHGFI_ICONLOCATION) {
        flags &= ~SHGFI_ICONLOCATION;
        SHFILEINFOW location{};
        if (SHGetFileInfoW(path.c_str(), 0, &location, sizeof location, SHGFI_ICONLOCATION) &&
            location.szDisplayName[0]) {
            result.IconFile = location.szDisplayName;
            result.IconIndex = location.iIcon;
            if (!flags) return result;
        } else if (!flags) {
            flags = SHGFI_DISPLAYNAME;
        }
    }
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, flags)) return std::nullopt;
    result.Icon = info.hIcon;
    result.DisplayName = Narrow(info.szDisplayName);
    return result;
}

// A small icon taken from the file the shell names for it, at the size asked: asking the shell
// for the icon itself would build its image cache on first use, lists of every size up to 256
// pixels held for the life of the process (under Wine about 4 MB, more than the rest of the
// program). The cache stays the way for the icons no file holds.
IconHandle Win32System::ExtractFileIcon(const std::wstring& file, int index, int cx, int cy) {
    HICON icon = nullptr;
    UINT id = 0;
    if (PrivateExtractIconsW(file.c_str(), index, cx, cy, &icon, &id, 1, LR_DEFAULTCOLOR) != 1)
        return nullptr;
    return icon;
}
