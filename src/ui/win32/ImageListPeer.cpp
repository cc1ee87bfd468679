#include "ui/win32/ImageListPeer.h"

namespace ui::win32 {

Win32ImageListPeer::Win32ImageListPeer() {
    Reset(16, 16);
}

void Win32ImageListPeer::AddIcon(IconHandle icon) {
    if (list_ && icon) ImageList_ReplaceIcon(list_.get(), -1, icon);
}

// 32-bit pictures keep their alpha edges on every system; the mask serves older drawing.
void Win32ImageListPeer::Reset(int width, int height) {
    list_.reset(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 1, 1));
}

HIMAGELIST ImageListHandle(const ImageList& list) {
    auto* peer = static_cast<Win32ImageListPeer*>(list.Peer());
    return peer ? peer->Handle() : nullptr;
}

}  // namespace ui::win32
