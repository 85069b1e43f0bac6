// SPDX-License-Identifier: MIT
// A window that another window opens and owns: at most one, made at its first opening, opened
// again as it was left once closed, and closed with its owner. The owner reports each opening
// through its own change notification; a front end shows the model it is told of and keeps it
// while it shows it, so it stays valid for the front end still taking a closed window down.
#pragma once

#include <memory>
#include <utility>

namespace liftcalc {

template <class Model> class Secondary {
public:
    // The window, made from `args` when there has been none, and opened again if closed.
    template <class... Args> Model &open(Args &&...args) {
        if (!model_)
            model_ = std::make_shared<Model>(std::forward<Args>(args)...);
        model_->reopen();
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
    // The window once made, open or closed; none before its first opening.
    const Model *made() const { return model_.get(); }

private:
    std::shared_ptr<Model> model_;
};

} // namespace liftcalc
