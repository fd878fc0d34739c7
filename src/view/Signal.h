#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace xkr {

// A change notification that a front end subscribes to; the core itself never listens.
// Raised with raise(), not emit(): Qt defines `emit` as a macro, and Qt hosts include this.
class Signal {
public:
    using Slot = std::function<void()>;
    void connect(Slot slot) { m_slots.push_back(std::move(slot)); }
    void raise() const {
        for (const Slot& slot : m_slots) slot();
    }

private:
    std::vector<Slot> m_slots;
};

}  // namespace xkr
