#pragma once

#include <string>
#include <string_view>

#include "Step.h"

// Writes steps as lines of the scripted host, so that a failing sequence can be replayed with
// vendorpayto-script.
namespace xkr::session {

// A single-word argument: backslash, control bytes, spaces and non-ASCII bytes as escapes, so
// the line survives editors and mail unchanged.
std::string escapeWord(std::string_view text);
// A last argument that runs to the end of the line: spaces stay, except trailing ones, which
// editors tend to strip.
std::string escapeText(std::string_view text);

// The steps as a host script that replays them, ending with what a reader wants to see. The
// steps run again to learn where a question box needs its answer queued.
std::string hostScript(const Steps& steps, const std::string& heading);

}  // namespace xkr::session
