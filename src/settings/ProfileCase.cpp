#include "settings/ProfileCase.h"

#include "settings/ProfileLine.h"
#include "types/Cp1252.h"

std::string NameKey(std::string_view name) {
    return LowerCase(TrimBlanks(name));
}
