// SPDX-License-Identifier: MIT
// The changes the page has yet to mirror, and the windows it follows once the calculator window
// has shown them (the field checks, the test record).
#pragma once

#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

namespace liftcalc::web {

// Changes as numbers, waiting for the page to take them all at once.
class PendingChanges {
public:
    void add(std::initializer_list<int> numbers) { pending_.insert(pending_.end(), numbers); }
    // Valid until the next call.
    const std::vector<int> &take() {
        taken_.swap(pending_);
        pending_.clear();
        return taken_;
    }

private:
    std::vector<int> pending_;
    std::vector<int> taken_;
};

// The window of kind Shown last shown, open or closed, with its changes two numbers each (what,
// where); none before the first.
template <class Shown> class FollowedWindow {
public:
    FollowedWindow() = default;
    FollowedWindow(const FollowedWindow &) = delete;
    FollowedWindow &operator=(const FollowedWindow &) = delete;
    ~FollowedWindow() {
        if (shown_)
            shown_->changed.disconnect(connection_);
    }

    Shown *get() const { return shown_.get(); }

    // Follows SHOWN from now on (opened again, it is the same one) and tells the page it opened
    // (OPENED, the page's change for it). TO_PAGE gives the page's change for a notification of
    // the window, a pair (what, where), or nothing for one the page does not mirror.
    template <class ToPage> void follow(std::shared_ptr<Shown> shown, int opened, ToPage toPage) {
        if (shown != shown_) {
            if (shown_)
                shown_->changed.disconnect(connection_);
            shown_ = std::move(shown);
            connection_ = shown_->changed.connect([this, toPage](const auto &change) {
                if (const auto c = toPage(change)) {
                    const auto [what, where] = *c;
                    changes_.add({static_cast<int>(what), where});
                }
            });
        }
        changes_.add({opened, 0});
    }
    const std::vector<int> &takeChanges() { return changes_.take(); }

private:
    PendingChanges changes_; // before the window whose notifications write into it
    std::shared_ptr<Shown> shown_;
    int connection_ = 0;
};

} // namespace liftcalc::web
