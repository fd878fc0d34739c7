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

// Each runs on an open table holding "A" as the current row.
TEST(PayToTable, RefusesWhatItCannotDo) {
    using Run = std::function<void(PayToTable&)>;
    const std::vector<std::tuple<const char*, Run>> rows = {
        {"unknown name", [](PayToTable& t) { t.value("NoSuchField"); }},
        {"position 21", [](PayToTable& t) { t.hasValue(payToFieldCount); }},
        {"find on unknown field", [](PayToTable& t) { t.findFirst(payToFieldCount, "A"); }},
        {"reading at the end", [](PayToTable& t) { t.moveNext(), t.value(0); }},
        {"writing at the end", [](PayToTable& t) { t.moveNext(), t.setValue(0, "X"); }},
        {"moving past the end", [](PayToTable& t) { t.moveNext(), t.moveNext(); }},
        {"reading one row past the last", [](PayToTable& t) { t.valueAt(1, 0); }},
        {"deleting twice", [](PayToTable& t) { t.deleteCurrent(), t.deleteCurrent(); }},
        {"deleting at the end", [](PayToTable& t) { t.moveNext(), t.deleteCurrent(); }},
        // Emptying must forget the deleted-row flag, or this MoveNext passes silently.
        {"moving on an emptied table",
         [](PayToTable& t) { t.deleteCurrent(), t.deleteAllRows(), t.moveNext(); }}};
    for (const auto& [name, run] : rows) {
        PayToTable table = tableWithIds({"A"});
        table.moveFirst();
        EXPECT_THROW(run(table), VendorPayToError) << name;
    }
}

// A loaded row reads its fields from the loaded text until its first write copies them into
// the row's own buffer: rewriting fields with longer and shorter texts must leave the others
// as they were (the last field too), also in a copy that outlives the table it came from.
TEST(PayToTable, RewritingAFieldKeepsTheOthers) {
    std::optional<PayToTable> original(std::in_place);
    appendPayToFields(*original);
    Separators kept;
    Lookup terms, states;
    loadContactData("other#L2::N::S::a::b::c::d::e::f::g::h::i::j::k::l::m::n::o::p::q::r#@@@@",
                    {"::", "#", "@@"}, *original, kept, terms, states);
    moveTo(*original, 1);
    std::vector<std::string> expected;
    for (std::size_t p = 0; p < payToFieldCount; ++p) expected.emplace_back(original->value(p));
    PayToTable table = *original;
    original.reset();
    const auto write = [&](std::size_t p, const std::string& text) {
        table.setValue(p, text);
        expected[p] = text;
    };
    for (std::size_t p = payToFieldCount - 1; p >= 3; p -= 3) write(p - 1, std::to_string(p - 1));
    write(fPayToName, "a much longer name than before");
    write(fCity, "");
    write(fVendorPayToID, "123456789012345");
    write(fPayToName, "M\xC3\xBCller");
    for (std::size_t p = 0; p < payToFieldCount; ++p) EXPECT_EQ(table.value(p), expected[p]) << p;
    EXPECT_EQ(column(table).front(), "other");
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

// A table holds at most 32767 records; one more stops the load. The pay-to table and the term
// table share the count: an off-by-one refuses the largest vendor.
TEST(LoadContactData, TablesHoldAtMost32767Records) {
    std::string full;
    for (std::size_t i = 0; i < maxRecordsPerTable; ++i) full += "1|t#";
    for (const std::string tooMany : {"", "1#"}) {
        test::LoadTarget target;
        const LoadResult result = target.load(full + tooMany + "@@" + full + "@@");
        EXPECT_EQ(result.stopReason.find("more than 32767 records") != std::string::npos,
                  !tooMany.empty());
        EXPECT_EQ(target.terms.size(), tooMany.empty() ? maxRecordsPerTable : 0U);
    }
}

}  // namespace
}  // namespace xkr
