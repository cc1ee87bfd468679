#pragma once

#include <cstdint>

#include "ui/Canvas.h"

// a * b / c in 64 bits, rounded half away from zero; -1 when c is 0, as the system's MulDiv.
int MulDiv(int a, int b, int c);

// A left-to-right gradient of 428 vertical bands from x = 0 to rect.Right and y = 0 to
// rect.Bottom. The colour steps divide by 427, so the first band is exactly `start` and the last
// exactly `end`, whatever the width.
void PaintGradient(ui::Canvas& canvas, const ui::Rect& rect, ui::Color start, ui::Color end);
