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
// rule, or the empty text. The checks run for every step of every fuzz input, so they leave
// whole-table comparisons to Export steps.
class Session {
public:
    Session();

    std::string run(const Step& step);

private:
    void create();
    std::string perform(const Step& step, user::Outcome& outcome);
    void performUser(const Step& step, user::Outcome& outcome);
    std::string checkStep(const Step& step, user::Outcome outcome, std::size_t primaryBefore);
    std::string checkExport();
    std::size_t primaryMarks() const;

    std::unique_ptr<VendorPayTo> m_control;
    bool m_mode = false;
    bool m_answerYes = true;
    std::size_t m_rowCount = 0;
    std::set<std::string, std::less<>> m_issuedIds;
};

}  // namespace xkr::session
