#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "settings/ProfileEncoding.h"
#include "settings/ProfileLine.h"

// The settings file in memory: built from the file's bytes, read and written by section and
// key, and turned back into bytes. Sections and keys are indexed once, so reading and writing
// tens of thousands of keys stays linear.
//
// Names and values are the program's Windows-1252 text, whatever the file's encoding
// (ProfileEncoding), which the file keeps.
//
// Reading: names match without regard to letter case or to blanks around them; the first of
// several sections or keys of the same name is the one read and written (keys of a later
// section of the same name are not seen). Writing never deletes anything: a key's value is
// replaced where the key stands, keeping the line's text up to the value; a new key goes right
// after the last key of its section, so blank lines and comments that close the section stay
// between it and the next one; a new section goes at the end of the file. Lines end at CR LF, LF
// or CR alone (an old Mac editor's), as the system's readers take them. Lines not rewritten come
// back byte for byte with their own line endings; new lines end as most lines of the file do (CR
// LF when no ending is more common), so that an editor finds one kind of line end.
class ProfileFile {
public:
    explicit ProfileFile(std::string_view bytes = {});

    ProfileEncoding Encoding() const { return encoding_; }

    // The default for a missing key. Nothing for a value the program cannot take whole: longer
    // than kMaxProfileValue characters, or with characters Windows-1252 lacks (or bytes that
    // are not UTF-8 in a UTF-8 file).
    std::optional<std::string> ReadString(std::string_view section, std::string_view key,
                                          std::string_view defaultValue) const;
    // A missing key, an empty value, a value ReadString cannot give, or text that is not a
    // number gives the default.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // Read as an integer; any value other than 0 is true.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    // The names of a section's keys as names compare (NameKey), in no particular order; valid
    // until the next write.
    std::vector<std::string_view> KeyNames(std::string_view section) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // Whether the file holds a section of this name in a form its reading did not take (another
    // encoding, say): a write there would add a second one.
    bool HoldsUnreadSection(std::string_view section) const;

    // The bytes to store, in the file's encoding.
    std::string Content() const;

private:
    static constexpr std::size_t kNoLine = static_cast<std::size_t>(-1);

    enum class Ending : unsigned char { None, Lf, CrLf, Cr };

    // Lines are chained in file order, so that inserting into a section costs nothing.
    struct Line {
        std::string text;
        Ending ending = Ending::CrLf;
        std::size_t next = kNoLine;
    };

    struct Section {
        // The line a new key goes after: the section's last key, or its header (none for the
        // nameless section before the first header: its keys go first in the file).
        std::size_t lastKeyLine = kNoLine;
        // Key names folded to one case -> their line.
        std::unordered_map<std::string, std::size_t> keys;
    };

    // A section or key name of the file as names compare; nothing when the program cannot
    // hold it.
    std::optional<std::string> NameKeyOf(std::string_view name) const;
    // The program's text as the file holds it.
    std::string FileText(std::string_view text) const;
    std::optional<std::string_view> StoredValue(std::string_view section,
                                                std::string_view key) const;
    // kNoLine inserts at the start of the file.
    std::size_t InsertAfter(std::size_t line, std::string text);
    // Notes the section header a line holds, in any form its reading may have missed.
    void NoteHeaderShape(std::string_view text, const ProfileLine& line);

    std::vector<Line> lines_;
    std::size_t first_ = kNoLine;
    std::size_t last_ = kNoLine;
    // Section names folded to one case -> the first section of that name.
    std::unordered_map<std::string, Section> sections_;
    // The section headers of the file as HeaderShape gives them.
    std::unordered_set<std::string> headerShapes_;
    ProfileEncoding encoding_ = ProfileEncoding::Cp1252;
    Ending newLine_ = Ending::CrLf;
    std::string tail_;
};
