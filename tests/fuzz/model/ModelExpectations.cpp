// What a user checks after a command of theirs: the lines and the selection an edit leaves, the
// settings file a command saves, the icons the options show and their order after a regrouping.
// The model knows the rules on its own, from what the user sees; it borrows none of the
// program's.
#include <algorithm>
#include <cctype>

#include "model/ModelWorld.h"

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The first line that holds the path, in any letter case, is another than `excluded`.
bool HeldElsewhere(const std::vector<std::string>& lines, const std::string& path, int excluded) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (Lower(lines[i]) == Lower(path)) return static_cast<int>(i) != excluded;
    return false;
}

std::string Ids(const std::vector<std::uint32_t>& ids) {
    std::string text;
    for (std::uint32_t id : ids) text += (text.empty() ? "" : " ") + std::to_string(id);
    return text;
}

}  // namespace

bool ModelWorld::Undisturbed(int nestedBefore, int refusalsBefore) const {
    return nestedPlays_ == nestedBefore && refusals_ == refusalsBefore;
}

unsigned ModelWorld::IconAction() const {
    const ShutdownPage& page = rig_.form->Pages.PageEteindre;
    if (page.RBLogOff.Checked()) return 0;
    if (page.RBRedWin.Checked()) return 66;
    if (page.RBRedemarrer.Checked()) return 2;
    return 8;
}

unsigned ModelWorld::ForceBit() const {
    return rig_.form->Pages.PageEteindre.CBForcer.Checked() ? 4 : 0;
}

bool ModelWorld::DriveWanted(const TrayItem& drive) const {
    const DrivesPage& page = rig_.form->Pages.PageUS;
    if (!page.ActiverUS.Checked()) return false;
    switch (static_cast<int>(drive.Kind)) {
        case 2:
            return page.CBDisquette.Checked();
        case 3:
            return page.CBDD.Checked();
        case 4:
            return page.CBReseau.Checked();
        case 5:
            // An empty CD drive, named by its letter alone, shows when its icon is kept.
            return page.CBCD.Checked() && (rig_.form->Pages.PageAPropos.CBGarderCD.Checked() ||
                                           drive.Tip() != " (" + drive.Path.substr(0, 2) + ")" ||
                                           rig_.system.readableDisks.contains(drive.Path));
        case 6:
            return page.CBRam.Checked();
        default:
            return false;
    }
}

void ModelWorld::CheckShownAsWanted(const std::string& what) {
    if (Ended() || AwaitingTaskbar() || !Undisturbed(eventNested_, eventRefusals_)) return;
    const ConfigPages& pages = rig_.form->Pages;
    const TrayIconSet& icons = rig_.form->Icons;
    auto check = [&](const TrayItem& item, bool wanted) {
        if (item.Shown != (wanted && !item.Missing))
            Fail(what, "icon " + std::to_string(item.IconData.uID) + " (\"" + item.Tip() +
                           "\") is " + (item.Shown ? "shown" : "hidden") + " against the options");
    };
    for (const auto& drive : icons.Drives) check(*drive, DriveWanted(*drive));
    for (const auto& folder : icons.Folders) check(*folder, pages.PageRep.ActiverRep.Checked());
    for (const auto& launch : icons.Launches) check(*launch, pages.PageApp.ActiverExe.Checked());
    check(icons.ShutdownItem, pages.PageEteindre.CBAfficherArreter.Checked());
}

// The groups' order, each in its list's order: ids rise along it. XP shows its icons in the
// reverse order of their adds, so there the program adds them backwards.
void ModelWorld::CheckTrayOrder(const std::string& what) {
    if (Ended() || AwaitingTaskbar()) return;
    std::vector<std::uint32_t> order = rig_.system.trayOrder;
    if (rig_.form->IsWindowsXP) std::reverse(order.begin(), order.end());
    if (std::adjacent_find(order.begin(), order.end(), std::greater_equal<>()) != order.end())
        Fail(what, "the notification area shows its icons out of the groups' order: " + Ids(order));
}

void ModelWorld::CheckNewDrives(const std::vector<std::pair<std::string, TrayItemKind>>& before) {
    if (AwaitingTaskbar()) return;
    for (const auto& drive : rig_.form->Icons.Drives) {
        auto known = std::find_if(before.begin(), before.end(),
                                  [&](const auto& old) { return old.first == drive->Path; });
        if (known != before.end() && known->second == drive->Kind) continue;
        if (drive->Shown != DriveWanted(*drive))
            Fail("event " + std::to_string(events_),
                 "the drive " + drive->Path + " that came or changed kind is " +
                     (drive->Shown ? "shown" : "hidden") + " against the options of its kind");
    }
}

bool ModelWorld::SaveExpected(bool mayAsk) const {
    if (rig_.system.refuseWrites || rig_.system.failingReads > 0) return false;
    return !(unreadFile_ || changedBehind_) || (mayAsk && userAgreedToReplace_);
}

void ModelWorld::SaveAndCheck(const std::string& what, const std::function<void()>& command) {
    const int writes = writes_, nested = nestedPlays_, told = notSavedTold_, kept = keptByUser_;
    // Whether the file was one to keep is known before the command; the user's yes after.
    const bool guarded = unreadFile_ || changedBehind_;
    const bool writable = !rig_.system.refuseWrites && rig_.system.failingReads == 0;
    command();
    if (Ended() || nestedPlays_ != nested || writes_ != writes || !writable) return;
    if (!guarded || userAgreedToReplace_)
        Fail("event " + std::to_string(events_), "\"" + what + "\" did not save the settings");
    ExpectNotSavedTold(what, told, kept);
}

// The question about the file answered no, or a box that says so, now or in the box showing; one
// that waits its turn shows before the event ends.
void ModelWorld::ExpectNotSavedTold(const std::string& what, int told, int kept) {
    if (keptByUser_ > kept || notSavedTold_ > told) return;
    if (rig_.system.MessageBoxes.Showing() && boxSaysNotSaved_) return;
    awaitingNotSaved_ = what;
}

void ModelWorld::CheckDuplicateQuestion() {
    const std::vector<std::string>& lines = rig_.form->Pages.PageRep.ListeRep.Items();
    if (!picked_.Ok || !HeldElsewhere(lines, picked_.Path, picked_.ExcludedLine))
        Fail("event " + std::to_string(events_),
             "asked whether " + picked_.Path +
                 " is already in the list, though no other line "
                 "holds it");
    picked_.DuplicateAsked = true;
}

// Adding selects the new line, changing keeps the changed line selected, removing leaves none,
// moving takes the selection along; a folder chosen, and every question answered yes, is put
// in as chosen.
void ModelWorld::EditAndCheck(bool onFolders, int action) {
    const TConfigVossik& form = *rig_.form;
    const ui::ListBox& list =
        onFolders ? form.Pages.PageRep.ListeRep : form.Pages.PageApp.ListeFich;
    const TrayItemList& records = onFolders ? form.Icons.Folders : form.Icons.Launches;
    const std::vector<std::string> before = list.Items();
    const int selected = list.ItemIndex();
    const bool hasRecord = selected >= 0 && selected < static_cast<int>(records.size());
    const std::string oldName = hasRecord ? records[selected]->Name : "";
    const std::string oldTip = hasRecord ? records[selected]->Tip() : "";
    const IconHandle oldPicture = hasRecord ? records[selected]->Icon.Get() : nullptr;
    const int nested = nestedPlays_;
    // A question cannot show beside a box: the edit is given up, with that box brought forward.
    const bool boxShowing = rig_.system.MessageBoxes.Showing();
    constexpr int Add = 0, Change = 1, Remove = 2;
    picked_ = {};
    picked_.ExcludedLine = action == Change ? selected : -1;
    Edit(onFolders, action);
    if (Ended() || nestedPlays_ != nested) return;

    const std::vector<std::string>& after = list.Items();
    const int now = list.ItemIndex();
    auto fail = [this](const std::string& breach) {
        Fail("event " + std::to_string(events_), breach);
    };
    const bool taken = picked_.Ok && !picked_.Path.empty() && !picked_.Refused;
    // (A question that could not show beside a box gives the edit up: nothing is taken.)
    if (onFolders && picked_.Ok && !picked_.DuplicateAsked && after != before &&
        HeldElsewhere(before, picked_.Path, picked_.ExcludedLine))
        fail("the folder " + picked_.Path +
             " was taken without asking, though another line "
             "holds it");
    // The tip is the name; without one, a quick-launch entry's and a new folder's is the
    // shell's name for it, a changed folder's the last part of its path.
    auto tipOf = [&](bool changed) {
        // A folder changed to its own path and name is left as it was.
        if (onFolders && changed && picked_.Path == before[selected] && picked_.Name == oldName)
            return oldTip;
        if (!picked_.Name.empty()) return picked_.Name.substr(0, nif::MaxTipLength);
        if (onFolders && changed) return picked_.Path.substr(picked_.Path.find_last_of("\\:") + 1);
        auto shell = rig_.system.shellFiles.find(picked_.Path);
        return shell == rig_.system.shellFiles.end() ? std::string() : shell->second.DisplayName;
    };
    auto holdsPicked = [&](int line) {
        const TrayItem& record = *records[line];
        return record.Name == picked_.Name && record.Tip() == tipOf(action == Change) &&
               (onFolders ? after[line] == picked_.Path
                          : record.Path == picked_.Path && record.Options == picked_.Options);
    };
    switch (action) {
        case Add:
            if (after.size() == before.size() && (!taken || boxShowing)) break;
            if (after.size() != before.size() + 1 ||
                !std::equal(before.begin(), before.end(), after.begin()))
                fail("adding did not put one line after the others");
            else if (now != static_cast<int>(after.size()) - 1)
                fail("the line added is not the one selected (" + std::to_string(now) + ")");
            else if (!holdsPicked(now))
                fail("the line added is not what was chosen: " + after.back());
            break;
        case Change:
            if (boxShowing && after == before && now == selected) break;
            if (!taken) {
                if (after != before) fail("a change given up changed the list");
            } else if (now != selected || !holdsPicked(selected)) {
                fail("line " + std::to_string(selected) +
                     " is not what was chosen, or no longer "
                     "selected (" +
                     std::to_string(now) + ")");
            } else if (records[selected]->Icon.Get() == oldPicture && oldPicture &&
                       !(onFolders && picked_.Path == before[selected] &&
                         picked_.Name == oldName)) {
                // The program or the folder may have a new icon since.
                fail("line " + std::to_string(selected) +
                     " changed, its picture was not read again");
            }
            break;
        case Remove: {
            if (after == before) break;
            std::vector<std::string> expected = before;
            if (selected >= 0) expected.erase(expected.begin() + selected);
            if (after != expected || now != -1)
                fail("removing line " + std::to_string(selected) +
                     " left other lines or a selection (" + std::to_string(now) + ")");
            break;
        }
        default: {
            if (after == before) break;
            if (selected < 0) {
                fail("a move without a selected line changed the list");
                break;
            }
            const int other = selected + (now < selected ? -1 : 1);
            std::vector<std::string> expected = before;
            if (other >= 0 && other < static_cast<int>(before.size()))
                std::swap(expected[selected], expected[other]);
            if (after != expected || now != other)
                fail("moving line " + std::to_string(selected) +
                     " did not swap it with its neighbour and keep it selected (" +
                     std::to_string(now) + ")");
            break;
        }
    }
}
