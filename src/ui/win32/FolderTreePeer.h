#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "platform/win32/ShellOwners.h"
#include "ui/FolderTree.h"
#include "ui/win32/WindowPeer.h"

namespace ui::win32 {

// A tree view of the shell's folders under the computer, with the shell's small icons. The computer
// and its drives are read when the form first shows (the shell's image lists cost megabytes, and
// a folder picker may never be opened); a folder's subfolders when it first opens, and again when
// the shell reports a change under it.
// Each item keeps its absolute item id list, owned here until the item goes.
class FolderTreePeer : public WindowPeer {
public:
    FolderTreePeer(Win32Backend& backend, FolderTree& tree);
    std::optional<LRESULT> OnNotify(const NMHDR& header) override;

protected:
    void DoSync(Property what) override;
    void PrepareToShow() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HTREEITEM Insert(HTREEITEM parent, Pidl pidl);
    std::vector<Pidl> Subfolders(PCIDLIST_ABSOLUTE folder) const;
    void LoadChildren(HTREEITEM item);
    void Refresh(PCIDLIST_ABSOLUTE changed);
    void Update(HTREEITEM item);
    // The item of that folder, or null; with load, the folders on the way are read as needed.
    HTREEITEM Locate(PCIDLIST_ABSOLUTE folder, bool load);
    void ShowSelectedPath();
    void SelectAtCursor();
    PCIDLIST_ABSOLUTE PidlOf(HTREEITEM item) const;
    std::wstring ParsingPath(HTREEITEM item) const;
    static int CALLBACK CompareItems(LPARAM first, LPARAM second, LPARAM self);

    FolderTree& tree_;
    // Null until the tree is filled.
    ComRef<IShellFolder> desktop_;
    std::unordered_map<HTREEITEM, Pidl> pidls_;
    ShellWatch watch_;
};

}  // namespace ui::win32
