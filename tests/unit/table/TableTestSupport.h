#pragma once

#include <string>
#include <vector>

#include "table/ContactDataText.h"
#include "table/Lookup.h"
#include "table/PayToFields.h"
#include "table/PayToTable.h"

namespace xkr::test {

// The separators most tests load with; the table separator has two characters on purpose.
inline const Separators defaultSeparators{"|", "#", "@@"};

// Everything a load writes, as the control holds it.
struct LoadTarget {
    PayToTable table;
    Separators kept;
    Lookup terms;
    Lookup states;

    LoadTarget() { appendPayToFields(table); }

    LoadResult load(std::string_view text, const Separators& separators = defaultSeparators) {
        return loadContactData(text, separators, table, kept, terms, states);
    }

    // The value of one field in every row, in table order.
    std::vector<std::string> column(std::size_t position) {
        std::vector<std::string> values;
        for (table.moveFirst(); !table.eof(); table.moveNext()) {
            values.emplace_back(table.value(position));
        }
        return values;
    }

    // Makes the row at index current (0-based, in table order).
    void moveTo(std::size_t index) {
        table.moveFirst();
        for (std::size_t i = 0; i < index; ++i) table.moveNext();
    }
};

inline PayToTable openPayToTable() {
    PayToTable table;
    appendPayToFields(table);
    table.open();
    return table;
}

// Adds a row and writes the given ids into VendorPayToID and names into PayToName.
inline void addRow(PayToTable& table, std::string_view id, std::string_view name = {}) {
    table.addNew();
    table.setValue(fVendorPayToID, id);
    if (!name.empty())
        table.setValue(fPayToName, name);
}

}  // namespace xkr::test
