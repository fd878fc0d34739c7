#include "random/ExportCheck.h"

#include <cstddef>

namespace xkr::session {
namespace {

bool changed(const RowValues& row) {
    return !row[fIsUpdated].empty();
}

bool valuesAvoid(const std::vector<RowValues>& rows,
                 const std::vector<std::string_view>& separators) {
    for (const RowValues& row : rows) {
        if (!changed(row))
            continue;
        for (std::size_t f = 0; f < exportedFieldCount; ++f) {
            for (std::string_view separator : separators) {
                if (row[f].find(separator) != std::string::npos)
                    return false;
            }
        }
    }
    return true;
}

}  // namespace

std::vector<RowValues> readRows(const VendorPayTo& control) {
    std::vector<RowValues> rows;
    // The control offers its table read-only; reading a row needs the cursor.
    auto& table = const_cast<PayToTable&>(control.table());
    if (table.state() != PayToTable::stateOpen)
        return rows;
    for (table.moveFirst(); !table.eof(); table.moveNext()) {
        RowValues& row = rows.emplace_back();
        for (std::size_t f = 0; f < payToFieldCount; ++f) row[f] = table.value(f);
    }
    return rows;
}

std::vector<std::string_view> cutAll(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator, start)) {
        pieces.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

bool separatorsCutCleanly(const std::vector<std::string_view>& separators) {
    for (std::size_t i = 0; i < separators.size(); ++i) {
        const std::string_view a = separators[i];
        if (a.empty())
            return false;
        for (std::size_t j = 0; j < separators.size(); ++j) {
            const std::string_view b = separators[j];
            if (i != j && b.find(a) != std::string_view::npos)
                return false;
            for (std::size_t k = 1; k < a.size() && k < b.size(); ++k) {
                if (a.substr(0, k) == b.substr(b.size() - k))
                    return false;
            }
        }
    }
    return true;
}

std::string expectedExport(const std::vector<RowValues>& rows, const Separators& separators) {
    std::string text;
    for (const RowValues& row : rows) {
        if (!changed(row))
            continue;
        for (std::size_t f = 0; f < exportedFieldCount; ++f) {
            if (f > 0)
                text += separators.field;
            text += row[f];
        }
        text += separators.record;
    }
    return text;
}

std::string checkExportShape(const std::string& exported, const Separators& separators,
                             const std::vector<RowValues>& rows) {
    const std::vector<std::string_view> used{separators.field, separators.record};
    if (!separatorsCutCleanly(used) || !valuesAvoid(rows, used))
        return {};
    std::vector<const RowValues*> changedRows;
    for (const RowValues& row : rows) {
        if (changed(row))
            changedRows.push_back(&row);
    }
    std::vector<std::string_view> records = cutAll(exported, separators.record);
    if (!records.back().empty())
        return "export does not end with the record separator";
    records.pop_back();
    if (records.size() != changedRows.size()) {
        return "export holds " + std::to_string(records.size()) + " records for " +
               std::to_string(changedRows.size()) + " changed rows";
    }
    for (std::size_t r = 0; r < records.size(); ++r) {
        const std::vector<std::string_view> fields = cutAll(records[r], separators.field);
        if (fields.size() != exportedFieldCount) {
            return "export record " + std::to_string(r) + " holds " +
                   std::to_string(fields.size()) + " fields";
        }
        for (std::size_t f = 0; f < exportedFieldCount; ++f) {
            if (fields[f] != (*changedRows[r])[f]) {
                return "export record " + std::to_string(r) + " field " + std::to_string(f) +
                       " differs from its row";
            }
        }
    }
    return {};
}

std::string checkReload(const std::string& exported, const Separators& separators,
                        const std::vector<RowValues>& rows) {
    const std::vector<std::string_view> all{separators.field, separators.record, separators.table};
    if (!separatorsCutCleanly(all) || !valuesAvoid(rows, all))
        return {};
    VendorPayTo fresh;
    fresh.LetContactAddress(exported + separators.table + separators.table, separators.field,
                            separators.record, separators.table);
    if (!fresh.loadStatus().empty())
        return "reloading the export stopped: " + fresh.loadStatus();
    const std::vector<RowValues> reloaded = readRows(fresh);
    std::size_t next = 0;
    for (const RowValues& row : rows) {
        if (!changed(row))
            continue;
        if (next == reloaded.size())
            return "reloading the export lost rows";
        const RowValues& back = reloaded[next++];
        for (std::size_t f = 0; f < exportedFieldCount; ++f) {
            if (back[f] != row[f]) {
                return "reloaded row " + std::to_string(next - 1) + " field " + std::to_string(f) +
                       " differs";
            }
        }
        if (!back[fIsUpdated].empty())
            return "a reloaded row carries a change marker";
    }
    if (next != reloaded.size())
        return "reloading the export gave extra rows";
    return {};
}

}  // namespace xkr::session
