#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "types/Messages.h"
#include "ui/Canvas.h"
#include "ui/Control.h"

namespace ui {

enum class ModalResult { None, Ok, Cancel, Yes, No };

enum class BorderStyle { Single, Dialog };

// A top-level window. It is created hidden; Realize makes its window and its controls' windows
// through the current backend (without a backend peer it lives headless).
class Form : public Control {
public:
    explicit Form(std::string name);
    ControlKind Kind() const override { return ControlKind::Form; }

    void Realize();
    WindowHandle Handle() const;

    int ClientWidth() const { return Bounds().Width; }
    int ClientHeight() const { return Bounds().Height; }
    void SetClientSize(int width, int height) { SetBounds({0, 0, width, height}); }
    BorderStyle Border() const { return border_; }
    void SetBorder(BorderStyle border) { border_ = border; }
    bool TopMost() const { return topMost_; }
    // Puts the window on top of all others again, without moving or activating it.
    void MakeTopMost();
    void SetTopMost(bool topMost) { topMost_ = topMost; }
    Control* DefaultButton() const;

    void Show();
    void Hide();
    bool Showing() const { return Visible(); }
    // Closing the program's first form ends the program.
    void Close();
    ModalResult ShowModal();
    // Closes a modal form with that result, unless OnCloseQuery refuses.
    void EndModal(ModalResult result);
    ModalResult Result() const { return result_; }
    void SetEndsProgram(bool endsProgram) { endsProgram_ = endsProgram; }

    Handler OnShow;
    Handler OnHide;
    Handler OnClose;
    // Asked before a modal form closes with a result; false keeps it open.
    std::function<bool(ModalResult)> OnCloseQuery;
    Handler OnDeactivate;
    std::function<void(Canvas&)> OnPaint;
    // Messages by number; nothing means: the toolkit's own handling.
    using DefaultProc = std::function<std::intptr_t()>;
    std::function<std::optional<std::intptr_t>(const WindowMessage&, const DefaultProc&)> OnMessage;

private:
    BorderStyle border_ = BorderStyle::Single;
    ModalResult result_ = ModalResult::None;
    bool topMost_ = false;
    bool endsProgram_ = false;
};

}  // namespace ui
