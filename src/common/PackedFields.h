#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
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

    // Replaces every field at once: the first values.size() get those texts, the rest no
    // value. One allocation, where setting field by field grows the buffer again and again.
    void assign(std::span<const std::string_view> values) {
        if (values.size() > N) throw VendorPayToError("too many field values");
        std::size_t total = 0;
        for (std::string_view value : values) total += value.size();
        if (total > UINT32_MAX) throw VendorPayToError("field value too large");
        std::string bytes;
        bytes.reserve(total);
        for (std::size_t i = 0; i < values.size(); ++i) {
            bytes += values[i];
            m_ends[i] = static_cast<std::uint32_t>(bytes.size());
        }
        for (std::size_t i = values.size(); i < N; ++i) m_ends[i] = static_cast<std::uint32_t>(total);
        m_bytes = std::move(bytes);
        m_present = values.size() == 32 ? UINT32_MAX : (1U << values.size()) - 1U;
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
