#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "TableTestSupport.h"
#include "common/Error.h"
#include "table/PayToFields.h"
#include "table/PayToTable.h"

namespace xkr {
namespace {

using test::addRow;
using test::openPayToTable;

std::vector<std::string> walkIds(PayToTable& table) {
    std::vector<std::string> ids;
    for (table.moveFirst(); !table.eof(); table.moveNext()) {
        ids.emplace_back(table.value(fVendorPayToID));
    }
    return ids;
}

PayToTable tableWithIds(const std::vector<std::string>& ids) {
    PayToTable table = openPayToTable();
    for (const std::string& id : ids) addRow(table, id);
    return table;
}

TEST(PayToTable, EveryOperationOnAClosedTableThrows) {
    struct Operation {
        const char* name;
        std::function<void(PayToTable&)> run;
    };
    const std::vector<Operation> operations = {
        {"recordCount", [](PayToTable& t) { t.recordCount(); }},
        {"moveFirst", [](PayToTable& t) { t.moveFirst(); }},
        {"moveNext", [](PayToTable& t) { t.moveNext(); }},
        {"eof", [](PayToTable& t) { t.eof(); }},
        {"addNew", [](PayToTable& t) { t.addNew(); }},
        {"deleteCurrent", [](PayToTable& t) { t.deleteCurrent(); }},
        {"deleteAllRows", [](PayToTable& t) { t.deleteAllRows(); }},
        {"find", [](PayToTable& t) { t.find("VendorPayToID = 'A'"); }},
        {"value by name", [](PayToTable& t) { t.value("VendorPayToID"); }},
        {"value by position", [](PayToTable& t) { t.value(fVendorPayToID); }},
        {"hasValue", [](PayToTable& t) { t.hasValue(fVendorPayToID); }},
        {"setValue by name", [](PayToTable& t) { t.setValue("VendorPayToID", "A"); }},
        {"setValue by position", [](PayToTable& t) { t.setValue(fVendorPayToID, "A"); }},
        {"close", [](PayToTable& t) { t.close(); }},
    };
    // A table closed after use still has its cursor and, if close forgot them, its rows: the
    // second setup catches operations that only look at the rows instead of the open state.
    struct Setup {
        const char* name;
        std::function<PayToTable()> make;
    };
    const std::vector<Setup> setups = {
        {"never opened",
         [] {
             PayToTable table;
             appendPayToFields(table);
             return table;
         }},
        {"opened, filled and closed",
         [] {
             PayToTable table = tableWithIds({"A", "B"});
             table.moveFirst();
             table.close();
             return table;
         }},
    };
    for (const Setup& setup : setups) {
        for (const Operation& operation : operations) {
            PayToTable table = setup.make();
            EXPECT_EQ(table.state(), PayToTable::stateClosed) << setup.name;
            EXPECT_THROW(operation.run(table), VendorPayToError)
                << operation.name << " on a table " << setup.name;
        }
    }
}

TEST(PayToTable, StateFollowsOpenAndClose) {
    PayToTable table;
    appendPayToFields(table);
    EXPECT_EQ(table.state(), PayToTable::stateClosed);
    table.open();
    EXPECT_EQ(table.state(), PayToTable::stateOpen);
    EXPECT_THROW(table.appendField("Late", 5), VendorPayToError);
    table.close();
    EXPECT_EQ(table.state(), PayToTable::stateClosed);
}

TEST(PayToTable, UndeclaredNameOrPositionThrows) {
    const std::vector<std::pair<const char*, std::function<void(PayToTable&)>>> operations = {
        {"read unknown name", [](PayToTable& t) { t.value("NoSuchField"); }},
        {"write unknown name", [](PayToTable& t) { t.setValue("NoSuchField", "x"); }},
        {"read name with trailing space", [](PayToTable& t) { t.value("City "); }},
        {"read position 21", [](PayToTable& t) { t.value(payToFieldCount); }},
        {"write position 21", [](PayToTable& t) { t.setValue(payToFieldCount, "x"); }},
        {"hasValue position 21", [](PayToTable& t) { t.hasValue(payToFieldCount); }},
        {"hasValue huge position", [](PayToTable& t) { t.hasValue(std::size_t(-1)); }},
        {"find on unknown field", [](PayToTable& t) { t.find("NoSuchField = 'A'"); }},
        {"fieldPosition unknown", [](PayToTable& t) { t.fieldPosition("Nope"); }},
    };
    for (const auto& [name, run] : operations) {
        PayToTable table = tableWithIds({"A"});
        EXPECT_THROW(run(table), VendorPayToError) << name;
    }
}

TEST(PayToTable, CursorWalksRowsInOrderAndEndsAtEof) {
    PayToTable table = openPayToTable();
    table.moveFirst();
    EXPECT_TRUE(table.eof()) << "an empty table is at its end after moveFirst";
    EXPECT_EQ(table.recordCount(), 0U);

    for (const char* id : {"A", "B", "C"}) addRow(table, id);
    EXPECT_EQ(table.recordCount(), 3U);
    EXPECT_EQ(walkIds(table), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_TRUE(table.eof());
    // At the end position there is no current row to read or write.
    EXPECT_THROW(table.value(fVendorPayToID), VendorPayToError);
    EXPECT_THROW(table.setValue(fVendorPayToID, "X"), VendorPayToError);
    EXPECT_THROW(table.moveNext(), VendorPayToError);
}

TEST(PayToTable, AddNewAppendsAfterTheLastRowWhereverTheCursorIs) {
    PayToTable table = tableWithIds({"A", "B", "C"});
    table.moveFirst();
    table.addNew();
    for (std::size_t p = 0; p < payToFieldCount; ++p) {
        EXPECT_FALSE(table.hasValue(p)) << "field " << p << " of a new row";
        EXPECT_EQ(table.value(p), "") << "field " << p << " of a new row";
    }
    table.setValue(fVendorPayToID, "D");
    EXPECT_EQ(table.value("VendorPayToID"), "D") << "the new row is the current row";
    EXPECT_EQ(walkIds(table), (std::vector<std::string>{"A", "B", "C", "D"}));
}

TEST(PayToTable, NoValueDiffersFromTheEmptyText) {
    PayToTable table = openPayToTable();
    table.addNew();
    table.setValue(fIsUpdated, "");
    EXPECT_TRUE(table.hasValue(fIsUpdated));
    EXPECT_EQ(table.value(fIsUpdated), "");
    EXPECT_FALSE(table.hasValue(fExported));
    EXPECT_EQ(table.value(fExported), "");
}

// Rows keep their fields in one buffer; rewriting a field with a longer or shorter text must
// leave every other field of the row, and the other rows, as they were.
TEST(PayToTable, RewritingFieldsInAnyOrderKeepsTheOthers) {
    PayToTable table = openPayToTable();
    addRow(table, "other", "untouched");
    table.addNew();
    std::vector<std::string> expected(payToFieldCount);
    std::vector<bool> present(payToFieldCount, false);
    const auto write = [&](std::size_t p, const std::string& text) {
        table.setValue(p, text);
        expected[p] = text;
        present[p] = true;
    };
    for (std::size_t p = payToFieldCount; p-- > 0;) {
        if (p % 3 != 1)
            write(p, std::to_string(p));
    }
    write(fPayToName, "a much longer name than before");
    write(fCity, "");
    write(fEmail, "x");
    write(fVendorPayToID, "123456789012345");
    write(fPayToName, "M\xC3\xBCller");
    for (std::size_t p = 0; p < payToFieldCount; ++p) {
        EXPECT_EQ(table.hasValue(p), present[p]) << table.fieldName(p);
        EXPECT_EQ(table.value(p), expected[p]) << table.fieldName(p);
    }
    table.moveFirst();
    EXPECT_EQ(table.value(fVendorPayToID), "other");
    EXPECT_EQ(table.value(fPayToName), "untouched");
}

TEST(PayToTable, FindReachesTheFirstMatchFromTheCurrentRow) {
    PayToTable table = openPayToTable();
    addRow(table, "X", "first X");
    addRow(table, "XY", "prefix trap");
    addRow(table, "x", "lower-case x");
    addRow(table, "O'Brien", "quote inside");
    addRow(table, " A B ", "spaces kept");
    addRow(table, "a = 'b", "criterion text inside");
    addRow(table, "X", "second X");

    struct Row {
        const char* name;
        std::string id;
        std::string expectedName;  // empty: no row, the cursor is at the end
    };
    const std::vector<Row> rows = {
        {"first of two equal ids", "X", "first X"},
        {"exact, not a prefix", "XY", "prefix trap"},
        {"case-sensitive", "x", "lower-case x"},
        {"quote in the id", "O'Brien", "quote inside"},
        {"spaces are part of the id", " A B ", "spaces kept"},
        {"trimmed id does not match", "A B", ""},
        {"separator text in the id", "a = 'b", "criterion text inside"},
        {"unknown id", "Z", ""},
        {"empty id", "", ""},
    };
    for (const Row& row : rows) {
        table.moveFirst();
        table.find("VendorPayToID = '" + row.id + "'");
        if (row.expectedName.empty()) {
            EXPECT_TRUE(table.eof()) << row.name;
        } else {
            ASSERT_FALSE(table.eof()) << row.name;
            EXPECT_EQ(table.value(fPayToName), row.expectedName) << row.name;
        }
    }

    table.moveFirst();
    table.find("VendorPayToID = 'X'");
    table.moveNext();
    table.find("VendorPayToID = 'X'");
    ASSERT_FALSE(table.eof());
    EXPECT_EQ(table.value(fPayToName), "second X") << "find searches forward from the cursor";
}

TEST(PayToTable, DeleteThenMoveNextReachesTheRowThatFollowed) {
    struct Row {
        const char* name;
        std::size_t deleteIndex;
        std::string nextId;  // empty: end position
        std::vector<std::string> remaining;
    };
    const std::vector<Row> rows = {
        {"first row", 0, "B", {"B", "C"}},
        {"middle row", 1, "C", {"A", "C"}},
        {"last row", 2, "", {"A", "B"}},
    };
    for (const Row& row : rows) {
        PayToTable table = tableWithIds({"A", "B", "C"});
        table.moveFirst();
        for (std::size_t i = 0; i < row.deleteIndex; ++i) table.moveNext();
        table.deleteCurrent();
        table.moveNext();
        if (row.nextId.empty()) {
            EXPECT_TRUE(table.eof()) << row.name;
        } else {
            ASSERT_FALSE(table.eof()) << row.name;
            EXPECT_EQ(table.value(fVendorPayToID), row.nextId) << row.name;
        }
        EXPECT_EQ(table.recordCount(), 2U) << row.name;
        EXPECT_EQ(walkIds(table), row.remaining) << row.name;
    }
}

TEST(PayToTable, DeletingEveryRowInALoopEmptiesTheTable) {
    PayToTable table = tableWithIds({"A", "B", "C", "D"});
    int deleted = 0;
    for (table.moveFirst(); !table.eof(); table.moveNext()) {
        table.deleteCurrent();
        ++deleted;
    }
    // A MoveNext that skips a row after Delete would leave every second row behind.
    EXPECT_EQ(deleted, 4);
    EXPECT_EQ(table.recordCount(), 0U);
    table.moveFirst();
    EXPECT_TRUE(table.eof());
    EXPECT_THROW(table.deleteCurrent(), VendorPayToError) << "nothing left to delete";
}

TEST(PayToTable, TooWideWriteThrowsAndStoresNothing) {
    const std::string fiftyUmlauts = [] {
        std::string text;
        for (int i = 0; i < 50; ++i) text += "\xC3\xBC";
        return text;
    }();
    struct Row {
        const char* name;
        std::size_t position;
        std::string text;
        bool fits;
    };
    const std::vector<Row> rows = {
        {"serial of two", fPayToSerial, "01", true},
        {"serial of three", fPayToSerial, "012", false},
        // 100 bytes but 50 characters: a byte count would refuse it.
        {"fifty two-byte letters in the name", fPayToName, fiftyUmlauts, true},
        {"fifty-one letters in the name", fPayToName, fiftyUmlauts + "x", false},
        {"two emoji in a width of two", fActive, "\xF0\x9F\x98\x80\xF0\x9F\x98\x80", true},
        {"two invalid bytes in a width of two", fActive, "\xFF\xFE", true},
        {"three invalid bytes in a width of two", fActive, "\xFF\xFE\xFD", false},
        {"id of sixteen", fVendorPayToID, "1234567890123456", false},
        {"empty text", fDefaultTerms, "", true},
    };
    for (const Row& row : rows) {
        PayToTable table = openPayToTable();
        table.addNew();
        if (row.fits) {
            EXPECT_NO_THROW(table.setValue(row.position, row.text)) << row.name;
            EXPECT_EQ(table.value(row.position), row.text) << row.name;
            continue;
        }
        EXPECT_THROW(table.setValue(row.position, row.text), VendorPayToError) << row.name;
        EXPECT_FALSE(table.hasValue(row.position)) << row.name << ": a refused write stored";
        table.setValue(row.position, "1");
        EXPECT_THROW(table.setValue(table.fieldName(row.position), row.text), VendorPayToError)
            << row.name;
        EXPECT_EQ(table.value(row.position), "1") << row.name << ": a refused write replaced";
    }
}

TEST(PayToTable, WidthCountsCharactersOfADeclaredField) {
    PayToTable table;
    table.appendField("Name", 6);
    table.open();
    table.addNew();
    EXPECT_NO_THROW(table.setValue("Name", "M\xC3\xBCller"));
    EXPECT_THROW(table.setValue("Name", "M\xC3\xBCllers"), VendorPayToError);
    EXPECT_EQ(table.value("Name"), "M\xC3\xBCller");
}

TEST(PayToTable, CloseDiscardsTheRows) {
    PayToTable table = tableWithIds({"A", "B"});
    table.close();
    table.open();
    EXPECT_EQ(table.recordCount(), 0U);
    table.moveFirst();
    EXPECT_TRUE(table.eof());
}

}  // namespace
}  // namespace xkr
