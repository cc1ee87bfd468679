#include "settings/ProfileFile.h"

#include <algorithm>

#include "settings/ProfileCase.h"
#include "settings/ProfileLine.h"
#include "settings/ProfileValue.h"
#include "types/Cp1252.h"

ProfileFile::ProfileFile(std::string_view bytes) {
    ProfileText decoded = DecodeProfile(bytes);
    encoding_ = decoded.Encoding;
    tail_ = std::move(decoded.Tail);
    const std::string_view content = decoded.Text;
    // As for the system, keys before the first header belong to the section with the empty
    // name, and keys of a later section with an already known name stay out of the index.
    Section* current = &sections_[""];
    // The lines of each ending (none, LF, CR LF, CR): new lines take the file's most common one.
    std::size_t endings[4] = {};
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t end = std::min(content.find_first_of("\r\n", start), content.size());
        Ending ending = Ending::None;
        std::size_t next = end;
        if (end < content.size()) {
            const bool crLf = content[end] == '\r' && content.substr(end + 1, 1) == "\n";
            ending = content[end] == '\n' ? Ending::Lf : crLf ? Ending::CrLf : Ending::Cr;
            next = end + (crLf ? 2 : 1);
            ++endings[static_cast<int>(ending)];
        }
        std::size_t index = InsertAfter(last_, std::string(content.substr(start, end - start)));
        lines_[index].ending = ending;
        start = next;

        // A name with characters the program cannot hold is none of its names: such a section
        // is out of reach with its keys, such a key is out of reach in its section.
        ProfileLine line = ParseProfileLine(lines_[index].text);
        NoteHeaderShape(lines_[index].text, line);
        if (line.kind == ProfileLine::Kind::Section) {
            current = nullptr;
            if (std::optional<std::string> name = NameKeyOf(line.name)) {
                auto [entry, isNew] = sections_.try_emplace(std::move(*name));
                if (isNew) current = &entry->second;
            }
            if (current) current->lastKeyLine = index;
        } else if (line.kind == ProfileLine::Kind::Key && current) {
            if (std::optional<std::string> name = NameKeyOf(line.name))
                current->keys.try_emplace(std::move(*name), index);
            current->lastKeyLine = index;
        }
    }
    for (Ending ending : {Ending::Lf, Ending::Cr})
        if (endings[static_cast<int>(ending)] > endings[static_cast<int>(newLine_)])
            newLine_ = ending;
}

namespace {

// A section name as it looks whatever the encoding it was saved in: blanks around it and zero
// bytes (of UTF-16 read as 8-bit text) left out, ASCII letters in one case, and each run of
// other characters as one mark.
std::string HeaderShape(std::string_view name) {
    std::string shape;
    for (char c : TrimBlanks(name)) {
        if (c == '\0') continue;
        if (static_cast<unsigned char>(c) < 0x80) {
            shape += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        } else if (shape.empty() || shape.back() != '\x80') {
            shape += '\x80';
        }
    }
    return shape;
}

}  // namespace

void ProfileFile::NoteHeaderShape(std::string_view text, const ProfileLine& line) {
    if (text.find('\0') == std::string_view::npos) {
        if (line.kind == ProfileLine::Kind::Section) headerShapes_.insert(HeaderShape(line.name));
        return;
    }
    std::string visible(text);
    std::erase(visible, '\0');
    NoteHeaderShape(visible, ParseProfileLine(visible));
}

bool ProfileFile::HoldsUnreadSection(std::string_view section) const {
    return !sections_.contains(NameKey(section)) && headerShapes_.contains(HeaderShape(section));
}

std::optional<std::string> ProfileFile::NameKeyOf(std::string_view name) const {
    if (encoding_ == ProfileEncoding::Cp1252) return NameKey(name);
    std::optional<std::string> text = Cp1252FromUtf8(name);
    if (!text) return std::nullopt;
    return NameKey(*text);
}

std::string ProfileFile::FileText(std::string_view text) const {
    return encoding_ == ProfileEncoding::Cp1252 ? std::string(text) : Utf8FromCp1252(text);
}

std::optional<std::string_view> ProfileFile::StoredValue(std::string_view section,
                                                         std::string_view key) const {
    auto found = sections_.find(NameKey(section));
    if (found == sections_.end()) return std::nullopt;
    auto entry = found->second.keys.find(NameKey(key));
    if (entry == found->second.keys.end()) return std::nullopt;
    std::string_view text = lines_[entry->second].text;
    return text.substr(ParseProfileLine(text).valueStart);
}

std::optional<std::string> ProfileFile::ReadString(std::string_view section, std::string_view key,
                                                   std::string_view defaultValue) const {
    auto stored = StoredValue(section, key);
    if (!stored) return std::string(defaultValue);
    std::string_view text = ReadableValue(*stored);
    std::optional<std::string> value =
        encoding_ == ProfileEncoding::Cp1252 ? std::string(text) : Cp1252FromUtf8(text);
    if (value && value->size() > kMaxProfileValue) return std::nullopt;
    return value;
}

int ProfileFile::ReadInteger(std::string_view section, std::string_view key,
                             int defaultValue) const {
    std::optional<std::string> text = ReadString(section, key, "");
    return text ? ParseProfileInteger(*text).value_or(defaultValue) : defaultValue;
}

bool ProfileFile::ReadBool(std::string_view section, std::string_view key,
                           bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::vector<std::string_view> ProfileFile::KeyNames(std::string_view section) const {
    std::vector<std::string_view> names;
    auto found = sections_.find(NameKey(section));
    if (found == sections_.end()) return names;
    names.reserve(found->second.keys.size());
    for (const auto& [name, line] : found->second.keys) names.push_back(name);
    return names;
}

void ProfileFile::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
    auto [found, isNewSection] = sections_.try_emplace(NameKey(section));
    Section& target = found->second;
    if (isNewSection) {
        std::string header = "[";
        header.append(FileText(section)).append("]");
        target.lastKeyLine = InsertAfter(last_, std::move(header));
    }
    auto [entry, isNewKey] = target.keys.try_emplace(NameKey(key), kNoLine);
    if (!isNewKey) {
        std::string& text = lines_[entry->second].text;
        text.replace(ParseProfileLine(text).valueStart, std::string::npos, FileText(value));
        return;
    }
    std::string line = FileText(key);
    line.append("=").append(FileText(value));
    entry->second = InsertAfter(target.lastKeyLine, std::move(line));
    target.lastKeyLine = entry->second;
}

void ProfileFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void ProfileFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

std::size_t ProfileFile::InsertAfter(std::size_t line, std::string text) {
    std::size_t index = lines_.size();
    lines_.push_back({std::move(text), newLine_, first_});
    if (line == kNoLine) {
        first_ = index;
    } else {
        lines_[index].next = lines_[line].next;
        lines_[line].next = index;
    }
    if (line == last_) last_ = index;
    return index;
}

std::string ProfileFile::Content() const {
    std::size_t size = 0;
    for (const Line& line : lines_) size += line.text.size() + 2;
    std::string content;
    content.reserve(size);
    for (std::size_t index = first_; index != kNoLine; index = lines_[index].next) {
        const Line& line = lines_[index];
        content += line.text;
        // The file's last line may lack its newline; it gets one once something follows it.
        const Ending ending =
            line.ending == Ending::None && line.next != kNoLine ? newLine_ : line.ending;
        if (ending == Ending::Lf) {
            content += '\n';
        } else if (ending == Ending::Cr) {
            content += '\r';
        } else if (ending == Ending::CrLf) {
            content += "\r\n";
        }
    }
    return EncodeProfile(std::move(content), encoding_, tail_);
}
