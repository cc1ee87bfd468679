#pragma once

#include <memory>
#include <string>

#include "ui/win32/Win32Api.h"

namespace ui::win32 {

struct ImageListDeleter {
    void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
using OwnedImageList = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDeleter>;

// A button's pictures, one per button state, from a bitmap resource holding the normal and the
// greyed image side by side on an olive background; null when the resource is missing.
OwnedImageList LoadButtonGlyphs(HINSTANCE instance, const std::string& name);

}  // namespace ui::win32
