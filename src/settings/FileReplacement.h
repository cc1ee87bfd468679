#pragma once

#include <string>

#include "platform/System.h"

// Puts new content in the settings file's place in one step, so that a failure leaves the
// previous file whole. The content is written beside the file that the path leads to (the target
// of a symbolic link, which stays a link, made first when the link leads to no file yet), in a
// file made anew under a name nothing had, then takes the file's place keeping its attributes and
// security; a rename does it only where the file system cannot replace. A read-only file is not
// ours to write. 0 when done, else the error of the step that failed.
unsigned long ReplaceSettingsFile(System& system, const std::wstring& path,
                                  const std::string& content);
