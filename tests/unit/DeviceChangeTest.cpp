#include "support/MainFormFixture.h"
#include "ui/InputQuery.h"

namespace {

using Tray = std::map<std::uint32_t, std::string>;

// The broadcast the system points a device-change message to: header, unit mask, flags.
struct VolumeBroadcast {
    std::uint32_t Size = 18, DeviceType = 2, Reserved = 0, UnitMask = 0;
    std::uint16_t Flags = 0;
};

class DeviceChangeTest : public MainFormFixture {
protected:
    // C: fixed, D: a CD-ROM with a disc, E: a network drive; a short delay; every icon shown.
    TConfigVossik& StartWithDrives(const std::string& options = "") {
        system.driveMask = 0b11100;
        system.driveTypes = {{"C:\\", 3}, {"D:\\", 5}, {"E:\\", 4}, {"F:\\", 2}, {"G:\\", 2}};
        for (const char* root : {"C:\\", "D:\\", "E:\\", "F:\\", "G:\\"})
            system.shellFiles[root] = {.DisplayName = std::string("Lecteur ") + root[0]};
        WithSettingsFile("[Divers]\r\nTemporisation=0\r\n" + options);
        // As the message loop does: the wait of one message takes up those queued after it.
        system.onTick = [this] { Pump(); };
        return Start();
    }

    void Notify(std::uintptr_t event, const std::string& letters, std::uint16_t flags = 0) {
        VolumeBroadcast broadcast;
        for (char letter : letters) broadcast.UnitMask |= 1u << (letter - 'A');
        broadcast.Flags = flags;
        form->OnMessage({msg::DeviceChange, event, reinterpret_cast<std::intptr_t>(&broadcast)},
                        [] { return std::intptr_t{0}; });
    }
    void Arrive(const std::string& letters, std::uint16_t flags = 0) {
        Notify(0x8000, letters, flags);
    }
    void Leave(const std::string& letters, std::uint16_t flags = 0) {
        Notify(0x8004, letters, flags);
    }

    // Handles the posted messages in order, as the message loop would, until none is left.
    void Pump() {
        while (!system.posted.empty()) {
            WindowMessage message = system.posted.front();
            system.posted.pop_front();
            form->OnMessage(message, [] { return std::intptr_t{0}; });
        }
    }

    std::vector<std::string> Paths() const {
        std::vector<std::string> paths;
        for (const auto& drive : form->Icons.Drives) paths.push_back(drive->Path);
        return paths;
    }
};

}  // namespace

TEST_F(DeviceChangeTest, ADriveLetterLivesThroughArrivalRefreshAndRemoval) {
    TConfigVossik& form = StartWithDrives();
    EXPECT_EQ(form.Watcher.RefreshDelay, 200u);
    Arrive("F");  // unknown -> waiting to be created -> present, with the next id
    EXPECT_EQ(form.Watcher.DriveMask, 0b111100u) << "known before its entry exists";
    EXPECT_EQ(system.posted.size(), 1u) << "the notification only posts";
    Pump();
    EXPECT_EQ(Paths(), (std::vector<std::string>{"C:\\", "D:\\", "E:\\", "F:\\"}));
    EXPECT_EQ(system.trayTips.at(3), "Lecteur F");

    // present -> waiting to be refreshed -> present: the tip changes only with the name.
    system.shellFiles["D:\\"] = {.DisplayName = "Disque audio (D:)"};
    Arrive("D");
    system.calls.clear();
    Pump();
    EXPECT_EQ(system.trayTips.at(1), "Disque audio (D:)");
    EXPECT_EQ(NotifyCalls(), std::vector<std::string>{"modify 1"});

    // present -> waiting to be removed -> unknown: later drives move up, the last place goes.
    Leave("C");
    Pump();
    EXPECT_EQ(Paths(), (std::vector<std::string>{"D:\\", "E:\\", "F:\\"}));
    EXPECT_EQ(system.trayTips, (Tray{{0, "Disque audio (D:)"},
                                     {1, "Lecteur E"},
                                     {2, "Lecteur F"},
                                     {10000, "Redémarrer l'ordinateur"}}));
    EXPECT_EQ(form.Watcher.DriveMask, 0b111000u);
    Arrive("C");  // back again: a new entry at the end
    Pump();
    EXPECT_EQ(Paths().back(), "C:\\");
    EXPECT_TRUE(system.boxes.empty());
}

TEST_F(DeviceChangeTest, TheOptionsDecideWhatANotificationDoes) {
    TConfigVossik& form = StartWithDrives("[Divers]\r\nGarder CD=1\r\n");
    Leave("D", 1);  // a disc taken out, kept
    Leave("E", 2);  // a network drive lost, not kept
    Leave("C", 4);  // other flags: always removed
    Pump();
    EXPECT_EQ(Paths(), (std::vector<std::string>{"D:\\"}));

    form.Pages.PageAPropos.CBActiverMAJ.SetChecked(false);
    Arrive("G");
    Leave("D");
    EXPECT_TRUE(system.posted.empty()) << "updates off: nothing, not even the mask";
    EXPECT_EQ(form.Watcher.DriveMask, 0b01000u);
}

// Whatever order the news comes in, each drive ends as the last notice about it says.
TEST_F(DeviceChangeTest, EachDriveOfANoticeAndEachQuickChangeEndsAsItsLastNewsSays) {
    TConfigVossik& form = StartWithDrives();
    Arrive("FG");  // a disk with two partitions
    Pump();
    EXPECT_EQ(Paths(), (std::vector<std::string>{"C:\\", "D:\\", "E:\\", "F:\\", "G:\\"}));
    Leave("FG");
    Pump();
    EXPECT_EQ(Paths(), (std::vector<std::string>{"C:\\", "D:\\", "E:\\"}));

    Leave("C");  // out and in again within the delay: it stays
    Arrive("C");
    system.shellFiles.erase("F:\\");  // in and out again: never found, nothing to tell
    Arrive("F");
    Leave("F");
    Pump();
    EXPECT_EQ(Paths(), (std::vector<std::string>{"C:\\", "D:\\", "E:\\"}));
    EXPECT_EQ(system.trayTips.at(0), "Lecteur C");
    EXPECT_EQ(form.Watcher.DriveMask, 0b11100u);
    system.shellFiles["F:\\"] = {.DisplayName = "Lecteur F"};
    Arrive("F");  // and it can come again
    Pump();
    Arrive("G");  // its disc out before its entry was made, and kept by option
    Leave("G", 1);
    Pump();
    EXPECT_EQ(Paths(), (std::vector<std::string>{"C:\\", "D:\\", "E:\\", "F:\\", "G:\\"}));

    Arrive("");
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].Text, "Erreur interne : unitée dans les choux");
    EXPECT_EQ(system.boxes[0].Title, "Vossik'");
}

TEST_F(DeviceChangeTest, ASecondArrivalWhileTheEntryWaitsToBeMadeIsNoError) {
    TConfigVossik& form = StartWithDrives();
    Arrive("F");
    Arrive("F");
    Pump();
    EXPECT_TRUE(system.boxes.empty());
    EXPECT_EQ(Paths(), (std::vector<std::string>{"C:\\", "D:\\", "E:\\", "F:\\"}));
    EXPECT_EQ(form.Watcher.CreationsDue, 0u);
}

// The shell's calls let sent messages in: an arrival while the icons of a removal move.
TEST_F(DeviceChangeTest, AnArrivalDuringTheRemovalsIconMovesComesBackAfterIt) {
    StartWithDrives();
    Leave("C");
    bool arrived = false;
    system.notifyResult = [&](NotifyCommand, const NotifyIconData&) {
        if (!arrived) {
            arrived = true;
            Arrive("C");
        }
        return true;
    };
    Pump();
    system.notifyResult = nullptr;
    ASSERT_TRUE(arrived);
    EXPECT_TRUE(system.boxes.empty());
    EXPECT_EQ(Paths(), (std::vector<std::string>{"D:\\", "E:\\", "C:\\"}));
}

TEST_F(DeviceChangeTest, FailedLookupsAreRetriedElevenTimesWithOneCounterForAllDrives) {
    TConfigVossik& form = StartWithDrives();
    system.onTick = nullptr;  // each message by hand
    system.shellFiles.erase("F:\\");
    Arrive("F");
    for (int i = 0; i < 5; ++i) {  // five failures, then a success elsewhere resets the count
        WindowMessage retry = system.posted.front();
        system.posted.pop_front();
        form.OnMessage(retry, [] { return std::intptr_t{0}; });
    }
    EXPECT_EQ(form.Watcher.RefreshRetries, 5);
    Arrive("D");
    std::swap(system.posted.front(), system.posted.back());
    WindowMessage success = system.posted.front();
    system.posted.pop_front();
    form.OnMessage(success, [] { return std::intptr_t{0}; });
    EXPECT_EQ(form.Watcher.RefreshRetries, 0);

    int attempts = 0;
    system.whileBoxShown = [&] {
        attempts =
            static_cast<int>(std::count_if(system.calls.begin(), system.calls.end(),
                                           [](auto& c) { return c == "fileinfo F:\\ 4608"; }));
    };
    system.calls.clear();
    Pump();
    EXPECT_EQ(attempts, 12) << "the first attempt and eleven repeats";
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].Text,
              "Erreur : Après 10 essais, il est toujours impossible de trouver le nom du fichier "
              "et/ou son icone.\nL'unité F:\\ ne sera pas disponible en icone (Vossik n'essaye "
              "plus)");
    EXPECT_EQ(form.Watcher.RefreshRetries, 0);
    EXPECT_EQ(form.Watcher.FindDriveEntry('F'), -1);
}

TEST_F(DeviceChangeTest, MessagesNameTheirDriveSoNoRemovalShiftsAnother) {
    // Two removals posted within one delay, in either order: each takes its own drive.
    for (const char* order : {"CE", "EC"}) {
        TConfigVossik& form = StartWithDrives();
        Leave(std::string(1, order[0]));
        Leave(std::string(1, order[1]));
        Pump();
        EXPECT_EQ(Paths(), std::vector<std::string>{"D:\\"}) << order;
        EXPECT_EQ(form.Watcher.DriveMask, 0b01000u);
    }

    // A second notification handled inside the first one's wait.
    StartWithDrives();
    Leave("D");
    system.onTick = [&] {
        system.onTick = nullptr;
        Arrive("E");
        Pump();
    };
    Pump();
    EXPECT_EQ(Paths(), (std::vector<std::string>{"C:\\", "E:\\"}));
    EXPECT_EQ(system.trayTips.at(1), "Lecteur E");
    EXPECT_FALSE(system.trayTips.contains(2));
}

TEST_F(DeviceChangeTest, WaitsGiveUpWhenTheProgramEndsAndTheDelayPromptTakesWholeSeconds) {
    TConfigVossik& form = StartWithDrives();
    Leave("C");
    backend.quitRequested = true;
    Pump();
    EXPECT_EQ(Paths().front(), "C:\\") << "nothing done after the program was asked to end";
    backend.quitRequested = false;

    // The clock wraps during a wait: still the full delay, not a moment; and the thread sleeps
    // through it, waking for messages, instead of spinning.
    system.tick = 0xFFFFFFA0u;
    system.calls.clear();
    Arrive("F");
    Pump();
    EXPECT_LT(system.tick, 0x1000u) << "the wait went on past the wrap";
    EXPECT_EQ(std::count_if(system.calls.begin(), system.calls.end(),
                            [](const std::string& call) { return call.starts_with("wait "); }),
              1);

    DriveWatcher& watcher = form.Watcher;
    auto answer = [this](std::string text) {
        backend.modalAnswers.push_back([text](ui::Form& box) {
            static_cast<ui::InputBox&>(box).Value.SetCaption(text);
            return ui::ModalResult::Ok;
        });
    };
    form.Pages.PageAPropos.GroupeMAJ.OnClick();
    EXPECT_TRUE(backend.modalShown.empty()) << "without Ctrl, nothing";
    system.keysDown = {0x11};
    for (const char* text : {"3", "0", "abc", "", "-1", "3601"}) answer(text);
    watcher.GroupeMAJClick();
    EXPECT_EQ(watcher.RefreshDelay, 3000u);
    watcher.GroupeMAJClick();
    EXPECT_EQ(watcher.RefreshDelay, 200u);
    for (int refused = 0; refused < 4; ++refused) watcher.GroupeMAJClick();
    EXPECT_EQ(watcher.RefreshDelay, 200u) << "nothing the settings file would refuse";
    ASSERT_EQ(system.boxes.size(), 4u);
    EXPECT_EQ(system.boxes[0].Text, "'abc' n'est pas une valeur entière correcte");
}
