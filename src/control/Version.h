#pragma once

// The version record lives with the editor that shows it; hosts that include it from here keep
// building.
#include "view/Version.h"
