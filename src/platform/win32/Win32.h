#pragma once

// <windows.h> for the platform layer. Its A/W macros would rename the methods of our System
// interface that share a name with a system function, so they go.
#include <windows.h>
#include <shellapi.h>

#undef FindResource
#undef LoadLibrary
#undef MessageBox
#undef RegisterWindowMessage
#undef SendMessage
#undef ShellExecute
