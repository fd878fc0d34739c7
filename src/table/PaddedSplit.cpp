#include "table/PaddedSplit.h"

#include <bit>
#include <cstdint>
#include <cstring>

// SSE2 is part of every x86-64 processor; elsewhere, or when a build asks for it, a portable
// eight-bytes-at-a-time test does the same work.
#if defined(__SSE2__) && !defined(XKR_PORTABLE_BYTE_SCAN)
#define XKR_SSE2_BYTE_SCAN 1
#include <emmintrin.h>
#endif

namespace xkr {
namespace {

constexpr std::size_t blockSize = paddedSplitOverread + 1;
static_assert(blockSize == 64, "one bit of a 64-bit mask per byte of a block");

#if defined(XKR_SSE2_BYTE_SCAN)

// Bit k set where byte k of the 64 at `bytes` is the separator.
std::uint64_t matches64(const char* bytes, char separator) {
    const __m128i wanted = _mm_set1_epi8(separator);
    std::uint64_t mask = 0;
    for (std::size_t q = 0; q < 4; ++q) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * q));
        const int bits = _mm_movemask_epi8(_mm_cmpeq_epi8(chunk, wanted));
        mask |= std::uint64_t{static_cast<std::uint16_t>(bits)} << (16 * q);
    }
    return mask;
}

#else

// Byte k of the eight at `bytes` in bits 8k to 8k + 7, whatever the machine's byte order.
std::uint64_t loadLittleEndian(const char* bytes) {
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    if constexpr (std::endian::native == std::endian::big) {
        std::uint64_t reversed = 0;
        for (int i = 0; i < 8; ++i, word >>= 8) reversed = (reversed << 8) | (word & 0xFF);
        word = reversed;
    }
    return word;
}

// Bit k set where byte k of the eight at `bytes` is the byte repeated in `pattern`.
std::uint64_t matches8(const char* bytes, std::uint64_t pattern) {
    constexpr std::uint64_t low7 = 0x7F7F7F7F7F7F7F7FULL;
    const std::uint64_t x = loadLittleEndian(bytes) ^ pattern;
    // 0x80 in exactly the bytes of x that are zero; the carry-free form has no false hits.
    const std::uint64_t zeroBytes = ~(((x & low7) + low7) | x | low7);
    // Gathers the eight high bits into the top byte, byte k to bit 56 + k.
    return ((zeroBytes >> 7) * 0x0102040810204080ULL) >> 56;
}

std::uint64_t matches64(const char* bytes, char separator) {
    const std::uint64_t pattern = 0x0101010101010101ULL * static_cast<unsigned char>(separator);
    std::uint64_t mask = 0;
    for (std::size_t w = 0; w < 8; ++w) mask |= matches8(bytes + 8 * w, pattern) << (8 * w);
    return mask;
}

#endif

}  // namespace

void splitPaddedAt(std::string_view text, char separator, std::vector<std::string_view>& pieces,
                   std::size_t maxCuts) {
    pieces.clear();
    if (text.empty())
        return;
    const char* bytes = text.data();
    std::size_t start = 0;
    for (std::size_t block = 0; block < text.size(); block += blockSize) {
        std::uint64_t hits = matches64(bytes + block, separator);
        const std::size_t left = text.size() - block;
        if (left < blockSize)
            hits &= (std::uint64_t{1} << left) - 1;
        for (; hits != 0; hits &= hits - 1) {
            const std::size_t at = block + static_cast<std::size_t>(std::countr_zero(hits));
            pieces.emplace_back(bytes + start, at - start);
            start = at + 1;
        }
        // Tested once a block, not once a cut: the cuts of one block cost at most 64 pieces
        // more, and the loop over the fields of a good record stays as it is.
        if (pieces.size() > maxCuts) {
            pieces.resize(maxCuts);
            start = maxCuts == 0 ? 0
                                 : static_cast<std::size_t>(pieces.back().data() - bytes) +
                                       pieces.back().size() + 1;
            break;
        }
    }
    pieces.emplace_back(bytes + start, text.size() - start);
}

}  // namespace xkr
