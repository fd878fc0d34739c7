#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TableTestSupport.h"

namespace xkr {
namespace {

using test::Ids;

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
    const std::string emptyMarker = "H4|\xC3\x89lan|20" + std::string(12, '|') + "0|0||||42|";
    test::LoadTarget target;
    const std::string text = widened(plain + "| ~\n" + markedByHost + "|S~\n" + shortRecord +
                                     "~\n" + emptyMarker + "~\n") +
                             lookups;
    ASSERT_EQ(target.load(text, separators).stopReason, "");
    ASSERT_EQ(target.table.recordCount(), 4U);

    // The editor marks the short record as changed. A marker of one space counts, an empty one
    // does not; the marker itself is never exported.
    target.table.moveTo(*target.table.findFirst(fVendorPayToID, "H3"));
    target.table.setValue(fIsUpdated, "S");
    const std::string exported =
        exportChangedRows(target.table, target.kept.field, target.kept.record);
    const Ids expected = {widened(plain), widened(markedByHost),
                          widened(shortRecord + std::string(15, '|'))};
    EXPECT_TRUE(sameRecords(exported, expected));
    EXPECT_TRUE(target.table.eof()) << "the cursor is left at the end";
    EXPECT_EQ(exportChangedRows(target.table, "||", "~\n"), exported) << "exporting changed rows";

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
