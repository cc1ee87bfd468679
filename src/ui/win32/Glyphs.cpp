#include "ui/win32/Glyphs.h"

#include <algorithm>

#include "platform/win32/GuiObjects.h"
#include "ui/win32/WideText.h"

namespace ui::win32 {

namespace {

constexpr COLORREF Olive = RGB(128, 128, 0);
// A button takes one image per state: normal, hot, pressed, disabled, defaulted, stylus hot.
constexpr int ButtonStates = 6;
constexpr int NormalImage = 0, GreyedImage = 1, DisabledState = 3;

}  // namespace

OwnedImageList LoadButtonGlyphs(HINSTANCE instance, const std::string& name) {
    const gui_objects::OwnedBitmap strip(static_cast<HBITMAP>(
        LoadImageW(instance, Widen(name).c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!strip) return nullptr;
    BITMAP size{};
    GetObjectW(strip.Get(), sizeof size, &size);
    const int side = size.bmHeight;
    OwnedImageList states(ImageList_Create(side, side, ILC_COLOR24 | ILC_MASK, ButtonStates, 0));
    // The strip's two images come first; every state then takes a copy of one of them.
    ImageList_AddMasked(states.get(), strip.Get(), Olive);
    ImageList_SetImageCount(states.get(), ButtonStates);
    for (int state = ButtonStates - 1; state > GreyedImage; --state)
        ImageList_Copy(states.get(), state, states.get(),
                       state == DisabledState ? GreyedImage : NormalImage, ILCF_MOVE);
    ImageList_Copy(states.get(), GreyedImage, states.get(), NormalImage, ILCF_MOVE);
    return states;
}

void CentreGlyphAndCaption(HWND button, HIMAGELIST glyphs, HFONT font, int spacing) {
    int length = GetWindowTextLengthW(button);
    std::wstring caption(length + 1, L'\0');
    caption.resize(GetWindowTextW(button, caption.data(), length + 1));
    RECT text = {0, 0, 0, 0};
    HDC dc = GetDC(button);
    HGDIOBJ previous = SelectObject(dc, font);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, previous);
    ReleaseDC(button, dc);
    int side = 0, height = 0;
    ImageList_GetIconSize(glyphs, &side, &height);
    RECT client;
    GetClientRect(button, &client);
    // The system keeps the label a frame's width inside the button's edge.
    const int frame = GetSystemMetrics(SM_CXEDGE);
    int left =
        std::max(static_cast<int>(client.right - side - spacing - text.right) / 2 - frame, frame);
    BUTTON_IMAGELIST images = {glyphs, {left, 0, spacing, 0}, BUTTON_IMAGELIST_ALIGN_LEFT};
    SendMessageW(button, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images));
    // A new caption is drawn at once, in the old layout.
    InvalidateRect(button, nullptr, TRUE);
}

}  // namespace ui::win32
