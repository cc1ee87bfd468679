#pragma once

#include <string>

// The settings file: the executable's folder, with its trailing separator, then the
// application title and ".ini". Wide, as the folder's name may be in any script.
std::wstring SettingsPath(const std::wstring& executablePath, const std::string& title);
