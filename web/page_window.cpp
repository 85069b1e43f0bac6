// SPDX-License-Identifier: MIT
#include "web/page_window.h"

#include "web/checks_change.h"

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

const std::vector<int> &PageWindow::takeChecksChanges() {
    checksTaken_.swap(checksChanges_);
    checksChanges_.clear();
    return checksTaken_;
}

void PageWindow::windowUnloaded() {
    unloaded_ = true;
    if (checks_)
        checks_->close();
}

// A closed window is replaced by a new one, on the first check in the calculator's units.
void PageWindow::openFieldChecks(const NumberFormat &format, UnitSystem units) {
    if (!checks_ || !checks_->isOpen()) {
        checks_ = std::make_unique<ChecksWindow>(static_cast<WindowHost &>(*this), format, units);
        checks_->changed.connect([this](const ChecksChange &change) {
            const ChecksPageChangeAt c = checksPageChange(change);
            checksChanges_.insert(checksChanges_.end(), {static_cast<int>(c.change), c.slot});
        });
    }
    checksChanges_.insert(checksChanges_.end(), {static_cast<int>(ChecksPageChange::opened), 0});
}

std::vector<MessageBox> PageWindow::takeMessages() {
    return std::exchange(messages_, {});
}

} // namespace liftcalc::web
