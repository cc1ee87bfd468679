#include "types/Cp1252.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "types/Utf8.h"

namespace {

// 0x80 to 0x9F; the rest of the code page is Latin-1. The five holes map to themselves, as the
// system's own conversion does.
constexpr wchar_t High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

wchar_t WidenChar(unsigned char c) {
    return c >= 0x80 && c < 0xA0 ? High[c - 0x80] : static_cast<wchar_t>(c);
}

std::optional<char> Cp1252Char(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    const wchar_t* found = std::find(std::begin(High), std::end(High), c);
    if (found == std::end(High)) return std::nullopt;
    return static_cast<char>(0x80 + (found - High));
}

char NarrowChar(wchar_t c) {
    return Cp1252Char(c).value_or('?');
}

constexpr unsigned char LowerChar(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    switch (c) {
        case 0x8A:  // Š
        case 0x8C:  // Œ
        case 0x8E:  // Ž
            return c + 0x10;
        case 0x9F:  // Ÿ
            return 0xFF;
        default:
            return c;
    }
}

constexpr std::array<unsigned char, 256> MakeLowerTable() {
    std::array<unsigned char, 256> table{};
    for (unsigned c = 0; c < table.size(); ++c) table[c] = LowerChar(static_cast<unsigned char>(c));
    return table;
}

constexpr std::array<unsigned char, 256> Lower = MakeLowerTable();

}  // namespace

std::wstring Widen(const std::string& text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (char c : text) wide.push_back(WidenChar(static_cast<unsigned char>(c)));
    return wide;
}

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    narrow.reserve(text.size());
    for (wchar_t c : text) narrow.push_back(NarrowChar(c));
    return narrow;
}

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(Lower[static_cast<unsigned char>(c)]);
    return lower;
}

std::string Utf8FromCp1252(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (char c : text) AppendUtf8(utf8, WidenChar(static_cast<unsigned char>(c)));
    return utf8;
}

std::optional<std::string> Cp1252FromUtf8(std::string_view text) {
    std::string narrow;
    narrow.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        std::optional<char32_t> c = NextUtf8(text, at);
        std::optional<char> byte = c ? Cp1252Char(*c) : std::nullopt;
        if (!byte) return std::nullopt;
        narrow += *byte;
    }
    return narrow;
}
