#pragma once

#include <cstddef>
#include <string>

#include "control/VendorPayTo.h"

namespace xkr::bench {

inline constexpr const char* fieldSeparator = "|";
inline constexpr const char* recordSeparator = "~";
inline constexpr const char* tableSeparator = "^";

// A contact data text of `records` pay-to records of 21 fields, one term and one state. With
// `marked` every record carries a change marker, so an export writes all of them. Serials are
// two punctuation characters (they sort before digits), except the last record's "99": a
// serial the user types is free unless it is "99", and "99" sits last in serial order.
std::string contactText(std::size_t records, bool marked);

// A control in edit mode (vendor 1234) holding the text.
void load(VendorPayTo& control, const std::string& text);

// Add mode with every required field filled and the given serial typed; the focus is left on
// the serial box, so pressing Save runs the serial rule as a user's press does.
void fillNewEntry(VendorPayTo& control, const std::string& serial);

// The list position of the first entry with this serial; the count when there is none.
std::size_t findSerial(const VendorPayTo& control, const std::string& serial);

}  // namespace xkr::bench
