#include "ui/win32/PopupMenus.h"

#include "ui/win32/WideText.h"

namespace ui::win32 {

HMENU BuildPopupMenu(const MenuItem& parent, std::vector<MenuItem*>& commands) {
    HMENU menu = CreatePopupMenu();
    for (MenuItem* item : parent.Items()) {
        if (!item->Visible) continue;
        if (item->Caption == "-") {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING | (item->Checked ? MF_CHECKED : 0) | (item->Enabled ? 0 : MF_GRAYED);
        std::wstring text = Widen(item->Caption);
        if (!item->Items().empty()) {
            HMENU sub = BuildPopupMenu(*item, commands);
            AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), text.c_str());
            continue;
        }
        commands.push_back(item);
        UINT id = static_cast<UINT>(commands.size());
        AppendMenuW(menu, flags, id, text.c_str());
        if (item->Default) SetMenuDefaultItem(menu, id, FALSE);
    }
    return menu;
}

MenuItem* ChooseFromMenu(PopupMenu& menu, Point at, HWND owner) {
    std::vector<MenuItem*> commands;
    HMENU handle = BuildPopupMenu(menu.Root(), commands);
    UINT chosen = static_cast<UINT>(
        TrackPopupMenu(handle, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.X, at.Y, 0, owner, nullptr));
    DestroyMenu(handle);
    if (chosen == 0 || chosen > commands.size()) return nullptr;
    return commands[chosen - 1];
}

}  // namespace ui::win32
