// Tab controls keep their captions behind pointers, so reading them needs the other process.
#pragma once

#include <string>
#include <vector>

#include "win32.h"

std::vector<std::wstring> tab_captions(HWND tab);
