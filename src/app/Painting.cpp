#include "app/ConfigVossik.h"
#include "tray/PaintGradient.h"

// The margins around the pages and the button strip get the title bar's gradient; XP draws its
// own themed look, and a palette screen would only show bands.
void TConfigVossik::PeindreFiche(ui::Canvas& canvas) {
    if (IsWindowsXP) return;
    if (canvas.BitsPerPixel() <= 8) return;
    ui::Rect area = canvas.PaintArea();
    PaintGradient(canvas, {0, 0, area.Right, area.Bottom},
                  system_.SysColor(ui::SystemColorIndex(ui::syscolor::ActiveCaption)),
                  system_.SysColor(ui::SystemColorIndex(ui::syscolor::GradientActiveCaption)));
}

void TConfigVossik::AfficherIcone(ui::PaintBox&, ui::Canvas& canvas) {
    canvas.DrawIcon(0, 0, system_.LoadOwnIcon("MAINICON"), 0, 0);
}
