#include "random/StepGenerator.h"

#include <array>
#include <vector>

namespace xkr::session {
namespace {

constexpr std::array<const char*, 12> separatorPool{
    "|", "~", "^", "<>", "##", "\r\n", "\xC2\xA7", "\xE2\x82\xAC", "\t", ";;", "aa", ","};

constexpr std::array<const char*, 16> wordPool{"Main Office",
                                               "5",
                                               "05",
                                               "10",
                                               "99",
                                               "20",
                                               "0",
                                               "ab",
                                               "Springfield",
                                               "M\xC3\xBCller",
                                               "\xE6\x97\xA5\xE6\x9C\xAC",
                                               "   ",
                                               "\xFF\xFE",
                                               "O'Brien",
                                               "-1",
                                               "1 Main St"};

}  // namespace

int StepGenerator::below(int bound) {
    return static_cast<int>(m_random() % static_cast<std::uint64_t>(bound));
}

Separators StepGenerator::separators() {
    if (chance(70))
        return m_lastSeparators;
    Separators s;
    s.field = separatorPool[static_cast<std::size_t>(below(separatorPool.size()))];
    s.record = separatorPool[static_cast<std::size_t>(below(separatorPool.size()))];
    s.table = separatorPool[static_cast<std::size_t>(below(separatorPool.size()))];
    if (chance(3))
        s.table.clear();
    m_lastSeparators = s;
    return s;
}

std::string StepGenerator::payToRecord(const Separators& s, int index) {
    const std::array<std::string, 4> ids{std::to_string(index + 1), "00" + std::to_string(index),
                                         "-5", std::to_string(index) + "-N"};
    std::vector<std::string> fields{
        ids[static_cast<std::size_t>(below(chance(80) ? 1 : 4))],
        chance(95) ? "Office " + std::to_string(index) : std::string(60, 'x'),
        std::to_string(below(3) == 0 ? below(10) : 20 + below(80)),
        "1 Main St",
        "",
        "Springfield",
        std::to_string(below(4)),
        std::to_string(below(4) + 9),
        "12345",
        "",
        "",
        "",
        "",
        "",
        chance(80) ? "-1" : "0",
        chance(30) ? "-1" : "0",
        std::to_string(below(4) + 2),
        "0",
        std::to_string(index + 70),
        "1234"};
    if (chance(5))
        fields.resize(static_cast<std::size_t>(below(20)));
    if (chance(5))
        fields.emplace_back(chance(50) ? "S" : "");
    if (chance(2))
        fields.insert(fields.end(), {"S", "x"});
    std::string record;
    for (std::size_t f = 0; f < fields.size(); ++f) {
        if (f > 0)
            record += s.field;
        record += fields[f];
    }
    return record;
}

std::string StepGenerator::contactData(const Separators& s) {
    if (chance(3))
        return chance(50) ? "" : "   ";
    std::string payTo;
    const int records = below(9);
    for (int i = 0; i < records; ++i) payTo += payToRecord(s, i) + s.record;
    if (chance(5) && !payTo.empty())
        payTo.resize(payTo.size() - s.record.size());

    std::string terms;
    const int termCount = below(5);
    for (int code = 2; code < 2 + termCount; ++code) {
        const std::string shown = chance(3) ? "x" : std::to_string(code);
        terms += shown + s.field + "Net " + std::to_string(code * 10) + s.field + "days" + s.record;
    }
    if (chance(3))
        terms += "70000" + s.field + "Big" + s.field + "code" + s.record;

    std::string states;
    const int stateCount = below(6);
    for (int code = 9; code < 9 + stateCount; ++code) {
        states += (chance(3) ? std::string("?") : std::to_string(code)) + s.field +
                  std::to_string(below(3)) + s.field + "XX" + s.field +
                  (chance(5) ? std::string(" ") : "State " + std::to_string(code)) + s.record;
    }
    std::string text = payTo + s.table + terms + s.table + states;
    if (chance(3))
        text += s.table;
    return text;
}

std::string StepGenerator::typedText() {
    switch (below(6)) {
        case 0:
            return "";
        case 1:
            return std::string(static_cast<std::size_t>(40 + below(40)), 'n');
        case 2: {
            const Separators& s = m_lastSeparators;
            return "a" + (chance(50) ? s.field : chance(50) ? s.record : s.table) + "b";
        }
        default:
            return wordPool[static_cast<std::size_t>(below(wordPool.size()))];
    }
}

Step StepGenerator::next() {
    Step step;
    step.answerYes = chance(70);
    const int roll = below(100);
    if (roll < 4) {
        step.kind = StepKind::Load;
        step.separators = separators();
        step.text = contactData(step.separators);
    } else if (roll < 7) {
        step.kind = StepKind::Vendor;
        step.number = chance(80) ? 1234 : below(100000) - 50000;
        step.flag = chance(80);
    } else if (roll < 9) {
        step.kind = StepKind::Export;
    } else if (roll < 10) {
        step.kind = chance(80) ? StepKind::ChangedDefault : StepKind::Recreate;
    } else if (roll < 16) {
        step.kind = StepKind::Focus;
        step.target = below(focusTargetCount);
    } else if (roll < 36) {
        step.kind = StepKind::Press;
        step.target = below(3);
    } else if (roll < 58) {
        step.kind = StepKind::Type;
        step.target = chance(30) ? 8 : below(11);
        step.text = step.target == 8 && chance(60) ? wordPool[static_cast<std::size_t>(below(6))]
                                                   : typedText();
    } else if (roll < 72) {
        step.kind = StepKind::Pick;
        step.target = below(3);
        step.number = below(7) - 1;
    } else if (roll < 82) {
        step.kind = StepKind::ClickCheck;
        step.target = below(2);
    } else if (roll < 94) {
        step.kind = StepKind::ClickRow;
        step.number = below(10);
    } else if (roll < 96) {
        step.kind = StepKind::ClickList;
    } else {
        step.kind = StepKind::ClickHeader;
        step.number = below(21);
    }
    return step;
}

// A person who fills the whole form in before pressing Save or Update: without these runs,
// random single steps almost never store an entry, and saving goes unchecked.
void StepGenerator::appendFormRun(Steps& steps) {
    auto add = [&steps](StepKind kind, int target, int number, std::string text = {}) {
        Step step;
        step.kind = kind;
        step.target = target;
        step.number = number;
        step.text = std::move(text);
        steps.push_back(std::move(step));
    };
    const bool editing = chance(40);
    if (editing) {
        add(StepKind::ClickRow, 0, below(8));
        add(StepKind::Press, 1, 0);
    } else {
        add(StepKind::Press, 0, 0);
    }
    const std::array<int, 3> required{0, 1, 3};
    for (int box : required) {
        if (!editing || chance(30))
            add(StepKind::Type, box, 0, chance(90) ? "Name" : typedText());
    }
    for (int combo = 0; combo < 3; ++combo) {
        if (!editing || chance(30))
            add(StepKind::Pick, combo, below(3));
    }
    if (!editing)
        add(StepKind::Type, 8, 0, std::to_string(20 + below(80)));
    if (chance(40))
        add(StepKind::ClickCheck, 1, 0);
    add(StepKind::Press, 0, 0);
    if (chance(40)) {
        add(StepKind::ClickRow, 0, below(8));
        add(StepKind::Press, 2, 0);
    }
}

Steps StepGenerator::sequence(int length) {
    Steps steps;
    steps.reserve(static_cast<std::size_t>(length));
    // Most sessions start the way hosts do, so that the editor is reached at all.
    if (chance(90)) {
        Step vendor;
        vendor.kind = StepKind::Vendor;
        vendor.number = 1234;
        vendor.flag = true;
        steps.push_back(vendor);
        Step load;
        load.kind = StepKind::Load;
        load.separators = separators();
        load.text = contactData(load.separators);
        steps.push_back(load);
    }
    while (static_cast<int>(steps.size()) < length) {
        if (chance(9)) {
            appendFormRun(steps);
        } else {
            steps.push_back(next());
        }
    }
    steps.resize(static_cast<std::size_t>(length));
    return steps;
}

}  // namespace xkr::session
