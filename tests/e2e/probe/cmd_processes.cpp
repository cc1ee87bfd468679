// What the program started (processes and their command lines), and a file held open as
// another program would hold it.
#include <cstdio>

#include "commands.h"
#include "window_util.h"

// After windows.h (from window_util.h), which they rely on.
// clang-format off
#include <tlhelp32.h>
#include <winternl.h>
// clang-format on

namespace {

using QueryProcess = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

struct ProcessFacts {
    std::wstring command_line;
    unsigned long long started = 0;  // creation time, in 100 ns units
};

// Another process's command line, exactly as its parent passed it to CreateProcess: read from
// the process parameters its PEB points to. Every process of the prefix is 32-bit, as the probe.
// The creation time orders processes: Wine reuses the ids of ended ones.
ProcessFacts process_facts(DWORD pid) {
    static auto query = reinterpret_cast<QueryProcess>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    ProcessFacts facts;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process) return facts;
    FILETIME created = {}, exited = {}, kernel = {}, user = {};
    if (GetProcessTimes(process, &created, &exited, &kernel, &user)) {
        facts.started =
            (static_cast<unsigned long long>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
    }
    PROCESS_BASIC_INFORMATION basic = {};
    PEB peb = {};
    RTL_USER_PROCESS_PARAMETERS parameters = {};
    if (query && query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) == 0 &&
        ReadProcessMemory(process, basic.PebBaseAddress, &peb, sizeof peb, nullptr) &&
        ReadProcessMemory(process, peb.ProcessParameters, &parameters, sizeof parameters,
                          nullptr)) {
        std::wstring line(parameters.CommandLine.Length / sizeof(wchar_t), L'\0');
        if (ReadProcessMemory(process, parameters.CommandLine.Buffer, line.data(),
                              parameters.CommandLine.Length, nullptr)) {
            facts.command_line = line;
        }
    }
    CloseHandle(process);
    return facts;
}

DWORD WINAPI read_until_end(void*) {
    char buffer[256];
    DWORD read = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &read, nullptr) &&
           read > 0) {
    }
    return 0;
}

// The final path of what a path leads to; empty when it leads nowhere.
std::wstring final_path(const std::wstring& path) {
    HANDLE file =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    wchar_t final[1024];
    DWORD size = GetFinalPathNameByHandleW(file, final, 1024, 0);
    CloseHandle(file);
    return size && size < 1024 ? std::wstring(final, size) : std::wstring();
}

// The shared memory block by which the program claims a settings file, named as it names it:
// a digest of the file's final path in capitals (its folder's, when the file is not there yet).
HANDLE claim_block(const std::wstring& settings) {
    std::wstring identity = final_path(settings);
    if (identity.empty()) {
        const size_t split = settings.find_last_of(L'\\') + 1;
        identity = final_path(settings.substr(0, split));
        if (identity.empty()) identity = settings.substr(0, split);
        if (identity.back() != L'\\') identity += L'\\';
        identity += settings.substr(split);
    }
    CharUpperBuffW(identity.data(), static_cast<DWORD>(identity.size()));
    unsigned long long digest = 0xCBF29CE484222325ull;
    for (wchar_t c : identity)
        digest = (digest ^ static_cast<unsigned short>(c)) * 0x100000001B3ull;
    wchar_t name[48];
    wsprintfW(name, L"Local\\Vossik'.%08lX%08lX", static_cast<unsigned long>(digest >> 32),
              static_cast<unsigned long>(digest & 0xFFFFFFFF));
    return CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 8, name);
}

}  // namespace

void cmd_processes(const Args&, Json& out) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) fail(L"no process snapshot");
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    out.begin_array();
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        out.begin_object();
        out.key("pid").value(entry.th32ProcessID);
        out.key("parent").value(entry.th32ParentProcessID);
        out.key("exe").value(std::wstring(entry.szExeFile));
        ProcessFacts facts = process_facts(entry.th32ProcessID);
        out.key("command_line").value(facts.command_line);
        out.key("started").value(static_cast<long long>(facts.started));
        out.end_object();
    }
    out.end_array();
    CloseHandle(snapshot);
}

// Opens the file for reading and shares it for reading only, as an editor or a backup program
// may: nobody can write, replace or delete it meanwhile; "unshared", not even read it, as a
// scanner may; "block", holds the program's claim on that settings file instead, as another
// program may make it first, with no window in it. Prints {"held": ...} as soon as it is open,
// then keeps it until its standard input ends (or the time given has passed).
void cmd_hold_file(const Args& args, Json& out) {
    DWORD timeout = args.size() > 1 ? parse_number(args[1]) : 60000;
    const std::wstring kind = args.size() > 2 ? args[2] : L"";
    HANDLE file = kind == L"block" ? claim_block(args[0])
                                   : CreateFileW(args[0].c_str(), GENERIC_READ,
                                                 kind == L"unshared" ? 0 : FILE_SHARE_READ, nullptr,
                                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (!file || file == INVALID_HANDLE_VALUE) fail(L"cannot open " + args[0]);
    Json held;
    held.begin_object().key("held").value(args[0]).end_object();
    std::fwrite(held.text().data(), 1, held.text().size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    HANDLE reader = CreateThread(nullptr, 0, read_until_end, nullptr, 0, nullptr);
    bool ended = reader && WaitForSingleObject(reader, timeout) == WAIT_OBJECT_0;
    CloseHandle(file);
    out.begin_object().key("released").value(args[0]).key("input_ended").value(ended);
    out.end_object();
}
