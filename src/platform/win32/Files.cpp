#include <algorithm>

#include "platform/win32/KernelHandle.h"
#include "platform/win32/Win32System.h"
// (after windows.h)
#include <shlobj.h>

namespace {

bool WriteAll(HANDLE file, const std::string& content) {
    std::size_t written = 0;
    while (written < content.size()) {
        DWORD chunk = 0;
        DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(content.size() - written, 1 << 20));
        if (!WriteFile(file, content.data() + written, wanted, &chunk, nullptr) || chunk == 0)
            return false;
        written += chunk;
    }
    return FlushFileBuffers(file) != FALSE;
}

}  // namespace

std::optional<std::string> Win32System::ReadFile(const std::wstring& path) {
    KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return std::nullopt;
    std::string content;
    char buffer[64 * 1024];
    for (;;) {
        DWORD read = 0;
        // A read that fails halfway (a locked range, a lost network share) is no content at all:
        // a part of the file must never pass for the whole of it.
        if (!::ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr)) return std::nullopt;
        if (read == 0) return content;
        content.append(buffer, read);
    }
}

bool Win32System::ReplaceFile(const std::wstring& path, const std::string& content) {
    // Replacing by rename would pass over a read-only file where the system lets a rename
    // through (Wine does): a file the user made read-only is not ours to write.
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && attributes & FILE_ATTRIBUTE_READONLY) {
        SetLastError(errorcode::FileReadOnly);
        return false;
    }
    std::wstring temporary = path + L".tmp";
    bool written = false;
    DWORD error = 0;
    {
        KernelHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid()) return false;
        written = WriteAll(file.Get(), content);
        error = GetLastError();
    }
    if (written && MoveFileExW(temporary.c_str(), path.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    // The old file stays as it was; keep the error of the step that failed for the message.
    if (written) error = GetLastError();
    DeleteFileW(temporary.c_str());
    SetLastError(error);
    return false;
}

bool Win32System::FolderWritable(const std::wstring& folder) {
    // A name of this process alone, gone again when the handle closes.
    wchar_t name[32];
    wsprintfW(name, L"~Vossik%lu.tmp", GetCurrentProcessId());
    std::wstring probe = folder + name;
    KernelHandle file(CreateFileW(probe.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return file.Valid();
}

std::wstring Win32System::ApplicationDataFolder() {
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return {};
    return folder;
}

bool Win32System::CreateFolder(const std::wstring& folder) {
    return CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}
