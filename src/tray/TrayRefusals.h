#pragma once

#include <string>

#include "platform/System.h"

// What the shell refuses of our requests, told to the user: never halfway through a change of
// the icons, one box for all that one change met, and nothing when the refusal is no news (no
// taskbar yet, or a restarted one whose re-adding is coming).

enum class Refusal { Add, Change };

// Tells of a refused request about the icon with that tip, now or when the change ends.
void TellRefusal(System& system, Refusal refusal, const std::string& tip);

// A taskbar made anew during one of our shell calls is answered once the loop runs: until then
// whatever the shell refuses is its doing, and adding the icons again mends it. False when a
// re-adding was awaited already.
bool AwaitReadd();
void EndReaddWait();

// While one lives, refusals are only noted: their boxes run a message loop, which must not find
// the records, the lines of the lists and the icons halfway through a change. The outermost
// one tells them when it ends, all in step again.
class TrayChange {
public:
    explicit TrayChange(System& system);
    ~TrayChange();
    TrayChange(const TrayChange&) = delete;
    TrayChange& operator=(const TrayChange&) = delete;

private:
    System& system_;
};
