// Events the shell and the system send the program, for the single commands and the soak.
#pragma once

#include "win32.h"

// A right press on the icon; the menu is drawn, its selection moved once, then closed. Returns
// once the program is back in its message loop.
void open_icon_menu(HWND form, UINT id);

// WM_DEVICECHANGE with a volume (DBT_DEVICEARRIVAL or DBT_DEVICEREMOVECOMPLETE); false if the
// handler did not return within a second.
bool send_volume_change(HWND form, WPARAM event, DWORD unit_mask, WORD flags);
