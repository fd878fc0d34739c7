#pragma once

#include <string>
#include <vector>

namespace xkr::test {

// Stands in for the modal message box, installed as `setMessageBox(std::ref(box))`: records
// each box as "TITLE (STYLE): TEXT" and answers with its default button.
struct RecordingMessageBox {
    std::vector<std::string> shown;

    int operator()(const std::string& text, const std::string& title, int style) {
        shown.push_back(title + " (" + std::to_string(style) + "): " + text);
        return (style & 0xF) == 4 ? 6 : 1;  // Yes for a Yes/No box, else OK
    }
};

}  // namespace xkr::test
