#pragma once

#include <vector>

#include "ui/Menu.h"
#include "ui/win32/Win32Api.h"

namespace ui::win32 {

// A popup menu of the item's visible entries, sub-menus included; `commands` collects the items
// that can be chosen, the command id of each being its position there plus one. The caller
// destroys the menu.
HMENU BuildPopupMenu(const MenuItem& parent, std::vector<MenuItem*>& commands);

// Shows the menu at a screen point and returns the chosen item, or null.
MenuItem* ChooseFromMenu(PopupMenu& menu, Point at, HWND owner);

}  // namespace ui::win32
