#pragma once

#include <memory>

#include "ui/win32/Win32Api.h"

namespace ui::win32 {

// An image list and the duty to destroy it, once.
struct ImageListDeleter {
    void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
using OwnedImageList = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDeleter>;

}  // namespace ui::win32
