#include "model/ModelWorld.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <utility>

#include "model/ModelInvariants.h"
#include "types/Cp1252.h"
#include "types/PathParts.h"

namespace {

// Every event of a run may open boxes and dialogs that run events of their own: this deep.
constexpr int MaxDepth = 2;
constexpr int MaxEvents = 400;
// Messages handled in one run at most; a run that posts more is cut short, not failed.
constexpr int MaxDelivered = 4000;

// The machine's drives, letters A to H.
constexpr int Letters = 8;
constexpr unsigned DriveKinds[] = {3, 2, 4, 5, 6, 0, 1};

// Paths the lists can hold; the shell knows all but the last of each, in any letter case.
const std::vector<std::string> FolderPaths = {"C:\\Docs", "C:\\Photos", "D:\\Music", "C:\\",
                                              "C:\\Gone"};
const std::vector<std::string> FolderPathsInLowerCase = {"c:\\docs", "c:\\photos", "d:\\music",
                                                         "c:\\", "c:\\gone"};
const std::vector<std::string> LaunchPaths = {"C:\\notes.txt", "C:\\app.exe", "C:\\Gone.exe"};
const std::vector<std::string> Names = {"", "Docs", "A&B",
                                        "A name longer than the sixty-three characters of a tip, "
                                        "cut there"};

// What Quitter asks when the settings could not be saved.
const std::string QuitQuestion =
    "Les param\xE8tres n'ont pas pu \xEAtre enregistr\xE9s.\r\n"
    "Quitter Vossik' sans les enregistrer ?";

// What the schedule's confirmation names.
const std::string ScheduledActionText = "\xE9teindre cet ordinateur";

// The question about a folder already in the list.
const std::string DuplicateQuestion = "Ce dossier existe d\xE9j\xE0 dans la liste.";

// What the box of a drive given up says before its letter.
const std::string GivenUpDrive = "L'unit\xE9 ";

// What the box of a scheduled shutdown given up begins with.
const std::string AbandonedSchedule = "L'extinction automatique de ";

// What the questions about replacing the settings file begin with.
const std::string FileQuestion = "Le fichier de param\xE8tres ";

// What the boxes that say the settings were not saved hold: the question about the file could not
// show, or the file could not be written.
const std::string NotSavedNotice = "Les param\xE8tres n'ont pas \xE9t\xE9 enregistr\xE9s.";
const std::string WriteFailure =
    "Impossible d'\xE9"
    "crire dans ";

// Reads of the settings file that fail: all of them.
constexpr int UnreadableForGood = 1 << 30;

const unsigned MouseMessages[] = {msg::MouseMove,     msg::LButtonDown, msg::LButtonUp,
                                  msg::LButtonDblClk, msg::RButtonDown, msg::RButtonUp,
                                  msg::RButtonDblClk};

// The broadcast a device-change message points to: header, unit mask, flags.
struct VolumeBroadcast {
    std::uint32_t Size = 18, DeviceType = 2, Reserved = 0, UnitMask = 0;
    std::uint16_t Flags = 0;
};

std::intptr_t NoDefault() {
    return 0;
}

std::string Bit(bool value) {
    return value ? "1" : "0";
}

// The lines end in CR LF, LF and CR in turn.
std::string MixLineEndings(const std::string& text) {
    const char* endings[] = {"\r\n", "\n", "\r"};
    std::string mixed;
    int line = 0;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
         start = end + 2)
        mixed += text.substr(start, end - start) + endings[line++ % 3];
    return mixed;
}

}  // namespace

std::uint32_t FuzzInput::Word() {
    std::uint32_t word = 0;
    for (int i = 0; i < 4; ++i) word = word << 8 | Byte();
    return word;
}

ModelWorld::ModelWorld(const std::uint8_t* data, std::size_t size) : in_(data, size) {
    FakeSystem& system = rig_.system;
    system.whileBoxShown = [this] { OnBox(); };
    // The shell's item menu holds the input, and its loop serves the queue.
    system.whileItemMenuShown = [this] { MaybeNested(false); };
    // Checked as it is written, against the program as it stands then.
    system.onWrite = [this] { CheckSaved(); };
    system.refuse = [this](NotifyCommand command, const NotifyIconData& data) {
        return Refuse(command, data);
    };
    system.onExit = [this](unsigned code) { OnExitCall(code); };
    // Time moves on a little at each look at the clock.
    system.tickPerRead = 100;
    rig_.backend.answerModal = [this](ui::Form& form) { return AnswerModal(form); };
    rig_.backend.onPopup = [this](ui::PopupMenu& menu) {
        if (&menu == &rig_.form->Menu.MenuContext) ChooseMenuItem();
    };
}

// The program ends as it does at the end of a session: every icon leaves, every handle goes.
ModelWorld::~ModelWorld() {
    rig_.system.refuse = nullptr;
    rig_.form.reset();
    if (!rig_.system.trayTips.empty()) Fail("the program ended", "icons stayed in the area");
    if (!rig_.system.liveIcons.empty()) Fail("the program ended", "icons were never destroyed");
}

void ModelWorld::SetUp() {
    FakeSystem& system = rig_.system;
    system.driveMask = in_.Byte() % (1u << Letters);
    for (int letter = 0; letter < Letters; ++letter) {
        std::string root = std::string(1, static_cast<char>('A' + letter)) + ":\\";
        unsigned kind = DriveKinds[in_.Below(std::size(DriveKinds))];
        system.driveTypes[root] = kind;
        // An empty CD drive has the bare designation as its name.
        system.shellFiles[root] = {.DisplayName = kind == 5 && in_.Chance()
                                                      ? " (" + root.substr(0, 2) + ")"
                                                      : "Disque (" + root.substr(0, 2) + ")"};
        if (in_.Chance()) system.readableDisks.insert(root);
    }
    for (std::size_t i = 0; i + 1 < FolderPaths.size(); ++i) {
        system.shellFiles[FolderPaths[i]] = {.DisplayName = "Dossier " + std::to_string(i)};
        system.shellFiles[FolderPathsInLowerCase[i]] = system.shellFiles[FolderPaths[i]];
    }
    for (std::size_t i = 0; i + 1 < LaunchPaths.size(); ++i) {
        system.shellFiles[LaunchPaths[i]] = {.DisplayName = "Fichier " + std::to_string(i)};
        system.files.insert(LaunchPaths[i]);
    }
    if (in_.Below(8) == 0) system.version = {5, 1};
    if (in_.Below(4) == 0) system.arguments = {"/config"};
    system.clock = {in_.Below(24), in_.Below(60)};
    // Every other start is of a copy installed where the user cannot write, its settings in the
    // application-data folder. The start's minute says which, so that the corpus keeps its
    // meaning.
    const bool installed = system.clock.Minute % 2 != 0;
    if (installed) {
        system.readOnlyFolders.insert(FolderPart(MainFormRig::SettingsFile));
        system.folders.insert(FolderPart(MainFormRig::RoamingSettingsFile));
    }
    settingsPlace_ = installed ? MainFormRig::RoamingSettingsFile : MainFormRig::SettingsFile;
    const std::string& place = settingsPlace_;
    // The higher bits of the byte that chooses a settings file say whether another program
    // holds it at start, for a moment (of 1 to 5 reads) or all along, and whether its lines end
    // in CR LF, LF and CR in turn, as after edits on other systems.
    const std::uint8_t settingsChoice = in_.Byte();
    std::string plainText;
    bool mixedEndings = false;
    if (settingsChoice % 4 != 0) {
        system.files.insert(place);
        plainText = SettingsText();
        mixedEndings = settingsChoice >= 128;
        system.fileContents[place] = mixedEndings ? MixLineEndings(plainText) : plainText;
        const int lock = settingsChoice / 4 % 8;
        constexpr int MomentaryLocks[] = {3, 1, 5, 2};
        if (lock >= 6)
            system.failingReads =
                lock == 6 ? MomentaryLocks[settingsChoice / 32 % 4] : UnreadableForGood;
    }
    const bool readable = system.failingReads < UnreadableForGood;
    const bool heldForAMoment = system.failingReads > 0 && readable;
    played_.HeldFiles += system.failingReads > 0;
    played_.MixedEndings += mixedEndings;
    // A start at logon, before the taskbar is there.
    system.taskbarPresent = in_.Below(8) != 0;
    std::string settings = system.files.contains(place) ? system.fileContents[place] : "none";
    for (std::size_t end; (end = settings.find("\r\n")) != std::string::npos;)
        settings.replace(end, 2, " ");
    std::replace(settings.begin(), settings.end(), '\r', ' ');
    std::replace(settings.begin(), settings.end(), '\n', ' ');
    Log("start: drives " + std::to_string(system.driveMask) + ", taskbar " +
        Bit(system.taskbarPresent) + ", XP " + Bit(system.version.Minor == 1) + ", " +
        std::to_string(system.clock.Hour) + ":" + std::to_string(system.clock.Minute) +
        (installed ? ", installed" : "") + ", settings held for " +
        std::to_string(system.failingReads) + " reads" + (mixedEndings ? ", endings mixed" : "") +
        ": " + settings);
    rig_.Start();
    unreadFile_ = system.failingReads > 0;
    // Nothing of the file is lost to its line endings or to a lock that lasts a moment.
    if (readable && (heldForAMoment || mixedEndings)) {
        const std::string breach = CheckReadAsPlain(rig_, plainText);
        if (!breach.empty()) Fail("start", breach);
    }
    announcedDrives_ = system.driveMask;
    if (!rig_.form->StartsInTray()) rig_.form->Show();
    // The area was empty: whatever the start added is in group order; a start from a settings
    // file without "/CONFIG" shows what the options want.
    CheckTrayOrder("start");
    if (rig_.form->Settings.FoundAtStart() && system.arguments.empty()) CheckShownAsWanted("start");
}

// A settings file as the program or a user would write it. Each value is read from the input
// in the order of the lines.
std::string ModelWorld::SettingsText() {
    std::string text;
    auto section = [&text](const char* name) { text += std::string("[") + name + "]\r\n"; };
    auto line = [&text](const std::string& key, const std::string& value) {
        text += key + "=" + value + "\r\n";
    };
    auto flag = [&](const char* key) { line(key, Bit(in_.Chance())); };
    // A number on the page's lists, or now and then one off them, as a hand may write it.
    auto number = [&](const char* key, int bound) {
        const int value = in_.Below(bound + 2);
        line(key, std::to_string(value == bound + 1 ? -1 : value));
    };
    // A count that may promise more entries than the file holds.
    auto count = [&](int entries) { line("Nombre", std::to_string(entries + in_.Below(2) * 7)); };
    section("Divers");
    flag("Simple Click");
    line("MAJ Ic\xF4nes", Bit(in_.Below(8) != 0));
    number("Temporisation", 2);
    flag("Garder CD");
    flag("Garder Net");
    section("Lecteurs");
    for (const char* key : {"Affichage", "Amovibles", "Fixes", "CD-Roms", "Virtuels", "R\xE9seaux",
                            "Exploreur", "Racine"})
        flag(key);
    section("Dossiers");
    flag("Affichage");
    flag("Exploreur");
    flag("Racine");
    const int folders = in_.Below(5);
    count(folders);
    for (int n = 0; n < folders; ++n) {
        line("Rep" + std::to_string(n), PickFolder());
        line("Rac" + std::to_string(n), PickName());
    }
    section("Lancement Rapide");
    flag("Affichage");
    const int launches = in_.Below(4);
    count(launches);
    for (int n = 0; n < launches; ++n) {
        line("Rep" + std::to_string(n), PickLaunch());
        line("Rac" + std::to_string(n), PickName());
        line("Opt" + std::to_string(n), in_.Chance() ? "\xB6/p" : "\xB6");
    }
    section("Arr\xEAter");
    flag("Afficher Icone");
    number("Type d'arr\xEAt", 4);
    flag("Forcer");
    flag("Confirmation");
    section("Eteindre auto");
    flag("Activer");
    number("Heure", 24);
    number("Minutes", 12);
    number("P\xE9riodicit\xE9", 2);
    flag("Rappel");
    flag("Confirmation");
    return text;
}

int ModelWorld::Run() {
    SetUp();
    Check("start");
    while (!in_.Empty() && !Ended() && events_ < MaxEvents && delivered_ < MaxDelivered) {
        ++events_;
        asked_ = {};
        userAgreedToReplace_ = false;
        std::vector<std::pair<std::string, TrayItemKind>> drives;
        for (const auto& drive : rig_.form->Icons.Drives)
            drives.emplace_back(drive->Path, drive->Kind);
        const int nested = eventNested_ = nestedPlays_, refusals = eventRefusals_ = refusals_;
        Play(0);
        if (Ended()) break;
        if (!awaitingNotSaved_.empty())
            Fail("event " + std::to_string(events_),
                 awaitingNotSaved_ + " did not save, and no box said so");
        Check("event " + std::to_string(events_));
        if (Undisturbed(nested, refusals)) CheckNewDrives(drives);
        if (Settled()) CheckDrivesFollowed();
    }
    // The program goes on after the last event: once everything queued and due is done, each
    // drive is as its last notice said.
    if (!Ended()) {
        Log("the loop runs until nothing is queued or due");
        DeliverPosted(true);
        if (!Ended()) Check("the end");
        if (Settled()) CheckDrivesFollowed();
    }
    // To follow one input's run: MODEL_LOG=1 fuzz_model input.
    if (std::getenv("MODEL_LOG")) PrintLog();
    return events_;
}

bool ModelWorld::Ended() const {
    return rig_.backend.quitRequested;
}

bool ModelWorld::Settled() const {
    return rig_.system.posted.empty() && rig_.form->Watcher.NothingDue();
}

void ModelWorld::Play(int depth) {
    if (Ended() || in_.Empty()) return;
    const int outer = depth_;
    depth_ = depth;
    // A band of byte values that no seed of the corpus used before the world's events came is
    // theirs, so that the seeds keep their meaning.
    const std::uint8_t choice = in_.Byte();
    if (choice >= 0x88 && choice < 0xA0) {
        WorldEvent();
        depth_ = outer;
        return;
    }
    switch (choice % 16) {
        case 0:
        case 1:
            TrayCallback();
            break;
        case 2:
            Flood();
            break;
        case 3:
        case 4:
            DeviceBroadcast(true);
            break;
        case 5:
            DeviceBroadcast(false);
            break;
        case 6:
        case 7:
            DeliverPosted(in_.Chance());
            break;
        case 8: {
            if (in_.Chance()) {
                RestartBurst();
                break;
            }
            const int nested = nestedPlays_;
            TaskbarRestart();
            if (nestedPlays_ == nested) CheckTrayOrder("a restart of the taskbar");
            break;
        }
        case 9:
            ClockAndTimer();
            break;
        case 10:
        case 11:
            EditLists();
            break;
        case 12:
            ToggleOption();
            break;
        case 13:
            PressButton();
            break;
        case 14:
            InjectFailure();
            break;
        default:
            ChangeScale();
            break;
    }
    depth_ = outer;
}

void ModelWorld::MaybeNested(bool windowUsable) {
    if (!nestInNextLoop_ || depth_ >= MaxDepth) return;
    nestInNextLoop_ = false;
    const bool outer = windowBlocked_;
    windowBlocked_ = outer || !windowUsable;
    ++nestedPlays_;
    scheduleWrites_ = -1;
    Play(depth_ + 1);
    windowBlocked_ = outer;
}

// The configuration window takes clicks unless a dialog or a menu holds the input.
bool ModelWorld::WindowUsable() const {
    return rig_.form->Showing() && !windowBlocked_;
}

// Once every message is handled, each drive has an entry exactly when the last notice about it
// said it is there.
void ModelWorld::CheckDrivesFollowed() {
    std::uint32_t entries = 0;
    for (const auto& drive : rig_.form->Icons.Drives) entries |= 1u << (drive->Path.front() - 'A');
    const std::uint32_t wrong = (entries ^ announcedDrives_) & ~uncertainDrives_;
    if (wrong)
        Fail("event " + std::to_string(events_), "the drives with an entry (" +
                                                     std::to_string(entries) +
                                                     ") are not those last announced present (" +
                                                     std::to_string(announcedDrives_) + ")");
    // And each tip names the drive as the shell last did.
    for (const auto& drive : rig_.form->Icons.Drives) {
        auto shell = rig_.system.shellFiles.find(drive->Path);
        if (uncertainDrives_ >> (drive->Path.front() - 'A') & 1 ||
            shell == rig_.system.shellFiles.end())
            continue;
        const std::string name = shell->second.DisplayName.substr(0, nif::MaxTipLength);
        if (drive->Tip() != name)
            Fail("event " + std::to_string(events_), "drive " + drive->Path + " is named \"" +
                                                         drive->Tip() + "\", not \"" + name + "\"");
        // And taken for the kind of drive now on its letter.
        auto type = rig_.system.driveTypes.find(drive->Path);
        const unsigned kind = type == rig_.system.driveTypes.end() ? 1 : type->second;
        if (static_cast<unsigned>(drive->Kind) != kind)
            Fail("event " + std::to_string(events_),
                 "drive " + drive->Path + " is taken for a drive of kind " +
                     std::to_string(static_cast<unsigned>(drive->Kind)) + ", not " +
                     std::to_string(kind));
    }
}

void ModelWorld::Log(const std::string& line) {
    log_.push_back(std::string(2 * depth_, ' ') + line);
}

void ModelWorld::Check(const std::string& what) {
    std::string breach = CheckInvariants(*this);
    if (breach.empty()) breach = CheckIdentities(rig_, identities_);
    if (!breach.empty()) Fail(what, breach);
}

void ModelWorld::CheckSaved() {
    ++writes_;
    const std::string what = "the settings file written in event " + std::to_string(events_);
    if (unreadFile_ && !userAgreedToReplace_)
        Fail(what, "it replaced the file the program could not read at start, unasked");
    if (changedBehind_ && !userAgreedToReplace_)
        Fail(what, "it replaced the file another program had changed, unasked");
    unreadFile_ = changedBehind_ = userAgreedToReplace_ = false;
    std::string breach = CheckLoadsBack(rig_);
    if (!breach.empty()) Fail(what, breach);
}

// The program's texts are Windows-1252; terminals and logs read UTF-8.
void ModelWorld::Fail(const std::string& what, const std::string& breach) {
    std::fprintf(stderr, "\nmodel: after %s: %s\n", Utf8FromCp1252(what).c_str(),
                 Utf8FromCp1252(breach).c_str());
    PrintLog();
    std::abort();
}

void ModelWorld::PrintLog() const {
    std::fprintf(stderr, "events:\n");
    for (std::size_t i = 0; i < log_.size(); ++i)
        std::fprintf(stderr, "%4zu  %s\n", i, Utf8FromCp1252(log_[i]).c_str());
}

std::uint32_t ModelWorld::PickIconId() {
    const TrayIconSet& icons = rig_.form->Icons;
    // A position up to one past the end: a message still queued for an icon just removed.
    auto near = [this](const TrayItemList& list) {
        return static_cast<std::uint32_t>(in_.Below(static_cast<int>(list.size()) + 2));
    };
    switch (in_.Below(5)) {
        case 0:
            return near(icons.Drives);
        case 1:
            return iconid::FolderBase + near(icons.Folders);
        case 2:
            return iconid::LaunchBase + near(icons.Launches);
        case 3:
            return iconid::Shutdown;
        default:
            return in_.Word();
    }
}

std::uint32_t ModelWorld::PickUnitMask() {
    switch (in_.Below(4)) {
        case 0:
        case 1:
            return 1u << in_.Below(Letters);
        case 2:
            return (1u << in_.Below(Letters)) | (1u << in_.Below(Letters));
        default:
            return in_.Chance() ? 0 : in_.Word();
    }
}

// One byte: which path, and now and then in lower case.
const std::string& ModelWorld::PickFolder() {
    const int size = static_cast<int>(FolderPaths.size());
    const std::uint8_t byte = in_.Byte();
    return (byte / size % 4 == 3 ? FolderPathsInLowerCase : FolderPaths)[byte % size];
}

const std::string& ModelWorld::PickLaunch() {
    return LaunchPaths[in_.Below(static_cast<int>(LaunchPaths.size()))];
}

const std::string& ModelWorld::PickName() {
    return Names[in_.Below(static_cast<int>(Names.size()))];
}

void ModelWorld::TrayCallback() {
    std::uint32_t id = PickIconId();
    unsigned mouse = MouseMessages[in_.Below(std::size(MouseMessages))];
    Log("tray callback: id " + std::to_string(id) + ", mouse " + std::to_string(mouse));
    const bool simple = rig_.form->Pages.PageAPropos.RBSimpleClick.Checked();
    if (id == iconid::Shutdown && mouse == (simple ? msg::LButtonDown : msg::LButtonDblClk))
        asked_.Icon = true;
    rig_.form->OnMessage({msg::TrayCallback, id, static_cast<std::intptr_t>(mouse)}, NoDefault);
}

void ModelWorld::DeviceBroadcast(bool arrival) {
    const std::uint32_t mask = PickUnitMask();
    const std::uint16_t flags = PickVolumeFlags();
    Log(std::string(arrival ? "arrival" : "removal") + ": mask " + std::to_string(mask) +
        ", flags " + std::to_string(flags));
    Announce(arrival, mask, flags);
}

// The system's view follows what it announces: a drive that comes is found by the shell, one
// that goes is not, and a drive without its disc or its network has the bare designation as
// its name. Bits past Z name no drive.
void ModelWorld::Announce(bool arrival, std::uint32_t mask, std::uint16_t flags) {
    VolumeBroadcast broadcast;
    broadcast.UnitMask = mask;
    broadcast.Flags = flags;
    FakeSystem& system = rig_.system;
    const AboutPage& options = rig_.form->Pages.PageAPropos;
    const bool kept = (options.CBGarderCD.Checked() && flags == 1) ||
                      (options.CBGarderNet.Checked() && flags == 2);
    for (int i = 0; i < DriveLetters; ++i) {
        const std::uint32_t bit = 1u << i;
        if (!(mask & bit)) continue;
        const std::string root = std::string(1, static_cast<char>('A' + i)) + ":\\";
        if (arrival) {
            system.driveMask |= bit;
            system.shellFiles[root] = {.DisplayName = "Disque (" + root.substr(0, 2) + ")"};
            uncertainDrives_ &= ~bit;
        } else if (flags == 1 || flags == 2) {
            // A disc out, a network drive lost: the drive itself is still there.
            system.shellFiles[root] = {.DisplayName = " (" + root.substr(0, 2) + ")"};
        } else {
            system.driveMask &= ~bit;
            system.shellFiles.erase(root);
        }
        // Not told, the program keeps what it knew, right or wrong.
        if (!options.CBActiverMAJ.Checked()) {
            uncertainDrives_ |= bit;
            continue;
        }
        if (arrival) {
            announcedDrives_ |= bit;
        } else if (!kept) {
            announcedDrives_ &= ~bit;
        }
    }
    std::uintptr_t event = arrival ? 0x8000 : 0x8004;
    rig_.form->OnMessage({msg::DeviceChange, event, reinterpret_cast<std::intptr_t>(&broadcast)},
                         NoDefault);
}

// Thousands of events within one delay: the notices of a flapping contact, ticks of the refresh
// timer that come with nothing due yet, or right presses that come while the icon menu is open.
void ModelWorld::Flood() {
    const int count = 500 * (1 + in_.Below(4));
    switch (in_.Below(3)) {
        case 0: {
            const std::uint32_t mask = PickUnitMask();
            const std::uint16_t flags = PickVolumeFlags();
            const bool firstArrives = in_.Chance();
            const int step = in_.Below(4);
            Log("flood: " + std::to_string(count) + " notices " + std::to_string(step) +
                " ms apart, mask " + std::to_string(mask) + ", flags " + std::to_string(flags) +
                ", first " + (firstArrives ? "arrival" : "removal"));
            for (int i = 0; i < count && !Ended(); ++i) {
                rig_.system.tick += step;
                Announce(firstArrives == (i % 2 == 0), mask, flags);
            }
            break;
        }
        case 1: {
            Log("flood: " + std::to_string(count) + " early ticks of the refresh timer");
            ui::Timer& timer = rig_.form->Watcher.RefreshTimer;
            for (int i = 0; i < count && !Ended(); ++i) timer.Tick();
            break;
        }
        default: {
            rightPressId_ = PickIconId();
            rightPressesLeft_ = count;
            Log("flood: " + std::to_string(count) + " right presses on icon " +
                std::to_string(rightPressId_));
            PressRight();
            break;
        }
    }
}

// The first press may open the menu: the others then come while it is open.
void ModelWorld::PressRight() {
    while (rightPressesLeft_ > 0 && !Ended()) {
        --rightPressesLeft_;
        rig_.form->OnMessage({msg::TrayCallback, rightPressId_, msg::RButtonDown}, NoDefault);
    }
}

std::uint16_t ModelWorld::PickVolumeFlags() {
    const std::uint16_t flags[] = {0, 1, 2, 4};
    return flags[in_.Below(4)];
}

// The message loop: the queued messages in turn, and the refresh timer's ticks as time passes.
// All of it until nothing is queued or due, or one message (one tick when none is queued).
void ModelWorld::DeliverPosted(bool all) {
    std::deque<WindowMessage>& queue = rig_.system.posted;
    ui::Timer& refresh = rig_.form->Watcher.RefreshTimer;
    while (!Ended() && delivered_ < MaxDelivered) {
        ++delivered_;
        if (!queue.empty()) {
            WindowMessage message = queue.front();
            queue.pop_front();
            Log("posted message " + std::to_string(message.Msg) + " " +
                std::to_string(message.WParam) + " " + std::to_string(message.LParam));
            const int nested = nestedPlays_;
            const std::size_t notified = rig_.system.notifications.size();
            if (message.Msg == msg::ScheduleCheck) {
                ScheduleLook([&] { rig_.form->OnMessage(message, NoDefault); });
            } else if (message.Msg == msg::StartedAgain) {
                ShowHandedOver(message);
            } else {
                rig_.form->OnMessage(message, NoDefault);
            }
            // Another program's, or one of a burst that goes on, adds nothing.
            if (message.Msg == msg::TaskbarReadd && nestedPlays_ == nested &&
                rig_.system.notifications.size() != notified)
                CheckTrayOrder("the icons added again");
        } else if (refresh.Enabled()) {
            Log("the refresh timer ticks after " + std::to_string(refresh.Interval()) + " ms");
            rig_.system.tick += refresh.Interval();
            refresh.Tick();
        } else {
            break;
        }
        if (!all) break;
    }
}

// The new taskbar knows none of the icons.
void ModelWorld::TaskbarRestart() {
    Log("taskbar restarted");
    rig_.system.taskbarPresent = true;
    rig_.system.EmptyTray();
    staleTips_.clear();
    rig_.application->Dispatch({rig_.form->Tray.TaskbarCreatedMessage, 0, 0}, NoDefault);
}

// Restarts of the taskbar one after the other, real ones and ones other programs fake, with
// their posts of the re-adding message among them: however many, the burst adds each icon once
// at most. What was queued or due before it is done first, so that only the burst adds icons.
void ModelWorld::RestartBurst() {
    DeliverPosted(true);
    if (Ended() || !Settled()) return;
    const int requests = 2 + in_.Below(7);
    Log("a burst of " + std::to_string(requests) + " restarts and re-adding messages");
    const std::size_t before = rig_.system.notifications.size();
    const int nested = nestedPlays_, refusals = refusals_;
    for (int i = 0; i < requests; ++i) {
        switch (in_.Below(3)) {
            case 0:
                TaskbarRestart();
                break;
            case 1:
                rig_.application->Dispatch({rig_.form->Tray.TaskbarCreatedMessage, 0, 0},
                                           NoDefault);
                break;
            default:
                rig_.system.posted.push_back({msg::TaskbarReadd, in_.Word(), 0});
                break;
        }
    }
    // A taskbar that restarts again while the icons are being added needs them again.
    const bool restartArmed = restartInShellCall_;
    DeliverPosted(true);
    if (Ended() || !Undisturbed(nested, refusals) || (restartArmed && !restartInShellCall_)) return;
    std::map<std::uint32_t, int> adds;
    const auto& notifications = rig_.system.notifications;
    // An add the shell refused with its identity and asked again without one is one add.
    auto retried = [&](std::size_t k) {
        return k > before && notifications[k].Data.guidItem.IsNil() &&
               notifications[k - 1].Command == NotifyCommand::Add &&
               notifications[k - 1].Data.uID == notifications[k].Data.uID &&
               !notifications[k - 1].Data.guidItem.IsNil();
    };
    for (std::size_t k = before; k < notifications.size(); ++k)
        if (notifications[k].Command == NotifyCommand::Add && !retried(k) &&
            ++adds[notifications[k].Data.uID] > 1)
            Fail("a burst of taskbar restarts",
                 "icon " + std::to_string(notifications[k].Data.uID) + " added again");
}

// Another scale: small icons of another size, told by new icon metrics, a new display or a new
// taskbar.
void ModelWorld::ChangeScale() {
    constexpr int Sizes[] = {16, 20, 24, 32};
    rig_.system.smallIconSize = Sizes[in_.Below(4)];
    ++played_.ScaleChanges;
    Log("small icons of " + std::to_string(rig_.system.smallIconSize));
    switch (in_.Below(3)) {
        case 0:
            rig_.application->Dispatch({msg::SettingChange, msg::IconMetricsSetting, 0}, NoDefault);
            break;
        case 1:
            rig_.application->Dispatch({msg::DisplayChange, 0, 0}, NoDefault);
            break;
        default:
            TaskbarRestart();
            break;
    }
}

bool ModelWorld::IconSizeAwaited() const {
    const std::deque<WindowMessage>& queue = rig_.system.posted;
    return std::any_of(queue.begin(), queue.end(),
                       [](const WindowMessage& m) { return m.Msg == msg::IconSizeCheck; });
}

bool ModelWorld::ReachCheckAwaited() const {
    const std::deque<WindowMessage>& queue = rig_.system.posted;
    return std::any_of(queue.begin(), queue.end(),
                       [](const WindowMessage& m) { return m.Msg == msg::ReachCheck; });
}

bool ModelWorld::AwaitingTaskbar() const {
    const std::deque<WindowMessage>& queue = rig_.system.posted;
    return !rig_.system.taskbarPresent ||
           std::any_of(queue.begin(), queue.end(),
                       [](const WindowMessage& m) { return m.Msg == msg::TaskbarReadd; });
}

int ModelWorld::ChosenMinute() const {
    const ShutdownPage& page = rig_.form->Pages.PageEteindre;
    return page.Heure.ItemIndex() * 60 + page.Minutes.ItemIndex() * 5;
}

bool ModelWorld::AtChosenMinute() const {
    const ShutdownPage& page = rig_.form->Pages.PageEteindre;
    const TimeOfDay clock = rig_.system.clock;
    return page.Heure.ItemIndex() >= 0 && page.Minutes.ItemIndex() >= 0 &&
           clock.Hour * 60 + clock.Minute == ChosenMinute();
}

void ModelWorld::ClockAndTimer() {
    TimeOfDay& clock = rig_.system.clock;
    int minute = clock.Hour * 60 + clock.Minute;
    switch (in_.Below(5)) {
        case 0:
            ++minute;
            break;
        case 1:
            minute -= 1 + in_.Below(120);
            break;
        case 2:
            // The chosen minute, or the one before it.
            minute = ChosenMinute() - in_.Below(2);
            break;
        case 3:
            minute = 23 * 60 + 59 + in_.Below(2);
            break;
        default:
            minute = in_.Below(24) * 60;
            minute += in_.Below(60);
            break;
    }
    minute = ((minute % 1440) + 1440) % 1440;
    clock = {minute / 60, minute % 60};
    rig_.system.tick += 600;
    ShutdownControl& shutdown = rig_.form->Shutdown;
    Log("clock " + std::to_string(clock.Hour) + ":" + std::to_string(clock.Minute) + ", timer " +
        (shutdown.EteindreTimer.Enabled() ? "ticks" : "stopped"));
    ScheduleLook([&shutdown] { shutdown.EteindreTimer.Tick(); });
}

void ModelWorld::ScheduleLook(const std::function<void()>& tick) {
    const TimeOfDay clock = rig_.system.clock;
    const ShutdownPage& page = rig_.form->Pages.PageEteindre;
    ShutdownControl& shutdown = rig_.form->Shutdown;
    const bool running = shutdown.EteindreTimer.Enabled();
    // A nested tick at another time does not take back the leave of the one it interrupts.
    const int chosen = ChosenMinute();
    const bool atMinute = AtChosenMinute();
    if (!asked_.Schedule && running && atMinute && !page.CBConfirmationAuto.Checked()) {
        asked_.Schedule = true;
        scheduleBoxes_ = boxesSeen_;
    }
    const TBoiteConfirmation& box = shutdown.BoiteConfirmation;
    const bool reminding = box.Showing();
    // Once a minute at most, and not over a question or a box already open.
    const bool mustAct = running && atMinute && page.CBEteindreAuto.Checked() &&
                         !(box.Showing() && box.Mode == TBoiteConfirmation::ModeConfirmation) &&
                         !rig_.system.MessageBoxes.Showing() &&
                         (!scheduleActedAt_ || rig_.system.tick - *scheduleActedAt_ >= 60 * 1000);
    const bool oneOff = page.GroupePeriode.ItemIndex() != 1;
    const int nested = nestedPlays_, writes = writes_, acts = scheduleActs_;
    const bool mayWrite = SaveExpected(false);
    scheduleRefused_ = false;
    scheduleWrites_ = mayWrite ? writes_ : -1;
    tick();
    scheduleWrites_ = -1;
    if (Ended() || nestedPlays_ != nested) return;
    const std::string what = "event " + std::to_string(events_);
    if (mustAct && scheduleActs_ == acts)
        Fail(what,
             "the scheduled minute came, its timer running, and neither its exit call nor "
             "its question nor a box followed");
    if (!reminding && box.Showing() && box.Mode == TBoiteConfirmation::ModeReminder) {
        const bool minuteBefore = (clock.Hour * 60 + clock.Minute + 1) % 1440 == chosen;
        if (!running || !minuteBefore || !page.CBRappel1min.Checked())
            Fail(what, "a reminder showed without a schedule a minute away or without its option");
    }
    // A one-time schedule refused is over, and saved so; a daily one waits for the next day.
    if (scheduleRefused_) {
        if (page.CBEteindreAuto.Checked() == oneOff)
            Fail(what,
                 "the refused schedule is still on though for today only, or off though daily");
        if (oneOff && mayWrite && writes_ == writes)
            Fail(what, "the refused one-time schedule was not saved as off");
    }
    AnswerReminder();
}

void ModelWorld::WorldEvent() {
    switch (in_.Below(6)) {
        case 0:
            SetClock(false);
            break;
        case 1:
            SetClock(true);
            break;
        case 2:
            HandOver();
            break;
        case 3:
            ReplaceDrive();
            break;
        case 4:
            DelayLookUps();
            break;
        default: {
            // The window moved to a monitor of another scale.
            constexpr int Sizes[] = {16, 20, 24, 32};
            rig_.system.smallIconSize = Sizes[in_.Below(4)];
            ++played_.ScaleChanges;
            Log("the window moves to a monitor with small icons of " +
                std::to_string(rig_.system.smallIconSize));
            rig_.form->OnMessage({msg::DpiChanged, 0, 0}, NoDefault);
            break;
        }
    }
}

// The user sets the clock, either way, or the computer wakes up later: onto the scheduled minute,
// just past it, the minute before it, or anywhere. The program is told by a broadcast and looks
// at the schedule from its loop.
void ModelWorld::SetClock(bool wakeUp) {
    TimeOfDay& clock = rig_.system.clock;
    const int now = clock.Hour * 60 + clock.Minute;
    int minute = now;
    switch (in_.Below(4)) {
        case 0:
            minute = ChosenMinute();
            break;
        case 1:
            minute = ChosenMinute() + 1 + in_.Below(30);
            break;
        case 2:
            minute = ChosenMinute() - 1;
            break;
        default:
            minute += wakeUp ? 1 + in_.Below(600) : in_.Below(241) - 120;
            break;
    }
    minute = ((minute % 1440) + 1440) % 1440;
    clock = {minute / 60, minute % 60};
    if (wakeUp) {
        // The tick count goes on during sleep.
        const int slept = minute > now ? minute - now : minute + 1440 - now;
        rig_.system.tick += static_cast<std::uint32_t>(slept) * 60 * 1000;
        ++played_.WakeUps;
    } else {
        ++played_.TimeChanges;
    }
    Log(std::string(wakeUp ? "wake-up at " : "the clock is set to ") + std::to_string(clock.Hour) +
        ":" + std::to_string(clock.Minute));
    if (!wakeUp) {
        rig_.application->Dispatch({msg::TimeChange, 0, 0}, NoDefault);
        return;
    }
    // The system says it resumed once or twice: for the user, automatically, or both.
    constexpr std::uintptr_t ResumeSuspend = 7, ResumeAutomatic = 0x12;
    const int how = in_.Below(3);
    if (how != 1) rig_.application->Dispatch({msg::PowerBroadcast, ResumeAutomatic, 0}, NoDefault);
    if (how != 0) rig_.application->Dispatch({msg::PowerBroadcast, ResumeSuspend, 0}, NoDefault);
}

// A second start hands over to this one and ends; another program's copy-data message is not
// ours. The sender waits for the answer: only a look is posted.
void ModelWorld::HandOver() {
    const std::intptr_t data =
        in_.Below(4) != 0 ? FakeSystem::HandOverData : static_cast<std::intptr_t>(in_.Word());
    const bool ours = data == FakeSystem::HandOverData;
    played_.HandOvers += ours;
    Log(ours ? "a second start hands over" : "another program's copy-data message");
    const std::size_t calls = rig_.system.calls.size(), posted = rig_.system.posted.size();
    const bool showing = rig_.form->Showing();
    const std::optional<std::intptr_t> answer =
        rig_.form->OnMessage({msg::CopyData, 0, data}, NoDefault);
    const std::string what = "event " + std::to_string(events_);
    if (answer != (ours ? std::optional<std::intptr_t>(1) : std::nullopt))
        Fail(what, ours ? "the hand-over was not answered as taken"
                        : "another program's copy-data message was taken for a hand-over");
    const std::size_t posts = ours ? 1 : 0;
    if (rig_.system.posted.size() < posted + posts)
        Fail(what, "a second start handed over and nothing was posted to show the window");
    if (rig_.system.calls.size() != calls + posts || rig_.form->Showing() != showing ||
        rig_.system.posted.size() != posted + posts)
        Fail(what,
             "the copy-data message did more than post a look for the loop" +
                 (rig_.system.calls.size() > calls + posts ? ": " + rig_.system.calls[calls + posts]
                                                           : std::string()));
}

void ModelWorld::ShowHandedOver(const WindowMessage& message) {
    const std::size_t calls = rig_.system.calls.size();
    const int nested = nestedPlays_, writes = writes_, boxes = boxesSeen_,
              closed = rig_.backend.menusClosed;
    auto menu = rig_.backend.loops.find(&rig_.form->Menu.MenuContext);
    const bool menuOpen = menu != rig_.backend.loops.end() && menu->second.Open > 0;
    rig_.form->OnMessage(message, NoDefault);
    if (Ended() || nestedPlays_ != nested) return;
    const std::string what = "event " + std::to_string(events_);
    if (!rig_.form->Showing()) Fail(what, "a second start handed over and the window is hidden");
    if (menuOpen && rig_.backend.menusClosed == closed)
        Fail(what, "a second start handed over and the icons' menu stayed open over the window");
    if (writes_ != writes || boxesSeen_ != boxes || rig_.system.calls.size() != calls)
        Fail(what, "a second start's hand-over did more than show the window" +
                       (rig_.system.calls.size() > calls ? ": " + rig_.system.calls[calls]
                                                         : std::string()));
}

// The shell's look-ups of a drive fail a few times, then answer: its entry comes all the same, or
// a box says it was given up. Not C:, whose root is also a folder of the lists.
void ModelWorld::DelayLookUps() {
    const int letter = 3 + in_.Below(Letters - 3);
    const std::string root = std::string(1, static_cast<char>('A' + letter)) + ":\\";
    const int failures = 1 + in_.Below(12);
    ++played_.LateLookUps;
    Log("the shell's next " + std::to_string(failures) + " look-ups of " + root + " fail");
    rig_.system.failingLookups[root] = failures;
}

// A stick taken out and a USB disk put in on its letter within the delay: the notices of both
// come before the entry is refreshed.
void ModelWorld::ReplaceDrive() {
    const int letter = in_.Below(Letters);
    const std::string root = std::string(1, static_cast<char>('A' + letter)) + ":\\";
    const unsigned kind = DriveKinds[in_.Below(std::size(DriveKinds))];
    ++played_.KindChanges;
    Log("drive " + root + " replaced by one of kind " + std::to_string(kind));
    Announce(false, 1u << letter, 0);
    rig_.system.driveTypes[root] = kind;
    Announce(true, 1u << letter, 0);
}

void ModelWorld::AnswerReminder() {
    TBoiteConfirmation& box = rig_.form->Shutdown.BoiteConfirmation;
    if (!box.Showing() || box.Mode != TBoiteConfirmation::ModeReminder) return;
    switch (in_.Below(3)) {
        case 0:
            Log("reminder: continue the countdown");
            box.OkBtn.Click();
            break;
        case 1:
            Log("reminder: cancel the countdown");
            box.AnnulerBtn.Click();
            if (rig_.form->Shutdown.EteindreTimer.Enabled())
                Fail("event " + std::to_string(events_),
                     "the countdown goes on after its cancel button");
            break;
        default:
            return;
    }
    if (box.Showing()) Fail("event " + std::to_string(events_), "the reminder stayed open");
}

void ModelWorld::EditLists() {
    TConfigVossik& form = *rig_.form;
    if (!WindowUsable()) return;
    FoldersPage& folders = form.Pages.PageRep;
    LaunchPage& launches = form.Pages.PageApp;
    const bool onFolders = in_.Chance();
    form.Pages.Onglets.SetActivePage(onFolders ? static_cast<ui::Page&>(folders) : launches);
    ui::ListBox& list = onFolders ? folders.ListeRep : launches.ListeFich;
    const int action = in_.Below(6);
    switch (action) {
        case 0:
        case 1:
        case 2:
        case 4:
        case 5:
            EditAndCheck(onFolders, action);
            break;
        default: {
            int line = in_.Below(list.Count() + 1) - 1;
            Log("select line " + std::to_string(line));
            list.SetItemIndex(line);
            if (list.OnClick) list.OnClick();
            break;
        }
    }
}

// Each of the page's commands, as a user gives it.
void ModelWorld::Edit(bool onFolders, int action) {
    TConfigVossik& form = *rig_.form;
    FoldersPage& folders = form.Pages.PageRep;
    LaunchPage& launches = form.Pages.PageApp;
    ui::ListBox& list = onFolders ? folders.ListeRep : launches.ListeFich;
    auto press = [this](ui::Button& button, const char* what) {
        if (!button.Enabled()) return;
        Log(what);
        ++listEdits_;
        button.Click();
    };
    switch (action) {
        case 0:
            press(onFolders ? folders.AjouterRepBtn : launches.AjouterExeBtn, "add");
            break;
        case 1:
            press(onFolders ? folders.ModifierRepBtn : launches.ModifierExeBtn, "change");
            break;
        case 2:
            press(onFolders ? folders.EnleverRepBtn : launches.EnleverExeBtn, "remove");
            break;
        case 4: {
            // The list's small menu: it opens, anything may happen while it shows, then its
            // command runs.
            const bool up = in_.Chance();
            Log(std::string("move ") + (up ? "up" : "down"));
            form.Reordering.ContextHautBasPopup();
            MaybeNested(false);
            ++listEdits_;
            ui::MenuItem& item = up ? form.Reordering.MCPlusHaut : form.Reordering.MCPlusBas;
            if (item.Enabled) item.Click();
            break;
        }
        default: {
            const bool up = in_.Chance();
            Log(std::string("Ctrl+") + (up ? "up" : "down"));
            if (list.OnKeyDown) list.OnKeyDown(up ? 0x26 : 0x28, true);
            break;
        }
    }
}

// A user's click on a control of the pages that is enabled along its whole chain.
std::vector<ui::Control*> ModelWorld::UsableOptions() const {
    std::vector<ui::Control*> usable;
    std::vector<ui::Control*> pending(rig_.form->Pages.Onglets.Children().begin(),
                                      rig_.form->Pages.Onglets.Children().end());
    while (!pending.empty()) {
        ui::Control* control = pending.back();
        pending.pop_back();
        if (!control->Enabled()) continue;
        switch (control->Kind()) {
            case ui::ControlKind::CheckBox:
            case ui::ControlKind::RadioButton:
            case ui::ControlKind::ComboBox:
            case ui::ControlKind::RadioGroup:
                usable.push_back(control);
                break;
            default:
                break;
        }
        pending.insert(pending.end(), control->Children().begin(), control->Children().end());
    }
    return usable;
}

void ModelWorld::ToggleOption() {
    if (!WindowUsable()) return;
    std::vector<ui::Control*> usable = UsableOptions();
    if (usable.empty()) return;
    ui::Control& control = *usable[in_.Below(static_cast<int>(usable.size()))];
    Log("click " + control.Name());
    switch (control.Kind()) {
        case ui::ControlKind::CheckBox:
            static_cast<ui::CheckBox&>(control).Click();
            break;
        case ui::ControlKind::RadioButton:
            static_cast<ui::RadioButton&>(control).Click();
            break;
        case ui::ControlKind::ComboBox: {
            auto& combo = static_cast<ui::ComboBox&>(control);
            combo.SetItemIndex(in_.Below(combo.Count()));
            if (combo.OnChange) combo.OnChange();
            break;
        }
        default: {
            auto& group = static_cast<ui::RadioGroup&>(control);
            group.SetItemIndex(in_.Below(static_cast<int>(group.Items().size())));
            break;
        }
    }
}

void ModelWorld::PressButton() {
    TConfigVossik& form = *rig_.form;
    if (!WindowUsable()) return;
    switch (in_.Below(5)) {
        case 0:
            Log("Appliquer");
            SaveAndCheck("Appliquer", [&form] { form.AppliquerBtn.Click(); });
            CheckShownAsWanted("Appliquer");
            break;
        case 1: {
            Log("Reduire");
            const int writes = writes_, kept = keptByUser_, nested = nestedPlays_;
            SaveAndCheck("Reduire", [&form] { form.OkBtn.Click(); });
            // Only what is saved, or a file the user chose to keep, lets the window go.
            if (!Ended() && nestedPlays_ == nested && !form.Showing() && writes_ == writes &&
                keptByUser_ == kept)
                Fail("event " + std::to_string(events_),
                     "Reduire hid the window though the settings were not saved");
            CheckShownAsWanted("Reduire");
            break;
        }
        case 2: {
            Log("Reorganiser");
            const int nested = nestedPlays_;
            form.Pages.PageAPropos.ReorganiserBtn.Click();
            if (nestedPlays_ != nested) break;
            CheckShownAsWanted("Reorganiser les icones");
            CheckTrayOrder("Reorganiser les icones");
            break;
        }
        case 3:
            Log("Quitter");
            Quit(form.QuitterBtn);
            break;
        default:
            Log("close box");
            form.Close();
            break;
    }
}

void ModelWorld::InjectFailure() {
    FakeSystem& system = rig_.system;
    const std::uint8_t what = in_.Byte();
    switch (what % 10) {
        case 0:
            Log("the shell will refuse the next add");
            ++refuseAdds_;
            break;
        case 1:
            Log("the shell will refuse the next change");
            ++refuseModifies_;
            break;
        case 2:
            Log("the shell will have lost the next icon it is asked to delete");
            ++refuseDeletes_;
            break;
        case 3: {
            // A path or drive the shell no longer knows, or knows again: a drive whose entry
            // was given up meanwhile has none until it comes again.
            std::string path = PickFolder();
            if (in_.Chance())
                path = std::string(1, static_cast<char>('A' + in_.Below(Letters))) + ":\\";
            if (path.size() == 3 && std::isupper(static_cast<unsigned char>(path.front())))
                uncertainDrives_ |= 1u << (path.front() - 'A');
            auto found = system.shellFiles.find(path);
            if (found != system.shellFiles.end()) {
                system.shellFiles.erase(found);
                Log("the shell loses " + path);
            } else {
                system.shellFiles[path] = {.DisplayName = "Revenu " + path};
                Log("the shell finds " + path);
            }
            break;
        }
        case 4:
            nestInNextLoop_ = true;
            Log("the next box, dialog, menu or wait takes the next event in");
            break;
        case 5:
            pumpInBoxes_ = !pumpInBoxes_;
            Log(std::string("boxes ") + (pumpInBoxes_ ? "run" : "hold") + " the queue");
            break;
        case 6:
            system.exitAccepted = !system.exitAccepted;
            Log(std::string("the system will ") + (system.exitAccepted ? "accept" : "refuse") +
                " an exit call");
            break;
        case 7:
            Log("the taskbar goes away");
            system.taskbarPresent = false;
            system.EmptyTray();
            break;
        case 8:
            Log("the taskbar will restart during the next shell call");
            restartInShellCall_ = true;
            break;
        default:
            ChangeSettingsFile(what / 10 % 3);
            break;
    }
}

void ModelWorld::ChangeSettingsFile(int how) {
    FakeSystem& system = rig_.system;
    switch (how) {
        case 0:
            system.refuseWrites = !system.refuseWrites;
            Log(std::string("the settings file ") + (system.refuseWrites ? "cannot" : "can") +
                " be written");
            break;
        case 1:
            system.failingReads = system.failingReads ? 0 : UnreadableForGood;
            Log(std::string("the settings file ") + (system.failingReads ? "cannot" : "can") +
                " be read");
            break;
        default:
            Log("another program edits the settings file");
            system.files.insert(settingsPlace_);
            system.fileContents[settingsPlace_] += "; modifi\xE9 ailleurs\r\n";
            changedBehind_ = true;
            break;
    }
}

void ModelWorld::OnBox() {
    // Nested events may show boxes of their own.
    const FakeSystem::Box box = rig_.system.boxes.back();
    rig_.system.boxes.clear();
    ++boxesSeen_;
    Log("box: " + box.Text.substr(0, 60));
    boxSaysNotSaved_ =
        box.Text.starts_with(NotSavedNotice) || box.Text.find(WriteFailure) != std::string::npos;
    if (boxSaysNotSaved_) {
        ++notSavedTold_;
        awaitingNotSaved_.clear();
    }
    if (box.Text.starts_with(DuplicateQuestion)) CheckDuplicateQuestion();
    // A drive given up after its retries has no entry until it comes again.
    if (const std::size_t unit = box.Text.find(GivenUpDrive); unit != std::string::npos) {
        const char letter = box.Text[unit + GivenUpDrive.size()];
        if (letter >= 'A' && letter <= 'Z') uncertainDrives_ |= 1u << (letter - 'A');
    }
    if (box.Text.starts_with(AbandonedSchedule)) {
        ++scheduleActs_;
        scheduleActedAt_ = rig_.system.tick;
    }
    if (pumpInBoxes_) {
        ++nestedPlays_;
        DeliverPosted(true);
    }
    // A box has no owner: the configuration window stays usable while it shows.
    MaybeNested(true);
    if (box.Flags & mb::YesNo) {
        const int answer = in_.Chance() ? mb::IdYes : mb::IdNo;
        if (answer == mb::IdNo) picked_.Refused = true;
        if (box.Text == QuitQuestion) ++(answer == mb::IdYes ? quitYes_ : quitNo_);
        if (box.Text.starts_with(FileQuestion)) {
            if (answer == mb::IdYes) {
                userAgreedToReplace_ = true;
            } else {
                ++keptByUser_;
            }
        }
        rig_.system.boxAnswers.push_front(answer);
    }
}

// Quitting ends the program once the settings are saved, the user chose to keep the file as it
// is, or said yes to quitting unsaved; otherwise it stays, the user having said no to that, or a
// box saying the settings were not saved. A yes always ends it.
template <typename Command>
void ModelWorld::Quit(Command& command) {
    const int yes = quitYes_, no = quitNo_, writes = writes_, kept = keptByUser_,
              told = notSavedTold_, nested = nestedPlays_;
    command.Click();
    const std::string what = "event " + std::to_string(events_);
    if (Ended()) {
        // A nested event may have ended it some other way.
        if (nestedPlays_ == nested && writes_ == writes && keptByUser_ == kept && quitYes_ == yes)
            Fail(what, "Quitter ended the program without saving and without a word");
        return;
    }
    if (quitYes_ > yes) Fail(what, "a yes to quitting unsaved ended nothing");
    if (quitNo_ == no) ExpectNotSavedTold("Quitter", told, kept);
}

ui::ModalResult ModelWorld::AnswerModal(ui::Form& shown) {
    TConfigVossik& form = *rig_.form;
    // The schedule asks during its minute only, whatever the clock did before.
    const TBoiteConfirmation& confirmation = form.Shutdown.BoiteConfirmation;
    if (&shown == &confirmation && confirmation.ActionText == ScheduledActionText) {
        if (!AtChosenMinute())
            Fail("event " + std::to_string(events_),
                 "the schedule's question showed outside its minute");
        ++scheduleActs_;
        scheduleActedAt_ = rig_.system.tick;
    }
    MaybeNested(false);
    if (&shown == &form.BoiteRepertoire) {
        if (in_.Below(4) == 0) return ui::ModalResult::Cancel;
        form.BoiteRepertoire.Tree.SetSelectedPath(in_.Below(8) ? Widen(PickFolder()) : L"");
        form.BoiteRepertoire.Raccourci.SetCaption(PickName());
        Log("picker: " + Narrow(form.BoiteRepertoire.Tree.SelectedPath()));
        picked_.Ok = true;
        picked_.Path = Narrow(form.BoiteRepertoire.Tree.SelectedPath());
        picked_.Name = form.BoiteRepertoire.Raccourci.Caption();
        return ui::ModalResult::Ok;
    }
    if (&shown == &form.BoiteExe) {
        if (in_.Below(4) == 0) return ui::ModalResult::Cancel;
        form.BoiteExe.Nom.SetCaption(PickName());
        form.BoiteExe.LigneCommande.SetCaption(PickLaunch());
        form.BoiteExe.OptionsExe.SetCaption(in_.Chance() ? "/p" : "");
        Log("launch dialog: " + form.BoiteExe.LigneCommande.Caption());
        form.BoiteExe.OkBtn.Click();
        picked_.Ok = form.BoiteExe.Result() == ui::ModalResult::Ok;
        picked_.Path = form.BoiteExe.LigneCommande.Caption();
        picked_.Name = form.BoiteExe.Nom.Caption();
        picked_.Options = form.BoiteExe.OptionsExe.Caption();
        return form.BoiteExe.Result();
    }
    if (&shown == &form.Shutdown.BoiteConfirmation) AnswerConfirmation();
    return ui::ModalResult::None;
}

// Yes, no, or the window closed. The question names what it is about: the schedule's always
// powers the computer off.
void ModelWorld::AnswerConfirmation() {
    TBoiteConfirmation& box = rig_.form->Shutdown.BoiteConfirmation;
    const bool scheduled = box.ActionText == ScheduledActionText;
    switch (in_.Below(3)) {
        case 0:
            Log("confirmation: yes");
            (scheduled ? asked_.YesToSchedule : asked_.YesToUser) = true;
            if (scheduled) acceptBoxes_ = boxesSeen_;
            box.OkBtn.Click();
            return;
        case 1:
            Log("confirmation: no");
            box.AnnulerBtn.Click();
            break;
        default:
            Log("confirmation: closed");
            break;
    }
    scheduleRefused_ = scheduleRefused_ || scheduled;
}

void ModelWorld::ChooseMenuItem() {
    ContextMenu& menu = rig_.form->Menu;
    if (rig_.system.MessageBoxes.Showing())
        Fail("event " + std::to_string(events_), "the icon menu opened while a box showed");
    if (rightPressesLeft_ > 0) {
        PressRight();
        Log("menu closed after the flood");
        return;
    }
    ui::MenuItem* items[] = {
        &menu.MCNom,        &menu.MCOuvrir,      &menu.MCExplorer,      &menu.MCRechercher,
        &menu.MCProprietes, &menu.MCChangerNom,  &menu.MCRedemarrerWin, &menu.MCRedemarrerPC,
        &menu.MCEteindre,   &menu.MCReorganiser, &menu.MCMAJIcones,     &menu.MCLecteurs,
        &menu.MCDossiers,   &menu.MCLancements,  &menu.MCConfig,        &menu.MCQuitter};
    MenuEntry opened;
    opened.Group = menu.Clicked().Group;
    opened.Edits = listEdits_;
    if (const TrayItem* record = rig_.form->Icons.ItemAt(menu.Clicked())) {
        opened.Any = true;
        opened.Path = record->Path;
        opened.Name = record->Name;
        opened.Options = record->Options;
    }
    MaybeNested(false);
    int choice = in_.Below(static_cast<int>(std::size(items)) + 1);
    if (choice == static_cast<int>(std::size(items))) {
        Log("menu closed");
        return;
    }
    ui::MenuItem& item = *items[choice];
    if (!item.Visible || !item.Enabled) return;
    Log("menu: " + item.Name());
    // The codes of the system's exit call, as the items' captions name them.
    const std::pair<const ui::MenuItem*, unsigned> actions[] = {{&menu.MCChangerNom, 0},
                                                                {&menu.MCRedemarrerWin, 66},
                                                                {&menu.MCRedemarrerPC, 2},
                                                                {&menu.MCEteindre, 8}};
    for (const auto& [action, code] : actions)
        if (&item == action) asked_.Menu.push_back(code);
    if (&item == &menu.MCQuitter) {
        Quit(item);
        return;
    }
    const int nested = nestedPlays_;
    if (&item == &menu.MCMAJIcones || &item == &menu.MCLecteurs || &item == &menu.MCDossiers ||
        &item == &menu.MCLancements) {
        SaveAndCheck(item.Name(), [&item] { item.Click(); });
    } else {
        const std::size_t calls = rig_.system.calls.size();
        item.Click();
        if (nestedPlays_ == nested && listEdits_ == opened.Edits)
            CheckMenuCommand(item, opened, calls);
    }
    if (&item == &menu.MCReorganiser && nestedPlays_ == nested) {
        CheckShownAsWanted("Reorganiser");
        CheckTrayOrder("Reorganiser");
    }
    if (&item == &menu.MCLecteurs || &item == &menu.MCDossiers || &item == &menu.MCLancements)
        CheckShownAsWanted(item.Name());
}

// Without edits of the lists, an entry is still there exactly when a record holds all it held.
void ModelWorld::CheckMenuCommand(const ui::MenuItem& item, const MenuEntry& opened,
                                  std::size_t firstCall) {
    const ContextMenu& menu = rig_.form->Menu;
    const TrayIconSet& icons = rig_.form->Icons;
    if (&item != &menu.MCNom && &item != &menu.MCOuvrir && &item != &menu.MCExplorer &&
        &item != &menu.MCRechercher && &item != &menu.MCProprietes)
        return;
    const TrayItemList& list = opened.Group == TrayGroup::GroupDrive    ? icons.Drives
                               : opened.Group == TrayGroup::GroupFolder ? icons.Folders
                                                                        : icons.Launches;
    const bool there = opened.Any && std::any_of(list.begin(), list.end(), [&](const auto& record) {
                           return record->Path == opened.Path && record->Name == opened.Name &&
                                  record->Options == opened.Options;
                       });
    // A quick-launch entry is searched for in its folder.
    const std::string target = &item == &menu.MCRechercher && opened.Group == TrayGroup::GroupLaunch
                                   ? FolderPart(opened.Path)
                                   : opened.Path;
    const std::string what = "event " + std::to_string(events_);
    const std::vector<std::string>& calls = rig_.system.calls;
    int acts = 0;
    for (std::size_t i = firstCall; i < calls.size(); ++i) {
        const std::string& call = calls[i];
        bool names = false;
        if (call.starts_with("winexec ")) {
            names = call.ends_with(target + " 1");
        } else if (call.starts_with("shellexecute")) {
            names = call.find("[" + target + "]") != std::string::npos;
        } else if (call.starts_with("itemmenu ")) {
            names = call.starts_with("itemmenu [" + target + "]");
        } else {
            continue;
        }
        ++acts;
        if (!there)
            Fail(what,
                 item.Name() + " acted though its entry " + opened.Path + " is gone: " + call);
        if (!names)
            Fail(what, item.Name() + " of the menu of " + opened.Path +
                           " acted on another entry: " + call);
    }
    if (there && acts == 0 && &item != &menu.MCNom)
        Fail(what, item.Name() + " did nothing though its entry " + opened.Path + " is there");
}

// The shell refuses as the fuzzer asked; a delete it refuses is of an icon it has lost.
bool ModelWorld::Refuse(NotifyCommand command, const NotifyIconData& data) {
    if (std::exchange(restartInShellCall_, false)) TaskbarRestart();
    int& pending = command == NotifyCommand::Add      ? refuseAdds_
                   : command == NotifyCommand::Modify ? refuseModifies_
                                                      : refuseDeletes_;
    if (pending == 0) {
        const bool tipSent = command == NotifyCommand::Add ||
                             (command == NotifyCommand::Modify && data.uFlags & nif::Tip);
        if (tipSent) staleTips_.erase(data.uID);
        return false;
    }
    --pending;
    if (command == NotifyCommand::Add && data.uFlags & nif::GuidItem) identities_.Refused = true;
    Log("the shell refuses to " +
        std::string(command == NotifyCommand::Add      ? "add"
                    : command == NotifyCommand::Modify ? "change"
                                                       : "delete") +
        " icon " + std::to_string(data.uID));
    ++refusals_;
    if (command == NotifyCommand::Modify) staleTips_.insert(data.uID);
    if (command == NotifyCommand::Delete) rig_.system.LoseTrayIcon(data.uID);
    return true;
}

// The session ends only when a user said yes, asked without confirmation, or at the scheduled
// minute without confirmation; with the code of what was asked: the schedule always powers off
// with force, the icon and the menu do their action, with force when "Forcer" is ticked.
void ModelWorld::OnExitCall(unsigned code) {
    const ShutdownPage& page = rig_.form->Pages.PageEteindre;
    Log("exit call " + std::to_string(code));
    played_.RefusedExits += !rig_.system.exitAccepted;
    if (code == 5) {
        ++scheduleActs_;
        scheduleActedAt_ = rig_.system.tick;
    }
    std::set<unsigned> wanted;
    if (asked_.YesToSchedule || asked_.Schedule) wanted.insert(5);
    const bool manual = asked_.Icon || !asked_.Menu.empty();
    if (asked_.YesToUser || (manual && !page.CBConfirmer.Checked())) {
        if (asked_.Icon) wanted.insert(IconAction() | ForceBit());
        for (unsigned menuCode : asked_.Menu) wanted.insert(menuCode | ForceBit());
    }
    if (wanted.empty())
        Fail("event " + std::to_string(events_),
             "the session was ended though nobody asked for it");
    if (!wanted.contains(code))
        Fail("event " + std::to_string(events_), "the exit call asked for " + std::to_string(code) +
                                                     ", not what the user or the "
                                                     "schedule asked for (" +
                                                     std::to_string(*wanted.begin()) + ")");
    // The schedule's call comes at once: within its minute, or right after its question's yes.
    // A box between them (a failed save's) may stay open for hours.
    if (code == 5) {
        const bool inMinute = asked_.Schedule && boxesSeen_ == scheduleBoxes_ && AtChosenMinute();
        const bool afterYes = asked_.YesToSchedule && boxesSeen_ == acceptBoxes_;
        if (!inMinute && !afterYes)
            Fail("event " + std::to_string(events_),
                 "the scheduled exit call came after its minute or after a box");
    }
    // A scheduled shutdown saves first, so that a one-time schedule is off at the next start.
    if (code == 5 && scheduleWrites_ >= 0 && writes_ == scheduleWrites_)
        Fail("event " + std::to_string(events_), "the scheduled shutdown did not save first");
}
