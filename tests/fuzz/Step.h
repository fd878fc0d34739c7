#pragma once

#include <string>

#include "table/ContactDataText.h"

// One thing a host or a user does to the control, as the fuzz target decodes it from its input.
namespace xkr::session {

enum class StepKind {
    Load,            // host: LetContactAddress(text, separators)
    Vendor,          // host: LetVendorIDNMode(number, flag)
    Export,          // host: GetContactAddress
    ChangedDefault,  // host: ChangedDefault
    Recreate,        // host: a fresh control life
    Focus,           // user: move the focus to control `target` (see focusTargetName)
    Press,           // user: press button `target` (0 Add, 1 Edit, 2 Delete)
    Type,            // user: type `text` into txtContact `target`
    Pick,            // user: pick item `number` of combo `target` (0 country, 1 state, 2 term)
    ClickCheck,      // user: click check box `target` (0 Active, 1 Primary)
    ClickRow,        // user: click list entry at 0-based position `number`
    ClickList,       // user: click the list's empty space
    ClickHeader,     // user: click column header at 1-based position `number`
};

struct Step {
    StepKind kind = StepKind::ClickList;
    int target = 0;
    int number = 0;
    bool flag = false;      // Vendor: the mode
    bool answerYes = true;  // what a question box shown during this step is answered
    std::string text;       // Load: the contact data text; Type: the typed text
    Separators separators;  // Load only
};

// Focus targets: txtContact 0 to 10, then the combos, check boxes, buttons and the list.
inline constexpr int focusTargetCount = 11 + 3 + 2 + 3 + 1;

}  // namespace xkr::session
