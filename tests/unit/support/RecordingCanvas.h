#pragma once

#include <string>
#include <vector>

#include "ui/Canvas.h"

// Keeps every drawing call.
class RecordingCanvas : public ui::Canvas {
public:
    struct Fill {
        ui::Rect Rect;
        ui::Color Color;
    };
    struct Icon {
        int X, Y;
        IconHandle Handle;
        int Width, Height;
    };
    struct Text {
        int X, Y;
        std::string Value;
    };

    void FillSolid(const ui::Rect& rect, ui::Color color) override {
        fills.push_back({rect, color});
    }
    void FillWithCurrentBrush(const ui::Rect& rect) override { brushFills.push_back(rect); }
    void DrawIcon(int x, int y, IconHandle icon, int width, int height) override {
        icons.push_back({x, y, icon, width, height});
    }
    void TextOut(int x, int y, const std::string& text) override { texts.push_back({x, y, text}); }
    void TextOutClipped(const ui::Rect& clip, int x, int y, const std::string& text) override {
        clips.push_back(clip);
        texts.push_back({x, y, text});
    }
    void SetFont(const ui::Font& font) override { fonts.push_back(font); }
    void RotateFont(int degrees) override { rotations.push_back(degrees); }
    int FontHeight() override { return fontHeight; }
    int BitsPerPixel() override { return bitsPerPixel; }
    ui::Rect PaintArea() override { return paintArea; }

    std::vector<Fill> fills;
    std::vector<ui::Rect> brushFills;
    std::vector<Icon> icons;
    std::vector<Text> texts;
    std::vector<ui::Rect> clips;
    std::vector<ui::Font> fonts;
    std::vector<int> rotations;
    int fontHeight = -11;
    int bitsPerPixel = 32;
    ui::Rect paintArea{0, 0, 428, 267};
};
