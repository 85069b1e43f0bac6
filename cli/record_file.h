// SPDX-License-Identifier: MIT
// A record's file on disk: read whole (no larger than a record can be) and saved atomically,
// so that a failed save leaves the old file byte for byte as it was.
#pragma once

#include "record/record_file.h"

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace liftcalc::cli {

// The record in FILE, or why it cannot be opened; MISSING when there is no such file.
struct LoadedRecord {
    std::optional<record::Record> record;
    std::string message; // when there is no record
    bool missing = false;
};
LoadedRecord loadRecord(const std::string &path);

// The system calls a save makes, replaceable so that a test can make one fail.
struct FileCalls {
    ssize_t (*write)(int, const void *, size_t);
    int (*fsync)(int);
    int (*rename)(const char *, const char *);
};
FileCalls systemFileCalls();

// Writes BYTES to a new file beside PATH, flushes it to the disk and only then puts it in
// PATH's place; nothing when it is saved, or else the system's reason, with PATH untouched.
// First it removes the new files beside PATH that earlier saves of PATH left when killed.
std::optional<std::string> saveAtomically(const std::string &path, std::string_view bytes,
                                          const FileCalls &calls = systemFileCalls());

// The time now, local with the UTC offset ("2026-03-27T09:31:05+01:00"), and today's date.
std::string localTimeNow();
std::string localDate();
// A random (version 4) UUID.
std::string randomUuid();

} // namespace liftcalc::cli
