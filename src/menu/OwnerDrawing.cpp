#include "menu/ContextMenu.h"
#include "ui/MenuDrawing.h"

namespace {

// The measures for pictures of 16 pixels; they grow with the pictures.
constexpr int DesignedPictureSize = 16;
constexpr int TitleStripWidth = 24;
constexpr int PictureColumn = 20;
constexpr int ItemHeight = 20;
constexpr int ShutdownImage = 0;
constexpr int TickImage = 8;
constexpr ui::Color NameBackground = ui::Rgb(255, 255, 128);
const ui::Font TitleFont{"Arial", -16, true, false, ui::White};  // 12 points
constexpr const char* Title = "V o s s i k '";

}  // namespace

void ContextMenu::SetUpDrawing() {
    MenuContext.OwnerDraw = true;
    MenuContext.LeftMargin = TitleStripWidth;
    FollowPictureSize();
    MenuContext.OnGetItemParams = [this](ui::MenuItem& item, ui::MenuItemParams& params) {
        MenuContextGetItemParams(item, params);
    };
    MenuContext.OnMeasureItem = [this](ui::MenuItem& item, int& width, int& height) {
        MenuContextMeasureItem(item, width, height);
    };
    MenuContext.OnDrawMargin = [this](ui::Canvas& canvas, const ui::Rect& strip) {
        MenuContextDrawMargin(canvas, strip);
    };
}

// The name item shows the clicked icon's own picture, which stays its record's: the menu only
// draws it.
void ContextMenu::MenuContextGetItemParams(ui::MenuItem& item, ui::MenuItemParams& params) {
    if (&item == &MCNom) {
        if (!params.Selected && !highContrast_) {
            params.Background = NameBackground;
            params.TextColor = ui::Black;
        }
        params.Bold = true;
        const TrayItem* record = ClickedItem();
        const bool ownPicture = clicked_.Group != TrayGroup::GroupShutdown && record;
        MCNom.ImageIndex = ownPicture ? -1 : ShutdownImage;
        if (ownPicture) params.Picture = record->Icon.Get();
    } else if (item.Checked) {
        params.PictureImage = TickImage;
    }
}

int ContextMenu::AtPictureSize(int pixels) const {
    return pixels * icons_.Pictures.Size().Width / DesignedPictureSize;
}

// At another scale the pictures, the fonts and with them the strip and the items grow alike.
void ContextMenu::FollowPictureSize() {
    MenuContext.MinTextOffset = AtPictureSize(PictureColumn);
    if (MenuContext.LeftMargin) MenuContext.LeftMargin = AtPictureSize(TitleStripWidth);
}

void ContextMenu::MenuContextMeasureItem(ui::MenuItem& item, int&, int& height) {
    if (!item.IsSeparator()) height = AtPictureSize(ItemHeight);
}

// The title reads upwards from the bottom of the strip.
void ContextMenu::MenuContextDrawMargin(ui::Canvas& canvas, const ui::Rect& strip) {
    ui::Font font = TitleFont;
    if (highContrast_) font.TextColor = ui::syscolor::MenuText;
    canvas.SetFont(font);
    canvas.RotateFont(90);
    auto color = [this](ui::Color system) {
        return system_.SysColor(ui::SystemColorIndex(system));
    };
    const ui::Color top = color(highContrast_ ? ui::syscolor::Menu : ui::syscolor::ActiveCaption);
    ui::PaintMenuMargin(canvas, strip, top, highContrast_ ? top : ui::Black);
    canvas.TextOutClipped(strip, strip.Left + 2, strip.Bottom - 5, Title);
}

// Not kept in the settings: a look for this run only.
void ContextMenu::LabelVossik1Click() {
    MenuContext.LeftMargin = MenuContext.LeftMargin ? 0 : AtPictureSize(TitleStripWidth);
}
