#include "ui/win32/TextPeers.h"

#include "ui/win32/ButtonPeers.h"
#include "ui/win32/WideText.h"
#include "ui/win32/Win32Backend.h"

namespace ui::win32 {

LabelPeer::LabelPeer(Win32Backend& backend, Label& label)
    : WindowPeer(backend, label), label_(label) {
    // A left-aligned caption stays on its line, as the classic labels do: wrapped, its end would
    // fall below the box. Centred texts come in lines of their own and keep the system's
    // centring.
    DWORD alignment = label.TextAlignment() == Alignment::Center ? SS_CENTER : SS_LEFTNOWORDWRAP;
    CreateControlWindow(L"STATIC", SS_NOTIFY | alignment, 0);
}

void LabelPeer::OnCommand(unsigned code) {
    if (code == STN_CLICKED && label_.OnClick) label_.OnClick();
}

HBRUSH LabelPeer::OnCtlColor(HDC dc) {
    return PrepareTextColours(*this, dc);
}

void LabelPeer::DoSync(Property what) {
    WindowPeer::DoSync(what);
    if (what == Property::Caption || what == Property::Font) Place();
}

// The boxes were measured in the classic dialog face; in a wider one the end of a caption such as
// "Paramètres :" would be cut off. Never smaller than the box, so the layout stays as designed.
RECT LabelPeer::Placement() const {
    RECT place = WindowPeer::Placement();
    if (label_.TextAlignment() == Alignment::Center || label_.Caption().empty()) return place;
    std::wstring text = Widen(label_.Caption());
    RECT needed = {0, 0, 0, 0};
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, FontHandle());
    DrawTextW(screen, text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_EXPANDTABS);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    if (needed.right > place.right - place.left) place.right = place.left + needed.right;
    if (needed.bottom > place.bottom - place.top) place.bottom = place.top + needed.bottom;
    return place;
}

EditPeer::EditPeer(Win32Backend& backend, Edit& edit) : WindowPeer(backend, edit), edit_(edit) {
    DWORD style = ES_AUTOHSCROLL | TabStopStyle();
    if (edit.ReadOnly()) style |= ES_READONLY;
    if (HWND hwnd = CreateControlWindow(L"EDIT", style, WS_EX_CLIENTEDGE))
        SendMessageW(hwnd, EM_LIMITTEXT, edit.MaxLength(), 0);
}

void EditPeer::OnCommand(unsigned code) {
    if (code == EN_CHANGE) edit_.SetCaption(WindowText(Window()));
}

HBRUSH EditPeer::OnCtlColor(HDC dc) {
    return PrepareTextColours(*this, dc);
}

void EditPeer::DoSync(Property what) {
    if (what == Property::Selection) {
        SendMessageW(Window(), EM_SETSEL, 0, -1);
        return;
    }
    WindowPeer::DoSync(what);
}

}  // namespace ui::win32
