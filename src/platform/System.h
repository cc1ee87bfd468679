#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/BoxQueue.h"
#include "platform/ShellItemMenu.h"
#include "types/Handles.h"
#include "types/Messages.h"
#include "types/OwnedIcon.h"
#include "types/TrayItem.h"

// Everything the logic asks of the operating system. The Win32 implementation passes values
// through; the unit tests put a recording fake behind it.
enum class NotifyCommand { Add, Modify, Delete };

struct ShellFileInfo {
    IconHandle Icon = nullptr;
    std::string DisplayName = {};
    // The file that holds the path's icon and the icon's index there (negative: minus its
    // resource number); no file when the shell names none, as for icons it draws itself.
    std::wstring IconFile = {};
    int IconIndex = 0;
};

namespace shgfi {
constexpr unsigned Icon = 0x100;
constexpr unsigned DisplayName = 0x200;
constexpr unsigned SmallIcon = 0x001;
constexpr unsigned IconLocation = 0x1000;
}  // namespace shgfi

namespace mb {
constexpr unsigned Ok = 0x00;
constexpr unsigned YesNo = 0x04;
constexpr unsigned DefaultButton2 = 0x100;
constexpr unsigned IconHand = 0x10;
constexpr unsigned IconQuestion = 0x20;
constexpr unsigned IconExclamation = 0x30;
constexpr unsigned IconAsterisk = 0x40;
constexpr unsigned IconStop = IconHand;
constexpr int IdOk = 1;
constexpr int IdYes = 6;
constexpr int IdNo = 7;
}  // namespace mb

enum class ResourceType { GroupIcon, Icon };

namespace errorcode {
constexpr unsigned long FileNotFound = 2;
constexpr unsigned long PathNotFound = 3;
constexpr unsigned long SharingViolation = 32;
// Something has the name already (ERROR_FILE_EXISTS, ERROR_ALREADY_EXISTS).
constexpr unsigned long FileExists = 80;
constexpr unsigned long AlreadyExists = 183;
// A file with the read-only attribute, which ReplaceFile refuses (ERROR_FILE_READ_ONLY).
constexpr unsigned long FileReadOnly = 6009;
// What a file system says of a call it cannot carry out at all.
constexpr unsigned long InvalidFunction = 1;
constexpr unsigned long NotSupported = 50;
constexpr unsigned long InvalidParameter = 87;
constexpr unsigned long CallNotImplemented = 120;
}  // namespace errorcode

namespace sem {
constexpr unsigned FailCriticalErrors = 0x0001;
}

constexpr int ShowNormal = 1;  // SW_SHOWNORMAL

namespace see {
constexpr unsigned InvokeIdList = 0x0000000C;
constexpr unsigned FlagNoUi = 0x00000400;
}  // namespace see

struct SystemVersion {
    unsigned Major = 0;
    unsigned Minor = 0;
};

struct TimeOfDay {
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
};

// A process access token, closed by whoever opened it.
using TokenHandle = void*;

// Paths of the program's own files are UTF-16 (std::wstring) from the system to the system, so
// that the program works from a folder of any name; only file contents are Windows-1252.
class System : public IconDestroyer {
public:
    virtual ~System() = default;

    // Notification area.
    virtual bool NotifyIcon(NotifyCommand command, const NotifyIconData& data) = 0;
    // Whether the taskbar is there to take icons: not yet early at logon, nor while the shell
    // restarts. "TaskBarCreated" says when it is there again.
    virtual bool TaskbarPresent() = 0;

    // Shell information about a path; nothing when the shell does not know it.
    virtual std::optional<ShellFileInfo> GetFileInfo(const std::wstring& path, unsigned flags) = 0;
    // The icon at that index of a file (as the shell names them), of that size; null when the
    // file has none there.
    virtual IconHandle ExtractFileIcon(const std::wstring& file, int index, int cx, int cy) = 0;
    void DestroyIcon(IconHandle icon) override = 0;

    // Sound and the modal box. The program's boxes go through MessageBoxes, which shows one at
    // a time (platform/MessageBox.h).
    virtual void MessageBeep(unsigned type) = 0;
    virtual int MessageBox(WindowHandle owner, const std::string& text, const std::string& title,
                           unsigned flags) = 0;
    // Activates the box of ours that shows, above every other window.
    virtual void BringBoxToFront() = 0;
    BoxQueue MessageBoxes;

    // The size of small icons where the notification area shows them.
    virtual int SmallIconWidth() = 0;
    virtual int SmallIconHeight() = 0;
    // Icon resources of other modules, call by call, so that each failure can be reported.
    virtual ModuleHandle LoadLibrary(const std::string& name) = 0;
    virtual ResourceHandle FindResource(ModuleHandle module, int id, ResourceType type) = 0;
    // LoadResource followed by LockResource: the bits, or null when loading failed.
    virtual const void* LoadResource(ModuleHandle module, ResourceHandle resource) = 0;
    virtual unsigned SizeofResource(ModuleHandle module, ResourceHandle resource) = 0;
    virtual int LookupIconIdFromDirectory(const void* directory, int cx, int cy) = 0;
    virtual IconHandle CreateIconFromResource(const void* bits, unsigned size, int cx, int cy) = 0;
    virtual unsigned long LastError() = 0;
    // The system's sentence for an error number, French where the system has it, else in the
    // user's language; empty when it has none.
    virtual std::string ErrorText(unsigned long error) = 0;

    // The process and its files.
    virtual SystemVersion Version() = 0;
    virtual std::wstring ExecutablePath() = 0;
    // The Windows folder, where the file manager lives.
    virtual std::wstring WindowsDirectory() = 0;
    virtual std::vector<std::string> CommandLineArguments() = 0;
    virtual bool FileExists(const std::wstring& path) = 0;
    // The whole file, or nothing (LastError says why) when it cannot be opened or read to its
    // end.
    virtual std::optional<std::string> ReadFile(const std::wstring& path) = 0;
    // The file a path leads to, symbolic links followed; the path itself when it leads nowhere.
    virtual std::wstring FinalPath(const std::wstring& path) = 0;
    virtual bool IsReadOnly(const std::wstring& path) = 0;
    // A file made anew with this content, on the disk when this returns true. Never one that is
    // there, nor through a link of that name: anything with the name makes it fail
    // (errorcode::FileExists).
    virtual bool WriteNewFile(const std::wstring& path, const std::string& content) = 0;
    // An empty file where the path leads, unless one is there: through a symbolic link that
    // leads to no file yet, its target, as a write through the link makes it. False (LastError
    // says why) when it cannot be made.
    virtual bool CreateFileIfAbsent(const std::wstring& path) = 0;
    // Puts `replacement` in the place of `replaced` in one step; the file keeps the attributes,
    // security and other marks of identity of the one it replaces.
    virtual bool ReplaceKeepingIdentity(const std::wstring& replaced,
                                        const std::wstring& replacement) = 0;
    // Renames a file over another (or to a free name) in one step.
    virtual bool RenameOver(const std::wstring& from, const std::wstring& to) = 0;
    virtual void RemoveFile(const std::wstring& path) = 0;
    // Only at start, before any window takes input: anywhere else it would freeze the program.
    virtual void Sleep(unsigned milliseconds) = 0;
    // Whether a file can be made in the folder (ending in a separator): one is made there and
    // deleted again, which answers truly whatever rights, attributes or disk say.
    virtual bool FolderWritable(const std::wstring& folder) = 0;
    // The user's roaming application-data folder, without a trailing separator; empty when the
    // system names none.
    virtual std::wstring ApplicationDataFolder() = 0;
    // Makes the folder unless it exists; LastError says why when it cannot.
    virtual bool CreateFolder(const std::wstring& folder) = 0;

    // One running copy per settings file. Claims the key (the settings file's path) for as long
    // as this process runs and returns true; when another process holds it, hands that copy
    // this process's command line instead and returns false: this copy is not to run.
    virtual bool ClaimSettingsFile(const std::wstring& key) = 0;
    // The window that the copies started later hand their command lines to.
    virtual void ReceiveHandOversAt(WindowHandle window) = 0;
    // Whether a message is a command line handed over by a later copy, well formed. It comes
    // from another program: only its form is trusted, and nothing in it is acted upon.
    virtual bool IsHandOver(const WindowMessage& message) = 0;

    // Window messages and icons of our own.
    virtual unsigned RegisterWindowMessage(const std::string& name) = 0;
    // One of our icons at the system's size, shared by the system: never destroyed.
    virtual IconHandle LoadOwnIcon(const std::string& resourceName) = 0;
    // One of our icons at that size, ours to destroy.
    virtual IconHandle LoadOwnIconAtSize(const std::string& resourceName, int cx, int cy) = 0;

    // Drives.
    virtual std::uint32_t LogicalDrives() = 0;
    virtual unsigned DriveType(const std::string& root) = 0;
    // The previous mode is returned, to be put back.
    virtual unsigned SetErrorMode(unsigned mode) = 0;
    // The total size of the drive, or nothing when it cannot be read (no disc, say).
    virtual std::optional<std::uint64_t> DiskTotalSize(const std::string& root) = 0;

    // Starting programs; their results are not the program's concern.
    virtual void WinExec(const std::string& commandLine, int show) = 0;
    virtual void ShellExecute(WindowHandle owner, const std::string& verb, const std::string& file,
                              const std::string& parameters, const std::string& directory,
                              int show) = 0;
    // The extended call, for verbs such as "properties" that need the item's identifier list.
    virtual void ShellExecuteEx(WindowHandle owner, const std::string& verb,
                                const std::string& file, unsigned mask) = 0;
    // The shell's context menu of the item a path names, a drive's root as well; null when the
    // shell finds no such item or makes it no menu. `owner` is the window of any box the shell
    // shows meanwhile.
    virtual std::unique_ptr<ShellItemMenu> ItemMenu(const std::wstring& path,
                                                    WindowHandle owner) = 0;
    // One menu for the entries of a folder with these names, those the shell finds; null when it
    // finds none.
    virtual std::unique_ptr<ShellItemMenu> ItemsMenu(const std::wstring& folder,
                                                     const std::vector<std::wstring>& names,
                                                     WindowHandle owner) = 0;
    // The names of the entries that a path with wildcards in its last part matches, in the
    // order the file system gives them.
    virtual std::vector<std::wstring> MatchingNames(const std::wstring& pattern) = 0;

    // Windows and the mouse.
    virtual std::intptr_t SendMessage(WindowHandle window, unsigned message, std::uintptr_t wParam,
                                      std::intptr_t lParam) = 0;
    virtual void CursorPos(int& x, int& y) = 0;
    // Queued for the window, handled later by its own loop.
    virtual void PostMessage(WindowHandle window, unsigned message, std::uintptr_t wParam,
                             std::intptr_t lParam) = 0;
    // Whether a key (a virtual-key code) is held down now.
    virtual bool KeyDown(int virtualKey) = 0;

    // Time: milliseconds since the system started, wrapping after 49 days.
    virtual std::uint32_t TickCount() = 0;

    // The colour (0x00BBGGRR) of a system colour index.
    virtual std::uint32_t SysColor(int index) = 0;
    // The user's look for menus: high contrast, which wants the user's colours everywhere; flat
    // menus, whose selection takes the menu highlight colour.
    virtual bool HighContrast() = 0;
    virtual bool FlatMenus() = 0;
    // One of the system's shared icons (IDI_...): never destroyed.
    virtual IconHandle LoadSystemIcon(int id) = 0;

    // The local time of day.
    virtual TimeOfDay LocalTime() = 0;

    // Ending the session. Privileges are changed in this process's token, which the caller
    // opens and closes; null when the system has no tokens.
    virtual TokenHandle OpenProcessToken() = 0;
    virtual std::optional<std::uint64_t> LookupPrivilegeValue(const std::string& name) = 0;
    virtual bool AdjustTokenPrivilege(TokenHandle token, std::uint64_t privilege, bool enable) = 0;
    virtual void CloseToken(TokenHandle token) = 0;
    // True when the system accepted the request; it then goes on by itself.
    virtual bool ExitWindowsEx(unsigned action) = 0;
};
