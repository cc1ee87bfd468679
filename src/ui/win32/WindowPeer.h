#pragma once

#include <optional>

#include "ui/Control.h"
#include "ui/win32/Win32Api.h"

namespace ui {
class Win32Backend;
}

namespace ui::win32 {

class FormPeer;

// The window of one control. The peer subclasses it to see its messages, and the windows that
// contain controls pass their children's notifications on to the children's peers.
class WindowPeer : public ControlPeer {
public:
    WindowPeer(Win32Backend& backend, Control& control);
    ~WindowPeer() override;
    WindowPeer(const WindowPeer&) = delete;
    WindowPeer& operator=(const WindowPeer&) = delete;

    // Brings the window in step with the model; what the window reports meanwhile is its own
    // echo and changes nothing.
    void Sync(Property what) final;
    WindowHandle Handle() const override { return hwnd_; }

    HWND Window() const { return hwnd_; }
    Control& Model() const { return control_; }
    Win32Backend& TheBackend() const { return backend_; }
    FormPeer* OwnerForm() const { return form_; }
    int Dpi() const { return dpi_; }
    int Scale(int value) const;
    HFONT FontHandle() const;
    // The window the control's children are made in.
    virtual HWND ChildParent() const { return hwnd_; }

    // What this control's window tells its parent, passed on to it.
    virtual void OnCommand(unsigned) {}
    virtual std::optional<LRESULT> OnNotify(const NMHDR&) { return std::nullopt; }
    virtual void OnDrawItem(const DRAWITEMSTRUCT&) {}
    // The brush to paint the window with, its colours set in the context; null for the system's.
    virtual HBRUSH OnCtlColor(HDC) { return nullptr; }

    // Sends the effective font again, to this window and to the children that inherit it.
    virtual void ApplyFont();
    // The window and its children at another dpi: first every scale, then the fonts, then the
    // places, since a label's place depends on its font.
    void Rescale(int dpi);
    // The form is about to show: this window and its children do what they put off until then.
    void PrepareToShowTree();

    static WindowPeer* FromWindow(HWND hwnd);
    // The peer of a control made by this backend, which makes every control's peer a window's.
    static WindowPeer* Of(const Control* control);

protected:
    virtual void DoSync(Property what);
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    // For windows that contain controls: their children's notifications, to the children's peers.
    std::optional<LRESULT> RouteFromChild(UINT message, WPARAM wParam, LPARAM lParam);

    // Makes the control's window among its parent's children, with the model's state.
    HWND CreateControlWindow(const wchar_t* className, DWORD style, DWORD exStyle);
    void Attach(HWND hwnd);
    void SetForm(FormPeer* form, int dpi);
    void SetDpiTree(int dpi);
    void PlaceTree();
    bool Syncing() const { return syncing_ > 0; }
    DWORD TabStopStyle() const { return control_.TabStop() ? WS_TABSTOP : 0; }
    DWORD GroupStyle() const;
    // Where the window goes in its parent, scaled to the dpi.
    virtual RECT Placement() const;
    virtual bool ShownAtCreation() const { return control_.Visible(); }
    // Work that only matters on screen, put off from creation until the form first shows.
    virtual void PrepareToShow() {}
    void Place();
    void SyncHint();
    bool FillBackground(HDC dc);

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    void Detach();

    Win32Backend& backend_;
    Control& control_;
    HWND hwnd_ = nullptr;
    FormPeer* form_ = nullptr;
    int dpi_ = 96;
    int syncing_ = 0;
};

}  // namespace ui::win32
