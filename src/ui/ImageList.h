#pragma once

#include <memory>
#include <vector>

#include "types/Handles.h"

namespace ui {

enum class ImageFormat { Default, Color32 };

class ImageListPeer {
public:
    virtual ~ImageListPeer() = default;
    // Destroys the current list and makes an empty one of that format.
    virtual void Recreate(ImageFormat format) = 0;
    // Appends a copy of the icon.
    virtual void AddIcon(IconHandle icon) = 0;
};

// 16 x 16 images with a mask. The list keeps copies: the caller still owns the icons it adds.
class ImageList {
public:
    ImageList();
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    ImageFormat Format() const { return format_; }
    void Recreate(ImageFormat format);
    void AddIcon(IconHandle icon);
    int Count() const { return static_cast<int>(sources_.size()); }
    // The icons the images were copied from, in order.
    const std::vector<IconHandle>& Sources() const { return sources_; }
    ImageListPeer* Peer() const { return peer_.get(); }

private:
    ImageFormat format_ = ImageFormat::Default;
    std::vector<IconHandle> sources_;
    std::unique_ptr<ImageListPeer> peer_;
};

}  // namespace ui
