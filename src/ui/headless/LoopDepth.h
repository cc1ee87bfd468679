#pragma once

#include <algorithm>

// The nested loops of one kind (a box, a dialog, a menu) open at a time, and the most ever: a
// test of the rule that none is entered inside itself.
struct LoopDepth {
    int Open = 0;
    int Most = 0;
    void Enter() { Most = std::max(Most, ++Open); }
    void Leave() { --Open; }
};
