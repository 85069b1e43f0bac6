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
            changes_.insert(changes_.end(), {static_cast<int>(c->control),
                                             static_cast<int>(c->property), c->index});
    });
}

PageWindow::~PageWindow() {
    window_.changed.disconnect(connection_);
    if (checks_)
        checks_->changed.disconnect(checksConnection_);
    if (record_)
        record_->changed.disconnect(recordConnection_);
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

// The first opening gives the page the checks window to follow; opened again, it is the same one.
void PageWindow::followChecks() {
    const std::shared_ptr<ChecksWindow> shown = window_.sharedFieldChecks();
    if (shown != checks_) {
        if (checks_)
            checks_->changed.disconnect(checksConnection_);
        checks_ = shown;
        checksConnection_ = checks_->changed.connect([this](const ChecksChange &change) {
            if (const auto c = checksPageChange(change))
                checksChanges_.insert(checksChanges_.end(), {static_cast<int>(c->change), c->slot});
        });
    }
    checksChanges_.insert(checksChanges_.end(), {static_cast<int>(ChecksPageChange::opened), 0});
}

const std::vector<int> &PageWindow::takeRecordChanges() {
    recordTaken_.swap(recordChanges_);
    recordChanges_.clear();
    return recordTaken_;
}

void PageWindow::followRecord() {
    const std::shared_ptr<RecordWindow> shown = window_.sharedTestRecord();
    if (shown != record_) {
        if (record_)
            record_->changed.disconnect(recordConnection_);
        record_ = shown;
        recordConnection_ = record_->changed.connect([this](const RecordChange &change) {
            if (const auto c = recordPageChange(change))
                recordChanges_.insert(recordChanges_.end(),
                                      {static_cast<int>(c->change), c->index});
        });
    }
    recordChanges_.insert(recordChanges_.end(), {static_cast<int>(RecordPageChange::opened), 0});
}

} // namespace liftcalc::web
