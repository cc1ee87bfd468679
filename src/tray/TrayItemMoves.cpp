#include <cstring>
#include <utility>

#include "tray/TrayIcon.h"
#include "tray/TrayIconSet.h"

namespace {

// What a record stands for and shows; window, id and callback message stay with the position,
// and so does the identity the shell knows the position's icon by.
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

// An icon the shell knows by another identity than the one due to its position's new entry
// goes first, so that no identity is ever held twice: the entry that had it may come back at
// another position. Then the others change in place and the rest come back.
void TrayIconSet::ShowAsBefore(TrayItemList& list, int first, const std::vector<int>& wasShown,
                               bool moved) {
    for (std::size_t i = 0; i < wasShown.size(); ++i) {
        TrayItem& item = *list[first + i];
        if (item.Shown && !(wasShown[i] && area_.KnowsAsDue(item))) RemoveTrayIcon(area_, item);
    }
    for (std::size_t i = 0; i < wasShown.size(); ++i) {
        TrayItem& item = *list[first + i];
        if (!wasShown[i]) continue;
        if (!item.Shown) {
            AddTrayIcon(area_, item);
        } else if (moved) {
            ModifyTrayIcon(area_, item);
        }
    }
}

std::vector<int> TrayIconSet::MoveFollowingItemsUp(TrayItemList& list, int k, int last) {
    std::vector<int> wasShown;
    for (int j = k + 1; j <= last; ++j) {
        wasShown.push_back(list[j]->Shown);
        MoveContents(*list[j - 1], *list[j]);
    }
    return wasShown;
}

void TrayIconSet::RemoveItem(TrayItemList& list, int k) {
    TrayChange change = Change();
    const int last = static_cast<int>(list.size()) - 1;
    std::vector<int> wasShown = MoveFollowingItemsUp(list, k, last);
    ForgetOccurrences(list);
    wasShown.push_back(false);  // the last position, left without an entry
    ShowAsBefore(list, k, wasShown, true);
    list.pop_back();
}

void TrayIconSet::SwapItems(TrayItemList& list, int first, int second) {
    TrayChange change = Change();
    TrayItem& a = *list[first];
    TrayItem& b = *list[second];
    const std::vector<int> wasShown = {b.Shown, a.Shown};
    TrayItem held;
    MoveContents(held, a);
    MoveContents(a, b);
    MoveContents(b, held);
    ForgetOccurrences(list);
    ShowAsBefore(list, first, wasShown, true);
}

void TrayIconSet::ChangeEntry(TrayItemList& list, int k, SharedIcon icon, const std::string& tip,
                              bool changeTip) {
    TrayChange change = Change();
    ForgetOccurrences(list);
    ChangeTrayIcon(area_, *list[k], std::move(icon), tip, changeTip);
    // Entries of the old or the new key after it count their occurrences anew.
    std::vector<int> wasShown;
    for (std::size_t j = k; j < list.size(); ++j) wasShown.push_back(list[j]->Shown);
    ShowAsBefore(list, k, wasShown, false);
}
