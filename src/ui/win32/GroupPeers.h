#pragma once

#include <vector>

#include "ui/Containers.h"
#include "ui/win32/WindowPeer.h"

namespace ui::win32 {

// A group box that is the real parent of its controls: their boxes are relative to its top-left
// corner, and it passes their notifications on. It takes clicks on its own surface.
class GroupBoxPeer : public WindowPeer {
public:
    GroupBoxPeer(Win32Backend& backend, Control& group);
    HBRUSH OnCtlColor(HDC dc) override;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void OnSurfaceClick();
};

// A group box with one radio button per item, spread evenly over its height.
class RadioGroupPeer : public GroupBoxPeer {
public:
    RadioGroupPeer(Win32Backend& backend, RadioGroup& group);
    void ApplyFont() override;

protected:
    void DoSync(Property what) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSurfaceClick() override {}

private:
    void MakeButtons();
    void LayOut();
    void SyncChecks();
    int IndexOf(HWND button) const;

    RadioGroup& group_;
    std::vector<HWND> buttons_;
};

}  // namespace ui::win32
