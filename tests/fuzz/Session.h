#pragma once

#include <cstddef>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "Step.h"
#include "control/VendorPayTo.h"
#include "view/UserActions.h"

namespace xkr::session {

// One control life (or several, through Recreate) driven step by step. After every step it
// checks what must hold whatever the host and the user did; run() returns the first broken
// rule, or the empty text. The checks run for every step of every fuzz input, so they read
// the table in place, reuse their buffers, and leave whole-table comparisons to Export steps.
class Session {
public:
    Session();

    std::string run(const Step& step);

    // Whether the last step showed a question box (the script must queue its answer).
    bool questionAsked() const { return m_questionAsked; }

private:
    void create();
    std::string perform(const Step& step, user::Outcome& outcome);
    void performUser(const Step& step, user::Outcome& outcome);
    std::string checkStep(const Step& step, user::Outcome outcome, std::size_t primaryBefore);
    std::string checkExport();
    std::string checkReload(const std::string& exported);
    void readTable();
    std::size_t primaryMarks() const;

    std::unique_ptr<VendorPayTo> m_control;
    std::unique_ptr<EditorState> m_reloaded;  // made on the first reload, then reused
    Separators m_kept;
    bool m_mode = false;
    bool m_answerYes = true;
    bool m_questionAsked = false;
    std::size_t m_rowCount = 0;
    std::set<std::string, std::less<>> m_issuedIds;

    // What readTable() found: the export a host must receive, written independently of the
    // control, and the row ids (views into the table, valid until the next step).
    std::string m_expected;
    std::vector<std::string_view> m_rowIds;
    std::vector<std::string_view> m_listIds;
};

}  // namespace xkr::session
