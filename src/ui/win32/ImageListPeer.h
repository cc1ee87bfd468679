#pragma once

#include "ui/ImageList.h"
#include "ui/win32/OwnedImageList.h"
#include "ui/win32/Win32Api.h"

namespace ui::win32 {

// A system image list in 32-bit colour with a mask, 16 x 16 until reset to another size; it
// owns the list and copies the icons it is given.
class Win32ImageListPeer : public ImageListPeer {
public:
    Win32ImageListPeer();

    void AddIcon(IconHandle icon) override;
    void Reset(int width, int height) override;
    HIMAGELIST Handle() const { return list_.get(); }

private:
    OwnedImageList list_;
};

// The system list behind a toolkit image list, for the menus that draw its pictures; null when
// it has none.
HIMAGELIST ImageListHandle(const ImageList& list);

}  // namespace ui::win32
