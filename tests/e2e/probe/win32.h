// The Windows headers the probe uses, in the order they need: commctrl.h, shellapi.h and dbt.h
// rely on windows.h coming first, which include sorting would undo.
#pragma once

// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <dbt.h>
#include <shellapi.h>
// clang-format on
