#pragma once

#include <string>

// A path's folder part runs up to and including its last backslash or colon; its name part is
// the rest. "C:\" has an empty name part.
std::string FolderPart(const std::string& path);
std::string NamePart(const std::string& path);
