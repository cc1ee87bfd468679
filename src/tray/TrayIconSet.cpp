#include "tray/TrayIconSet.h"

#include <algorithm>

#include "tray/IconIdentity.h"
#include "tray/ShellInfo.h"
#include "tray/TrayIcon.h"

TrayIconSet::TrayIconSet(System& system, const ui::Form& owner, IconWants wants, bool isWindowsXP)
    : Pictures(system),
      system_(system),
      area_(system, [this](const TrayItem& item) { return OccurrenceOf(item); }),
      owner_(owner),
      wants_(std::move(wants)),
      isWindowsXP_(isWindowsXP) {}

std::uint32_t TrayIconSet::IdOf(const TrayItemList& list, std::size_t position) const {
    std::uint32_t base = &list == &Folders    ? iconid::FolderBase
                         : &list == &Launches ? iconid::LaunchBase
                                              : 0;
    return base + static_cast<std::uint32_t>(position);
}

std::vector<int>& TrayIconSet::OccurrencesOf(const TrayItemList& list) {
    return occurrences_[&list == &Drives ? 0 : &list == &Folders ? 1 : 2];
}

// The record's list is the one its id names.
int TrayIconSet::OccurrenceOf(const TrayItem& item) {
    const IconPosition at = DecodeIconId(item.IconData.uID);
    const TrayItemList* list = ListOf(at.Group);
    if (!list || at.Position >= static_cast<int>(list->size())) return 0;
    std::vector<int>& occurrences = OccurrencesOf(*list);
    if (occurrences.size() != list->size()) occurrences = Occurrences(*list);
    return occurrences[at.Position];
}

TrayItem& TrayIconSet::Append(TrayItemList& list, std::unique_ptr<TrayItem> item,
                              const std::string& tip, SharedIcon icon) {
    FillIconData(*item, owner_.Handle(), IdOf(list, list.size()), tip, std::move(icon));
    ForgetOccurrences(list);
    item->Entry = ++lastEntry_;
    list.push_back(std::move(item));
    return *list.back();
}

void TrayIconSet::BuildShutdownItem(const std::string& actionCaption) {
    ShutdownItem.Kind = TrayItemKind::Shutdown;
    ShutdownItem.Path.clear();
    ShutdownItem.Options.clear();
    ShutdownItem.Shown = false;
    ShutdownItem.Missing = false;
    ShutdownItem.Name = actionCaption;
    FillIconData(ShutdownItem, owner_.Handle(), iconid::Shutdown, ShutdownItem.Name,
                 LoadModuleIcon(system_, Pictures, "Shell32", 28));
}

TrayItemList* TrayIconSet::ListOf(TrayGroup group) {
    switch (group) {
        case TrayGroup::GroupDrive:
            return &Drives;
        case TrayGroup::GroupFolder:
            return &Folders;
        case TrayGroup::GroupLaunch:
            return &Launches;
        default:
            return nullptr;
    }
}

TrayItem* TrayIconSet::ItemAt(IconPosition icon) {
    if (icon.Group == TrayGroup::GroupShutdown) return &ShutdownItem;
    TrayItemList* list = ListOf(icon.Group);
    if (!list || icon.Position < 0 || icon.Position >= static_cast<int>(list->size()))
        return nullptr;
    return (*list)[icon.Position].get();
}

IconPosition TrayIconSet::Locate(TrayGroup group, std::uint32_t entry) {
    if (group == TrayGroup::GroupShutdown) return {group, iconid::ShutdownPosition};
    if (const TrayItemList* list = ListOf(group); list && entry != 0) {
        for (std::size_t k = 0; k < list->size(); ++k)
            if ((*list)[k]->Entry == entry) return {group, static_cast<int>(k)};
    }
    return {group, -1};
}

bool TrayIconSet::AnyShown() const {
    auto anyShown = [](const TrayItemList& list) {
        return std::any_of(list.begin(), list.end(), [](const auto& item) { return item->Shown; });
    };
    return anyShown(Drives) || anyShown(Folders) || anyShown(Launches) || ShutdownItem.Shown;
}

TrayChange TrayIconSet::Change() {
    return TrayChange(area_.Refusals(), [this] {
        if (OnUnreachable && !Reachable()) OnUnreachable();
    });
}

bool TrayIconSet::Reachable() const {
    return AnyShown() || (!system_.TaskbarPresent() && AnyWanted());
}

bool TrayIconSet::AnyWanted() const {
    auto anyWanted = [](const TrayItemList& list, const IconWants::Rule& wanted) {
        return std::any_of(list.begin(), list.end(),
                           [&](const auto& item) { return !item->Missing && wanted(*item); });
    };
    return anyWanted(Drives, wants_.Drive) || anyWanted(Folders, wants_.Folder) ||
           anyWanted(Launches, wants_.Launch) || wants_.Shutdown(ShutdownItem);
}

void TrayIconSet::RefreshItem(TrayItem& item, const IconWants::Rule& wanted) {
    if (wanted(item)) {
        AddTrayIcon(area_, item);
    } else {
        RemoveTrayIcon(area_, item);
    }
}

void TrayIconSet::RefreshListIcons(TrayItemList& list, const IconWants::Rule& wanted) {
    int step = isWindowsXP_ ? -1 : 1;
    for (int i = isWindowsXP_ ? static_cast<int>(list.size()) - 1 : 0;
         i >= 0 && i < static_cast<int>(list.size()); i += step)
        RefreshItem(*list[i], wanted);
}

void TrayIconSet::RefreshTrayIcons() {
    TrayChange change = Change();
    if (isWindowsXP_) {
        RefreshItem(ShutdownItem, wants_.Shutdown);
        RefreshListIcons(Launches, wants_.Launch);
        RefreshListIcons(Folders, wants_.Folder);
        RefreshListIcons(Drives, wants_.Drive);
    } else {
        RefreshListIcons(Drives, wants_.Drive);
        RefreshListIcons(Folders, wants_.Folder);
        RefreshListIcons(Launches, wants_.Launch);
        RefreshItem(ShutdownItem, wants_.Shutdown);
    }
}

void TrayIconSet::RemoveListIcons(TrayItemList& list) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i]->Shown) RemoveTrayIcon(area_, *list[i]);
    }
}

void TrayIconSet::Reorganise() {
    TrayChange change = Change();
    RemoveAllTrayIcons();
    RefreshTrayIcons();
}

bool TrayIconSet::FollowIconSize() {
    // The previous pictures live until the shell has the new ones.
    std::optional<std::vector<OwnedIcon>> previous = Pictures.FollowSystemSize();
    if (!previous) return false;
    TrayChange change = Change();
    auto takeNewPicture = [this](TrayItem& item) {
        if (!item.Shown) return;
        PrepareIconChange(item.IconData, item.Icon.Get(), "", false);
        ModifyTrayIcon(area_, item);
    };
    for (TrayItemList* list : {&Drives, &Folders, &Launches}) {
        for (std::size_t i = 0; i < list->size(); ++i) takeNewPicture(*(*list)[i]);
    }
    takeNewPicture(ShutdownItem);
    return true;
}

void TrayIconSet::RemoveAllTrayIcons() {
    TrayChange change = Change();
    RemoveListIcons(Launches);
    RemoveListIcons(Folders);
    RemoveListIcons(Drives);
    RemoveTrayIcon(area_, ShutdownItem);
}
