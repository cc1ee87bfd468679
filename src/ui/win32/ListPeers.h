#pragma once

#include "ui/Lists.h"
#include "ui/win32/WindowPeer.h"

namespace ui::win32 {

// A list box; owner-drawn with fixed-height lines when the model has a drawing handler.
class ListBoxPeer : public WindowPeer {
public:
    ListBoxPeer(Win32Backend& backend, ListBox& list);
    void OnCommand(unsigned code) override;
    void OnDrawItem(const DRAWITEMSTRUCT& item) override;
    HBRUSH OnCtlColor(HDC dc) override;
    // The lines' height goes with the scale the font is made for.
    void ApplyFont() override;

protected:
    void DoSync(Property what) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FillLines();
    void SetLineHeight();

    ListBox& list_;
};

// A drop-down list that cannot be typed in.
class ComboBoxPeer : public WindowPeer {
public:
    ComboBoxPeer(Win32Backend& backend, ComboBox& combo);
    void OnCommand(unsigned code) override;

protected:
    void DoSync(Property what) override;
    RECT Placement() const override;

private:
    void FillLines();

    ComboBox& combo_;
};

}  // namespace ui::win32
