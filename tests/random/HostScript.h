#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "random/Step.h"

// Writes steps as lines of the scripted host, so that a failing sequence can be replayed with
// vendorpayto-script.
namespace xkr::session {

// A single-word argument: backslash, control bytes, spaces and non-ASCII bytes as escapes, so
// the line survives editors and mail unchanged.
std::string escapeWord(std::string_view text);
// A last argument that runs to the end of the line: spaces stay, except trailing ones, which
// editors tend to strip.
std::string escapeText(std::string_view text);

std::string focusTargetName(int target);

// The script line of one step; with `questionAsked` an answer line comes first, because a
// question box takes the answer queued before the line that shows it.
std::string scriptLine(const Step& step, bool questionAsked);

}  // namespace xkr::session
