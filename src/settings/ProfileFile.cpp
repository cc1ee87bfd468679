#include "settings/ProfileFile.h"

#include "settings/ProfileCase.h"
#include "settings/ProfileLine.h"
#include "settings/ProfileValue.h"

ProfileFile::ProfileFile(std::string_view content) {
    // As for the system, keys before the first header belong to the section with the empty
    // name, and keys of a later section with an already known name stay out of the index.
    Section* current = &sections_[""];
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t newline = content.find('\n', start);
        std::size_t end = newline == std::string_view::npos ? content.size() : newline;
        Ending ending = Ending::None;
        if (newline != std::string_view::npos) {
            ending = end > start && content[end - 1] == '\r' ? Ending::CrLf : Ending::Lf;
            if (ending == Ending::CrLf) --end;
        }
        std::size_t index = InsertAfter(last_, std::string(content.substr(start, end - start)));
        lines_[index].ending = ending;
        start = newline == std::string_view::npos ? content.size() : newline + 1;

        ProfileLine line = ParseProfileLine(lines_[index].text);
        if (line.kind == ProfileLine::Kind::Section) {
            auto [entry, isNew] = sections_.try_emplace(NameKey(line.name));
            current = isNew ? &entry->second : nullptr;
            if (current) current->lastKeyLine = index;
        } else if (line.kind == ProfileLine::Kind::Key && current) {
            current->keys.try_emplace(NameKey(line.name), index);
            current->lastKeyLine = index;
        }
    }
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

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    auto stored = StoredValue(section, key);
    return stored ? ReadableValue(*stored) : std::string(defaultValue);
}

int ProfileFile::ReadInteger(std::string_view section, std::string_view key,
                             int defaultValue) const {
    auto stored = StoredValue(section, key);
    if (!stored) return defaultValue;
    return ParseProfileInteger(ReadableValue(*stored)).value_or(defaultValue);
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
        header.append(section).append("]");
        target.lastKeyLine = InsertAfter(last_, std::move(header));
    }
    auto [entry, isNewKey] = target.keys.try_emplace(NameKey(key), kNoLine);
    if (!isNewKey) {
        std::string& text = lines_[entry->second].text;
        text.replace(ParseProfileLine(text).valueStart, std::string::npos, value);
        return;
    }
    std::string line(key);
    line.append("=").append(value);
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
    lines_.push_back({std::move(text), Ending::CrLf, first_});
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
        if (line.ending == Ending::Lf) {
            content += '\n';
        } else if (line.ending == Ending::CrLf || line.next != kNoLine) {
            content += "\r\n";
        }
    }
    return content;
}
