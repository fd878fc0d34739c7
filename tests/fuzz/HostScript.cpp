#include "HostScript.h"

#include <array>
#include <cstdio>

#include "Session.h"

namespace xkr::session {
namespace {

constexpr std::array<const char*, 3> buttonNames{"cmdAdd", "cmdEdit", "cmdDelete"};
constexpr std::array<const char*, 3> comboNames{"cboContactCountry", "cboContactState",
                                                "cboContactType"};
constexpr std::array<const char*, 2> checkNames{"ChkActive", "ChkDefault"};

std::string hexEscape(unsigned char byte) {
    char buffer[5];
    std::snprintf(buffer, sizeof buffer, "\\x%02X", static_cast<unsigned>(byte));
    return buffer;
}

std::string escape(std::string_view text, bool keepSpaces) {
    std::size_t keepUntil = text.size();
    while (keepUntil > 0 && text[keepUntil - 1] == ' ') --keepUntil;
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\\') {
            out += "\\\\";
        } else if (byte == ' ' && keepSpaces && i < keepUntil) {
            out += ' ';
        } else if (byte <= 0x20 || byte >= 0x7F) {
            out += hexEscape(byte);
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}

std::string focusTargetName(int target) {
    if (target < 11)
        return "txtContact " + std::to_string(target);
    if (target < 14)
        return comboNames[static_cast<std::size_t>(target - 11)];
    if (target < 16)
        return checkNames[static_cast<std::size_t>(target - 14)];
    if (target < 19)
        return buttonNames[static_cast<std::size_t>(target - 16)];
    return "lstContacts";
}

}  // namespace

std::string escapeWord(std::string_view text) {
    return escape(text, false);
}
std::string escapeText(std::string_view text) {
    return escape(text, true);
}

namespace {

// The script line of one step; with `questionAsked` an answer line comes first, because a
// question box takes the answer queued before the line that shows it.
std::string scriptLine(const Step& step, bool questionAsked) {
    std::string line = questionAsked ? (step.answerYes ? "answer yes\n" : "answer no\n") : "";
    switch (step.kind) {
        case StepKind::Load:
            return line + "load-text " + escapeWord(step.separators.field) + ' ' +
                   escapeWord(step.separators.record) + ' ' + escapeWord(step.separators.table) +
                   ' ' + escapeText(step.text);
        case StepKind::Vendor:
            return line + "vendor " + std::to_string(step.number) +
                   (step.flag ? " true" : " false");
        case StepKind::Export:
            return line + "export";
        case StepKind::ChangedDefault:
            return line + "changed-default";
        case StepKind::Recreate:
            return line + "recreate";
        case StepKind::Focus:
            return line + "focus " + focusTargetName(step.target);
        case StepKind::Press:
            return line + "press " + buttonNames[static_cast<std::size_t>(step.target)];
        case StepKind::Type:
            return line + "type " + std::to_string(step.target) + ' ' + escapeText(step.text);
        case StepKind::Pick:
            return line + "pick-index " + comboNames[static_cast<std::size_t>(step.target)] + ' ' +
                   std::to_string(step.number);
        case StepKind::ClickCheck:
            return line + "click " + checkNames[static_cast<std::size_t>(step.target)];
        case StepKind::ClickRow:
            return line + "click-row " + std::to_string(step.number + 1);
        case StepKind::ClickList:
            return line + "click-list";
        case StepKind::ClickHeader:
            return line + "click-header " + std::to_string(step.number);
    }
    return line;
}

}  // namespace

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
