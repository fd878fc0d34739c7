#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The postal-code facts of the USA and Canada: the format of a code and the prefixes of each
// state, province and territory, for the optional postal-code check of Save and Update.
namespace xkr::postal {

enum class Finding {
    Fits,          // checked and right, or not checked at all
    NotTheFormat,  // not the country's format; its state is then not looked at
    NotTheState,   // the country's format, but none of the chosen state's prefixes
};

struct Verdict {
    Finding finding = Finding::Fits;
    // What to store: a Canadian code that has the format in upper case with one space, any
    // other text as typed.
    std::string stored;
};

// Checks a code typed for the country with the given code (layout::country) and its chosen
// state, known to the facts by its two-letter code or else by its name. Only a code of the USA
// or Canada that is not blank is checked; a state that the facts do not know checks the
// format only. Codes are matched without their outer spaces, in upper case.
Verdict check(std::int32_t country, std::string_view stateCode, std::string_view stateName,
              std::string_view typed);

}  // namespace xkr::postal
