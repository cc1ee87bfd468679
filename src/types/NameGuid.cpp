#include "types/NameGuid.h"

#include <array>
#include <string>

namespace {

using Digest = std::array<std::uint8_t, 20>;

std::uint32_t RotateLeft(std::uint32_t value, int bits) {
    return value << bits | value >> (32 - bits);
}

// SHA-1, whole messages only: the names are short. The padding (a 1 bit, zeros, the length in
// bits) is read as if it followed the message.
Digest Sha1(std::string_view message) {
    std::uint32_t h[5] = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
    const std::uint64_t bits = static_cast<std::uint64_t>(message.size()) * 8;
    const std::size_t blocks = (message.size() + 8) / 64 + 1;
    for (std::size_t block = 0; block < blocks; ++block) {
        std::uint32_t w[80] = {};
        for (std::size_t i = 0; i < 64; ++i) {
            const std::size_t at = block * 64 + i;
            std::uint32_t byte = at < message.size()    ? static_cast<std::uint8_t>(message[at])
                                 : at == message.size() ? 0x80
                                                        : 0;
            if (block + 1 == blocks && i >= 56)
                byte = static_cast<std::uint8_t>(bits >> (8 * (63 - i)));
            w[i / 4] |= byte << (24 - 8 * (i % 4));
        }
        for (int i = 16; i < 80; ++i)
            w[i] = RotateLeft(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
        std::uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4];
        for (int i = 0; i < 80; ++i) {
            static constexpr std::uint32_t K[4] = {0x5A827999, 0x6ED9EBA1, 0x8F1BBCDC, 0xCA62C1D6};
            const int round = i / 20;
            const std::uint32_t f = round == 0   ? (b & c) | (~b & d)
                                    : round == 2 ? (b & c) | (b & d) | (c & d)
                                                 : b ^ c ^ d;
            const std::uint32_t next = RotateLeft(a, 5) + f + e + K[round] + w[i];
            e = d;
            d = c;
            c = RotateLeft(b, 30);
            b = a;
            a = next;
        }
        h[0] += a;
        h[1] += b;
        h[2] += c;
        h[3] += d;
        h[4] += e;
    }
    Digest digest;
    for (int i = 0; i < 20; ++i)
        digest[i] = static_cast<std::uint8_t>(h[i / 4] >> (24 - 8 * (i % 4)));
    return digest;
}

}  // namespace

// The name space and the GUID are hashed and read in network byte order, whatever the machine's.
Guid NameBasedGuid(const Guid& nameSpace, std::string_view name) {
    std::string message;
    for (int shift = 24; shift >= 0; shift -= 8)
        message.push_back(static_cast<char>(nameSpace.Data1 >> shift));
    for (std::uint16_t field : {nameSpace.Data2, nameSpace.Data3}) {
        message.push_back(static_cast<char>(field >> 8));
        message.push_back(static_cast<char>(field));
    }
    message.append(reinterpret_cast<const char*>(nameSpace.Data4), sizeof nameSpace.Data4);
    message.append(name);
    const Digest digest = Sha1(message);

    Guid guid;
    for (int i = 0; i < 4; ++i) guid.Data1 = guid.Data1 << 8 | digest[i];
    guid.Data2 = static_cast<std::uint16_t>(digest[4] << 8 | digest[5]);
    // The version (5) in the high bits of the third field, the variant (10) in those of the
    // fourth byte group.
    guid.Data3 = static_cast<std::uint16_t>(((digest[6] & 0x0F) | 0x50) << 8 | digest[7]);
    for (int i = 0; i < 8; ++i) guid.Data4[i] = digest[8 + i];
    guid.Data4[0] = static_cast<std::uint8_t>((guid.Data4[0] & 0x3F) | 0x80);
    return guid;
}
