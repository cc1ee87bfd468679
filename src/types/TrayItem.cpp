#include "types/TrayItem.h"

#include <cstring>

std::string TrayItem::Tip() const {
    return std::string(IconData.szTip, strnlen(IconData.szTip, sizeof IconData.szTip));
}
