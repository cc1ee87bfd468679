#pragma once

#include <windows.h>

// The GDI and USER objects the program makes and destroys, counted where they are made, so that
// a test can see that nothing grows with use: the system's own counts (GetGuiResources) are
// always 0 under Wine. The application window answers the registered message QueryMessage
// with MAKELONG(live GDI objects, live USER objects), for the end-to-end tests.
namespace gui_objects {

constexpr const wchar_t* QueryMessage = L"Vossik.GuiObjects";

HFONT MakeFont(const LOGFONTW& description);
HBRUSH MakeSolidBrush(COLORREF color);
void DeleteGdiObject(HGDIOBJ object);
HMENU MakePopupMenu();
// Its submenus go with it: `ours` counts the menus of ours among them, itself included.
void DestroyPopupMenu(HMENU menu, int ours = 1);
// Windows are made in many ways: their maker counts them.
void WindowMade(HWND window);
void WindowDestroyed();

LRESULT Live();

}  // namespace gui_objects
