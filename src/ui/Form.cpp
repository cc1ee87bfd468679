#include "ui/Form.h"

#include "ui/Backend.h"
#include "ui/Buttons.h"

namespace ui {

Form::Form(std::string name) : Control(nullptr, std::move(name)) {
    SetVisible(false);
}

namespace {

void RealizeTree(Backend& backend, Control& control) {
    control.AttachPeer(backend.CreatePeer(control));
    for (Control* child : control.Children()) RealizeTree(backend, *child);
}

Control* FindButton(const Control& control, bool (Button::*role)() const) {
    for (Control* child : control.Children()) {
        if (child->Kind() == ControlKind::Button && (static_cast<Button*>(child)->*role)())
            return child;
        if (Control* found = FindButton(*child, role)) return found;
    }
    return nullptr;
}

}  // namespace

void Form::Realize() {
    RealizeTree(CurrentBackend(), *this);
}

WindowHandle Form::Handle() const {
    if (Peer()) return Peer()->Handle();
    // Headless: a stable stand-in that tells forms apart.
    return reinterpret_cast<WindowHandle>(const_cast<Form*>(this));
}

Control* Form::DefaultButton() const {
    return FindButton(*this, &Button::IsDefault);
}

Control* Form::CancelButton() const {
    return FindButton(*this, &Button::IsCancel);
}

void Form::SetTopMost(bool topMost) {
    topMost_ = topMost;
    if (Peer()) Peer()->Sync(Property::TopMost);
}

void Form::Show() {
    if (Visible()) return;
    if (!Peer()) Realize();
    SetVisible(true);
    if (OnShow) OnShow();
}

void Form::Hide() {
    if (!Visible()) return;
    SetVisible(false);
    if (OnHide) OnHide();
}

void Form::Close() {
    if (OnClose) OnClose();
    Hide();
    if (endsProgram_) CurrentBackend().Quit();
}

ModalResult Form::ShowModal() {
    if (modal_) return ModalResult::Cancel;
    modal_ = true;
    result_ = ModalResult::None;
    const ModalResult result = CurrentBackend().RunModal(*this);
    modal_ = false;
    return result;
}

void Form::EndModal(ModalResult result) {
    if (OnCloseQuery && !OnCloseQuery(result)) return;
    result_ = result;
    CurrentBackend().EndModal(*this);
}

}  // namespace ui
