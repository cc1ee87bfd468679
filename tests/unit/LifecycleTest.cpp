#include "support/MainFormFixture.h"

using LifecycleTest = MainFormFixture;

TEST_F(LifecycleTest, TaskbarCreatedPutsEveryIconBackInOrder) {
    WithSettingsFile();
    TConfigVossik& form = Start();
    form.Folders.push_back(MakeEntry(TrayItemKind::Folder, 100, "A"));
    form.Launches.push_back(MakeEntry(TrayItemKind::Launch, 1000, "B"));
    form.RefreshTrayIcons();
    system.calls.clear();

    bool passedOn = false;
    auto previous = [&passedOn] {
        passedOn = true;
        return std::intptr_t{42};
    };
    EXPECT_EQ(application->Dispatch({form.TaskbarCreatedMessage, 0, 0}, previous), 0);
    EXPECT_FALSE(passedOn);
    EXPECT_EQ(NotifyCalls(), (std::vector<std::string>{"delete 1000", "delete 100", "delete 10000",
                                                       "add 100", "add 1000", "add 10000"}));

    EXPECT_EQ(application->Dispatch({0x0010, 0, 0}, previous), 42);
    EXPECT_TRUE(passedOn) << "every other message reaches the window's previous procedure";
}

TEST_F(LifecycleTest, AddsFollowGroupOrderAndReverseOnXp) {
    for (bool xp : {false, true}) {
        system = FakeSystem();
        system.modules["Shell32"] = {28};
        system.version = xp ? SystemVersion{5, 1} : SystemVersion{6, 1};
        TConfigVossik& form = Start();
        form.Folders.push_back(MakeEntry(TrayItemKind::Folder, 100, "F0"));
        form.Folders.push_back(MakeEntry(TrayItemKind::Folder, 101, "F1"));
        form.Launches.push_back(MakeEntry(TrayItemKind::Launch, 1000, "L0"));
        form.RefreshTrayIcons();
        std::vector<std::string> expected{"add 100", "add 101", "add 1000", "add 10000"};
        if (xp) std::reverse(expected.begin(), expected.end());
        EXPECT_EQ(NotifyCalls(), expected) << (xp ? "XP" : "other");

        system.calls.clear();
        form.RefreshTrayIcons();
        EXPECT_TRUE(NotifyCalls().empty()) << "a second refresh sends nothing";

        form.PageRep.ActiverRep.SetChecked(false);
        form.RefreshTrayIcons();
        std::vector<std::string> removed{"delete 100", "delete 101"};
        if (xp) std::reverse(removed.begin(), removed.end());
        EXPECT_EQ(NotifyCalls(), removed) << "only the folder icons leave";
        form.DestructionFiche();
    }
}

TEST_F(LifecycleTest, RefusedAddsGiveOneBoxPerWantedIconInOrder) {
    TConfigVossik& form = Start();
    form.Folders.push_back(MakeEntry(TrayItemKind::Folder, 100, "F0"));
    auto missing = MakeEntry(TrayItemKind::Folder, 101, "Absent");
    missing->Missing = true;
    form.Folders.push_back(std::move(missing));
    system.notifyResult = [](NotifyCommand, const NotifyIconData&) { return false; };
    form.RefreshTrayIcons();
    ASSERT_EQ(system.boxes.size(), 2u);
    EXPECT_TRUE(system.boxes[0].Text.ends_with("\r\nF0"));
    EXPECT_TRUE(system.boxes[1].Text.ends_with("\r\nRedémarrer l'ordinateur"));
}

TEST_F(LifecycleTest, ReduireHidesOnlyWhenSomeIconShows) {
    TConfigVossik& form = Start();
    application->Run();
    form.PageEteindre.CBAfficherArreter.SetChecked(false);
    form.OkBtn.Click();
    EXPECT_TRUE(form.Showing()) << "no icon: the window stays";
    EXPECT_EQ(system.boxes.size(), 1u);

    form.PageEteindre.CBAfficherArreter.SetChecked(true);
    form.OkBtn.Click();
    EXPECT_FALSE(form.Showing());
    EXPECT_FALSE(application->TaskbarButtonShown());
    EXPECT_TRUE(form.ShutdownItem.Shown);
}

TEST_F(LifecycleTest, AppliquerKeepsTheWindowAndQuitterEndsTheProgram) {
    TConfigVossik& form = Start();
    application->Run();
    form.AppliquerBtn.Click();
    EXPECT_TRUE(form.Showing());
    EXPECT_TRUE(form.ShutdownItem.Shown);
    EXPECT_FALSE(backend.quitRequested);
    form.QuitterBtn.Click();
    EXPECT_TRUE(backend.quitRequested);
}

TEST_F(LifecycleTest, MenuImagesComeInOrderWithTheXpVariant) {
    TConfigVossik& form = Start();
    EXPECT_EQ(form.ImageList.Count(), 9);
    EXPECT_EQ(form.ImageList.Format(), ui::ImageFormat::Default);
    EXPECT_TRUE(form.MCRedemarrerWin.Visible);
    EXPECT_EQ(form.ImageList.Sources()[8], system.LoadOwnIcon("ZCOCHE"));
    // The loaded system pictures are copied and destroyed; only the shutdown icon lives on.
    EXPECT_EQ(system.liveIcons.size(), 1u);

    system = FakeSystem();
    system.version = {5, 1};
    system.modules["Shell32"] = {16, 22, 23, 28};
    TConfigVossik& xp = Start();
    EXPECT_EQ(xp.ImageList.Format(), ui::ImageFormat::Color32);
    EXPECT_FALSE(xp.MCRedemarrerWin.Visible);
    // Explorer.exe cannot be loaded: its image is left out with four boxes, the rest moves up.
    EXPECT_EQ(xp.ImageList.Count(), 8);
    EXPECT_EQ(system.boxes.size(), 4u);
}

TEST_F(LifecycleTest, ShutdownPageRulesFollowTheirBoxes) {
    TConfigVossik& form = Start();
    ShutdownPage& page = form.PageEteindre;
    EXPECT_FALSE(page.Heure.Enabled()) << "the schedule starts switched off";
    EXPECT_EQ(page.Heure.ItemIndex(), 0);
    page.CBEteindreAuto.SetChecked(true);
    EXPECT_TRUE(page.Heure.Enabled());
    EXPECT_TRUE(page.GroupePeriode.Enabled());
    page.CBConfirmationAuto.SetChecked(false);
    page.CBEteindreAuto.SetChecked(false);
    EXPECT_TRUE(page.CBConfirmationAuto.Checked()) << "confirmation is asked again";

    page.CBAfficherArreter.SetChecked(false);
    EXPECT_FALSE(page.RBEteindre.Enabled());
    EXPECT_FALSE(page.CBForcer.Enabled());
    page.CBAfficherArreter.SetChecked(true);
    EXPECT_TRUE(page.RBRedWin.Enabled());

    form.IsWindowsXP = true;
    form.CBAfficherArreterClick();
    EXPECT_FALSE(page.RBRedWin.Enabled()) << "never offered on XP";
    EXPECT_TRUE(page.RBLogOff.Enabled());
}
