#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "support/FakeSystem.h"
#include "support/MainFormFixture.h"
#include "tray/ShellInfo.h"

TEST(GetDisplayNameAndIcon, FillsTheNameOnlyOnSuccessAndReportsOnlyWhenAsked) {
    FakeSystem system;
    IconCache pictures(system);
    system.shellFiles["C:\\"] = {.DisplayName = "Disque local (C:)"};
    std::string name = "avant";
    SharedIcon icon = GetDisplayNameAndIcon(system, pictures, "C:\\", name, false);
    EXPECT_TRUE(icon);
    EXPECT_EQ(name, "Disque local (C:)");
    EXPECT_EQ(system.calls,
              (std::vector<std::string>{"fileinfo C:\\ 4608", "extracticon C:\\,0 16x16"}))
        << "the icon's file and the display name, then the icon at the small size";
    // Read afresh, the file gives its picture of now, which later shares take; the former one
    // lives on with its own shares only.
    SharedIcon fresh =
        GetDisplayNameAndIcon(system, pictures, "C:\\", name, false, PictureRead::Afresh);
    EXPECT_NE(fresh.Get(), icon.Get());
    EXPECT_EQ(GetDisplayNameAndIcon(system, pictures, "C:\\", name, false).Get(), fresh.Get());
    icon = {};
    EXPECT_EQ(system.liveIcons, std::set<IconHandle>{fresh.Get()});

    name = "avant";
    EXPECT_FALSE(GetDisplayNameAndIcon(system, pictures, "Z:\\absent", name, false));
    EXPECT_EQ(name, "avant");
    EXPECT_TRUE(system.boxes.empty());

    EXPECT_FALSE(GetDisplayNameAndIcon(system, pictures, "Z:\\absent", name, true));
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].Text,
              "Erreur : ne peut retrouver le nom du fichier et/ou son icone.");
    EXPECT_EQ(system.boxes[0].Title, "Erreur");
}

TEST(GetSmallIcon, AlwaysReportsFailureAndFallsBackOnTheShellsOwnPicture) {
    FakeSystem system;
    IconCache pictures(system);
    system.shellFiles["C:\\x.txt"] = {.IconFile = L"C:\\handler.dll"};
    system.filesWithoutIcons.insert(L"C:\\handler.dll");
    SharedIcon icon = GetSmallIcon(system, pictures, L"C:\\x.txt");
    EXPECT_TRUE(icon);
    EXPECT_EQ(system.calls, (std::vector<std::string>{"fileinfo C:\\x.txt 4096",
                                                      "extracticon C:\\handler.dll,0 16x16",
                                                      "fileinfo C:\\x.txt 257"}));
    EXPECT_FALSE(GetSmallIcon(system, pictures, L"C:\\y.txt"));
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].Text, "Erreur : ne peut retourver l'icone du fichier.");
}

TEST(LoadModuleIcon, LoadsTheSmallImageOfTheGroup) {
    FakeSystem system;
    system.smallIconSize = 24;
    IconCache pictures(system);
    system.modules["Shell32"] = {28};
    SharedIcon icon = LoadModuleIcon(system, pictures, "Shell32", 28);
    EXPECT_TRUE(icon);
    EXPECT_TRUE(system.boxes.empty());
    EXPECT_EQ(system.calls, (std::vector<std::string>{
                                "loadlibrary Shell32", "findresource 28 group", "loadresource",
                                "findresource 528 icon", "loadresource", "createicon 744 24x24"}));
}

TEST(LoadModuleIcon, FailuresCascadeOnTheNullHandleWithOneBoxPerReportedStep) {
    FakeSystem system;
    IconCache pictures(system);
    system.modules["Shell32"] = {28};
    EXPECT_FALSE(FindModuleIcon(pictures, "Shell32", 99));
    EXPECT_TRUE(system.boxes.empty()) << "the silent variant";
    EXPECT_FALSE(LoadModuleIcon(system, pictures, "Shell32", 99));
    ASSERT_EQ(system.boxes.size(), 3u);
    EXPECT_EQ(system.boxes[0].Text, "Erreur de n° d'icone (FindResource n°1813)");
    EXPECT_EQ(system.boxes[1].Text, "Erreur de chargement d'icone (LoadResource n°87)");
    EXPECT_EQ(system.boxes[2].Text, "Erreur de chargement d'icone (LoadResource 2 n°87)");

    FakeSystem noModule;
    IconCache none(noModule);
    EXPECT_FALSE(LoadModuleIcon(noModule, none, "Absent.dll", 1));
    ASSERT_EQ(noModule.boxes.size(), 4u);
    EXPECT_EQ(noModule.boxes[0].Text, "Erreur de nom de fichier (LoadLibrary n°126)");
    EXPECT_EQ(noModule.boxes[0].Title, "Erreur");
    EXPECT_TRUE(noModule.liveIcons.empty());
}

namespace {

class IconSharingTest : public MainFormFixture {};

}  // namespace

// The most the lists hold, of three files: every folder shows the shell's folder picture, every
// document its program's, every entry of the program that program's own. A few pictures stand
// for all, far below the system's quota of ten thousand objects; and a change of scale fetches
// each again at the new size and changes every icon in place.
TEST_F(IconSharingTest, ThousandsOfEntriesOfThreeFilesHoldAFewIconsThatFollowTheScale) {
    std::string settings = "[Dossiers]\r\nNombre=900\r\n";
    for (int n = 0; n < 900; ++n) {
        const std::string folder = "C:\\Dossier" + std::to_string(n);
        system.shellFiles[folder] = {.IconFile = L"C:\\windows\\system32\\shell32.dll",
                                     .IconIndex = 3};
        settings +=
            "Rep" + std::to_string(n) + "=" + folder + "\r\nRac" + std::to_string(n) + "=D\r\n";
    }
    settings += "[Lancement Rapide]\r\nNombre=9000\r\n";
    system.shellFiles["C:\\app.exe"] = {};
    for (int n = 0; n < 9000; ++n) {
        const std::string document = "C:\\note" + std::to_string(n) + ".txt";
        system.shellFiles[document] = {.IconFile = L"C:\\windows\\notepad.exe"};
        settings += "Rep" + std::to_string(n) + "=" + (n % 2 ? document : "C:\\app.exe") +
                    "\r\nRac" + std::to_string(n) + "=E\r\n";
    }
    WithSettingsFile(settings);
    TConfigVossik& form = Start();
    ASSERT_TRUE(form.StartsInTray());
    ASSERT_EQ(system.trayTips.size(), 9901u) << "the entries and the shutdown icon";
    EXPECT_LE(system.liveIcons.size(), 4u) << "three pictures and the shutdown icon's";

    system.calls.clear();
    system.smallIconSize = 24;
    application->Dispatch({msg::SettingChange, msg::IconMetricsSetting, 0},
                          [] { return std::intptr_t{0}; });
    EXPECT_EQ(system.calls,
              (std::vector<std::string>{"post " + std::to_string(msg::IconSizeCheck) + " 0 0"}))
        << "the change is looked at from the loop";
    while (!system.posted.empty()) {
        form.OnMessage(system.posted.front(), [] { return std::intptr_t{0}; });
        system.posted.pop_front();
    }
    const std::vector<std::string> notified = NotifyCalls();
    EXPECT_EQ(std::ranges::count_if(notified, [](auto& c) { return c.starts_with("modify "); }),
              9901)
        << "every icon changed in place, none removed or added again";
    EXPECT_EQ(notified.size(), 9901u);
    EXPECT_EQ(std::ranges::count_if(system.calls, [](auto& c) { return c.ends_with(" 24x24"); }),
              12)
        << "each of the four pictures fetched once, and the menu's eight others";
    EXPECT_LE(system.liveIcons.size(), 4u) << "the previous pictures are destroyed";
    for (const auto& [id, picture] : system.trayPictures)
        EXPECT_EQ(system.iconWidths[picture], 24) << "icon " << id;

    system.calls.clear();
    form.OnMessage({msg::DpiChanged, 0, 0}, [] { return std::intptr_t{0}; });
    EXPECT_EQ(system.calls,
              (std::vector<std::string>{"post " + std::to_string(msg::IconSizeCheck) + " 0 0"}))
        << "the window moved to a monitor of another scale: looked at from the loop too";

    system.calls.clear();
    application->Dispatch({msg::SettingChange, 0, 0}, [] { return std::intptr_t{0}; });
    form.OnMessage({msg::IconSizeCheck, 0, 0}, [] { return std::intptr_t{0}; });
    EXPECT_TRUE(system.calls.empty()) << "another setting, or the same size: nothing to do";
}
