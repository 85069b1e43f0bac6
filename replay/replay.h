// SPDX-License-Identifier: MIT
// The replay driver: drives the window as a person would, one action a line, and writes back
// what the window shows. Lines:
//   focus N | type N TEXT | click NAME | key KEY | menu NAME | close | dump
// KEY is Tab, Shift+Tab, Enter, Esc, Left, Right, Up, Down, a menu shortcut (Ctrl+L) or a
// button's access key (Alt+C). Lines starting "checks" act on the field checks window and
// lines starting "record" on the test record window (see actOnRecord). The driver is the record
// window's host, with files of its own:
//   file NAME TEXT    a file NAME holding TEXT, which may then be opened
//   unwritable NAME   saving to NAME fails, as in a folder one may not write into
//   pick NAME         the next file dialog picks NAME; `pick` alone cancels it
//   answer save|discard|cancel   the answer to the next "save first?" question
// Blank lines and lines starting with '#' are skipped. A line that cannot be carried out
// writes {"error": "line N: WHY"} and the replay goes on.
#pragma once

#include "window/checks_window.h"
#include "window/recording_host.h"
#include "window/window.h"

#include <iosfwd>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace liftcalc {

class Replay {
public:
    // Creates the window and starts it, as the program does.
    explicit Replay(const NumberFormat &format);

    // Carries out one line; writes a dump or an error line to out. False when the line failed.
    bool runLine(std::string_view line, int lineNumber, std::ostream &out);
    // Runs a whole script; false when any line failed.
    bool run(std::istream &in, std::ostream &out);

    const Window &window() const { return window_; }
    // The field checks window and the test record window while they are open.
    const ChecksWindow *checksWindow() const { return window_.fieldChecks(); }
    const RecordWindow *recordWindow() const { return window_.testRecord(); }
    // The files the driver holds, written by the record window or put there by a line.
    const std::map<std::string, std::string> &files() const { return host_.files; }
    // The message boxes shown since the last dump, taken out so that no dump reports them.
    std::vector<MessageBox> takeMessages() { return std::exchange(host_.shown, {}); }

private:
    // The reason the action could not be carried out, or nothing.
    std::string act(std::string_view action, std::string_view arguments, std::ostream &out);
    std::string actOnChecks(std::string_view arguments);
    std::string actOnRecord(std::string_view arguments);
    std::string actOnHost(std::string_view action, std::string_view arguments);

    // Keeps the message boxes of every window, and the record window's files.
    RecordingHost host_;
    // The files written since the last dump.
    std::size_t logged_ = 0;
    Window window_;
};

} // namespace liftcalc
