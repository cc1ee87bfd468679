#pragma once

#include <string>
#include <string_view>

// The form under which section and key names are compared: blanks around the name removed,
// letters in one case (LowerCase), so "ARRÊTER" finds "Arrêter".
std::string NameKey(std::string_view name);
