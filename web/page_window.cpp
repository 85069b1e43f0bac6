// SPDX-License-Identifier: MIT
#include "web/page_window.h"

#include "web/checks_change.h"
#include "web/record_change.h"

namespace liftcalc::web {

PageWindow::PageWindow(const NumberFormat &format, std::optional<std::string> kept)
    : PageHost(format, std::move(kept)), window_(*this, format) {
    connection_ = window_.changed.connect([this](const Change &change) {
        if (const auto *shown = std::get_if<SecondaryShown>(&change))
            shown->window == SecondaryWindow::testRecord ? followRecord() : followChecks();
        else if (const auto c = pageChange(change))
            changes_.add({static_cast<int>(c->control), static_cast<int>(c->property), c->index});
    });
}

PageWindow::~PageWindow() {
    window_.changed.disconnect(connection_);
}

const std::vector<int> &PageWindow::takeChanges() {
    return changes_.take();
}

const std::vector<int> &PageWindow::takeChecksChanges() {
    return checks_.takeChanges();
}

const std::vector<int> &PageWindow::takeRecordChanges() {
    return record_.takeChanges();
}

void PageWindow::followChecks() {
    checks_.follow(window_.sharedFieldChecks(), static_cast<int>(ChecksPageChange::opened),
                   &checksPageChange);
}

void PageWindow::followRecord() {
    record_.follow(window_.sharedTestRecord(), static_cast<int>(RecordPageChange::opened),
                   &recordPageChange);
}

} // namespace liftcalc::web
