#include "app/ConfigVossik.h"
#include "tray/PaintGradient.h"

namespace {
constexpr int ColorActiveCaption = 2;
constexpr int ColorGradientActiveCaption = 27;
}  // namespace

// The margins around the pages and the button strip get the title bar's gradient; XP draws its
// own themed look, and a palette screen would only show bands.
void TConfigVossik::PeindreFiche(ui::Canvas& canvas) {
    if (IsWindowsXP) return;
    if (canvas.BitsPerPixel() <= 8) return;
    ui::Rect area = canvas.PaintArea();
    PaintGradient(canvas, {0, 0, area.Right, area.Bottom}, system_.SysColor(ColorActiveCaption),
                  system_.SysColor(ColorGradientActiveCaption));
}

void TConfigVossik::AfficherIcone(ui::PaintBox&, ui::Canvas& canvas) {
    canvas.DrawIcon(0, 0, system_.LoadOwnIcon("MAINICON"), 0, 0);
}

void TConfigVossik::DessineIconeListe(ui::ListBox& control, ui::Canvas& canvas, int index,
                                      const ui::Rect& rect, ui::DrawItemState) {
    canvas.FillWithCurrentBrush(rect);
    TrayItemList& items = &control == &PageApp.ListeFich ? Launches : Folders;
    if (index >= 0 && index < static_cast<int>(items.size())) {
        if (IconHandle icon = items[index]->IconData.hIcon)
            canvas.DrawIcon(rect.Left + 2, rect.Top + 1, icon, 16, 16);
    }
    // Centred on the line: 3 pixels down for the window's font on an 18-pixel line.
    int lineHeight = rect.Bottom - rect.Top;
    canvas.TextOut(rect.Left + 20, rect.Top + (canvas.FontHeight() + lineHeight) / 2,
                   control.Items()[index]);
}
