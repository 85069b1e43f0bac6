// SPDX-License-Identifier: MIT
// Editing a record's entries, its CSV, its figures as shown, and the lift's figures filling a
// check's empty inputs.
#include "record/entry_figures.h"
#include "record/lift_fill.h"
#include "record/record_csv.h"
#include "record/words.h"
#include "tests/record/sample_record.h"

#include <gtest/gtest.h>

namespace liftcalc::record {
namespace {

std::vector<std::string> notes(const Record &r) {
    std::vector<std::string> all;
    for (const Entry &e : r.entries)
        all.push_back(e.note);
    return all;
}

Record threeEntries() {
    Record r = sampleRecord();
    r.entries.resize(3, r.entries[0]);
    r.entries[0].note = "a", r.entries[1].note = "b", r.entries[2].note = "c";
    return r;
}

// Moving takes an entry to its new place and closes up behind it; an entry that is not there,
// or no move, changes nothing and says so.
TEST(RecordTest, MovesAndDeletesEntries) {
    const struct {
        std::size_t from, to;
        bool moved;
        std::vector<std::string> after;
    } moves[] = {
        {0, 2, true, {"b", "c", "a"}},  {2, 0, true, {"c", "a", "b"}},
        {1, 2, true, {"a", "c", "b"}},  {1, 1, false, {"a", "b", "c"}},
        {3, 0, false, {"a", "b", "c"}}, {0, 3, false, {"a", "b", "c"}},
    };
    for (const auto &m : moves) {
        Record r = threeEntries();
        EXPECT_EQ(moveEntry(r, m.from, m.to), m.moved) << m.from << " to " << m.to;
        EXPECT_EQ(notes(r), m.after) << m.from << " to " << m.to;
    }
    Record r = threeEntries();
    EXPECT_FALSE(deleteEntry(r, 3));
    EXPECT_TRUE(deleteEntry(r, 1));
    EXPECT_EQ(notes(r), (std::vector<std::string>{"a", "c"}));
}

// The person's three settings change an entry once; the same value again is no change.
TEST(RecordTest, SetsContextVerdictAndNote) {
    Record r = sampleRecord();
    EXPECT_TRUE(setVerdict(r, 1, Verdict::fail));
    EXPECT_FALSE(setVerdict(r, 1, Verdict::fail));
    EXPECT_TRUE(setContext(r, 1, "after 10 minutes"));
    EXPECT_FALSE(setContext(r, 1, "after 10 minutes"));
    EXPECT_TRUE(setNote(r, 0, "x"));
    EXPECT_FALSE(setNote(r, 2, "x"));
    EXPECT_EQ(r.entries[1].verdict, Verdict::fail);
    EXPECT_EQ(r.entries[1].context, "after 10 minutes");
    EXPECT_EQ(r.entries[0].note, "x");
}

// A record holds no more than its most entries.
TEST(RecordTest, AddsUpToTheMostEntries) {
    Record r = sampleRecord();
    r.entries.resize(kMostEntries - 1, r.entries[0]);
    EXPECT_TRUE(addEntry(r, r.entries[0]));
    EXPECT_FALSE(addEntry(r, r.entries[0]));
    EXPECT_EQ(r.entries.size(), kMostEntries);
}

// An entry's figures are the values of the texts the window shows, read in the regional format
// they were written in; a figure the calculation left empty is left out.
TEST(RecordTest, EntryTakesTheShownFiguresAsValues) {
    const NumberFormat german{",", ".", "-"};
    const auto figures =
        figuresOf(calculators::flowRate, UnitSystem::imperial,
                  {{"diameter", "4,5"}, {"plungers", "1"}, {"speed", "1.000"}}, german);
    const Entry entry =
        entryOf(calculators::flowRate, UnitSystem::imperial, figures.texts, german, "t");
    std::vector<std::string> keys;
    for (const Figure &f : entry.figures)
        keys.push_back(f.key);
    // One plunger: no total displacement.
    EXPECT_EQ(keys, (std::vector<std::string>{"diameter_in", "diameter_mm", "plungers", "speed_fpm",
                                              "speed_mps", "flow_gpm", "flow_lps",
                                              "displacement_gpf", "displacement_lpm"}));
    EXPECT_EQ(entry.figures[0].value, 4.5);
    EXPECT_EQ(entry.figures[3].value, 1000);
}

// The figures as shown: inputs as typed, what the program worked out with three decimals, in
// the regional format, each with its caption and unit.
TEST(RecordTest, ShowsFiguresWithCaptions) {
    const Entry entry = sampleRecord().entries[0];
    const auto shown = shownFigures(entry, NumberFormat{",", ".", "-"});
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[0].caption, "Full-load pressure");
    EXPECT_EQ(shown[0].unit, "PSI");
    EXPECT_EQ(shown[0].text, "288,595");
    EXPECT_TRUE(shown[0].input);
    EXPECT_EQ(shown[3].unit, "BAR");
    EXPECT_EQ(shown[3].text, "28,959");
    EXPECT_FALSE(shown[3].input);
    EXPECT_EQ(shown[4].text, "145,533");
}

// CSV fields with a comma, a quote or a line break are quoted, quotes doubled; text beyond
// Latin passes as UTF-8.
TEST(RecordTest, CsvQuotesWhatItMust) {
    const struct {
        const char *text;
        const char *field;
    } cases[] = {
        {"plain", "plain"},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\r", "\"cr\r\""},
        {"Замечание 山田", "Замечание 山田"},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(csvField(c.text), c.field) << c.text;
}

// One row a figure, the record's, the lift's and the entry's columns repeated on each; CR LF.
TEST(RecordTest, CsvHasARowForEachFigure) {
    Record r = sampleRecord();
    r.entries[1].note = "line one\nsays \"ok\", then";
    const std::string csv = recordCsv(r);
    const std::string head = "record_id,device_id,visit_date,entry,time,calculation,units,figure,"
                             "value,verdict,context,note\r\n";
    ASSERT_TRUE(csv.starts_with(head));
    EXPECT_NE(csv.find("\r\n6f1c2a4e-8a51-4c1b-9a0e-3d2f5b7c9e10,CA-12345,2026-03-27,1,"
                       "2026-03-27T09:31:05+01:00,relief,imperial,share_pct,145.533,pass,"
                       "\"car at top landing, rated load\",\r\n"),
              std::string::npos);
    EXPECT_NE(csv.find(",2,2026-03-27T10:02:11+01:00,displacement,metric,diameter_mm,114.3,n/a,,"
                       "\"line one\nsays \"\"ok\"\", then\"\r\n"),
              std::string::npos);
    std::size_t rows = 0;
    for (const Entry &e : r.entries)
        rows += e.figures.size();
    std::size_t lineEnds = 0;
    for (std::size_t at = 0; (at = csv.find("\r\n", at)) != std::string::npos; at += 2)
        ++lineEnds;
    EXPECT_EQ(lineEnds, rows + 1);
}

// The lift's figures fill a check's empty inputs of the same quantity: as typed in the same
// unit system, converted and written as an equivalent in the other.
TEST(RecordTest, LiftFillsTheEmptyInputsOfACheck) {
    Lift lift;
    lift.ratedLoad = Measure{2500, "lb", {}};
    lift.ratedSpeed = Measure{0.5, "mps", {}};
    lift.diameter = Measure{4.5, "in", {}};
    lift.plungers = 2;
    const NumberFormat english = NumberFormat::english();
    const std::vector<std::string> empty(4);
    const struct {
        const Check *check;
        UnitSystem units;
        std::vector<std::string> typed;
        std::vector<InputFill> fills;
    } cases[] = {
        {&checks::carWeight, UnitSystem::imperial, empty, {{0, "4.5"}, {1, "2"}, {3, "2500"}}},
        {&checks::carWeight,
         UnitSystem::metric,
         empty,
         {{0, "114.300"}, {1, "2"}, {3, "1,133.975"}}},
        {&checks::carWeight, UnitSystem::imperial, {"5", "", "", "3000"}, {{1, "2"}}},
        {&checks::timedRun, UnitSystem::imperial, empty, {{2, "98.425"}}},
        {&checks::timedRun, UnitSystem::metric, empty, {{2, "0.5"}}},
        {&checks::reliefSetting, UnitSystem::imperial, empty, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(liftFill(lift, *c.check, c.units, c.typed, english), c.fills) << c.check->command;
    EXPECT_TRUE(liftFill(Lift{}, checks::carWeight, UnitSystem::imperial, empty, english).empty());
}

// Every message the record gives has its words in the table, with what it says of put in.
TEST(RecordTest, MessagesComeFromTheTable) {
    using words::Message;
    EXPECT_EQ(words::say(Message::newerVersion, {"7"}),
              "This record was made by a newer version of liftcalc (record version 7).");
    EXPECT_EQ(words::say(Message::notOneOf, {"a.b", "x, y"}), "a.b is not one of x, y.");
    EXPECT_EQ(words::captionOf("witnessed_by"), "Witnessed by");
    EXPECT_EQ(words::captionOf("diameter"), "Plunger diameter");
    EXPECT_EQ(words::verdictWord(Verdict::notApplicable).word, "Not applicable");
}

} // namespace
} // namespace liftcalc::record
