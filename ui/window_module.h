// SPDX-License-Identifier: MIT
// The desktop window as a module the program loads only when it opens the window, so that the
// command line, --help and --version run without loading Qt Widgets and Qt GUI.
#pragma once

// The module's one exported function: opens the window and runs it until it is unloaded, with
// the program's arguments, which Qt takes its own options out of. Returns the exit status.
extern "C" int liftcalcRunWindow(int *argc, char **argv);

// A test record's PDF as the command line asks for it, in plain C texts so that nothing of the
// module's own libraries crosses into the program.
struct LiftcalcRecordPdf {
    const char *file;    // the record's file
    const char *output;  // the PDF to write
    const char *paper;   // "a4", "letter", or empty for that of the regional settings
    const char *locale;  // the locale the paper follows; empty for the system's
    const char *decimal; // the figures' regional number format
    const char *group;
    const char *minus;
};

// Writes the PDF without opening a window. Returns 0, or 1 with the reason in MESSAGE (at most
// SIZE bytes with its terminating zero).
extern "C" int liftcalcWriteRecordPdf(const LiftcalcRecordPdf *request, char *message,
                                      unsigned long size);

namespace liftcalc {
inline constexpr const char *kRunWindowSymbol = "liftcalcRunWindow";
inline constexpr const char *kWriteRecordPdfSymbol = "liftcalcWriteRecordPdf";
} // namespace liftcalc
