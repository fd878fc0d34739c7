#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "TableTestSupport.h"
#include "common/Error.h"
#include "table/ContactDataText.h"
#include "table/PayToFields.h"

namespace xkr {
namespace {

using test::LoadTarget;
using test::openPayToTable;

std::string repeat(const std::string& text, std::size_t count) {
    std::string result;
    for (std::size_t i = 0; i < count; ++i) result += text;
    return result;
}

TEST(ExportChangedRows, ClosedTableThrows) {
    PayToTable table;
    appendPayToFields(table);
    EXPECT_THROW(exportChangedRows(table, "|", "#"), VendorPayToError);
}

TEST(ExportChangedRows, WritesFieldsOfMarkedRowsInTableOrder) {
    using Writes = std::vector<std::pair<std::size_t, std::string>>;
    Writes allFields;
    for (std::size_t p = 0; p < fIsUpdated; ++p) allFields.emplace_back(p, std::to_string(p));
    allFields.emplace_back(fIsUpdated, "S");

    struct Row {
        const char* name;
        std::vector<Writes> rows;
        std::string expected;
        std::string field = "|";
        std::string record = "#";
    };
    const std::vector<Row> rows = {
        {"no rows", {}, ""},
        {"unmarked rows only",
         {{{fVendorPayToID, "A"}}, {{fVendorPayToID, "B"}, {fIsUpdated, ""}}},
         ""},
        {"marked rows in table order",
         {{{fVendorPayToID, "A"}},
          {{fVendorPayToID, "B"}, {fIsUpdated, "N"}},
          {{fVendorPayToID, "C"}},
          {{fVendorPayToID, "D"}, {fIsUpdated, "S"}}},
         "B" + repeat("|", 19) + "#D" + repeat("|", 19) + "#"},
        {"fields 0 to 19, never the marker",
         {allFields},
         "0|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19#"},
        // Fields with no value between written ones must still take their place.
        {"fields with no value export as empty",
         {{{fVendorPayToID, "A"}, {fCity, "Town"}, {fVendorID, "77"}, {fIsUpdated, "N"}}},
         "A" + repeat("|", 5) + "Town" + repeat("|", 14) + "77#"},
        {"multi-character separators",
         {{{fVendorPayToID, "A"}, {fIsUpdated, "N"}}},
         "A" + repeat("<F>", 19) + "<R>\r\n",
         "<F>",
         "<R>\r\n"},
        {"a space is a non-empty marker",
         {{{fVendorPayToID, "A"}, {fIsUpdated, " "}}},
         "A" + repeat("|", 19) + "#"},
    };
    for (const Row& row : rows) {
        PayToTable table = openPayToTable();
        for (const Writes& writes : row.rows) {
            table.addNew();
            for (const auto& [position, text] : writes) table.setValue(position, text);
        }
        EXPECT_EQ(exportChangedRows(table, row.field, row.record), row.expected) << row.name;
    }
}

TEST(ExportChangedRows, ChangesNothingButTheCursor) {
    PayToTable table = openPayToTable();
    test::addRow(table, "A");
    table.setValue(fIsUpdated, "N");
    test::addRow(table, "B");
    table.moveFirst();
    const std::string first = exportChangedRows(table, "|", "#");
    EXPECT_TRUE(table.eof()) << "the cursor is left at the end";
    EXPECT_EQ(exportChangedRows(table, "|", "#"), first) << "markers were cleared";
    EXPECT_EQ(table.recordCount(), 2U);
}

// Splits an exported text into its records, checking that every record is ended.
std::vector<std::string> exportedRecords(const std::string& text, const std::string& separator) {
    std::vector<std::string> records;
    for (std::string_view record : splitRecords(text, separator)) records.emplace_back(record);
    EXPECT_TRUE(text.empty() || text.ends_with(separator)) << "last record not ended: " << text;
    return records;
}

::testing::AssertionResult sameRecords(const std::vector<std::string>& actual,
                                       const std::vector<std::string>& expected) {
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

// Field separator "|", record separator "~\n", table separator "^^\n".
const Separators roundTripSeparators{"|", "~\n", "^^\n"};
const std::string lookups = "^^\n7|Net|30~\n^^\n5|0|x|Ohio~\n";

const std::string plainRecord =
    "H1|Acme Supply|01|12 Main St||Springfield|0|5|12345|555-0100||ap@acme.test|||-1|-1|7|0|A-1|42";
const std::string markedByHost =
    "H2|M\xC3\xBCller & S\xC3\xB6hne|02|K\xC3\xB6nigstra\xC3\x9F"
    "e 1|Hinterhaus|M\xC3\xBCnchen|1|6|"
    "80331|||info@mueller.test|||-1|0|7|1|A-2|42";
const std::string shortRecord = "H3|Short|03|x|y";
const std::string emptyMarker =
    "H4|\xC3\x89lan|20" + repeat("|", 12) + "0|0" + repeat("|", 4) + "42";

TEST(ContactDataRoundTrip, ExportThenLoadGivesTheSameRecords) {
    LoadTarget target;
    const std::string text = plainRecord + "~\n" + markedByHost + "|S~\n" + shortRecord + "~\n" +
                             emptyMarker + "|~\n" + lookups;
    ASSERT_EQ(target.load(text, roundTripSeparators).stopReason, "");
    ASSERT_EQ(target.table.recordCount(), 4U);

    // The editor marks the short record as changed.
    target.table.moveFirst();
    target.table.find("VendorPayToID = 'H3'");
    ASSERT_FALSE(target.table.eof());
    target.table.setValue(fIsUpdated, "S");

    const std::string exported =
        exportChangedRows(target.table, target.kept.field, target.kept.record);
    const std::vector<std::string> expected = {markedByHost, shortRecord + repeat("|", 15)};
    EXPECT_TRUE(sameRecords(exportedRecords(exported, "~\n"), expected));

    // Loading the export back gives rows without a marker holding the same 20 fields.
    LoadTarget again;
    ASSERT_EQ(again.load(exported + lookups, roundTripSeparators).stopReason, "");
    EXPECT_EQ(exportChangedRows(again.table, "|", "~\n"), "");
    for (again.table.moveFirst(); !again.table.eof(); again.table.moveNext()) {
        EXPECT_FALSE(again.table.hasValue(fIsUpdated));
        again.table.setValue(fIsUpdated, "S");
    }
    EXPECT_TRUE(
        sameRecords(exportedRecords(exportChangedRows(again.table, "|", "~\n"), "~\n"), expected));
}

}  // namespace
}  // namespace xkr
