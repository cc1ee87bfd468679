#include "settings/ProfileValue.h"

#include <cstdint>

#include "settings/ProfileLine.h"

namespace {

std::optional<std::uint32_t> ParseDigits(std::string_view digits, unsigned base,
                                         std::uint64_t limit) {
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        unsigned digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > limit) return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace

std::string_view ReadableValue(std::string_view stored) {
    stored = TrimBlanks(stored);
    if (stored.size() >= 2 && (stored.front() == '"' || stored.front() == '\'') &&
        stored.back() == stored.front()) {
        stored = stored.substr(1, stored.size() - 2);
    }
    return stored;
}

std::optional<int> ParseProfileInteger(std::string_view text) {
    if (text.starts_with("0x") || text.starts_with("0X") || text.starts_with('$')) {
        text.remove_prefix(text.front() == '$' ? 1 : 2);
        auto bits = ParseDigits(text, 16, UINT32_MAX);
        if (!bits) return std::nullopt;
        return static_cast<int>(*bits);
    }
    bool negative = text.starts_with('-');
    if (negative) text.remove_prefix(1);
    auto magnitude = ParseDigits(text, 10, negative ? 0x80000000u : INT32_MAX);
    if (!magnitude) return std::nullopt;
    return negative ? static_cast<int>(0u - *magnitude) : static_cast<int>(*magnitude);
}
