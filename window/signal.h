// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace liftcalc {

// A minimal notification list over std::function, so that a front end can follow the window
// model without the model knowing any toolkit. Connections are identified by the number
// connect() returns.
template <class... Args> class Signal {
public:
    using Slot = std::function<void(Args...)>;

    int connect(Slot slot) {
        slots_.emplace_back(++lastId_, std::move(slot));
        return lastId_;
    }

    void disconnect(int id) {
        std::erase_if(slots_, [id](const auto &entry) { return entry.first == id; });
    }

    void send(const Args &...args) const {
        for (const auto &[id, slot] : slots_)
            slot(args...);
    }

    bool empty() const { return slots_.empty(); }

private:
    std::vector<std::pair<int, Slot>> slots_;
    int lastId_ = 0;
};

} // namespace liftcalc
