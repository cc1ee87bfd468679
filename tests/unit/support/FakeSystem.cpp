#include "support/FakeSystem.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "types/PathParts.h"

namespace {

template <typename Handle>
Handle MakeHandle(int value) {
    return reinterpret_cast<Handle>(static_cast<std::uintptr_t>(value));
}

int HandleValue(const void* handle) {
    return static_cast<int>(reinterpret_cast<std::uintptr_t>(handle));
}

const char* CommandName(NotifyCommand command) {
    switch (command) {
        case NotifyCommand::Add:
            return "add";
        case NotifyCommand::Modify:
            return "modify";
        case NotifyCommand::Delete:
            return "delete";
    }
    return "?";
}

// Resource handles and bits of the fake modules: module * 100000 + id, so any step can tell
// which module and number it was given.
constexpr int ResourceSpan = 100000;

}  // namespace

std::string FakeSystem::Notification::Tip() const {
    return std::string(Data.szTip, strnlen(Data.szTip, sizeof Data.szTip));
}

IconHandle FakeSystem::NewIcon(int width) {
    IconHandle icon = MakeHandle<IconHandle>(++nextHandle_);
    liveIcons.insert(icon);
    iconWidths[icon] = width;
    return icon;
}

bool FakeSystem::NotifyIcon(NotifyCommand command, const NotifyIconData& data) {
    notifications.push_back({command, data});
    calls.push_back(std::string("notify ") + CommandName(command) + " " + std::to_string(data.uID));
    if (!taskbarPresent) return false;
    if (notifyResult) return notifyResult(command, data);
    if (refuse && refuse(command, data)) return false;
    // The shell's own rules: one icon per id; only an icon it has can change or go, named as it
    // was added, by its identity or by its id; an identity only in the full record, held by one
    // icon at a time and registered for one program's path.
    bool present = trayTips.contains(data.uID);
    if ((command == NotifyCommand::Add) == present) return false;
    const Guid named = data.uFlags & nif::GuidItem ? data.guidItem : Guid{};
    if (!named.IsNil() && data.cbSize != nif::FullLayoutSize) return false;
    if (command == NotifyCommand::Add) {
        if (!named.IsNil()) {
            auto registered = registeredGuids.try_emplace(named, exePath).first;
            if (registered->second != exePath || !guidHolders_.emplace(named, data.uID).second)
                return false;
        }
        trayGuids[data.uID] = named;
    } else if (trayGuids[data.uID] != named) {
        return false;
    }
    if (command == NotifyCommand::Delete) {
        LoseTrayIcon(data.uID);
        return true;
    }
    if (command == NotifyCommand::Add) trayOrder.push_back(data.uID);
    if (command == NotifyCommand::Add || data.uFlags & nif::Tip) {
        trayTips[data.uID] = Notification{command, data}.Tip();
    }
    if (data.uFlags & nif::Icon) trayPictures[data.uID] = data.hIcon;
    return true;
}

void FakeSystem::EmptyTray() {
    trayTips.clear();
    trayOrder.clear();
    trayGuids.clear();
    guidHolders_.clear();
}

void FakeSystem::LoseTrayIcon(std::uint32_t id) {
    trayTips.erase(id);
    std::erase(trayOrder, id);
    if (auto held = trayGuids.find(id); held != trayGuids.end()) {
        guidHolders_.erase(held->second);
        trayGuids.erase(held);
    }
}

std::optional<ShellFileInfo> FakeSystem::GetFileInfo(const std::wstring& widePath, unsigned flags) {
    std::string path = Narrow(widePath);
    calls.push_back("fileinfo " + path + " " + std::to_string(flags));
    auto it = shellFiles.find(path);
    auto failing = failingLookups.find(path);
    if (failing != failingLookups.end() && failing->second > 0) {
        --failing->second;
        return std::nullopt;
    }
    if (it == shellFiles.end()) return std::nullopt;
    ShellFileInfo info = it->second;
    if (info.IconFile.empty()) info.IconFile = widePath;
    if (flags & shgfi::Icon) info.Icon = NewIcon(smallIconSize);
    return info;
}

IconHandle FakeSystem::ExtractFileIcon(const std::wstring& file, int index, int cx, int cy) {
    calls.push_back("extracticon " + Narrow(file) + "," + std::to_string(index) + " " +
                    std::to_string(cx) + "x" + std::to_string(cy));
    return filesWithoutIcons.contains(file) ? nullptr : NewIcon(cx);
}

void FakeSystem::DestroyIcon(IconHandle icon) {
    calls.push_back("destroyicon " + std::to_string(HandleValue(icon)));
    if (!liveIcons.erase(icon)) ++faultyDestroys;
}

void FakeSystem::MessageBeep(unsigned type) {
    beeps.push_back(type);
    calls.push_back("beep " + std::to_string(type));
}

int FakeSystem::MessageBox(WindowHandle, const std::string& text, const std::string& title,
                           unsigned flags) {
    boxes.push_back({text, title, flags});
    calls.push_back("box " + title + ": " + text);
    boxLoops.Enter();
    if (whileBoxShown) whileBoxShown();
    boxLoops.Leave();
    if (boxAnswers.empty()) return mb::IdOk;
    int answer = boxAnswers.front();
    boxAnswers.pop_front();
    return answer;
}

ModuleHandle FakeSystem::LoadLibrary(const std::string& name) {
    calls.push_back("loadlibrary " + name);
    if (!modules.contains(name)) {
        lastError = 126;
        return nullptr;
    }
    int index = static_cast<int>(moduleNames_.size()) + 1;
    for (const auto& [known, knownName] : moduleNames_)
        if (knownName == name) index = known;
    moduleNames_[index] = name;
    return MakeHandle<ModuleHandle>(index);
}

ResourceHandle FakeSystem::FindResource(ModuleHandle module, int id, ResourceType type) {
    calls.push_back("findresource " + std::to_string(id) +
                    (type == ResourceType::GroupIcon ? " group" : " icon"));
    auto name = moduleNames_.find(HandleValue(module));
    bool found = name != moduleNames_.end() &&
                 (type == ResourceType::Icon ? id > 0 : modules[name->second].contains(id));
    if (!found) {
        lastError = 1813;
        return nullptr;
    }
    return MakeHandle<ResourceHandle>(HandleValue(module) * ResourceSpan + id);
}

const void* FakeSystem::LoadResource(ModuleHandle, ResourceHandle resource) {
    calls.push_back("loadresource");
    if (!resource) {
        lastError = 87;
        return nullptr;
    }
    return resource;
}

unsigned FakeSystem::SizeofResource(ModuleHandle, ResourceHandle resource) {
    return resource ? 744 : 0;
}

int FakeSystem::LookupIconIdFromDirectory(const void* directory, int, int) {
    // The picked image of group g is numbered 500 + g, so the next steps can be followed.
    return directory ? 500 + HandleValue(directory) % ResourceSpan : 0;
}

IconHandle FakeSystem::CreateIconFromResource(const void* bits, unsigned size, int cx, int cy) {
    calls.push_back("createicon " + std::to_string(size) + " " + std::to_string(cx) + "x" +
                    std::to_string(cy));
    return bits ? NewIcon(cx) : nullptr;
}

unsigned FakeSystem::RegisterWindowMessage(const std::string& name) {
    calls.push_back("registermessage " + name);
    return name == "TaskBarCreated" ? 0xC123 : 0xC200;
}

IconHandle FakeSystem::LoadOwnIcon(const std::string& resourceName) {
    calls.push_back("loadicon " + resourceName);
    if (!ownIcons.contains(resourceName)) return nullptr;
    auto [it, made] = ownIconHandles_.try_emplace(resourceName, nullptr);
    if (made) it->second = MakeHandle<IconHandle>(++nextHandle_);
    sharedIcons.insert(it->second);
    return it->second;
}

IconHandle FakeSystem::LoadOwnIconAtSize(const std::string& resourceName, int cx, int cy) {
    calls.push_back("loadicon " + resourceName + " " + std::to_string(cx) + "x" +
                    std::to_string(cy));
    return ownIcons.contains(resourceName) ? NewIcon(cx) : nullptr;
}

std::optional<std::string> FakeSystem::ReadFile(const std::wstring& widePath) {
    std::string path = Narrow(FinalPath(widePath));
    calls.push_back("readfile " + path);
    auto it = fileContents.find(path);
    if (it == fileContents.end() || (failingReads > 0 && failingReads--)) {
        lastError = files.contains(path) ? 32 : 2;
        return std::nullopt;
    }
    return it->second;
}

std::wstring FakeSystem::FinalPath(const std::wstring& path) {
    auto link = links.find(Narrow(path));
    return link == links.end() ? path : Widen(link->second);
}

bool FakeSystem::MayMake(const std::string& path) {
    if (refuseWrites || readOnlyFolders.contains(FolderPart(path))) {
        lastError = writeError;
        return false;
    }
    // Of the folders in the application-data folder, only those made exist.
    if (path.starts_with(applicationData) && !folders.contains(FolderPart(path))) {
        lastError = 3;
        return false;
    }
    return true;
}

bool FakeSystem::WriteNewFile(const std::wstring& widePath, const std::string& content) {
    std::string path = Narrow(widePath);
    calls.push_back("writefile " + path);
    if (files.contains(path) || links.contains(path)) {
        lastError = errorcode::FileExists;
        return false;
    }
    if (!MayMake(path)) return false;
    fileContents[path] = content;
    files.insert(path);
    return true;
}

bool FakeSystem::CreateFileIfAbsent(const std::wstring& widePath) {
    std::string path = Narrow(FinalPath(widePath));
    calls.push_back("make " + path);
    if (files.contains(path)) return true;
    if (!MayMake(path)) return false;
    fileContents[path] = "";
    files.insert(path);
    return true;
}

void FakeSystem::MoveFile(const std::string& from, const std::string& to) {
    fileContents[to] = fileContents[from];
    files.insert(to);
    fileContents.erase(from);
    files.erase(from);
    if (onWrite) onWrite();
}

bool FakeSystem::ReplaceKeepingIdentity(const std::wstring& replaced,
                                        const std::wstring& replacement) {
    calls.push_back("replace " + Narrow(replaced));
    if (replaceError) {
        lastError = replaceError;
        return false;
    }
    MoveFile(Narrow(replacement), Narrow(replaced));
    return true;
}

bool FakeSystem::RenameOver(const std::wstring& from, const std::wstring& to) {
    calls.push_back("rename " + Narrow(to));
    MoveFile(Narrow(from), Narrow(to));
    return true;
}

void FakeSystem::RemoveFile(const std::wstring& widePath) {
    std::string path = Narrow(widePath);
    calls.push_back("remove " + path);
    fileContents.erase(path);
    files.erase(path);
}

void FakeSystem::Sleep(unsigned milliseconds) {
    calls.push_back("sleep " + std::to_string(milliseconds));
    tick += milliseconds;
}

std::string FakeSystem::ErrorText(unsigned long error) {
    auto found = errorTexts.find(error);
    return found == errorTexts.end() ? "" : found->second;
}

bool FakeSystem::FolderWritable(const std::wstring& folder) {
    calls.push_back("folderwritable " + Narrow(folder));
    return !readOnlyFolders.contains(Narrow(folder));
}

bool FakeSystem::CreateFolder(const std::wstring& folder) {
    folders.insert(Narrow(folder));
    return true;
}

bool FakeSystem::ClaimSettingsFile(const std::wstring& key) {
    calls.push_back("claim " + Narrow(key));
    return !claimedElsewhere.contains(Narrow(key));
}

void FakeSystem::ReceiveHandOversAt(WindowHandle window) {
    handOverWindow = window;
}

bool FakeSystem::IsHandOver(const WindowMessage& message) {
    return message.Msg == msg::CopyData && message.LParam == HandOverData;
}

unsigned FakeSystem::DriveType(const std::string& root) {
    calls.push_back("drivetype " + root);
    auto it = driveTypes.find(root);
    return it == driveTypes.end() ? 1 : it->second;
}

unsigned FakeSystem::SetErrorMode(unsigned mode) {
    calls.push_back("errormode " + std::to_string(mode));
    unsigned previous = errorMode;
    errorMode = mode;
    return previous;
}

std::optional<std::uint64_t> FakeSystem::DiskTotalSize(const std::string& root) {
    calls.push_back("disksize " + root + " mode " + std::to_string(errorMode));
    if (!readableDisks.contains(root)) return std::nullopt;
    return 650u << 20;
}

void FakeSystem::WinExec(const std::string& commandLine, int show) {
    calls.push_back("winexec " + commandLine + " " + std::to_string(show));
}

void FakeSystem::ShellExecute(WindowHandle, const std::string& verb, const std::string& file,
                              const std::string& parameters, const std::string& directory,
                              int show) {
    calls.push_back("shellexecute " + verb + " [" + file + "] [" + parameters + "] [" + directory +
                    "] " + std::to_string(show));
}

void FakeSystem::ShellExecuteEx(WindowHandle, const std::string& verb, const std::string& file,
                                unsigned mask) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%#x", mask);
    calls.push_back("shellexecuteex " + verb + " [" + file + "] " + hex);
}

namespace {

// The shell finds every item; the menu is recorded as it shows, with what it stands for.
class FakeItemMenu : public ShellItemMenu {
public:
    FakeItemMenu(FakeSystem& system, std::string items)
        : system_(system), items_(std::move(items)) {}
    unsigned Track(int x, int y) override {
        system_.calls.push_back("itemmenu " + items_ + " " + std::to_string(x) + " " +
                                std::to_string(y));
        system_.itemMenuLoops.Enter();
        if (system_.whileItemMenuShown) system_.whileItemMenuShown();
        system_.itemMenuLoops.Leave();
        return system_.itemMenuChoice;
    }
    bool Invoke(unsigned command) override {
        system_.calls.push_back("iteminvoke " + std::to_string(command));
        return true;
    }

private:
    FakeSystem& system_;
    std::string items_;
};

}  // namespace

std::unique_ptr<ShellItemMenu> FakeSystem::ItemMenu(const std::wstring& path, WindowHandle) {
    std::string items = "[";
    items += Narrow(path);
    items += ']';
    return std::make_unique<FakeItemMenu>(*this, items);
}

std::unique_ptr<ShellItemMenu> FakeSystem::ItemsMenu(const std::wstring& folder,
                                                     const std::vector<std::wstring>& names,
                                                     WindowHandle owner) {
    if (names.empty()) return nullptr;
    std::string items = Narrow(folder);
    for (const std::wstring& name : names) items.append(" ").append(Narrow(name));
    return ItemMenu(Widen(items), owner);
}

std::vector<std::wstring> FakeSystem::MatchingNames(const std::wstring& pattern) {
    std::vector<std::wstring> names;
    auto found = matchingNames.find(Narrow(pattern));
    if (found != matchingNames.end())
        for (const std::string& name : found->second) names.push_back(Widen(name));
    return names;
}

std::intptr_t FakeSystem::SendMessage(WindowHandle, unsigned message, std::uintptr_t wParam,
                                      std::intptr_t lParam) {
    calls.push_back("sendmessage " + std::to_string(message) + " " + std::to_string(wParam) + " " +
                    std::to_string(lParam));
    return 0;
}

void FakeSystem::CursorPos(int& x, int& y) {
    x = cursorX;
    y = cursorY;
}

void FakeSystem::PostMessage(WindowHandle, unsigned message, std::uintptr_t wParam,
                             std::intptr_t lParam) {
    posted.push_back({message, wParam, lParam});
    calls.push_back("post " + std::to_string(message) + " " + std::to_string(wParam) + " " +
                    std::to_string(lParam));
}

std::uint32_t FakeSystem::TickCount() {
    tick += tickPerRead;
    return tick;
}

IconHandle FakeSystem::LoadSystemIcon(int id) {
    calls.push_back("loadsystemicon " + std::to_string(id));
    return MakeHandle<IconHandle>(id);
}

TokenHandle FakeSystem::OpenProcessToken() {
    calls.push_back("opentoken");
    if (!hasTokens) return nullptr;
    ++openTokens;
    return MakeHandle<TokenHandle>(0x7000);
}

std::optional<std::uint64_t> FakeSystem::LookupPrivilegeValue(const std::string& name) {
    calls.push_back("lookupprivilege " + name);
    return 19;
}

bool FakeSystem::AdjustTokenPrivilege(TokenHandle, std::uint64_t privilege, bool enable) {
    calls.push_back("adjustprivilege " + std::to_string(privilege) + (enable ? " on" : " off"));
    return true;
}

void FakeSystem::CloseToken(TokenHandle) {
    calls.push_back("closetoken");
    --openTokens;
}

bool FakeSystem::ExitWindowsEx(unsigned action) {
    calls.push_back("exitwindows " + std::to_string(action));
    if (onExit) onExit(action);
    return exitAccepted;
}

SharedIcon OwnPicture(IconCache& pictures, FakeSystem& system) {
    IconHandle icon = system.NewIcon();
    return pictures.Keep({IconSource::From::File, L"own", HandleValue(icon)}, icon);
}
