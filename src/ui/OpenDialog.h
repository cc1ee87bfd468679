#pragma once

#include <string>

namespace ui {

// The system's dialog that chooses an existing file: what it asks, and what was chosen.
class OpenDialog {
public:
    std::string Title;
    // Pairs of a description and its patterns, separated by '|'.
    std::string Filter;
    std::string DefaultExt;
    // The name shown at the start and, after a choice, the chosen file's full path. Wide: the
    // file may be named in any script.
    std::wstring FileName;

    // True when the user chose a file.
    bool Execute();
};

}  // namespace ui
