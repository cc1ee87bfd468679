#pragma once

#include "platform/System.h"
#include "platform/win32/KernelHandle.h"
#include "platform/win32/Win32.h"

// The system as it is: each call passes its values through and reports the result.
class Win32System : public System {
public:
    explicit Win32System(HINSTANCE instance) : instance_(instance) {}

    bool NotifyIcon(NotifyCommand command, const NotifyIconData& data) override;
    std::optional<ShellFileInfo> GetFileInfo(const std::wstring& path, unsigned flags) override;
    IconHandle ExtractFileIcon(const std::wstring& file, int index, int cx, int cy) override;
    void DestroyIcon(IconHandle icon) override;
    void MessageBeep(unsigned type) override;
    int MessageBox(WindowHandle owner, const std::string& text, const std::string& title,
                   unsigned flags) override;
    void BringBoxToFront() override;
    int SmallIconWidth() override;
    int SmallIconHeight() override;
    ModuleHandle LoadLibrary(const std::string& name) override;
    ResourceHandle FindResource(ModuleHandle module, int id, ResourceType type) override;
    const void* LoadResource(ModuleHandle module, ResourceHandle resource) override;
    unsigned SizeofResource(ModuleHandle module, ResourceHandle resource) override;
    int LookupIconIdFromDirectory(const void* directory, int cx, int cy) override;
    IconHandle CreateIconFromResource(const void* bits, unsigned size, int cx, int cy) override;
    unsigned long LastError() override;
    std::string ErrorText(unsigned long error) override;
    SystemVersion Version() override;
    std::wstring ExecutablePath() override;
    std::wstring WindowsDirectory() override;
    std::vector<std::string> CommandLineArguments() override;
    bool FileExists(const std::wstring& path) override;
    std::optional<std::string> ReadFile(const std::wstring& path) override;
    std::wstring FinalPath(const std::wstring& path) override;
    bool IsReadOnly(const std::wstring& path) override;
    bool WriteNewFile(const std::wstring& path, const std::string& content) override;
    bool CreateFileIfAbsent(const std::wstring& path) override;
    bool ReplaceKeepingIdentity(const std::wstring& replaced,
                                const std::wstring& replacement) override;
    bool RenameOver(const std::wstring& from, const std::wstring& to) override;
    void RemoveFile(const std::wstring& path) override;
    void Sleep(unsigned milliseconds) override;
    bool FolderWritable(const std::wstring& folder) override;
    std::wstring ApplicationDataFolder() override;
    bool CreateFolder(const std::wstring& folder) override;
    bool ClaimSettingsFile(const std::wstring& key) override;
    void ReceiveHandOversAt(WindowHandle window) override;
    bool IsHandOver(const WindowMessage& message) override;
    unsigned RegisterWindowMessage(const std::string& name) override;
    IconHandle LoadOwnIcon(const std::string& resourceName) override;
    IconHandle LoadOwnIconAtSize(const std::string& resourceName, int cx, int cy) override;
    std::uint32_t SysColor(int index) override;
    bool HighContrast() override;
    bool FlatMenus() override;
    std::uint32_t LogicalDrives() override;
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
    bool KeyDown(int virtualKey) override;
    std::uint32_t TickCount() override;
    bool TaskbarPresent() override;
    IconHandle LoadSystemIcon(int id) override;
    TimeOfDay LocalTime() override;
    TokenHandle OpenProcessToken() override;
    std::optional<std::uint64_t> LookupPrivilegeValue(const std::string& name) override;
    bool AdjustTokenPrivilege(TokenHandle token, std::uint64_t privilege, bool enable) override;
    void CloseToken(TokenHandle token) override;
    bool ExitWindowsEx(unsigned action) override;

private:
    int SmallIconMetric(int index);
    // The final path of what the path leads to, links followed; nothing when it leads nowhere.
    static std::optional<std::wstring> ResolvedPath(const std::wstring& path);
    static std::wstring SettingsFileIdentity(const std::wstring& path);

    HINSTANCE instance_;
    // This copy's claim on its settings file, held until it ends.
    KernelHandle claim_;
};
