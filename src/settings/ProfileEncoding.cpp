#include "settings/ProfileEncoding.h"

#include <algorithm>

#include "types/Utf8.h"

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LeMark = "\xFF\xFE";
constexpr std::string_view Utf16BeMark = "\xFE\xFF";

bool BigEndian(ProfileEncoding encoding) {
    return encoding == ProfileEncoding::Utf16Be;
}

// Latin text saved as UTF-16 without its mark: every unit of a letter, a digit, "=", "[" or a
// line end has a zero high byte, and no character the program writes has a zero low byte, so
// writes keep a file recognised.
bool IsUnmarkedUtf16Le(std::string_view bytes) {
    bool zeroHighByte = false;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        if (bytes[at] != '\0') continue;
        if (at % 2 == 0) return false;
        zeroHighByte = true;
    }
    return zeroHighByte;
}

// Latin text in UTF-32: each unit of four bytes has its two high bytes zero, on the side its byte
// order puts them.
bool IsUtf32(std::string_view bytes, bool bigEndian) {
    if (bytes.empty() || bytes.size() % 4 != 0) return false;
    const std::size_t high = bigEndian ? 0 : 2;
    for (std::size_t at = 0; at < bytes.size(); at += 4)
        if (bytes[at + high] != '\0' || bytes[at + high + 1] != '\0') return false;
    return true;
}

// Latin text in big-endian UTF-16: zero high bytes first in their units, about every other byte;
// a stray zero in 8-bit text is not enough.
bool IsUnmarkedUtf16Be(std::string_view bytes) {
    std::size_t zeros = 0;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        if (bytes[at] != '\0') continue;
        if (at % 2 == 1) return false;
        ++zeros;
    }
    return zeros > 0 && zeros * 4 >= bytes.size();
}

ProfileText FromUtf16(std::string_view units, ProfileEncoding encoding) {
    ProfileText decoded{encoding, {}, std::string(units.substr(units.size() & ~std::size_t{1}))};
    decoded.Text.reserve(units.size());
    const int high = BigEndian(encoding) ? 0 : 1;
    auto unit = [&](std::size_t i) -> char32_t {
        return static_cast<unsigned char>(units[2 * i + high]) << 8 |
               static_cast<unsigned char>(units[2 * i + 1 - high]);
    };
    const std::size_t count = units.size() / 2;
    for (std::size_t i = 0; i < count; ++i) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < count && unit(i + 1) >= 0xDC00 &&
            unit(i + 1) < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(++i) - 0xDC00);
        AppendUtf8(decoded.Text, c);
    }
    return decoded;
}

// The text holds only what FromUtf16 and the program's writes put there: each character is
// read by its lead byte alone.
std::string ToUtf16(std::string_view text, ProfileEncoding encoding) {
    std::string units(encoding == ProfileEncoding::Utf16LeUnmarked ? ""
                      : BigEndian(encoding)                        ? Utf16BeMark
                                                                   : Utf16LeMark);
    units.reserve(2 * text.size() + 2);
    auto append = [&](char32_t unit) {
        char bytes[2] = {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
        if (BigEndian(encoding)) std::swap(bytes[0], bytes[1]);
        units.append(bytes, 2);
    };
    for (std::size_t at = 0; at < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[at++]);
        const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        char32_t c = extra ? lead & (0x3F >> extra) : lead;
        for (int i = 0; i < extra && at < text.size(); ++i)
            c = c << 6 | (static_cast<unsigned char>(text[at++]) & 0x3F);
        if (c >= 0x10000) {
            append(0xD800 + ((c - 0x10000) >> 10));
            c = 0xDC00 + ((c - 0x10000) & 0x3FF);
        }
        append(c);
    }
    return units;
}

}  // namespace

ProfileText DecodeProfile(std::string_view bytes) {
    if (bytes.starts_with(Utf16LeMark))
        return FromUtf16(bytes.substr(Utf16LeMark.size()), ProfileEncoding::Utf16Le);
    if (bytes.starts_with(Utf16BeMark))
        return FromUtf16(bytes.substr(Utf16BeMark.size()), ProfileEncoding::Utf16Be);
    if (bytes.starts_with(Utf8Mark))
        return {ProfileEncoding::Utf8Marked, std::string(bytes.substr(Utf8Mark.size())), {}};
    if (IsUnmarkedUtf16Le(bytes)) return FromUtf16(bytes, ProfileEncoding::Utf16LeUnmarked);
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const bool utf8 = !ascii && IsUtf8(bytes);
    return {utf8 ? ProfileEncoding::Utf8 : ProfileEncoding::Cp1252, std::string(bytes), {}};
}

const char* UnreadableEncoding(std::string_view bytes) {
    if (bytes.starts_with(std::string_view("\xFF\xFE\0\0", 4)) ||
        bytes.starts_with(std::string_view("\0\0\xFE\xFF", 4)) || IsUtf32(bytes, false) ||
        IsUtf32(bytes, true))
        return "UTF-32";
    if (!bytes.starts_with(Utf16LeMark) && !bytes.starts_with(Utf16BeMark) &&
        IsUnmarkedUtf16Be(bytes))
        return "UTF-16 gros-boutiste sans marque d'ordre des octets";
    return nullptr;
}

std::string EncodeProfile(std::string text, ProfileEncoding encoding, std::string_view tail) {
    switch (encoding) {
        case ProfileEncoding::Cp1252:
        case ProfileEncoding::Utf8:
            return text;
        case ProfileEncoding::Utf8Marked:
            return text.insert(0, Utf8Mark);
        case ProfileEncoding::Utf16Le:
        case ProfileEncoding::Utf16Be:
        case ProfileEncoding::Utf16LeUnmarked:
            break;
    }
    return ToUtf16(text, encoding).append(tail);
}
