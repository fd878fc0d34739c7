#include <cmath>
#include <iterator>
#include <limits>
#include <optional>

#include "common/Error.h"
#include "common/Text.h"
#include "view/PayToEditor.h"

namespace xkr {
namespace {

struct Country {
    texts::Id text;
    std::int32_t code;
};
// Added unsorted in code order, so a country's list position equals its code.
constexpr Country countries[] = {
    {texts::Id::others, layout::country::others},
    {texts::Id::usa, layout::country::usa},
    {texts::Id::canada, layout::country::canada},
};

std::optional<std::int32_t> wholeNumber(std::string_view text) {
    const auto value = text::toNumber(text);
    if (!value || *value != std::trunc(*value) ||
        *value < std::numeric_limits<std::int32_t>::min() ||
        *value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*value);
}

}  // namespace

// Traps nothing: a bad term record ends the filling there and fails the load that called it.
void PayToEditor::FillLookupLists() {
    ComboBox& country = m_form.cboContactCountry;
    ComboBox& state = m_form.cboContactState;
    ComboBox& term = m_form.cboContactType;
    for (ComboBox* combo : {&country, &state, &term}) combo->setLocked(false);
    for (ComboBox* combo : {&country, &state, &term}) combo->clear();

    term.reserveItems(m_state.termLookup.size());
    country.reserveItems(std::size(countries));
    std::size_t recordNumber = 0;
    for (const LookupRecord& record : m_state.termLookup) {
        ++recordNumber;
        const std::string where = "term record " + std::to_string(recordNumber);
        if (record.size() < 3) {
            throw VendorPayToError(where + " has " + std::to_string(record.size()) +
                                   " fields; a term needs 3");
        }
        term.addItem(std::string(record[1]).append("  -  ").append(record[2]));
        try {
            term.setItemData(term.newIndex(), text::toInt32(record[0]));
        } catch (const VendorPayToError& error) {
            throw VendorPayToError(where + ": code " + error.what());
        }
    }
    for (const Country& entry : countries) {
        country.addItem(std::string(texts::english(entry.text)));
        country.setItemData(country.newIndex(), entry.code);
    }
    state.setListIndex(-1);
    country.setListIndex(-1);
    term.setListIndex(-1);
}

void PayToEditor::cboContactCountry_Click() {
    FillStateList(std::to_string(m_form.cboContactCountry.listIndex()));
}

// A state record without a country or a name, or whose code is no whole number, is skipped:
// one bad record must not keep the user from picking the good ones.
void PayToEditor::FillStateList(const std::string& ptCountry) {
    ComboBox& state = m_form.cboContactState;
    state.clear();
    if (text::toNumber(ptCountry) == -1.0)
        return;
    // Room for every state record, of whichever country: a little more than one country needs,
    // and the list never grows twice.
    state.reserveItems(m_state.stateLookup.size());
    for (const LookupRecord& record : m_state.stateLookup) {
        if (record.size() < 4 || record[1] != ptCountry)
            continue;
        const auto code = wholeNumber(record[0]);
        if (!code)
            continue;
        state.addItem(std::string(record[3]));
        state.setItemData(state.newIndex(), *code);
    }
    if (state.listCount() > 0)
        state.setListIndex(0);
}

// Field 2 of the chosen state's record: the first record of the chosen country with the
// state's code and name. Empty when none has them, as after a load that stopped before the
// lists were filled again.
std::string_view PayToEditor::chosenStateCode() const {
    const ComboBox& state = m_form.cboContactState;
    if (state.listIndex() < 0)
        return {};
    const std::string country = std::to_string(m_form.cboContactCountry.listIndex());
    const std::int32_t code = state.itemData(state.listIndex());
    const std::string name = state.text();
    for (const LookupRecord& record : m_state.stateLookup) {
        if (record.size() >= 4 && record[1] == country && record[3] == name &&
            wholeNumber(record[0]) == code) {
            return record[2];
        }
    }
    return {};
}

}  // namespace xkr
