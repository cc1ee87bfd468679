#pragma once

#include <map>
#include <string>
#include <tuple>

#include "platform/win32/GuiObjects.h"
#include "ui/Font.h"
#include "ui/Geometry.h"
#include "ui/win32/Win32Api.h"

namespace ui::win32 {

COLORREF ToColorRef(Color color);

// The description of a font of that face and pixel height.
LOGFONTW FontDescription(const Font& font, int height, const std::wstring& face);

// One font per distinct font and dpi, one brush per plain colour: made on first use, shared by
// every window that uses them, deleted once when the backend goes.
class GdiCache {
public:
    GdiCache() = default;
    GdiCache(const GdiCache&) = delete;
    GdiCache& operator=(const GdiCache&) = delete;

    HFONT FontFor(const Font& font, int dpi);
    // System colours give the system's own brush, which is not ours to delete.
    HBRUSH BrushFor(Color color);

private:
    const std::wstring& UsableFace(const std::string& face);

    using FontKey = std::tuple<std::string, int, bool, bool>;
    std::map<FontKey, gui_objects::OwnedFont> fonts_;
    std::map<Color, gui_objects::OwnedBrush> brushes_;
    std::map<std::string, std::wstring> faces_;
};

}  // namespace ui::win32
