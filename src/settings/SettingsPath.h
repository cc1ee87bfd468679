#pragma once

#include <string>

// The settings file: the executable's folder, with its trailing separator, then the
// application title and ".ini".
std::string SettingsPath(const std::string& executablePath, const std::string& title);
