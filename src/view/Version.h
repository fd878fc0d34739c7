#pragma once

#include <cstdint>

namespace xkr {

// The component's version numbers, shown in the version line.
struct VersionRecord {
    std::int16_t major;
    std::int16_t minor;
    std::int16_t revision;
};

// The component's version, set once in the build.
VersionRecord componentVersion();

}  // namespace xkr
