#include "ui/win32/WindowClasses.h"

#include "ui/win32/AppWindow.h"
#include "ui/win32/TimerHost.h"

namespace ui::win32 {

namespace {

ATOM Register(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, UINT style, HICON icon) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.lpszClassName = name;
    return RegisterClassExW(&windowClass);
}

}  // namespace

// The forms, pages and paint boxes do their work in their peers' subclass procedures; the
// classes themselves only need the default one. Backgrounds are erased by the peers.
ClassAtoms RegisterWindowClasses(HINSTANCE instance) {
    // The program's own icon when the resources have one, shared and never destroyed.
    HICON icon = LoadIconW(instance, L"MAINICON");
    if (!icon) icon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // IDI_APPLICATION
    ClassAtoms atoms;
    atoms.Form = Register(instance, FormClass, DefWindowProcW, CS_DBLCLKS, icon);
    atoms.Page = Register(instance, PageClass, DefWindowProcW, CS_DBLCLKS, nullptr);
    atoms.PaintBox = Register(instance, PaintBoxClass, DefWindowProcW, CS_DBLCLKS, nullptr);
    atoms.Application = Register(instance, ApplicationClass, ApplicationWindow::ClassProc, 0, icon);
    atoms.Timer = Register(instance, TimerClass, TimerHost::WindowProc, 0, nullptr);
    return atoms;
}

void UnregisterWindowClasses(HINSTANCE instance) {
    for (const wchar_t* name : {FormClass, PageClass, PaintBoxClass, ApplicationClass, TimerClass})
        UnregisterClassW(name, instance);
}

}  // namespace ui::win32
