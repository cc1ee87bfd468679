#include "support/MainFormFixture.h"
#include "support/RecordingCanvas.h"
#include "tray/PaintGradient.h"

using PaintingTest = MainFormFixture;

TEST_F(PaintingTest, GradientOnlyAboveEightBitsAndNeverOnXp) {
    TConfigVossik& form = Start();
    RecordingCanvas canvas;
    canvas.paintArea = {0, 0, 642, 400};
    form.OnPaint(canvas);
    ASSERT_EQ(canvas.fills.size(), 428u);
    EXPECT_EQ(canvas.fills.front().Color, 0x00A05000u) << "the active caption colour";
    EXPECT_EQ(canvas.fills.back().Color, 0x00F0C8A0u) << "the caption gradient's end";
    EXPECT_EQ(canvas.fills.back().Rect, (ui::Rect{MulDiv(427, 642, 428), 0, 642, 400}));

    RecordingCanvas palette;
    palette.bitsPerPixel = 8;
    form.OnPaint(palette);
    EXPECT_TRUE(palette.fills.empty());

    system.version = {5, 1};
    RecordingCanvas xp;
    Start().OnPaint(xp);
    EXPECT_TRUE(xp.fills.empty());
}

TEST_F(PaintingTest, ListLinesDrawTheEntryIconAndTextAtTheirPlaces) {
    TConfigVossik& form = Start();
    AddEntry(form.Icons.Folders, TrayItemKind::Folder, "Docs");
    form.Pages.PageRep.ListeRep.AddItem("C:\\Docs");
    AddEntry(form.Icons.Launches, TrayItemKind::Launch, "Notes");
    form.Icons.Launches[0]->Icon = {};
    form.Pages.PageApp.ListeFich.AddItem("Notes (C:\\notes.txt )");

    RecordingCanvas canvas;
    const ui::Rect line{0, 36, 166, 54};
    form.Pages.PageRep.ListeRep.OnDrawItem(form.Pages.PageRep.ListeRep, canvas, 0, line, {});
    EXPECT_EQ(canvas.brushFills, std::vector<ui::Rect>{line});
    ASSERT_EQ(canvas.icons.size(), 1u);
    EXPECT_EQ(canvas.icons[0].Handle, form.Icons.Folders[0]->Icon.Get());
    EXPECT_EQ(canvas.icons[0].X, 2);
    EXPECT_EQ(canvas.icons[0].Y, 37);
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(canvas.texts[0].X, 20);
    EXPECT_EQ(canvas.texts[0].Y, 39) << "3 pixels below the line's top";

    RecordingCanvas launch;
    form.Pages.PageApp.ListeFich.OnDrawItem(form.Pages.PageApp.ListeFich, launch, 0, line, {});
    EXPECT_TRUE(launch.icons.empty()) << "an entry without icon shows its text only";
    EXPECT_EQ(launch.texts[0].Value, "Notes (C:\\notes.txt )");
}
