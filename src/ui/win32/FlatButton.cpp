#include "ui/win32/FlatButton.h"

#include "ui/win32/WideText.h"

namespace ui::win32 {

void DrawFlatButton(HDC dc, const RECT& rect, const std::string& caption, HFONT font,
                    COLORREF textColor, HBRUSH face, const FlatLook& look) {
    RECT area = rect;
    FillRect(dc, &area, face);
    if (look.Enabled && look.Pressed)
        DrawEdge(dc, &area, BDR_SUNKENOUTER, BF_RECT);
    else if (look.Enabled && look.Hot)
        DrawEdge(dc, &area, BDR_RAISEDINNER, BF_RECT);

    int saved = SaveDC(dc);
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look.Enabled ? textColor : GetSysColor(COLOR_GRAYTEXT));
    RECT text = area;
    if (look.Pressed) OffsetRect(&text, 1, 1);
    std::wstring wide = Widen(caption);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    RestoreDC(dc, saved);

    if (look.Focused) {
        RECT focus = area;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace ui::win32
