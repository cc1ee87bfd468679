#include <gtest/gtest.h>

#include <utility>

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
        return icons.Append(list, std::move(item), name, OwnPicture(icons.Pictures, system));
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

// A box runs a message loop, which may run another change of the same list: it comes only
// once the change that met the refusal is complete.
TEST_F(TrayIconSetTest, RefusalsAreToldOnceTheChangeIsComplete) {
    for (const char* name : {"F0", "F1", "F2", "F3"}) Add(icons.Folders, name);
    icons.RefreshTrayIcons();
    bool refused = false;
    system.refuse = [&](NotifyCommand command, const NotifyIconData&) {
        return command == NotifyCommand::Modify && !std::exchange(refused, true);
    };
    std::vector<std::string> whileTold;
    system.whileBoxShown = [&] {
        whileTold = Names(icons.Folders);
        icons.RemoveItem(icons.Folders, 0);  // a removal waiting in the queue
    };
    icons.RemoveItem(icons.Folders, 0);
    EXPECT_EQ(whileTold, (std::vector<std::string>{"F1+", "F2+", "F3+"}));
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].Text,
              "La modification de l'icône dans la barre de notification a échoué\r\nF1");
    EXPECT_EQ(Names(icons.Folders), (std::vector<std::string>{"F2+", "F3+"}));
    using Tray = std::map<std::uint32_t, std::string>;
    EXPECT_EQ(system.trayTips, (Tray{{100, "F2"}, {101, "F3"}}));
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
