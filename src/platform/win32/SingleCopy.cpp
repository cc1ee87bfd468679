// One running copy per settings file. The first copy makes a small shared memory block named
// after the file and writes its window's handle there; a copy started later finds the block,
// hands that window its command line with WM_COPYDATA, and ends.

#include <cstdint>
#include <cstring>

#include "platform/win32/KernelHandle.h"
#include "platform/win32/Win32System.h"

namespace {

// Marks our hand-overs among the WM_COPYDATA messages other programs may send.
constexpr ULONG_PTR HandOverTag = 0x5653'4B01;
// A command line has at most 32,767 characters and its end.
constexpr DWORD MaxHandOverBytes = 32768 * sizeof(wchar_t);
constexpr DWORD AnswerTimeoutMs = 5000;
// How long a later copy waits for the first one's window (being made, or going away).
constexpr DWORD ClaimTimeoutMs = 10000;
constexpr DWORD RetryMs = 100;

// A view of the shared block, unmapped once.
class BlockView {
public:
    BlockView(HANDLE block, DWORD access) : view_(MapViewOfFile(block, access, 0, 0, 0)) {}
    ~BlockView() {
        if (view_) UnmapViewOfFile(view_);
    }
    BlockView(const BlockView&) = delete;
    BlockView& operator=(const BlockView&) = delete;
    void* Get() const { return view_; }

private:
    void* view_;
};

// One file however it is written: letter case and short names make no other key. The file may
// not exist yet; its folder does.
std::wstring NormalisedPath(const std::wstring& path) {
    std::size_t split = path.find_last_of(L'\\') + 1;
    std::wstring folder = path.substr(0, split);
    wchar_t longFolder[MAX_PATH];
    DWORD length = GetLongPathNameW(folder.c_str(), longFolder, MAX_PATH);
    std::wstring key = (length && length < MAX_PATH ? std::wstring(longFolder, length) : folder) +
                       path.substr(split);
    CharUpperBuffW(key.data(), static_cast<DWORD>(key.size()));
    return key;
}

// Kernel object names take no backslash and only so many characters: a digest of the path.
std::wstring BlockName(const std::wstring& key) {
    std::uint64_t digest = 0xCBF2'9CE4'8422'2325;  // FNV-1a, 64 bits
    for (wchar_t c : NormalisedPath(key)) {
        digest = (digest ^ static_cast<std::uint16_t>(c)) * 0x100'0000'01B3;
    }
    // Per logon session: a copy in another session shows on another desktop, out of reach.
    wchar_t name[40];
    wsprintfW(name, L"Local\\Vossik'.%08lX%08lX", static_cast<unsigned long>(digest >> 32),
              static_cast<unsigned long>(digest & 0xFFFF'FFFF));
    return name;
}

// Window handles keep to 32 bits, so that a 32-bit and a 64-bit copy read each other's.
HWND PublishedWindow(HANDLE block) {
    BlockView view(block, FILE_MAP_READ);
    if (!view.Get()) return nullptr;
    std::int32_t value = 0;
    std::memcpy(&value, view.Get(), sizeof value);
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(value));
}

bool HandOver(HWND window) {
    DWORD process = 0;
    if (!GetWindowThreadProcessId(window, &process)) return false;
    // The user asked for the program: the copy that runs may come to the front.
    AllowSetForegroundWindow(process);
    LPWSTR line = GetCommandLineW();
    COPYDATASTRUCT data{HandOverTag, static_cast<DWORD>((lstrlenW(line) + 1) * sizeof(wchar_t)),
                        line};
    DWORD_PTR answer = FALSE;
    return SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                               SMTO_ABORTIFHUNG, AnswerTimeoutMs, &answer) &&
           answer == TRUE;
}

}  // namespace

bool Win32System::ClaimSettingsFile(const std::wstring& key) {
    std::wstring name = BlockName(key);
    DWORD start = GetTickCount();
    for (;;) {
        KernelHandle block(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                              sizeof(std::int32_t), name.c_str()));
        // Without the block nothing can be told: this copy runs, as all did before.
        if (!block.Valid()) return true;
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            claim_ = std::move(block);
            return true;
        }
        HWND window = PublishedWindow(block.Get());
        if (window && HandOver(window)) return false;
        // A copy that never answers still holds the file: this one must not write it too.
        if (GetTickCount() - start >= ClaimTimeoutMs) return false;
        // Its window is still being made, or it is ending and its block goes with it.
        Sleep(RetryMs);
    }
}

void Win32System::ReceiveHandOversAt(WindowHandle window) {
    if (!claim_.Valid()) return;
    BlockView view(claim_.Get(), FILE_MAP_WRITE);
    if (!view.Get()) return;
    auto value = static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(window));
    std::memcpy(view.Get(), &value, sizeof value);
}

bool Win32System::IsHandOver(const WindowMessage& message) {
    if (message.Msg != WM_COPYDATA || !message.LParam) return false;
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(message.LParam);
    return data->dwData == HandOverTag && data->cbData <= MaxHandOverBytes &&
           data->cbData % sizeof(wchar_t) == 0 && (data->cbData == 0 || data->lpData);
}
