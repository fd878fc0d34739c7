// The block splitter against a plain one, on texts whose bytes sit around the separator's
// value (its neighbours, its high-bit twin, zero, 0xFF) so a test that matches more or fewer
// bytes than it should shows, and on every length across the 64-byte block edges. The bytes
// after each text are separators: a split that reads past the end must not cut there.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "table/PaddedSplit.h"

namespace xkr {
namespace {

std::vector<std::string_view> plainSplit(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    if (text.empty())
        return pieces;
    std::size_t start = 0;
    for (auto at = text.find(separator); at != text.npos; at = text.find(separator, start)) {
        pieces.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

TEST(PaddedSplit, CutsWhereThePlainSplitCuts) {
    std::mt19937 random(11);
    for (const char separator : {'|', '\0', '\x7F', '\x80', '\xA6', '\xFF', '~'}) {
        const auto s = static_cast<unsigned char>(separator);
        const std::vector<char> alphabet = {separator,
                                            static_cast<char>(s ^ 1U),
                                            static_cast<char>(s ^ 0x80U),
                                            static_cast<char>(s + 1U),
                                            static_cast<char>(s - 1U),
                                            '\0',
                                            '\xFF',
                                            'a'};
        for (std::size_t length = 0; length <= 200; ++length) {
            std::string padded(length + paddedSplitOverread, separator);
            for (std::size_t i = 0; i < length; ++i)
                padded[i] = alphabet[random() % alphabet.size()];
            const std::string_view text(padded.data(), length);
            std::vector<std::string_view> got;
            splitPaddedAt(text, separator, got);
            EXPECT_EQ(got, plainSplit(text, separator))
                << "separator " << int{s} << ", length " << length;
        }
    }
}

}  // namespace
}  // namespace xkr
