#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "TableTestSupport.h"

namespace xkr {
namespace {

using test::column;
using test::Ids;
using test::moveTo;
using test::tableWithIds;

// Each runs on a table holding "A" as the current row, closed first where asked: a closed
// table still has its cursor, and its rows if close forgot them. Reads and writes of a closed
// table are left out: with no current row they throw whatever the state.
TEST(PayToTable, RefusesWhatItCannotDo) {
    using Run = std::function<void(PayToTable&)>;
    const std::vector<std::tuple<const char*, bool, Run>> rows = {
        {"recordCount", true, [](PayToTable& t) { t.recordCount(); }},
        {"moveFirst", true, [](PayToTable& t) { t.moveFirst(); }},
        {"eof", true, [](PayToTable& t) { t.eof(); }},
        {"addNew", true, [](PayToTable& t) { t.addNew(); }},
        {"deleteAllRows", true, [](PayToTable& t) { t.deleteAllRows(); }},
        {"findFirst", true, [](PayToTable& t) { t.findFirst(0, "A"); }},
        {"close", true, [](PayToTable& t) { t.close(); }},
        {"export", true, [](PayToTable& t) { exportChangedRows(t, "|", "#"); }},
        {"unknown name", false, [](PayToTable& t) { t.value("NoSuchField"); }},
        {"name with trailing space", false, [](PayToTable& t) { t.setValue("City ", "x"); }},
        {"position 21", false, [](PayToTable& t) { t.hasValue(payToFieldCount); }},
        {"huge position", false, [](PayToTable& t) { t.setValue(std::size_t(-1), "x"); }},
        {"find on unknown field", false, [](PayToTable& t) { t.findFirst(payToFieldCount, "A"); }},
        {"declaring after open", false, [](PayToTable& t) { t.appendField("Late", 5); }},
        {"opening twice", false, [](PayToTable& t) { t.open(); }},
        {"reading at the end", false, [](PayToTable& t) { t.moveNext(), t.value(0); }},
        {"writing at the end", false, [](PayToTable& t) { t.moveNext(), t.setValue(0, "X"); }},
        {"moving past the end", false, [](PayToTable& t) { t.moveNext(), t.moveNext(); }},
        {"deleting twice", false, [](PayToTable& t) { t.deleteCurrent(), t.deleteCurrent(); }}};
    for (const auto& [name, closed, run] : rows) {
        PayToTable table = tableWithIds({"A"});
        table.moveFirst();
        if (closed)
            table.close();
        EXPECT_EQ(table.state(), closed ? PayToTable::stateClosed : PayToTable::stateOpen);
        EXPECT_THROW(run(table), VendorPayToError) << name;
    }
}

TEST(PayToTable, RowsLiveFromAddNewUntilClose) {
    PayToTable table = tableWithIds({"A", "B", "C"});
    table.moveFirst();
    table.addNew();  // appends wherever the cursor is and makes the new row current
    for (std::size_t p = 0; p < payToFieldCount; ++p) EXPECT_FALSE(table.hasValue(p)) << p;
    table.setValue(fVendorPayToID, "D");
    table.setValue(fIsUpdated, "");
    EXPECT_TRUE(table.hasValue(fIsUpdated)) << "the empty text is a value";
    EXPECT_EQ(column(table), (Ids{"A", "B", "C", "D"}));
    table.close();
    table.open();
    EXPECT_EQ(table.recordCount(), 0U) << "close kept the rows";
}

// Rows keep their fields in one buffer, or read them from the loaded text until their first
// write: rewriting one with a longer or shorter text must leave the other fields and rows as
// they were, also in a copy of the table that outlives the table it was copied from.
TEST(PayToTable, RewritingAFieldKeepsTheOthers) {
    struct Start {
        const char* name;
        std::string record;  // empty: a row made by AddNew; else one loaded with separator "::"
    };
    for (const Start& start : {Start{"added", ""}, Start{"loaded", "L1::Loaded name::S9::::Elm"},
                               Start{"loaded, all fields",
                                     "L2::N::S::a::b::c::d::e::f::g::h::"
                                     "i::j::k::l::m::n::o::p::q::r"}}) {
        std::optional<PayToTable> original;
        if (start.record.empty()) {
            original = tableWithIds({"other"});
            original->addNew();
        } else {
            test::LoadTarget target;
            target.load("other#" + start.record + "#@@@@", {"::", "#", "@@"});
            original = target.table;
            moveTo(*original, 1);
        }
        std::vector<std::optional<std::string>> expected(payToFieldCount);
        for (std::size_t p = 0; p < payToFieldCount && !start.record.empty(); ++p) {
            if (original->hasValue(p))
                expected[p] = std::string(original->value(p));
        }
        PayToTable table = *original;
        original.reset();
        const auto write = [&](std::size_t p, const std::string& text) {
            table.setValue(p, text);
            expected[p] = text;
        };
        // Every third field from the back, so fields with no value sit between written ones.
        for (std::size_t p = payToFieldCount; p >= 3; p -= 3) write(p - 1, std::to_string(p - 1));
        write(fPayToName, "a much longer name than before");
        write(fCity, "");
        write(fVendorPayToID, "123456789012345");
        write(fPayToName, "M\xC3\xBCller");
        for (std::size_t p = 0; p < payToFieldCount; ++p) {
            EXPECT_EQ(table.hasValue(p), expected[p].has_value()) << start.name << ", " << p;
            EXPECT_EQ(table.value(p), expected[p].value_or("")) << start.name << ", " << p;
        }
        EXPECT_EQ(column(table).front(), "other") << start.name;
    }
}

TEST(PayToTable, FindFirstReachesTheFirstExactMatch) {
    const Ids ids = {"X", "XY", "x", "O'Brien", " A B ", "a = 'b", "X"};
    const std::size_t end = ids.size();
    const std::vector<std::tuple<const char*, std::string, std::size_t>> rows = {
        {"first of two", "X", 0},        {"exact, not a prefix", "XY", 1},
        {"case-sensitive", "x", 2},      {"quote in the id", "O'Brien", 3},
        {"spaces kept", " A B ", 4},     {"not trimmed", "A B", end},
        {"criterion text", "a = 'b", 5}, {"empty id", "", end}};
    const PayToTable table = tableWithIds(ids);
    for (const auto& [name, id, expected] : rows)
        EXPECT_EQ(table.findFirst(0, id).value_or(end), expected) << name;
}

TEST(PayToTable, MoveNextAfterDeleteReachesTheRowThatFollowed) {
    const std::vector<std::tuple<std::size_t, std::string, Ids>> rows = {
        {0, "B", {"B", "C"}}, {1, "C", {"A", "C"}}, {2, "", {"A", "B"}}};
    for (const auto& [index, next, remaining] : rows) {
        PayToTable table = tableWithIds({"A", "B", "C"});
        moveTo(table, index);
        table.deleteCurrent();
        table.moveNext();
        EXPECT_EQ(table.eof() ? "" : table.value(0), next) << index;
        EXPECT_EQ(column(table), remaining) << index;
    }
}

TEST(PayToTable, TooWideWriteThrowsAndStoresNothing) {
    std::string fiftyUmlauts;
    for (int i = 0; i < 50; ++i) fiftyUmlauts += "\xC3\xBC";
    // 100 bytes but 50 characters: a byte count would refuse the fifty umlauts.
    const std::vector<std::tuple<std::size_t, std::string, bool>> rows = {
        {fPayToSerial, "01", true},       {fPayToSerial, "012", false},
        {fPayToName, fiftyUmlauts, true}, {fPayToName, fiftyUmlauts + "x", false},
        {fActive, "\xFF\xFE\xFD", false}, {fActive, "\xF0\x9F\x98\x80\xF0\x9F\x98\x80", true}};
    for (const auto& [position, text, fits] : rows) {
        PayToTable table = tableWithIds({"A"});
        table.setValue(position, "1");
        if (fits) {
            EXPECT_NO_THROW(table.setValue(table.fieldName(position), text)) << text;
        } else {
            EXPECT_THROW(table.setValue(position, text), VendorPayToError) << text;
        }
        EXPECT_EQ(table.value(position), fits ? text : "1") << text;
    }
}

}  // namespace
}  // namespace xkr
