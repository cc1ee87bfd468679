#include "ui/win32/PopupMenus.h"

#include <cstddef>
#include <cwctype>

#include "ui/ImageList.h"
#include "ui/MenuDrawing.h"
#include "ui/win32/DcCanvas.h"
#include "ui/win32/GdiCache.h"
#include "ui/win32/ImageListPeer.h"
#include "ui/win32/WideText.h"

namespace ui::win32 {

namespace {

// The letter after the single "&" of a caption, in capitals; 0 when it has none.
wchar_t AccessKeyOf(const std::string& caption) {
    std::wstring text = Widen(caption);
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&') continue;
        if (text[i + 1] != L'&') return static_cast<wchar_t>(std::towupper(text[i + 1]));
        ++i;
    }
    return 0;
}

LOGFONTW MenuFontDescription() {
    NONCLIENTMETRICSW metrics = {};
    // The size of the oldest layout, which every system accepts.
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    return metrics.lfMenuFont;
}

SIZE IconSize(HICON icon) {
    ICONINFO info = {};
    SIZE size = {0, 0};
    if (!GetIconInfo(icon, &info)) return size;
    // Copies made for the caller.
    const gui_objects::OwnedBitmap mask(info.hbmMask), color(info.hbmColor);
    BITMAP bits = {};
    if (GetObjectW(mask.Get(), sizeof bits, &bits)) {
        size.cx = bits.bmWidth;
        // A monochrome icon keeps its image and its mask in one bitmap, one above the other.
        size.cy = color ? bits.bmHeight : bits.bmHeight / 2;
    }
    return size;
}

}  // namespace

OpenMenu::OpenMenu(PopupMenu& menu, GdiCache& gdi) : menu_(menu), gdi_(gdi) {
    if (!menu_.OwnerDraw) return;
    LOGFONTW description = MenuFontDescription();
    font_ = gui_objects::OwnedFont(CreateFontIndirectW(&description));
    description.lfWeight = FW_BOLD;
    boldFont_ = gui_objects::OwnedFont(CreateFontIndirectW(&description));
}

// Owner-drawn items carry their toolkit item, and draw their own ticks.
gui_objects::OwnedMenu OpenMenu::Build(MenuItem& parent) {
    gui_objects::OwnedMenu owned = gui_objects::OwnedMenu::MakePopup();
    const HMENU menu = owned.Get();
    submenus_[menu] = &parent;
    const UINT drawn = menu_.OwnerDraw ? MF_OWNERDRAW : MF_STRING;
    for (MenuItem* item : parent.Items()) {
        if (!item->Visible) continue;
        std::wstring text = Widen(item->Caption);
        auto content = menu_.OwnerDraw ? reinterpret_cast<LPCWSTR>(item) : text.c_str();
        shown_.insert(item);
        if (item->IsSeparator()) {
            AppendMenuW(menu, MF_SEPARATOR | (menu_.OwnerDraw ? MF_OWNERDRAW : 0), 0, content);
            continue;
        }
        UINT flags = drawn | (item->Enabled ? 0 : MF_GRAYED);
        if (!menu_.OwnerDraw && item->Checked) flags |= MF_CHECKED;
        if (!item->Items().empty()) {
            owned.AppendSubmenu(flags, Build(*item), content);
            continue;
        }
        commands_.push_back(item);
        UINT id = static_cast<UINT>(commands_.size());
        AppendMenuW(menu, flags, id, content);
        if (item->Default) SetMenuDefaultItem(menu, id, FALSE);
    }
    return owned;
}

MenuItem* OpenMenu::Choose(Point at, HWND owner) {
    root_ = Build(menu_.Root());
    UINT chosen = static_cast<UINT>(TrackPopupMenu(root_.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON,
                                                   at.X, at.Y, 0, owner, nullptr));
    if (chosen == 0 || chosen > commands_.size()) return nullptr;
    return commands_[chosen - 1];
}

std::optional<LRESULT> OpenMenu::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (!menu_.OwnerDraw || measure->CtlType != ODT_MENU || !Shows(measure->itemData))
                break;
            Measure(*measure);
            return TRUE;
        }
        case WM_DRAWITEM: {
            auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (!menu_.OwnerDraw || draw->CtlType != ODT_MENU || !Shows(draw->itemData)) break;
            Draw(*draw);
            return TRUE;
        }
        case WM_MENUCHAR:
            // The system knows no captions of owner-drawn items: their keys are ours to find.
            if (!menu_.OwnerDraw) break;
            return AccessKey(LOWORD(wParam), reinterpret_cast<HMENU>(lParam));
        case WM_INITMENUPOPUP: {
            auto found = submenus_.find(reinterpret_cast<HMENU>(wParam));
            if (found == submenus_.end() || found->first == root_.Get()) break;
            found->second->Click();
            return 0;
        }
        default:
            break;
    }
    return std::nullopt;
}

// The data of an owner-drawn item is the item; another program's message may carry any number.
bool OpenMenu::Shows(ULONG_PTR itemData) const {
    return shown_.contains(reinterpret_cast<MenuItem*>(itemData));
}

HIMAGELIST OpenMenu::Images() const {
    return menu_.Images ? ImageListHandle(*menu_.Images) : nullptr;
}

namespace {

bool ValidImage(HIMAGELIST images, int index) {
    return images && index >= 0 && index < ImageList_GetImageCount(images);
}

}  // namespace

SIZE OpenMenu::PictureSize(const MenuItem& item, const MenuItemParams& params) const {
    int width = 0, height = 0;
    if (ValidImage(Images(), item.ImageIndex) || ValidImage(Images(), params.PictureImage)) {
        ImageList_GetIconSize(Images(), &width, &height);
        return {width, height};
    }
    return params.Picture ? IconSize(params.Picture) : SIZE{0, 0};
}

void OpenMenu::Measure(MEASUREITEMSTRUCT& measure) {
    MenuItem& item = *reinterpret_cast<MenuItem*>(measure.itemData);
    MenuItemParams params = ItemParams(menu_, item, false);
    std::wstring caption = Widen(item.Caption);
    RECT text = {0, 0, 0, 0};
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, FontFor(params.Bold));
    DrawTextW(screen, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CALCRECT | DT_SINGLELINE);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    SIZE picture = PictureSize(item, params);
    MenuItemSize size = MeasureMenuItem(
        menu_, item,
        {text.right, text.bottom, GetSystemMetrics(SM_CYMENU), picture.cx, picture.cy});
    measure.itemWidth = static_cast<UINT>(size.Width);
    measure.itemHeight = static_cast<UINT>(size.Height);
}

void OpenMenu::Draw(const DRAWITEMSTRUCT& draw) {
    MenuItem& item = *reinterpret_cast<MenuItem*>(draw.itemData);
    HDC dc = draw.hDC;
    const int saved = SaveDC(dc);
    const bool topLevel = menu_.IsTopLevel(item);

    // The strip runs down the whole menu, whichever item is being drawn.
    if (topLevel && (draw.itemAction & ODA_DRAWENTIRE) && menu_.LeftMargin && menu_.OnDrawMargin) {
        RECT area = {};
        if (HWND window = WindowFromDC(dc))
            GetClientRect(window, &area);
        else
            GetClipBox(dc, &area);
        DcCanvas canvas(dc, nullptr);
        menu_.OnDrawMargin(canvas, {0, area.top, menu_.LeftMargin, area.bottom});
    }

    RECT box = draw.rcItem;
    if (topLevel) {
        box.left += menu_.LeftMargin + 1;
        IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
    }
    const bool disabled = draw.itemState & (ODS_GRAYED | ODS_DISABLED);
    const bool selected = (draw.itemState & ODS_SELECTED) && !item.IsSeparator();
    MenuItemParams params = ItemParams(menu_, item, selected);
    if (params.Background != NoBackground) FillRect(dc, &box, gdi_.BrushFor(params.Background));
    if (item.IsSeparator()) {
        RECT line = box;
        line.top = (box.top + box.bottom) / 2 - 1;
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        RestoreDC(dc, saved);
        return;
    }

    SIZE picture = PictureSize(item, params);
    const int column = PictureColumnWidth(menu_, picture.cx);
    const int x = box.left + (column - picture.cx) / 2;
    const int y = (box.top + box.bottom - picture.cy) / 2;
    const int image = ValidImage(Images(), item.ImageIndex) ? item.ImageIndex : params.PictureImage;
    if (ValidImage(Images(), image)) {
        ImageList_DrawEx(Images(), image, dc, x, y, 0, 0, CLR_NONE, GetSysColor(COLOR_MENU),
                         ILD_TRANSPARENT | (disabled ? ILD_BLEND50 : 0));
    } else if (params.Picture) {
        DrawIconEx(dc, x, y, params.Picture, 0, 0, 0, nullptr, DI_NORMAL);
    }

    SelectObject(dc, FontFor(params.Bold));
    SetTextColor(dc, ToColorRef(disabled ? syscolor::GrayText : params.TextColor));
    SetBkMode(dc, TRANSPARENT);
    std::wstring caption = Widen(item.Caption);
    RECT text = box;
    text.left += column + MenuCaptionGap;
    // Access keys are underlined once the keyboard is used in the menu, as the system says.
    DrawTextW(
        dc, caption.c_str(), static_cast<int>(caption.size()), &text,
        DT_SINGLELINE | DT_VCENTER | DT_LEFT | (draw.itemState & ODS_NOACCEL ? DT_HIDEPREFIX : 0));
    RestoreDC(dc, saved);
}

LRESULT OpenMenu::AccessKey(wchar_t key, HMENU menu) {
    auto found = submenus_.find(menu);
    if (found != submenus_.end()) {
        const wchar_t wanted = static_cast<wchar_t>(std::towupper(key));
        WORD position = 0;
        for (const MenuItem* item : found->second->Items()) {
            if (!item->Visible) continue;
            if (item->Enabled && !item->IsSeparator() && AccessKeyOf(item->Caption) == wanted)
                return MAKELRESULT(position, MNC_EXECUTE);
            ++position;
        }
    }
    return MAKELRESULT(0, MNC_IGNORE);
}

}  // namespace ui::win32
