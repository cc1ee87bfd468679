#include "ui/win32/FolderTreePeer.h"

#include <algorithm>
// (after <windows.h>)
#include <shlwapi.h>

namespace ui::win32 {

namespace {

// What the shell reports to the tree's own window.
constexpr UINT ShellChanged = WM_APP + 1;
constexpr LONG WatchedEvents = SHCNE_MKDIR | SHCNE_RMDIR | SHCNE_RENAMEFOLDER | SHCNE_UPDATEDIR |
                               SHCNE_DRIVEADD | SHCNE_DRIVEREMOVED | SHCNE_MEDIAINSERTED |
                               SHCNE_MEDIAREMOVED;
constexpr int Indent = 19;

struct ShellInfo {
    std::wstring Name;
    int Icon = 0;
    int OpenIcon = 0;
    bool HasSubfolders = false;
};

ShellInfo InfoOf(PCIDLIST_ABSOLUTE pidl) {
    auto path = reinterpret_cast<LPCWSTR>(pidl);
    const UINT asked = SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
    SHFILEINFOW info = {};
    info.dwAttributes = SFGAO_HASSUBFOLDER;
    SHGetFileInfoW(path, 0, &info, sizeof info,
                   asked | SHGFI_DISPLAYNAME | SHGFI_ATTRIBUTES | SHGFI_ATTR_SPECIFIED);
    ShellInfo result{info.szDisplayName, info.iIcon, info.iIcon,
                     (info.dwAttributes & SFGAO_HASSUBFOLDER) != 0};
    if (SHGetFileInfoW(path, 0, &info, sizeof info, asked | SHGFI_OPENICON))
        result.OpenIcon = info.iIcon;
    return result;
}

void SetHasChildren(HWND tree, HTREEITEM item, bool has) {
    TVITEMW change = {};
    change.mask = TVIF_CHILDREN;
    change.hItem = item;
    change.cChildren = has ? 1 : 0;
    TreeView_SetItem(tree, &change);
}

}  // namespace

// No lines or buttons at the root: the computer stays open above its drives.
FolderTreePeer::FolderTreePeer(Win32Backend& backend, FolderTree& tree)
    : WindowPeer(backend, tree), tree_(tree) {
    HWND hwnd = CreateControlWindow(
        WC_TREEVIEWW, TVS_HASBUTTONS | TVS_HASLINES | TVS_SHOWSELALWAYS | TabStopStyle(),
        WS_EX_CLIENTEDGE);
    if (hwnd) TreeView_SetIndent(hwnd, Scale(Indent));
}

void FolderTreePeer::PrepareToShow() {
    HWND hwnd = Window();
    if (!hwnd || desktop_ || FAILED(SHGetDesktopFolder(desktop_.Out()))) return;
    LPITEMIDLIST computer = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(hwnd, CSIDL_DRIVES, &computer))) return;
    Pidl root(computer);
    // The system's image list is shared by every program: the tree only borrows it.
    SHFILEINFOW info = {};
    auto images = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(reinterpret_cast<LPCWSTR>(computer), 0, &info, sizeof info,
                       SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    TreeView_SetImageList(hwnd, images, TVSIL_NORMAL);
    watch_ = ShellWatch(hwnd, computer, WatchedEvents, ShellChanged);
    HTREEITEM top = Insert(TVI_ROOT, std::move(root));
    LoadChildren(top);
    TreeView_Expand(hwnd, top, TVE_EXPAND);
    if (!tree_.SelectedPath().empty()) Sync(Property::Selection);
}

HTREEITEM FolderTreePeer::Insert(HTREEITEM parent, Pidl pidl) {
    ShellInfo info = InfoOf(pidl.get());
    TVINSERTSTRUCTW insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    TVITEMW& item = insert.item;
    item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN | TVIF_PARAM;
    item.pszText = info.Name.data();
    item.iImage = info.Icon;
    item.iSelectedImage = info.OpenIcon;
    item.cChildren = info.HasSubfolders ? 1 : 0;
    item.lParam = reinterpret_cast<LPARAM>(pidl.get());
    HTREEITEM inserted = TreeView_InsertItem(Window(), &insert);
    if (inserted) pidls_[inserted] = std::move(pidl);
    return inserted;
}

std::vector<Pidl> FolderTreePeer::Subfolders(PCIDLIST_ABSOLUTE folder) const {
    std::vector<Pidl> found;
    ComRef<IShellFolder> shellFolder;
    ComRef<IEnumIDList> items;
    if (FAILED(desktop_->BindToObject(folder, nullptr, IID_IShellFolder, shellFolder.OutVoid())) ||
        shellFolder->EnumObjects(Window(), SHCONTF_FOLDERS, items.Out()) != S_OK || !items)
        return found;
    LPITEMIDLIST child = nullptr;
    while (items->Next(1, &child, nullptr) == S_OK) {
        Pidl relative(child);
        if (LPITEMIDLIST absolute = ILCombine(folder, relative.get())) found.emplace_back(absolute);
    }
    return found;
}

// The subfolders already shown keep their items, so that open branches and the selection
// survive a refresh; those gone are deleted and the new ones added in the shell's order.
void FolderTreePeer::LoadChildren(HTREEITEM item) {
    HWND tree = Window();
    std::vector<Pidl> fresh = Subfolders(PidlOf(item));
    HTREEITEM child = TreeView_GetChild(tree, item);
    while (child) {
        HTREEITEM next = TreeView_GetNextSibling(tree, child);
        auto same = std::find_if(fresh.begin(), fresh.end(), [&](const Pidl& pidl) {
            return ILIsEqual(pidl.get(), PidlOf(child));
        });
        if (same == fresh.end())
            TreeView_DeleteItem(tree, child);
        else
            fresh.erase(same);
        child = next;
    }
    for (Pidl& pidl : fresh) Insert(item, std::move(pidl));
    TVSORTCB sort = {item, CompareItems, reinterpret_cast<LPARAM>(this)};
    TreeView_SortChildrenCB(tree, &sort, FALSE);
    SetHasChildren(tree, item, TreeView_GetChild(tree, item) != nullptr);
}

int CALLBACK FolderTreePeer::CompareItems(LPARAM first, LPARAM second, LPARAM self) {
    HRESULT order = reinterpret_cast<FolderTreePeer*>(self)->desktop_->CompareIDs(
        0, reinterpret_cast<PCUIDLIST_RELATIVE>(first),
        reinterpret_cast<PCUIDLIST_RELATIVE>(second));
    return static_cast<short>(HRESULT_CODE(order));
}

// The parent of a folder made, removed or renamed is the one that changed; the folder itself
// may have changed too (its contents updated, a disc inserted).
void FolderTreePeer::Refresh(PCIDLIST_ABSOLUTE changed) {
    Pidl parent(ILClone(changed));
    if (parent && ILRemoveLastID(parent.get())) Update(Locate(parent.get(), false));
    Update(Locate(changed, false));
}

// A folder whose subfolders were read is read again; one never opened only learns whether it
// has any.
void FolderTreePeer::Update(HTREEITEM item) {
    if (!item) return;
    if (TreeView_GetChild(Window(), item))
        LoadChildren(item);
    else
        SetHasChildren(Window(), item, InfoOf(PidlOf(item)).HasSubfolders);
}

HTREEITEM FolderTreePeer::Locate(PCIDLIST_ABSOLUTE folder, bool load) {
    HWND tree = Window();
    HTREEITEM item = TreeView_GetRoot(tree);
    while (item) {
        PCIDLIST_ABSOLUTE own = PidlOf(item);
        if (ILIsEqual(own, folder)) return item;
        if (!ILIsParent(own, folder, FALSE)) {
            item = TreeView_GetNextSibling(tree, item);
            continue;
        }
        if (load && !TreeView_GetChild(tree, item)) LoadChildren(item);
        item = TreeView_GetChild(tree, item);
    }
    return nullptr;
}

// A path set from code is shown selected when the shell knows it; otherwise nothing is. The
// user's own choice comes back here too, and stays as it is.
void FolderTreePeer::ShowSelectedPath() {
    HWND tree = Window();
    if (!desktop_) return;
    const std::wstring& path = tree_.SelectedPath();
    if (ParsingPath(TreeView_GetSelection(tree)) == path) return;
    HTREEITEM item = nullptr;
    LPITEMIDLIST parsed = nullptr;
    if (!path.empty() &&
        SUCCEEDED(desktop_->ParseDisplayName(tree, nullptr, const_cast<LPWSTR>(path.c_str()),
                                             nullptr, &parsed, nullptr))) {
        Pidl folder(parsed);
        item = Locate(folder.get(), true);
    }
    TreeView_SelectItem(tree, item);
    if (item) TreeView_EnsureVisible(tree, item);
}

// As in the shell's own trees, the item clicked with the right button becomes the selection.
void FolderTreePeer::SelectAtCursor() {
    DWORD at = GetMessagePos();
    TVHITTESTINFO hit = {};
    hit.pt = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    ScreenToClient(Window(), &hit.pt);
    HTREEITEM item = TreeView_HitTest(Window(), &hit);
    if (item && (hit.flags & TVHT_ONITEM)) TreeView_SelectItem(Window(), item);
}

PCIDLIST_ABSOLUTE FolderTreePeer::PidlOf(HTREEITEM item) const {
    auto found = pidls_.find(item);
    return found == pidls_.end() ? nullptr : found->second.get();
}

std::wstring FolderTreePeer::ParsingPath(HTREEITEM item) const {
    PCIDLIST_ABSOLUTE pidl = PidlOf(item);
    STRRET name = {};
    LPWSTR text = nullptr;
    if (!pidl || FAILED(desktop_->GetDisplayNameOf(pidl, SHGDN_FORPARSING, &name)) ||
        FAILED(StrRetToStrW(&name, pidl, &text)))
        return {};
    std::unique_ptr<wchar_t, TaskMemFree> owned(text);
    return owned.get();
}

std::optional<LRESULT> FolderTreePeer::OnNotify(const NMHDR& header) {
    const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
    switch (header.code) {
        case TVN_ITEMEXPANDINGW:
            if (change.action == TVE_EXPAND && !TreeView_GetChild(Window(), change.itemNew.hItem))
                LoadChildren(change.itemNew.hItem);
            return FALSE;
        case TVN_SELCHANGEDW:
            if (!Syncing()) tree_.SetSelectedPath(ParsingPath(change.itemNew.hItem));
            return 0;
        case TVN_DELETEITEMW:
            pidls_.erase(change.itemOld.hItem);
            return 0;
        case NM_RCLICK:
            SelectAtCursor();
            return 0;
        default:
            return std::nullopt;
    }
}

void FolderTreePeer::DoSync(Property what) {
    if (what == Property::Selection)
        ShowSelectedPath();
    else
        WindowPeer::DoSync(what);
}

LRESULT FolderTreePeer::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != ShellChanged) return DefaultProc(message, wParam, lParam);
    PIDLIST_ABSOLUTE* changed = nullptr;
    LONG event = 0;
    HANDLE lock = SHChangeNotification_Lock(reinterpret_cast<HANDLE>(wParam),
                                            static_cast<DWORD>(lParam), &changed, &event);
    if (!lock) return 0;
    // A rename names the old folder and the new one.
    for (int i = 0; i < 2; ++i) {
        if (changed[i]) Refresh(changed[i]);
    }
    SHChangeNotification_Unlock(lock);
    return 0;
}

}  // namespace ui::win32
