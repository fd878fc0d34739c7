#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/Error.h"

namespace xkr {

// Up to N optional texts kept in one buffer. A table row or a list entry is one of these, so
// 32,767 entries cost one allocation each instead of one per field.
template <std::size_t N>
class PackedFields {
    static_assert(N <= 32, "the presence mask has 32 bits");

public:
    static constexpr std::size_t capacity = N;

    bool hasValue(std::size_t i) const { return (m_present >> check(i)) & 1U; }

    // The field's text; the empty text when it holds no value.
    std::string_view get(std::size_t i) const {
        const std::size_t begin = start(check(i));
        return std::string_view(m_bytes).substr(begin, m_ends[i] - begin);
    }

    void set(std::size_t i, std::string_view value) {
        const std::size_t begin = start(check(i));
        const std::size_t oldLength = m_ends[i] - begin;
        if (m_bytes.size() - oldLength + value.size() > UINT32_MAX) {
            throw VendorPayToError("field value too large");
        }
        m_bytes.replace(begin, oldLength, value);
        const auto delta = static_cast<std::int64_t>(value.size()) -
                           static_cast<std::int64_t>(oldLength);
        for (std::size_t j = i; j < N; ++j) {
            m_ends[j] = static_cast<std::uint32_t>(static_cast<std::int64_t>(m_ends[j]) + delta);
        }
        m_present |= 1U << i;
    }

    std::size_t byteSize() const { return m_bytes.capacity(); }

private:
    static std::size_t check(std::size_t i) {
        if (i >= N) throw VendorPayToError("field position out of range");
        return i;
    }
    std::size_t start(std::size_t i) const { return i == 0 ? 0 : m_ends[i - 1]; }

    std::string m_bytes;
    std::array<std::uint32_t, N> m_ends{};
    std::uint32_t m_present = 0;
};

}  // namespace xkr
