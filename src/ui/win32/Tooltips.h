#pragma once

#include <string>

#include "ui/win32/Win32Api.h"

namespace ui::win32 {

// The hint window of one form: a tool per control that has a hint.
class Tooltips {
public:
    Tooltips() = default;
    ~Tooltips();
    Tooltips(const Tooltips&) = delete;
    Tooltips& operator=(const Tooltips&) = delete;

    void Create(HWND form, HINSTANCE instance);
    // An empty text removes the control's tool.
    void Set(HWND control, const std::string& text);
    void Remove(HWND control);

private:
    HWND tip_ = nullptr;
};

}  // namespace ui::win32
