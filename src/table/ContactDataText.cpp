#include "table/ContactDataText.h"

#include <algorithm>
#include <array>
#include <exception>
#include <span>

#include "common/Error.h"
#include "common/Text.h"
#include "table/PaddedSplit.h"
#include "table/PayToFields.h"

namespace xkr {
namespace {

// Room for the fields of a usual term or state table. A larger one grows from there: a record of
// millions of fields, of which a lookup keeps eight, never reserves its size.
constexpr std::size_t usualLookupBytes = 4096;

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

// The complete records of a table are the pieces a separator ends; what follows the last
// separator is no record.
struct CompleteRecords {
    std::size_t count = 0;
    std::size_t bytes = 0;  // from the table's start to the end of the last record
};

// Counted without keeping them, so that loading allocates nothing per record. The search stops
// at the record that passes the limit, so a table of millions of records costs no more than one
// of 32,767.
CompleteRecords countCompleteRecords(std::string_view table, std::string_view separator,
                                     std::string_view tableName) {
    std::size_t pieces = 0;
    std::string_view lastRecord;
    std::string_view rest;
    forEachPiece(table, separator, maxRecordsPerTable, [&](std::string_view piece) {
        ++pieces;
        lastRecord = rest;
        rest = piece;
    });
    // Past the limit, the rest holds the 32,768th record when it holds one more separator.
    if (pieces > maxRecordsPerTable && !separator.empty() &&
        rest.find(separator) != std::string_view::npos) {
        throw VendorPayToError("the " + std::string(tableName) +
                               " table holds more than 32767 records; a table holds at most 32767");
    }
    if (pieces < 2)
        return {};
    return {pieces - 1,
            static_cast<std::size_t>(lastRecord.data() - table.data()) + lastRecord.size()};
}

// Calls visit(record, index) for the counted records, in order.
template <typename Visit>
void forEachCompleteRecord(std::string_view table, std::string_view separator,
                           const CompleteRecords& records, Visit&& visit) {
    std::size_t index = 0;
    forEachPiece(table, separator, records.count, [&](std::string_view piece) {
        if (index < records.count)
            visit(piece, index);
        ++index;
    });
}

// One entry per record, each entry the record's first fields. The lookup is replaced only once
// the table's records are counted, so a refused table leaves it as it was. A record's pieces
// go through the caller's vector, which the tables of a load share.
void fillLookup(Lookup& lookup, std::string_view table, std::string_view recordSeparator,
                std::string_view fieldSeparator, std::string_view tableName,
                std::vector<std::string_view>& fields) {
    const CompleteRecords records = countCompleteRecords(table, recordSeparator, tableName);
    lookup.reset(records.count, std::min(records.bytes, usualLookupBytes));
    // The split stops after the kept fields; the piece after them is the record's rest.
    forEachCompleteRecord(table, recordSeparator, records, [&](std::string_view record, auto) {
        splitAt(record, fieldSeparator, fields, maxLookupFields);
        lookup.add(fields);
    });
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
        return text::concat({"pay-to record ", std::to_string(recordNumber), ": ", refusal});
    if (fields.size() > maxPayToFields) {
        return text::concat({"pay-to record ", std::to_string(recordNumber),
                             " has more than 21 fields; a record holds at most 21"});
    }
    return {};
}

// One record as the export writes it: the values joined by the field separator, then the record
// separator.
template <typename ValueAt>
void appendRecord(std::string& out, std::size_t count, ValueAt valueAt,
                  std::string_view fieldSeparator, std::string_view recordSeparator) {
    for (std::size_t position = 0; position < count; ++position) {
        if (position > 0)
            out += fieldSeparator;
        out += valueAt(position);
    }
    out += recordSeparator;
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
        std::array<std::string_view, 4> tables;
        std::size_t tableCount = 0;
        forEachPiece(text, separators.table, 3,
                     [&](std::string_view piece) { tables[tableCount++] = piece; });
        if (tableCount != 3) {
            result.stopReason = text::concat(
                {"the text holds ", tableCount > 3 ? "more than 3" : std::to_string(tableCount),
                 tableCount == 1 ? " table" : " tables", "; it must hold exactly 3"});
            return result;
        }
        // Counted in the host's text, so that a refused table is never copied; the rows then
        // read their values from one kept copy of the complete pay-to records, at the same
        // offsets. The three tables share the vector of one record's fields.
        std::vector<std::string_view> fields;
        fields.reserve(maxPayToFields + 1);
        const CompleteRecords records =
            countCompleteRecords(tables[0], separators.record, "pay-to entries");
        if (records.count > 0) {
            const char* const host = tables[0].data();
            const char* const kept = table.keepText(tables[0].substr(0, records.bytes)).data();
            table.reserveRows(records.count);
            forEachCompleteRecord(
                tables[0], separators.record, records, [&](std::string_view record, std::size_t i) {
                    if (!result.stopReason.empty())
                        return;  // the load ends at the first refused record
                    result.stopReason = addPayToRow(
                        table, std::string_view(kept + (record.data() - host), record.size()),
                        separators.field, i + 1, fields);
                });
            if (!result.stopReason.empty())
                return result;
        }
        fillLookup(termLookup, tables[1], separators.record, separators.field, "term", fields);
        fillLookup(stateLookup, tables[2], separators.record, separators.field, "state", fields);
    } catch (const std::exception& error) {
        result.stopReason = error.what();
    }
    return result;
}

std::string_view heldSeparator(std::string_view value, const Separators& separators) {
    for (const std::string* separator :
         {&separators.field, &separators.record, &separators.table}) {
        if (!separator->empty() && value.find(*separator) != std::string_view::npos)
            return *separator;
    }
    return {};
}

std::string_view splittingSeparator(std::string_view value, const Separators& separators) {
    if (const std::string_view held = heldSeparator(value, separators); !held.empty())
        return held;
    for (const std::string* separator :
         {&separators.field, &separators.record, &separators.table}) {
        for (const std::string* follower : {&separators.field, &separators.record}) {
            if (!separator->empty() && !follower->empty() &&
                (std::string(value) + *follower).find(*separator) < value.size()) {
                return *separator;
            }
        }
    }
    return {};
}

bool readsBack(std::span<const std::string> values, const Separators& separators) {
    if (separators.field.empty() || separators.record.empty())
        return true;
    std::string record;
    appendRecord(
        record, values.size(),
        [&](std::size_t position) { return std::string_view(values[position]); }, separators.field,
        separators.record);
    if (!separators.table.empty() && record.find(separators.table) != std::string::npos)
        return false;
    std::vector<std::string_view> records, fields;
    splitAt(record, separators.record, records);
    if (records.size() != 2 || !records[1].empty())
        return false;
    splitAt(records[0], separators.field, fields);
    return std::equal(fields.begin(), fields.end(), values.begin(), values.end());
}

std::string exportChangedRows(PayToTable& table, std::string_view fieldSeparator,
                              std::string_view recordSeparator) {
    std::string result;
    if (table.recordCount() == 0)
        return result;
    for (table.moveFirst(); !table.eof(); table.moveNext()) {
        if (table.value(fIsUpdated).empty())
            continue;
        appendRecord(
            result, exportedFieldCount, [&](std::size_t position) { return table.value(position); },
            fieldSeparator, recordSeparator);
    }
    return result;
}

}  // namespace xkr
