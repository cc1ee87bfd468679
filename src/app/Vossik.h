#pragma once

#include <memory>

#include "app/ConfigVossik.h"
#include "platform/System.h"
#include "ui/Application.h"

// The program up to its message loop: the application's title, the settings file's place, the
// one copy per settings file, then the main form made and created. Nothing when a copy of the
// program already runs with that file: it was handed the command line.
std::unique_ptr<TConfigVossik> StartVossik(System& system, ui::Application& application);

// The program: its start, then the message loop. Returns the exit code.
int RunVossik(System& system, ui::Application& application);
