#include "ui/win32/GdiCache.h"

#include <cstddef>
#include <utility>

#include "ui/win32/Dpi.h"
#include "ui/win32/WideText.h"

namespace ui::win32 {

namespace {

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD type, LPARAM found) {
    // A bitmap face would not scale with the dpi: it does not count.
    if (!(type & RASTER_FONTTYPE)) *reinterpret_cast<bool*>(found) = true;
    return 1;
}

bool ScalableFaceInstalled(const std::wstring& face) {
    if (face.empty() || face.size() >= LF_FACESIZE) return false;
    LOGFONTW wanted = {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(wanted.lfFaceName, face.size());
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

std::wstring MessageFontFace() {
    NONCLIENTMETRICSW metrics = {};
    // The size of the oldest layout, which every system accepts.
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return {};
    return metrics.lfMessageFont.lfFaceName;
}

}  // namespace

COLORREF ToColorRef(Color color) {
    if (color & SystemColorFlag) return GetSysColor(static_cast<int>(color & ~SystemColorFlag));
    return static_cast<COLORREF>(color & 0x00FFFFFF);
}

LOGFONTW FontDescription(const Font& font, int height, const std::wstring& face) {
    LOGFONTW logFont = {};
    logFont.lfHeight = height;
    logFont.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = font.Italic;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
    logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logFont.lfQuality = DEFAULT_QUALITY;
    face.copy(logFont.lfFaceName, LF_FACESIZE - 1);
    return logFont;
}

// The classic dialog face is missing or bitmap-only on many systems: the nearest that scales.
const std::wstring& GdiCache::UsableFace(const std::string& face) {
    auto known = faces_.find(face);
    if (known != faces_.end()) return known->second;
    std::wstring chosen;
    for (const std::wstring& candidate :
         {Widen(face), std::wstring(L"Microsoft Sans Serif"), std::wstring(L"Tahoma")}) {
        if (ScalableFaceInstalled(candidate)) {
            chosen = candidate;
            break;
        }
    }
    if (chosen.empty()) chosen = MessageFontFace();
    return faces_.emplace(face, chosen).first->second;
}

HFONT GdiCache::FontFor(const Font& font, int dpi) {
    int height = FontHeightToDpi(font.Height, dpi);
    FontKey key{font.Face, height, font.Bold, font.Italic};
    auto known = fonts_.find(key);
    if (known != fonts_.end()) return known->second.Get();

    const LOGFONTW description = FontDescription(font, height, UsableFace(font.Face));
    gui_objects::OwnedFont made(CreateFontIndirectW(&description));
    return fonts_.emplace(key, std::move(made)).first->second.Get();
}

HBRUSH GdiCache::BrushFor(Color color) {
    if (color & SystemColorFlag)
        return GetSysColorBrush(static_cast<int>(color & ~SystemColorFlag));
    auto known = brushes_.find(color);
    if (known != brushes_.end()) return known->second.Get();
    gui_objects::OwnedBrush made(CreateSolidBrush(ToColorRef(color)));
    return brushes_.emplace(color, std::move(made)).first->second.Get();
}

}  // namespace ui::win32
