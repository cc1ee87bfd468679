#include "drives/DriveSchedule.h"
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
        return Start();
    }

    void Notify(std::uintptr_t event, std::uint32_t mask, std::uint16_t flags = 0) {
        VolumeBroadcast broadcast;
        broadcast.UnitMask = mask;
        broadcast.Flags = flags;
        form->OnMessage({msg::DeviceChange, event, reinterpret_cast<std::intptr_t>(&broadcast)},
                        [] { return std::intptr_t{0}; });
    }
    static std::uint32_t Mask(const std::string& letters) {
        std::uint32_t mask = 0;
        for (char letter : letters) mask |= 1u << (letter - 'A');
        return mask;
    }
    void Arrive(const std::string& letters, std::uint16_t flags = 0) {
        Notify(0x8000, Mask(letters), flags);
    }
    void Leave(const std::string& letters, std::uint16_t flags = 0) {
        Notify(0x8004, Mask(letters), flags);
    }

    // The refresh timer's next tick, when it asks for it.
    void Tick() {
        ui::Timer& timer = form->Watcher.RefreshTimer;
        ASSERT_TRUE(timer.Enabled());
        system.tick += timer.Interval();
        timer.Tick();
    }
    // As the message loop goes on: the posted messages handled, and the timer's ticks, until
    // nothing is due.
    void Settle() {
        for (int ticks = 0; ticks < 1000; ++ticks) {
            while (!system.posted.empty()) {
                WindowMessage message = system.posted.front();
                system.posted.pop_front();
                form->OnMessage(message, [] { return std::intptr_t{0}; });
            }
            if (!form->Watcher.RefreshTimer.Enabled()) return;
            Tick();
        }
        FAIL() << "the refresh timer never stops";
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
    EXPECT_EQ(form.Watcher.Delay().Milliseconds(), 200u);
    EXPECT_FALSE(form.Watcher.RefreshTimer.Enabled()) << "no tick while nothing is due";
    Arrive("F");  // unknown -> waiting to be created -> present, with the next id
    EXPECT_EQ(form.Watcher.DriveMask, 0b111100u) << "known before its entry exists";
    EXPECT_EQ(Paths().size(), 3u) << "the notification only notes what is due";
    EXPECT_TRUE(form.Watcher.RefreshTimer.Enabled());
    EXPECT_LE(form.Watcher.RefreshTimer.Interval(), 200u);
    Settle();
    EXPECT_EQ(Paths(), (std::vector<std::string>{"C:\\", "D:\\", "E:\\", "F:\\"}));
    EXPECT_EQ(system.trayTips.at(3), "Lecteur F");

    // present -> waiting to be refreshed -> present: the tip changes only with the name; the
    // picture is read again, another disc may have the same icon's path.
    system.shellFiles["D:\\"] = {.DisplayName = "Disque audio (D:)"};
    const IconHandle before = system.trayPictures.at(1);
    Arrive("D");
    system.calls.clear();
    Settle();
    EXPECT_EQ(system.trayTips.at(1), "Disque audio (D:)");
    EXPECT_EQ(NotifyCalls(), std::vector<std::string>{"modify 1"});
    EXPECT_NE(system.trayPictures.at(1), before);

    // present -> waiting to be removed -> unknown: later drives move up, the last place goes.
    Leave("C");
    Settle();
    EXPECT_EQ(Paths(), (std::vector<std::string>{"D:\\", "E:\\", "F:\\"}));
    EXPECT_EQ(system.trayTips, (Tray{{0, "Disque audio (D:)"},
                                     {1, "Lecteur E"},
                                     {2, "Lecteur F"},
                                     {10000, "Redémarrer l'ordinateur"}}));
    EXPECT_EQ(form.Watcher.DriveMask, 0b111000u);
    Arrive("C");  // back again: a new entry at the end
    Settle();
    EXPECT_EQ(Paths().back(), "C:\\");
    EXPECT_TRUE(system.boxes.empty());
}

TEST_F(DeviceChangeTest, TheOptionsDecideWhatANotificationDoes) {
    TConfigVossik& form = StartWithDrives("[Divers]\r\nGarder CD=1\r\n");
    Leave("D", 1);  // a disc taken out, kept
    Leave("E", 2);  // a network drive lost, not kept
    Leave("E", 1);  // then its medium, kept: it has gone all the same
    Leave("C", 4);  // other flags: always removed
    Settle();
    EXPECT_EQ(Paths(), (std::vector<std::string>{"D:\\"}));

    form.Pages.PageAPropos.CBActiverMAJ.SetChecked(false);
    Arrive("G");
    Leave("D");
    EXPECT_TRUE(form.Watcher.NothingDue()) << "updates off: nothing, not even the mask";
    EXPECT_FALSE(form.Watcher.RefreshTimer.Enabled());
    EXPECT_EQ(form.Watcher.DriveMask, 0b01000u);
}

// Whatever order the news comes in, each drive ends as the last notice about it says.
TEST_F(DeviceChangeTest, EachDriveOfANoticeAndEachQuickChangeEndsAsItsLastNewsSays) {
    TConfigVossik& form = StartWithDrives();
    Arrive("GF");  // a disk with two partitions: made in letter order
    Settle();
    EXPECT_EQ(Paths(), (std::vector<std::string>{"C:\\", "D:\\", "E:\\", "F:\\", "G:\\"}));
    Leave("FG");
    Settle();
    EXPECT_EQ(Paths(), (std::vector<std::string>{"C:\\", "D:\\", "E:\\"}));

    Leave("C");  // out and in again within the delay: it stays
    Arrive("C");
    system.shellFiles.erase("F:\\");  // in and out again: never found, nothing to tell
    Arrive("F");
    Leave("F");
    Settle();
    EXPECT_EQ(Paths(), (std::vector<std::string>{"C:\\", "D:\\", "E:\\"}));
    EXPECT_EQ(system.trayTips.at(0), "Lecteur C");
    EXPECT_EQ(form.Watcher.DriveMask, 0b11100u);
    system.shellFiles["F:\\"] = {.DisplayName = "Lecteur F"};
    Arrive("F");  // and it can come again
    Settle();
    Arrive("G");  // its disc out before its entry was made, and kept by option
    Leave("G", 1);
    Settle();
    EXPECT_EQ(Paths(), (std::vector<std::string>{"C:\\", "D:\\", "E:\\", "F:\\", "G:\\"}));
    EXPECT_TRUE(system.boxes.empty());
}

// A flapping contact, 2,000 notices back to back: nothing moves until the delay after the last
// one has passed, then one tick leaves each drive as its last notice says, and the timer stops.
TEST_F(DeviceChangeTest, AFloodOfNoticesWithinOneDelayEndsAsTheLastOfEachLetterSays) {
    TConfigVossik& form = StartWithDrives();
    system.tickPerRead = 0;
    for (int i = 0; i < 2000; ++i) {
        system.tick += 1;
        if (i % 2) {
            Arrive("CF");
        } else {
            Leave("CF");
        }
    }
    Leave("C");
    system.calls.clear();
    system.tick += form.Watcher.Delay().Milliseconds() - 1;
    form.Watcher.RefreshTimer.Tick();  // one that comes early
    EXPECT_TRUE(NotifyCalls().empty()) << "not before the delay after the last notice";
    Tick();
    EXPECT_EQ(Paths(), (std::vector<std::string>{"D:\\", "E:\\", "F:\\"}));
    EXPECT_EQ(system.trayTips.at(2), "Lecteur F");
    EXPECT_TRUE(form.Watcher.NothingDue());
    EXPECT_FALSE(form.Watcher.RefreshTimer.Enabled());
    EXPECT_TRUE(system.boxes.empty());
}

// Only the 26 letters are drives, and a notice naming none is told once it has returned.
TEST_F(DeviceChangeTest, BitsPastZNameNoDriveAndANoticeNamingNoneIsToldAfterItReturns) {
    TConfigVossik& form = StartWithDrives();
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        system.shellFiles[std::string(1, letter) + ":\\"] = {nullptr, "Lecteur"};
    for (int bit = 0; bit < 32; ++bit) {
        const std::uint32_t mask = form.Watcher.DriveMask;
        Notify(0x8000, 1u << bit);
        EXPECT_EQ(form.Watcher.DriveMask, bit < 26 ? mask | 1u << bit : mask) << bit;
        EXPECT_TRUE(system.boxes.empty()) << "never inside the notice";
    }
    Notify(0x8000, 0);
    Notify(0x8004, 0xFC000000u | Mask("D"));  // D goes; the bits past Z say nothing
    Settle();
    for (const std::string& path : Paths()) EXPECT_LE(path.front(), 'Z');
    EXPECT_EQ(form.Watcher.FindDriveEntry('D'), -1);
    ASSERT_EQ(system.boxes.size(), 1u) << "one box for the notices that named no drive";
    EXPECT_EQ(system.boxes[0].Text, "Erreur interne : unitée dans les choux");
    EXPECT_EQ(system.boxes[0].Title, "Vossik'");
    form.OnMessage({msg::UnitMaskError, 0, 0}, [] { return std::intptr_t{0}; });
    EXPECT_EQ(system.boxes.size(), 1u) << "another program's message of that number says nothing";
}

TEST_F(DeviceChangeTest, ASecondArrivalWhileTheEntryWaitsToBeMadeIsNoError) {
    TConfigVossik& form = StartWithDrives();
    Arrive("F");
    Arrive("F");
    Settle();
    EXPECT_TRUE(system.boxes.empty());
    EXPECT_EQ(Paths(), (std::vector<std::string>{"C:\\", "D:\\", "E:\\", "F:\\"}));
    EXPECT_EQ(form.Watcher.CreationsDue(), 0u);
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
    Settle();
    system.notifyResult = nullptr;
    ASSERT_TRUE(arrived);
    EXPECT_TRUE(system.boxes.empty());
    EXPECT_EQ(Paths(), (std::vector<std::string>{"D:\\", "E:\\", "C:\\"}));
}

TEST_F(DeviceChangeTest, FailedLookupsAreRetriedElevenTimesWithOneCounterForAllDrives) {
    TConfigVossik& form = StartWithDrives();
    system.tickPerRead = 0;
    system.shellFiles.erase("F:\\");
    Arrive("F");
    for (int i = 0; i < 5; ++i) Tick();  // five failures, each after its own delay
    EXPECT_EQ(form.Watcher.RefreshRetries(), 5);
    system.tick += 50;
    Arrive("D");  // then a success elsewhere resets the count
    while (form.Watcher.RefreshRetries() != 0) Tick();

    int attempts = 0;
    system.whileBoxShown = [&] {
        attempts =
            static_cast<int>(std::count_if(system.calls.begin(), system.calls.end(),
                                           [](auto& c) { return c == "fileinfo F:\\ 4608"; }));
    };
    system.calls.clear();
    Settle();
    EXPECT_EQ(attempts, 12) << "the first attempt and eleven repeats";
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].Text,
              "Erreur : Après 10 essais, il est toujours impossible de trouver le nom du fichier "
              "et/ou son icone.\nL'unité F:\\ ne sera pas disponible en icone (Vossik n'essaye "
              "plus)");
    EXPECT_EQ(form.Watcher.RefreshRetries(), 0);
    EXPECT_EQ(form.Watcher.FindDriveEntry('F'), -1);
    EXPECT_EQ(form.Watcher.DriveMask & Mask("F"), 0u) << "forgotten: it can arrive again";
}

TEST_F(DeviceChangeTest, MessagesNameTheirDriveSoNoRemovalShiftsAnother) {
    // Two removals within one delay, in either order: each takes its own drive.
    for (const char* order : {"CE", "EC"}) {
        TConfigVossik& form = StartWithDrives();
        Leave(std::string(1, order[0]));
        Leave(std::string(1, order[1]));
        Settle();
        EXPECT_EQ(Paths(), std::vector<std::string>{"D:\\"}) << order;
        EXPECT_EQ(form.Watcher.DriveMask, 0b01000u);
    }

    // A notice for another drive while a removal is due.
    StartWithDrives();
    Leave("D");
    system.tick += 100;
    Arrive("E");
    Settle();
    EXPECT_EQ(Paths(), (std::vector<std::string>{"C:\\", "E:\\"}));
    EXPECT_EQ(system.trayTips.at(1), "Lecteur E");
    EXPECT_FALSE(system.trayTips.contains(2));
}

TEST_F(DeviceChangeTest, NothingIsDoneOnceTheProgramEndsAndTheDelayPromptTakesWholeSeconds) {
    TConfigVossik& form = StartWithDrives();
    Leave("C");
    backend.quitRequested = true;
    Tick();
    EXPECT_EQ(Paths().front(), "C:\\") << "nothing done after the program was asked to end";
    EXPECT_FALSE(form.Watcher.RefreshTimer.Enabled());
    backend.quitRequested = false;

    // The clock wraps during the delay: still the full delay, not a moment.
    system.tick = 0xFFFFFFA0u;
    Arrive("F");
    system.tick += 150;
    form.Watcher.RefreshTimer.Tick();
    EXPECT_EQ(form.Watcher.FindDriveEntry('F'), -1) << "not yet";
    Settle();
    EXPECT_NE(form.Watcher.FindDriveEntry('F'), -1);

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
    EXPECT_EQ(watcher.Delay().Milliseconds(), 3000u);
    watcher.GroupeMAJClick();
    EXPECT_EQ(watcher.Delay().Milliseconds(), 200u);
    for (int refused = 0; refused < 4; ++refused) watcher.GroupeMAJClick();
    EXPECT_EQ(watcher.Delay().Milliseconds(), 200u) << "nothing the settings file would refuse";
    ASSERT_EQ(system.boxes.size(), 4u);
    EXPECT_EQ(system.boxes[0].Text, "'abc' n'est pas une valeur entière correcte");
}

// Tick counts are read across their wrap: up to 2^31 - 1 on is time gone by. A start set after
// `now` (by a handler that ran meanwhile) has not begun: the whole delay is still to wait.
TEST(DriveScheduleTest, HalfTheClocksRangeIsTimeGoneByAndALaterStartHasNotBegun) {
    DriveSchedule schedule;
    schedule.Set(3, DriveSchedule::Work::Create, 0xFFFFFF00u);
    EXPECT_EQ(schedule.UntilFirst(0xFFFFFF00u + 0x7FFFFFFFu, 200), 0u);
    EXPECT_EQ(schedule.UntilFirst(0xFFFFFF00u - 10, 200), 200u);
}
