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
// scanner may. Prints {"held": ...} as soon as it is open, then keeps it until its standard
// input ends (or the time given has passed).
void cmd_hold_file(const Args& args, Json& out) {
    DWORD timeout = args.size() > 1 ? parse_number(args[1]) : 60000;
    DWORD sharing = args.size() > 2 && args[2] == L"unshared" ? 0 : FILE_SHARE_READ;
    HANDLE file = CreateFileW(args[0].c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) fail(L"cannot open " + args[0]);
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
