#pragma once

#include "ui/Static.h"
#include "ui/win32/WindowPeer.h"

namespace ui::win32 {

// A window of ours whose painting is the model's handler.
class PaintBoxPeer : public WindowPeer {
public:
    PaintBoxPeer(Win32Backend& backend, PaintBox& box);

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();

    PaintBox& box_;
};

}  // namespace ui::win32
