#pragma once

#include <deque>
#include <string>
#include <vector>

namespace xkr::test {

// Stands in for the modal message box: records each box as "TITLE (STYLE): TEXT" and answers
// from `answers`, then with the default button (Yes for a question, else OK). Installed by
// reference: `control.setMessageBox(std::ref(box))`.
struct RecordingMessageBox {
    std::vector<std::string> shown;
    std::deque<int> answers;

    int operator()(const std::string& text, const std::string& title, int style) {
        shown.push_back(title + " (" + std::to_string(style) + "): " + text);
        if (answers.empty())
            return (style & 0xF) == 4 ? 6 : 1;  // Yes/No boxes default to Yes, others to OK
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace xkr::test
