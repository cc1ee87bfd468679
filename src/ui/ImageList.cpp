#include "ui/ImageList.h"

#include "ui/Backend.h"

namespace ui {

ImageList::ImageList() : peer_(CurrentBackend().CreateImageListPeer(*this)) {}

void ImageList::Recreate(ImageFormat format) {
    format_ = format;
    sources_.clear();
    if (peer_) peer_->Recreate(format);
}

void ImageList::AddIcon(IconHandle icon) {
    sources_.push_back(icon);
    if (peer_) peer_->AddIcon(icon);
}

}  // namespace ui
