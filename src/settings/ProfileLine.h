#pragma once

#include <cstddef>
#include <string_view>

// What one line of a profile file holds, its line ending set aside. A line whose first
// non-blank character is "[" and that has a "]" opens a section named by the text between
// the "[" and the last "]", blanks around it removed; a line starting with ";" is a comment;
// any other line with an "=" holds a key. Everything else (blank lines, stray text) belongs
// to no key.
struct ProfileLine {
    enum class Kind { Section, Key, Other };
    Kind kind = Kind::Other;
    // The section or key name, without the blanks around it.
    std::string_view name;
    // For a key: where its value starts, past the "=" and the blanks after it.
    std::size_t valueStart = 0;
};

// Blanks are spaces and tabs; nothing else is trimmed.
constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

constexpr std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

ProfileLine ParseProfileLine(std::string_view text);
