#include "support/MainFormFixture.h"
#include "tray/TrayIcon.h"

namespace {

class DrivesTest : public MainFormFixture {
protected:
    // Drives A:, C:, E: and the kinds and names the shell gives them.
    void ThreeDrives() {
        system.driveMask = 0b10101;
        system.driveTypes = {{"A:\\", 2}, {"C:\\", 3}, {"E:\\", 5}};
        system.shellFiles["A:\\"] = {.DisplayName = "Disquette (A:)"};
        system.shellFiles["C:\\"] = {.DisplayName = "Disque local (C:)"};
        system.shellFiles["E:\\"] = {.DisplayName = " (E:)"};
    }

    int DiskQueries() const {
        return static_cast<int>(
            std::count_if(system.calls.begin(), system.calls.end(),
                          [](const auto& c) { return c.starts_with("disksize"); }));
    }
};

}  // namespace

TEST_F(DrivesTest, EveryLetterGetsAnEntryWithIdsInLetterOrder) {
    ThreeDrives();
    system.driveMask |= 1u << 25;  // Z:, unknown to the shell
    TConfigVossik& form = Start();
    EXPECT_EQ(form.Watcher.DriveMask, 0b10101u | 1u << 25);
    ASSERT_EQ(form.Icons.Drives.size(), 4u);
    const char* paths[] = {"A:\\", "C:\\", "E:\\", "Z:\\"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(form.Icons.Drives[i]->Path, paths[i]);
        EXPECT_EQ(form.Icons.Drives[i]->IconData.uID, i);
        EXPECT_FALSE(form.Icons.Drives[i]->Missing);
    }
    EXPECT_EQ(form.Icons.Drives[1]->Kind, TrayItemKind::DriveFixed);
    EXPECT_EQ(form.Icons.Drives[1]->Tip(), "Disque local (C:)");
    EXPECT_EQ(form.Icons.Drives[3]->Kind, TrayItemKind::DriveNoRootDir);
    // The drive the shell does not know is still made, without a picture, after one box.
    EXPECT_EQ(form.Icons.Drives[3]->IconData.hIcon, nullptr);
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].Text,
              "Erreur : ne peut retrouver le nom du fichier et/ou son icone.");
}

TEST_F(DrivesTest, KindBoxesAndTheGroupBoxDecide) {
    TConfigVossik& form = Start();
    DrivesPage& page = form.Pages.PageUS;
    struct Kind {
        TrayItemKind Value;
        ui::CheckBox* Box;
    };
    const Kind kinds[] = {{TrayItemKind::DriveRemovable, &page.CBDisquette},
                          {TrayItemKind::DriveFixed, &page.CBDD},
                          {TrayItemKind::DriveRemote, &page.CBReseau},
                          {TrayItemKind::DriveRamDisk, &page.CBRam}};
    TrayItem drive;
    drive.Path = "D:\\";
    for (const Kind& kind : kinds) {
        drive.Kind = kind.Value;
        for (bool group : {false, true}) {
            for (bool box : {false, true}) {
                page.ActiverUS.SetChecked(group);
                kind.Box->SetChecked(box);
                EXPECT_EQ(form.Watcher.IsDriveShown(drive), group && box)
                    << static_cast<int>(kind.Value) << group << box;
            }
        }
    }
    for (TrayItemKind never :
         {TrayItemKind::DriveUnknown, TrayItemKind::DriveNoRootDir, static_cast<TrayItemKind>(7)}) {
        drive.Kind = never;
        EXPECT_FALSE(form.Watcher.IsDriveShown(drive));
    }
    EXPECT_EQ(DiskQueries(), 0) << "no drive but a CD-ROM is ever queried";
}

TEST_F(DrivesTest, CdDrivesAreQueriedOnlyWhenNothingElseDecides) {
    TConfigVossik& form = Start();
    TrayItem cd;
    cd.Kind = TrayItemKind::DriveCdRom;
    cd.Path = "E:\\";
    FillIconData(cd, nullptr, 2, " (E:)", {});
    AboutPage& about = form.Pages.PageAPropos;

    about.CBGarderCD.SetChecked(true);
    EXPECT_TRUE(form.Watcher.IsDriveShown(cd)) << "kept by option";
    form.Pages.PageUS.CBCD.SetChecked(false);
    EXPECT_FALSE(form.Watcher.IsDriveShown(cd));
    form.Pages.PageUS.CBCD.SetChecked(true);
    form.Pages.PageUS.ActiverUS.SetChecked(false);
    EXPECT_FALSE(form.Watcher.IsDriveShown(cd));
    form.Pages.PageUS.ActiverUS.SetChecked(true);
    EXPECT_EQ(DiskQueries(), 0);

    about.CBGarderCD.SetChecked(false);
    EXPECT_FALSE(form.Watcher.IsDriveShown(cd)) << "empty drive with its bare name";
    system.readableDisks.insert("E:\\");
    system.errorMode = 0x8000;
    EXPECT_TRUE(form.Watcher.IsDriveShown(cd));
    EXPECT_EQ(DiskQueries(), 2);
    EXPECT_EQ(system.calls.back(), "errormode 32768") << "the previous mode comes back";
    EXPECT_TRUE(std::count(system.calls.begin(), system.calls.end(), "disksize E:\\ mode 1"));
    system.readableDisks.clear();
    form.Watcher.IsDriveShown(cd);
    EXPECT_EQ(system.errorMode, 0x8000u) << "restored after a failed query too";

    FillIconData(cd, nullptr, 2, "AUDIO_CD (E:)", {});
    EXPECT_TRUE(form.Watcher.IsDriveShown(cd)) << "a disc's own name: no query";
    EXPECT_EQ(DiskQueries(), 3);
}

TEST_F(DrivesTest, DriveIconsComeFirstAndLastOnXp) {
    for (bool xp : {false, true}) {
        system = FakeSystem();
        system.modules["Shell32"] = {28};
        system.driveMask = 0b1100;  // C: and D:
        system.driveTypes = {{"C:\\", 3}, {"D:\\", 3}};
        system.shellFiles["C:\\"] = {};
        system.shellFiles["D:\\"] = {};
        system.version = xp ? SystemVersion{5, 1} : SystemVersion{10, 0};
        TConfigVossik& form = Start();
        AddEntry(form.Icons.Folders, TrayItemKind::Folder, "F0");
        AddEntry(form.Icons.Folders, TrayItemKind::Folder, "F1");
        AddEntry(form.Icons.Launches, TrayItemKind::Launch, "L0");
        system.calls.clear();
        form.Icons.RefreshTrayIcons();
        std::vector<std::string> expected{"add 0",   "add 1",    "add 100",
                                          "add 101", "add 1000", "add 10000"};
        if (xp) std::reverse(expected.begin(), expected.end());
        EXPECT_EQ(NotifyCalls(), expected);
        form.DestructionFiche();
    }
}
