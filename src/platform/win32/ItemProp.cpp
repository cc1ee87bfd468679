// The shell's own context menu of a path: found in the shell's namespace, shown at a point, and
// its chosen command carried out. A hidden helper window owns the menu so that the shell can
// fill and draw its own submenus (send to, open with) through the later menu interfaces.
#include "platform/win32/Win32System.h"
// (after it: its undefinitions must come after <windows.h>)
#include <shlobj.h>

#include <vector>

#include "platform/win32/GuiObjects.h"
#include "types/Cp1252.h"
#include "types/PathParts.h"

namespace {

constexpr UINT FirstCommand = 1, LastCommand = 0x7FFF;
// Renaming is left to the caller, which knows what the name stands for.
constexpr UINT RenameCommand = 19;
constexpr wchar_t HelperClass[] = L"ItemPropMenuCallbackHelper";

// Which later menu interface the open menu's object offers; one menu is open at a time.
bool hasMenu2 = false;
bool hasMenu3 = false;

// One reference to an interface, released once.
template <typename Interface>
class Com {
public:
    Com() = default;
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    ~Com() {
        if (pointer_) pointer_->Release();
    }
    Interface** Put() { return &pointer_; }
    void** PutVoid() { return reinterpret_cast<void**>(&pointer_); }
    Interface* Get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }

private:
    Interface* pointer_ = nullptr;
};

// Identifier lists from the shell's allocator, freed with it.
class IdLists {
public:
    explicit IdLists(IMalloc* allocator) : allocator_(allocator) {}
    IdLists(const IdLists&) = delete;
    IdLists& operator=(const IdLists&) = delete;
    ~IdLists() {
        for (LPITEMIDLIST list : lists_) allocator_->Free(list);
    }
    // Parses a name in a folder; the list is kept when that works.
    bool Parse(IShellFolder* folder, HWND owner, const std::wstring& name) {
        LPITEMIDLIST list = nullptr;
        if (FAILED(folder->ParseDisplayName(owner, nullptr, const_cast<wchar_t*>(name.c_str()),
                                            nullptr, &list, nullptr)) ||
            !list)
            return false;
        lists_.push_back(list);
        return true;
    }
    const std::vector<LPITEMIDLIST>& Lists() const { return lists_; }

private:
    IMalloc* allocator_;
    std::vector<LPITEMIDLIST> lists_;
};

class WaitCursor {
public:
    WaitCursor() : previous_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() { SetCursor(previous_); }

private:
    HCURSOR previous_;
};

LRESULT CALLBACK HelperWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            // The window does not hold a reference: the menu outlives it.
            auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
            break;
        }
        case WM_INITMENUPOPUP:
        case WM_DRAWITEM:
        case WM_MEASUREITEM: {
            auto* menu = reinterpret_cast<IContextMenu*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
            if (menu && hasMenu3) {
                LRESULT ignored = 0;
                static_cast<IContextMenu3*>(menu)->HandleMenuMsg2(message, wParam, lParam,
                                                                  &ignored);
            } else if (menu && hasMenu2) {
                static_cast<IContextMenu2*>(menu)->HandleMenuMsg(message, wParam, lParam);
            }
            return message == WM_INITMENUPOPUP ? 0 : TRUE;
        }
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class HelperWindow {
public:
    HelperWindow(HINSTANCE instance, IContextMenu* menu) {
        WNDCLASSW helperClass{};
        helperClass.style = CS_PARENTDC;
        helperClass.lpfnWndProc = HelperWindowProc;
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
    HWND hwnd_ = nullptr;
};

struct MenuRequest {
    HINSTANCE Instance;
    HWND Owner;
    POINT At;
};

// The menu of items of one folder, and the command chosen in it.
bool ShowMenuFor(const MenuRequest& request, IShellFolder* folder,
                 const std::vector<LPITEMIDLIST>& items, bool& renameChosen) {
    Com<IContextMenu> first;
    auto children = const_cast<LPCITEMIDLIST*>(items.data());
    if (FAILED(folder->GetUIObjectOf(request.Owner, static_cast<UINT>(items.size()), children,
                                     IID_IContextMenu, nullptr, first.PutVoid())))
        return false;
    IContextMenu* menu = first.Get();
    Com<IContextMenu2> second;
    Com<IContextMenu3> third;
    if (SUCCEEDED(first->QueryInterface(IID_IContextMenu2, second.PutVoid()))) {
        menu = second.Get();
        hasMenu2 = true;
    }
    if (SUCCEEDED(first->QueryInterface(IID_IContextMenu3, third.PutVoid()))) {
        menu = third.Get();
        hasMenu3 = true;
    }

    CMINVOKECOMMANDINFO invoke{};
    invoke.cbSize = sizeof invoke;
    invoke.hwnd = request.Owner;
    invoke.nShow = SW_SHOWNORMAL;

    // The shell's submenus go with it.
    const gui_objects::OwnedMenu popup = gui_objects::OwnedMenu::MakePopup();
    if (!popup.Get() || FAILED(menu->QueryContextMenu(popup.Get(), 0, FirstCommand, LastCommand,
                                                      CMF_EXPLORE | CMF_CANRENAME)))
        return false;
    HelperWindow helper(request.Instance, menu);
    UINT chosen =
        static_cast<UINT>(TrackPopupMenuEx(popup.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON,
                                           request.At.x, request.At.y, helper.Get(), nullptr));
    if (chosen == RenameCommand) {
        renameChosen = true;
        return true;
    }
    if (chosen == 0) return true;
    invoke.lpVerb = MAKEINTRESOURCEA(chosen - FirstCommand);
    return SUCCEEDED(menu->InvokeCommand(&invoke));
}

// Every entry matching a pattern, as the folder names them.
std::vector<std::wstring> MatchingNames(const std::wstring& pattern) {
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

}  // namespace

ItemMenuResult Win32System::ShowItemContextMenu(const std::string& path, WindowHandle owner, int x,
                                                int y) {
    WaitCursor wait;
    hasMenu2 = hasMenu3 = false;
    ItemMenuResult result;
    Com<IMalloc> allocator;
    if (FAILED(SHGetMalloc(allocator.Put()))) return result;
    const MenuRequest request{instance_, owner, {x, y}};
    Com<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.Put()))) return result;

    // The desktop parses any path to its item, a drive root as well, whichever of its folders
    // holds the drives.
    const bool pattern = NamePart(path).find_first_of("*?") != std::string::npos;
    IdLists found(allocator.Get());
    if (!found.Parse(desktop.Get(), owner, Widen(pattern ? FolderPart(path) : path))) return result;
    if (!pattern) {
        Com<IShellFolder> parent;
        LPCITEMIDLIST item = nullptr;
        if (SUCCEEDED(
                SHBindToParent(found.Lists().front(), IID_IShellFolder, parent.PutVoid(), &item)))
            result.Done = ShowMenuFor(request, parent.Get(), {const_cast<LPITEMIDLIST>(item)},
                                      result.RenameChosen);
        return result;
    }

    Com<IShellFolder> folder;
    if (FAILED(desktop->BindToObject(found.Lists().front(), nullptr, IID_IShellFolder,
                                     folder.PutVoid())))
        return result;
    IdLists items(allocator.Get());
    for (const std::wstring& name : MatchingNames(Widen(path)))
        items.Parse(folder.Get(), owner, name);
    if (!items.Lists().empty())
        result.Done = ShowMenuFor(request, folder.Get(), items.Lists(), result.RenameChosen);
    return result;
}
