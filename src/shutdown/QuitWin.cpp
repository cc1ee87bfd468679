#include "shutdown/QuitWin.h"

namespace {

constexpr const char* ShutdownPrivilege = "SeShutdownPrivilege";

// The token is closed once, on every way out.
class ProcessToken {
public:
    explicit ProcessToken(System& system) : system_(system), token_(system.OpenProcessToken()) {}
    ~ProcessToken() {
        if (token_) system_.CloseToken(token_);
    }
    ProcessToken(const ProcessToken&) = delete;
    ProcessToken& operator=(const ProcessToken&) = delete;
    TokenHandle Get() const { return token_; }

private:
    System& system_;
    TokenHandle token_;
};

}  // namespace

bool SetTokenPrivilege(System& system, const std::string& name, bool enable) {
    ProcessToken token(system);
    if (!token.Get()) return false;
    std::optional<std::uint64_t> privilege = system.LookupPrivilegeValue(name);
    if (!privilege) return false;
    return system.AdjustTokenPrivilege(token.Get(), *privilege, enable);
}

// The privilege is held only for the call; a log-off needs none. A failed adjustment is not
// reported: the exit call then fails by itself if the right was needed.
bool QuitWindows(System& system, ShutdownAction code) {
    const bool privileged = code != action::LogOff;
    if (privileged) SetTokenPrivilege(system, ShutdownPrivilege, true);
    const bool accepted = system.ExitWindowsEx(code);
    if (privileged) SetTokenPrivilege(system, ShutdownPrivilege, false);
    return accepted;
}
