// probe: inspects and drives the windows of the program under test, for the end-to-end tests.
// Usage: probe <command> [arguments...]; prints one JSON document (UTF-8) on stdout, or a
// message on stderr and exit code 1.
// Or: probe serve; then one command a line on stdin, each word percent-encoded UTF-8 and the
// words apart by a space, each answered on stdout by "<exit code> <length>\n" and that many
// bytes, the document or the message. One process serves a whole test: starting one per
// command costs a Wine process start each time, most of what a look at the program takes.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

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

std::string usage_text() {
    std::string text = "usage: probe <command> [arguments]\n";
    for (const Command& command : kCommands) text += std::string("  ") + command.usage + "\n";
    return text;
}

struct Answer {
    int exit_code;
    std::string text;  // the JSON document, or the message
};

Answer run(const std::wstring& name, const Args& args) {
    for (const Command& command : kCommands) {
        if (name != command.name) continue;
        if (args.size() < command.min_args)
            return {2, std::string("usage: probe ") + command.usage};
        try {
            Json out;
            command.run(args, out);
            return {0, out.text()};
        } catch (const std::exception& error) {
            return {1, std::string("probe: ") + error.what()};
        }
    }
    return {2, "probe: unknown command " + utf8(name) + "\n" + usage_text()};
}

std::wstring wide(const std::string& text) {
    if (text.empty()) return {};
    int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(size, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
    return out;
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// "%41%20b" -> "A b"; a '%' without two hex digits stays as it is.
std::string percent_decoded(const std::string& word) {
    std::string out;
    for (size_t i = 0; i < word.size(); ++i) {
        int high = i + 2 < word.size() ? hex_digit(word[i + 1]) : -1;
        int low = i + 2 < word.size() ? hex_digit(word[i + 2]) : -1;
        if (word[i] == '%' && high >= 0 && low >= 0) {
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += word[i];
        }
    }
    return out;
}

// Every space parts two words, so that an empty argument stays one.
std::vector<std::wstring> words_of(const std::string& line) {
    std::vector<std::wstring> words;
    for (size_t start = 0; start <= line.size();) {
        size_t end = line.find(' ', start);
        if (end == std::string::npos) end = line.size();
        words.push_back(wide(percent_decoded(line.substr(start, end - start))));
        start = end + 1;
    }
    return words;
}

Answer served(const std::vector<std::wstring>& words) {
    if (words[0].empty()) return {2, usage_text()};
    // These read the input until it ends: each runs in a process of its own.
    if (words[0] == L"hold-file" || words[0] == L"serve")
        return {2, "probe: " + utf8(words[0]) + " runs in a process of its own"};
    return run(words[0], Args(words.begin() + 1, words.end()));
}

int serve() {
    _setmode(_fileno(stdin), _O_BINARY);
    std::string line;
    for (int c; (c = std::getchar()) != EOF;) {
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        Answer answer = served(words_of(line));
        line.clear();
        std::printf("%d %u\n", answer.exit_code, static_cast<unsigned>(answer.text.size()));
        std::fwrite(answer.text.data(), 1, answer.text.size(), stdout);
        std::fflush(stdout);
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 2) {
        std::fputs(usage_text().c_str(), stderr);
        return 2;
    }
    if (std::wcscmp(argv[1], L"serve") == 0) return serve();
    Answer answer = run(argv[1], Args(argv + 2, argv + argc));
    if (answer.exit_code != 0) {
        std::fprintf(stderr, "%s\n", answer.text.c_str());
        return answer.exit_code;
    }
    std::fwrite(answer.text.data(), 1, answer.text.size(), stdout);
    std::fputc('\n', stdout);
    return 0;
}
