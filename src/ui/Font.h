#pragma once

#include <string>

#include "ui/Geometry.h"

namespace ui {

// Height is the character height in pixels at 96 dpi, negative as the system takes it.
struct Font {
    std::string Face = "MS Sans Serif";
    int Height = -11;
    bool Bold = false;
    bool Italic = false;
    Color TextColor = syscolor::WindowText;
    bool operator==(const Font&) const = default;
};

}  // namespace ui
