#pragma once

#include "ui/Canvas.h"
#include "ui/Menu.h"

namespace ui {

// The rules an owner-drawn popup menu measures and paints its items by, apart from the system
// calls: the backend gives the measures of the caption and picture it found.

// The item's drawing parameters: the menu's colours, or the selection's (the menu highlight of
// flat menus), bold for the default item; then the menu's hook.
MenuItemParams ItemParams(PopupMenu& menu, MenuItem& item, bool selected);

struct MenuItemMetrics {
    int CaptionWidth = 0;   // without the access-key marks
    int CaptionHeight = 0;  // of one line in the item's font
    int MenuBarHeight = 0;  // the system's
    int PictureWidth = 0;   // 0 without a picture
    int PictureHeight = 0;
};

struct MenuItemSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const MenuItemSize&) const = default;
};

// Room between the picture column and the caption, and after the caption.
constexpr int MenuCaptionGap = 4;
constexpr int MenuRightGap = 8;

// The picture column: as wide as the picture and a pixel either side, and at least
// MinTextOffset, so that captions line up whether their item has a picture or not.
int PictureColumnWidth(const PopupMenu& menu, int pictureWidth);

// Height: the menu bar's less 2 or the caption's, and room for the picture and 2 pixels above
// and below it; separators half a caption, at least 9. Then the menu's hook; top-level items
// make room for the strip and a pixel.
MenuItemSize MeasureMenuItem(PopupMenu& menu, MenuItem& item, const MenuItemMetrics& metrics);

// The strip's default painting: 32 bands from `start` at the top to `end` at the bottom over
// all but the 3 rightmost columns; the next column left alone, then a shadow and a highlight
// line down the whole strip.
void PaintMenuMargin(Canvas& canvas, const Rect& strip, Color start, Color end);

}  // namespace ui
