#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/System.h"

enum class Refusal { Add, Change };

// What the shell refuses of our requests, told to the user: never halfway through a change of
// the icons, one box for all that one change met, and nothing when the refusal is no news (no
// taskbar yet, or a restarted one whose re-adding is coming).
class TrayRefusals {
public:
    explicit TrayRefusals(System& system) : system_(system) {}
    TrayRefusals(const TrayRefusals&) = delete;
    TrayRefusals& operator=(const TrayRefusals&) = delete;

    // Tells of a refused request about the icon with that tip, now or when the change ends.
    void Tell(Refusal refusal, const std::string& tip);

    // A taskbar made anew is answered from the loop: until then whatever the shell refuses is
    // its doing, and adding the icons again mends it. False when a re-adding was awaited
    // already.
    bool AwaitReadd();
    void EndReaddWait();

private:
    friend class TrayChange;

    // The tips of the icons concerned, by what was asked.
    struct Noted {
        std::vector<std::string> Adds;
        std::vector<std::string> Changes;
        std::vector<std::string>& Of(Refusal refusal) {
            return refusal == Refusal::Add ? Adds : Changes;
        }
        bool Empty() const { return Adds.empty() && Changes.empty(); }
    };

    void TellNow(const Noted& refusals);

    System& system_;
    int openChanges_ = 0;
    Noted noted_;
    bool readdAwaited_ = false;
};

// While one lives, refusals are only noted: their boxes run a message loop, which must not find
// the records, the lines of the lists and the icons halfway through a change. The outermost
// one tells them when it ends, all in step again, then runs its `ended`.
class TrayChange {
public:
    TrayChange(TrayRefusals& refusals, std::function<void()> ended);
    ~TrayChange();
    TrayChange(const TrayChange&) = delete;
    TrayChange& operator=(const TrayChange&) = delete;

private:
    TrayRefusals& refusals_;
    std::function<void()> ended_;
};
