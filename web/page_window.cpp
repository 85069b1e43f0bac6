// SPDX-License-Identifier: MIT
#include "web/page_window.h"

namespace liftcalc::web {

PageWindow::PageWindow(const NumberFormat &format) : window_(*this, format) {
    connection_ = window_.changed.connect([this](const Change &change) {
        const PageChange c = pageChange(change);
        changes_.insert(changes_.end(),
                        {static_cast<int>(c.control), static_cast<int>(c.property), c.index});
    });
}

PageWindow::~PageWindow() {
    window_.changed.disconnect(connection_);
}

const std::vector<int> &PageWindow::takeChanges() {
    taken_.swap(changes_);
    changes_.clear();
    return taken_;
}

std::vector<MessageBox> PageWindow::takeMessages() {
    return std::exchange(messages_, {});
}

} // namespace liftcalc::web
