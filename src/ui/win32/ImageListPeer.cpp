#include "ui/win32/ImageListPeer.h"

namespace ui::win32 {

namespace {

HIMAGELIST MakeList(ImageFormat format) {
    UINT flags = (format == ImageFormat::Color32 ? ILC_COLOR32 : ILC_COLOR) | ILC_MASK;
    return ImageList_Create(16, 16, flags, 1, 1);
}

}  // namespace

Win32ImageListPeer::Win32ImageListPeer(ImageFormat format) : list_(MakeList(format)) {}

Win32ImageListPeer::~Win32ImageListPeer() {
    if (list_) ImageList_Destroy(list_);
}

void Win32ImageListPeer::Recreate(ImageFormat format) {
    if (list_) ImageList_Destroy(list_);
    list_ = MakeList(format);
}

void Win32ImageListPeer::AddIcon(IconHandle icon) {
    if (list_ && icon) ImageList_ReplaceIcon(list_, -1, icon);
}

HIMAGELIST ImageListHandle(const ImageList& list) {
    auto* peer = dynamic_cast<Win32ImageListPeer*>(list.Peer());
    return peer ? peer->Handle() : nullptr;
}

}  // namespace ui::win32
