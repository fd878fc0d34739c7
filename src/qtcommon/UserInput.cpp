#include "qtcommon/UserInput.h"

#include <QtGlobal>
#include <exception>

#include "common/Error.h"

namespace xkr::qtcommon {

void forwardUserInput(const std::function<void()>& input) {
    try {
        input();
    } catch (const EventError& error) {
        qWarning("VendorPayTo: %s failed: %s", error.routine().c_str(), error.what());
    } catch (const std::exception& error) {
        qWarning("VendorPayTo: user input failed: %s", error.what());
    }
}

}  // namespace xkr::qtcommon
