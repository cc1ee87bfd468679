#pragma once

#include "platform/System.h"
#include "tray/TrayIconSet.h"

// True when at least one icon is shown, or waits for the taskbar; otherwise the warning, and
// false.
bool CheckSomeIconShown(System& system, const TrayIconSet& icons);
