#include "drives/DriveSchedule.h"

namespace {

// A difference of two tick counts is right across their wrap; a start after `now` (set by a
// handler that ran meanwhile) has not begun.
std::uint32_t Elapsed(std::uint32_t since, std::uint32_t now) {
    const std::uint32_t elapsed = now - since;
    return elapsed > 0x7FFFFFFFu ? 0 : elapsed;
}

}  // namespace

void DriveSchedule::Set(int letter, Work what, std::uint32_t now) {
    letters_[letter] = {what, now};
}

std::uint32_t DriveSchedule::Letters(Work what) const {
    std::uint32_t letters = 0;
    for (int i = 0; i < DriveLetters; ++i)
        if (letters_[i].What == what) letters |= 1u << i;
    return letters;
}

std::optional<DriveSchedule::Task> DriveSchedule::TakeDue(std::uint32_t now, unsigned delay) {
    for (int i = 0; i < DriveLetters; ++i) {
        Entry& entry = letters_[i];
        if (entry.What == Work::None || Elapsed(entry.Since, now) < delay) continue;
        Task task{i, entry.What};
        entry = {};
        return task;
    }
    return std::nullopt;
}

std::optional<unsigned> DriveSchedule::UntilFirst(std::uint32_t now, unsigned delay) const {
    std::optional<unsigned> first;
    for (const Entry& entry : letters_) {
        if (entry.What == Work::None) continue;
        const std::uint32_t elapsed = Elapsed(entry.Since, now);
        const unsigned left = elapsed < delay ? delay - elapsed : 0;
        if (!first || left < *first) first = left;
    }
    return first;
}
