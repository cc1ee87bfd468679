#include "app/Vossik.h"
#include "platform/win32/SystemLibraries.h"
#include "platform/win32/Win32.h"
#include "platform/win32/Win32System.h"
#include "ui/Application.h"
#include "ui/win32/Win32Backend.h"

namespace {

// The shell's file information, ShellExecute of shortcuts and addresses and the item menus all
// want the component layer started on this thread, for as long as the main form lives.
class OleSession {
public:
    OleSession() { OleInitialize(nullptr); }
    ~OleSession() { OleUninitialize(); }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    system_libraries::KeepSearchToSystemFolder();
    OleSession ole;
    Win32System system(instance);
    ui::Win32Backend backend(instance);
    ui::SetBackend(backend);
    ui::Application application;
    return RunVossik(system, application);
}
