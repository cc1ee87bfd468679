#include <gtest/gtest.h>

#include "support/RecordingCanvas.h"
#include "tray/PaintGradient.h"

TEST(MulDiv, RoundsHalfAwayFromZeroLikeTheSystem) {
    EXPECT_EQ(MulDiv(1, 1, 2), 1);
    EXPECT_EQ(MulDiv(-1, 1, 2), -1);
    EXPECT_EQ(MulDiv(1, -3, 4), -1);
    EXPECT_EQ(MulDiv(5, 7, -2), -18);
    EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000) << "no 32-bit overflow";
    EXPECT_EQ(MulDiv(3, 4, 0), -1);
}

TEST(PaintGradient, FirstAndLastBandsAreExactlyTheEndColours) {
    const ui::Color start = ui::Rgb(10, 200, 30), end = ui::Rgb(250, 0, 31);
    for (int width : {428, 1000, 200}) {
        RecordingCanvas canvas;
        PaintGradient(canvas, {17, 9, width, 267}, start, end);
        ASSERT_EQ(canvas.fills.size(), 428u) << width;
        EXPECT_EQ(canvas.fills.front().Color, start);
        EXPECT_EQ(canvas.fills.back().Color, end);
        EXPECT_EQ(canvas.fills.front().Rect, (ui::Rect{0, 0, MulDiv(1, width, 428), 267}))
            << "left and top of the rectangle are not used";
        EXPECT_EQ(canvas.fills.back().Rect.Right, width);
        for (std::size_t i = 1; i < canvas.fills.size(); ++i)
            ASSERT_EQ(canvas.fills[i].Rect.Left, canvas.fills[i - 1].Rect.Right) << "no gaps";
    }
}

TEST(PaintGradient, OnePixelBandsAtTheWindowWidthAndEmptyBandsBelowIt) {
    RecordingCanvas canvas;
    PaintGradient(canvas, {0, 0, 428, 10}, ui::Rgb(0, 0, 0), ui::Rgb(0, 0, 0));
    for (const auto& fill : canvas.fills) ASSERT_EQ(fill.Rect.Right - fill.Rect.Left, 1);

    RecordingCanvas narrow;
    PaintGradient(narrow, {0, 0, 100, 10}, ui::Rgb(0, 0, 0), ui::Rgb(255, 255, 255));
    int empty = 0;
    for (const auto& fill : narrow.fills) empty += fill.Rect.Left == fill.Rect.Right;
    EXPECT_EQ(empty, 328);
    // The middle band carries the rounded midpoint of each channel.
    EXPECT_EQ(narrow.fills[214].Color, ui::Rgb(128, 128, 128));
}
