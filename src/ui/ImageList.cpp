#include "ui/ImageList.h"

#include "ui/Backend.h"

namespace ui {

ImageList::ImageList() : peer_(CurrentBackend().CreateImageListPeer(*this)) {}

void ImageList::AddIcon(IconHandle icon) {
    sources_.push_back(icon);
    if (peer_) peer_->AddIcon(icon);
}

void ImageList::Reset(int width, int height) {
    sources_.clear();
    if (peer_) peer_->Reset(width, height);
}

}  // namespace ui
