// SPDX-License-Identifier: MIT
// The window model as the web page drives it.
//
// The page's script reports what a person does through the person actions below and, after
// each, takes the changes the model made (`takeChanges`) and the message boxes it showed
// (`takeMessages`) and mirrors them into the DOM. A browser cannot wait inside a handler for a
// box to be closed, so the host keeps each box for the page and the handler goes on at once:
// the window ends in the state the desktop reaches once the box is closed, and the page takes
// no input until the person has closed every box, one after the other.
#pragma once

#include "web/page_change.h"
#include "window/window.h"

#include <vector>

namespace liftcalc::web {

class PageWindow : private WindowHost {
public:
    explicit PageWindow(const NumberFormat &format);
    ~PageWindow() override;
    PageWindow(const PageWindow &) = delete;
    PageWindow &operator=(const PageWindow &) = delete;

    Window &window() { return window_; }
    const Window &window() const { return window_; }

    // The changes since the last call, three numbers each (control, property, index); valid
    // until the next call.
    const std::vector<int> &takeChanges();
    std::vector<MessageBox> takeMessages();
    bool unloaded() const { return unloaded_; }

private:
    void showMessage(const MessageBox &box) override { messages_.push_back(box); }
    void windowUnloaded() override { unloaded_ = true; }

    Window window_;
    int connection_;
    std::vector<int> changes_;
    std::vector<int> taken_;
    std::vector<MessageBox> messages_;
    bool unloaded_ = false;
};

} // namespace liftcalc::web
