#include "view/Version.h"

namespace xkr {

VersionRecord componentVersion() {
    return {XKR_VERSION_MAJOR, XKR_VERSION_MINOR, XKR_VERSION_PATCH};
}

}  // namespace xkr
