#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// UTF-8, as other editors save text files.

// The character that starts at `at` in well-formed UTF-8, `at` then past it; nothing (and `at`
// one byte on) where no well-formed character starts: a stray byte, an overlong form, a
// surrogate, a number past U+10FFFF.
std::optional<char32_t> NextUtf8(std::string_view text, std::size_t& at);

bool IsUtf8(std::string_view text);

// Appends any number up to U+10FFFF, surrogates too: UTF-16 that pairs them wrongly is still
// carried whole.
void AppendUtf8(std::string& text, char32_t c);
