// SPDX-License-Identifier: MIT
#pragma once

#include <deque>
#include <functional>
#include <utility>

namespace liftcalc {

// A minimal notification list over std::function, so that a front end can follow the window
// model without the model knowing any toolkit. Connections are identified by the number
// connect() returns.
//
// A slot may connect or disconnect slots, itself included, while a signal is being sent: a slot
// connected during a send hears from the next send on, one disconnected is not called again.
// Slots live in a deque, which keeps a running slot in place while others are added, and
// disconnected ones are only removed once no send is under way.
template <class... Args> class Signal {
public:
    using Slot = std::function<void(Args...)>;

    int connect(Slot slot) {
        slots_.push_back({++lastId_, std::move(slot)});
        return lastId_;
    }

    void disconnect(int id) {
        for (auto &entry : slots_)
            if (entry.id == id)
                entry.id = kDisconnected;
        removeDisconnected();
    }

    void send(const Args &...args) {
        struct Depth {
            int &depth;
            explicit Depth(int &d) : depth(d) { ++depth; }
            ~Depth() { --depth; }
        };
        {
            const Depth sending(depth_);
            const std::size_t count = slots_.size();
            for (std::size_t i = 0; i < count; ++i)
                if (slots_[i].id != kDisconnected)
                    slots_[i].slot(args...);
        }
        removeDisconnected();
    }

    bool empty() const {
        for (const auto &entry : slots_)
            if (entry.id != kDisconnected)
                return false;
        return true;
    }

private:
    static constexpr int kDisconnected = 0;

    struct Entry {
        int id;
        Slot slot;
    };

    void removeDisconnected() {
        if (depth_ == 0)
            std::erase_if(slots_, [](const Entry &e) { return e.id == kDisconnected; });
    }

    std::deque<Entry> slots_;
    int lastId_ = 0;
    int depth_ = 0;
};

} // namespace liftcalc
