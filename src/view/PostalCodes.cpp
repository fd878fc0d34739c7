#include "view/PostalCodes.h"

#include <regex>
#include <span>

#include "common/Text.h"
#include "view/Layout.h"

namespace xkr::postal {
namespace {

struct Region {
    std::string_view code;
    std::string_view name;
    const char* prefixes;  // ECMAScript alternatives, matched at the start of a code
};

struct CountryFacts {
    std::int32_t country;
    const char* format;  // ECMAScript, matched against the whole code
    std::span<const Region> regions;
};

// Public postal reference facts: the ZIP code prefixes of each state, and the first letters or
// forward sortation areas of each province and territory.
constexpr Region canadaRegions[] = {
    {"AB", "Alberta", R"(T)"},
    {"BC", "British Columbia", R"(V)"},
    {"MB", "Manitoba", R"(R)"},
    {"NB", "New Brunswick", R"(E)"},
    {"NL", "Newfoundland and Labrador", R"(A)"},
    {"NS", "Nova Scotia", R"(B)"},
    {"NT", "Northwest Territories", R"(X0E|X0G|X1A)"},
    {"NU", "Nunavut", R"(X0A|X0B|X0C)"},
    {"ON", "Ontario", R"(K|L|M|N|P)"},
    {"PE", "Prince Edward Island", R"(C)"},
    {"QC", "Quebec", R"(G|H|J|K1A)"},
    {"SK", "Saskatchewan", R"(S|R8A)"},
    {"YT", "Yukon", R"(Y)"},
};

constexpr Region usaRegions[] = {
    {"AA", "Armed Forces (AA)", R"(340)"},
    {"AE", "Armed Forces (AE)", R"(09)"},
    {"AK", "Alaska", R"(99[5-9])"},
    {"AL", "Alabama", R"(3[56])"},
    {"AP", "Armed Forces (AP)", R"(96[2-6])"},
    {"AR", "Arkansas", R"(71[6-9]|72)"},
    {"AS", "American Samoa", R"(96799)"},
    {"AZ", "Arizona", R"(8[56])"},
    {"CA", "California", R"(9[0-5]|96[01])"},
    {"CO", "Colorado", R"(8[01])"},
    {"CT", "Connecticut", R"(06)"},
    {"DC", "District of Columbia", R"(20[02-5]|569)"},
    {"DE", "Delaware", R"(19[7-9])"},
    {"FL", "Florida", R"(3[23]|34[1-9])"},
    {"FM", "Micronesia", R"(9694[1-4])"},
    {"GA", "Georgia", R"(3[01]|398|39901)"},
    {"GU", "Guam", R"(969([1-2]\d|3[12]))"},
    {"HI", "Hawaii", R"(967[0-8]|9679[0-8]|968)"},
    {"IA", "Iowa", R"(5[0-2])"},
    {"ID", "Idaho", R"(83[2-9])"},
    {"IL", "Illinois", R"(6[0-2])"},
    {"IN", "Indiana", R"(4[67])"},
    {"KS", "Kansas", R"(6[67])"},
    {"KY", "Kentucky", R"(4[01]|42[0-7])"},
    {"LA", "Louisiana", R"(70|71[0-5])"},
    {"MA", "Massachusetts", R"(01|02[0-7]|05501|05544)"},
    {"MD", "Maryland", R"(20[6-9]|21)"},
    {"ME", "Maine", R"(039|04)"},
    {"MH", "Marshall Islands", R"(969[67])"},
    {"MI", "Michigan", R"(4[89])"},
    {"MN", "Minnesota", R"(55|56[0-7])"},
    {"MO", "Missouri", R"(6[3-5])"},
    {"MP", "Northern Mariana Islands", R"(9695[0-2])"},
    {"MS", "Mississippi", R"(38[6-9]|39[0-7])"},
    {"MT", "Montana", R"(59)"},
    {"NC", "North Carolina", R"(2[78])"},
    {"ND", "North Dakota", R"(58)"},
    {"NE", "Nebraska", R"(6[89])"},
    {"NH", "New Hampshire", R"(03[0-8])"},
    {"NJ", "New Jersey", R"(0[78])"},
    {"NM", "New Mexico", R"(87|88[0-4])"},
    {"NV", "Nevada", R"(889|89)"},
    {"NY", "New York", R"(1[0-4]|06390|00501|00544)"},
    {"OH", "Ohio", R"(4[3-5])"},
    {"OK", "Oklahoma", R"(7[34])"},
    {"OR", "Oregon", R"(97)"},
    {"PA", "Pennsylvania", R"(1[5-8]|19[0-6])"},
    {"PR", "Puerto Rico", R"(00[679])"},
    {"PW", "Palau", R"(969(39|40))"},
    {"RI", "Rhode Island", R"(02[89])"},
    {"SC", "South Carolina", R"(29)"},
    {"SD", "South Dakota", R"(57)"},
    {"TN", "Tennessee", R"(37|38[0-5])"},
    {"TX", "Texas", R"(7[5-9]|885|73301|73344)"},
    {"UT", "Utah", R"(84)"},
    {"VA", "Virginia", R"(201|2[23]|24[0-6])"},
    {"VI", "Virgin Islands", R"(008)"},
    {"VT", "Vermont", R"(05)"},
    {"WA", "Washington", R"(98|99[0-4])"},
    {"WI", "Wisconsin", R"(5[34])"},
    {"WV", "West Virginia", R"(24[7-9]|2[56])"},
    {"WY", "Wyoming", R"(82|83[01]|83414)"},
};

constexpr CountryFacts countries[] = {
    {layout::country::usa, R"(\d{5}([ -]\d{4})?)", usaRegions},
    {layout::country::canada,
     R"([ABCEGHJKLMNPRSTVXY]\d[ABCEGHJ-NPRSTV-Z][ ]?\d[ABCEGHJ-NPRSTV-Z]\d)", canadaRegions},
};

std::string upperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

bool sameName(std::string_view fact, std::string_view given) {
    return upperAscii(fact) == upperAscii(text::trim(given));
}

const Region* findRegion(const CountryFacts& facts, std::string_view code, std::string_view name) {
    for (const Region& region : facts.regions) {
        if (sameName(region.code, code))
            return &region;
    }
    for (const Region& region : facts.regions) {
        if (sameName(region.name, name))
            return &region;
    }
    return nullptr;
}

}  // namespace

Verdict check(std::int32_t country, std::string_view stateCode, std::string_view stateName,
              std::string_view typed) {
    Verdict verdict{Finding::Fits, std::string(typed)};
    const std::string code = upperAscii(text::trim(typed));
    const CountryFacts* facts = nullptr;
    for (const CountryFacts& candidate : countries) {
        if (candidate.country == country)
            facts = &candidate;
    }
    if (facts == nullptr || code.empty())
        return verdict;
    if (!std::regex_match(code, std::regex(facts->format))) {
        verdict.finding = Finding::NotTheFormat;
        return verdict;
    }
    // The format holds three characters, an optional space and three more.
    if (country == layout::country::canada)
        verdict.stored = code.substr(0, 3) + ' ' + code.substr(code.size() - 3);
    const Region* region = findRegion(*facts, stateCode, stateName);
    if (region != nullptr && !std::regex_search(code, std::regex(region->prefixes),
                                                std::regex_constants::match_continuous)) {
        verdict.finding = Finding::NotTheState;
    }
    return verdict;
}

}  // namespace xkr::postal
