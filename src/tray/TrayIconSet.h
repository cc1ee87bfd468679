#pragma once

#include <functional>

#include "platform/System.h"
#include "tray/IconCache.h"
#include "tray/TrayIcon.h"
#include "types/IconId.h"
#include "types/TrayItem.h"
#include "ui/Form.h"

// Whether an icon is wanted, asked of the options again for every icon: a box shown during a
// walk runs a message loop in which the user may change them.
struct IconWants {
    using Rule = std::function<bool(const TrayItem&)>;
    Rule Drive;
    Rule Folder;
    Rule Launch;
    Rule Shutdown;
};

// Every icon the program can show, in its four groups, and the notification area kept in line
// with them. Record k of a list has the group's base id + k, whatever moves in or out: ids
// belong to positions.
class TrayIconSet {
public:
    // The owner receives the icons' callback message; its window exists by the first add.
    TrayIconSet(System& system, const ui::Form& owner, IconWants wants, bool isWindowsXP);
    TrayIconSet(const TrayIconSet&) = delete;
    TrayIconSet& operator=(const TrayIconSet&) = delete;

    // Appends a record at the end of its list, with that position's id, the tip and the icon.
    TrayItem& Append(TrayItemList& list, std::unique_ptr<TrayItem> item, const std::string& tip,
                     SharedIcon icon);
    // The shutdown record, with the caption of the chosen action as its name and tip.
    void BuildShutdownItem(const std::string& actionCaption);

    // The record an icon stands for, or null for a position past its list's end.
    TrayItem* ItemAt(IconPosition icon);
    // Where an entry of the group is now (the shutdown icon's position for that group), or
    // position -1 when it is no longer there.
    IconPosition Locate(TrayGroup group, std::uint32_t entry);

    // A change of records and lines that must end before any refusal is told (TrayChange).
    // Once every change has ended with no icon to bring the program back, OnUnreachable runs.
    [[nodiscard]] TrayChange Change();
    std::function<void()> OnUnreachable;
    // An icon shows, or one the options want waits for the taskbar to come.
    bool Reachable() const;
    // Where every icon of the set is added, changed and removed.
    NotificationArea& Area() { return area_; }

    // Adds every wanted icon that is not shown and removes every shown one no longer wanted;
    // icons that stay keep their place. On XP, whose shell lists icons in the reverse order of
    // their adds, everything is walked backwards.
    void RefreshTrayIcons();
    void RemoveAllTrayIcons();
    // Every icon leaves and those the options show come back, in group order.
    void Reorganise();
    // When the system's small-icon size changed, every picture is fetched again at the new size
    // and every shown icon takes it in place; false when the size stayed.
    bool FollowIconSize();

    // Removes record k: the following ones move up, each shown exactly when it was, and the
    // last position's icon goes.
    void RemoveItem(TrayItemList& list, int k);
    // Exchanges two neighbouring records; both stay shown as they were, at their new positions.
    void SwapItems(TrayItemList& list, int first, int second);
    // Record k of the list was edited: it takes its new picture and tip, and when its key
    // changed, the icons whose identity changed with it come back under their new one.
    void ChangeEntry(TrayItemList& list, int k, SharedIcon icon, const std::string& tip,
                     bool changeTip);

    // Before the records, which hold shares of its pictures.
    IconCache Pictures;
    TrayItemList Drives;
    TrayItemList Folders;
    TrayItemList Launches;
    TrayItem ShutdownItem;

private:
    bool AnyShown() const;
    // Whether the options want any icon at all, shown or not.
    bool AnyWanted() const;
    std::uint32_t IdOf(const TrayItemList& list, std::size_t position) const;
    // The list of a group of entries; null for the shutdown icon and anything else.
    TrayItemList* ListOf(TrayGroup group);
    int OccurrenceOf(const TrayItem& item);
    std::vector<int>& OccurrencesOf(const TrayItemList& list);
    // After a change of the list's keys, order or length.
    void ForgetOccurrences(const TrayItemList& list) { OccurrencesOf(list).clear(); }
    void RefreshListIcons(TrayItemList& list, const IconWants::Rule& wanted);
    void RefreshItem(TrayItem& item, const IconWants::Rule& wanted);
    void RemoveListIcons(TrayItemList& list);
    // Closes the gap at position k: the contents of records k + 1 to last move one place up,
    // each position keeping its id. Nothing is sent: says, by new position, which moved entries
    // were shown.
    std::vector<int> MoveFollowingItemsUp(TrayItemList& list, int k, int last);
    // Records from `first` on took new contents, or new keys (`moved` false); the entry now at
    // first + i was shown exactly when wasShown[i]. Each comes back shown as it was, at its
    // position, where an icon still shows what the position held.
    void ShowAsBefore(TrayItemList& list, int first, const std::vector<int>& wasShown, bool moved);

    System& system_;
    NotificationArea area_;
    const ui::Form& owner_;
    IconWants wants_;
    bool isWindowsXP_;
    std::uint32_t lastEntry_ = 0;
    // Of the drives, folders and quick-launch entries, by position, computed when asked: a
    // walk over thousands of entries asks for each.
    std::vector<int> occurrences_[3];
};
