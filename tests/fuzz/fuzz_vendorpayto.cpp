// Arbitrary bytes become a contact data text, three separators and a short run of user
// operations on a control in edit mode. Any broken rule aborts with a host script that replays
// the input; the sanitizers catch the rest.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "random/Session.h"
#include "random/Shrink.h"

namespace {

using xkr::session::Step;
using xkr::session::StepKind;
using xkr::session::Steps;

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size)
        : m_text(reinterpret_cast<const char*>(data), size) {}
    std::uint8_t byte() {
        if (m_text.empty())
            return 0;
        const auto value = static_cast<std::uint8_t>(m_text.front());
        m_text.remove_prefix(1);
        return value;
    }
    std::string take(std::size_t count) {
        const std::string_view piece = m_text.substr(0, count);
        m_text.remove_prefix(piece.size());
        return std::string(piece);
    }
    // The last `count` bytes: the operations sit at the end, so the text keeps its shape.
    std::string_view takeBack(std::size_t count) {
        const std::string_view piece =
            m_text.substr(m_text.size() - std::min(count, m_text.size()));
        m_text.remove_suffix(piece.size());
        return piece;
    }
    std::string rest() { return take(m_text.size()); }

private:
    std::string_view m_text;
};

Step step(StepKind kind, int target = 0, int number = 0) {
    Step s;
    s.kind = kind;
    s.target = target;
    s.number = number;
    return s;
}

// Three bytes per operation; typed texts are slices of the contact data text, so they carry
// separators, numbers and UTF-8 pieces as often as the text does.
Step operation(std::uint8_t kind, std::uint8_t a, std::uint8_t b, const std::string& text) {
    switch (kind % 12) {
        case 0:
            return step(StepKind::Focus, a % xkr::session::focusTargetCount);
        case 1:
        case 2: {
            Step s = step(StepKind::Press, a % 3);
            s.answerYes = (b & 1) == 0;
            return s;
        }
        case 3:
        case 4: {
            Step s = step(StepKind::Type, a % 11);
            const std::size_t from = text.empty() ? 0 : b % text.size();
            s.text = text.substr(from, static_cast<std::size_t>(a / 11));
            return s;
        }
        case 5:
            return step(StepKind::Pick, a % 3, b % 8 - 1);
        case 6:
            return step(StepKind::ClickCheck, a % 2);
        case 7:
            return step(StepKind::ClickRow, 0, a % 12);
        case 8:
            return step(StepKind::ClickList);
        case 9:
            return step(StepKind::ClickHeader, 0, a % 21);
        case 10:
            return step(StepKind::Export);
        default: {
            Step s = step(StepKind::Vendor, 0, b - 128);
            s.flag = (a & 1) == 0;
            return s;
        }
    }
}

Steps decode(const std::uint8_t* data, std::size_t size) {
    Bytes bytes(data, size);
    const std::uint8_t lengths = bytes.byte();
    Step load = step(StepKind::Load);
    load.separators.field = bytes.take(lengths & 3U);
    load.separators.record = bytes.take((lengths >> 2) & 3U);
    load.separators.table = bytes.take((lengths >> 4) & 3U);
    const std::size_t operations = bytes.byte() % 24;
    const std::string_view encoded = bytes.takeBack(operations * 3);
    load.text = bytes.rest();

    Step vendor = step(StepKind::Vendor, 0, 1234);
    vendor.flag = true;
    Steps steps{vendor, load, step(StepKind::Export)};
    for (std::size_t i = 0; i + 2 < encoded.size(); i += 3) {
        steps.push_back(operation(static_cast<std::uint8_t>(encoded[i]),
                                  static_cast<std::uint8_t>(encoded[i + 1]),
                                  static_cast<std::uint8_t>(encoded[i + 2]), load.text));
    }
    steps.push_back(step(StepKind::Export));
    return steps;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Steps steps = decode(data, size);
    const xkr::session::RunResult result = xkr::session::runSteps(steps);
    if (!result.failure.empty()) {
        const std::string script = xkr::session::hostScript(
            Steps(steps.begin(),
                  steps.begin() + static_cast<std::ptrdiff_t>(result.failedStep) + 1),
            "step " + std::to_string(result.failedStep + 1) + ": " + result.failure);
        std::fprintf(stderr, "%s", script.c_str());
        std::abort();
    }
    return 0;
}
