#pragma once

#include <string>
#include <string_view>

// How a settings file's bytes hold its text. The system's profile functions and this program
// write Windows-1252; other editors save UTF-8, with or without its mark, or UTF-16 with its
// mark, and a few little-endian UTF-16 without it. A file keeps its encoding, mark included.
enum class ProfileEncoding : unsigned char {
    Cp1252,
    Utf8,
    Utf8Marked,
    Utf16Le,
    Utf16Be,
    Utf16LeUnmarked
};

// The text of a settings file, without its mark: the bytes themselves for a Windows-1252 file,
// UTF-8 for any other (UTF-16 carried over whole, unpaired surrogates included). Its lines are
// split at the same bytes whatever the encoding.
struct ProfileText {
    ProfileEncoding Encoding = ProfileEncoding::Cp1252;
    std::string Text;
    // The odd last byte of a UTF-16 file, which no character holds: put back after the text.
    std::string Tail;
};

// A file starting with a byte-order mark is read as its mark says, as the system reads it. A
// file without one is little-endian UTF-16 when it holds zero bytes and each is the high byte of
// a unit (no text in any 8-bit encoding holds one; the system reads such a file as nothing), else
// UTF-8 when it is well-formed UTF-8 and holds more than ASCII (as editors save it by default),
// else Windows-1252.
ProfileText DecodeProfile(std::string_view bytes);

// The encoding of a file whose bytes hold no text the program can read: UTF-32 (with its mark or
// without it) and big-endian UTF-16 without its mark, which the system does not read either. Null
// for any other file.
const char* UnreadableEncoding(std::string_view bytes);

// The bytes of a text in an encoding, with its mark.
std::string EncodeProfile(std::string text, ProfileEncoding encoding, std::string_view tail);
