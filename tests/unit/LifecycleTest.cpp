#include <algorithm>
#include <set>

#include "support/MainFormFixture.h"

using LifecycleTest = MainFormFixture;

TEST_F(LifecycleTest, TaskbarCreatedPutsEveryIconBackInOrder) {
    WithSettingsFile();
    TConfigVossik& form = Start();
    AddEntry(form.Icons.Folders, TrayItemKind::Folder, "A");
    AddEntry(form.Icons.Launches, TrayItemKind::Launch, "B");
    form.Icons.RefreshTrayIcons();
    system.calls.clear();

    bool passedOn = false;
    auto previous = [&passedOn] {
        passedOn = true;
        return std::intptr_t{42};
    };
    EXPECT_EQ(application->Dispatch({form.Tray.TaskbarCreatedMessage, 0, 0}, previous), 0);
    EXPECT_FALSE(passedOn);
    const std::vector<std::string> readd{"delete 1000", "delete 100", "delete 10000",
                                         "add 100",     "add 1000",   "add 10000"};
    EXPECT_TRUE(NotifyCalls().empty()) << "from the loop";
    DeliverPosted();
    EXPECT_EQ(NotifyCalls(), readd);

    // A burst, with the re-adding message posted by another program among it: once.
    system.calls.clear();
    for (int i = 0; i < 3; ++i) {
        application->Dispatch({form.Tray.TaskbarCreatedMessage, 0, 0}, previous);
        system.posted.push_front({msg::TaskbarReadd, 0, 0});
    }
    DeliverPosted();
    EXPECT_EQ(NotifyCalls(), readd);

    EXPECT_EQ(application->Dispatch({0x0010, 0, 0}, previous), 42);
    EXPECT_TRUE(passedOn) << "every other message reaches the window's previous procedure";
}

// Broadcast during one of our shell calls (here, in the middle of a removal's moves), the
// restart waits for the loop, and broadcasts that come meanwhile re-add nothing more.
TEST_F(LifecycleTest, ATaskbarRestartHeardInsideAShellCallWaitsAndReaddsOnce) {
    WithSettingsFile();
    TConfigVossik& form = Start();
    for (const char* name : {"A", "B", "C"})
        AddEntry(form.Icons.Folders, TrayItemKind::Folder, name);
    form.Icons.RefreshTrayIcons();
    int broadcasts = 0;
    system.refuse = [&](NotifyCommand, const NotifyIconData&) {
        if (broadcasts++ < 2) {
            system.EmptyTray();
            application->Dispatch({form.Tray.TaskbarCreatedMessage, 0, 0},
                                  [] { return std::intptr_t{0}; });
        }
        return false;
    };
    form.Icons.RemoveItem(form.Icons.Folders, 0);
    system.refuse = nullptr;
    ASSERT_EQ(
        std::ranges::count_if(system.posted, [](auto& m) { return m.Msg == msg::TaskbarReadd; }),
        1);
    DeliverPosted();
    using Tray = std::map<std::uint32_t, std::string>;
    EXPECT_EQ(system.trayTips, (Tray{{100, "B"}, {101, "C"}, {10000, "Redémarrer l'ordinateur"}}));
    EXPECT_TRUE(system.boxes.empty());
}

TEST_F(LifecycleTest, AddsFollowGroupOrderAndReverseOnXp) {
    for (bool xp : {false, true}) {
        system = FakeSystem();
        system.modules["Shell32"] = {28};
        system.version = xp ? SystemVersion{5, 1} : SystemVersion{6, 1};
        TConfigVossik& form = Start();
        AddEntry(form.Icons.Folders, TrayItemKind::Folder, "F0");
        AddEntry(form.Icons.Folders, TrayItemKind::Folder, "F1");
        AddEntry(form.Icons.Launches, TrayItemKind::Launch, "L0");
        form.Icons.RefreshTrayIcons();
        std::vector<std::string> expected{"add 100", "add 101", "add 1000", "add 10000"};
        if (xp) std::reverse(expected.begin(), expected.end());
        EXPECT_EQ(NotifyCalls(), expected) << (xp ? "XP" : "other");

        system.calls.clear();
        form.Icons.RefreshTrayIcons();
        EXPECT_TRUE(NotifyCalls().empty()) << "a second refresh sends nothing";

        form.Pages.PageRep.ActiverRep.SetChecked(false);
        form.Icons.RefreshTrayIcons();
        std::vector<std::string> removed{"delete 100", "delete 101"};
        if (xp) std::reverse(removed.begin(), removed.end());
        EXPECT_EQ(NotifyCalls(), removed) << "only the folder icons leave";
        form.DestructionFiche();
    }
}

TEST_F(LifecycleTest, RefusedAddsGiveOneBoxPerRefreshAndNoneBeforeTheTaskbarIsThere) {
    TConfigVossik& form = Start();
    AddEntry(form.Icons.Folders, TrayItemKind::Folder, "F0");
    AddEntry(form.Icons.Folders, TrayItemKind::Folder, "Absent").Missing = true;
    system.notifyResult = [](NotifyCommand, const NotifyIconData&) { return false; };
    form.Icons.RefreshTrayIcons();
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].Text,
              "La création de l'icône dans la barre de notification a échoué\r\nF0\r\n"
              "Redémarrer l'ordinateur");
    system.notifyResult = nullptr;

    // A start at logon, before the taskbar: the icons wait for it, without a word.
    WithSettingsFile();
    system.taskbarPresent = false;
    system.boxes.clear();
    TConfigVossik& atLogon = Start();
    EXPECT_TRUE(atLogon.StartsInTray());
    EXPECT_TRUE(system.boxes.empty());
    system.taskbarPresent = true;
    application->Dispatch({atLogon.Tray.TaskbarCreatedMessage, 0, 0},
                          [] { return std::intptr_t{0}; });
    DeliverPosted();
    EXPECT_TRUE(system.trayTips.contains(10000));
}

TEST_F(LifecycleTest, ReduireHidesOnlyWhenSomeIconShows) {
    TConfigVossik& form = Start();
    application->Run();
    form.Pages.PageEteindre.CBAfficherArreter.SetChecked(false);
    form.OkBtn.Click();
    EXPECT_TRUE(form.Showing()) << "no icon: the window stays";
    EXPECT_EQ(system.boxes.size(), 1u);

    form.Pages.PageEteindre.CBAfficherArreter.SetChecked(true);
    form.OkBtn.Click();
    EXPECT_FALSE(form.Showing());
    EXPECT_FALSE(application->TaskbarButtonShown());
    EXPECT_TRUE(form.Icons.ShutdownItem.Shown);
}

TEST_F(LifecycleTest, AppliquerKeepsTheWindowAndQuitterEndsTheProgram) {
    TConfigVossik& form = Start();
    application->Run();
    form.AppliquerBtn.Click();
    EXPECT_TRUE(form.Showing());
    EXPECT_TRUE(form.Icons.ShutdownItem.Shown);
    EXPECT_FALSE(backend.quitRequested);
    form.QuitterBtn.Click();
    EXPECT_TRUE(backend.quitRequested);
}

TEST_F(LifecycleTest, MenuImagesAreNineWithoutABoxOurOwnStandingInForWhatTheSystemLacks) {
    system.modules = {{"Shell32", {16, 22, 28}}};  // no search picture, no Explorer.exe
    EXPECT_EQ(Start().Menu.ImageList.Count(), 9);
    auto loaded = [this](const std::string& name) {
        return std::ranges::count(system.calls, "loadicon " + name + " 16x16");
    };
    EXPECT_EQ(loaded("MAINICON"), 2) << "for explore and search";
    for (const char* own : {"ZCONFIG", "ZREPETER", "ZQUITTER", "ZCOCHE"})
        EXPECT_EQ(loaded(own), 1) << own;
    form.reset();
    EXPECT_TRUE(system.boxes.empty());
    EXPECT_TRUE(system.liveIcons.empty()) << "the loaded pictures are copied, then destroyed";
}

TEST_F(LifecycleTest, ShutdownPageRulesFollowTheirBoxes) {
    TConfigVossik& form = Start();
    ShutdownPage& page = form.Pages.PageEteindre;
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
    EXPECT_TRUE(page.RBLogOff.Enabled());
    EXPECT_FALSE(page.RBRedWin.Enabled()) << "restarting Windows alone is never offered";
}

// On Windows 7 and later the shell keeps the user's choice for each icon by its identity: each
// entry keeps its own wherever it moves, at every start, and whatever drive came before it.
TEST_F(LifecycleTest, EachIconKeepsItsIdentityWhereverItsEntryGoes) {
    for (const char* root : {"C:\\", "E:\\", "F:\\"}) {
        system.driveTypes[root] = root[0] == 'E' ? 2 : 3;
        system.shellFiles[root] = {};
    }
    for (const char* path : {"C:\\A", "C:\\B", "C:\\x.exe"}) system.shellFiles[path] = {};
    system.driveMask = 0b100100;  // C: and F:
    WithSettingsFile(
        "[Dossiers]\r\nNombre=4\r\nRep0=C:\\A\r\nRep1=C:\\B\r\nRep2=C:\\A\r\nRep3=C:\\A\r\n"
        "[Lancement Rapide]\r\nNombre=2\r\nRep0=C:\\x.exe\r\nRep1=C:\\x.exe\r\nOpt1=/p\r\n");
    // The identity of each shown icon, by what its record stands for; the n-th record of the
    // same path and parameters counts n marks.
    auto identities = [this] {
        std::map<std::string, Guid> shown;
        auto take = [&](const TrayItem& item) {
            std::string what = item.Path + item.Options + item.Name;
            while (shown.contains(what)) what += "'";
            if (item.Shown) shown[what] = system.trayGuids.at(item.IconData.uID);
        };
        for (const TrayItemList* list :
             {&form->Icons.Drives, &form->Icons.Folders, &form->Icons.Launches})
            for (const auto& item : *list) take(*item);
        take(form->Icons.ShutdownItem);
        return shown;
    };
    Start();
    const std::map<std::string, Guid> first = identities();
    ASSERT_EQ(first.size(), 9u);
    std::set<Guid> distinct;
    for (const auto& [what, guid] : first) distinct.insert(guid);
    EXPECT_EQ(distinct.size(), first.size()) << "each entry its own";
    EXPECT_FALSE(distinct.contains(Guid{})) << "none goes without";
    for (const FakeSystem::Notification& sent : system.notifications)
        EXPECT_EQ(sent.Data.cbSize, nif::FullLayoutSize);

    // The first "C:\A" and "C:\B" leave: the others keep theirs, the second "C:\A" now taking
    // the first's, as it would at the next start.
    auto without = [&](std::map<std::string, Guid> kept, std::vector<std::string> gone) {
        for (const std::string& what : gone) kept.erase(what);
        return kept;
    };
    form->Icons.RemoveItem(form->Icons.Folders, 1);
    form->Icons.RemoveItem(form->Icons.Folders, 0);
    EXPECT_EQ(identities(), without(first, {"C:\\B", "C:\\A''"}));
    form->Icons.SwapItems(form->Icons.Launches, 0, 1);
    EXPECT_EQ(identities(), without(first, {"C:\\B", "C:\\A''"}));
    EXPECT_EQ(form->Icons.Launches[0]->IconData.uID, 1000u) << "ids stay with positions";
    // After a regrouping, an entry edited into another path takes that path's identity, and the
    // next one its new rank's.
    form->Icons.Reorganise();
    form->Icons.Folders[0]->Path = "C:\\B";
    form->Icons.ChangeEntry(form->Icons.Folders, 0, {}, "B", true);
    EXPECT_EQ(identities(), without(first, {"C:\\A'", "C:\\A''"}));

    // A start with a stick plugged in before: E: comes between C: and F: in the list.
    system.driveMask = 0b110100;
    system.EmptyTray();
    Start();
    std::map<std::string, Guid> withStick = identities();
    ASSERT_TRUE(withStick.contains("E:\\"));
    EXPECT_FALSE(distinct.contains(withStick["E:\\"]));
    EXPECT_EQ(without(withStick, {"E:\\"}), first);

    // Identities the shell keeps for another path: each icon goes once more without one, and
    // is known by its id from then on. (The previous start's deletes come first.)
    auto adds = [this] {
        std::vector<NotifyIconData> sent;
        for (const FakeSystem::Notification& each : system.notifications)
            if (each.Command == NotifyCommand::Add) sent.push_back(each.Data);
        return sent;
    };
    for (auto& [guid, path] : system.registeredGuids) path = "D:\\Vossik.exe";
    system.EmptyTray();
    system.notifications.clear();
    Start();
    EXPECT_EQ(adds().size(), 2 * withStick.size());
    EXPECT_EQ(identities().size(), withStick.size());
    EXPECT_TRUE(system.boxes.empty());
    system.notifications.clear();
    form->Icons.Reorganise();
    EXPECT_EQ(system.notifications.size(), 2 * withStick.size()) << "a delete and an add each";
    for (const FakeSystem::Notification& sent : system.notifications)
        EXPECT_FALSE(sent.Data.uFlags & nif::GuidItem);

    // Before Windows 7: the first layout, without identities.
    system.version = {6, 0};
    system.EmptyTray();
    system.notifications.clear();
    Start();
    EXPECT_EQ(adds().size(), withStick.size());
    for (const NotifyIconData& sent : adds()) {
        EXPECT_EQ(sent.cbSize, nif::FirstLayoutSize);
        EXPECT_FALSE(sent.uFlags & nif::GuidItem);
    }
}
