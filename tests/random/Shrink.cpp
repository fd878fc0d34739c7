#include "random/Shrink.h"

#include <algorithm>
#include <cctype>

#include "random/HostScript.h"
#include "random/Session.h"

namespace xkr::session {
namespace {

// Counts in a failure text change as steps go; the kind of failure does not.
std::string kindOf(const std::string& failure) {
    std::string kind;
    for (char c : failure) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0)
            kind += c;
    }
    return kind;
}

}  // namespace

RunResult runSteps(const Steps& steps) {
    Session session;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        std::string failure = session.run(steps[i]);
        if (!failure.empty())
            return {std::move(failure), i};
    }
    return {};
}

Steps shrink(Steps failing, const std::string& failure) {
    const std::string kind = kindOf(failure);
    auto stillFails = [&kind](Steps& candidate) {
        const RunResult result = runSteps(candidate);
        if (result.failure.empty() || kindOf(result.failure) != kind)
            return false;
        candidate.resize(result.failedStep + 1);
        return true;
    };
    stillFails(failing);
    std::size_t parts = 2;
    while (failing.size() >= 2) {
        const std::size_t chunk = (failing.size() + parts - 1) / parts;
        bool reduced = false;
        for (std::size_t start = 0; start < failing.size(); start += chunk) {
            Steps candidate(failing.begin(), failing.begin() + static_cast<std::ptrdiff_t>(start));
            const std::size_t end = std::min(failing.size(), start + chunk);
            candidate.insert(candidate.end(), failing.begin() + static_cast<std::ptrdiff_t>(end),
                             failing.end());
            if (stillFails(candidate)) {
                failing = std::move(candidate);
                parts = std::max<std::size_t>(parts - 1, 2);
                reduced = true;
                break;
            }
        }
        if (!reduced) {
            if (parts >= failing.size())
                break;
            parts = std::min(failing.size(), parts * 2);
        }
    }
    return failing;
}

std::string hostScript(const Steps& steps, const std::string& heading) {
    std::string script = "# " + heading + "\n";
    Session session;
    for (const Step& step : steps) {
        session.run(step);
        script += scriptLine(step, session.questionAsked()) + "\n";
    }
    script += "show entries\nshow rows\nexport\n";
    return script;
}

}  // namespace xkr::session
