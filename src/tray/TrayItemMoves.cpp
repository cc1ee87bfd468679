#include <cstring>
#include <utility>

#include "tray/TrayIcon.h"
#include "tray/TrayIconSet.h"

namespace {

// What a record stands for and shows; window, id and callback message stay with the position.
void MoveContents(TrayItem& to, TrayItem& from) {
    to.Kind = from.Kind;
    to.Path = std::move(from.Path);
    to.Name = std::move(from.Name);
    to.Options = std::move(from.Options);
    to.Missing = from.Missing;
    to.Icon = std::move(from.Icon);
    to.Entry = from.Entry;
    // The tip always goes along with the moved contents.
    to.IconData.uFlags = nif::All;
    std::memcpy(to.IconData.szTip, from.IconData.szTip, sizeof to.IconData.szTip);
}

}  // namespace

void TrayIconSet::ShowAtPosition(TrayItem& item, bool iconHere, bool wasShown) {
    item.Shown = iconHere;
    if (!wasShown) {
        RemoveTrayIcon(area_, item);
    } else if (iconHere) {
        ModifyTrayIcon(area_, item);
    } else {
        AddTrayIcon(area_, item);
    }
}

void TrayIconSet::MoveFollowingItemsUp(TrayItemList& list, int k, int last) {
    for (int j = k + 1; j <= last; ++j) {
        TrayItem& to = *list[j - 1];
        TrayItem& from = *list[j];
        bool iconHere = to.Shown;
        MoveContents(to, from);
        ShowAtPosition(to, iconHere, from.Shown);
    }
}

void TrayIconSet::RemoveItem(TrayItemList& list, int k) {
    TrayChange change = Change();
    int last = static_cast<int>(list.size()) - 1;
    MoveFollowingItemsUp(list, k, last);
    RemoveTrayIcon(area_, *list[last]);
    list.pop_back();
}

void TrayIconSet::SwapItems(TrayItemList& list, int first, int second) {
    TrayChange change = Change();
    TrayItem& a = *list[first];
    TrayItem& b = *list[second];
    const bool aShown = a.Shown, bShown = b.Shown;
    TrayItem held;
    MoveContents(held, a);
    MoveContents(a, b);
    MoveContents(b, held);
    ShowAtPosition(a, aShown, bShown);
    ShowAtPosition(b, bShown, aShown);
}
