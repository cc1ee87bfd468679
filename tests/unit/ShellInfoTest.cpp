#include <gtest/gtest.h>

#include "support/FakeSystem.h"
#include "tray/ShellInfo.h"

TEST(GetDisplayNameAndIcon, FillsTheNameOnlyOnSuccessAndReportsOnlyWhenAsked) {
    FakeSystem system;
    system.shellFiles["C:\\"] = {nullptr, "Disque local (C:)"};
    std::string name = "avant";
    EXPECT_TRUE(GetDisplayNameAndIcon(system, "C:\\", name, false));
    EXPECT_EQ(name, "Disque local (C:)");
    EXPECT_EQ(system.calls[0], "fileinfo C:\\ 769") << "icon + display name + small icon";

    name = "avant";
    EXPECT_FALSE(GetDisplayNameAndIcon(system, "Z:\\absent", name, false));
    EXPECT_EQ(name, "avant");
    EXPECT_TRUE(system.boxes.empty());

    EXPECT_FALSE(GetDisplayNameAndIcon(system, "Z:\\absent", name, true));
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].Text,
              "Erreur : ne peut retrouver le nom du fichier et/ou son icone.");
    EXPECT_EQ(system.boxes[0].Title, "Erreur");
}

TEST(GetSmallIcon, AlwaysReportsFailure) {
    FakeSystem system;
    system.shellFiles["C:\\x.txt"] = {};
    EXPECT_TRUE(GetSmallIcon(system, L"C:\\x.txt"));
    EXPECT_EQ(system.calls[0], "fileinfo C:\\x.txt 257");
    EXPECT_FALSE(GetSmallIcon(system, L"C:\\y.txt"));
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].Text, "Erreur : ne peut retourver l'icone du fichier.");
}

TEST(LoadModuleIcon, LoadsTheSmallImageOfTheGroup) {
    FakeSystem system;
    system.modules["Shell32"] = {28};
    OwnedIcon icon = LoadModuleIcon(system, "Shell32", 28);
    EXPECT_TRUE(icon);
    EXPECT_TRUE(system.boxes.empty());
    EXPECT_EQ(system.calls, (std::vector<std::string>{
                                "loadlibrary Shell32", "findresource 28 group", "loadresource",
                                "findresource 528 icon", "loadresource", "createicon 744 16x16"}));
}

TEST(LoadModuleIcon, FailuresCascadeOnTheNullHandleWithOneBoxPerReportedStep) {
    FakeSystem system;
    system.modules["Shell32"] = {28};
    EXPECT_FALSE(FindModuleIcon(system, "Shell32", 99));
    EXPECT_TRUE(system.boxes.empty()) << "the silent variant";
    EXPECT_FALSE(LoadModuleIcon(system, "Shell32", 99));
    ASSERT_EQ(system.boxes.size(), 3u);
    EXPECT_EQ(system.boxes[0].Text, "Erreur de n° d'icone (FindResource n°1813)");
    EXPECT_EQ(system.boxes[1].Text, "Erreur de chargement d'icone (LoadResource n°87)");
    EXPECT_EQ(system.boxes[2].Text, "Erreur de chargement d'icone (LoadResource 2 n°87)");

    FakeSystem noModule;
    EXPECT_FALSE(LoadModuleIcon(noModule, "Absent.dll", 1));
    ASSERT_EQ(noModule.boxes.size(), 4u);
    EXPECT_EQ(noModule.boxes[0].Text, "Erreur de nom de fichier (LoadLibrary n°126)");
    EXPECT_EQ(noModule.boxes[0].Title, "Erreur");
    EXPECT_TRUE(noModule.liveIcons.empty());
}
