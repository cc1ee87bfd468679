#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The longest value the program takes, as the system's readers with their 2048-byte buffer. They
// cut a longer one; the program leaves it alone, as writing a cut value back would lose its end.
constexpr std::size_t kMaxProfileValue = 2047;

// A stored value as it reads: blanks around it removed, then one matching pair of enclosing
// quotes (single or double) removed.
std::string_view ReadableValue(std::string_view stored);

// The integer a value stands for: an optional "-" and decimal digits, or hexadecimal digits
// after "0x", "0X" or "$". The whole text must be the number: "12abc", "+5", "0x" and " 7"
// are not numbers. Decimal must fit a 32-bit signed integer; hexadecimal may use all 32 bits
// (0xFFFFFFFF is -1).
std::optional<int> ParseProfileInteger(std::string_view text);
