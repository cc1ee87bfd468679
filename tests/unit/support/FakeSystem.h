#pragma once

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/System.h"
#include "tray/IconCache.h"
#include "types/Cp1252.h"
#include "types/Messages.h"
#include "ui/headless/LoopDepth.h"

// Records every call in order and answers from a script.
class FakeSystem : public System {
public:
    struct Notification {
        NotifyCommand Command;
        NotifyIconData Data;
        std::string Tip() const;
    };
    struct Box {
        std::string Text;
        std::string Title;
        unsigned Flags;
    };

    // Makes an icon handle of that width that the fake tracks until it is destroyed.
    IconHandle NewIcon(int width = 16);

    bool NotifyIcon(NotifyCommand command, const NotifyIconData& data) override;
    bool TaskbarPresent() override { return taskbarPresent; }
    std::optional<ShellFileInfo> GetFileInfo(const std::wstring& path, unsigned flags) override;
    IconHandle ExtractFileIcon(const std::wstring& file, int index, int cx, int cy) override;
    void DestroyIcon(IconHandle icon) override;
    void MessageBeep(unsigned type) override;
    int MessageBox(WindowHandle owner, const std::string& text, const std::string& title,
                   unsigned flags) override;
    void BringBoxToFront() override { calls.push_back("box to front"); }
    int SmallIconWidth() override { return smallIconSize; }
    int SmallIconHeight() override { return smallIconSize; }
    ModuleHandle LoadLibrary(const std::string& name) override;
    ResourceHandle FindResource(ModuleHandle module, int id, ResourceType type) override;
    const void* LoadResource(ModuleHandle module, ResourceHandle resource) override;
    unsigned SizeofResource(ModuleHandle module, ResourceHandle resource) override;
    int LookupIconIdFromDirectory(const void* directory, int cx, int cy) override;
    IconHandle CreateIconFromResource(const void* bits, unsigned size, int cx, int cy) override;
    unsigned long LastError() override { return lastError; }
    std::string ErrorText(unsigned long error) override;
    SystemVersion Version() override { return version; }
    std::wstring ExecutablePath() override { return Widen(exePath); }
    std::wstring WindowsDirectory() override { return Widen(windowsFolder); }
    std::vector<std::string> CommandLineArguments() override { return arguments; }
    bool FileExists(const std::wstring& path) override { return files.contains(Narrow(path)); }
    std::optional<std::string> ReadFile(const std::wstring& path) override;
    std::wstring FinalPath(const std::wstring& path) override;
    bool IsReadOnly(const std::wstring& path) override { return readOnly.contains(Narrow(path)); }
    bool WriteNewFile(const std::wstring& path, const std::string& content) override;
    bool CreateFileIfAbsent(const std::wstring& path) override;
    bool ReplaceKeepingIdentity(const std::wstring& replaced,
                                const std::wstring& replacement) override;
    bool RenameOver(const std::wstring& from, const std::wstring& to) override;
    void RemoveFile(const std::wstring& path) override;
    void Sleep(unsigned milliseconds) override;
    bool FolderWritable(const std::wstring& folder) override;
    std::wstring ApplicationDataFolder() override { return Widen(applicationData); }
    bool CreateFolder(const std::wstring& folder) override;
    bool ClaimSettingsFile(const std::wstring& key) override;
    void ReceiveHandOversAt(WindowHandle window) override;
    bool IsHandOver(const WindowMessage& message) override;
    unsigned RegisterWindowMessage(const std::string& name) override;
    IconHandle LoadOwnIcon(const std::string& resourceName) override;
    IconHandle LoadOwnIconAtSize(const std::string& resourceName, int cx, int cy) override;
    std::uint32_t SysColor(int index) override { return sysColors.at(index); }
    bool HighContrast() override { return highContrast; }
    bool FlatMenus() override { return flatMenus; }
    std::uint32_t LogicalDrives() override { return driveMask; }
    unsigned DriveType(const std::string& root) override;
    unsigned SetErrorMode(unsigned mode) override;
    std::optional<std::uint64_t> DiskTotalSize(const std::string& root) override;
    void WinExec(const std::string& commandLine, int show) override;
    void ShellExecute(WindowHandle owner, const std::string& verb, const std::string& file,
                      const std::string& parameters, const std::string& directory,
                      int show) override;
    void ShellExecuteEx(WindowHandle owner, const std::string& verb, const std::string& file,
                        unsigned mask) override;
    std::unique_ptr<ShellItemMenu> ItemMenu(const std::wstring& path, WindowHandle owner) override;
    std::unique_ptr<ShellItemMenu> ItemsMenu(const std::wstring& folder,
                                             const std::vector<std::wstring>& names,
                                             WindowHandle owner) override;
    std::vector<std::wstring> MatchingNames(const std::wstring& pattern) override;
    std::intptr_t SendMessage(WindowHandle window, unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam) override;
    void CursorPos(int& x, int& y) override;
    void PostMessage(WindowHandle window, unsigned message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
    bool KeyDown(int virtualKey) override { return keysDown.contains(virtualKey); }
    // Every reading moves the clock on a little.
    std::uint32_t TickCount() override;
    IconHandle LoadSystemIcon(int id) override;
    TimeOfDay LocalTime() override { return clock; }
    TokenHandle OpenProcessToken() override;
    std::optional<std::uint64_t> LookupPrivilegeValue(const std::string& name) override;
    bool AdjustTokenPrivilege(TokenHandle token, std::uint64_t privilege, bool enable) override;
    void CloseToken(TokenHandle token) override;
    bool ExitWindowsEx(unsigned action) override;

    // Every call, as a line, in order.
    std::vector<std::string> calls;
    std::vector<Notification> notifications;
    std::vector<Box> boxes;
    std::vector<unsigned> beeps;

    // Script.
    // Overrides the shell's answers; without it the fake keeps the notification area below.
    std::function<bool(NotifyCommand, const NotifyIconData&)> notifyResult;
    // A request for which it says true is refused: nothing changes and the call fails.
    std::function<bool(NotifyCommand, const NotifyIconData&)> refuse;
    std::map<std::uint32_t, std::string> trayTips;     // the icons the shell shows, by id
    std::map<std::uint32_t, IconHandle> trayPictures;  // their pictures, as last sent
    // Their ids in the order they were added: the order the shell shows them in, reversed on XP.
    std::vector<std::uint32_t> trayOrder;
    // Their identities, nil for those added without one; and the path each identity was first
    // added from, for good.
    std::map<std::uint32_t, Guid> trayGuids;
    std::map<Guid, std::string> registeredGuids;
    // The icons are gone: the taskbar went away or a new one knows none of them.
    void EmptyTray();
    // The shell lost one icon.
    void LoseTrayIcon(std::uint32_t id);
    // Without a taskbar every request fails.
    bool taskbarPresent = true;
    // Runs inside every box, as the user could act while it waits.
    std::function<void()> whileBoxShown;
    // Runs inside the shell's item menu, whose loop serves the queue too.
    std::function<void()> whileItemMenuShown;
    // The command chosen in the shell's item menus (0: closed without a choice), and the names
    // patterns match.
    unsigned itemMenuChoice = 0;
    std::map<std::string, std::vector<std::string>> matchingNames;
    // The boxes and the shell's item menus open at a time.
    LoopDepth boxLoops, itemMenuLoops;
    std::deque<WindowMessage> posted;
    std::set<int> keysDown;
    std::uint32_t tick = 1000;
    std::uint32_t tickPerRead = 10;
    // Paths the shell knows; one without an icon file takes its icon from itself, at index 0.
    std::map<std::string, ShellFileInfo> shellFiles;
    // Look-ups of a path that fail before it answers again (a drive slow to mount).
    std::map<std::string, int> failingLookups;
    // Files the shell names whose icons cannot be extracted: the shell draws those itself.
    std::set<std::wstring> filesWithoutIcons;
    // The system's small-icon size, which a change of scale changes.
    int smallIconSize = 16;
    std::deque<int> boxAnswers;
    // Modules that load, with the group-icon numbers they hold.
    std::map<std::string, std::set<int>> modules;
    std::set<std::string> ownIcons{"ZCONFIG", "ZREPETER", "ZQUITTER", "ZCOCHE", "MAINICON"};
    unsigned long lastError = 0;
    // The system's sentences, by error number.
    std::map<unsigned long, std::string> errorTexts{
        {5, "Accès refusé."}, {32, "Violation de partage."}, {112, "Disque plein."}};
    SystemVersion version{10, 0};
    std::string exePath = "C:\\Vossik\\Vossik.exe";
    std::string windowsFolder = "C:\\Windows";
    std::vector<std::string> arguments;
    std::set<std::string> files;
    // Readable files (also listed in `files`); a listed file without contents cannot be read
    // (another program holds it).
    std::map<std::string, std::string> fileContents;
    // Reads of a listed file that fail before they pass again (a lock that lasts a moment).
    int failingReads = 0;
    // Symbolic links, to the path they lead to.
    std::map<std::string, std::string> links;
    std::set<std::string> readOnly;
    // Refused writes fail with this error.
    bool refuseWrites = false;
    unsigned long writeError = 5;
    // A file system that cannot replace a file keeping its identity fails so (0: it can).
    unsigned long replaceError = 0;
    // Runs once a file was put in place.
    std::function<void()> onWrite;
    // Folders where no file can be made (a program installed for all users), and the folders
    // made.
    std::set<std::string> readOnlyFolders;
    std::set<std::string> folders;
    std::string applicationData = "C:\\Users\\Ann\\AppData\\Roaming";
    // Settings files that a copy already running holds, and the window that takes the
    // hand-overs: WM_COPYDATA messages whose lParam is HandOverData.
    std::set<std::string> claimedElsewhere;
    WindowHandle handOverWindow = nullptr;
    static constexpr std::intptr_t HandOverData = 0x564B;
    std::uint32_t driveMask = 0;
    std::map<std::string, unsigned> driveTypes;  // by root; missing: 1 (no root dir)
    std::set<std::string> readableDisks;         // roots whose size can be read
    unsigned errorMode = 0;
    int cursorX = 100, cursorY = 200;
    std::map<int, std::uint32_t> sysColors{{2, 0x00A05000}, {4, 0x00FFFFFF}, {27, 0x00F0C8A0}};
    bool highContrast = false, flatMenus = false;
    TimeOfDay clock{12, 0};
    // Session end: nothing here ever leaves the test.
    bool hasTokens = true;
    bool exitAccepted = true;
    // Sees every exit call as it is made.
    std::function<void(unsigned)> onExit;
    int openTokens = 0;

    // Icons made and not yet destroyed; destroying one twice or an unknown one is a fault.
    std::set<IconHandle> liveIcons;
    std::map<IconHandle, int> iconWidths;
    std::set<IconHandle> sharedIcons;  // resources of our own: never destroyed
    int faultyDestroys = 0;

private:
    void MoveFile(const std::string& from, const std::string& to);
    // Whether a file can be made there; LastError says why not.
    bool MayMake(const std::string& path);

    int nextHandle_ = 0x100;
    std::map<Guid, std::uint32_t> guidHolders_;
    std::map<int, std::string> moduleNames_;
    std::map<std::string, IconHandle> ownIconHandles_;
};

// A new picture of its own, as from a file that no other record shows.
SharedIcon OwnPicture(IconCache& pictures, FakeSystem& system);
