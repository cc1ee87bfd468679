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

std::optional<std::wstring> Win32System::ResolvedPath(const std::wstring& path) {
    // No access asked: another program's lock on the file does not stand in the way.
    KernelHandle file(CreateFileW(path.c_str(), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.Valid()) return std::nullopt;
    std::wstring final(MAX_PATH, L'\0');
    for (;;) {
        DWORD size = GetFinalPathNameByHandleW(file.Get(), final.data(),
                                               static_cast<DWORD>(final.size()), 0);
        if (size == 0) return std::nullopt;
        if (size < final.size()) return final.substr(0, size);
        final.resize(size);
    }
}

std::wstring Win32System::FinalPath(const std::wstring& path) {
    return ResolvedPath(path).value_or(path);
}

bool Win32System::IsReadOnly(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && attributes & FILE_ATTRIBUTE_READONLY;
}

// Whatever has the name, a link included, makes the call fail: the link itself is what is
// opened, and it is there.
bool Win32System::WriteNewFile(const std::wstring& path, const std::string& content) {
    bool written = false;
    DWORD error = 0;
    {
        KernelHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT,
                                      nullptr));
        if (!file.Valid()) return false;
        written = WriteAll(file.Get(), content);
        error = GetLastError();
    }
    // Closing the file must not change the error given back.
    SetLastError(error);
    return written;
}

// Opened where the path leads, links followed: a link that leads to no file yet gets its target.
bool Win32System::CreateFileIfAbsent(const std::wstring& path) {
    KernelHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.Valid();
}

bool Win32System::ReplaceKeepingIdentity(const std::wstring& replaced,
                                         const std::wstring& replacement) {
    // A file another program holds is refused before the replace begins, with the reason: Wine's
    // replace, failing there, leaves a file of its own behind.
    {
        KernelHandle held(CreateFileW(replaced.c_str(), GENERIC_WRITE | DELETE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!held.Valid()) return false;
    }
    // What cannot be carried over (an attribute a share does not keep) does not stop the save.
    return ReplaceFileW(replaced.c_str(), replacement.c_str(), nullptr,
                        REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != FALSE;
}

bool Win32System::RenameOver(const std::wstring& from, const std::wstring& to) {
    return MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

void Win32System::RemoveFile(const std::wstring& path) {
    DeleteFileW(path.c_str());
}

void Win32System::Sleep(unsigned milliseconds) {
    ::Sleep(milliseconds);
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
