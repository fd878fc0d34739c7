#include "Session.h"

#include <algorithm>
#include <array>
#include <exception>

#include "common/Text.h"

namespace xkr::session {
namespace {

// Event routines that trap every failure: none of them may let one reach the host.
bool routineTraps(const std::string& routine) {
    return routine == "cmdAdd_Click" || routine == "cmdEdit_Click" ||
           routine == "lstContacts_ColumnClick";
}

bool looksTemporary(std::string_view id) {
    const std::size_t dash = id.find("-N");
    if (dash == std::string::npos || dash + 2 != id.size() || dash < 3)
        return false;
    return std::all_of(id.begin(), id.begin() + static_cast<std::ptrdiff_t>(dash),
                       [](char c) { return c >= '0' && c <= '9'; });
}

Control& focusTarget(EditorForm& form, int target) {
    if (target < 11)
        return form.txtContact(target);
    const std::array<Control*, 9> others{
        &form.cboContactCountry, &form.cboContactState, &form.cboContactType,
        &form.ChkActive,         &form.ChkDefault,      &form.cmdAdd,
        &form.cmdEdit,           &form.cmdDelete,       &form.lstContacts};
    return *others[static_cast<std::size_t>(std::clamp(target - 11, 0, 8))];
}

// The control offers its table read-only; walking the rows needs the cursor. A walk leaves
// the cursor at the end, where an export leaves it too.
PayToTable& rowsOf(const VendorPayTo& control) {
    return const_cast<PayToTable&>(control.table());
}

bool changed(const PayToTable& table) {
    return !table.value(fIsUpdated).empty();
}

// Whether a text joined with these separators can be cut back into the same pieces: each
// separator non-empty, none inside another, and no separator's proper prefix equal to a proper
// suffix of any separator (itself included). Otherwise a field end followed by a separator can
// form a separator one character early, and cutting the text is ambiguous.
bool separatorsCutCleanly(const std::array<std::string_view, 3>& separators) {
    for (std::size_t i = 0; i < separators.size(); ++i) {
        const std::string_view a = separators[i];
        if (a.empty())
            return false;
        for (std::size_t j = 0; j < separators.size(); ++j) {
            const std::string_view b = separators[j];
            if (i != j && b.find(a) != std::string_view::npos)
                return false;
            for (std::size_t k = 1; k < a.size() && k < b.size(); ++k) {
                if (a.substr(0, k) == b.substr(b.size() - k))
                    return false;
            }
        }
    }
    return true;
}

}  // namespace

Session::Session() {
    create();
}

void Session::create() {
    m_control.reset();  // the old life ends before the new one starts, as in a host
    m_control = std::make_unique<VendorPayTo>();
    m_control->setMessageBox([this](const std::string&, const std::string&, int style) {
        if (style != msgbox::yesNoQuestion)
            return msgbox::ok;
        m_questionAsked = true;
        return m_answerYes ? msgbox::yes : msgbox::no;
    });
    m_kept = {};
    m_mode = false;
    m_rowCount = 0;
    m_issuedIds.clear();
}

std::string Session::run(const Step& step) {
    m_answerYes = step.answerYes;
    m_questionAsked = false;
    // Only a click on Primary Pay To is judged by the marks before it.
    const bool primaryClick = step.kind == StepKind::ClickCheck && step.target == 1;
    const std::size_t primaryBefore = primaryClick ? primaryMarks() : 0;
    user::Outcome outcome = user::Outcome::Done;
    std::string failure = perform(step, outcome);
    if (failure.empty())
        failure = checkStep(step, outcome, primaryBefore);
    if (failure.empty() && step.kind == StepKind::Export)
        failure = checkExport();
    return failure;
}

std::string Session::perform(const Step& step, user::Outcome& outcome) {
    try {
        switch (step.kind) {
            case StepKind::Load:
                try {
                    m_control->LetContactAddress(step.text, step.separators.field,
                                                 step.separators.record, step.separators.table);
                } catch (const std::exception& error) {
                    return std::string("LetContactAddress let a failure out: ") + error.what();
                }
                if (!text::trim(step.text).empty())
                    m_kept = step.separators;
                return {};
            case StepKind::Vendor:
                m_mode = step.flag;
                m_control->LetVendorIDNMode(step.number, step.flag);
                return {};
            case StepKind::Export:
                return {};  // the check after every step exports, and this one reloads too
            case StepKind::ChangedDefault:
                m_control->ChangedDefault();
                return {};
            case StepKind::Recreate:
                create();
                return {};
            default:
                performUser(step, outcome);
                return {};
        }
    } catch (const EventError& error) {
        if (routineTraps(error.routine())) {
            return "a failure escaped " + error.routine() + ": " + error.what();
        }
        return {};
    } catch (const VendorPayToError&) {
        // A host call that traps nothing may fail.
        if (step.kind == StepKind::Vendor || step.kind == StepKind::ChangedDefault)
            return {};
        return "a user operation failed outside any event routine";
    } catch (const std::exception& error) {
        return std::string("a foreign failure escaped: ") + error.what();
    }
}

void Session::performUser(const Step& step, user::Outcome& outcome) {
    EditorForm& form = m_control->form();
    switch (step.kind) {
        case StepKind::Focus:
            outcome = user::moveFocus(focusTarget(form, step.target));
            break;
        case StepKind::Press:
            outcome = user::press(static_cast<CommandButton&>(focusTarget(form, 16 + step.target)));
            break;
        case StepKind::Type:
            outcome = user::type(form.txtContact(step.target), step.text);
            break;
        case StepKind::Pick:
            outcome = user::pick(static_cast<ComboBox&>(focusTarget(form, 11 + step.target)),
                                 step.number);
            break;
        case StepKind::ClickCheck:
            outcome = user::click(step.target == 0 ? form.ChkActive : form.ChkDefault);
            break;
        case StepKind::ClickRow:
            outcome = user::clickEntry(form.lstContacts, static_cast<std::size_t>(step.number));
            break;
        case StepKind::ClickList:
            outcome = user::clickList(form.lstContacts);
            break;
        case StepKind::ClickHeader:
            outcome = user::clickHeader(form.lstContacts, static_cast<std::size_t>(step.number));
            break;
        default:
            break;
    }
}

// One walk over the rows: their ids, and the export of the changed ones as a host must
// receive it (every exported field joined with the field separator, each record ended by the
// record separator).
void Session::readTable() {
    m_expected.clear();
    m_rowIds.clear();
    PayToTable& table = rowsOf(*m_control);
    if (table.state() != PayToTable::stateOpen)
        return;
    for (table.moveFirst(); !table.eof(); table.moveNext()) {
        m_rowIds.push_back(table.value(fVendorPayToID));
        if (!changed(table))
            continue;
        for (std::size_t f = 0; f < exportedFieldCount; ++f) {
            if (f > 0)
                m_expected += m_kept.field;
            m_expected += table.value(f);
        }
        m_expected += m_kept.record;
    }
}

// Where the host asks for the export: the export, the rows given back by loading it, and the
// list's entries, all against the table. Each judges only the state the steps left, so a
// state after some step of an input is checked as the last state of the input without the
// steps after it (the operations sit at the end of the input), and the fuzz inputs end with
// an Export step.
std::string Session::checkExport() {
    const bool open = m_control->table().state() == PayToTable::stateOpen;
    std::string exported;
    try {
        exported = m_control->GetContactAddress();
    } catch (const VendorPayToError& error) {
        if (m_mode && !open)
            return {};  // before the first load the table is closed
        return std::string("GetContactAddress failed: ") + error.what();
    }
    readTable();
    if (!m_mode)
        return exported.empty() ? std::string() : "GetContactAddress exported in view-only mode";
    if (!open)
        return "GetContactAddress succeeded on a closed table";
    if (exported != m_expected)
        return "the export is not the changed rows";
    if (std::string problem = checkReload(exported); !problem.empty())
        return problem;
    const ListView& list = m_control->form().lstContacts;
    m_listIds.clear();
    for (std::size_t i = 0; i < list.itemCount(); ++i) m_listIds.push_back(list.itemText(i));
    std::sort(m_rowIds.begin(), m_rowIds.end());
    std::sort(m_listIds.begin(), m_listIds.end());
    if (m_rowIds != m_listIds)
        return "the list's entries are not the rows' ids";
    return {};
}

// The export loaded (with empty term and state tables) gives the changed rows back. Applies when
// the separators cut cleanly and no exported value holds one.
std::string Session::checkReload(const std::string& exported) {
    const std::array<std::string_view, 3> separators{m_kept.field, m_kept.record, m_kept.table};
    if (!separatorsCutCleanly(separators))
        return {};
    PayToTable& rows = rowsOf(*m_control);
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        for (std::size_t f = 0; changed(rows) && f < exportedFieldCount; ++f) {
            for (std::string_view separator : separators) {
                if (rows.value(f).find(separator) != std::string_view::npos)
                    return {};
            }
        }
    }
    // No changed row, nothing to give back; a blank text is no load at all.
    const std::string text = exported + m_kept.table + m_kept.table;
    if (exported.empty() || text::trim(text).empty())
        return {};
    // What a control's load does to its table, without the form: a load starts from an empty
    // table, so one table serves every reload.
    if (!m_reloaded) {
        m_reloaded = std::make_unique<EditorState>();
        appendPayToFields(m_reloaded->table);
    }
    EditorState& state = *m_reloaded;
    const LoadResult result = loadContactData(text, m_kept, state.table, state.separators,
                                              state.termLookup, state.stateLookup);
    if (!result.stopReason.empty())
        return "reloading the export stopped: " + result.stopReason;
    PayToTable& back = state.table;
    std::size_t next = 0;
    back.moveFirst();
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        if (!changed(rows))
            continue;
        if (back.eof())
            return "reloading the export lost rows";
        for (std::size_t f = 0; f < exportedFieldCount; ++f) {
            if (back.value(f) != rows.value(f)) {
                return "reloaded row " + std::to_string(next) + " field " + std::to_string(f) +
                       " differs";
            }
        }
        if (changed(back))
            return "a reloaded row carries a change marker";
        back.moveNext();
        ++next;
    }
    if (!back.eof())
        return "reloading the export gave extra rows";
    return {};
}

std::size_t Session::primaryMarks() const {
    const ListView& list = m_control->form().lstContacts;
    std::size_t marks = 0;
    for (std::size_t i = 0; i < list.itemCount(); ++i) {
        if (list.column(i, 15) == "-1")
            ++marks;
    }
    return marks;
}

// After every step: what a step can break without the host asking. The list holds an entry
// for every row (the ids themselves are compared at Export steps), Primary Pay To marks one
// entry, and a save gives out a new temporary id.
std::string Session::checkStep(const Step& step, user::Outcome outcome, std::size_t primaryBefore) {
    const PayToTable& table = m_control->table();
    const std::size_t rowCount = table.state() == PayToTable::stateOpen ? table.recordCount() : 0;
    const std::size_t entries = m_control->form().lstContacts.itemCount();
    if (entries != rowCount) {
        return "the list shows " + std::to_string(entries) + " entries for " +
               std::to_string(rowCount) + " rows";
    }

    if (step.kind == StepKind::ClickCheck && step.target == 1 && outcome == user::Outcome::Done &&
        m_control->form().ChkDefault.value() == 1 && primaryBefore <= 1 && primaryMarks() > 1) {
        return "checking Primary Pay To left " + std::to_string(primaryMarks()) +
               " entries marked primary";
    }

    // A save appends its row: the new last row carries the id just given out.
    const bool userStep = step.kind != StepKind::Load && step.kind != StepKind::Recreate;
    if (userStep && rowCount == m_rowCount + 1) {
        readTable();
        const std::string_view id = m_rowIds.back();
        if (!looksTemporary(id))
            return "a new entry got the id \"" + std::string(id) + "\"";
        if (!m_issuedIds.emplace(id).second)
            return "the temporary id " + std::string(id) + " was given twice";
    }
    m_rowCount = rowCount;
    return {};
}

}  // namespace xkr::session
