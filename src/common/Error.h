#pragma once

#include <stdexcept>
#include <string>

namespace xkr {

// The one failure type of the library: every operation that fails throws it, and a public
// method of the control passes it on to the host.
class VendorPayToError : public std::runtime_error {
public:
    explicit VendorPayToError(const std::string& what) : std::runtime_error(what) {}
};

// A failure that left an event routine and would reach the host's event loop. The scripted
// host prints it as "error: ROUTINE"; the Qt binding logs it.
class EventError : public VendorPayToError {
public:
    EventError(std::string routine, const std::string& what);
    const std::string& routine() const { return m_routine; }

private:
    std::string m_routine;
};

}  // namespace xkr
