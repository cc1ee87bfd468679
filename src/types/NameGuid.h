#pragma once

#include <cstdint>
#include <string_view>

// A GUID as the system lays it out: its first three fields are numbers, the rest bytes.
struct Guid {
    std::uint32_t Data1 = 0;
    std::uint16_t Data2 = 0;
    std::uint16_t Data3 = 0;
    std::uint8_t Data4[8] = {};
    bool operator==(const Guid&) const = default;
    auto operator<=>(const Guid&) const = default;
    bool IsNil() const { return *this == Guid{}; }
};

// The name-based GUID (version 5, SHA-1) of a name within a name space: the same name always
// gives the same GUID, and any other name another one. Never nil.
Guid NameBasedGuid(const Guid& nameSpace, std::string_view name);
