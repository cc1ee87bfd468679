#pragma once

#include "ui/Form.h"
#include "ui/win32/Tooltips.h"
#include "ui/win32/WindowPeer.h"

namespace ui::win32 {

// A top-level form, owned by the application window so that it has no taskbar button of its
// own. It keeps the form's hint window and numbers its controls.
class FormPeer : public WindowPeer {
public:
    FormPeer(Win32Backend& backend, ui::Form& form);
    ~FormPeer() override;

    ui::Form& TheForm() const { return model_; }
    Tooltips& Hints() { return hints_; }
    // Control ids, unique in the form, clear of the dialog manager's IDOK and IDCANCEL.
    int NextId() { return nextId_++; }

protected:
    void DoSync(Property what) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OwnHandling(UINT message, WPARAM wParam, LPARAM lParam);
    void OnActivate(WPARAM wParam);
    LRESULT DefaultButtonId() const;
    void MoveFocus(WPARAM wParam, LPARAM lParam);
    void Paint();
    void Resize();
    void FollowUser(WPARAM kind);
    void FollowScale(WPARAM wParam, LPARAM lParam);
    void PressCancel();
    void ShowOrHide();
    void CentreOnScreen();
    DWORD Style() const;
    DWORD ExStyle() const;

    ui::Form& model_;
    Tooltips hints_;
    HWND lastFocus_ = nullptr;
    // The client size the form was designed for: a sizeable one gets no smaller.
    int designedWidth_;
    int designedHeight_;
    bool userSizing_ = false;
    int nextId_ = 100;
};

}  // namespace ui::win32
