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

// Calls visit(piece) for the pieces splitAt gives, cutting at the first maxCuts occurrences of
// the separator at most.
template <typename Visit>
void forEachPiece(std::string_view text, std::string_view separator, std::size_t maxCuts,
                  Visit&& visit) {
    if (text.empty())
        return;
    // A one-character separator is searched as a character: the general search compares the
    // rest of the separator at every hit, which dominates loading.
    const auto next = [&](std::size_t from) {
        return separator.size() == 1 ? text.find(separator.front(), from)
                                     : text.find(separator, from);
    };
    std::size_t start = 0;
    if (!separator.empty()) {
        for (std::size_t cuts = 0; cuts < maxCuts; ++cuts) {
            const std::size_t hit = next(start);
            if (hit == std::string_view::npos)
                break;
            visit(text.substr(start, hit - start));
            start = hit + separator.size();
        }
    }
    visit(text.substr(start));
}

// The complete records of a table, into `records`. The search stops at the record that passes
// the limit, so a table of millions of records costs no more than one of 32,767; the exact count
// is then not known.
void completeRecords(std::string_view table, std::string_view separator, std::string_view tableName,
                     std::vector<std::string_view>& records) {
    // Every cut ends a record; what follows the last cut is no record, unless it holds one more
    // separator: that is the 32,768th record.
    splitAt(table, separator, records, maxRecordsPerTable);
    if (records.size() > maxRecordsPerTable && !separator.empty() &&
        records.back().find(separator) != std::string_view::npos) {
        throw VendorPayToError("the " + std::string(tableName) +
                               " table holds more than 32767 records; a table holds at most 32767");
    }
    if (!records.empty())
        records.pop_back();
}

// One entry per record, each entry the record's first fields. The pieces go through the
// caller's vectors, which the tables of a load share.
Lookup toLookup(std::string_view table, std::string_view recordSeparator,
                std::string_view fieldSeparator, std::string_view tableName,
                std::vector<std::string_view>& records, std::vector<std::string_view>& fields) {
    completeRecords(table, recordSeparator, tableName, records);
    Lookup lookup;
    lookup.reserve(records.size());
    for (std::string_view record : records) {
        // The search stops after the kept fields; the piece after them is the record's rest.
        splitAt(record, fieldSeparator, fields, maxLookupFields);
        const auto kept = static_cast<std::ptrdiff_t>(std::min(fields.size(), maxLookupFields));
        lookup.emplace_back(fields.begin(), fields.begin() + kept);
    }
    return lookup;
}

static_assert(PayToTable::keptTextPadding >= paddedSplitOverread);

// Adds the record, which lies in a text the table keeps, as a row; returns why it was refused,
// or the empty text. The split stops at the 22nd field: a record of millions of fields costs no
// more than one of 22.
std::string addPayToRow(PayToTable& table, std::string_view record, std::string_view fieldSeparator,
                        std::size_t recordNumber, std::vector<std::string_view>& fields) {
    if (fieldSeparator.size() == 1) {
        splitPaddedAt(record, fieldSeparator.front(), fields, maxPayToFields);
    } else {
        splitAt(record, fieldSeparator, fields, maxPayToFields);
    }
    table.addNew();
    // The fields before a refused one stay written: the load keeps what it had done.
    const std::string refusal = table.setValues(
        std::span<const std::string_view>(fields).first(std::min(fields.size(), maxPayToFields)),
        fieldSeparator.size());
    if (!refusal.empty())
        return "pay-to record " + std::to_string(recordNumber) + ": " + refusal;
    if (fields.size() > maxPayToFields) {
        return "pay-to record " + std::to_string(recordNumber) +
               " has more than 21 fields; a record holds at most 21";
    }
    return {};
}

}  // namespace

void splitAt(std::string_view text, std::string_view separator,
             std::vector<std::string_view>& pieces, std::size_t maxCuts) {
    pieces.clear();
    forEachPiece(text, separator, maxCuts,
                 [&](std::string_view piece) { pieces.push_back(piece); });
}

LoadResult loadContactData(std::string_view text, const Separators& separators, PayToTable& table,
                           Separators& keptSeparators, Lookup& termLookup, Lookup& stateLookup) {
    LoadResult result;
    if (text::trim(text).empty()) {
        result.blank = true;
        return result;
    }
    // A damaged text, the common failure, ends the load by returning its reason: an exception
    // costs more than the load. What fails further down throws to the catch at the end.
    try {
        keptSeparators = separators;
        if (table.state() == PayToTable::stateOpen) {
            table.deleteAllRows();
        } else {
            table.open();
        }
        result.tableEmptied = true;

        // The split stops at the fourth table: a text of millions of tables costs four pieces.
        std::vector<std::string_view> tables;
        tables.reserve(4);
        splitAt(text, separators.table, tables, 3);
        if (tables.size() != 3) {
            result.stopReason =
                "the text holds " +
                (tables.size() > 3 ? std::string("more than 3 tables")
                                   : std::to_string(tables.size()) +
                                         (tables.size() == 1 ? " table" : " tables")) +
                "; it must hold exactly 3";
            return result;
        }
        // Counted in the host's text, so that a refused table is never copied; the rows then
        // read their values from one kept copy of the complete pay-to records, at the same
        // offsets. The three tables share the vectors of records and of one record's fields,
        // so that a load grows each once.
        std::vector<std::string_view> records;
        std::vector<std::string_view> fields;
        fields.reserve(maxPayToFields + 1);
        completeRecords(tables[0], separators.record, "pay-to entries", records);
        if (!records.empty()) {
            const char* const host = tables[0].data();
            const std::size_t recordBytes =
                static_cast<std::size_t>(records.back().data() - host) + records.back().size();
            const char* const kept = table.keepText(tables[0].substr(0, recordBytes)).data();
            table.reserveRows(records.size());
            for (std::size_t i = 0; i < records.size(); ++i) {
                const std::string_view record(kept + (records[i].data() - host), records[i].size());
                result.stopReason = addPayToRow(table, record, separators.field, i + 1, fields);
                if (!result.stopReason.empty())
                    return result;
            }
        }
        termLookup =
            toLookup(tables[1], separators.record, separators.field, "term", records, fields);
        stateLookup =
            toLookup(tables[2], separators.record, separators.field, "state", records, fields);
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
