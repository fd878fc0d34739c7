#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "table/ContactDataText.h"

namespace xkr {
namespace {

struct SplitRow {
    const char* name;
    std::string text;
    std::string separator;
    std::vector<std::string> expected;
};

std::vector<std::string> toStrings(const std::vector<std::string_view>& pieces) {
    return {pieces.begin(), pieces.end()};
}

TEST(SplitAt, MatchesWholeSeparatorsLeftToRightWithoutOverlap) {
    const std::vector<SplitRow> rows = {
        {"single character", "a|b|c", "|", {"a", "b", "c"}},
        {"several characters", "a<>b<>c", "<>", {"a", "b", "c"}},
        {"part of a separator does not split", "a<b>c<", "<>", {"a<b>c<"}},
        {"other letter case does not split", "aXbxc", "x", {"aXb", "c"}},
        {"other case of a long separator", "1AB2ab3", "ab", {"1AB2", "3"}},
        {"no overlap: aa in aaa", "aaa", "aa", {"", "a"}},
        {"no overlap: aa in aaaa", "aaaa", "aa", {"", "", ""}},
        {"empty separator does not split", "a|b", "", {"a|b"}},
        {"empty text gives no pieces", "", "|", {}},
        {"empty text and empty separator", "", "", {}},
        {"separators at both ends", "|a|", "|", {"", "a", ""}},
        {"separator only", "|", "|", {"", ""}},
        {"separator longer than the text", "a", "abc", {"a"}},
        {"multi-byte separator",
         "a\xC2\xA6"
         "b",
         "\xC2\xA6",
         {"a", "b"}},
    };
    for (const SplitRow& row : rows) {
        EXPECT_EQ(toStrings(splitAt(row.text, row.separator)), row.expected) << row.name;
    }
}

TEST(SplitRecords, KeepsOnlyRecordsEndedByTheSeparator) {
    const std::vector<SplitRow> rows = {
        {"two complete records", "a#b#", "#", {"a", "b"}},
        {"last record without separator is dropped", "a#b", "#", {"a"}},
        {"no separator at all", "abc", "#", {}},
        {"empty table", "", "#", {}},
        {"one empty record", "#", "#", {""}},
        {"two empty records", "##", "#", {"", ""}},
        {"empty record after a record", "a##", "#", {"a", ""}},
        {"multi-character separator", "r1;;r2;;", ";;", {"r1", "r2"}},
        {"left-to-right match leaves a stray character", "a;;;b;;", ";;", {"a", ";b"}},
        {"trailing partial separator", "a;;b;", ";;", {"a"}},
    };
    for (const SplitRow& row : rows) {
        EXPECT_EQ(toStrings(splitRecords(row.text, row.separator)), row.expected) << row.name;
    }
}

}  // namespace
}  // namespace xkr
