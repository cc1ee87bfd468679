#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The longest value a reader gets, as with the system's 2048-byte buffer.
constexpr std::size_t kMaxProfileValue = 2047;

// A stored value as it reads: blanks around it removed, then one matching pair of enclosing
// quotes (single or double) removed, then cut to kMaxProfileValue characters.
std::string ReadableValue(std::string_view stored);

// The integer a value stands for: an optional "-" and decimal digits, or hexadecimal digits
// after "0x", "0X" or "$". The whole text must be the number: "12abc", "+5", "0x" and " 7"
// are not numbers. Decimal must fit a 32-bit signed integer; hexadecimal may use all 32 bits
// (0xFFFFFFFF is -1).
std::optional<int> ParseProfileInteger(std::string_view text);
