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
        return m_answerYes ? msgbox::yes : msgbox::no;
    });
    m_mode = false;
    m_rowCount = 0;
    m_issuedIds.clear();
}

std::string Session::run(const Step& step) {
    m_answerYes = step.answerYes;
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

// Where the host asks for the export: it fails only on a closed table, exports nothing in
// view-only mode, and the list's entries are the rows. Each judges only the state the steps
// left, so a state after some step of an input is checked as the last state of the input
// without the steps after it (the operations sit at the end of the input).
std::string Session::checkExport() {
    const PayToTable& table = m_control->table();
    const bool open = table.state() == PayToTable::stateOpen;
    std::string exported;
    try {
        exported = m_control->GetContactAddress();
    } catch (const VendorPayToError& error) {
        if (m_mode && !open)
            return {};  // before the first load the table is closed
        return std::string("GetContactAddress failed: ") + error.what();
    }
    if (!m_mode)
        return exported.empty() ? std::string() : "GetContactAddress exported in view-only mode";
    if (!open)
        return "GetContactAddress succeeded on a closed table";
    const ListView& list = m_control->form().lstContacts;
    std::vector<std::string_view> rowIds, listIds;
    for (std::size_t row = 0; row < table.recordCount(); ++row)
        rowIds.push_back(table.valueAt(row, fVendorPayToID));
    for (std::size_t i = 0; i < list.itemCount(); ++i) listIds.push_back(list.itemText(i));
    std::sort(rowIds.begin(), rowIds.end());
    std::sort(listIds.begin(), listIds.end());
    if (rowIds != listIds)
        return "the list's entries are not the rows' ids";
    return {};
}

std::size_t Session::primaryMarks() const {
    const ListView& list = m_control->form().lstContacts;
    std::size_t marks = 0;
    for (std::size_t i = 0; i < list.itemCount(); ++i) {
        if (list.column(i, layout::column::defaultPayTo) == layout::yesText)
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
        const std::string_view id = table.valueAt(rowCount - 1, fVendorPayToID);
        if (!looksTemporary(id))
            return "a new entry got the id \"" + std::string(id) + "\"";
        if (!m_issuedIds.emplace(id).second)
            return "the temporary id " + std::string(id) + " was given twice";
    }
    m_rowCount = rowCount;
    return {};
}

}  // namespace xkr::session
