// Controls that keep their texts behind pointers (tab captions, tooltip texts): reading them
// needs a buffer in the other process.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "win32.h"

std::vector<std::wstring> tab_captions(HWND tab);

struct Tool {
    TTTOOLINFOW info;  // lpszText is not filled in
    std::wstring text;
};
std::vector<Tool> tooltip_tools(HWND tooltip);

// The hints a form gives its controls: the tools of the tooltip windows it owns that stand for a
// window (TTF_IDISHWND), by that window.
std::map<HWND, std::wstring> control_hints(HWND form);
