#pragma once

#include <memory>
#include <vector>

#include "types/Handles.h"

namespace ui {

class ImageListPeer {
public:
    virtual ~ImageListPeer() = default;
    // Appends a copy of the icon.
    virtual void AddIcon(IconHandle icon) = 0;
    // Drops every image; those that follow are of that size.
    virtual void Reset(int width, int height) = 0;
};

// Images of one size (16 x 16 until told otherwise) in 32-bit colour with a mask, on every
// system. The list keeps copies: the caller still owns the icons it adds.
class ImageList {
public:
    ImageList();
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    void AddIcon(IconHandle icon);
    // Empties the list for images of that size.
    void Reset(int width, int height);
    int Count() const { return static_cast<int>(sources_.size()); }
    // The icons the images were copied from, in order.
    const std::vector<IconHandle>& Sources() const { return sources_; }
    ImageListPeer* Peer() const { return peer_.get(); }

private:
    std::vector<IconHandle> sources_;
    std::unique_ptr<ImageListPeer> peer_;
};

}  // namespace ui
