#pragma once

// <windows.h> for the platform layer. Its A/W macros would rename the methods of our System
// interface that share a name with a system function, so they go.
#include <windows.h>
// (apart, so that include sorting keeps <windows.h> first)
#include <ole2.h>
#include <shellapi.h>

#undef FindResource
#undef LoadLibrary
#undef MessageBox
#undef RegisterWindowMessage
#undef PostMessage
#undef SendMessage
#undef ShellExecute
#undef LookupPrivilegeValue
#undef ShellExecuteEx
