// plant_loader.exe: the control of the planted-file tests. It loads each library named on its
// command line by name, the ordinary way, which looks beside the program first: run from a
// folder with planted libraries, it shows that they would be taken. After "/run", each name is
// a program started by name instead, as WinExec("EXPLORER.EXE ...") would, and waited for.
#include <windows.h>

namespace {

void run(const wchar_t* name) {
    wchar_t line[MAX_PATH];
    lstrcpynW(line, name, MAX_PATH);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return;
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    bool programs = false;
    for (int i = 1; i < argc; ++i) {
        if (lstrcmpW(argv[i], L"/run") == 0) {
            programs = true;
        } else if (programs) {
            run(argv[i]);
        } else {
            LoadLibraryW(argv[i]);
        }
    }
    return 0;
}
