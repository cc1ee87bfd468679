#pragma once

#include "ui/Buttons.h"
#include "ui/win32/Glyphs.h"
#include "ui/win32/WindowPeer.h"

namespace ui::win32 {

// A push button; a flat one is drawn by us and, like a speed button, acts on the mouse alone
// without taking the focus.
class ButtonPeer : public WindowPeer {
public:
    ButtonPeer(Win32Backend& backend, Button& button);
    void OnCommand(unsigned code) override;
    void OnDrawItem(const DRAWITEMSTRUCT& item) override;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PlaceGlyph();
    void TrackLeave();
    bool PointInside(LPARAM lParam) const;
    bool CursorOver() const;
    void SetLook(bool hot, bool pressed);

    Button& button_;
    OwnedImageList glyphs_;
    bool hot_ = false;
    bool pressed_ = false;
    bool tracking_ = false;
};

class CheckBoxPeer : public WindowPeer {
public:
    CheckBoxPeer(Win32Backend& backend, CheckBox& box);
    void OnCommand(unsigned code) override;
    HBRUSH OnCtlColor(HDC dc) override;

protected:
    void DoSync(Property what) override;

private:
    CheckBox& box_;
};

class RadioButtonPeer : public WindowPeer {
public:
    RadioButtonPeer(Win32Backend& backend, RadioButton& radio);
    void OnCommand(unsigned code) override;
    HBRUSH OnCtlColor(HDC dc) override;

protected:
    void DoSync(Property what) override;

private:
    void SyncCheck();

    RadioButton& radio_;
};

// Check boxes and radio buttons write in their font's colour on their own background.
HBRUSH PrepareTextColours(WindowPeer& peer, HDC dc);

}  // namespace ui::win32
