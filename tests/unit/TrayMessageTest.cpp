#include <set>

#include "support/MainFormFixture.h"
#include "tray/Opening.h"
#include "tray/TrayIcon.h"

namespace {

class TrayMessageTest : public MainFormFixture {
protected:
    TConfigVossik& StartWithEntries() {
        system.driveMask = 0b100;  // C:
        system.driveTypes = {{"C:\\", 3}};
        system.shellFiles["C:\\"] = {.DisplayName = "Disque local (C:)"};
        TConfigVossik& form = Start();
        AddEntry(form.Icons.Folders, TrayItemKind::Folder, "Docs").Path = "C:\\Docs";
        form.Pages.PageRep.ListeRep.AddItem("C:\\Docs");
        AddEntry(form.Icons.Launches, TrayItemKind::Launch, "Notes").Path = "C:\\notes.txt";
        form.Pages.PageApp.ListeFich.AddItem("Notes (C:\\notes.txt )");
        system.calls.clear();
        return form;
    }

    void Send(std::uint32_t id, unsigned mouse) {
        form->OnMessage({msg::TrayCallback, id, static_cast<std::intptr_t>(mouse)},
                        [] { return std::intptr_t{0}; });
    }

    std::vector<std::string> Starts() const {
        std::vector<std::string> starts;
        for (const std::string& call : system.calls)
            if (call.starts_with("winexec") || call.starts_with("shellexecute"))
                starts.push_back(call);
        return starts;
    }
};

}  // namespace

// The messages the program sends itself lie where Windows leaves a window class its own
// (WM_USER to 0x7FFF), one number each: no message of the system's, WM_NULL included, is taken
// for one of them.
TEST(OwnMessages, LieInThePrivateRangeOneNumberEach) {
    const std::set<unsigned> own = {msg::TrayCallback,  msg::TaskbarReadd, msg::ScheduleCheck,
                                    msg::UnitMaskError, msg::StartedAgain, msg::IconSizeCheck,
                                    msg::ReachCheck};
    EXPECT_EQ(own.size(), 7u);
    for (unsigned message : own) EXPECT_TRUE(message >= 0x0400 && message < 0x8000) << message;
}

// The file manager of the Windows folder, never one found by name beside the program.
TEST_F(TrayMessageTest, TheFourExplorerCommandLines) {
    FakeSystem fake;
    OpenInExplorer(fake, "C:\\", false, false);
    OpenInExplorer(fake, "C:\\", true, false);
    OpenInExplorer(fake, "D:\\Photos", false, true);
    fake.windowsFolder = "D:\\";
    OpenInExplorer(fake, "D:\\Photos", true, true);
    fake.windowsFolder = "";
    OpenInExplorer(fake, "C:\\", false, false);
    EXPECT_EQ(fake.calls,
              (std::vector<std::string>{"winexec \"C:\\Windows\\EXPLORER.EXE\" C:\\ 1",
                                        "winexec \"C:\\Windows\\EXPLORER.EXE\" /e,C:\\ 1",
                                        "winexec \"C:\\Windows\\EXPLORER.EXE\" /root,D:\\Photos 1",
                                        "winexec \"D:\\EXPLORER.EXE\" /e,/root,D:\\Photos 1"}));
}

TEST_F(TrayMessageTest, SingleClickModeOpensOnThePressAndDoubleClickModeOnlyOnTheDoubleClick) {
    TConfigVossik& form = StartWithEntries();
    Send(0, msg::LButtonDown);
    Send(0, msg::LButtonUp);
    Send(0, msg::LButtonDblClk);
    EXPECT_EQ(Starts(),
              (std::vector<std::string>{"winexec \"C:\\Windows\\EXPLORER.EXE\" /e,C:\\ 1"}))
        << "a double click opens once, on its first press";

    system.calls.clear();
    form.Pages.PageAPropos.RBDoubleClick.SetChecked(true);
    form.Pages.PageRep.CBRacineRep.SetChecked(true);
    Send(100, msg::LButtonDown);
    EXPECT_TRUE(Starts().empty());
    Send(100, msg::LButtonDblClk);
    Send(1000, msg::LButtonDblClk);
    EXPECT_EQ(Starts(),
              (std::vector<std::string>{"winexec \"C:\\Windows\\EXPLORER.EXE\" /e,/root,C:\\Docs 1",
                                        "shellexecute open [C:\\notes.txt] [] [] 1"}))
        << "folders open with their own page's options; empty parameters stay a string";
}

TEST_F(TrayMessageTest, APositionPastTheEndShowsTheStopBoxAndOpensNothing) {
    StartWithEntries();
    Send(101, msg::LButtonDown);
    Send(1005, msg::LButtonDown);
    EXPECT_TRUE(Starts().empty());
    ASSERT_EQ(system.boxes.size(), 2u);
    EXPECT_EQ(system.boxes[0].Text, "Indice de liste hors limites (1)");
    EXPECT_EQ(system.boxes[0].Title, "Vossik'");
    EXPECT_EQ(system.boxes[1].Text, "Indice de liste hors limites (5)");
    Send(0, msg::LButtonDown);
    EXPECT_EQ(Starts().size(), 1u) << "the program goes on";
}

TEST_F(TrayMessageTest, RightPressShowsTheMenuOnlyWhileHidden) {
    TConfigVossik& form = StartWithEntries();
    Send(100, msg::RButtonDown);
    ASSERT_EQ(backend.popupsShown.size(), 1u);
    EXPECT_EQ(backend.popupsShown[0].Menu, &form.Menu.MenuContext);
    EXPECT_EQ(backend.popupsShown[0].At.X, 100);
    EXPECT_EQ(backend.popupsShown[0].At.Y, 200);
    EXPECT_EQ(form.Menu.Clicked(), (IconPosition{TrayGroup::GroupFolder, 0}));
    EXPECT_EQ(system.calls.back(), "sendmessage 0 0 0") << "WM_NULL after the menu";

    Send(10000, msg::RButtonDown);
    EXPECT_EQ(form.Menu.Clicked(), (IconPosition{TrayGroup::GroupShutdown, 10000}));

    // Presses that come while the menu is open (its loop serves the queue) open no other.
    backend.onPopup = [this](ui::PopupMenu&) {
        for (int i = 0; i < 2000; ++i) Send(100 + i % 2, msg::RButtonDown);
    };
    Send(1000, msg::RButtonDown);
    EXPECT_EQ(backend.popupsShown.size(), 3u);
    EXPECT_EQ(backend.MostNestedOfOneKind(), 1);
    EXPECT_EQ(form.Menu.Clicked(), (IconPosition{TrayGroup::GroupLaunch, 0}));
    backend.onPopup = nullptr;

    form.Show();
    Send(100, msg::RButtonDown);
    EXPECT_EQ(backend.popupsShown.size(), 3u) << "no menu over the open window";
}

// Shell_NotifyIcon lets messages sent to us in while the shell works: a menu opened there would
// run the queued drive updates halfway through a move of the icons.
TEST_F(TrayMessageTest, APressThatArrivesDuringTheShellsCallIsHandledAfterIt) {
    TConfigVossik& form = StartWithEntries();
    std::size_t menusDuringCall = 1;
    bool pressed = false;
    system.notifyResult = [&](NotifyCommand, const NotifyIconData&) {
        if (!pressed) {
            pressed = true;
            Send(100, msg::RButtonDown);
            menusDuringCall = backend.popupsShown.size();
        }
        return true;
    };
    TrayItem& folder = *form.Icons.Folders[0];
    RemoveTrayIcon(form.Icons.Area(), folder);
    AddTrayIcon(form.Icons.Area(), folder);
    system.notifyResult = nullptr;
    ASSERT_TRUE(pressed);
    EXPECT_EQ(menusDuringCall, 0u);
    ASSERT_EQ(system.posted.size(), 1u);
    WindowMessage later = system.posted.front();
    EXPECT_EQ(later.Msg, msg::TrayCallback);
    form.OnMessage(later, [] { return std::intptr_t{0}; });
    EXPECT_EQ(backend.popupsShown.size(), 1u);
    EXPECT_EQ(form.Menu.Clicked(), (IconPosition{TrayGroup::GroupFolder, 0}));
}

TEST_F(TrayMessageTest, RightDoubleClickOpensTheWindowAtTheEntry) {
    TConfigVossik& form = StartWithEntries();
    Send(1000, msg::RButtonDown);
    Send(1000, msg::RButtonDblClk);
    EXPECT_TRUE(form.Showing());
    EXPECT_EQ(backend.menusClosed, 1) << "the menu of the first press goes";
    EXPECT_EQ(form.Pages.Onglets.ActivePage(), &form.Pages.PageApp);
    EXPECT_EQ(form.Pages.PageApp.ListeFich.ItemIndex(), 0);
    EXPECT_TRUE(form.Pages.PageApp.EnleverExeBtn.Enabled());

    Send(100, msg::RButtonDblClk);
    EXPECT_EQ(form.Pages.Onglets.ActivePage(), &form.Pages.PageRep);
    EXPECT_EQ(form.Pages.PageRep.ListeRep.ItemIndex(), 0);
    EXPECT_EQ(form.Pages.PageRep.NomRep.Caption(), "Docs");
    Send(3, msg::RButtonDblClk);
    EXPECT_EQ(form.Pages.Onglets.ActivePage(), &form.Pages.PageUS);
    Send(10000, msg::RButtonDblClk);
    EXPECT_EQ(form.Pages.Onglets.ActivePage(), &form.Pages.PageEteindre);
}

TEST_F(TrayMessageTest, VersionButtonOpensTheProductPage) {
    TConfigVossik& form = StartWithEntries();
    form.Pages.PageAPropos.VersionBtn.Click();
    EXPECT_EQ(Starts(),
              (std::vector<std::string>{"shellexecute open [http://vossik.example.org/] [] [] 1"}));
}
