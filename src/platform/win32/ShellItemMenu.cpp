// The shell's own context menu of items: found in the shell's namespace, shown at a point, and
// its chosen command carried out. A hidden helper window owns the menu so that the shell can
// fill and draw its own submenus (send to, open with) through the later menu interfaces.
#include "platform/win32/Win32System.h"
// (after it: its undefinitions must come after <windows.h>)
#include <shlobj.h>

#include <memory>
#include <optional>
#include <vector>

#include "platform/win32/ForeignMessages.h"
#include "platform/win32/GuiObjects.h"
#include "platform/win32/ShellOwners.h"

namespace {

constexpr UINT FirstCommand = 1, LastCommand = 0x7FFF;
constexpr wchar_t HelperClass[] = L"ItemPropMenuCallbackHelper";

// The shell may take its time to find an item (a network drive, a slow disc).
class WaitCursor {
public:
    WaitCursor() : previous_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() { SetCursor(previous_); }

private:
    HCURSOR previous_;
};

// The window that owns the open menu and hands the menu's drawing messages to the shell.
class HelperWindow {
public:
    HelperWindow(HINSTANCE instance, LPVOID menu) {
        WNDCLASSW helperClass{};
        helperClass.style = CS_PARENTDC;
        helperClass.lpfnWndProc = Procedure;
        helperClass.hInstance = instance;
        helperClass.lpszClassName = HelperClass;
        RegisterClassW(&helperClass);  // already registered by an earlier menu: fine
        hwnd_ = CreateWindowExW(0, HelperClass, L"ItemPropCallbackProcessor",
                                WS_POPUP | WS_BORDER | WS_SYSMENU, 0, 0, 0, 0, nullptr, nullptr,
                                instance, menu);
        gui_objects::WindowMade(hwnd_);
    }
    HelperWindow(const HelperWindow&) = delete;
    HelperWindow& operator=(const HelperWindow&) = delete;
    ~HelperWindow() {
        if (hwnd_ && DestroyWindow(hwnd_)) gui_objects::WindowDestroyed();
    }
    HWND Get() const { return hwnd_; }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

// The shell's menu object of some items, with the latest of its interfaces that it offers: the
// later ones fill and draw the shell's own submenus.
class Win32ShellItemMenu : public ShellItemMenu {
public:
    // Null when the shell makes the items no menu.
    static std::unique_ptr<ShellItemMenu> Make(HINSTANCE instance, HWND owner, IShellFolder* folder,
                                               const std::vector<PCUITEMID_CHILD>& items);

    unsigned Track(int x, int y) override {
        return static_cast<UINT>(TrackPopupMenuEx(popup_.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, x,
                                                  y, helper_->Get(), nullptr));
    }

    bool Invoke(unsigned command) override {
        CMINVOKECOMMANDINFO invoke{};
        invoke.cbSize = sizeof invoke;
        invoke.hwnd = owner_;
        invoke.nShow = SW_SHOWNORMAL;
        invoke.lpVerb = MAKEINTRESOURCEA(command - FirstCommand);
        return SUCCEEDED(Latest()->InvokeCommand(&invoke));
    }

    // A drawing message of the open menu, for the shell to answer.
    void HandleMenuMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        LRESULT ignored = 0;
        if (third_) {
            third_->HandleMenuMsg2(message, wParam, lParam, &ignored);
        } else if (second_) {
            second_->HandleMenuMsg(message, wParam, lParam);
        }
    }

private:
    Win32ShellItemMenu(HWND owner, ComRef<IContextMenu> first)
        : owner_(owner), first_(std::move(first)) {
        first_->QueryInterface(IID_IContextMenu2, second_.OutVoid());
        first_->QueryInterface(IID_IContextMenu3, third_.OutVoid());
    }

    IContextMenu* Latest() const {
        if (third_) return third_.Get();
        if (second_) return second_.Get();
        return first_.Get();
    }

    HWND owner_;
    ComRef<IContextMenu> first_;
    ComRef<IContextMenu2> second_;
    ComRef<IContextMenu3> third_;
    // The shell's submenus go with it.
    gui_objects::OwnedMenu popup_ = gui_objects::OwnedMenu::MakePopup();
    std::optional<HelperWindow> helper_;
};

std::unique_ptr<ShellItemMenu> Win32ShellItemMenu::Make(HINSTANCE instance, HWND owner,
                                                        IShellFolder* folder,
                                                        const std::vector<PCUITEMID_CHILD>& items) {
    ComRef<IContextMenu> first;
    auto children = const_cast<PCUITEMID_CHILD_ARRAY>(items.data());
    if (FAILED(folder->GetUIObjectOf(owner, static_cast<UINT>(items.size()), children,
                                     IID_IContextMenu, nullptr, first.OutVoid())))
        return nullptr;
    std::unique_ptr<Win32ShellItemMenu> menu(new Win32ShellItemMenu(owner, std::move(first)));
    if (!menu->popup_ ||
        FAILED(menu->Latest()->QueryContextMenu(menu->popup_.Get(), 0, FirstCommand, LastCommand,
                                                CMF_EXPLORE | CMF_CANRENAME)))
        return nullptr;
    menu->helper_.emplace(instance, menu.get());
    return menu;
}

// The window does not own the menu object: the menu outlives it.
LRESULT CALLBACK HelperWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            TakeCreationParameter(hwnd, lParam);
            break;
        case WM_INITMENUPOPUP:
        case WM_DRAWITEM:
        case WM_MEASUREITEM: {
            auto* menu =
                reinterpret_cast<Win32ShellItemMenu*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
            if (menu) menu->HandleMenuMessage(message, wParam, lParam);
            return message == WM_INITMENUPOPUP ? 0 : TRUE;
        }
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A name parsed in a folder, or nothing.
Pidl Parse(IShellFolder* folder, HWND owner, const std::wstring& name) {
    LPITEMIDLIST list = nullptr;
    if (FAILED(folder->ParseDisplayName(owner, nullptr, const_cast<wchar_t*>(name.c_str()), nullptr,
                                        &list, nullptr)))
        return nullptr;
    return Pidl(list);
}

}  // namespace

// The desktop parses any path to its item, a drive root as well, whichever of its folders holds
// the drives.
std::unique_ptr<ShellItemMenu> Win32System::ItemMenu(const std::wstring& path, WindowHandle owner) {
    WaitCursor wait;
    ComRef<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.Out()))) return nullptr;
    const Pidl found = Parse(desktop.Get(), owner, path);
    ComRef<IShellFolder> parent;
    PCUITEMID_CHILD item = nullptr;
    if (!found || FAILED(SHBindToParent(found.get(), IID_IShellFolder, parent.OutVoid(), &item)))
        return nullptr;
    return Win32ShellItemMenu::Make(instance_, owner, parent.Get(), {item});
}

std::unique_ptr<ShellItemMenu> Win32System::ItemsMenu(const std::wstring& folder,
                                                      const std::vector<std::wstring>& names,
                                                      WindowHandle owner) {
    WaitCursor wait;
    ComRef<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.Out()))) return nullptr;
    const Pidl found = Parse(desktop.Get(), owner, folder);
    ComRef<IShellFolder> shellFolder;
    if (!found || FAILED(desktop->BindToObject(found.get(), nullptr, IID_IShellFolder,
                                               shellFolder.OutVoid())))
        return nullptr;
    std::vector<Pidl> parsed;
    std::vector<PCUITEMID_CHILD> items;
    for (const std::wstring& name : names) {
        if (Pidl item = Parse(shellFolder.Get(), owner, name)) {
            items.push_back(item.get());
            parsed.push_back(std::move(item));
        }
    }
    if (items.empty()) return nullptr;
    return Win32ShellItemMenu::Make(instance_, owner, shellFolder.Get(), items);
}

std::vector<std::wstring> Win32System::MatchingNames(const std::wstring& pattern) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}
