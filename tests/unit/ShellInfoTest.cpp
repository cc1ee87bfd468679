#include <gtest/gtest.h>

#include "support/FakeSystem.h"
#include "tray/ShellInfo.h"
#include "ui/headless/HeadlessBackend.h"

TEST(GetDisplayNameAndIcon, FillsTheNameOnlyOnSuccessAndReportsOnlyWhenAsked) {
    FakeSystem system;
    system.shellFiles["C:\\"] = {nullptr, "Disque local (C:)"};
    std::string name = "avant";
    IconHandle icon = GetDisplayNameAndIcon(system, "C:\\", name, false);
    EXPECT_NE(icon, nullptr);
    EXPECT_EQ(name, "Disque local (C:)");
    EXPECT_EQ(system.calls[0], "fileinfo C:\\ 769") << "icon + display name + small icon";

    name = "avant";
    EXPECT_EQ(GetDisplayNameAndIcon(system, "Z:\\absent", name, false), nullptr);
    EXPECT_EQ(name, "avant");
    EXPECT_TRUE(system.boxes.empty());

    EXPECT_EQ(GetDisplayNameAndIcon(system, "Z:\\absent", name, true), nullptr);
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].Text,
              "Erreur : ne peut retrouver le nom du fichier et/ou son icone.");
    EXPECT_EQ(system.boxes[0].Title, "Erreur");
}

TEST(GetSmallIcon, AlwaysReportsFailure) {
    FakeSystem system;
    system.shellFiles["C:\\x.txt"] = {};
    EXPECT_NE(GetSmallIcon(system, "C:\\x.txt"), nullptr);
    EXPECT_EQ(system.calls[0], "fileinfo C:\\x.txt 257");
    EXPECT_EQ(GetSmallIcon(system, "C:\\y.txt"), nullptr);
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].Text, "Erreur : ne peut retourver l'icone du fichier.");
}

TEST(LoadModuleIcon, LoadsTheSmallImageOfTheGroup) {
    FakeSystem system;
    system.modules["Shell32"] = {28};
    IconHandle icon = LoadModuleIcon(system, "Shell32", 28);
    EXPECT_NE(icon, nullptr);
    EXPECT_TRUE(system.boxes.empty());
    EXPECT_EQ(system.calls, (std::vector<std::string>{
                                "loadlibrary Shell32", "findresource 28 group", "loadresource",
                                "findresource 528 icon", "loadresource", "createicon 744 16x16"}));
}

TEST(LoadModuleIcon, FailuresCascadeOnTheNullHandleWithOneBoxPerReportedStep) {
    FakeSystem system;
    system.modules["Shell32"] = {28};
    EXPECT_EQ(LoadModuleIcon(system, "Shell32", 99), nullptr);
    ASSERT_EQ(system.boxes.size(), 3u);
    EXPECT_EQ(system.boxes[0].Text, "Erreur de n° d'icone (FindResource n°1813)");
    EXPECT_EQ(system.boxes[1].Text, "Erreur de chargement d'icone (LoadResource n°87)");
    EXPECT_EQ(system.boxes[2].Text, "Erreur de chargement d'icone (LoadResource 2 n°87)");

    FakeSystem noModule;
    EXPECT_EQ(LoadModuleIcon(noModule, "Absent.dll", 1), nullptr);
    ASSERT_EQ(noModule.boxes.size(), 4u);
    EXPECT_EQ(noModule.boxes[0].Text, "Erreur de nom de fichier (LoadLibrary n°126)");
    EXPECT_EQ(noModule.boxes[0].Title, "Erreur");
    EXPECT_TRUE(noModule.liveIcons.empty());
}

TEST(AddModuleIcon, AppendsACopyAndDestroysTheLoadedIcon) {
    FakeSystem system;
    system.modules["Shell32"] = {16};
    ui::HeadlessBackend backend;
    ui::SetBackend(backend);
    ui::ImageList list;
    AddModuleIcon(system, list, "Shell32", 16);
    AddModuleIcon(system, list, "Shell32", 17);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_TRUE(system.liveIcons.empty());
    EXPECT_EQ(system.faultyDestroys, 0);
}
