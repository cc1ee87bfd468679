#include <gtest/gtest.h>

#include "types/IconId.h"

TEST(IconId, DecodesByRangesAtEveryBoundary) {
    EXPECT_EQ(DecodeIconId(0), (IconPosition{TrayGroup::GroupDrive, 0}));
    EXPECT_EQ(DecodeIconId(99), (IconPosition{TrayGroup::GroupDrive, 99}));
    EXPECT_EQ(DecodeIconId(100), (IconPosition{TrayGroup::GroupFolder, 0}));
    EXPECT_EQ(DecodeIconId(999), (IconPosition{TrayGroup::GroupFolder, 899}));
    EXPECT_EQ(DecodeIconId(1000), (IconPosition{TrayGroup::GroupLaunch, 0}));
    EXPECT_EQ(DecodeIconId(9999), (IconPosition{TrayGroup::GroupLaunch, 8999}));
    EXPECT_EQ(DecodeIconId(10000), (IconPosition{TrayGroup::GroupShutdown, 10000}));
    EXPECT_EQ(DecodeIconId(10001), (IconPosition{TrayGroup::GroupLaunch, 9001}));
}
