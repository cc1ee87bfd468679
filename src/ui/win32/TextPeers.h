#pragma once

#include "ui/Static.h"
#include "ui/win32/WindowPeer.h"

namespace ui::win32 {

// A static text in its own font and colour, which reports clicks. A left-aligned one grows to
// show its whole caption; a centred one keeps its box.
class LabelPeer : public WindowPeer {
public:
    LabelPeer(Win32Backend& backend, Label& label);
    void OnCommand(unsigned code) override;
    HBRUSH OnCtlColor(HDC dc) override;

protected:
    void DoSync(Property what) override;
    RECT Placement() const override;

private:
    Label& label_;
};

// A one-line edit on its own background colour; what is typed becomes the model's caption.
class EditPeer : public WindowPeer {
public:
    EditPeer(Win32Backend& backend, Edit& edit);
    void OnCommand(unsigned code) override;
    HBRUSH OnCtlColor(HDC dc) override;

protected:
    void DoSync(Property what) override;

private:
    Edit& edit_;
};

}  // namespace ui::win32
