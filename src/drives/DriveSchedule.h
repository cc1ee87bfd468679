#pragma once

#include <array>
#include <cstdint>
#include <optional>

// Only the 26 letters are drives: a unit mask's other bits name nothing.
constexpr int DriveLetters = 26;
constexpr std::uint32_t AllDriveLetters = (1u << DriveLetters) - 1;

// What waits to be done for each drive letter after its notices, and since when. One thing per
// letter: a later notice replaces what an earlier one asked for, and the delay starts again from
// it, so that a contact that flaps ends as its last notice says.
class DriveSchedule {
public:
    enum class Work : std::uint8_t { None, Create, Refresh, Remove };
    struct Task {
        int Letter;
        Work What;
    };

    // `now` and the times below are tick counts, read across their wrap.
    void Set(int letter, Work what, std::uint32_t now);
    void Clear(int letter) { letters_[letter] = {}; }
    Work Pending(int letter) const { return letters_[letter].What; }
    // The letters (bit 0 is A) with that work pending.
    std::uint32_t Letters(Work what) const;
    bool Empty() const { return Letters(Work::None) == AllDriveLetters; }
    // The first letter, in letter order, whose delay has passed by `now`; it is taken off.
    std::optional<Task> TakeDue(std::uint32_t now, unsigned delay);
    // Milliseconds from `now` until the first delay passes; nothing when nothing waits.
    std::optional<unsigned> UntilFirst(std::uint32_t now, unsigned delay) const;

private:
    struct Entry {
        Work What = Work::None;
        std::uint32_t Since = 0;
    };
    std::array<Entry, DriveLetters> letters_{};
};
