#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/System.h"
#include "settings/ItemLists.h"

// The settings file as the program last saw it: whether it was there at start and could be read,
// what it held when the program last read or wrote it, and the list entries the load left there.
// A save then never replaces content the user has not seen, nor one another program changed
// meanwhile, unless the user says so.
class SettingsFile {
public:
    explicit SettingsFile(std::wstring path) : path_(std::move(path)) {}

    const std::wstring& Path() const { return path_; }
    // There at start, read or not.
    bool FoundAtStart() const { return foundAtStart_; }

    // The file's bytes at start, nothing when it is not there. One that is there but cannot be
    // read is tried again for a moment (a scanner holds a file that long), then a box says why,
    // and the program runs with the defaults. The tries sleep between them: before the message
    // loop nothing waits to be served, where a timer would start the program with the defaults
    // and change them under the user's eyes.
    std::string ReadAtStart(System& system);

    enum class Replacing {
        Yes,
        // The user said no, or no question may be asked: the file stays as it is.
        No,
        // The question could not be asked, a box showing: the file stays as it is, and a box
        // that waits its turn says the settings were not saved.
        Unasked,
    };
    // Whether a save may replace the file that now holds `current` (nothing when there is no
    // file): yes when it holds what the program last read or wrote; otherwise a question that
    // names the file asks, "&Non" by default, unless asking is not allowed.
    Replacing MayReplace(System& system, const std::optional<std::string>& current, bool mayAsk);
    // The file now holds this.
    void Written(std::string_view content);

    // Entries the load left past the capacity of each list.
    std::vector<StoredEntry> HeldFolders, HeldLaunches;

private:
    enum class Seen : unsigned char { Nothing, Content, Unread };

    const std::wstring path_;
    Seen seen_ = Seen::Nothing;
    // Of the content last read or written.
    std::uint64_t fingerprint_ = 0;
    bool foundAtStart_ = false;
};
