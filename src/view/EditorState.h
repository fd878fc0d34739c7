#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "table/ContactDataText.h"
#include "table/Lookup.h"
#include "table/PayToTable.h"

namespace xkr {

// The control's state that outlives a single routine.
struct EditorState {
    PayToTable table;
    Separators separators;
    Lookup termLookup;
    Lookup stateLookup;
    bool modeFlag = false;            // the host's tbMode: entries may be added and changed
    std::int32_t vendorId = 0;        // the host's plVendorID, written into new rows
    std::int16_t newIdCounter = 0;    // numbers the temporary ids; nothing resets it
    std::string primaryChangeMarker;  // "Changed" once the user changed Primary Pay To
    bool primaryGuard = false;        // set while code itself sets Primary Pay To
    bool postalCodeCheck = false;     // the host's switch for the postal-code check
    // What an entry left unsaved must put back: the list's primary marks as they were before
    // the Primary Pay To box changed them (list position, old text), and the marker as it was
    // when Add or Edit was pressed. Positions hold while an entry is typed: the list can be
    // neither sorted nor changed then, and a reload empties the record.
    std::vector<std::pair<std::size_t, std::string>> primaryMarksBefore;
    std::string primaryChangeMarkerBefore;
};

}  // namespace xkr
