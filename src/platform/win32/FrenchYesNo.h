#pragma once

#include "platform/win32/Win32.h"

// While alive, gives the buttons of the next Yes/No box the program's own captions "&Oui" and
// "&Non", whatever the language of the system that draws the box.
class FrenchYesNo {
public:
    explicit FrenchYesNo(UINT boxFlags);
    ~FrenchYesNo();
    FrenchYesNo(const FrenchYesNo&) = delete;
    FrenchYesNo& operator=(const FrenchYesNo&) = delete;
};
