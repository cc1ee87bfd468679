#pragma once

#include <string>

#include "platform/System.h"
#include "tray/IconCache.h"

// The steps of taking one icon of that size out of another module's group-icon resource.
// Reporting, a failed step shows its box and the next step runs on the null handle; silent, the
// first failure ends the walk. Null when a step failed.
IconHandle ModuleIconSteps(System& system, const std::string& module, int resource, bool report,
                           IconSize size);
