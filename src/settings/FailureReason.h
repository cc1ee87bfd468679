#pragma once

#include <string>

#include "platform/System.h"

// A file that is not there, as the system says it when a read fails.
bool IsAbsence(unsigned long error);

// Why a file could not be read or written, in the system's words; its number where it has none.
std::string FailureReason(System& system, unsigned long error);

// Why the program neither reads nor writes a file of that encoding (UnreadableEncoding).
std::string UnreadableEncodingText(const char* encoding);
