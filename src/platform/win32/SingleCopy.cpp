// One running copy per settings file. The first copy makes a small shared memory block named
// after the file, marks it as ours, and writes its window's handle there; a copy started later
// finds the block, hands that window its command line with WM_COPYDATA, and ends.
// A block of that name that another program made holds no copy of ours: the name after it is
// taken instead.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

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
// Names tried after the first, when other programs hold it.
constexpr int MoreNames = 7;

// The block's content. Handles keep to 32 bits, so that a 32-bit and a 64-bit copy read each
// other's.
struct Published {
    std::uint32_t Mark;
    std::int32_t Window;
};
constexpr std::uint32_t OurMark = 0x5653'4B02;

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

// Kernel object names take no backslash and only so many characters: a digest of the file's
// identity, and the number of the name when the first ones are taken.
std::wstring BlockName(const std::wstring& identity, int number) {
    std::uint64_t digest = 0xCBF2'9CE4'8422'2325;  // FNV-1a, 64 bits
    for (wchar_t c : identity) digest = (digest ^ static_cast<std::uint16_t>(c)) * 0x100'0000'01B3;
    // Per logon session: a copy in another session shows on another desktop, out of reach.
    wchar_t name[48];
    wsprintfW(name, number ? L"Local\\Vossik'.%08lX%08lX.%d" : L"Local\\Vossik'.%08lX%08lX",
              static_cast<unsigned long>(digest >> 32),
              static_cast<unsigned long>(digest & 0xFFFF'FFFF), number);
    return name;
}

// Another program's block may hold less, or pages that are only reserved: only memory there to
// read is read.
std::optional<Published> Read(HANDLE block) {
    BlockView view(block, FILE_MAP_READ);
    MEMORY_BASIC_INFORMATION region = {};
    if (!view.Get() || !VirtualQuery(view.Get(), &region, sizeof region) ||
        region.State != MEM_COMMIT || region.RegionSize < sizeof(Published))
        return std::nullopt;
    Published published;
    std::memcpy(&published, view.Get(), sizeof published);
    return published;
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

enum class Holder { Ours, Taken, Other };

// What holds a block found under our name: a copy of ours that took the hand-over, one that may
// yet answer (its window being made, a moment busy, or the copy ending, its block going with it),
// or something else. Our mark is written the moment the block is made: a block left unmarked
// past a retry is not ours.
Holder HolderOf(HANDLE block) {
    std::optional<Published> published = Read(block);
    if (published && published->Mark != OurMark) {
        Sleep(RetryMs);
        published = Read(block);
    }
    if (!published || published->Mark != OurMark) return Holder::Other;
    HWND window = reinterpret_cast<HWND>(static_cast<std::intptr_t>(published->Window));
    return window && HandOver(window) ? Holder::Taken : Holder::Ours;
}

}  // namespace

// One file however it is reached: through a symbolic link or a junction, from another drive
// letter, in other capitals or by its short name. The final path of the file, or of its folder
// when the file is not there yet.
std::wstring Win32System::SettingsFileIdentity(const std::wstring& path) {
    std::wstring identity = ResolvedPath(path).value_or(L"");
    if (identity.empty()) {
        const std::size_t split = path.find_last_of(L'\\') + 1;
        identity = ResolvedPath(path.substr(0, split)).value_or(path.substr(0, split));
        if (!identity.empty() && identity.back() != L'\\') identity += L'\\';
        identity += path.substr(split);
    }
    CharUpperBuffW(identity.data(), static_cast<DWORD>(identity.size()));
    return identity;
}

bool Win32System::ClaimSettingsFile(const std::wstring& key) {
    const std::wstring identity = SettingsFileIdentity(key);
    const DWORD start = GetTickCount();
    for (int number = 0; number <= MoreNames;) {
        std::wstring name = BlockName(identity, number);
        KernelHandle block(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                              sizeof(Published), name.c_str()));
        const bool made = block.Valid() && GetLastError() != ERROR_ALREADY_EXISTS;
        if (made) {
            BlockView view(block.Get(), FILE_MAP_WRITE);
            if (view.Get()) {
                const Published ours{OurMark, 0};
                std::memcpy(view.Get(), &ours, sizeof ours);
            }
            claim_ = std::move(block);
            return true;
        }
        // Another kind of object under the name, or one closed to us: another program's.
        const Holder holder = block.Valid() ? HolderOf(block.Get()) : Holder::Other;
        if (holder == Holder::Taken) return false;
        // A copy of ours that never answers leaves the name to this one in the end.
        if (holder == Holder::Other || GetTickCount() - start >= ClaimTimeoutMs) {
            ++number;
            continue;
        }
        // Its window is still being made, or it is ending and its block goes with it.
        Sleep(RetryMs);
    }
    // Every name is taken: this copy runs, as all did before there were names.
    return true;
}

void Win32System::ReceiveHandOversAt(WindowHandle window) {
    if (!claim_.Valid()) return;
    BlockView view(claim_.Get(), FILE_MAP_WRITE);
    if (!view.Get()) return;
    auto value = static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(window));
    std::memcpy(static_cast<char*>(view.Get()) + offsetof(Published, Window), &value, sizeof value);
}

bool Win32System::IsHandOver(const WindowMessage& message) {
    if (message.Msg != WM_COPYDATA || !message.LParam) return false;
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(message.LParam);
    return data->dwData == HandOverTag && data->cbData <= MaxHandOverBytes &&
           data->cbData % sizeof(wchar_t) == 0 && (data->cbData == 0 || data->lpData);
}
