#pragma once

#include <string>

#include "platform/System.h"

// The settings file is Windows-1252: a path with characters it cannot write would come back
// corrupted and be lost at the next start. True when the path can be kept; otherwise the error
// box, and false.
bool ConfirmStorablePath(System& system, const std::wstring& path);
