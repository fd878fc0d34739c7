#include "table/ContactDataText.h"

#include <algorithm>
#include <exception>
#include <span>

#include "common/Error.h"
#include "common/Text.h"
#include "table/PaddedSplit.h"
#include "table/PayToFields.h"

namespace xkr {
namespace {

std::vector<std::string_view> completeRecords(std::string_view table, std::string_view separator,
                                              std::string_view tableName) {
    std::vector<std::string_view> records = splitRecords(table, separator);
    if (records.size() > maxRecordsPerTable) {
        throw VendorPayToError("the " + std::string(tableName) + " table holds " +
                               std::to_string(records.size()) +
                               " records; a table holds at most 32767");
    }
    return records;
}

Lookup toLookup(const std::vector<std::string_view>& records, std::string_view fieldSeparator) {
    Lookup lookup;
    lookup.reserve(records.size());
    for (std::string_view record : records) {
        LookupRecord fields;
        for (std::string_view field : splitAt(record, fieldSeparator)) fields.emplace_back(field);
        lookup.push_back(std::move(fields));
    }
    return lookup;
}

static_assert(PayToTable::keptTextPadding >= paddedSplitOverread);

// The record lies in a text the table keeps.
void addPayToRow(PayToTable& table, std::string_view record, std::string_view fieldSeparator,
                 std::size_t recordNumber, std::vector<std::string_view>& fields) {
    if (fieldSeparator.size() == 1) {
        splitPaddedAt(record, fieldSeparator.front(), fields);
    } else {
        splitAt(record, fieldSeparator, fields);
    }
    table.addNew();
    // The fields before a failing one stay written: the load keeps what it had done.
    try {
        table.setValues(std::span<const std::string_view>(fields).first(
                            std::min(fields.size(), maxPayToFields)),
                        fieldSeparator.size());
    } catch (const VendorPayToError& error) {
        throw VendorPayToError("pay-to record " + std::to_string(recordNumber) + ": " +
                               error.what());
    }
    if (fields.size() > maxPayToFields) {
        throw VendorPayToError("pay-to record " + std::to_string(recordNumber) + " has " +
                               std::to_string(fields.size()) +
                               " fields; a record holds at most 21");
    }
}

}  // namespace

std::vector<std::string_view> splitAt(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> pieces;
    splitAt(text, separator, pieces);
    return pieces;
}

void splitAt(std::string_view text, std::string_view separator,
             std::vector<std::string_view>& pieces) {
    pieces.clear();
    if (text.empty())
        return;
    if (separator.empty()) {
        pieces.push_back(text);
        return;
    }
    // A one-character separator is searched as a character: the general search compares the
    // rest of the separator at every hit, which dominates loading.
    const auto next = [&](std::size_t from) {
        return separator.size() == 1 ? text.find(separator.front(), from)
                                     : text.find(separator, from);
    };
    std::size_t start = 0;
    for (auto hit = next(0); hit != std::string_view::npos; hit = next(start)) {
        pieces.push_back(text.substr(start, hit - start));
        start = hit + separator.size();
    }
    pieces.push_back(text.substr(start));
}

std::vector<std::string_view> splitRecords(std::string_view table, std::string_view separator) {
    std::vector<std::string_view> records = splitAt(table, separator);
    if (!records.empty())
        records.pop_back();
    return records;
}

LoadResult loadContactData(std::string_view text, const Separators& separators, PayToTable& table,
                           Separators& keptSeparators, Lookup& termLookup, Lookup& stateLookup) {
    LoadResult result;
    if (text::trim(text).empty()) {
        result.blank = true;
        return result;
    }
    try {
        keptSeparators = separators;
        if (table.state() == PayToTable::stateOpen) {
            table.deleteAllRows();
        } else {
            table.open();
        }
        result.tableEmptied = true;

        const std::vector<std::string_view> tables = splitAt(text, separators.table);
        if (tables.size() != 3) {
            throw VendorPayToError("the text holds " + std::to_string(tables.size()) +
                                   (tables.size() == 1 ? " table" : " tables") +
                                   "; it must hold exactly 3");
        }
        // The rows read their values from one kept copy of the pay-to records.
        const auto payTo =
            completeRecords(table.keepText(tables[0]), separators.record, "pay-to entries");
        std::vector<std::string_view> fields;
        for (std::size_t i = 0; i < payTo.size(); ++i) {
            addPayToRow(table, payTo[i], separators.field, i + 1, fields);
        }
        termLookup =
            toLookup(completeRecords(tables[1], separators.record, "term"), separators.field);
        stateLookup =
            toLookup(completeRecords(tables[2], separators.record, "state"), separators.field);
    } catch (const std::exception& error) {
        result.stopReason = error.what();
    }
    return result;
}

std::string exportChangedRows(PayToTable& table, std::string_view fieldSeparator,
                              std::string_view recordSeparator) {
    std::string result;
    if (table.recordCount() == 0)
        return result;
    for (table.moveFirst(); !table.eof(); table.moveNext()) {
        if (table.value(fIsUpdated).empty())
            continue;
        for (std::size_t position = 0; position < exportedFieldCount; ++position) {
            if (position > 0)
                result += fieldSeparator;
            result += table.value(position);
        }
        result += recordSeparator;
    }
    return result;
}

}  // namespace xkr
