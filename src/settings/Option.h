#pragma once

#include <array>

#include "types/RefreshDelay.h"
#include "ui/Buttons.h"
#include "ui/Containers.h"
#include "ui/Lists.h"

namespace settings {

// How a stored number reaches its control and comes back from it, and what a number outside the
// option's range does there.
enum class Binding : unsigned char {
    // A check box: any number but 0 is true.
    Check,
    // Two radio buttons: the first takes the value, the second the opposite of the first's state.
    RadioPair,
    // A button per value from 0 to Max, one button possibly standing for several values: the
    // value's button is checked and every other one unchecked, none out of range. Written back
    // as the highest value whose button is checked, Max when none is.
    Choice,
    // The selected line of a list: none out of range.
    ListLine,
    // The selected line of a radio group: out of range, the nearer of no line (-1) and Max.
    GroupLine,
    // The drive refresh delay, in seconds: the default out of range. Not written while it is the
    // default, so that a value already in the file stays.
    Delay,
};

// One option of the settings file: where it is stored, the control (or the drive refresh delay)
// that holds it while the program runs, its default and the numbers it may take.
struct Option {
    const char* Section = nullptr;
    const char* Key = nullptr;
    Binding Kind = Binding::Check;
    // What a missing key, or text that is not a number, reads as.
    int Default = 0;
    int Min = 0;
    int Max = 1;
    ui::CheckBox* Box = nullptr;
    // Written true only while this group has its line 1 selected.
    const ui::RadioGroup* OnlyWithLine1 = nullptr;
    // By value.
    std::array<ui::RadioButton*, 4> Radios{};
    ui::ItemList* List = nullptr;
    ui::RadioGroup* Group = nullptr;
    RefreshDelay* Delay = nullptr;
};

// The rows of a table of options, one function per binding.
Option Check(const char* section, const char* key, bool byDefault, ui::CheckBox& box,
             const ui::RadioGroup* onlyWithLine1 = nullptr);
Option RadioPair(const char* section, const char* key, bool byDefault, ui::RadioButton& first,
                 ui::RadioButton& second);
Option Choice(const char* section, const char* key, int byDefault,
              std::array<ui::RadioButton*, 4> byValue);
Option ListLine(const char* section, const char* key, int byDefault, int last, ui::ItemList& list);
Option GroupLine(const char* section, const char* key, int byDefault, int last,
                 ui::RadioGroup& group);
Option Delay(const char* section, const char* key, RefreshDelay& delay);

}  // namespace settings
