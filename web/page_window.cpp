// SPDX-License-Identifier: MIT
#include "web/page_window.h"

namespace liftcalc::web {

PageWindow::PageWindow(const NumberFormat &format) : window_(*this, format) {
    connection_ = window_.changed.connect(
        [this](const Change &change) { changes_.push_back(pageChange(change)); });
}

PageWindow::~PageWindow() {
    window_.changed.disconnect(connection_);
}

std::vector<PageChange> PageWindow::takeChanges() {
    return std::exchange(changes_, {});
}

std::vector<MessageBox> PageWindow::takeMessages() {
    return std::exchange(messages_, {});
}

} // namespace liftcalc::web
