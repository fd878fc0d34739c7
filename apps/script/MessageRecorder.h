#pragma once

#include <deque>
#include <ostream>
#include <string>

namespace xkr::script {

// Stands in for the modal message box: prints each box as it appears and answers questions
// from the answers the script queued, or with the box's default button when none is queued.
class MessageRecorder {
public:
    explicit MessageRecorder(std::ostream& out) : m_out(out) {}

    void queueAnswer(bool yes) { m_answers.push_back(yes); }
    int show(const std::string& text, const std::string& title, int style);

private:
    std::ostream& m_out;
    std::deque<bool> m_answers;
};

}  // namespace xkr::script
