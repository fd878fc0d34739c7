#pragma once

#include <cstddef>
#include <string>

#include "random/Step.h"

namespace xkr::session {

struct RunResult {
    std::string failure;  // empty when every step kept every rule
    std::size_t failedStep = 0;
};

// Runs the steps in a fresh session and stops at the first broken rule.
RunResult runSteps(const Steps& steps);

// The shortest sequence the search finds that still breaks a rule of the same kind (delta
// debugging over whole steps).
Steps shrink(Steps failing, const std::string& failure);

// The steps as a host script that replays them, ending with what a reader wants to see.
std::string hostScript(const Steps& steps, const std::string& heading);

}  // namespace xkr::session
