#pragma once

#include <string_view>

namespace xkr::script {

// The script language in brief, for --help.
std::string_view helpText();

}  // namespace xkr::script
