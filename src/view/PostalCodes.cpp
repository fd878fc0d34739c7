#include "view/PostalCodes.h"

#include <span>

#include "common/Text.h"
#include "view/Layout.h"

namespace xkr::postal {
namespace {

struct Region {
    std::string_view code;
    std::string_view name;
    std::string_view prefixes;  // a pattern matched at the start of a code
};

struct CountryFacts {
    std::int32_t country;
    std::string_view format;  // a pattern matched against the whole code
    std::span<const Region> regions;
};

// The facts' patterns: alternatives separated by "|", each a run of characters and classes
// ("[A-CX]"); "?" after either makes it optional. Small enough to match directly, where a
// regular expression engine would cost a compilation per check.
bool inClass(std::string_view members, char c) {
    for (std::size_t i = 0; i < members.size(); ++i) {
        if (i + 2 < members.size() && members[i + 1] == '-') {
            if (c >= members[i] && c <= members[i + 2])
                return true;
            i += 2;
        } else if (c == members[i]) {
            return true;
        }
    }
    return false;
}

bool matchRun(std::string_view run, std::string_view text, bool whole) {
    if (run.empty())
        return !whole || text.empty();
    std::size_t itemEnd = 1;
    std::string_view members = run.substr(0, 1);
    if (run[0] == '[') {
        itemEnd = run.find(']', 1) + 1;
        members = run.substr(1, itemEnd - 2);
    }
    const bool optional = itemEnd < run.size() && run[itemEnd] == '?';
    const std::string_view rest = run.substr(itemEnd + (optional ? 1 : 0));
    if (optional && matchRun(rest, text, whole))
        return true;
    return !text.empty() && inClass(members, text[0]) && matchRun(rest, text.substr(1), whole);
}

bool matches(std::string_view pattern, std::string_view text, bool whole) {
    for (;;) {
        const std::size_t bar = pattern.find('|');
        if (matchRun(pattern.substr(0, bar), text, whole))
            return true;
        if (bar == std::string_view::npos)
            return false;
        pattern.remove_prefix(bar + 1);
    }
}

// Public postal reference facts: the ZIP code prefixes of each state, and the first letters or
// forward sortation areas of each province and territory.
constexpr Region canadaRegions[] = {
    {"AB", "Alberta", "T"},
    {"BC", "British Columbia", "V"},
    {"MB", "Manitoba", "R"},
    {"NB", "New Brunswick", "E"},
    {"NL", "Newfoundland and Labrador", "A"},
    {"NS", "Nova Scotia", "B"},
    {"NT", "Northwest Territories", "X0E|X0G|X1A"},
    {"NU", "Nunavut", "X0A|X0B|X0C"},
    {"ON", "Ontario", "K|L|M|N|P"},
    {"PE", "Prince Edward Island", "C"},
    {"QC", "Quebec", "G|H|J|K1A"},
    {"SK", "Saskatchewan", "S|R8A"},
    {"YT", "Yukon", "Y"},
};

constexpr Region usaRegions[] = {
    {"AA", "Armed Forces (AA)", "340"},
    {"AE", "Armed Forces (AE)", "09"},
    {"AK", "Alaska", "99[5-9]"},
    {"AL", "Alabama", "3[56]"},
    {"AP", "Armed Forces (AP)", "96[2-6]"},
    {"AR", "Arkansas", "71[6-9]|72"},
    {"AS", "American Samoa", "96799"},
    {"AZ", "Arizona", "8[56]"},
    {"CA", "California", "9[0-5]|96[01]"},
    {"CO", "Colorado", "8[01]"},
    {"CT", "Connecticut", "06"},
    {"DC", "District of Columbia", "20[02-5]|569"},
    {"DE", "Delaware", "19[7-9]"},
    {"FL", "Florida", "3[23]|34[1-9]"},
    {"FM", "Micronesia", "9694[1-4]"},
    {"GA", "Georgia", "3[01]|398|39901"},
    {"GU", "Guam", "969[12][0-9]|9693[12]"},
    {"HI", "Hawaii", "967[0-8]|9679[0-8]|968"},
    {"IA", "Iowa", "5[0-2]"},
    {"ID", "Idaho", "83[2-9]"},
    {"IL", "Illinois", "6[0-2]"},
    {"IN", "Indiana", "4[67]"},
    {"KS", "Kansas", "6[67]"},
    {"KY", "Kentucky", "4[01]|42[0-7]"},
    {"LA", "Louisiana", "70|71[0-5]"},
    {"MA", "Massachusetts", "01|02[0-7]|05501|05544"},
    {"MD", "Maryland", "20[6-9]|21"},
    {"ME", "Maine", "039|04"},
    {"MH", "Marshall Islands", "969[67]"},
    {"MI", "Michigan", "4[89]"},
    {"MN", "Minnesota", "55|56[0-7]"},
    {"MO", "Missouri", "6[3-5]"},
    {"MP", "Northern Mariana Islands", "9695[0-2]"},
    {"MS", "Mississippi", "38[6-9]|39[0-7]"},
    {"MT", "Montana", "59"},
    {"NC", "North Carolina", "2[78]"},
    {"ND", "North Dakota", "58"},
    {"NE", "Nebraska", "6[89]"},
    {"NH", "New Hampshire", "03[0-8]"},
    {"NJ", "New Jersey", "0[78]"},
    {"NM", "New Mexico", "87|88[0-4]"},
    {"NV", "Nevada", "889|89"},
    {"NY", "New York", "1[0-4]|06390|00501|00544"},
    {"OH", "Ohio", "4[3-5]"},
    {"OK", "Oklahoma", "7[34]"},
    {"OR", "Oregon", "97"},
    {"PA", "Pennsylvania", "1[5-8]|19[0-6]"},
    {"PR", "Puerto Rico", "00[679]"},
    {"PW", "Palau", "96939|96940"},
    {"RI", "Rhode Island", "02[89]"},
    {"SC", "South Carolina", "29"},
    {"SD", "South Dakota", "57"},
    {"TN", "Tennessee", "37|38[0-5]"},
    {"TX", "Texas", "7[5-9]|885|73301|73344"},
    {"UT", "Utah", "84"},
    {"VA", "Virginia", "201|2[23]|24[0-6]"},
    {"VI", "Virgin Islands", "008"},
    {"VT", "Vermont", "05"},
    {"WA", "Washington", "98|99[0-4]"},
    {"WI", "Wisconsin", "5[34]"},
    {"WV", "West Virginia", "24[7-9]|2[56]"},
    {"WY", "Wyoming", "82|83[01]|83414"},
};

constexpr CountryFacts countries[] = {
    {layout::country::usa,
     "[0-9][0-9][0-9][0-9][0-9]|[0-9][0-9][0-9][0-9][0-9][ -][0-9][0-9][0-9][0-9]", usaRegions},
    {layout::country::canada,
     "[ABCEGHJKLMNPRSTVXY][0-9][ABCEGHJ-NPRSTV-Z] ?[0-9][ABCEGHJ-NPRSTV-Z][0-9]", canadaRegions},
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
    if (!matches(facts->format, code, true)) {
        verdict.finding = Finding::NotTheFormat;
        return verdict;
    }
    // The format holds three characters, an optional space and three more.
    if (country == layout::country::canada)
        verdict.stored = code.substr(0, 3) + ' ' + code.substr(code.size() - 3);
    const Region* region = findRegion(*facts, stateCode, stateName);
    if (region != nullptr && !matches(region->prefixes, code, false)) {
        verdict.finding = Finding::NotTheState;
    }
    return verdict;
}

}  // namespace xkr::postal
