#include "tray/PaintGradient.h"

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    if (c < 0) {
        a = -a;
        c = -c;
    }
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t half = c / 2;
    return static_cast<int>((product >= 0 ? product + half : product - half) / c);
}

namespace {

constexpr int Bands = 428;

int Channel(ui::Color color, int shift) {
    return static_cast<int>(color >> shift & 0xFF);
}

}  // namespace

void PaintGradient(ui::Canvas& canvas, const ui::Rect& rect, ui::Color start, ui::Color end) {
    const int shifts[] = {0, 8, 16};
    int from[3], difference[3];
    for (int c = 0; c < 3; ++c) {
        from[c] = Channel(start, shifts[c]);
        difference[c] = Channel(end, shifts[c]) - from[c];
    }
    for (int band = 0; band < Bands; ++band) {
        ui::Color color = 0;
        for (int c = 0; c < 3; ++c) {
            int value = from[c] + MulDiv(band, difference[c], Bands - 1);
            color |= static_cast<ui::Color>(value) << shifts[c];
        }
        int left = MulDiv(band, rect.Right, Bands);
        int right = MulDiv(band + 1, rect.Right, Bands);
        canvas.FillSolid({left, 0, right, rect.Bottom}, color);
    }
}
