#include "common/Error.h"

namespace xkr {

EventError::EventError(std::string routine, const std::string& what)
    : VendorPayToError(routine + ": " + what), m_routine(std::move(routine)) {}

}  // namespace xkr
