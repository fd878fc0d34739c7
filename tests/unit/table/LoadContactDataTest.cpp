#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "TableTestSupport.h"

namespace xkr {
namespace {

using test::column;
using test::Ids;
using test::LoadTarget;
using test::moveTo;

// splitAt gives every piece; splitRecords only those ended by the separator.
TEST(Split, WholeSeparatorsLeftToRightWithoutOverlap) {
    const std::vector<std::tuple<const char*, std::string, std::string, Ids, Ids>> rows = {
        {"single character", "a|b|", "|", {"a", "b", ""}, {"a", "b"}},
        {"last piece unended", "a|b", "|", {"a", "b"}, {"a"}},
        {"several characters", "a<>b<c>", "<>", {"a", "b<c>"}, {"a"}},
        {"case-sensitive", "aXbxc", "x", {"aXb", "c"}, {"aXb"}},
        {"no overlap", "aaaa", "aa", {"", "", ""}, {"", ""}},
        {"stray character after a match", "a;;;b;;", ";;", {"a", ";b", ""}, {"a", ";b"}},
        {"empty separator does not split", "a|b", "", {"a|b"}, {}},
        {"empty text", "", "|", {}, {}},
        {"separator only", "|", "|", {"", ""}, {""}},
        {"multi-byte separator", "a\xC2\xA6z", "\xC2\xA6", {"a", "z"}, {"a"}}};
    for (const auto& [name, text, separator, pieces, records] : rows) {
        const auto gotPieces = splitAt(text, separator);
        const auto gotRecords = splitRecords(text, separator);
        EXPECT_EQ(Ids(gotPieces.begin(), gotPieces.end()), pieces) << name;
        EXPECT_EQ(Ids(gotRecords.begin(), gotRecords.end()), records) << name;
    }
}

// What a target holds after loading this text, so each test can check what a later load kept.
const std::string firstText = "1|Acme|01#2|Bolt|02#@@7|Net|30#@@5|0|x|Ohio#6|1|y|Yukon#";
const Lookup firstTerms = {{"7", "Net", "30"}};
const Lookup firstStates = {{"5", "0", "x", "Ohio"}, {"6", "1", "y", "Yukon"}};

std::string withTables(const std::string& payTo, const std::string& terms = "9|T|t#",
                       const std::string& states = "8|0|s|S#") {
    return payTo + "@@" + terms + "@@" + states;
}

bool mentions(const LoadResult& result, const std::string& part) {
    return result.stopReason.find(part) != std::string::npos;
}

TEST(LoadContactData, BlankTextChangesNothing) {
    for (const std::string blank : {"", "   "}) {
        LoadTarget target;
        EXPECT_TRUE(target.load(blank).blank);
        EXPECT_EQ(target.table.state(), PayToTable::stateClosed) << "a blank first load opened";
        target.load(firstText);
        moveTo(target.table, 1);
        const LoadResult again = target.load(blank, Separators{";", "~", "^"});
        EXPECT_TRUE(again.blank && !again.tableEmptied);
        EXPECT_EQ(target.kept.field + target.kept.record + target.kept.table, "|#@@");
        EXPECT_EQ(column(target.table), (Ids{"1", "2"}));
        EXPECT_EQ(target.terms, firstTerms);
    }
}

// The table is emptied, or opened, first; the lookups stay as they were.
TEST(LoadContactData, TextWithoutExactlyThreeTablesLeavesAnEmptyTable) {
    const Separators plain{"|", "#", "@@"};
    const std::vector<std::tuple<std::string, Separators, std::string>> rows = {
        {"1|A#@@7|N|n#", plain, "2 tables"},
        {withTables("1|A#") + "@@x#", plain, "more than 3 tables"},
        {"\t", plain, "1 table"},  // a tab is not blank
        {withTables("1|A#"), {"|", "#", ""}, "1 table"},
        {"1|A#xY7|N|n#xY5|0|x|S#", {"|", "#", "XY"}, "1 table"}};
    for (const auto& [text, separators, reason] : rows) {
        LoadTarget fresh;
        EXPECT_TRUE(fresh.load(text, separators).tableEmptied) << text;
        EXPECT_EQ(fresh.table.recordCount(), 0U) << text;
        LoadTarget loaded;
        loaded.load(firstText);
        EXPECT_TRUE(mentions(loaded.load(text, separators), reason)) << text;
        EXPECT_EQ(loaded.table.recordCount(), 0U) << text;
        EXPECT_EQ(loaded.kept.table, separators.table) << text;
        EXPECT_TRUE(loaded.terms == firstTerms && loaded.states == firstStates) << text;
    }
}

// Only records ended by the separator count; a table with none loads as empty, no failure.
TEST(LoadContactData, CompleteRecordsOnlyAndTheLoadGoesOn) {
    const std::vector<std::tuple<std::string, std::string, std::string, Ids, Lookup, Lookup>> rows =
        {{"", "", "", {}, {}, {}},
         {"1|A", "8|M", "9|Q", {}, {}, {}},
         {"1|A#2|B", "8|M#9", "9|2|q|Q#x", {"1"}, {{"8", "M"}}, {{"9", "2", "q", "Q"}}},
         {"#1|A##", "#", "9#", {"", "1", ""}, {{}}, {{"9"}}},
         {"3#", "8|M|m|e#", "#", {"3"}, {{"8", "M", "m", "e"}}, {{}}}};
    for (const auto& [payTo, terms, states, ids, expectedTerms, expectedStates] : rows) {
        LoadTarget target;
        target.load(firstText);
        const std::string text = withTables(payTo, terms, states);
        EXPECT_EQ(target.load(text).stopReason, "") << text;
        EXPECT_EQ(column(target.table), ids) << text;
        EXPECT_TRUE(target.terms == expectedTerms && target.states == expectedStates) << text;
    }
}

// Field p of the middle record holds the text of p; a record of 22 fields stops the load with
// its first 21 fields written and the lookups untouched.
TEST(LoadContactData, FieldsAreWrittenByPosition) {
    for (const std::size_t fieldCount : {0, 1, 3, 20, 21, 22}) {
        std::string record;
        for (std::size_t p = 0; p < fieldCount; ++p) record += (p ? "|" : "") + std::to_string(p);
        LoadTarget target;
        target.load(firstText);
        const LoadResult result = target.load(withTables("first#" + record + "#last#"));
        const bool stops = fieldCount > maxPayToFields;
        EXPECT_EQ(mentions(result, "record 2 has more than 21 fields"), stops) << result.stopReason;
        EXPECT_EQ(target.terms == firstTerms, stops) << fieldCount;
        Ids ids = {"first", fieldCount ? "0" : "", "last"};
        if (stops)
            ids.pop_back();
        ASSERT_EQ(column(target.table), ids) << fieldCount;
        moveTo(target.table, 1);
        for (std::size_t p = 0; p < payToFieldCount; ++p) {
            EXPECT_EQ(target.table.hasValue(p), p < fieldCount) << fieldCount << ", " << p;
            EXPECT_EQ(target.table.value(p), p < fieldCount ? std::to_string(p) : "") << p;
        }
    }
}

TEST(LoadContactData, TooWideValueStopsWithTheEarlierFieldsWritten) {
    LoadTarget target;
    target.load(firstText);
    const LoadResult result = target.load(withTables("1||01#2|B|012|Street#3|C|03#"));
    EXPECT_TRUE(mentions(result, "record 2") && mentions(result, "PayToSerial"))
        << result.stopReason;
    ASSERT_EQ(column(target.table), (Ids{"1", "2"}));
    moveTo(target.table, 0);
    EXPECT_TRUE(target.table.hasValue(fPayToName)) << "an empty field stores the empty text";
    moveTo(target.table, 1);
    EXPECT_EQ(target.table.value(fPayToName), "B");
    EXPECT_FALSE(target.table.hasValue(fPayToSerial) || target.table.hasValue(fStreet1));
    EXPECT_EQ(target.terms, firstTerms);
}

TEST(LoadContactData, TablesHoldAtMost32767Records) {
    LoadTarget target;
    target.table.open();
    target.table.addNew();  // a row from before the load must not count
    std::string full;
    for (std::size_t i = 0; i < maxRecordsPerTable; ++i) full += "1|t#";
    ASSERT_EQ(target.load(withTables(full, full)).stopReason, "");
    EXPECT_EQ(target.table.recordCount(), maxRecordsPerTable);
    EXPECT_EQ(target.terms.size(), maxRecordsPerTable);

    target.load(firstText);
    EXPECT_TRUE(mentions(target.load(withTables(full + "1#")), "more than 32767 records"));
    EXPECT_EQ(target.terms, firstTerms) << "the load went on after too many pay-to records";
    target.load(firstText);
    EXPECT_TRUE(mentions(target.load(withTables("1|A#", full + "1#")), "term"));
    EXPECT_EQ(column(target.table), (Ids{"1"}));
    EXPECT_EQ(target.states, firstStates) << "the load went on after too many term records";
}

}  // namespace
}  // namespace xkr
