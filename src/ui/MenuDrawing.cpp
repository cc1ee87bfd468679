#include "ui/MenuDrawing.h"

#include <algorithm>

namespace ui {

MenuItemParams ItemParams(PopupMenu& menu, MenuItem& item, bool selected) {
    MenuItemParams params;
    params.Selected = selected;
    params.Bold = item.Default;
    params.TextColor = selected ? syscolor::HighlightText : syscolor::MenuText;
    params.Background = !selected        ? syscolor::Menu
                        : menu.FlatMenus ? syscolor::MenuHilight
                                         : syscolor::Highlight;
    if (menu.OnGetItemParams) menu.OnGetItemParams(item, params);
    return params;
}

int PictureColumnWidth(const PopupMenu& menu, int pictureWidth) {
    return std::max(menu.MinTextOffset, pictureWidth + 2);
}

MenuItemSize MeasureMenuItem(PopupMenu& menu, MenuItem& item, const MenuItemMetrics& metrics) {
    MenuItemSize size;
    if (item.IsSeparator()) {
        size.Height = std::max(metrics.CaptionHeight / 2, 9);
    } else {
        size.Height = std::max(metrics.MenuBarHeight - 2, metrics.CaptionHeight);
        if (metrics.PictureHeight) size.Height = std::max(size.Height, metrics.PictureHeight + 4);
        size.Width = metrics.CaptionWidth + PictureColumnWidth(menu, metrics.PictureWidth) +
                     MenuCaptionGap + MenuRightGap;
    }
    if (menu.OnMeasureItem) menu.OnMeasureItem(item, size.Width, size.Height);
    if (menu.IsTopLevel(item)) size.Width += menu.LeftMargin + 1;
    return size;
}

namespace {

constexpr int MarginBands = 32;

Color Blend(Color start, Color end, int step, int steps) {
    Color blended = 0;
    for (int shift : {0, 8, 16}) {
        int from = static_cast<int>(start >> shift & 0xFF),
            to = static_cast<int>(end >> shift & 0xFF);
        blended |= static_cast<Color>(from + (to - from) * step / steps) << shift;
    }
    return blended;
}

}  // namespace

void PaintMenuMargin(Canvas& canvas, const Rect& strip, Color start, Color end) {
    const int height = strip.Bottom - strip.Top;
    for (int band = 0; band < MarginBands; ++band) {
        int top = strip.Top + band * height / MarginBands;
        int bottom = strip.Top + (band + 1) * height / MarginBands;
        canvas.FillSolid({strip.Left, top, strip.Right - 3, bottom},
                         Blend(start, end, band, MarginBands - 1));
    }
    canvas.FillSolid({strip.Right - 2, strip.Top, strip.Right - 1, strip.Bottom},
                     syscolor::BtnShadow);
    canvas.FillSolid({strip.Right - 1, strip.Top, strip.Right, strip.Bottom},
                     syscolor::BtnHighlight);
}

}  // namespace ui
