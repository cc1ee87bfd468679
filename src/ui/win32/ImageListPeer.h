#pragma once

#include "ui/ImageList.h"
#include "ui/win32/Win32Api.h"

namespace ui::win32 {

// A 16 x 16 system image list in 32-bit colour with a mask; it owns the list and copies the icons
// it is given.
class Win32ImageListPeer : public ImageListPeer {
public:
    Win32ImageListPeer();
    ~Win32ImageListPeer() override;
    Win32ImageListPeer(const Win32ImageListPeer&) = delete;
    Win32ImageListPeer& operator=(const Win32ImageListPeer&) = delete;

    void AddIcon(IconHandle icon) override;
    HIMAGELIST Handle() const { return list_; }

private:
    HIMAGELIST list_ = nullptr;
};

// The system list behind a toolkit image list, for the menus that draw its pictures; null when
// it has none.
HIMAGELIST ImageListHandle(const ImageList& list);

}  // namespace ui::win32
