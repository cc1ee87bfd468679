#include "settings/ProfileCase.h"

#include <array>

#include "settings/ProfileLine.h"

namespace {

constexpr unsigned char LowerCase(unsigned char c) {
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

constexpr std::array<unsigned char, 256> MakeTable() {
    std::array<unsigned char, 256> table{};
    for (unsigned c = 0; c < table.size(); ++c) table[c] = LowerCase(static_cast<unsigned char>(c));
    return table;
}

constexpr std::array<unsigned char, 256> kLower = MakeTable();

}  // namespace

std::string NameKey(std::string_view name) {
    std::string folded(TrimBlanks(name));
    for (char& c : folded) c = static_cast<char>(kLower[static_cast<unsigned char>(c)]);
    return folded;
}
