#include "ui/win32/RotatedFont.h"

namespace ui::win32 {

// Only what makes the font's look is copied: the rest stays at the system's defaults.
gui_objects::OwnedFont CreateRotatedFont(HFONT font, int degrees) {
    LOGFONTW source = {};
    if (!GetObjectW(font, sizeof source, &source)) return {};
    LOGFONTW turned = {};
    turned.lfHeight = source.lfHeight;
    turned.lfEscapement = degrees * 10;
    turned.lfWeight = source.lfWeight >= FW_BOLD ? FW_BOLD : FW_NORMAL;
    turned.lfItalic = source.lfItalic;
    turned.lfUnderline = source.lfUnderline;
    turned.lfStrikeOut = source.lfStrikeOut;
    turned.lfCharSet = DEFAULT_CHARSET;
    const BYTE pitch = source.lfPitchAndFamily & 3;
    turned.lfPitchAndFamily = pitch == VARIABLE_PITCH || pitch == FIXED_PITCH ? pitch : 0;
    lstrcpynW(turned.lfFaceName, source.lfFaceName, LF_FACESIZE);
    return gui_objects::OwnedFont(CreateFontIndirectW(&turned));
}

}  // namespace ui::win32
