#include "ui/win32/TextPeers.h"

#include "ui/win32/ButtonPeers.h"
#include "ui/win32/WideText.h"
#include "ui/win32/Win32Backend.h"

namespace ui::win32 {

LabelPeer::LabelPeer(Win32Backend& backend, Label& label)
    : WindowPeer(backend, label), label_(label) {
    DWORD alignment = label.TextAlignment() == Alignment::Center ? SS_CENTER : SS_LEFT;
    CreateControlWindow(L"STATIC", SS_NOTIFY | alignment, 0);
}

void LabelPeer::OnCommand(unsigned code) {
    if (code == STN_CLICKED && label_.OnClick) label_.OnClick();
}

HBRUSH LabelPeer::OnCtlColor(HDC dc) {
    return PrepareTextColours(*this, dc);
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

}  // namespace ui::win32
