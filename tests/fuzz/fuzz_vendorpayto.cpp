// Arbitrary bytes become a contact data text, three separators and a short run of user
// operations and host calls on a control in edit mode; after every step the rules that hold
// whatever the host and the user did are checked. A broken rule aborts, naming the step, and
// replaying the input with this program repeats it. The sanitizers catch the rest.
// The input: byte 0 holds the separator lengths, the separators follow, then the count of
// operations; the operations sit at the end, three bytes each, and the text is what is between.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/Text.h"
#include "control/VendorPayTo.h"
#include "table/ContactDataText.h"
#include "table/PayToFields.h"
#include "view/Layout.h"
#include "view/UserActions.h"

namespace xkr {
namespace {

// Event routines that trap every failure: none of them may let one reach the host.
bool routineTraps(const std::string& routine) {
    return routine == "cmdAdd_Click" || routine == "cmdEdit_Click" ||
           routine == "lstContacts_ColumnClick";
}

bool looksTemporary(std::string_view id) {
    const std::size_t dash = id.find("-N");
    if (dash == std::string_view::npos || dash + 2 != id.size() || dash < 3)
        return false;
    return std::all_of(id.begin(), id.begin() + static_cast<std::ptrdiff_t>(dash),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// Focus targets: txtContact 0 to 10, then the combos, check boxes, buttons and the list.
constexpr int firstCombo = 11, firstButton = 16, focusTargetCount = 20;

Control& focusTarget(EditorForm& form, int target) {
    if (target < firstCombo)
        return form.txtContact(target);
    const std::array<Control*, 9> others{
        &form.cboContactCountry, &form.cboContactState, &form.cboContactType,
        &form.ChkActive,         &form.ChkDefault,      &form.cmdAdd,
        &form.cmdEdit,           &form.cmdDelete,       &form.lstContacts};
    return *others.at(static_cast<std::size_t>(target - firstCombo));
}

// The ids an export compares and the pieces of the exported text; kept from input to input, so
// that a check allocates nothing once they have grown.
std::vector<std::string_view> rowIds, listIds, records, fields;

// One input, run step by step: the vendor in edit mode, the load, an export, the operations and
// a last export, on one control life or several. The control lives in place, for this input.
class Run {
public:
    explicit Run(std::string_view input) {
        const auto next = [&input](std::size_t count) {
            const std::string_view piece = input.substr(0, count);
            input.remove_prefix(piece.size());
            return piece.empty() ? 0U : static_cast<unsigned>(static_cast<std::uint8_t>(piece[0]));
        };
        const unsigned lengths = next(1);
        for (unsigned k = 0; k < 3; ++k) {
            m_separators[k] = input.substr(0, (lengths >> (2 * k)) & 3U);
            next(m_separators[k].size());
        }
        const std::size_t opBytes = std::min<std::size_t>(next(1) % 24 * 3U, input.size());
        m_text = input.substr(0, input.size() - opBytes);
        m_operations = {reinterpret_cast<const std::uint8_t*>(input.data()) + m_text.size(),
                        opBytes};
        newLife();
    }

    void all() {
        vendor(1234, true);
        load(0, false);
        exportRows();
        for (std::size_t at = 0; at + 2 < m_operations.size(); at += 3)
            operation(m_operations[at], m_operations[at + 1], m_operations[at + 2]);
        exportRows();
    }

private:
    enum class Caller { User, Host, Load };

    [[noreturn]] void fail(const std::string& rule) const {
        std::fprintf(stderr, "step %zu: %s\n", m_step, rule.c_str());
        std::abort();
    }

    std::size_t textPosition(std::uint8_t b) const {
        return m_text.empty() ? 0 : b % m_text.size();
    }

    // Typed texts are slices of the contact data text, so they carry separators, numbers and
    // UTF-8 pieces as often as the text does.
    void operation(std::uint8_t kind, std::uint8_t a, std::uint8_t b) {
        EditorForm& form = m_control->form();
        const auto userStep = [&](auto action, bool answerYes = true) {
            step(Caller::User, action, answerYes);
        };
        switch (kind % 16) {
            case 0:
                return userStep(
                    [&] { return user::moveFocus(focusTarget(form, a % focusTargetCount)); });
            case 1:
            case 2: {
                auto& button = static_cast<CommandButton&>(focusTarget(form, firstButton + a % 3));
                return userStep([&] { return user::press(button); }, (b & 1) == 0);
            }
            case 3:
            case 4:
                return userStep([&] {
                    return user::type(form.txtContact(a % 11),
                                      m_text.substr(textPosition(b), a / 11U));
                });
            case 5: {
                auto& combo = static_cast<ComboBox&>(focusTarget(form, firstCombo + a % 3));
                return userStep([&] { return user::pick(combo, b % 8 - 1); });
            }
            case 6:
                return a % 2 == 0 ? userStep([&] { return user::click(form.ChkActive); })
                                  : clickPrimary();
            case 7:
                return userStep([&] { return user::clickEntry(form.lstContacts, a % 12U); });
            case 8:
                return userStep([&] { return user::clickList(form.lstContacts); });
            case 9:
                return userStep([&] { return user::clickHeader(form.lstContacts, a % 21U); });
            case 10:
                return exportRows();
            case 11:
                return vendor(b - 128, (a & 1) == 0);
            case 12:
                return step(Caller::Host, [&] { m_control->ChangedDefault(); });
            case 13:
                ++m_step;
                newLife();
                return checkStep(false);
            case 14:
                return step(Caller::Host, [&] { m_control->LetPostalCodeCheck((a & 1) != 0); });
            default:
                // A second load over whatever the user did: the whole text, fewer records or a
                // damaged first record, with the separators kept or turned around.
                return load(textPosition(b), (a & 1) != 0);
        }
    }

    void newLife() {
        m_control.reset();  // the old life ends before the new one starts, as in a host
        m_control.emplace();
        m_control->setMessageBox([this](const std::string&, const std::string&, int style) {
            return style != msgbox::yesNoQuestion ? msgbox::ok
                   : m_answerYes                  ? msgbox::yes
                                                  : msgbox::no;
        });
        m_mode = false;
        m_kept = {};
        m_rows = 0;
        m_issuedIds.clear();
    }

    void vendor(std::int32_t id, bool mode) {
        m_mode = mode;
        step(Caller::Host, [&] { m_control->LetVendorIDNMode(id, mode); });
    }

    void load(std::size_t from, bool turned) {
        const auto separator = [&](unsigned k) {
            return std::string(m_separators[(k + turned) % 3]);
        };
        // A blank text changes nothing, its separators neither.
        if (!text::trim(m_text.substr(from)).empty())
            m_kept = {separator(0), separator(1), separator(2)};
        step(Caller::Load, [&] {
            m_control->LetContactAddress(std::string(m_text.substr(from)), separator(0),
                                         separator(1), separator(2));
        });
    }

    // Only a click on Primary Pay To is judged by the marks before it.
    void clickPrimary() {
        const std::size_t before = primaryMarks();
        CheckBox& box = m_control->form().ChkDefault;
        user::Outcome outcome = user::Outcome::Done;  // also when the click fails
        step(Caller::User, [&] { outcome = user::click(box); });
        if (outcome == user::Outcome::Done && box.value() == 1 && before <= 1 &&
            primaryMarks() > 1) {
            fail("checking Primary Pay To left " + std::to_string(primaryMarks()) +
                 " entries marked primary");
        }
    }

    std::size_t primaryMarks() const {
        const ListView& list = m_control->form().lstContacts;
        std::size_t marks = 0;
        for (std::size_t i = 0; i < list.itemCount(); ++i)
            marks += list.column(i, layout::column::defaultPayTo) == layout::yesText ? 1 : 0;
        return marks;
    }

    // A load traps every failure. A host call that traps nothing may fail, and so may an event
    // routine that traps nothing; a user's operation fails nowhere else.
    template <typename Action>
    void step(Caller caller, Action action, bool answerYes = true) {
        ++m_step;
        m_answerYes = answerYes;
        try {
            action();
        } catch (const std::exception& error) {
            if (caller == Caller::Load)
                fail(std::string("LetContactAddress let a failure out: ") + error.what());
            const auto* event = dynamic_cast<const EventError*>(&error);
            if (event != nullptr && routineTraps(event->routine()))
                fail("a failure escaped " + event->routine() + ": " + error.what());
            if (dynamic_cast<const VendorPayToError*>(&error) == nullptr)
                fail(std::string("a foreign failure escaped: ") + error.what());
            if (event == nullptr && caller == Caller::User)
                fail("a user operation failed outside any event routine");
        }
        checkStep(caller != Caller::Load);
    }

    // After every step: the list holds an entry for every row (the ids themselves are compared
    // at exports), and a save appends a row that carries a new temporary id.
    void checkStep(bool mayAddRow) {
        const PayToTable& table = m_control->table();
        const std::size_t rows = table.state() == PayToTable::stateOpen ? table.recordCount() : 0;
        const std::size_t entries = m_control->form().lstContacts.itemCount();
        if (entries != rows) {
            fail("the list shows " + std::to_string(entries) + " entries for " +
                 std::to_string(rows) + " rows");
        }
        if (mayAddRow && rows == m_rows + 1) {
            const std::string_view id = table.valueAt(rows - 1, fVendorPayToID);
            if (!looksTemporary(id))
                fail("a new entry got the id \"" + std::string(id) + "\"");
            if (std::find(m_issuedIds.begin(), m_issuedIds.end(), id) != m_issuedIds.end())
                fail("the temporary id " + std::string(id) + " was given twice");
            m_issuedIds.emplace_back(id);
        }
        m_rows = rows;
        for (std::size_t row = 0; row < rows; ++row) {
            for (std::size_t field = 0; field < payToFieldCount; ++field) {
                if (!heldSeparator(table.valueAt(row, field), m_kept).empty())
                    fail("row " + std::to_string(row) + " field " + std::to_string(field) +
                         " holds a separator: \"" + std::string(table.valueAt(row, field)) + "\"");
            }
        }
    }

    // The exchange itself: split with the same separators, the export gives back the marked
    // rows in table order, each the table's values of its exported fields.
    void checkExchange(const PayToTable& table, std::string_view exported) const {
        if (m_kept.field.empty() || m_kept.record.empty())
            return;  // no text with an empty separator splits back
        splitAt(exported, m_kept.record, records);
        std::size_t record = 0;
        for (std::size_t row = 0; row < table.recordCount(); ++row) {
            if (table.valueAt(row, fIsUpdated).empty())
                continue;
            if (record + 1 >= records.size())
                fail("the export holds fewer records than the marked rows");
            splitAt(records[record++], m_kept.field, fields);
            bool same = fields.size() == exportedFieldCount;
            for (std::size_t field = 0; same && field < exportedFieldCount; ++field)
                same = fields[field] == table.valueAt(row, field);
            if (!same)
                fail("the export of row " + std::to_string(row) + " splits differently");
        }
        if (records.size() != record + (exported.empty() ? 0 : 1) ||
            (!records.empty() && !records.back().empty()))
            fail("the export holds more records than the marked rows");
    }

    // Where the host asks for the export: it fails only on a closed table, exports nothing in
    // view-only mode, and the list's entries are the rows. Each judges only the state the steps
    // left, so a state after some step of an input is checked as the last state of the input
    // without the steps after it (the operations sit at the end of the input).
    void exportRows() {
        ++m_step;
        checkStep(true);
        const PayToTable& table = m_control->table();
        const bool open = table.state() == PayToTable::stateOpen;
        std::string exported;
        try {
            exported = m_control->GetContactAddress();
        } catch (const VendorPayToError& error) {
            if (m_mode && !open)
                return;  // before the first load the table is closed
            fail(std::string("GetContactAddress failed: ") + error.what());
        }
        if (!m_mode && !exported.empty())
            fail("GetContactAddress exported in view-only mode");
        if (!m_mode)
            return;
        if (!open)
            fail("GetContactAddress succeeded on a closed table");
        checkExchange(table, exported);
        const ListView& list = m_control->form().lstContacts;
        rowIds.clear();
        listIds.clear();
        for (std::size_t row = 0; row < table.recordCount(); ++row)
            rowIds.push_back(table.valueAt(row, fVendorPayToID));
        for (std::size_t i = 0; i < list.itemCount(); ++i) listIds.push_back(list.itemText(i));
        std::sort(rowIds.begin(), rowIds.end());
        std::sort(listIds.begin(), listIds.end());
        if (rowIds != listIds)
            fail("the list's entries are not the rows' ids");
    }

    std::string_view m_separators[3];
    std::string_view m_text;
    std::span<const std::uint8_t> m_operations;
    std::size_t m_step = 0;  // 1-based once the first step starts
    std::optional<VendorPayTo> m_control;
    Separators m_kept;  // the separators of the last load that was not blank
    bool m_mode = false;
    bool m_answerYes = true;  // what a question box shown during this step is answered
    std::size_t m_rows = 0;
    std::vector<std::string> m_issuedIds;
};

}  // namespace
}  // namespace xkr

// Freed memory stays poisoned for the last 4 MB of frees rather than 256 MB: the input that freed
// most in a campaign of ten thousand freed 420 KB, so a use after free within an input is still
// caught, and the fuzzer no longer spends its time faulting in fresh pages.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=4";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    xkr::Run(std::string_view(reinterpret_cast<const char*>(data), size)).all();
    return 0;
}
