#pragma once

#include <string>

#include "platform/System.h"

enum class MessageKind : int { Warning = 0, Error = 1, Information = 2, Confirmation = 3 };

// A question whose "&Oui" loses something has "&Non" as its default button, so that a reflex
// Enter keeps things as they are.
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo };

// Every message to the user: the kind's system sound, then the modal box titled after the kind.
// Returns the button pressed (mb::IdYes for "&Oui"). A box asked for while another shows waits
// its turn, and a question then is not asked: it gets BoxQueue::NotShown, no button at all, and
// the box showing comes forward (platform/BoxQueue.h).
int MessageWithBeep(System& system, const std::string& text, MessageKind kind,
                    MessageButtons buttons = MessageButtons::Ok);

// An unexpected error inside an event handler: a stop box titled with the application title.
void ShowHandlerError(System& system, const std::string& title, const std::string& text);
