// probe: inspects and drives the windows of the program under test, for the end-to-end tests.
// Usage: probe <command> [arguments...]; prints one JSON document (UTF-8) on stdout, or a
// message on stderr and exit code 1.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <exception>

#include "commands.h"
#include "window_util.h"

namespace {

struct Command {
    const wchar_t* name;
    void (*run)(const Args&, Json&);
    size_t min_args;
    const char* usage;
};

const Command kCommands[] = {
    {L"windows", cmd_windows, 0, "windows"},
    {L"wait-window", cmd_wait_window, 1, "wait-window <caption> [timeout_ms]"},
    {L"wait-gone", cmd_wait_gone, 1, "wait-gone <caption> [timeout_ms]"},
    {L"taskbar", cmd_taskbar, 0, "taskbar"},
    {L"dump", cmd_dump, 1, "dump <caption>"},
    {L"click", cmd_click, 2, "click <caption> <control text> [--mouse]"},
    {L"key", cmd_key, 2, "key <caption> <Enter|Escape>"},
    {L"select-tab", cmd_select_tab, 2, "select-tab <caption> <tab text>"},
    {L"tray", cmd_tray, 2, "tray <mouse message> <icon id> [--taken]"},
    {L"taskbar-created", cmd_taskbar_created, 0, "taskbar-created"},
    {L"device", cmd_device, 2,
     "device <arrival|removal> <letters> [media|net|plain] [count] [interval_ms]"},
    {L"post", cmd_post, 3, "post <message> <wparam> <lparam> [count]"},
    {L"copy-data", cmd_copy_data, 1, "copy-data <bytes>"},
    {L"burst", cmd_burst, 1, "burst <count>"},
    {L"message-boxes", cmd_message_boxes, 0, "message-boxes [wait_ms]"},
    {L"answer-box", cmd_answer_box, 2, "answer-box <caption> <button text>"},
    {L"tray-icons", cmd_tray_icons, 0, "tray-icons"},
    {L"add-tray-icon", cmd_add_tray_icon, 2, "add-tray-icon <caption> <id> [tip]"},
    {L"remove-tray-icons", cmd_remove_tray_icons, 2, "remove-tray-icons <caption> <id>..."},
    {L"processes", cmd_processes, 0, "processes"},
    {L"close-menus", cmd_close_menus, 0, "close-menus [timeout_ms]"},
    {L"menu-key", cmd_menu_key, 1, "menu-key <DOWN|UP|RETURN|ESCAPE|character>"},
    {L"open-menus", cmd_open_menus, 2, "open-menus <icon id> <count>"},
    {L"gui-objects", cmd_gui_objects, 0, "gui-objects"},
    {L"high-contrast", cmd_high_contrast, 0, "high-contrast"},
    {L"hold-file", cmd_hold_file, 1, "hold-file <path> [timeout_ms] [unshared|block]"},
    {L"type-text", cmd_type_text, 2, "type-text <caption> <label text> [text]"},
    {L"tree", cmd_tree, 1, "tree <caption> [item text]..."},
    {L"resize", cmd_resize, 3, "resize <caption> <width> <height>"},
    {L"dpi-changed", cmd_dpi_changed, 2, "dpi-changed <caption> <dpi>"},
    {L"soak", cmd_soak, 1,
     "soak <seed> [callbacks|devices|broadcasts|menus|applies=N] [ids=N,...] [drives=CDEZ] "
     "[absent=FGR] [check=text]..."},
};

void print_usage() {
    std::fputs("usage: probe <command> [arguments]\n", stderr);
    for (const Command& command : kCommands) std::fprintf(stderr, "  %s\n", command.usage);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 2) {
        print_usage();
        return 2;
    }
    for (const Command& command : kCommands) {
        if (std::wcscmp(argv[1], command.name) != 0) continue;
        Args args(argv + 2, argv + argc);
        if (args.size() < command.min_args) {
            std::fprintf(stderr, "usage: probe %s\n", command.usage);
            return 2;
        }
        try {
            Json out;
            command.run(args, out);
            std::fwrite(out.text().data(), 1, out.text().size(), stdout);
            std::fputc('\n', stdout);
            return 0;
        } catch (const std::exception& error) {
            std::fprintf(stderr, "probe: %s\n", error.what());
            return 1;
        }
    }
    std::fprintf(stderr, "probe: unknown command %s\n", utf8(argv[1]).c_str());
    print_usage();
    return 2;
}
