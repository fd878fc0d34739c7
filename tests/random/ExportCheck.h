#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "control/VendorPayTo.h"
#include "table/ContactDataText.h"
#include "table/PayToFields.h"

// Checks on what the control hands back to a host, independent of the code that writes it.
namespace xkr::session {

using RowValues = std::array<std::string, payToFieldCount>;

// Every row of the control's table in table order; none when the table is closed. Walking the
// table leaves its cursor at the end, where an export leaves it too.
std::vector<RowValues> readRows(const VendorPayTo& control);

// Every piece between occurrences of the separator, left to right, without overlap.
std::vector<std::string_view> cutAll(std::string_view text, std::string_view separator);

// Whether a text joined with these separators can be cut back into the same pieces: each
// separator non-empty, none inside another, and no separator's proper prefix equal to a proper
// suffix of any separator (itself included). Otherwise a field end followed by a separator can
// form a separator one character early, and cutting the text is ambiguous.
bool separatorsCutCleanly(const std::vector<std::string_view>& separators);

// The export of `rows` with these separators as a host must receive it, written independently.
std::string expectedExport(const std::vector<RowValues>& rows, const Separators& separators);

// An export cut back apart: each record ends with the record separator and holds exactly 20
// fields equal to a changed row's. Applies when the field and record separators cut cleanly and
// no exported value holds either; returns the first problem, or the empty text.
std::string checkExportShape(const std::string& exported, const Separators& separators,
                             const std::vector<RowValues>& rows);

// The export loaded into a fresh control (with empty term and state tables) gives the changed
// rows back. Applies when all three separators cut cleanly and no exported value holds one.
std::string checkReload(const std::string& exported, const Separators& separators,
                        const std::vector<RowValues>& rows);

}  // namespace xkr::session
