#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "TableTestSupport.h"

namespace xkr {
namespace {

using test::Ids;

std::string repeat(const std::string& text, std::size_t count) {
    std::string result;
    for (std::size_t i = 0; i < count; ++i) result += text;
    return result;
}

// Each row of the table: the writes that make it. Exporting twice gives the same text, so it
// changes nothing but the cursor.
TEST(ExportChangedRows, WritesFieldsOfMarkedRowsInTableOrder) {
    using Writes = std::vector<std::pair<std::size_t, std::string>>;
    Writes allFields;
    for (std::size_t p = 0; p < payToFieldCount; ++p) allFields.emplace_back(p, std::to_string(p));
    using Row = std::tuple<const char*, std::vector<Writes>, std::string, std::string>;
    const std::string nineteen = repeat("|", 19);
    // clang-format off
    const std::vector<Row> rows = {
        {"no rows", {}, "|", ""},
        {"marked rows only, a space marks",
         {{{0, "A"}}, {{0, "B"}, {fIsUpdated, "N"}}, {{0, "C"}, {fIsUpdated, ""}},
          {{0, "D"}, {fIsUpdated, " "}}}, "|", "B" + nineteen + "#D" + nineteen + "#"},
        {"fields 0 to 19, never the marker", {allFields}, "|",
         "0|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19#"},
        {"fields with no value keep their place",
         {{{0, "A"}, {fCity, "T"}, {fVendorID, "7"}, {fIsUpdated, "N"}}}, "<F>",
         "A" + repeat("<F>", 5) + "T" + repeat("<F>", 14) + "7#"}};
    // clang-format on
    for (const auto& [name, writes, separator, expected] : rows) {
        PayToTable table = test::tableWithIds({});
        for (const Writes& row : writes) {
            table.addNew();
            for (const auto& [position, text] : row) table.setValue(position, text);
        }
        table.moveFirst();
        EXPECT_EQ(exportChangedRows(table, separator, "#"), expected) << name;
        EXPECT_TRUE(table.eof()) << name << ": the cursor is left at the end";
        EXPECT_EQ(exportChangedRows(table, separator, "#"), expected) << name;
    }
}

// Names the first differing record, so a failing round trip says where it broke.
::testing::AssertionResult sameRecords(const std::string& exported, const Ids& expected) {
    const auto pieces = splitRecords(exported, "~\n");
    const Ids actual(pieces.begin(), pieces.end());
    if (!exported.empty() && !exported.ends_with("~\n")) {
        return ::testing::AssertionFailure() << "last record not ended: " << exported;
    }
    for (std::size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        const std::string got = i < actual.size() ? actual[i] : "(missing)";
        const std::string want = i < expected.size() ? expected[i] : "(missing)";
        if (got != want) {
            return ::testing::AssertionFailure()
                   << "record " << i << " differs:\n  got:      " << got
                   << "\n  expected: " << want;
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(ContactDataRoundTrip, ExportThenLoadGivesTheSameRecords) {
    // Written with "|" for reading; loaded and exported with the field separator "||".
    const auto widened = [](std::string text) {
        for (auto at = text.find('|'); at != std::string::npos; at = text.find('|', at + 2)) {
            text.insert(at, "|");
        }
        return text;
    };
    const Separators separators{"||", "~\n", "^^\n"};
    const std::string lookups = widened("^^\n7|Net|30~\n^^\n5|0|x|Ohio~\n");
    const std::string plain =
        "H1|Acme Supply|01|12 Main St||Springfield|0|5|12345|555-0100||"
        "ap@acme.test|||-1|-1|7|0|A-1|42";
    const std::string markedByHost =
        "H2|M\xC3\xBCller & S\xC3\xB6hne|02|K\xC3\xB6nigstra\xC3\x9F"
        "e 1|Hinterhaus|"
        "M\xC3\xBCnchen|1|6|80331|||info@mueller.test|||-1|0|7|1|A-2|42";
    const std::string shortRecord = "H3|Short|03|x|y";
    const std::string emptyMarker = "H4|\xC3\x89lan|20" + repeat("|", 12) + "0|0||||42|";
    test::LoadTarget target;
    const std::string text = widened(plain + "~\n" + markedByHost + "|S~\n" + shortRecord + "~\n" +
                                     emptyMarker + "~\n") +
                             lookups;
    ASSERT_EQ(target.load(text, separators).stopReason, "");
    ASSERT_EQ(target.table.recordCount(), 4U);

    // The editor marks the short record as changed.
    target.table.moveFirst();
    target.table.find("VendorPayToID = 'H3'");
    target.table.setValue(fIsUpdated, "S");
    const std::string exported =
        exportChangedRows(target.table, target.kept.field, target.kept.record);
    const Ids expected = {widened(markedByHost), widened(shortRecord + repeat("|", 15))};
    EXPECT_TRUE(sameRecords(exported, expected));

    // Loading the export back gives unmarked rows holding the same 20 fields.
    test::LoadTarget again;
    ASSERT_EQ(again.load(exported + lookups, separators).stopReason, "");
    EXPECT_EQ(exportChangedRows(again.table, "||", "~\n"), "");
    for (again.table.moveFirst(); !again.table.eof(); again.table.moveNext()) {
        again.table.setValue(fIsUpdated, "S");
    }
    EXPECT_TRUE(sameRecords(exportChangedRows(again.table, "||", "~\n"), expected));
}

}  // namespace
}  // namespace xkr
