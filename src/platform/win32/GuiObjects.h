#pragma once

#include <windows.h>

// The GDI and USER objects the program makes are counted, so that a test can see that nothing
// grows with use: the system's own counts (GetGuiResources) are always 0 under Wine. Fonts,
// brushes, bitmaps and menus are held by owners that count them while they live and destroy
// them once; windows are counted by their makers. The application window answers the
// registered message QueryMessage with MAKELONG(live GDI objects, live USER objects), for the
// end-to-end tests.
namespace gui_objects {

constexpr const wchar_t* QueryMessage = L"Vossik.GuiObjects";

// One font, brush or bitmap, given to its owner as it is made (or handed over by the system).
class OwnedGdiObject {
public:
    OwnedGdiObject() = default;
    explicit OwnedGdiObject(HGDIOBJ made);
    ~OwnedGdiObject();
    OwnedGdiObject(OwnedGdiObject&& other) noexcept;
    OwnedGdiObject& operator=(OwnedGdiObject&& other) noexcept;

    explicit operator bool() const { return object_ != nullptr; }

protected:
    HGDIOBJ object_ = nullptr;
};

template <typename Handle>
class OwnedGdi : public OwnedGdiObject {
public:
    OwnedGdi() = default;
    explicit OwnedGdi(Handle made) : OwnedGdiObject(made) {}
    Handle Get() const { return static_cast<Handle>(object_); }
};

using OwnedFont = OwnedGdi<HFONT>;
using OwnedBrush = OwnedGdi<HBRUSH>;
using OwnedBitmap = OwnedGdi<HBITMAP>;

// A popup menu of ours, destroyed once with the submenus it was given.
class OwnedMenu {
public:
    OwnedMenu() = default;
    // An empty popup menu.
    static OwnedMenu MakePopup();
    ~OwnedMenu();
    OwnedMenu(OwnedMenu&& other) noexcept;
    OwnedMenu& operator=(OwnedMenu&& other) noexcept;

    HMENU Get() const { return menu_; }
    explicit operator bool() const { return menu_ != nullptr; }
    // Appends `submenu` as an item that opens it; it goes with this menu from then on.
    void AppendSubmenu(UINT flags, OwnedMenu submenu, LPCWSTR content);

private:
    HMENU menu_ = nullptr;
    // The menus of ours that go when it goes: itself and the submenus it was given.
    int ours_ = 0;
};

// Windows are made in many ways: their maker counts them.
void WindowMade(HWND window);
void WindowDestroyed();

LRESULT Live();

}  // namespace gui_objects
