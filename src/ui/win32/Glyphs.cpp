#include "ui/win32/Glyphs.h"

#include "ui/win32/WideText.h"

namespace ui::win32 {

namespace {

constexpr COLORREF Olive = RGB(128, 128, 0);
// A button takes one image per state: normal, hot, pressed, disabled, defaulted, stylus hot.
constexpr int ButtonStates = 6;
constexpr int DisabledState = 3;

}  // namespace

OwnedImageList LoadButtonGlyphs(HINSTANCE instance, const std::string& name) {
    HBITMAP strip = static_cast<HBITMAP>(
        LoadImageW(instance, Widen(name).c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!strip) return nullptr;
    BITMAP size{};
    GetObjectW(strip, sizeof size, &size);
    const int side = size.bmHeight;
    OwnedImageList pair(ImageList_Create(side, side, ILC_COLOR24 | ILC_MASK, 2, 0));
    ImageList_AddMasked(pair.get(), strip, Olive);
    DeleteObject(strip);

    OwnedImageList states(ImageList_Create(side, side, ILC_COLOR24 | ILC_MASK, ButtonStates, 0));
    for (int state = 0; state < ButtonStates; ++state) {
        HICON image = ImageList_GetIcon(pair.get(), state == DisabledState ? 1 : 0, ILD_NORMAL);
        ImageList_AddIcon(states.get(), image);
        DestroyIcon(image);
    }
    return states;
}

}  // namespace ui::win32
