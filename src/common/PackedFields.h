#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "common/Error.h"

namespace xkr {

// Up to N optional texts kept in one buffer. A table row or a list entry is one of these, so
// 32,767 entries cost one allocation each instead of one per field. A row can also borrow its
// texts from a record of a text someone else keeps (see borrow): loading then copies nothing
// per row, and the first write copies the row into a buffer of its own.
template <std::size_t N>
class PackedFields {
    static_assert(N <= 32, "the presence mask has 32 bits");

public:
    static constexpr std::size_t capacity = N;

    bool hasValue(std::size_t i) const { return (m_present >> check(i)) & 1U; }

    // The field's text; the empty text when it holds no value.
    std::string_view get(std::size_t i) const {
        if (!hasValue(i))
            return {};
        const std::size_t begin = start(i);
        return std::string_view(base() + begin, m_ends[i] - begin);
    }

    // Every field's text at once, as get gives it, in one pass over the fields.
    std::array<std::string_view, N> getAll() const {
        std::array<std::string_view, N> texts{};
        const char* const bytes = base();
        std::uint32_t begin = 0;
        std::uint32_t present = m_present;
        auto text = texts.begin();
        for (const std::uint32_t end : m_ends) {
            if ((present & 1U) != 0)
                *text = std::string_view(bytes + begin, end - begin);
            present >>= 1;
            ++text;
            begin = end + m_gap;
        }
        return texts;
    }

    void set(std::size_t i, std::string_view value) {
        check(i);
        if (m_borrowed != nullptr)
            copyBorrowed();
        const std::size_t begin = start(i);
        const std::size_t oldLength = m_ends[i] - begin;
        if (m_bytes.size() - oldLength + value.size() > UINT32_MAX) {
            throw VendorPayToError("field value too large");
        }
        m_bytes.replace(begin, oldLength, value);
        const auto delta =
            static_cast<std::int64_t>(value.size()) - static_cast<std::int64_t>(oldLength);
        // Through a span: one bound check, where sanitizer builds check every index.
        for (std::uint32_t& end : std::span(m_ends).subspan(i))
            end = static_cast<std::uint32_t>(static_cast<std::int64_t>(end) + delta);
        m_present |= 1U << i;
    }

    // Replaces every field: the first values.size() read those texts, the rest hold no value.
    // The values are consecutive pieces of one text, each `gap` bytes after the end of the one
    // before (a record cut at its field separator); that text must outlive the borrowing.
    void borrow(std::span<const std::string_view> values, std::size_t gap) {
        if (values.size() > N)
            throw VendorPayToError("too many field values");
        const char* first = values.empty() ? nullptr : values.front().data();
        std::size_t end = 0;
        for (std::size_t i = 0; i < values.size(); ++i) {
            const std::size_t begin = i == 0 ? 0 : end + gap;
            if (address(values[i].data()) != address(first) + begin) {
                throw VendorPayToError("borrowed field values are not one record");
            }
            end = begin + values[i].size();
            if (end > UINT32_MAX)
                throw VendorPayToError("field value too large");
            m_ends[i] = static_cast<std::uint32_t>(end);
        }
        for (std::size_t i = values.size(); i < N; ++i) m_ends[i] = static_cast<std::uint32_t>(end);
        m_bytes = std::string();
        m_borrowed = first;
        m_gap = static_cast<std::uint32_t>(values.empty() ? 0 : gap);
        m_present = firstBits(values.size());
    }

    // Replaces every field with copies of the values, in one buffer: the first values.size()
    // hold those texts, the rest no value.
    void assign(std::span<const std::string_view> values) {
        if (values.size() > N)
            throw VendorPayToError("too many field values");
        std::size_t total = 0;
        for (std::string_view value : values) total += value.size();
        if (total > UINT32_MAX)
            throw VendorPayToError("field value too large");
        std::string bytes;
        bytes.reserve(total);
        std::array<std::uint32_t, N> ends{};
        auto end = ends.begin();
        for (std::string_view value : values) {
            bytes += value;
            *end++ = static_cast<std::uint32_t>(bytes.size());
        }
        std::fill(end, ends.end(), static_cast<std::uint32_t>(total));
        m_bytes = std::move(bytes);
        m_ends = ends;
        m_borrowed = nullptr;
        m_gap = 0;
        m_present = firstBits(values.size());
    }

    std::size_t byteSize() const { return m_bytes.capacity(); }

private:
    static std::size_t check(std::size_t i) {
        if (i >= N)
            throw VendorPayToError("field position out of range");
        return i;
    }
    std::size_t start(std::size_t i) const { return i == 0 ? 0 : m_ends[i - 1] + m_gap; }
    const char* base() const { return m_borrowed != nullptr ? m_borrowed : m_bytes.data(); }
    static std::uintptr_t address(const char* p) { return reinterpret_cast<std::uintptr_t>(p); }
    static std::uint32_t firstBits(std::size_t count) {
        return count == 32 ? UINT32_MAX : (1U << count) - 1U;
    }

    void copyBorrowed() {
        std::string bytes;
        bytes.reserve(m_ends[N - 1]);
        std::array<std::uint32_t, N> ends{};
        for (std::size_t i = 0; i < N; ++i) {
            bytes += get(i);
            ends[i] = static_cast<std::uint32_t>(bytes.size());
        }
        m_bytes = std::move(bytes);
        m_ends = ends;
        m_borrowed = nullptr;
        m_gap = 0;
    }

    std::string m_bytes;
    const char* m_borrowed = nullptr;
    std::uint32_t m_gap = 0;
    std::array<std::uint32_t, N> m_ends{};
    std::uint32_t m_present = 0;
};

}  // namespace xkr
