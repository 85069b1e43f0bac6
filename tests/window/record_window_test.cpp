// SPDX-License-Identifier: MIT
// The test record window: the form and the record it edits, the entries the other windows add,
// editing them in place, the commands and their files, the copy kept between runs, the keys.
#include "record/record_file.h"
#include "tests/support/test_window.h"
#include "window/checks_actions.h"
#include "window/kept_record.h"
#include "window/record_actions.h"
#include "window/record_window.h"
#include "window/recording_host.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace liftcalc {
namespace {

using record::Verdict;
using record::words::Column;
using record::words::Command;
using record::words::Message;
using record::words::say;

const int kDeviceId = formFieldNamed("device_id");
const int kRatedLoad = formFieldNamed("rated_load");
const int kPlungers = formFieldNamed("plungers");
const int kDiameter = formFieldNamed("diameter");
const int kRemarks = formFieldNamed("remarks");

// The calculator window, with its record window opened through the menu.
class RecordWindowTest : public ::testing::Test {
protected:
    RecordWindowTest() { t.window.chooseMenu(MenuItem::mnuTestRecord); }

    RecordWindow &w() { return *t.window.testRecord(); }
    RecordingHost &host() { return t.host; }
    // Calculates the worked example and adds it, COUNT times.
    void addWorkedExample(int count = 1) {
        t.typeWorkedExample();
        t.window.click(ControlId::cmdCalculate);
        for (int i = 0; i < count; ++i)
            t.window.chooseMenu(MenuItem::mnuAddToTestRecord);
    }
    std::vector<std::string> prompts() const {
        std::vector<std::string> out;
        for (const MessageBox &box : t.host.shown)
            out.push_back(box.prompt);
        return out;
    }

    testing::TestWindow t;
};

// The two items come after Field Checks in the Calculators menu; the second opens the window
// once, reports it, and the window closes with the calculator window.
TEST_F(RecordWindowTest, OpensFromTheCalculatorsMenuAndClosesWithIt) {
    std::vector<std::string_view> items;
    for (const MenuDesign &menu : kMenus)
        if (menu.parent == MenuItem::mnuCalculators && !menu.calculator)
            items.push_back(menu.name);
    EXPECT_EQ(items, (std::vector<std::string_view>{"mnuFieldChecks", "mnuAddToTestRecord",
                                                    "mnuTestRecord"}));
    EXPECT_EQ(t.changes.back(), Change{SecondaryShown{SecondaryWindow::testRecord}});
    RecordWindow *first = &w();
    t.window.chooseMenu(MenuItem::mnuTestRecord);
    EXPECT_EQ(t.window.testRecord(), first);
    t.window.closeFromTitleBar();
    EXPECT_EQ(t.window.testRecord(), nullptr);
}

// Each form field edits its own member; a figure is taken once it reads as one, in the unit
// chosen beside it, and a field left holding no figure says so and shows the record's again.
TEST_F(RecordWindowTest, TheFormEditsTheRecord) {
    for (int i = 0; i < kFormFieldCount; ++i)
        if (kFormFields[static_cast<std::size_t>(i)].kind == FormFieldKind::text) {
            const std::string text = "«" + std::string(kFormFields[i].name) + "»";
            ASSERT_TRUE(w().typeInto(i, text));
            auto copy = w().record();
            EXPECT_EQ(kFormFields[i].text(copy), text) << kFormFields[i].name;
        }
    w().typeInto(kRatedLoad, "2,500");
    w().chooseUnit(0, UnitSystem::metric);
    ASSERT_TRUE(w().record().lift.ratedLoad);
    EXPECT_EQ(w().record().lift.ratedLoad->value, 2500);
    EXPECT_EQ(w().record().lift.ratedLoad->unit, "kg");
    EXPECT_TRUE(prompts().empty());

    struct Wrong {
        int field;
        const char *text;
        Message message;
    };
    for (const Wrong &wrong : {Wrong{kRatedLoad, "25OO", Message::notAFigure},
                               Wrong{kRatedLoad, "-3", Message::notAFigure},
                               Wrong{kPlungers, "1.5", Message::notAWholeNumber},
                               Wrong{kPlungers, "0", Message::notAWholeNumber}}) {
        t.host.shown.clear();
        w().typeInto(wrong.field, wrong.text);
        w().clickField(kDeviceId);
        EXPECT_EQ(prompts(),
                  std::vector<std::string>{say(wrong.message, {kFormFields[wrong.field].caption})})
            << wrong.text;
        EXPECT_EQ(w().field(wrong.field).Text, wrong.field == kRatedLoad ? "2500" : "");
    }
    w().typeInto(kRatedLoad, "");
    EXPECT_FALSE(w().record().lift.ratedLoad);
    // Any bytes of any length are kept as well-formed text the file can hold.
    w().typeInto(kRemarks, std::string("\xFF", 1) + std::string(record::kLongestText + 5, 'x'));
    const auto read = record::readRecord(record::recordJson(w().record()));
    EXPECT_TRUE(std::holds_alternative<record::Record>(read));
}

// Only a calculation calculated and not refused is added; otherwise the person is told why.
TEST_F(RecordWindowTest, TheCalculatorWindowAddsWhatItCalculated) {
    t.window.chooseMenu(MenuItem::mnuAddToTestRecord);
    t.typeWorkedExample();
    t.window.chooseMenu(MenuItem::mnuAddToTestRecord);
    const std::string title(calculators::kOpening->title);
    EXPECT_EQ(prompts(), std::vector<std::string>(2, say(Message::notCalculated, {title})));
    t.window.click(ControlId::cmdCalculate);
    t.window.chooseMenu(MenuItem::mnuAddToTestRecord);
    ASSERT_EQ(w().record().entries.size(), 1u);
    const record::Entry &entry = w().record().entries[0];
    EXPECT_EQ(entry.time, t.host.now);
    EXPECT_EQ(entry.calculated.calculator, calculators::kOpening);
    EXPECT_TRUE(record::readRecord(record::recordJson(w().record())).index() == 0);
    EXPECT_EQ(w().currentEntry(), 0u);
    EXPECT_NE(w().entryCell(0, Column::figures).find("254.648"), std::string::npos);
}

// The checks window's button adds the check it calculated, through the calculator window, which
// opens the record unseen when it is not open.
TEST_F(RecordWindowTest, TheChecksWindowAddsWhatItCalculated) {
    t.window.closeFromTitleBar();
    testing::TestWindow u;
    u.window.chooseMenu(MenuItem::mnuFieldChecks);
    ChecksWindow &checks = *u.window.fieldChecks();
    checks.chooseCheck(static_cast<int>(
        std::find(checks::kAll.begin(), checks::kAll.end(), &checks::reliefSetting) -
        checks::kAll.begin()));
    checks.click(ChecksControl::cmdAddToRecord);
    EXPECT_EQ(u.host.shown.size(), 1u);
    EXPECT_EQ(u.window.testRecord(), nullptr);
    checks.typeInto(checks.typedField(0), "300");
    checks.typeInto(checks.typedField(1), "420");
    checks.click(ChecksControl::cmdCalculate);
    checks.click(ChecksControl::cmdAddToRecord);
    ASSERT_NE(u.window.testRecord(), nullptr);
    ASSERT_EQ(u.window.testRecord()->record().entries.size(), 1u);
    EXPECT_EQ(u.window.testRecord()->record().entries[0].calculated.check, &checks::reliefSetting);
    EXPECT_EQ(u.host.shown.size(), 1u);
}

// The lift's figures fill a chosen check's empty inputs of the same quantity, in the check's unit
// system; a figure already there, typed or carried from another check, stays.
TEST_F(RecordWindowTest, TheLiftFillsAChosenChecksEmptyInputs) {
    w().typeInto(kDiameter, "4.5");
    w().typeInto(kPlungers, "2");
    w().typeInto(kRatedLoad, "2500");
    w().close();
    const auto indexOf = [](const Check &check) {
        return static_cast<int>(std::find(checks::kAll.begin(), checks::kAll.end(), &check) -
                                checks::kAll.begin());
    };
    t.window.chooseMenu(MenuItem::mnuFieldChecks);
    ChecksWindow &checks = *t.window.fieldChecks();
    const auto typed = [&](int row) { return checks.field(checks.typedField(row)).Text; };
    const struct {
        const Check *check;
        bool metric;
        std::string typeDiameter; // typed before the next check is chosen, when not empty
        std::vector<std::string> expected;
    } steps[] = {
        {&checks::carWeight, false, "5", {"4.5", "2", "", "2500"}},
        {&checks::loadInCar, false, "", {"5", "2", "", ""}},
        // The metric column holds nothing typed: the lift's figures, converted as equivalents.
        {&checks::carWeight, true, "", {"114.300", "2", "", "1,133.975"}},
    };
    for (const auto &step : steps) {
        checks.click(step.metric ? ChecksControl::optMetric : ChecksControl::optImperial);
        checks.chooseCheck(indexOf(*step.check));
        for (std::size_t row = 0; row < step.expected.size(); ++row)
            EXPECT_EQ(typed(static_cast<int>(row)), step.expected[row])
                << step.check->title << " row " << row;
        if (!step.typeDiameter.empty())
            checks.typeInto(checks.typedField(0), step.typeDiameter);
    }
    // The calculator window takes nothing from the lift.
    EXPECT_EQ(t.window.Text1(fields::diameterIn).Text, "");
}

// Entries are chosen, given a context, a note and a verdict, moved and deleted; the current one
// follows, and every change is kept.
TEST_F(RecordWindowTest, EntriesAreEditedInPlace) {
    addWorkedExample(3);
    ASSERT_EQ(w().record().entries.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        w().setContext(i, "entry " + std::to_string(i + 1));
    EXPECT_TRUE(w().setVerdict(1, Verdict::fail));
    EXPECT_FALSE(w().setVerdict(1, Verdict::fail));
    EXPECT_FALSE(w().setVerdict(3, Verdict::pass));
    EXPECT_TRUE(w().setNote(2, "a, \"quoted\"\nnote"));
    EXPECT_EQ(w().entryCell(1, Column::verdict), "Fail");

    const auto contexts = [&] {
        std::vector<std::string> out;
        for (const auto &e : w().record().entries)
            out.push_back(e.context);
        return out;
    };
    w().selectEntry(0);
    EXPECT_FALSE(w().enabled(RecordControl::cmdMoveUp));
    w().click(RecordControl::cmdMoveDown);
    w().click(RecordControl::cmdMoveDown);
    EXPECT_EQ(contexts(), (std::vector<std::string>{"entry 2", "entry 3", "entry 1"}));
    EXPECT_EQ(w().currentEntry(), 2u);
    // The button that can do no more hands the focus to the list.
    EXPECT_EQ(w().focus(), RecordFocus{RecordControl::entries});
    perform(w(), *recordKeyAction("Ctrl+Up"));
    EXPECT_EQ(contexts(), (std::vector<std::string>{"entry 2", "entry 1", "entry 3"}));
    perform(w(), *recordKeyAction("Delete"));
    EXPECT_EQ(contexts(), (std::vector<std::string>{"entry 2", "entry 3"}));
    EXPECT_EQ(w().currentEntry(), 1u);
    w().deleteEntry();
    w().deleteEntry();
    EXPECT_FALSE(w().currentEntry());
    EXPECT_FALSE(w().enabled(RecordControl::cmdDelete));

    const auto kept = readKept(*t.host.kept());
    ASSERT_TRUE(std::holds_alternative<KeptRecord>(kept));
    EXPECT_EQ(std::get<KeptRecord>(kept).record, w().record());
}

// Save asks for a file the first time and writes it whole; a failed save says so and leaves
// the file and the state as they were; Save As gives the record a new file.
TEST_F(RecordWindowTest, SavingWritesTheFile) {
    addWorkedExample();
    EXPECT_EQ(w().title(), "*Test record");
    w().command(Command::save); // cancelled
    EXPECT_TRUE(t.host.log.empty());
    t.host.picks = {"/visit"};
    w().command(Command::save);
    EXPECT_EQ(w().fileName(), "/visit.liftrec");
    EXPECT_EQ(w().state(), RecordState::saved);
    EXPECT_EQ(w().title(), "visit.liftrec - Test record");
    const std::string saved = t.host.files.at("/visit.liftrec");
    EXPECT_EQ(std::get<record::Record>(record::readRecord(saved)).entries, w().record().entries);

    t.host.unwritable.insert("/visit.liftrec");
    w().setNote(0, "after");
    w().command(Command::save);
    EXPECT_EQ(prompts().back(), say(Message::cannotSave, {"/visit.liftrec", "Permission denied"}));
    EXPECT_EQ(t.host.files.at("/visit.liftrec"), saved);
    EXPECT_EQ(w().state(), RecordState::changed);

    t.host.picks = {"/other.liftrec"};
    w().command(Command::saveAs);
    EXPECT_EQ(w().fileName(), "/other.liftrec");
    EXPECT_EQ(w().state(), RecordState::saved);
}

// A file that cannot be read is refused with the reader's reason, and nothing changes.
TEST_F(RecordWindowTest, UnreadableFilesAreRefused) {
    addWorkedExample();
    const record::Record before = w().record();
    t.host.files = {{"/a", "{\"format\":"},
                    {"/b", "not json"},
                    {"/c", "{\"format\":\"liftcalc-record\",\"version\":2}"},
                    {"/e", std::string(record::kLargestFile + 1, ' ')}};
    for (const char *name : {"/a", "/b", "/c", "/d", "/e"}) {
        t.host.shown.clear();
        t.host.answers = {SaveFirst::discard};
        t.host.picks = {name};
        w().command(Command::open);
        const auto file = t.host.files.find(name);
        const std::string expected =
            file == t.host.files.end()
                ? say(Message::cannotRead, {name, "No such file or directory"})
                : say(Message::cannotOpen,
                      {name,
                       std::get<record::ReadError>(record::readRecord(file->second)).message});
        EXPECT_EQ(prompts().back(), expected) << name;
        EXPECT_EQ(w().record(), before) << name;
    }
}

// A record that was never saved is offered for saving before New or Open ends it: Cancel keeps
// it, Don't save drops it, Save saves it first; a new record nobody touched is not asked about.
TEST_F(RecordWindowTest, NewAsksFirst) {
    w().command(Command::newRecord);
    EXPECT_TRUE(prompts().empty());
    addWorkedExample();
    t.host.answers = {SaveFirst::cancel};
    w().command(Command::newRecord);
    EXPECT_EQ(prompts(), std::vector<std::string>{say(Message::saveFirst)});
    EXPECT_EQ(w().record().entries.size(), 1u);

    t.host.answers = {SaveFirst::save};
    t.host.picks = {"/kept.liftrec"};
    w().command(Command::newRecord);
    EXPECT_TRUE(t.host.files.contains("/kept.liftrec"));
    EXPECT_TRUE(w().record().entries.empty());
    EXPECT_EQ(w().fileName(), "");

    addWorkedExample();
    t.host.answers = {SaveFirst::discard};
    t.host.picks = {"/kept.liftrec"};
    w().command(Command::open);
    EXPECT_EQ(w().fileName(), "/kept.liftrec");
    EXPECT_EQ(w().record().entries.size(), 1u);
    EXPECT_EQ(w().state(), RecordState::saved);
}

// The record kept after every change opens again in the next window, with its file.
TEST_F(RecordWindowTest, TheKeptRecordOpensAgain) {
    addWorkedExample(2);
    w().typeInto(kDeviceId, "E-1234");
    t.host.picks = {"/e.liftrec"};
    w().command(Command::save);
    w().setVerdict(1, Verdict::pass);
    const record::Record before = w().record();
    t.window.closeFromTitleBar();

    RecordWindow again(t.host, testing::kEnglish, UnitSystem::imperial);
    EXPECT_EQ(again.record(), before);
    EXPECT_EQ(again.fileName(), "/e.liftrec");
    EXPECT_EQ(again.state(), RecordState::changed);
    EXPECT_EQ(again.field(kDeviceId).Text, "E-1234");

    // A kept copy that cannot be read is told of, and a new record opens.
    t.host.kept_ = "liftcalc open record 1\n\nsaved\n{";
    t.host.shown.clear();
    RecordWindow fresh(t.host, testing::kEnglish, UnitSystem::imperial);
    EXPECT_TRUE(fresh.record().entries.empty());
    EXPECT_EQ(prompts().size(), 1u);
}

// The exports write the PDF and the CSV through the host, named after the record's file; a
// failure says so.
TEST_F(RecordWindowTest, ExportsAndPrint) {
    addWorkedExample();
    w().typeInto(kDeviceId, "E 12/34");
    t.host.picks = {"/r.pdf", "/r.csv"};
    w().command(Command::exportPdf);
    w().command(Command::exportCsv);
    w().command(Command::print);
    EXPECT_EQ(t.host.suggestions,
              (std::vector<std::string>{"E-12-34-2026-03-27.pdf", "E-12-34-2026-03-27.csv"}));
    EXPECT_EQ(t.host.log,
              (std::vector<std::string>{"pdf /r.pdf", "write /r.csv", "print 1 entries"}));
    EXPECT_EQ(t.host.files.at("/r.pdf"), record::recordJson(w().record()));
    t.host.unwritable.insert("/r.csv");
    t.host.picks = {"/r.csv"};
    w().command(Command::exportCsv);
    EXPECT_EQ(prompts().back(), say(Message::cannotExport, {"/r.csv", "Permission denied"}));
}

// Tab walks the form, each figure's unit after its field, then the list and the buttons that
// can act; arrows on a unit choose the other one.
TEST_F(RecordWindowTest, TabOrderAndKeys) {
    std::vector<RecordFocus> walked;
    for (int i = 0; i < kFormFieldCount + kMeasureCount; ++i) {
        walked.push_back(w().focus());
        w().pressTab(false);
    }
    EXPECT_EQ(walked[static_cast<std::size_t>(kRatedLoad) + 1], RecordFocus{UnitChooser{0}});
    EXPECT_EQ(w().focus(), RecordFocus{FormField{0}}); // no entries: no list, no buttons
    w().pressTab(true);
    EXPECT_EQ(w().focus(), RecordFocus{FormField{kRemarks}});
    addWorkedExample(2);
    w().pressTab(false);
    EXPECT_EQ(w().focus(), RecordFocus{RecordControl::entries});
    perform(w(), *recordKeyAction("Up"));
    EXPECT_EQ(w().currentEntry(), 0u);
    w().pressTab(false);
    EXPECT_EQ(w().focus(), RecordFocus{RecordControl::cmdDelete});
    w().pressTab(false);
    EXPECT_EQ(w().focus(), RecordFocus{RecordControl::cmdMoveDown}); // Move up cannot act
    // Enter presses the focused button; the list then has the focus, where Enter does nothing.
    for (int press = 0; press < 2; ++press) {
        perform(w(), *recordKeyAction("Enter"));
        EXPECT_EQ(w().currentEntry(), 1u);
        EXPECT_EQ(w().focus(), RecordFocus{RecordControl::entries});
        EXPECT_EQ(w().record().entries.size(), 2u);
    }

    w().clickField(kRatedLoad);
    w().pressTab(false);
    perform(w(), *recordKeyAction("Right"));
    EXPECT_EQ(w().unit(0), UnitSystem::metric);

    struct KeyCase {
        const char *key;
        RecordAction action;
    };
    for (const KeyCase &k : {KeyCase{"Ctrl+S", ChooseRecordCommand{Command::save}},
                             KeyCase{"Ctrl+Shift+S", ChooseRecordCommand{Command::saveAs}},
                             KeyCase{"Alt+L", ClickRecordControl{RecordControl::cmdDelete}},
                             KeyCase{"Alt+W", ClickRecordControl{RecordControl::cmdMoveDown}}}) {
        const auto action = recordKeyAction(k.key);
        ASSERT_TRUE(action) << k.key;
        EXPECT_EQ(action->index(), k.action.index()) << k.key;
    }
    EXPECT_FALSE(recordKeyAction("Ctrl+Q"));
    const std::shared_ptr<RecordWindow> shown = t.window.sharedTestRecord();
    perform(*shown, *recordKeyAction("Esc"));
    EXPECT_FALSE(shown->isOpen());
    EXPECT_FALSE(perform(*shown, TypeIntoRecord{0, "x"}));
}

// A change is told once; the same value again tells nothing.
TEST_F(RecordWindowTest, OnlyRealChangesAreTold) {
    std::vector<RecordChange> told;
    w().changed.connect([&](const RecordChange &c) { told.push_back(c); });
    w().typeInto(kDeviceId, "A");
    const std::size_t after = told.size();
    EXPECT_GT(after, 0u);
    w().typeInto(kDeviceId, "A");
    for (std::size_t i = after; i < told.size(); ++i)
        EXPECT_FALSE(std::holds_alternative<FieldChanged>(told[i]) &&
                     std::get<FieldChanged>(told[i]).property == FieldChanged::Property::Text);
    told.clear();
    w().chooseUnit(1, UnitSystem::imperial);
    EXPECT_TRUE(std::none_of(told.begin(), told.end(), [](const RecordChange &c) {
        return std::holds_alternative<UnitChanged>(c);
    }));
}

} // namespace
} // namespace liftcalc
