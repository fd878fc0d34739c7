#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "table/PayToTable.h"

namespace xkr {

// The 21 fields of the pay-to table, in declared order: loading fills them by position and
// exporting writes positions 0 to 19, so this order is part of the exchange format.
enum PayToField : std::size_t {
    fVendorPayToID,
    fPayToName,
    fPayToSerial,
    fStreet1,
    fStreet2,
    fCity,
    fCountry,
    fState,
    fPostalCode,
    fPhone,
    fFAX,
    fEmail,
    fPhone2,
    fPhone3,
    fActive,
    fDefaultPayTo,
    fDefaultTerms,
    fExported,
    fAddressID,
    fVendorID,
    fIsUpdated,
    payToFieldCount
};

struct PayToFieldDef {
    std::string_view name;
    std::size_t width;
};

inline constexpr std::array<PayToFieldDef, payToFieldCount> payToFields{{
    {"VendorPayToID", 15}, {"PayToName", 50}, {"PayToSerial", 2}, {"Street1", 30},
    {"Street2", 30},       {"City", 30},      {"Country", 30},    {"State", 30},
    {"PostalCode", 30},    {"Phone", 30},     {"FAX", 30},        {"Email", 50},
    {"Phone2", 30},        {"Phone3", 30},    {"Active", 2},      {"DefaultPayTo", 2},
    {"DefaultTerms", 4},   {"Exported", 2},   {"AddressID", 15},  {"VendorID", 15},
    {"IsUpdated", 2},
}};

// Fields exported to the host: all but the change marker.
inline constexpr std::size_t exportedFieldCount = fIsUpdated;

inline void appendPayToFields(PayToTable& table) {
    for (const PayToFieldDef& field : payToFields) {
        table.appendField(std::string(field.name), field.width);
    }
}

}  // namespace xkr
