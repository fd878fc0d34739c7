#pragma once

#include <cstddef>
#include <memory>
#include <set>
#include <string>

#include "control/VendorPayTo.h"
#include "random/Step.h"
#include "view/UserActions.h"

namespace xkr::session {

// One control life (or several, through Recreate) driven step by step. After every step it
// checks what must hold whatever the host and the user did; run() returns the first broken
// rule, or the empty text.
class Session {
public:
    Session();

    std::string run(const Step& step);

    // Whether the last step showed a question box (the script must queue its answer).
    bool questionAsked() const { return m_questionAsked; }
    VendorPayTo& control() { return *m_control; }
    const Separators& keptSeparators() const { return m_kept; }

private:
    void create();
    std::string perform(const Step& step, user::Outcome& outcome);
    std::string performUser(const Step& step, user::Outcome& outcome);
    std::string hostExport(bool checkReloadToo);
    std::string checkAfter(const Step& step, user::Outcome outcome, std::size_t primaryBefore);
    std::size_t primaryMarks() const;

    std::unique_ptr<VendorPayTo> m_control;
    Separators m_kept;
    bool m_mode = false;
    bool m_answerYes = true;
    bool m_questionAsked = false;
    std::size_t m_rowCount = 0;
    std::set<std::string> m_issuedIds;
};

}  // namespace xkr::session
