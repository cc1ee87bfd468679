#pragma once

#include <map>
#include <optional>
#include <set>
#include <vector>

#include "platform/win32/GuiObjects.h"
#include "ui/Menu.h"
#include "ui/win32/Win32Api.h"

namespace ui::win32 {

class GdiCache;

// A popup menu while it is shown: the system's menus for its visible items, and for an
// owner-drawn menu the fonts it is drawn with. The menu's owner window passes it the messages
// of its items.
class OpenMenu {
public:
    OpenMenu(PopupMenu& menu, GdiCache& gdi);
    OpenMenu(const OpenMenu&) = delete;
    OpenMenu& operator=(const OpenMenu&) = delete;

    // Shows the menu at a screen point and returns the chosen item, or null.
    MenuItem* Choose(Point at, HWND owner);
    // Measuring, drawing, access keys and submenus opening; nothing for other messages.
    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    gui_objects::OwnedMenu Build(MenuItem& parent);
    void Measure(MEASUREITEMSTRUCT& measure);
    void Draw(const DRAWITEMSTRUCT& draw);
    LRESULT AccessKey(wchar_t key, HMENU menu);
    HFONT FontFor(bool bold) const { return bold ? boldFont_.Get() : font_.Get(); }
    SIZE PictureSize(const MenuItem& item, const MenuItemParams& params) const;
    HIMAGELIST Images() const;
    bool Shows(ULONG_PTR itemData) const;

    PopupMenu& menu_;
    GdiCache& gdi_;
    gui_objects::OwnedMenu root_;
    std::map<HMENU, MenuItem*> submenus_;
    std::vector<MenuItem*> commands_;
    // Every item of the menu and its submenus.
    std::set<const MenuItem*> shown_;
    gui_objects::OwnedFont font_;
    gui_objects::OwnedFont boldFont_;
};

}  // namespace ui::win32
