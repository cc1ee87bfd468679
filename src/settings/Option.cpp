#include "settings/Option.h"

namespace settings {

Option Check(const char* section, const char* key, bool byDefault, ui::CheckBox& box,
             const ui::RadioGroup* onlyWithLine1) {
    Option option{section, key, Binding::Check, byDefault ? 1 : 0};
    option.Box = &box;
    option.OnlyWithLine1 = onlyWithLine1;
    return option;
}

Option RadioPair(const char* section, const char* key, bool byDefault, ui::RadioButton& first,
                 ui::RadioButton& second) {
    Option option{section, key, Binding::RadioPair, byDefault ? 1 : 0};
    option.Radios = {&first, &second};
    return option;
}

Option Choice(const char* section, const char* key, int byDefault,
              std::array<ui::RadioButton*, 4> byValue) {
    Option option{section, key, Binding::Choice, byDefault};
    option.Max = static_cast<int>(byValue.size()) - 1;
    option.Radios = byValue;
    return option;
}

Option ListLine(const char* section, const char* key, int byDefault, int last, ui::ItemList& list) {
    Option option{section, key, Binding::ListLine, byDefault, 0, last};
    option.List = &list;
    return option;
}

Option GroupLine(const char* section, const char* key, int byDefault, int last,
                 ui::RadioGroup& group) {
    Option option{section, key, Binding::GroupLine, byDefault, 0, last};
    option.Group = &group;
    return option;
}

Option Delay(const char* section, const char* key, RefreshDelay& delay) {
    Option option{
        section, key, Binding::Delay, RefreshDelay::DefaultSeconds, 0, RefreshDelay::MaxSeconds};
    option.Delay = &delay;
    return option;
}

}  // namespace settings
