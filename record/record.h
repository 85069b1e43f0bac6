// SPDX-License-Identifier: MIT
// The test record: one visit to one lift, and the calculations a person kept from it.
//
// A record is plain data: the lift, the visit and the entries in the order they were added, and
// every member of its file the program does not know, kept as JSON text and written back. An
// entry holds what a calculator or a check gave, by figure name and value, exactly as the
// command line's JSON gives them; the person sets its context, verdict and note, never its
// figures. The file (record_file.h), the CSV (record_csv.h) and the figures as shown
// (entry_figures.h) are built from this data alone.
#pragma once

#include "calculators/calculators.h"
#include "calculators/checks.h"
#include "calculators/numeric.h"
#include "calculators/unit_system.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace liftcalc::record {

// The version of the file this program writes; a file of a later version is refused.
inline constexpr int kVersion = 1;

// A member of an object the program does not know: its name and its value as JSON text, written
// back after the members it knows, in the order read.
struct Unknown {
    std::string key;
    std::string json;
    bool operator==(const Unknown &) const = default;
};
using Unknowns = std::vector<Unknown>;

// A figure of the lift as typed, with its unit as the file names it ("lb", "mm").
struct Measure {
    double value = 0;
    std::string unit;
    Unknowns unknown;
    bool operator==(const Measure &) const = default;
};

struct Lift {
    std::string deviceId;
    std::string serial;
    std::string location;
    std::string address;
    std::string owner;
    std::string maker;
    std::optional<Measure> ratedLoad;  // "lb" or "kg"
    std::optional<Measure> ratedSpeed; // "fpm" or "mps"
    std::optional<Measure> diameter;   // "in" or "mm"
    std::optional<double> plungers;
    Unknowns unknown;
    bool operator==(const Lift &) const = default;
};

struct Tester {
    std::string name;
    std::string licence;
    std::string company;
    Unknowns unknown;
    bool operator==(const Tester &) const = default;
};

struct Witness {
    std::string name;
    std::string agency;
    Unknowns unknown;
    bool operator==(const Witness &) const = default;
};

struct Visit {
    std::string date; // "2026-03-27"
    std::string kind; // one of the kinds of test (words.h) or the person's own text
    std::string code; // the code and edition tested against, as typed
    Tester testedBy;
    Witness witnessedBy;
    std::string remarks;
    Unknowns unknown;
    bool operator==(const Visit &) const = default;
};

enum class Verdict { none, pass, fail, notApplicable };

// What an entry was calculated with: one calculator or one check.
struct Calculated {
    const Calculator *calculator = nullptr;
    const Check *check = nullptr;

    // The command line's name, "load" or "relief", and the title, "Load on plunger(s)".
    std::string_view command() const { return check ? check->command : calculator->command; }
    std::string_view title() const { return check ? check->title : calculator->title; }
    bool operator==(const Calculated &) const = default;
};

// The calculation the command line names so, calculator or check; nothing for an unknown name.
std::optional<Calculated> calculatedNamed(std::string_view command, bool check);

// One figure of an entry: its name in the command line's JSON ("share_pct") and its value.
struct Figure {
    std::string key;
    double value = 0;
    bool operator==(const Figure &) const = default;
};

struct Entry {
    std::string time; // local, with the UTC offset: "2026-03-27T09:31:05+01:00"
    Calculated calculated;
    UnitSystem units = UnitSystem::imperial; // the system the inputs were typed in
    std::vector<Figure> figures;             // in the order of the calculation's columns
    std::string context;
    Verdict verdict = Verdict::none;
    std::string note;
    Unknowns unknown;
    // Set on opening: the stored figures are not those a new calculation gives.
    bool differs = false;
    bool operator==(const Entry &) const = default;
};

struct Record {
    std::string id;       // a random UUID
    std::string created;  // local time with the UTC offset
    std::string modified; // the last save
    std::string program;  // "liftcalc 0.1.0", the program that saved it last
    Lift lift;
    Visit visit;
    std::vector<Entry> entries;
    Unknowns unknown;
    bool operator==(const Record &) const = default;
};

// The most entries a record holds, and the longest text in it, in characters.
inline constexpr std::size_t kMostEntries = 10000;
inline constexpr std::size_t kLongestText = 100000;

// A new record for a visit on DATE ("2026-03-27"), made at NOW.
Record newRecord(std::string id, std::string now, std::string date, std::string program);

// An entry of a calculation that was calculated and not refused: each column's text as the
// window shows it, in the regional format, taken as its value; an empty column is left out.
Entry entryOf(const Calculator &calculator, UnitSystem units, std::span<const std::string> texts,
              const NumberFormat &format, std::string time);
Entry entryOf(const Check &check, UnitSystem units, std::span<const std::string> texts,
              const NumberFormat &format, std::string time);

// Editing the entries; each returns false, changing nothing, for an entry that is not there or
// for no change at all. A moved entry takes the place TO and the others close up.
bool addEntry(Record &record, Entry entry);
bool deleteEntry(Record &record, std::size_t index);
bool moveEntry(Record &record, std::size_t from, std::size_t to);
bool setContext(Record &record, std::size_t index, std::string text);
bool setVerdict(Record &record, std::size_t index, Verdict verdict);
bool setNote(Record &record, std::size_t index, std::string text);

} // namespace liftcalc::record
