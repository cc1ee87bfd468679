// plant_loader.exe: the control of the planted-library test. It loads each library named on
// its command line by name, the ordinary way, which looks beside the program first: run from
// a folder with planted libraries, it shows that they would be taken.
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    for (int i = 1; i < argc; ++i) LoadLibraryW(argv[i]);
    return 0;
}
