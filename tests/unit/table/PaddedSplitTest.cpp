// The 64-byte scan finds a separator at every position of a block and past it, none after the
// text; also built with the portable scan of machines without SSE2, which nothing else runs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table/PaddedSplit.h"

namespace xkr {
namespace {

TEST(PaddedSplit, FindsTheSeparatorAtEveryPosition) {
    for (const std::size_t size : {1, 63, 64, 65, 130}) {
        for (std::size_t at = 0; at < size; ++at) {
            std::string text(size, 'x');
            text[at] = '|';
            text.append(paddedSplitOverread, '|');
            std::vector<std::string_view> pieces;
            splitPaddedAt(std::string_view(text).substr(0, size), '|', pieces);
            ASSERT_EQ(pieces.size(), 2U) << size << " " << at;
            EXPECT_EQ(pieces[0].size(), at);
            EXPECT_EQ(pieces[1].size(), size - at - 1);
        }
    }
}

}  // namespace
}  // namespace xkr
