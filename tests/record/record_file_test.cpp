// SPDX-License-Identifier: MIT
// The record's file: written, read and written again to the same bytes; members the program
// does not know kept; every unreadable file refused with its reason.
#include "record/record_file.h"
#include "record/words.h"
#include "tests/record/sample_record.h"

#include <gtest/gtest.h>

#include <string>

namespace liftcalc::record {
namespace {

Record readBack(const std::string &json) {
    auto read = readRecord(json);
    if (const auto *error = std::get_if<ReadError>(&read))
        ADD_FAILURE() << error->message;
    return std::holds_alternative<Record>(read) ? std::get<Record>(read) : Record{};
}

std::string readError(std::string_view bytes) {
    auto read = readRecord(bytes);
    return std::holds_alternative<ReadError>(read) ? std::get<ReadError>(read).message : "(read)";
}

// The file's members in the fixed order, numbers as the command line writes them.
TEST(RecordFileTest, WritesTheMembersInOrder) {
    Record r = sampleRecord();
    r.entries.resize(1);
    EXPECT_EQ(
        recordJson(r),
        R"({"format":"liftcalc-record","version":1,"id":"6f1c2a4e-8a51-4c1b-9a0e-3d2f5b7c9e10",)"
        R"("created":"2026-03-27T09:14:00+01:00","modified":"2026-03-27T09:14:00+01:00",)"
        R"("program":"liftcalc 0.1.0","lift":{"device_id":"CA-12345","serial":"S/N 77-01",)"
        R"("location":"Tower B, car 2","address":"1 Main St,\nSpringfield","owner":"Ville",)"
        R"("maker":"Maker \"Hydro\"","rated_load":{"value":2500,"unit":"lb"},)"
        R"("rated_speed":{"value":0.5,"unit":"mps"},"diameter":{"value":4.5,"unit":"in"},)"
        R"("plungers":2},"visit":{"date":"2026-03-27","kind":"Annual","code":"ASME A17.1-2019",)"
        R"("tested_by":{"name":"Zoë Łukasiewicz","licence":"L-42","company":"Lifts Ltd"},)"
        R"("witnessed_by":{"name":"山田 太郎","agency":"State"},)"
        R"("remarks":"Remarks, with \"quotes\""},"entries":[{"n":1,)"
        R"("time":"2026-03-27T09:31:05+01:00","check":"relief","units":"imperial",)"
        R"("figures":{"full_load_pressure_psi":288.595,"full_load_pressure_bar":19.899,)"
        R"("relief_setting_psi":420,"relief_setting_bar":28.959,"share_pct":145.533},)"
        R"("context":"car at top landing, rated load","verdict":"pass","note":""}]})"
        "\n");
}

// Write, read, write: the same record and the same bytes, for a full record and an empty one.
TEST(RecordFileTest, RoundTripKeepsEveryByte) {
    for (const Record &r : {sampleRecord(), newRecord("id", "t", "d", "p")}) {
        const std::string first = recordJson(r);
        const Record again = readBack(first);
        EXPECT_EQ(again, r);
        EXPECT_EQ(recordJson(again), first);
    }
}

// Members the program does not know, at every level, are written back as they were, after the
// known ones; so are the known ones a newer version might have moved.
TEST(RecordFileTest, KeepsMembersItDoesNotKnow) {
    std::string json = recordJson(sampleRecord());
    const auto insertAfter = [&](std::string_view anchor, std::string_view member) {
        const auto at = json.find(anchor);
        ASSERT_NE(at, std::string::npos) << anchor;
        json.insert(at + anchor.size(), member);
    };
    insertAfter(R"({"format":"liftcalc-record",)", R"("signed":{"by":[1,2.5,null,true]},)");
    insertAfter(R"("lift":{)", R"("car":"B",)");
    insertAfter(R"("rated_load":{)", R"("source":"plate",)");
    insertAfter(R"("tested_by":{)", R"("phone":"555",)");
    insertAfter(R"("witnessed_by":{)", R"("badge":7,)");
    insertAfter(R"("visit":{)", R"("weather":"rain",)");
    insertAfter(R"("entries":[{)", R"("photo":{"file":"a.jpg"},)");
    const Record r = readBack(json);
    EXPECT_EQ(r.unknown, (Unknowns{{"signed", R"({"by":[1,2.5,null,true]})"}}));
    EXPECT_EQ(r.lift.unknown, (Unknowns{{"car", R"("B")"}}));
    EXPECT_EQ(r.lift.ratedLoad->unknown, (Unknowns{{"source", R"("plate")"}}));
    EXPECT_EQ(r.visit.testedBy.unknown, (Unknowns{{"phone", R"("555")"}}));
    EXPECT_EQ(r.visit.witnessedBy.unknown, (Unknowns{{"badge", "7"}}));
    EXPECT_EQ(r.visit.unknown, (Unknowns{{"weather", R"("rain")"}}));
    EXPECT_EQ(r.entries[0].unknown, (Unknowns{{"photo", R"({"file":"a.jpg"})"}}));
    const std::string written = recordJson(r);
    EXPECT_NE(written.find(R"("remarks":"Remarks, with \"quotes\"","weather":"rain"})"),
              std::string::npos);
    EXPECT_NE(written.find(R"("entries":[)"), std::string::npos);
    EXPECT_TRUE(written.ends_with(R"(],"signed":{"by":[1,2.5,null,true]}})"
                                  "\n"));
    EXPECT_EQ(recordJson(readBack(written)), written);
}

// Blanks, a byte order mark, -0 and numbers in any form a JSON writer may give are read;
// written back they take the command line's form.
TEST(RecordFileTest, ReadsAnyJsonSpelling) {
    const std::string json =
        "\xEF\xBB\xBF{ \"format\" : \"liftcalc-record\",\n \"version\" : 1.0,\n"
        " \"entries\" : [ { \"check\" : \"relief\", \"units\" : \"imperial\", \"figures\" : {"
        " \"full_load_pressure_psi\" : 2.88595E2, \"full_load_pressure_bar\" : 19.8990,"
        " \"relief_setting_psi\" : 420.0, \"relief_setting_bar\" : 28.959,"
        " \"share_pct\" : 145.533 }, \"verdict\" : null, \"n\" : -0 } ] }";
    const Record r = readBack(json);
    ASSERT_EQ(r.entries.size(), 1u);
    EXPECT_FALSE(r.entries[0].differs);
    EXPECT_NE(recordJson(r).find(R"({"full_load_pressure_psi":288.595,"full_load_pressure_bar")"
                                 R"(:19.899,"relief_setting_psi":420,)"),
              std::string::npos);
}

// Opening calculates every entry again: the figures a person changed by hand are marked, and
// a figure of 1e308 or an input left out is no calculation the program made.
TEST(RecordFileTest, MarksFiguresThatDifferFromANewCalculation) {
    const std::string json = recordJson(sampleRecord());
    const struct {
        const char *name;
        std::string_view from, to;
        bool differs;
    } cases[] = {
        {"as written", "", "", false},
        {"an answer changed", "\"share_pct\":145.533", "\"share_pct\":145.534", true},
        {"an equivalent changed", "\"relief_setting_bar\":28.959", "\"relief_setting_bar\":29",
         true},
        {"an input changed", "\"relief_setting_psi\":420", "\"relief_setting_psi\":421", true},
        {"a huge input", "\"relief_setting_psi\":420", "\"relief_setting_psi\":1e308", true},
        {"an input left out", "\"relief_setting_psi\":420,", "", true},
        {"a figure added", "\"share_pct\":145.533", "\"share_pct\":145.533,\"x\":1", true},
        {"a figure left out", ",\"share_pct\":145.533", "", true},
        {"other units", "\"check\":\"relief\",\"units\":\"imperial\"",
         "\"check\":\"relief\",\"units\":\"metric\"", true},
    };
    for (const auto &c : cases) {
        std::string changed = json;
        if (!c.from.empty())
            changed.replace(changed.find(c.from), c.from.size(), c.to);
        const Record r = readBack(changed);
        ASSERT_EQ(r.entries.size(), 2u) << c.name;
        EXPECT_EQ(r.entries[0].differs, c.differs) << c.name;
        EXPECT_FALSE(r.entries[1].differs) << c.name;
    }
}

// Each file is made only when its case runs.
struct Unreadable {
    const char *name;
    std::string (*bytes)();
    std::string message;
};

// A record with one member's text replaced.
std::string withMember(std::string_view from, std::string_view to) {
    std::string json = recordJson(sampleRecord());
    const auto at = json.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return json.replace(at, from.size(), to);
}

std::string entriesOf(std::size_t count) {
    std::string json = R"({"format":"liftcalc-record","version":1,"entries":[)";
    for (std::size_t i = 0; i < count; ++i)
        json += std::string(i ? "," : "") + "{}";
    return json + "]}";
}

class UnreadableFile : public ::testing::TestWithParam<Unreadable> {};

// Every file that is not a sound record is refused, with the reason in the person's words.
TEST_P(UnreadableFile, IsRefusedWithItsReason) {
    EXPECT_EQ(readError(GetParam().bytes()), GetParam().message);
}

const std::string kHead = R"({"format":"liftcalc-record","version":1,)";

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableFile,
    ::testing::Values(
        Unreadable{"Empty", [] { return std::string(""); },
                   "Line 1, column 1: the file ends too early; it is not whole."},
        Unreadable{"Truncated",
                   [] { return std::string(recordJson(sampleRecord()).substr(0, 100)); },
                   "Line 1, column 101: the file ends too early; it is not whole."},
        Unreadable{"NotJson", [] { return std::string("{\n\n  \"format\": liftcalc\n}"); },
                   "Line 3, column 13: this is not JSON; the file is not a test record."},
        Unreadable{"TrailingText", [] { return std::string(kHead + "\"entries\":[]} x"); },
                   "Line 1, column " + std::to_string(kHead.size() + 15) +
                       ": this is not JSON; the file is not a test record."},
        Unreadable{"InvalidUtf8", [] { return std::string(kHead + "\"id\":\"caf\xE9\"}"); },
                   "Line 1, column " + std::to_string(kHead.size() + 10) +
                       ": the text is not UTF-8."},
        Unreadable{"Surrogate", [] { return std::string(kHead + "\"id\":\"\xED\xA0\x80\"}"); },
                   "Line 1, column " + std::to_string(kHead.size() + 7) +
                       ": the text is not UTF-8."},
        Unreadable{"NotAnObject", [] { return std::string("[1,2]"); },
                   "This file is not a liftcalc test record."},
        Unreadable{"OtherFormat", [] { return std::string(R"({"format":"other","version":1})"); },
                   "This file is not a liftcalc test record."},
        Unreadable{"NoVersion", [] { return std::string(R"({"format":"liftcalc-record"})"); },
                   "version is missing."},
        Unreadable{
            "NewerVersion",
            [] { return std::string(R"({"format":"liftcalc-record","version":2,"lift":7})"); },
            "This record was made by a newer version of liftcalc (record version 2)."},
        Unreadable{"VersionAsText",
                   [] { return std::string(R"({"format":"liftcalc-record","version":"1"})"); },
                   "version is not a number."},
        Unreadable{"NumberAsText",
                   [] {
                       return std::string(
                           withMember("\"share_pct\":145.533", "\"share_pct\":\"145.533\""));
                   },
                   "entries[0].figures.share_pct is not a number."},
        Unreadable{
            "NumberTooLarge",
            [] { return std::string(withMember("\"share_pct\":145.533", "\"share_pct\":1e400")); },
            "entries[0].figures.share_pct is too large a number."},
        Unreadable{"TextAsNumber",
                   [] { return std::string(withMember("\"owner\":\"Ville\"", "\"owner\":5")); },
                   "lift.owner is not a text."},
        Unreadable{"WrongUnit",
                   [] { return std::string(withMember("\"unit\":\"lb\"", "\"unit\":\"kN\"")); },
                   "lift.rated_load.unit is not one of lb, kg."},
        Unreadable{"FigureWithoutValue",
                   [] { return std::string(withMember("{\"value\":2500,", "{")); },
                   "lift.rated_load.value is missing."},
        Unreadable{
            "WrongVerdict",
            [] { return std::string(withMember("\"verdict\":\"pass\"", "\"verdict\":\"ok\"")); },
            "entries[0].verdict is not one of pass, fail, n/a, null."},
        Unreadable{
            "WrongUnits",
            [] { return std::string(withMember("\"units\":\"imperial\"", "\"units\":\"si\"")); },
            "entries[0].units is not one of imperial, metric."},
        Unreadable{"EntriesNotAList", [] { return std::string(kHead + R"("entries":{}})"); },
                   "entries is not a list."},
        Unreadable{"EntryNotAnObject", [] { return std::string(kHead + R"("entries":[3]})"); },
                   "entries[0] is not a group of members."},
        Unreadable{
            "UnknownCheck",
            [] { return std::string(withMember("\"check\":\"relief\"", "\"check\":\"brakes\"")); },
            "entries[0].check names a calculation liftcalc does not know (\"brakes\")."},
        Unreadable{
            "NoCalculation",
            [] { return std::string(kHead + R"("entries":[{"units":"metric","figures":{}}]})"); },
            "entries[0] names no calculator or check."},
        Unreadable{"BothCalculations",
                   [] {
                       return std::string(kHead +
                                          R"("entries":[{"check":"relief","calculator":"load"}]})");
                   },
                   "entries[0] names both a calculator and a check."},
        Unreadable{"NoFigures",
                   [] {
                       return std::string(kHead +
                                          R"("entries":[{"check":"relief","units":"metric"}]})");
                   },
                   "entries[0].figures is missing."},
        Unreadable{
            "MemberTwice",
            [] { return std::string(withMember("\"serial\":", "\"serial\":\"a\",\"serial\":")); },
            "lift.serial is given twice."},
        Unreadable{"FigureTwice",
                   [] {
                       return withMember("\"share_pct\":145.533",
                                         "\"share_pct\":145.533,\"share_pct\":1");
                   },
                   "entries[0].figures.share_pct is given twice."},
        Unreadable{"TooManyEntries", [] { return entriesOf(kMostEntries + 1); },
                   "The record has more than 10,000 entries."},
        Unreadable{"TextTooLong",
                   [] {
                       return withMember("\"note\":\"\"",
                                         "\"note\":\"" + std::string(kLongestText + 1, 'x') + "\"");
                   },
                   "entries[0].note is longer than 100,000 characters."},
        Unreadable{"NestedTooDeep",
                   [] {
                       return kHead + "\"x\":" + std::string(100000, '[') +
                              std::string(100000, ']') + "}";
                   },
                   "x[0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0]"
                   "[0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0]"
                   "[0][0][0][0][0][0][0][0][0][0][0][0][0] is nested too deep."},
        Unreadable{"FileTooLarge", [] { return std::string(kLargestFile + 1, ' '); },
                   "The file is larger than 16 MiB, too large for a test record."}),
    [](const auto &info) { return std::string(info.param.name); });

// Exactly 10,000 entries and a text of exactly 100,000 characters (not bytes) are read.
TEST(RecordFileTest, ReadsUpToTheLimits) {
    Record r = sampleRecord();
    r.entries.resize(kMostEntries, r.entries[0]);
    std::string text;
    for (std::size_t i = 0; i < kLongestText; ++i)
        text += "é";
    r.entries[0].note = text;
    const std::string json = recordJson(r);
    EXPECT_EQ(readBack(json).entries.size(), kMostEntries);
}

} // namespace
} // namespace liftcalc::record
