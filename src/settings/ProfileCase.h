#pragma once

#include <string>
#include <string_view>

// The form under which section and key names are compared: blanks around the name removed,
// letters in one case. Case folds for the ASCII letters and the accented letters of
// Windows-1252 alike, so "ARRÊTER" finds "Arrêter"; letters without a partner in the code
// page (ß, µ) only match themselves.
std::string NameKey(std::string_view name);
