#pragma once

// The system headers for the toolkit's Win32 side; <windows.h> must come first.
#include <windows.h>
// (kept apart so that include sorting leaves the order alone)
#include <commctrl.h>
#include <commdlg.h>

// Canvas::TextOut would otherwise be renamed TextOutW wherever these headers come first.
#undef TextOut
