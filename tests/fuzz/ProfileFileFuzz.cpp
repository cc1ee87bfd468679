// The settings file taken as any bytes: it comes back unchanged when nothing is written, and its
// text survives the round trip through the system's character set. A file in UTF-8 or UTF-16
// that Windows-1252 can hold reads and writes as its Windows-1252 form. Each of two writes (a
// value, then a number) changes the key written and nothing else, as read in memory and from the
// bytes stored, and touches the file only where it writes, in the encoding it had; what is
// stored reads again the same.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "settings/ProfileCase.h"
#include "settings/ProfileEncoding.h"
#include "settings/ProfileFile.h"
#include "settings/ProfileLine.h"
#include "settings/ProfileValue.h"
#include "types/Cp1252.h"

namespace {

struct Names {
    std::vector<std::string> sections{"", "Nouvelle section"};
    std::vector<std::string> keys{"NouvelleCle"};
};

struct Line {
    std::string_view text;
    std::string_view ending;
};

// Lines end at CR LF, LF or CR alone.
std::vector<Line> Lines(std::string_view content) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t end = std::min(content.find_first_of("\r\n", start), content.size());
        const std::size_t next = content.substr(end, 2) == "\r\n" ? end + 2
                                 : end < content.size()           ? end + 1
                                                                  : end;
        lines.push_back({content.substr(start, end - start), content.substr(end, next - end)});
        start = next;
    }
    return lines;
}

// The names the file uses that the program can spell, a bounded number of each, so that
// checking every pair stays quick.
Names NamesIn(std::string_view content) {
    Names names;
    const ProfileText decoded = DecodeProfile(content);
    for (const Line& text : Lines(decoded.Text)) {
        ProfileLine line = ParseProfileLine(text.text);
        auto& list = line.kind == ProfileLine::Kind::Section ? names.sections : names.keys;
        std::optional<std::string> name = decoded.Encoding == ProfileEncoding::Cp1252
                                              ? std::string(line.name)
                                              : Cp1252FromUtf8(line.name);
        if (line.kind != ProfileLine::Kind::Other && name && list.size() < 16)
            list.push_back(*name);
    }
    return names;
}

// Missing keys, and values the program cannot take whole, show as values no file can hold.
constexpr const char* NotLoaded = "\n(not loaded)\n";
std::string Read(const ProfileFile& file, const std::string& section, const std::string& key) {
    return file.ReadString(section, key, "\n(missing)\n").value_or(NotLoaded);
}

// What a written value reads as.
std::string Readable(std::string_view value) {
    std::string_view text = ReadableValue(value);
    return text.size() > kMaxProfileValue ? NotLoaded : std::string(text);
}

// A file without mark that a write made well-formed UTF-8 is read as UTF-8 from then on: "Ã©"
// written into an ASCII file reads as "é". Zero bytes in 8-bit text (no text file holds one)
// may pass for UTF-16 without mark once a write moved them, and back. No encoding changes
// otherwise.
bool RereadAlike(ProfileEncoding before, ProfileEncoding after, bool zeroBytesIn8BitText) {
    if (before == after || (before == ProfileEncoding::Utf8 && after == ProfileEncoding::Cp1252))
        return true;
    if (before == ProfileEncoding::Cp1252 && after == ProfileEncoding::Utf8) return false;
    auto eightBitOrUnmarked = [](ProfileEncoding encoding) {
        return encoding == ProfileEncoding::Cp1252 || encoding == ProfileEncoding::Utf8 ||
               encoding == ProfileEncoding::Utf16LeUnmarked;
    };
    if (zeroBytesIn8BitText && eightBitOrUnmarked(before) && eightBitOrUnmarked(after))
        return false;
    abort();
}

bool HoldsZeroBytes(std::string_view bytes) {
    return bytes.find('\0') != std::string_view::npos;
}

// Old lines of the text stay as they were, save one rewritten; at most two are new, next to
// each other. The file's last line may gain a line ending. The encoding and what follows the
// text stay. The lines are those of the file's own reading: the bytes themselves in 8-bit text,
// which zero bytes may make pass for UTF-16.
void CheckOnlyLocalChange(std::string_view beforeBytes, std::string_view afterBytes,
                          ProfileEncoding encoding, bool zeroBytesIn8BitText) {
    ProfileText before = DecodeProfile(beforeBytes), after = DecodeProfile(afterBytes);
    RereadAlike(before.Encoding, after.Encoding, zeroBytesIn8BitText);
    if (encoding == ProfileEncoding::Cp1252 || encoding == ProfileEncoding::Utf8) {
        before = {encoding, std::string(beforeBytes), {}};
        after = {encoding, std::string(afterBytes), {}};
    }
    if (before.Tail != after.Tail) abort();
    std::vector<Line> old = Lines(before.Text), now = Lines(after.Text);
    auto same = [](const Line& was, const Line& is) {
        return was.text == is.text && (was.ending == is.ending || was.ending.empty());
    };
    std::size_t common = std::min(old.size(), now.size()), prefix = 0, suffix = 0;
    while (prefix < common && same(old[prefix], now[prefix])) ++prefix;
    while (suffix < common - prefix &&
           same(old[old.size() - 1 - suffix], now[now.size() - 1 - suffix]))
        ++suffix;
    if (old.size() - prefix - suffix > 1 || now.size() - prefix - suffix > 2) abort();
}

// Keys that open a section or a comment, or hold an "=", are outside the file's rules.
bool WritableKey(std::string_view key) {
    std::string_view name = TrimBlanks(key);
    return key.find_first_of("=\r\n") == std::string_view::npos &&
           !(name.starts_with('[') || name.starts_with(';'));
}

std::string Variant(std::string name, unsigned how) {
    if (how & 1)
        for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (how & 2) name = " \t" + name + " ";
    return name;
}

struct Target {
    std::string section, key;
};

// A pair of names the file uses or new ones, perhaps in another case and with blanks around;
// nothing when the pair cannot be written.
std::optional<Target> Pick(const Names& names, FuzzedDataProvider& input) {
    auto section = input.ConsumeIntegral<std::uint8_t>();
    auto key = input.ConsumeIntegral<std::uint8_t>();
    auto how = input.ConsumeIntegral<std::uint8_t>();
    Target target{Variant(names.sections[section % names.sections.size()], how),
                  Variant(names.keys[key % names.keys.size()], how >> 2)};
    // The program's names and values come from the system's strings, which end at a zero.
    if (target.section.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos ||
        !WritableKey(target.key) || HoldsZeroBytes(target.key))
        return std::nullopt;
    // A new key of the nameless section goes first in the file, where the program writes none:
    // it must not pass for a byte-order mark there.
    const ProfileEncoding lead = DecodeProfile(target.key + "=").Encoding;
    if (NameKey(target.section).empty() && lead != ProfileEncoding::Cp1252 &&
        lead != ProfileEncoding::Utf8)
        return std::nullopt;
    return target;
}

// What every pair of names used or written reads as, kept up to date over the writes.
class Expected {
public:
    Expected(const ProfileFile& file, const Names& names, bool zeroBytesIn8BitText)
        : zeroBytesIn8BitText_(zeroBytesIn8BitText) {
        for (const std::string& s : names.sections)
            for (const std::string& k : names.keys) entries_.push_back({{s, k}, Read(file, s, k)});
    }

    void Written(const Target& target, std::string_view value) {
        bool known = false;
        for (Entry& entry : entries_) {
            if (NameKey(entry.target.section) == NameKey(target.section) &&
                NameKey(entry.target.key) == NameKey(target.key)) {
                entry.value = Readable(value);
                known = true;
            }
        }
        if (!known) entries_.push_back({target, Readable(value)});
    }

    // In memory and from the bytes stored, which are stored again unchanged.
    void Check(const ProfileFile& file) const {
        const std::string stored = file.Content();
        ProfileFile again(stored);
        if (again.Content() != stored) abort();
        const bool alike = RereadAlike(file.Encoding(), again.Encoding(), zeroBytesIn8BitText_);
        for (const Entry& entry : entries_) {
            const auto& [section, key] = entry.target;
            if (Read(file, section, key) != entry.value ||
                (alike && Read(again, section, key) != entry.value))
                abort();
        }
    }

    // The same reads from another file.
    void CheckSameReads(const ProfileFile& file) const {
        for (const Entry& entry : entries_)
            if (Read(file, entry.target.section, entry.target.key) != entry.value) abort();
    }

private:
    struct Entry {
        Target target;
        std::string value;
    };
    std::vector<Entry> entries_;
    bool zeroBytesIn8BitText_;
};

// The Windows-1252 form of a file in another encoding, when Windows-1252 holds all of it and
// that form is read as Windows-1252 again.
std::optional<std::string> PlainForm(std::string_view content) {
    const ProfileText decoded = DecodeProfile(content);
    if (decoded.Encoding == ProfileEncoding::Cp1252 || !decoded.Tail.empty()) return std::nullopt;
    std::optional<std::string> plain = Cp1252FromUtf8(decoded.Text);
    if (!plain || DecodeProfile(*plain).Encoding != ProfileEncoding::Cp1252) return std::nullopt;
    return plain;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The last bytes choose the names, the value and the number; the rest is the file.
    constexpr std::size_t kChoices = 14;
    if (size < kChoices) return 0;
    const std::string content(reinterpret_cast<const char*>(data), size - kChoices);
    FuzzedDataProvider choose(data + size - kChoices, kChoices);

    ProfileFile file(content);
    if (file.Content() != content) abort();
    // The text passes to the system's wide functions and back without loss.
    if (Narrow(Widen(content)) != content) abort();
    std::optional<std::string> plainText = PlainForm(content);
    std::optional<ProfileFile> plain;
    if (plainText) plain.emplace(*plainText);

    Names names = NamesIn(content);
    const bool zeroBytesIn8BitText =
        HoldsZeroBytes(content) &&
        (file.Encoding() == ProfileEncoding::Cp1252 || file.Encoding() == ProfileEncoding::Utf8);
    Expected expected(file, names, zeroBytesIn8BitText);
    if (plain) expected.CheckSameReads(*plain);
    auto first = Pick(names, choose);
    if (!first) return 0;
    // A piece of the file as the value, up to its line's end.
    std::string value = content.substr(
        std::min<std::size_t>(choose.ConsumeIntegral<std::uint16_t>(), content.size()),
        choose.ConsumeIntegral<std::uint16_t>());
    value = value.substr(0, value.find_first_of("\r\n"));
    std::erase(value, '\0');
    file.WriteString(first->section, first->key, value);
    expected.Written(*first, value);
    expected.Check(file);
    CheckOnlyLocalChange(content, file.Content(), file.Encoding(), zeroBytesIn8BitText);

    // Then a number, to the same names or others.
    auto second = Pick(names, choose);
    if (!second) return 0;
    int number = choose.ConsumeIntegral<int>();
    const std::string between = file.Content();
    file.WriteInteger(second->section, second->key, number);
    if (file.ReadInteger(second->section, second->key, ~number) != number ||
        file.ReadBool(second->section, second->key, number == 0) != (number != 0))
        abort();
    expected.Written(*second, std::to_string(number));
    expected.Check(file);
    CheckOnlyLocalChange(between, file.Content(), file.Encoding(), zeroBytesIn8BitText);

    // Both writes give the file its Windows-1252 form would have become, in its own encoding.
    if (plain) {
        plain->WriteString(first->section, first->key, value);
        plain->WriteInteger(second->section, second->key, number);
        if (EncodeProfile(Utf8FromCp1252(plain->Content()), file.Encoding(), "") != file.Content())
            abort();
    }
    return 0;
}
