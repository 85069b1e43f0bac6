// SPDX-License-Identifier: MIT
// Start-up time and resident memory of desktop programs under an X server:
//   startup_probe [--runs N] [--windows W] PROGRAM [[--windows W] PROGRAM...]
// For each run it starts the program and takes the time from just before the start to the X
// server's MapNotify for the program's W-th new top-level window (the root window's
// SubstructureNotify, so nothing is polled; W is 1 unless given before the program), then reads
// the process's VmRSS from /proc once the windows are up and have settled for a second. The
// programs take turns, one run each in a round, after one unmeasured warm-up round (font and disk
// caches). Prints one line a program:
//   PROGRAM  startup_ms median min max  rss_kib median
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double startupMs;
    long rssKib;
};

struct Program {
    std::string path;
    int windows;
};

long residentKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// Throws away what the server has sent so far, a program's later windows among it, so that a
// run counts only its own program's windows.
void discardEvents(xcb_connection_t *x) {
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
    while (xcb_generic_event_t *event = xcb_poll_for_event(x))
        std::free(event);
}

// Waits until `windows` top-level windows have been mapped; false if the program ends first,
// the connection breaks, or a minute passes.
bool awaitTopLevelMaps(xcb_connection_t *x, pid_t pid, int windows) {
    const auto deadline = Clock::now() + std::chrono::minutes(1);
    pollfd connection{xcb_get_file_descriptor(x), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(x)) {
            const bool mapped =
                (event->response_type & 0x7F) == XCB_MAP_NOTIFY &&
                !reinterpret_cast<xcb_map_notify_event_t *>(event)->override_redirect;
            std::free(event);
            if (mapped && --windows == 0)
                return true;
        }
        if (xcb_connection_has_error(x) || waitpid(pid, nullptr, WNOHANG) == pid)
            return false;
        // Wakes as soon as the server sends anything; the timeout only notices a dead program.
        poll(&connection, 1, 200);
    }
    return false;
}

std::optional<Sample> measure(xcb_connection_t *x, const Program &program) {
    discardEvents(x);
    const auto started = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program.path.c_str(), program.path.c_str(), static_cast<char *>(nullptr));
        std::perror(program.path.c_str());
        _exit(127);
    }
    std::optional<Sample> sample;
    if (awaitTopLevelMaps(x, pid, program.windows)) {
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
        // Memory is read once the window has painted and settled, not timed.
        std::this_thread::sleep_for(std::chrono::seconds(1));
        sample = Sample{ms, residentKib(pid)};
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return sample;
}

template <class T> T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
    int runs = 5;
    int windows = 1;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--windows" && i + 1 < argc)
            windows = std::max(1, std::atoi(argv[++i]));
        else if (arg != "--")
            programs.push_back({arg, std::exchange(windows, 1)});
    }
    if (programs.empty()) {
        std::fprintf(stderr, "usage: startup_probe [--runs N] [--windows W] PROGRAM [[--windows W] "
                             "PROGRAM...]\n");
        return 2;
    }

    int screenNumber = 0;
    xcb_connection_t *x = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "startup_probe: no X server (DISPLAY)\n");
        return 2;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(x));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screens.data->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    std::vector<std::vector<Sample>> samples(programs.size());
    for (int round = 0; round <= runs; ++round) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            auto sample = measure(x, programs[p]);
            if (!sample) {
                std::fprintf(stderr, "startup_probe: %s showed too few windows\n",
                             programs[p].path.c_str());
                return 1;
            }
            if (round > 0)
                samples[p].push_back(*sample);
        }
    }
    for (std::size_t p = 0; p < programs.size(); ++p) {
        std::vector<double> ms;
        std::vector<long> rss;
        for (const auto &s : samples[p]) {
            ms.push_back(s.startupMs);
            rss.push_back(s.rssKib);
        }
        std::printf("%s startup_ms %.1f %.1f %.1f rss_kib %ld\n", programs[p].path.c_str(),
                    median(ms), *std::min_element(ms.begin(), ms.end()),
                    *std::max_element(ms.begin(), ms.end()), median(rss));
    }
    xcb_disconnect(x);
}
