#include "MessageRecorder.h"

#include "OutputText.h"
#include "view/MessageBox.h"

namespace xkr::script {
int MessageRecorder::show(const std::string& text, const std::string& title, int style) {
    const std::string shown = escapeText(title) + ": " + escapeText(text);
    if ((style & msgbox::buttonsMask) != msgbox::yesNoButtons) {
        m_out << "message(" << style << "): " << shown << '\n';
        return msgbox::ok;
    }
    bool yes = (style & msgbox::secondButtonDefault) == 0;
    if (!m_answers.empty()) {
        yes = m_answers.front();
        m_answers.pop_front();
    }
    m_out << "question(" << style << "): " << shown << " -> " << (yes ? "yes" : "no") << '\n';
    return yes ? msgbox::yes : msgbox::no;
}

}  // namespace xkr::script
