#include "settings/SettingsPath.h"

std::string SettingsPath(const std::string& executablePath, const std::string& title) {
    std::size_t separator = executablePath.find_last_of("\\/");
    std::string folder =
        separator == std::string::npos ? std::string() : executablePath.substr(0, separator + 1);
    return folder + title + ".ini";
}
