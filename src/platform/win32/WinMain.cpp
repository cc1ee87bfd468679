#include "app/Vossik.h"
#include "platform/win32/Win32.h"
#include "platform/win32/Win32System.h"
#include "ui/Application.h"
#include "ui/win32/Win32Backend.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    Win32System system(instance);
    ui::Win32Backend backend(instance);
    ui::SetBackend(backend);
    ui::Application application;
    return RunVossik(system, application);
}
