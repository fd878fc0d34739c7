#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "table/Lookup.h"
#include "table/PayToTable.h"

namespace xkr {

struct Separators {
    std::string field;
    std::string record;
    std::string table;
};

// The first separator (field, record, table) that the value holds; empty when it holds none.
// A value that holds one would split the record it is exported in, so nothing is stored with one.
std::string_view heldSeparator(std::string_view value, const Separators& separators);
// The separator that would split the record the value is exported in: the first one it holds,
// else one that begins inside it when the field or the record separator follows it, as in the
// export ("Gate|" before "||" reads back as "Gate"). Empty when none.
std::string_view splittingSeparator(std::string_view value, const Separators& separators);
// Whether a record of these values, written as the export writes it, splits back into the same
// values and holds no table separator. With an empty field or record separator no record splits
// back whatever its values, so none is refused for it.
bool readsBack(std::span<const std::string> values, const Separators& separators);

// Limits of a loaded text: the loops over records count with 16-bit integers, and a pay-to
// record has no field beyond the 21st.
inline constexpr std::size_t maxRecordsPerTable = 32767;
inline constexpr std::size_t maxPayToFields = 21;

// Splits at every occurrence of the separator, left to right, without overlap, into a vector the
// caller keeps, so a loop over records allocates once. An empty separator does not split: the
// text is one piece; the empty text gives no pieces. Cuts at the first maxCuts occurrences at
// most: the last piece is then the rest of the text, so a text holds more than maxCuts pieces
// exactly when maxCuts + 1 come back. A damaged text thus costs at most maxCuts + 1 pieces,
// never one per separator it holds.
void splitAt(std::string_view text, std::string_view separator,
             std::vector<std::string_view>& pieces, std::size_t maxCuts = SIZE_MAX);

// What a load did, for the control and for hosts that ask why a load stopped.
struct LoadResult {
    bool blank = false;         // the text was blank: nothing at all changed
    bool tableEmptied = false;  // the pay-to table was emptied (and opened when needed)
    std::string stopReason;     // empty when every step went through
};

// Loads a contact data text into the table, the separators and the two lookups. Every failure
// ends the load at that point, keeping what was done, and is reported in the result only.
LoadResult loadContactData(std::string_view text, const Separators& separators, PayToTable& table,
                           Separators& keptSeparators, Lookup& termLookup, Lookup& stateLookup);

// The rows whose change marker holds a text: fields 0 to 19 joined by the field separator,
// each record followed by the record separator, in table order. Leaves the cursor at the end.
std::string exportChangedRows(PayToTable& table, std::string_view fieldSeparator,
                              std::string_view recordSeparator);

}  // namespace xkr
