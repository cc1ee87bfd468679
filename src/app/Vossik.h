#pragma once

#include "platform/System.h"
#include "ui/Application.h"

// The program: its forms, in order, then the message loop. Returns the exit code.
int RunVossik(System& system, ui::Application& application);
