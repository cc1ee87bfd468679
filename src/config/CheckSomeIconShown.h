#pragma once

#include "platform/System.h"
#include "tray/TrayIconSet.h"

// True when at least one icon is shown; otherwise the warning, and false.
bool CheckSomeIconShown(System& system, const TrayIconSet& icons);
