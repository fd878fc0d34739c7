#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace xkr {

// A change notification that a front end subscribes to; the core itself never listens.
// Raised with raise(), not emit(): Qt defines `emit` (and `slots`) as macros, and Qt hosts include
// this. A subscription lasts as long as the Connection that connect() returns; slots are neither
// connected nor disconnected while the signal is raised.
class Signal {
    struct Slots;

public:
    using Slot = std::function<void()>;

    class [[nodiscard]] Connection {
    public:
        Connection() = default;
        Connection(Connection&& other) noexcept
            : m_slots(std::move(other.m_slots)), m_id(other.m_id) {}
        Connection& operator=(Connection&& other) noexcept {
            if (this != &other) {
                disconnect();
                m_slots = std::move(other.m_slots);
                m_id = other.m_id;
            }
            return *this;
        }
        Connection(const Connection&) = delete;
        Connection& operator=(const Connection&) = delete;
        ~Connection() { disconnect(); }

        // Also safe after the signal is gone.
        void disconnect() {
            if (const std::shared_ptr<Slots> subscribers = m_slots.lock())
                subscribers->remove(m_id);
            m_slots.reset();
        }

    private:
        friend class Signal;
        Connection(std::weak_ptr<Slots> subscribers, std::uint64_t id)
            : m_slots(std::move(subscribers)), m_id(id) {}

        std::weak_ptr<Slots> m_slots;
        std::uint64_t m_id = 0;
    };

    Connection connect(Slot slot) {
        if (!m_slots)
            m_slots = std::make_shared<Slots>();
        const std::uint64_t id = m_slots->nextId++;
        m_slots->entries.push_back({id, std::move(slot)});
        return Connection(m_slots, id);
    }
    void raise() const {
        if (!m_slots)
            return;
        for (const Entry& entry : m_slots->entries) entry.slot();
    }

private:
    struct Entry {
        std::uint64_t id;
        Slot slot;
    };
    struct Slots {
        std::vector<Entry> entries;
        std::uint64_t nextId = 1;
        void remove(std::uint64_t id) {
            std::erase_if(entries, [id](const Entry& entry) { return entry.id == id; });
        }
    };

    // Made by the first connect: the core never listens, and a control has some twenty signals
    // that a headless host never connects to.
    std::shared_ptr<Slots> m_slots;
};

}  // namespace xkr
