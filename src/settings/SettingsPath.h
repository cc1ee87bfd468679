#pragma once

#include <string>

#include "platform/System.h"

// Where the settings file is: the application title and ".ini" in the executable's folder,
// as a portable copy keeps it. Only when no such file is there and that folder cannot be
// written (a program installed for all users) does it live in the user's application-data
// folder, in a folder named after the title. Wide, as folders may be named in any script.
std::wstring SettingsPath(System& system, const std::string& title);

// The folder of a path, with its trailing separator; empty when the path names none.
std::wstring FolderOf(const std::wstring& path);
