#include "remote_memory.h"

#include "window_util.h"

RemoteMemory::RemoteMemory(HWND owner_window, size_t size) {
    DWORD pid = window_pid(owner_window);
    process_ = OpenProcess(
        PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
        FALSE, pid);
    if (!process_) fail(L"cannot open process " + std::to_wstring(pid));
    // The structures written there hold pointers of our size: the other process must have the
    // same (the 32-bit probe in the 32-bit prefix, the 64-bit one in the 64-bit prefix).
    BOOL ours = FALSE, theirs = FALSE;
    IsWow64Process(GetCurrentProcess(), &ours);
    IsWow64Process(process_, &theirs);
    if (ours != theirs) {
        CloseHandle(process_);
        fail(L"process " + std::to_wstring(pid) +
             L" is of another architecture; run the probe built for it");
    }
    base_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!base_) {
        CloseHandle(process_);
        fail(L"cannot allocate memory in process " + std::to_wstring(pid));
    }
}

RemoteMemory::~RemoteMemory() {
    VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
    CloseHandle(process_);
}

void RemoteMemory::write(size_t offset, const void* data, size_t size) {
    if (!WriteProcessMemory(process_, at(offset), data, size, nullptr)) {
        fail(L"cannot write to another process");
    }
}

void RemoteMemory::read(size_t offset, void* data, size_t size) const {
    if (!ReadProcessMemory(process_, at(offset), data, size, nullptr)) {
        fail(L"cannot read from another process");
    }
}

void RemoteMemory::read_foreign(HWND owner_window, const void* address, void* data, size_t size) {
    DWORD pid = window_pid(owner_window);
    HANDLE process = OpenProcess(PROCESS_VM_READ, FALSE, pid);
    if (!process) fail(L"cannot open process " + std::to_wstring(pid));
    BOOL done = ReadProcessMemory(process, address, data, size, nullptr);
    CloseHandle(process);
    if (!done) fail(L"cannot read from process " + std::to_wstring(pid));
}
