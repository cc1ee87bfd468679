#include "settings/FileReplacement.h"

namespace {

bool CannotReplaceHere(unsigned long error) {
    return error == errorcode::InvalidFunction || error == errorcode::NotSupported ||
           error == errorcode::InvalidParameter || error == errorcode::CallNotImplemented;
}

unsigned long PutInPlace(System& system, const std::wstring& target, const std::wstring& temporary,
                         const std::string& content) {
    if (!system.WriteNewFile(temporary, content)) return system.LastError();
    // A first save has no file to replace.
    if (system.FileExists(target)) {
        if (system.ReplaceKeepingIdentity(target, temporary)) return 0;
        const unsigned long error = system.LastError();
        // A file held or refused: a rename would fail alike, or pass over a lock meant to keep
        // the file as it is.
        if (!CannotReplaceHere(error)) return error;
    }
    return system.RenameOver(temporary, target) ? 0 : system.LastError();
}

}  // namespace

unsigned long ReplaceSettingsFile(System& system, const std::wstring& path,
                                  const std::string& content) {
    const std::wstring target = system.FinalPath(path);
    if (system.IsReadOnly(target)) return errorcode::FileReadOnly;
    const std::wstring temporary = target + L".tmp";
    const unsigned long error = PutInPlace(system, target, temporary, content);
    if (error) system.RemoveFile(temporary);
    return error;
}
