#include "model/ModelInvariants.h"

#include <map>
#include <set>
#include <vector>

#include "model/ModelWorld.h"
#include "types/RefreshDelay.h"

namespace {

std::string Describe(const std::string& what, const std::string& expected,
                     const std::string& found) {
    return what + ": expected " + expected + ", found " + found;
}

std::string Id(std::uint32_t id) {
    return std::to_string(id);
}

// Ids belong to positions: record k of a list carries the group's base + k.
std::string CheckIds(const TConfigVossik& form) {
    const TrayIconSet& icons = form.Icons;
    const std::pair<const TrayItemList*, std::uint32_t> lists[] = {
        {&icons.Drives, 0},
        {&icons.Folders, iconid::FolderBase},
        {&icons.Launches, iconid::LaunchBase}};
    for (const auto& [list, base] : lists) {
        for (std::size_t k = 0; k < list->size(); ++k) {
            const NotifyIconData& data = (*list)[k]->IconData;
            std::uint32_t wanted = base + static_cast<std::uint32_t>(k);
            if (data.uID != wanted)
                return Describe("the record at position " + std::to_string(k) + " of group " +
                                    Id(base) + " has the wrong id",
                                Id(wanted), Id(data.uID));
            if (data.uCallbackMessage != msg::TrayCallback || data.hWnd != form.Handle())
                return "the record with id " + Id(wanted) + " lost its window or message";
            if ((*list)[k]->Shown && (*list)[k]->Missing)
                return "the record with id " + Id(wanted) +
                       " is shown though its target is missing";
        }
    }
    return {};
}

// Every record of the icon set, the shutdown icon's last.
std::vector<const TrayItem*> Records(const TConfigVossik& form) {
    std::vector<const TrayItem*> records;
    for (const TrayItemList* list : {&form.Icons.Drives, &form.Icons.Folders, &form.Icons.Launches})
        for (const auto& item : *list) records.push_back(item.get());
    records.push_back(&form.Icons.ShutdownItem);
    return records;
}

// The area holds an icon exactly for each shown record, showing that record's tip and picture.
std::string CheckTray(const ModelWorld& world) {
    std::map<std::uint32_t, const TrayItem*> shown;
    for (const TrayItem* item : Records(*world.Rig().form))
        if (item->Shown) shown[item->IconData.uID] = item;
    const FakeSystem& system = world.Rig().system;
    for (const auto& [id, tip] : system.trayTips) {
        auto record = shown.find(id);
        if (record == shown.end())
            return "the notification area holds icon " + Id(id) + " (\"" + tip +
                   "\") that no shown record has";
        if (world.StaleTips().contains(id)) continue;
        if (record->second->Tip() != tip)
            return Describe("icon " + Id(id) + " shows another record's tip",
                            "\"" + record->second->Tip() + "\"", "\"" + tip + "\"");
        if (system.trayPictures.at(id) != record->second->Icon.Get())
            return "icon " + Id(id) + " shows another picture than its record's";
    }
    for (const auto& [id, item] : shown)
        if (!system.trayTips.contains(id))
            return "record " + Id(id) + " (\"" + item->Tip() +
                   "\") counts as shown but the area has no such icon";
    return {};
}

// The window hides only while an icon shows to bring it back: whatever took the last one, the
// window shows again, from the loop.
std::string CheckReachable(const ModelWorld& world) {
    const MainFormRig& rig = world.Rig();
    if (rig.form->Showing() || !rig.system.trayTips.empty() || world.AwaitingTaskbar() ||
        world.ReachCheckAwaited())
        return {};
    return "the window is hidden and no icon shows";
}

// One icon per picture the records show, none kept for nothing; each at the system's size once
// no change of scale waits.
std::string CheckPictures(const ModelWorld& world) {
    const FakeSystem& system = world.Rig().system;
    std::set<IconHandle> pictures;
    for (const TrayItem* item : Records(*world.Rig().form)) {
        if (!item->Icon) continue;
        pictures.insert(item->Icon.Get());
        const int width = system.iconWidths.at(item->Icon.Get());
        if (!world.IconSizeAwaited() && width != system.smallIconSize)
            return Describe("the picture of record " + Id(item->IconData.uID) + " has a width",
                            std::to_string(system.smallIconSize), std::to_string(width));
    }
    if (pictures != system.liveIcons)
        return Describe("the live icons",
                        std::to_string(pictures.size()) + ", the records' pictures",
                        std::to_string(system.liveIcons.size()));
    return {};
}

// Line k of a list box stands for record k of its list.
std::string CheckLines(const TConfigVossik& form) {
    const std::vector<std::string>& folders = form.Pages.PageRep.ListeRep.Items();
    if (folders.size() != form.Icons.Folders.size())
        return Describe("the folder list box and the folders differ in count",
                        std::to_string(form.Icons.Folders.size()), std::to_string(folders.size()));
    for (std::size_t k = 0; k < folders.size(); ++k)
        if (folders[k] != form.Icons.Folders[k]->Path)
            return Describe("line " + std::to_string(k) + " of the folder list",
                            form.Icons.Folders[k]->Path, folders[k]);
    const std::vector<std::string>& launches = form.Pages.PageApp.ListeFich.Items();
    if (launches.size() != form.Icons.Launches.size())
        return Describe("the quick-launch list box and the entries differ in count",
                        std::to_string(form.Icons.Launches.size()),
                        std::to_string(launches.size()));
    for (std::size_t k = 0; k < launches.size(); ++k) {
        const TrayItem& item = *form.Icons.Launches[k];
        std::string tail = " (" + item.Path + " " + item.Options + ")";
        if (!launches[k].ends_with(tail))
            return Describe("line " + std::to_string(k) + " of the quick-launch list", "..." + tail,
                            launches[k]);
    }
    return {};
}

// A letter is known exactly while it has an entry or waits for one; it has one entry at most.
std::string CheckDriveMask(const TConfigVossik& form) {
    std::uint32_t entries = 0;
    for (const auto& drive : form.Icons.Drives) {
        const std::uint32_t bit = 1u << (drive->Path.front() - 'A');
        if (entries & bit) return "drive " + drive->Path + " has two entries";
        entries |= bit;
    }
    const std::uint32_t letters = entries | form.Watcher.CreationsDue();
    if (letters != form.Watcher.DriveMask)
        return Describe("the drive mask", Id(letters), Id(form.Watcher.DriveMask));
    return {};
}

// A list's selection is a line of it or none; its buttons act exactly when a line is selected
// and the list is switched on, and the folders' name field shows the selected folder's name.
std::string CheckSelection(const char* what, const ui::ListBox& list, const ui::CheckBox& on,
                           const ui::Button& change, const ui::Button& remove) {
    const int selected = list.ItemIndex();
    if (selected < -1 || selected >= list.Count())
        return std::string("the ") + what + " list selects line " + std::to_string(selected) +
               " of " + std::to_string(list.Count());
    const bool counts = selected >= 0 && on.Checked();
    if (change.Enabled() != counts || remove.Enabled() != counts)
        return std::string("the ") + what + " list's buttons are " +
               (change.Enabled() ? "on" : "off") + " with line " + std::to_string(selected) +
               " selected";
    return {};
}

std::string CheckSelections(const TConfigVossik& form) {
    const FoldersPage& folders = form.Pages.PageRep;
    const LaunchPage& launches = form.Pages.PageApp;
    std::string breach = CheckSelection("folder", folders.ListeRep, folders.ActiverRep,
                                        folders.ModifierRepBtn, folders.EnleverRepBtn);
    if (!breach.empty()) return breach;
    const int line = folders.ListeRep.ItemIndex();
    const std::string name =
        line >= 0 && folders.ActiverRep.Checked() ? form.Icons.Folders[line]->Name : "";
    if (folders.NomRep.Caption() != name)
        return Describe("the shortcut name shown", name, folders.NomRep.Caption());
    return CheckSelection("quick-launch", launches.ListeFich, launches.ActiverExe,
                          launches.ModifierExeBtn, launches.EnleverExeBtn);
}

// No loop is entered inside itself: one box, one item menu, and each dialog and menu once.
std::string CheckNesting(const MainFormRig& rig) {
    if (rig.system.boxLoops.Most > 1) return "a box opened while another showed";
    if (rig.system.itemMenuLoops.Most > 1) return "an item menu opened inside another";
    if (rig.backend.MostNestedOfOneKind() > 1) return "a dialog or menu opened inside itself";
    return {};
}

// The option controls of two forms, in the same order.
void CollectOptions(const ui::Control& control, std::vector<std::pair<std::string, int>>& options) {
    switch (control.Kind()) {
        case ui::ControlKind::CheckBox:
            options.emplace_back(control.Name(),
                                 static_cast<const ui::CheckBox&>(control).Checked());
            break;
        case ui::ControlKind::RadioButton:
            options.emplace_back(control.Name(),
                                 static_cast<const ui::RadioButton&>(control).Checked());
            break;
        case ui::ControlKind::ComboBox:
            options.emplace_back(control.Name(),
                                 static_cast<const ui::ComboBox&>(control).ItemIndex());
            break;
        case ui::ControlKind::RadioGroup:
            options.emplace_back(control.Name(),
                                 static_cast<const ui::RadioGroup&>(control).ItemIndex());
            break;
        default:
            break;
    }
    for (const ui::Control* child : control.Children()) CollectOptions(*child, options);
}

std::string CompareList(const char* what, const TrayItemList& saved, const TrayItemList& loaded) {
    if (saved.size() != loaded.size())
        return Describe(std::string("the reloaded ") + what + " count",
                        std::to_string(saved.size()), std::to_string(loaded.size()));
    for (std::size_t k = 0; k < saved.size(); ++k) {
        const TrayItem& a = *saved[k];
        const TrayItem& b = *loaded[k];
        std::string entry = std::string("reloaded ") + what + " " + std::to_string(k);
        if (a.Path != b.Path) return Describe(entry + " path", a.Path, b.Path);
        if (a.Options != b.Options) return Describe(entry + " parameters", a.Options, b.Options);
        // A record gone missing at load has a stand-in name; its own is not written.
        if (!a.Missing && a.Name != b.Name) return Describe(entry + " name", a.Name, b.Name);
    }
    return {};
}

}  // namespace

std::string CheckInvariants(const ModelWorld& world) {
    const TConfigVossik& form = *world.Rig().form;
    for (const std::string& breach :
         {CheckIds(form), world.AwaitingTaskbar() ? std::string() : CheckTray(world),
          CheckLines(form), CheckSelections(form), CheckDriveMask(form), CheckPictures(world),
          CheckReachable(world)})
        if (!breach.empty()) return breach;
    if (world.Rig().system.faultyDestroys) return "an icon was destroyed twice, or one never made";
    return CheckNesting(world.Rig());
}

std::string CheckIdentities(const MainFormRig& rig, IdentityBook& book) {
    const TrayIconSet& icons = rig.form->Icons;
    const bool fullRecord = rig.system.version.Major >= 10;  // the model's, or XP's 5.1
    auto check = [&](const TrayItem& item, const std::string& entry) -> std::string {
        auto held = rig.system.trayGuids.find(item.IconData.uID);
        if (!item.Shown || held == rig.system.trayGuids.end()) return {};
        if (held->second.IsNil())
            return fullRecord && !book.Refused
                       ? "icon " + Id(item.IconData.uID) + " (" + entry + ") has no identity"
                       : std::string();
        auto [ofEntry, newEntry] = book.OfEntry.emplace(entry, held->second);
        auto [entryOf, newGuid] = book.EntryOf.emplace(held->second, entry);
        if (ofEntry->second != held->second)
            return "icon " + Id(item.IconData.uID) + " (" + entry + ") took another identity";
        if (entryOf->second != entry)
            return "icon " + Id(item.IconData.uID) + " (" + entry + ") took the identity of " +
                   entryOf->second;
        return {};
    };
    const std::pair<const TrayItemList*, const char*> lists[] = {
        {&icons.Drives, "drive "}, {&icons.Folders, "folder "}, {&icons.Launches, "launch "}};
    for (const auto& [list, group] : lists) {
        std::map<std::string, int> seen;
        for (const auto& item : *list) {
            std::string key = list == &icons.Drives    ? item->Path.substr(0, 1)
                              : list == &icons.Folders ? item->Path
                                                       : item->Path + " " + item->Options;
            std::string entry = group + key + " #" + std::to_string(seen[key]++);
            if (std::string breach = check(*item, entry); !breach.empty()) return breach;
        }
    }
    return check(icons.ShutdownItem, "shutdown");
}

namespace {

// A program of its own on the same machine, with the same files.
void CopyMachine(const FakeSystem& from, FakeSystem& to) {
    to.driveMask = from.driveMask;
    to.driveTypes = from.driveTypes;
    to.readableDisks = from.readableDisks;
    to.shellFiles = from.shellFiles;
    to.files = from.files;
    to.fileContents = from.fileContents;
    to.readOnlyFolders = from.readOnlyFolders;
    to.folders = from.folders;
    to.version = from.version;
}

}  // namespace

std::string CheckReadAsPlain(MainFormRig& rig, const std::string& plainText) {
    const TConfigVossik& started = *rig.form;
    std::string breach;
    {
        MainFormRig fresh;
        CopyMachine(rig.system, fresh.system);
        fresh.system.arguments = rig.system.arguments;
        fresh.system.clock = rig.system.clock;
        fresh.system.fileContents[Narrow(started.SettingsPath())] = plainText;
        const TConfigVossik& plain = fresh.Start();
        std::vector<std::pair<std::string, int>> expected, found;
        CollectOptions(plain.Pages.Onglets, expected);
        CollectOptions(started.Pages.Onglets, found);
        for (std::size_t i = 0; i < expected.size() && breach.empty(); ++i)
            if (found[i].second != expected[i].second)
                breach =
                    Describe("the option " + expected[i].first + " read at start",
                             std::to_string(expected[i].second), std::to_string(found[i].second));
        if (breach.empty())
            breach = CompareList("folder", plain.Icons.Folders, started.Icons.Folders);
        if (breach.empty())
            breach =
                CompareList("quick-launch entry", plain.Icons.Launches, started.Icons.Launches);
        if (breach.empty() && plain.Watcher.Delay().Seconds() != started.Watcher.Delay().Seconds())
            breach = Describe("the refresh delay read at start",
                              std::to_string(plain.Watcher.Delay().Seconds()),
                              std::to_string(started.Watcher.Delay().Seconds()));
    }
    ui::SetBackend(rig.backend);
    return breach;
}

std::string CheckLoadsBack(MainFormRig& rig) {
    const TConfigVossik& saved = *rig.form;
    std::string breach;
    {
        // The same machine, where every path is found: a missing entry loads as itself.
        MainFormRig fresh;
        CopyMachine(rig.system, fresh.system);
        for (const TrayItemList* list : {&saved.Icons.Folders, &saved.Icons.Launches})
            for (const auto& item : *list) fresh.system.shellFiles[item->Path].DisplayName = "x";
        const TConfigVossik& loaded = fresh.Start();

        std::vector<std::pair<std::string, int>> before, after;
        CollectOptions(saved.Pages.Onglets, before);
        CollectOptions(loaded.Pages.Onglets, after);
        // Only a daily schedule is kept on; an icon without a chosen action (a stored code off
        // the page's buttons) is saved as powering off.
        const ShutdownPage& page = saved.Pages.PageEteindre;
        const bool daily = page.GroupePeriode.ItemIndex() == 1;
        const bool noAction = !page.RBLogOff.Checked() && !page.RBRedWin.Checked() &&
                              !page.RBRedemarrer.Checked() && !page.RBEteindre.Checked();
        for (std::size_t i = 0; i < before.size() && breach.empty(); ++i) {
            int expected = before[i].second;
            if (before[i].first == "CBEteindreAuto") expected = expected && daily;
            if (before[i].first == "RBEteindre") expected = expected || noAction;
            if (after[i].second != expected)
                breach = Describe("the reloaded option " + before[i].first,
                                  std::to_string(expected), std::to_string(after[i].second));
        }
        if (breach.empty())
            breach = CompareList("folder", saved.Icons.Folders, loaded.Icons.Folders);
        if (breach.empty())
            breach = CompareList("quick-launch entry", saved.Icons.Launches, loaded.Icons.Launches);
        // The default delay is not written: a value the file held, unread at start or written
        // by another program, stays.
        const int savedDelay = saved.Watcher.Delay().Seconds();
        const int loadedDelay = loaded.Watcher.Delay().Seconds();
        if (breach.empty() && savedDelay != loadedDelay &&
            savedDelay != RefreshDelay::DefaultSeconds)
            breach = Describe("the reloaded refresh delay", std::to_string(savedDelay),
                              std::to_string(loadedDelay));
    }
    ui::SetBackend(rig.backend);
    return breach;
}
