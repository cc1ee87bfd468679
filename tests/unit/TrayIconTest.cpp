#include <gtest/gtest.h>

#include <cstring>

#include "support/FakeSystem.h"
#include "tray/TrayIcon.h"
#include "types/Messages.h"

namespace {

const auto Window = reinterpret_cast<WindowHandle>(0x1234);

TrayItem MakeItem(FakeSystem& system, IconCache& pictures, const std::string& tip,
                  std::uint32_t id = 100) {
    TrayItem item;
    FillIconData(item, Window, id, tip, OwnPicture(pictures, system));
    return item;
}

}  // namespace

TEST(FillIconData, FillsEveryMemberAndCutsTheTipTo63Characters) {
    FakeSystem system;
    IconCache pictures(system);
    TrayItem item;
    NotifyIconData& data = item.IconData;
    std::memset(data.szTip, 'x', sizeof data.szTip);
    SharedIcon picture = OwnPicture(pictures, system);
    IconHandle icon = picture.Get();
    FillIconData(item, Window, 1005, std::string(70, 'a'), std::move(picture));
    EXPECT_EQ(data.cbSize, nif::FirstLayoutSize);
    EXPECT_EQ(data.hWnd, Window);
    EXPECT_EQ(data.uID, 1005u);
    EXPECT_EQ(data.uFlags, 7u);
    EXPECT_EQ(data.uCallbackMessage, 0xFFEu);
    EXPECT_EQ(data.hIcon, icon);
    EXPECT_EQ(item.Icon.Get(), icon) << "the record holds it";
    EXPECT_EQ(std::string(data.szTip), std::string(63, 'a'));

    FillIconData(item, Window, 1, "C:\\", {});
    EXPECT_FALSE(system.liveIcons.contains(icon)) << "a replaced icon is destroyed";
    EXPECT_EQ(std::string(data.szTip), "C:\\");
    EXPECT_EQ(data.szTip[63], '\0');
}

TEST(PrepareIconChange, ChangesTheTipOnlyWhenAsked) {
    TrayItem item;
    NotifyIconData& data = item.IconData;
    FillIconData(item, Window, 3, "old", {});
    auto icon = reinterpret_cast<IconHandle>(0x55);
    PrepareIconChange(data, icon, "new", false);
    EXPECT_EQ(data.uFlags, 3u);
    EXPECT_EQ(data.hIcon, icon);
    EXPECT_EQ(std::string(data.szTip), "old");
    EXPECT_EQ(data.uID, 3u);
    EXPECT_EQ(data.hWnd, Window);

    PrepareIconChange(data, icon, "new", true);
    EXPECT_EQ(data.uFlags, 7u);
    EXPECT_EQ(std::string(data.szTip), "new");
}

TEST(TrayIcon, AddShowsOnceAndRefusesMissingEntries) {
    FakeSystem system;
    NotificationArea area(system);
    IconCache pictures(system);
    TrayItem item = MakeItem(system, pictures, "Dossier");
    AddTrayIcon(area, item);
    AddTrayIcon(area, item);
    EXPECT_TRUE(item.Shown);
    ASSERT_EQ(system.notifications.size(), 1u);
    EXPECT_EQ(system.notifications[0].Command, NotifyCommand::Add);

    TrayItem missing = MakeItem(system, pictures, "Absent");
    missing.Missing = true;
    AddTrayIcon(area, missing);
    EXPECT_FALSE(missing.Shown);
    EXPECT_EQ(system.notifications.size(), 1u);
    EXPECT_TRUE(system.boxes.empty());
}

TEST(TrayIcon, RefusedAddReportsTheStoredTipAndStaysHidden) {
    FakeSystem system;
    NotificationArea area(system);
    IconCache pictures(system);
    system.notifyResult = [](NotifyCommand, const NotifyIconData&) { return false; };
    TrayItem item = MakeItem(system, pictures, std::string(63, 'n') + "CUT");
    AddTrayIcon(area, item);
    EXPECT_FALSE(item.Shown);
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].Title, "Erreur");
    EXPECT_EQ(
        system.boxes[0].Text,
        "La création de l'icône dans la barre de notification a échoué\r\n" + std::string(63, 'n'));
    EXPECT_EQ(system.beeps, std::vector<unsigned>{0x10});
}

TEST(TrayIcon, ChangeWhileHiddenTakesEffectAtTheNextAddWithAllFlags) {
    FakeSystem system;
    NotificationArea area(system);
    IconCache pictures(system);
    TrayItem item = MakeItem(system, pictures, "Lecteur");
    IconHandle first = item.IconData.hIcon;
    SharedIcon picture = OwnPicture(pictures, system);
    IconHandle second = picture.Get();
    ChangeTrayIcon(area, item, std::move(picture), "", false);
    EXPECT_TRUE(system.notifications.empty()) << "a hidden icon is not sent";
    EXPECT_FALSE(system.liveIcons.contains(first)) << "the replaced icon is destroyed";

    AddTrayIcon(area, item);
    ASSERT_EQ(system.notifications.size(), 1u);
    const NotifyIconData& sent = system.notifications[0].Data;
    EXPECT_EQ(sent.uFlags, 7u | nif::GuidItem) << "picture, tip and callback come back together";
    EXPECT_EQ(sent.hIcon, second);
    EXPECT_EQ(system.notifications[0].Tip(), "Lecteur");
    EXPECT_EQ(sent.uCallbackMessage, 0xFFEu);
}

TEST(TrayIcon, ModifyReportsFailureAndKeepsShown) {
    FakeSystem system;
    NotificationArea area(system);
    IconCache pictures(system);
    TrayItem item = MakeItem(system, pictures, "Lanceur");
    AddTrayIcon(area, item);
    system.notifyResult = [](NotifyCommand command, const NotifyIconData&) {
        return command != NotifyCommand::Modify;
    };
    ChangeTrayIcon(area, item, OwnPicture(pictures, system), "Nouveau", true);
    EXPECT_TRUE(item.Shown);
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].Text,
              "La modification de l'icône dans la barre de notification a échoué\r\nNouveau");
}

TEST(TrayIcon, RemoveSendsOnlyForShownIconsAndAlwaysClearsShown) {
    FakeSystem system;
    NotificationArea area(system);
    IconCache pictures(system);
    TrayItem item = MakeItem(system, pictures, "x");
    RemoveTrayIcon(area, item);
    EXPECT_TRUE(system.notifications.empty());

    AddTrayIcon(area, item);
    // The shell may have lost the icon already (taskbar restarted): no message, still cleared.
    system.notifyResult = [](NotifyCommand, const NotifyIconData&) { return false; };
    RemoveTrayIcon(area, item);
    EXPECT_FALSE(item.Shown);
    EXPECT_EQ(system.notifications.back().Command, NotifyCommand::Delete);
    EXPECT_TRUE(system.boxes.empty());
}

// Names of one block, of two by their padding alone, and of several, in the DNS name space.
TEST(NameBasedGuid, FollowsTheStandardVersion5) {
    const Guid dns = {0x6ba7b810, 0x9dad, 0x11d1, {0x80, 0xb4, 0x00, 0xc0, 0x4f, 0xd4, 0x30, 0xc8}};
    EXPECT_EQ(NameBasedGuid(dns, "python.org"),
              (Guid{0x886313e1, 0x3b8a, 0x5372, {0x9b, 0x90, 0x0c, 0x9a, 0xee, 0x19, 0x9e, 0x5d}}));
    EXPECT_EQ(NameBasedGuid(dns, std::string(39, 'y')),
              (Guid{0x2d7ca8dc, 0x685f, 0x5976, {0xa4, 0x84, 0x45, 0xe1, 0x17, 0xc2, 0x34, 0xb7}}));
    EXPECT_EQ(NameBasedGuid(dns, std::string(40, 'y')),
              (Guid{0xb31f942e, 0xdc87, 0x58c7, {0xb8, 0xb9, 0x51, 0x82, 0x5e, 0xb9, 0xfb, 0x8d}}));
    EXPECT_EQ(NameBasedGuid(dns, std::string(120, 'x')),
              (Guid{0xed3b0fd5, 0xcf80, 0x5e5f, {0xb3, 0x89, 0xe0, 0x2a, 0xd1, 0x42, 0x65, 0x50}}));
}
