#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "types/Messages.h"
#include "ui/Canvas.h"
#include "ui/Control.h"

namespace ui {

enum class ModalResult { None, Ok, Cancel, Yes, No };

// Sizeable: the user may resize the window, and the anchored controls follow.
enum class BorderStyle { Single, Dialog, Sizeable };

// A top-level window. It is created hidden; Realize makes its window and its controls' windows
// through the current backend (without a backend peer it lives headless), and the first show
// does so if nothing did before.
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
    // Puts the window on top of all others (again), or back among them, without moving or
    // activating it.
    void SetTopMost(bool topMost);
    void MakeTopMost() { SetTopMost(true); }
    // Enter presses the default button, Escape the cancel button.
    Control* DefaultButton() const;
    Control* CancelButton() const;
    // The control that has the focus each time the form shows; null: the first in tab order.
    Control* ActiveControl() const { return activeControl_; }
    void SetActiveControl(Control* control) { activeControl_ = control; }

    void Show();
    void Hide();
    bool Showing() const { return Visible(); }
    // Closing the program's first form ends the program.
    void Close();
    // Entered once at a time: asked again from a message its loop runs, the form is not shown a
    // second time and the answer is Cancel.
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
    bool modal_ = false;
    Control* activeControl_ = nullptr;
    bool endsProgram_ = false;
};

}  // namespace ui
