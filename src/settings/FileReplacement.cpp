#include "settings/FileReplacement.h"

#include <string>

#include "types/Cp1252.h"

namespace {

// How many names beside the file the content may try: a few are taken by what another program
// put there, or a save that stopped halfway left.
constexpr int TemporaryNames = 16;

bool CannotReplaceHere(unsigned long error) {
    return error == errorcode::InvalidFunction || error == errorcode::NotSupported ||
           error == errorcode::InvalidParameter || error == errorcode::CallNotImplemented;
}

bool NameTaken(unsigned long error) {
    return error == errorcode::FileExists || error == errorcode::AlreadyExists;
}

// The content in a file of its own beside the target, under a name nothing had: never written
// through a file or a link found there. Nothing when none could be made (LastError says why).
std::optional<std::wstring> WriteBeside(System& system, const std::wstring& target,
                                        const std::string& content) {
    for (int n = 0; n < TemporaryNames; ++n) {
        std::wstring temporary = target;
        if (n) temporary.append(L".").append(Widen(std::to_string(n)));
        temporary += L".tmp";
        if (system.WriteNewFile(temporary, content)) return temporary;
        if (!NameTaken(system.LastError())) break;
    }
    return std::nullopt;
}

unsigned long PutInPlace(System& system, const std::wstring& target, const std::string& content) {
    const std::optional<std::wstring> temporary = WriteBeside(system, target, content);
    if (!temporary) return system.LastError();
    if (system.ReplaceKeepingIdentity(target, *temporary)) return 0;
    unsigned long error = system.LastError();
    // A file held or refused: a rename would fail alike, or pass over a lock meant to keep the
    // file as it is.
    if (CannotReplaceHere(error)) {
        if (system.RenameOver(*temporary, target)) return 0;
        error = system.LastError();
    }
    system.RemoveFile(*temporary);
    return error;
}

}  // namespace

unsigned long ReplaceSettingsFile(System& system, const std::wstring& path,
                                  const std::string& content) {
    std::wstring target = system.FinalPath(path);
    // A first save, or a link that leads to no file yet: the file is made first where the path
    // leads, as a write through a link makes its target, and then replaced as any other. A save
    // that fails takes it away again.
    const bool made = !system.FileExists(target);
    if (made) {
        if (!system.CreateFileIfAbsent(path)) return system.LastError();
        target = system.FinalPath(path);
    }
    if (system.IsReadOnly(target)) return errorcode::FileReadOnly;
    const unsigned long error = PutInPlace(system, target, content);
    if (error && made) system.RemoveFile(target);
    return error;
}
