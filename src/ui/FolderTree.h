#pragma once

#include <string>

#include "ui/Control.h"

namespace ui {

// The shell's folders as a tree, from the computer down. It holds the parsing path of the chosen
// folder, wide because a folder's name may be in any script; empty while none is chosen.
class FolderTree : public Control {
public:
    using Control::Control;
    ControlKind Kind() const override { return ControlKind::FolderTree; }

    const std::wstring& SelectedPath() const { return selectedPath_; }
    // The user's choice in the tree, or a choice made from code, which the tree then shows.
    void SetSelectedPath(std::wstring path);

private:
    std::wstring selectedPath_;
};

}  // namespace ui
