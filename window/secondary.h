// SPDX-License-Identifier: MIT
// A window that another window opens and owns: at most one at a time, a fresh one once the last
// has been closed, and closed with its owner. The owner reports each opening through its own
// change notification; a front end shows the model it is told of and keeps it while it shows
// it, so a window closed and replaced stays valid for the front end still taking it down.
#pragma once

#include <memory>
#include <utility>

namespace liftcalc {

template <class Model> class Secondary {
public:
    // The open window, or a new one made from `args` when none is open.
    template <class... Args> Model &open(Args &&...args) {
        if (!isOpen())
            model_ = std::make_shared<Model>(std::forward<Args>(args)...);
        return *model_;
    }
    void close() {
        if (model_)
            model_->close();
    }
    bool isOpen() const { return model_ && model_->isOpen(); }
    // The open window; none while it is closed.
    std::shared_ptr<Model> shared() const { return isOpen() ? model_ : nullptr; }
    Model *get() const { return isOpen() ? model_.get() : nullptr; }

private:
    std::shared_ptr<Model> model_;
};

} // namespace liftcalc
