#pragma once

#include <cstdint>

namespace ui {

// A box as the layouts give it: left, top, width, height, relative to the parent's client area,
// in pixels at 96 dpi.
struct Box {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const Box&) const = default;
};

// Edges, as drawing code uses them.
struct Rect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const Rect&) const = default;
};

struct Point {
    int X = 0;
    int Y = 0;
};

// 0x00BBGGRR, or a system colour: SystemColorFlag | the system's colour index.
using Color = std::uint32_t;
constexpr Color SystemColorFlag = 0x80000000u;
constexpr Color SystemColor(int index) {
    return SystemColorFlag | static_cast<Color>(index);
}
constexpr int SystemColorIndex(Color color) {
    return static_cast<int>(color & ~SystemColorFlag);
}
constexpr Color Rgb(int r, int g, int b) {
    return static_cast<Color>(r) | static_cast<Color>(g) << 8 | static_cast<Color>(b) << 16;
}

namespace syscolor {
constexpr Color ActiveCaption = SystemColor(2);
constexpr Color Menu = SystemColor(4);
constexpr Color Window = SystemColor(5);
constexpr Color MenuText = SystemColor(7);
constexpr Color WindowText = SystemColor(8);
constexpr Color Highlight = SystemColor(13);
constexpr Color HighlightText = SystemColor(14);
constexpr Color BtnFace = SystemColor(15);
constexpr Color BtnShadow = SystemColor(16);
constexpr Color GrayText = SystemColor(17);
constexpr Color BtnHighlight = SystemColor(20);
constexpr Color GradientActiveCaption = SystemColor(27);
constexpr Color MenuHilight = SystemColor(29);
}  // namespace syscolor

constexpr Color Black = Rgb(0, 0, 0);
constexpr Color White = Rgb(255, 255, 255);
constexpr Color Red = Rgb(255, 0, 0);

}  // namespace ui
