#include <gtest/gtest.h>

#include "support/FakeSystem.h"
#include "tray/TrayIconSet.h"
#include "ui/headless/HeadlessBackend.h"

namespace {

// An icon set on its own, every group wanted while its flag says so.
class TrayIconSetTest : public ::testing::Test {
protected:
    TrayIconSetTest() { ui::SetBackend(backend); }

    TrayItem& Add(TrayItemList& list, const std::string& name, bool missing = false) {
        auto item = std::make_unique<TrayItem>();
        item->Name = name;
        item->Missing = missing;
        return icons.Append(list, std::move(item), name, {system, system.NewIcon()});
    }

    std::vector<std::string> Names(const TrayItemList& list) const {
        std::vector<std::string> names;
        for (const auto& item : list) names.push_back(item->Name + (item->Shown ? "+" : "-"));
        return names;
    }

    ui::HeadlessBackend backend;
    FakeSystem system;
    ui::Form owner{"Owner"};
    bool foldersWanted = true;
    IconWants wants{[](const TrayItem&) { return false; },
                    [this](const TrayItem&) { return foldersWanted; },
                    [](const TrayItem&) { return true; }, [](const TrayItem&) { return false; }};
    TrayIconSet icons{system, owner, wants, false};
};

}  // namespace

TEST_F(TrayIconSetTest, EachIconReadsItsOptionWhenItIsDecided) {
    Add(icons.Folders, "F0");
    Add(icons.Folders, "F1");
    // The shell refuses the first folder; while its box waits, the user switches folders off.
    system.notifyResult = [](NotifyCommand, const NotifyIconData& data) { return data.uID != 100; };
    system.whileBoxShown = [this] { foldersWanted = false; };
    icons.RefreshTrayIcons();
    EXPECT_EQ(Names(icons.Folders), (std::vector<std::string>{"F0-", "F1-"}));
    EXPECT_EQ(system.notifications.size(), 1u) << "no add after the option changed";
}

TEST_F(TrayIconSetTest, RemovingAndSwappingKeepEveryEntryShownAsBeforeAtItsNewPlace) {
    Add(icons.Folders, "A");
    Add(icons.Folders, "Missing", true);
    Add(icons.Folders, "C");
    Add(icons.Folders, "D");
    icons.RefreshTrayIcons();
    Add(icons.Folders, "New");  // added since the last refresh: not shown yet
    using Tray = std::map<std::uint32_t, std::string>;
    ASSERT_EQ(system.trayTips, (Tray{{100, "A"}, {102, "C"}, {103, "D"}}));

    icons.SwapItems(icons.Folders, 0, 1);
    EXPECT_EQ(Names(icons.Folders),
              (std::vector<std::string>{"Missing-", "A+", "C+", "D+", "New-"}));
    EXPECT_EQ(system.trayTips, (Tray{{101, "A"}, {102, "C"}, {103, "D"}}));

    icons.RemoveItem(icons.Folders, 1);
    EXPECT_EQ(Names(icons.Folders), (std::vector<std::string>{"Missing-", "C+", "D+", "New-"}));
    EXPECT_EQ(system.trayTips, (Tray{{101, "C"}, {102, "D"}})) << "nothing of A remains";

    icons.RemoveItem(icons.Folders, 0);
    EXPECT_EQ(Names(icons.Folders), (std::vector<std::string>{"C+", "D+", "New-"}));
    EXPECT_EQ(system.trayTips, (Tray{{100, "C"}, {101, "D"}}));
    for (std::size_t k = 0; k < icons.Folders.size(); ++k)
        EXPECT_EQ(icons.Folders[k]->IconData.uID, 100 + k) << "ids stay with positions";

    icons.RefreshTrayIcons();
    EXPECT_EQ(system.trayTips, (Tray{{100, "C"}, {101, "D"}, {102, "New"}}));
    EXPECT_TRUE(system.boxes.empty()) << "the shell refused nothing";
    icons.Folders.clear();
    EXPECT_TRUE(system.liveIcons.empty()) << "each icon went with its record";
    EXPECT_EQ(system.faultyDestroys, 0);
}
