#pragma once

#include <functional>

namespace xkr::qtcommon {

// Runs what a person did at a widget. An event routine that fails is written to the Qt log with
// its name: nothing may throw through Qt's event loop.
void forwardUserInput(const std::function<void()>& input);

}  // namespace xkr::qtcommon
