// SPDX-License-Identifier: MIT
// The desktop window as a module the program loads only when it opens the window, so that the
// command line, --help and --version run without loading Qt Widgets and Qt GUI.
#pragma once

// The module's one exported function: opens the window and runs it until it is unloaded, with
// the program's arguments, which Qt takes its own options out of. Returns the exit status.
extern "C" int liftcalcRunWindow(int *argc, char **argv);

namespace liftcalc {
inline constexpr const char *kRunWindowSymbol = "liftcalcRunWindow";
}
