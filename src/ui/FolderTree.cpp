#include "ui/FolderTree.h"

namespace ui {

void FolderTree::SetSelectedPath(std::wstring path) {
    if (path == selectedPath_) return;
    selectedPath_ = std::move(path);
    Changed(Property::Selection);
}

}  // namespace ui
