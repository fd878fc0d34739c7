#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/Error.h"
#include "table/ContactDataText.h"
#include "table/Lookup.h"
#include "table/PayToFields.h"
#include "table/PayToTable.h"

namespace xkr::test {

using Ids = std::vector<std::string>;

// Makes the row at index (0-based, in table order) current.
inline void moveTo(PayToTable& table, std::size_t index) {
    table.moveFirst();
    for (std::size_t i = 0; i < index; ++i) table.moveNext();
}

// The ids of every row, in table order.
inline Ids column(PayToTable& table) {
    Ids values;
    for (table.moveFirst(); !table.eof(); table.moveNext())
        values.emplace_back(table.value(fVendorPayToID));
    return values;
}

// An open pay-to table with one row per id.
inline PayToTable tableWithIds(const Ids& ids) {
    PayToTable table;
    appendPayToFields(table);
    table.open();
    for (const std::string& id : ids) table.addNew(), table.setValue(fVendorPayToID, id);
    return table;
}

// A pay-to table and lookups to load into, as the control holds them.
struct LoadTarget {
    PayToTable table;
    Separators kept;
    Lookup terms, states;

    LoadTarget() { appendPayToFields(table); }
    LoadResult load(std::string_view text, const Separators& separators = {"|", "#", "@@"}) {
        return loadContactData(text, separators, table, kept, terms, states);
    }
};

// One table row whose expected value std::nullopt means "throws VendorPayToError".
template <typename T, typename Run>
void expectValueOrThrow(const std::string& name, const std::optional<T>& expected, Run run) {
    if (!expected) {
        EXPECT_THROW(run(), VendorPayToError) << name;
        return;
    }
    try {
        EXPECT_EQ(run(), *expected) << name;
    } catch (const VendorPayToError& error) {
        ADD_FAILURE() << name << ": threw " << error.what();
    }
}

}  // namespace xkr::test
