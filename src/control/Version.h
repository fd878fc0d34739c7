#pragma once

#include "view/PayToEditor.h"

namespace xkr {

// The component's version, set once in the build.
VersionRecord componentVersion();

}  // namespace xkr
