// SPDX-License-Identifier: MIT
// The copy of the open record kept between runs: read back as it was kept, whatever the file's
// name, and refused when it is not one the window wrote.
#include "window/kept_record.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace liftcalc {
namespace {

record::Record sample() {
    record::Record r = record::newRecord("6f1c0000-0000-4000-8000-000000000001",
                                         "2026-03-27T09:14:00+01:00", "2026-03-27", "liftcalc");
    r.lift.deviceId = "E-1234";
    r.visit.remarks = "two\nlines, «quoted»";
    return r;
}

// Any file name (blanks, line breaks, percent signs, non-Latin letters, none) and every state
// come back as kept.
TEST(KeptRecord, ReadsBackAsKept) {
    for (const std::string &name :
         std::vector<std::string>{"", "/home/me/visit.liftrec", "/a b/c\nd%41.liftrec",
                                  "/Prüfung/Aufzug 3.liftrec", std::string("/x\0y", 4)})
        for (const RecordState state :
             {RecordState::fresh, RecordState::changed, RecordState::saved}) {
            const auto read = readKept(keptBytes(sample(), name, state));
            ASSERT_TRUE(std::holds_alternative<KeptRecord>(read)) << name;
            const KeptRecord &kept = std::get<KeptRecord>(read);
            EXPECT_EQ(kept.file, name);
            EXPECT_EQ(kept.state, state);
            EXPECT_EQ(kept.record, sample());
        }
}

// A copy cut short, with another head, an unknown state, a broken escape or a record that
// cannot be read is refused.
TEST(KeptRecord, RefusesWhatItDidNotWrite) {
    const std::string whole = keptBytes(sample(), "/v.liftrec", RecordState::saved);
    for (const std::string &bytes : std::vector<std::string>{
             std::string(), whole.substr(0, 30), "liftcalc open record 2" + whole.substr(22),
             "liftcalc open record 1\n/v.liftrec\nmaybe\n{}",
             "liftcalc open record 1\n/v%4.liftrec\nsaved\n" + record::recordJson(sample()),
             "liftcalc open record 1\n/v%zz\nsaved\n" + record::recordJson(sample()),
             whole.substr(0, whole.size() - 2)})
        EXPECT_TRUE(std::holds_alternative<record::ReadError>(readKept(bytes))) << bytes;
}

} // namespace
} // namespace liftcalc
