// SPDX-License-Identifier: MIT
// The window model as the web page drives it.
//
// The page's script reports what a person does through the person actions below and, after
// each, takes the changes the model made (`takeChanges`) and the message boxes it showed
// (`takeMessages`) and mirrors them into the DOM. A browser cannot wait inside a handler for a
// box to be closed, so the host keeps each box for the page and the handler goes on at once:
// the window ends in the state the desktop reaches once the box is closed, and the page takes
// no input until the person has closed every box, one after the other.
//
// The calculator's Field Checks item opens its checks window (or brings the open one forward),
// which the page follows from then on; its refusals go to the same boxes. So does its Test Record
// item the record window, whose files, questions, pages and kept copy the host holds for the
// page (page_host.h).
#pragma once

#include "web/followed_window.h"
#include "web/page_change.h"
#include "web/page_host.h"
#include "window/checks_window.h"
#include "window/record_window.h"
#include "window/window.h"

#include <memory>
#include <vector>

namespace liftcalc::web {

class PageWindow : private PageHost {
public:
    // KEPT: the record window's copy the browser kept last, if any.
    PageWindow(const NumberFormat &format, std::optional<std::string> kept);
    ~PageWindow() override;
    PageWindow(const PageWindow &) = delete;
    PageWindow &operator=(const PageWindow &) = delete;

    Window &window() { return window_; }
    const Window &window() const { return window_; }

    // The changes since the last call, three numbers each (control, property, index); valid
    // until the next call.
    const std::vector<int> &takeChanges();
    // What the page does in the browser for the windows: boxes, files, pages, the kept copy.
    PageHost &host() { return *this; }

    // The checks window last opened, open or closed; none before the first.
    ChecksWindow *checks() { return checks_.get(); }
    const ChecksWindow *checks() const { return checks_.get(); }
    // The checks window's changes since the last call, two numbers each (what, slot); valid
    // until the next call.
    const std::vector<int> &takeChecksChanges();

    // The record window last shown, open or closed; none before the first.
    RecordWindow *record() { return record_.get(); }
    // The record window's changes since the last call, two numbers each (what, index); valid
    // until the next call.
    const std::vector<int> &takeRecordChanges();

private:
    // Follows the checks or record window the calculator window has shown.
    void followChecks();
    void followRecord();

    Window window_;
    int connection_;
    PendingChanges changes_;
    FollowedWindow<ChecksWindow> checks_;
    FollowedWindow<RecordWindow> record_;
};

} // namespace liftcalc::web
