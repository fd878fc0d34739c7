// Arbitrary bytes become a contact data text, three separators and a short run of user
// operations and host calls on a control in edit mode. Any broken rule aborts, naming the
// step; the sanitizers catch the rest.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "Session.h"

namespace {

using xkr::session::Step;
using xkr::session::StepKind;

void set(Step& s, StepKind kind, int target = 0, int number = 0) {
    s.kind = kind;
    s.target = target;
    s.number = number;
    s.flag = false;
    s.answerYes = true;
}

// The input read one step at a time into one reused Step, so that a step costs no copies of
// the text: byte 0 holds the separator lengths, the separators follow, then the count of
// operations; the operations sit at the end, three bytes each, and the text is what is
// between. The steps are the vendor in edit mode, the load, an export, the operations and a
// last export.
class Decoder {
public:
    Decoder(const std::uint8_t* data, std::size_t size)
        : m_input(reinterpret_cast<const char*>(data), size) {
        const std::uint8_t lengths = byte();
        for (unsigned k = 0; k < 3; ++k) m_separators[k] = take((lengths >> (2 * k)) & 3U);
        const std::size_t operations = byte() % 24;
        const std::size_t opBytes = std::min(operations * 3, m_input.size());
        m_text = m_input.substr(0, m_input.size() - opBytes);
        m_operations = m_input.substr(m_text.size());
    }

    // The next step into `s`; false after the last.
    bool next(Step& s) {
        const std::size_t index = m_index++;
        if (index == 0) {
            set(s, StepKind::Vendor, 0, 1234);
            s.flag = true;
        } else if (index == 1) {
            load(s, 0, false);
        } else if (index == 2) {
            set(s, StepKind::Export);
        } else if (const std::size_t at = (index - 3) * 3; at + 2 < m_operations.size()) {
            operation(s, static_cast<std::uint8_t>(m_operations[at]),
                      static_cast<std::uint8_t>(m_operations[at + 1]),
                      static_cast<std::uint8_t>(m_operations[at + 2]));
        } else if (!m_done) {
            set(s, StepKind::Export);
            m_done = true;
        } else {
            return false;
        }
        return true;
    }

private:
    std::uint8_t byte() {
        if (m_input.empty())
            return 0;
        const auto value = static_cast<std::uint8_t>(m_input.front());
        m_input.remove_prefix(1);
        return value;
    }
    std::string_view take(std::size_t count) {
        const std::string_view piece = m_input.substr(0, count);
        m_input.remove_prefix(piece.size());
        return piece;
    }

    // The text from byte `from` on (a whole text, fewer records, or a damaged first record),
    // with the separators kept or turned around.
    void load(Step& s, std::size_t from, bool turned) {
        set(s, StepKind::Load);
        s.text.assign(m_text.substr(from));
        s.separators.field = m_separators[turned ? 1 : 0];
        s.separators.record = m_separators[turned ? 2 : 1];
        s.separators.table = m_separators[turned ? 0 : 2];
    }

    // Typed texts are slices of the contact data text, so they carry separators, numbers and
    // UTF-8 pieces as often as the text does.
    void operation(Step& s, std::uint8_t kind, std::uint8_t a, std::uint8_t b) {
        switch (kind % 15) {
            case 0:
                return set(s, StepKind::Focus, a % xkr::session::focusTargetCount);
            case 1:
            case 2:
                set(s, StepKind::Press, a % 3);
                s.answerYes = (b & 1) == 0;
                return;
            case 3:
            case 4: {
                set(s, StepKind::Type, a % 11);
                const std::size_t from = m_text.empty() ? 0 : b % m_text.size();
                s.text.assign(m_text.substr(from, static_cast<std::size_t>(a / 11)));
                return;
            }
            case 5:
                return set(s, StepKind::Pick, a % 3, b % 8 - 1);
            case 6:
                return set(s, StepKind::ClickCheck, a % 2);
            case 7:
                return set(s, StepKind::ClickRow, 0, a % 12);
            case 8:
                return set(s, StepKind::ClickList);
            case 9:
                return set(s, StepKind::ClickHeader, 0, a % 21);
            case 10:
                return set(s, StepKind::Export);
            case 11:
                set(s, StepKind::Vendor, 0, b - 128);
                s.flag = (a & 1) == 0;
                return;
            case 12:
                return set(s, StepKind::ChangedDefault);
            case 13:
                return set(s, StepKind::Recreate);
            default:
                // A second load over whatever the user did.
                return load(s, m_text.empty() ? 0 : b % m_text.size(), (a & 1) != 0);
        }
    }

    std::string_view m_input;
    std::string_view m_separators[3];
    std::string_view m_text;
    std::string_view m_operations;
    std::size_t m_index = 0;
    bool m_done = false;
};

}  // namespace

// Freed memory stays poisoned for the last 16 MB of frees rather than 256 MB: an input frees far
// less, so a use after free within it is still caught, and the fuzzer no longer spends a third
// of its time faulting in fresh pages.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=16";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    xkr::session::Session session;
    Decoder decoder(data, size);
    Step step;
    for (std::size_t index = 0; decoder.next(step); ++index) {
        const std::string failure = session.run(step);
        if (failure.empty())
            continue;
        // The fuzzer keeps the input; replaying it with this program repeats the failure.
        std::fprintf(stderr, "step %zu: %s\n", index + 1, failure.c_str());
        std::abort();
    }
    return 0;
}
