// SPDX-License-Identifier: MIT
// The field checks window: set-up, the change rule, Calculate and its refusals, the unit switch,
// the keyboard, and input of any kind.
#include "tests/support/test_window.h"
#include "window/actions.h"
#include "window/checks_actions.h"
#include "window/checks_window.h"
#include "window/recording_host.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace liftcalc {
namespace {

constexpr CheckField imp(int row) {
    return {row, false};
}
constexpr CheckField met(int row) {
    return {row, true};
}

class ChecksWindowTest : public ::testing::Test {
protected:
    ChecksWindowTest() {
        window.changed.connect([this](const ChecksChange &change) { changes.push_back(change); });
    }
    std::string text(CheckField f) const { return window.field(f).Text; }
    void typeAll(const std::vector<std::string> &inputs) {
        for (int row = 0; row < static_cast<int>(inputs.size()); ++row)
            ASSERT_TRUE(window.typeInto(window.typedField(row), inputs[row]));
    }

    RecordingHost host;
    ChecksWindow window{host, NumberFormat::english(), UnitSystem::imperial};
    std::vector<ChecksChange> changes;
};

// Every check opens with its inputs open in the chosen column, everything else locked, its rows
// shown and no others, and the focus in its first input.
TEST_F(ChecksWindowTest, EveryCheckIsSetUpFromItsRow) {
    for (const UnitSystem units : {UnitSystem::imperial, UnitSystem::metric}) {
        window.click(units == UnitSystem::imperial ? ChecksControl::optImperial
                                                   : ChecksControl::optMetric);
        for (int index = 0; index < static_cast<int>(checks::kAll.size()); ++index) {
            window.chooseCheck(index);
            const Check &check = *checks::kAll[index];
            SCOPED_TRACE(std::string(check.title));
            EXPECT_EQ(window.focus(), ChecksFocus{window.typedField(0)});
            for (int row = 0; row < kMostCheckRows; ++row) {
                const bool shown = row < check.rowCount();
                const bool both = shown && check.row(row).units->bothSystems();
                const bool input = row < static_cast<int>(check.inputs.size());
                EXPECT_EQ(window.field(imp(row)).Visible, shown) << row;
                EXPECT_EQ(window.field(met(row)).Visible, both) << row;
                if (shown) {
                    EXPECT_EQ(window.field(window.typedField(row)).Locked, !input) << row;
                }
                if (both) {
                    EXPECT_TRUE(window.field({row, units == UnitSystem::imperial}).Locked) << row;
                }
                // A locked field is yellow and no tab stop, an open one white and a tab stop.
                for (const bool metric : {false, true}) {
                    const Field &f = window.field({row, metric});
                    EXPECT_EQ(f.TabStop, !f.Locked) << row;
                    EXPECT_EQ(f.BackColor, f.Locked ? colours::yellow : colours::white) << row;
                }
            }
        }
    }
}

// Calculate writes the inputs' equivalents and both forms of each answer; a new figure typed
// empties every answer and that row's equivalent, and nothing else.
TEST_F(ChecksWindowTest, CalculateThenTheChangeRule) {
    window.chooseCheck(2); // car weight from the gauge
    typeAll({"6", "1", "150", "2500"});
    window.pressEnter();
    EXPECT_TRUE(host.shown.empty());
    const std::vector<std::pair<CheckField, std::string>> written{
        {met(0), "152.400"},   {met(2), "10.343"},  {met(3), "1,133.975"}, {imp(4), "4,241.147"},
        {met(4), "1,923.742"}, {imp(5), "238.419"}, {met(5), "16.439"},    {imp(1), "1"}};
    for (const auto &[field, shown] : written)
        EXPECT_EQ(text(field), shown) << field.row << field.metric;

    window.typeInto(imp(2), "160");
    for (const CheckField emptied : {met(2), imp(4), met(4), imp(5), met(5)})
        EXPECT_EQ(text(emptied), "") << emptied.row << emptied.metric;
    EXPECT_EQ(text(met(0)), "152.400");
    EXPECT_EQ(text(met(3)), "1,133.975");

    // Typing the same text again changes nothing and empties nothing.
    window.pressEnter();
    changes.clear();
    window.typeInto(imp(2), "160");
    EXPECT_EQ(text(imp(4)), "4,523.890");
    EXPECT_TRUE(std::none_of(changes.begin(), changes.end(), [](const ChecksChange &c) {
        const auto *f = std::get_if<FieldChanged>(&c);
        return f && f->property == FieldChanged::Property::Text;
    }));
}

// A refusal comes as the check's message, puts the focus into the input it names with its text
// selected, and writes no answer.
TEST_F(ChecksWindowTest, RefusalNamesTheInputAndTakesTheFocusThere) {
    window.chooseCheck(3); // load in the car
    typeAll({"6", "1", "230", "150"});
    window.click(ChecksControl::cmdCalculate);
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0].title, "Load in the car");
    EXPECT_EQ(host.shown[0].prompt, "Loaded-car pressure must not be below the empty-car pressure");
    EXPECT_EQ(window.focus(), ChecksFocus{imp(3)});
    EXPECT_EQ(window.field(imp(3)).SelLength, 3);
    EXPECT_EQ(text(imp(4)), "");
    EXPECT_EQ(text(met(0)), "");

    window.click(ChecksControl::optMetric);
    window.typeInto(met(0), "1e400");
    window.pressEnter();
    EXPECT_EQ(host.shown.back().prompt, "Plunger diameter is too large to compute");
    EXPECT_EQ(window.focus(), ChecksFocus{met(0)});
}

// The other unit system keeps every text; the row without unit systems keeps its one field.
TEST_F(ChecksWindowTest, UnitSwitchKeepsTextsAndMovesTheOpenColumn) {
    window.chooseCheck(1); // oil lost to a drift
    typeAll({"6", "1", "2", "10"});
    window.pressArrow(true); // the focus is in a field: an arrow does nothing
    EXPECT_EQ(window.imperial(), true);
    window.click(ChecksControl::optImperial);
    window.pressArrow(true);
    EXPECT_FALSE(window.imperial());
    EXPECT_EQ(text(imp(0)), "6");
    EXPECT_TRUE(window.field(imp(0)).Locked);
    EXPECT_FALSE(window.field(met(0)).Locked);
    EXPECT_FALSE(window.field(imp(1)).Locked); // the number of plungers
    EXPECT_FALSE(window.field(imp(3)).Locked); // the time
    EXPECT_EQ(window.typedField(3), imp(3));
    EXPECT_EQ(window.focus(), ChecksFocus{met(0)});
}

// Tab goes round the chooser, the selected option button, the inputs down the chosen column and
// the three buttons; Shift+Tab goes back the same way.
TEST_F(ChecksWindowTest, TabOrderGoesDownTheChosenColumn) {
    using C = ChecksControl;
    const struct {
        int check;
        bool metric;
        std::vector<ChecksFocus> round; // from the first input
    } cases[] = {
        // Pump power: pressure, flow, and the efficiency's one field.
        {4,
         true,
         {met(1), imp(2), C::cmdCalculate, C::cmdAddToRecord, C::cmdClear, C::cmdClose, C::chooser,
          C::optMetric, met(0)}},
        // Oil lost to a drift: the count and the time have one field each.
        {1,
         false,
         {imp(1), imp(2), imp(3), C::cmdCalculate, C::cmdAddToRecord, C::cmdClear, C::cmdClose,
          C::chooser, C::optImperial, imp(0)}},
    };
    for (const auto &[check, metric, round] : cases) {
        window.click(metric ? C::optMetric : C::optImperial);
        window.chooseCheck(check);
        ASSERT_EQ(window.focus(), round.back()) << check;
        for (const ChecksFocus &next : round) {
            window.pressTab(false);
            EXPECT_EQ(window.focus(), next) << check;
        }
        for (auto it = round.rbegin() + 1; it != round.rend(); ++it) {
            window.pressTab(true);
            EXPECT_EQ(window.focus(), *it) << check;
        }
    }
}

// The chooser's arrows go round the checks, emptying every field; Clear empties and goes back to
// the first input; Esc closes, after which nothing happens.
TEST_F(ChecksWindowTest, ChooserClearAndClose) {
    typeAll({"4", "1", "25"});
    window.click(ChecksControl::chooser);
    window.pressArrow(false);
    EXPECT_EQ(window.checkIndex(), static_cast<int>(checks::kAll.size()) - 1);
    EXPECT_EQ(window.focus(), ChecksFocus{ChecksControl::chooser});
    EXPECT_EQ(text(imp(0)), "");
    window.pressArrow(true);
    EXPECT_EQ(window.checkIndex(), 0);

    typeAll({"4", "1", "25"});
    window.pressEnter();
    window.pressTab(false);
    window.pressTab(false);
    window.pressTab(false);
    EXPECT_EQ(window.focus(), ChecksFocus{ChecksControl::cmdClear});
    window.pressEnter();
    for (int slot = 0; slot < kChecksFieldCount; ++slot)
        EXPECT_EQ(window.field({slot / 2, slot % 2 == 1}).Text, "");
    EXPECT_EQ(window.focus(), ChecksFocus{imp(0)});

    window.pressEscape();
    EXPECT_FALSE(window.isOpen());
    EXPECT_FALSE(window.typeInto(imp(0), "5"));
    window.pressEnter();
    window.chooseCheck(3);
    EXPECT_EQ(window.checkIndex(), 0);
    EXPECT_TRUE(host.shown.empty());
}

// A person's edit leaves the caret where the edit left it and follows the change rule; a
// selection is kept within the text; a locked or closed field takes neither.
TEST_F(ChecksWindowTest, EditsAndSelectionsFromTheKeyboard) {
    typeAll({"4", "1", "25"});
    window.pressEnter();
    ASSERT_EQ(text(imp(3)), "16.320");
    EXPECT_TRUE(window.editField(imp(0), "45", 1));
    EXPECT_EQ(window.field(imp(0)).SelStart, 1);
    EXPECT_EQ(window.field(imp(0)).SelLength, 0);
    EXPECT_EQ(text(imp(3)), "");
    EXPECT_EQ(text(met(0)), "");
    EXPECT_TRUE(window.editField(imp(2), "\xc3\xa9", 99)); // one UTF-16 unit
    EXPECT_EQ(window.field(imp(2)).SelStart, 1);

    const std::vector<std::array<int, 4>> selections{
        // start, length asked; start, length kept ("45")
        {0, 2, 0, 2},
        {1, 5, 1, 1},
        {-3, 1, 0, 1},
        {7, 1, 2, 0},
        {1, -1, 1, 0}};
    for (const auto &[start, length, keptStart, keptLength] : selections) {
        window.selectInField(imp(0), start, length);
        EXPECT_EQ(window.field(imp(0)).SelStart, keptStart) << start << ',' << length;
        EXPECT_EQ(window.field(imp(0)).SelLength, keptLength) << start << ',' << length;
    }

    EXPECT_FALSE(window.editField(met(0), "5", 1));
    EXPECT_FALSE(window.editField(imp(3), "5", 1));
    EXPECT_FALSE(window.editField({kMostCheckRows, false}, "5", 1));
    window.close();
    EXPECT_FALSE(window.editField(imp(0), "5", 1));
    window.selectInField(imp(0), 0, 0);
    EXPECT_EQ(window.field(imp(0)).SelStart, 1);
}

// Any text of any length is taken as a text box would take it and refused as no number; a
// locked, hidden or non-existent field refuses typing and keeps the focus where it was.
TEST_F(ChecksWindowTest, HostileInput) {
    window.chooseCheck(6); // relief valve setting: two inputs, one answer
    EXPECT_FALSE(window.typeInto(met(0), "5"));
    EXPECT_FALSE(window.typeInto(imp(5), "5"));
    EXPECT_FALSE(window.typeInto({kMostCheckRows, false}, "5"));
    EXPECT_FALSE(window.typeInto({-1, true}, "5"));
    EXPECT_FALSE(window.clickField(imp(3)));
    EXPECT_EQ(window.focus(), ChecksFocus{imp(0)});
    window.typeInto(imp(0), std::string(1 << 20, '9'));
    window.typeInto(imp(1), "\xff\xfe 12");
    EXPECT_EQ(text(imp(1)), "\uFFFD\uFFFD 12");
    window.pressEnter();
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0].prompt, "Full-load pressure is too large to compute");
    window.chooseCheck(-1);
    window.chooseCheck(1000);
    EXPECT_EQ(window.checkIndex(), 6);
}

// The keys the checks window takes, as the README lists them, each with what it does; any
// other key is left to the widget that has the focus.
TEST(ChecksKeys, EachNamedKeyHasItsAction) {
    using K = PressKey;
    using P = PressChecksKey;
    const std::vector<std::pair<std::string, std::optional<ChecksAction>>> keys{
        {"Tab", P{K::Tab}},
        {"Shift+Tab", P{K::ShiftTab}},
        {"Enter", P{K::Enter}},
        {"Esc", P{K::Esc}},
        {"Up", P{K::Up}},
        {"Down", P{K::Down}},
        {"Left", P{K::Left}},
        {"Right", P{K::Right}},
        {"Alt+K", ClickChecksControl{ChecksControl::chooser}},
        {"Alt+I", ClickChecksControl{ChecksControl::optImperial}},
        {"Alt+M", ClickChecksControl{ChecksControl::optMetric}},
        {"Alt+C", ClickChecksControl{ChecksControl::cmdCalculate}},
        {"Alt+L", ClickChecksControl{ChecksControl::cmdClear}},
        {"Alt+O", ClickChecksControl{ChecksControl::cmdClose}},
        {"Alt+X", std::nullopt},
        {"Ctrl+K", std::nullopt},
        {"tab", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &[name, action] : keys) {
        const auto found = checksKeyAction(name);
        ASSERT_EQ(found.has_value(), action.has_value()) << name;
        if (!found)
            continue;
        if (const auto *press = std::get_if<PressChecksKey>(&*found))
            EXPECT_EQ(press->key, std::get<PressChecksKey>(*action).key) << name;
        else
            EXPECT_EQ(std::get<ClickChecksControl>(*found).control,
                      std::get<ClickChecksControl>(*action).control)
                << name;
    }
}

// The calculator window's Field Checks item (or Ctrl+K) opens the checks window in the unit
// system shown, or brings the open one forward as it is, reporting each; it changes nothing in
// the calculator window itself.
TEST(FieldChecksItem, OpensTheChecksWindowAndChangesNothingElse) {
    testing::TestWindow t;
    t.typeWorkedExample();
    perform(t.window, ChooseMenu{MenuItem::mnuMetric});
    const FieldTexts texts = t.window.texts();
    const auto focus = t.window.focus();
    t.changes.clear();
    EXPECT_EQ(t.window.fieldChecks(), nullptr);
    perform(t.window, ChooseMenu{MenuItem::mnuFieldChecks});
    ChecksWindow *checks = t.window.fieldChecks();
    ASSERT_NE(checks, nullptr);
    EXPECT_EQ(checks->units(), UnitSystem::metric);
    checks->typeInto(checks->typedField(0), "254");
    perform(t.window, *keyAction("Ctrl+K"));
    EXPECT_EQ(t.window.fieldChecks(), checks);
    EXPECT_EQ(checks->field(checks->typedField(0)).Text, "254");
    const Change shown = SecondaryShown{SecondaryWindow::fieldChecks};
    EXPECT_EQ(t.changes, (std::vector{shown, shown}));
    EXPECT_EQ(t.window.texts(), texts);
    EXPECT_EQ(t.window.focus(), focus);
    EXPECT_TRUE(t.host.shown.empty());
}

// One checks window for the run: once closed (its button, Esc or its title bar) the next
// opening brings it back as it was left, whatever the calculator's units are now, with the
// focus in its first input; the calculator window closing closes it.
TEST(FieldChecksItem, OpenedAgainAsLeftAndClosedWithTheCalculator) {
    const std::vector<std::function<void(ChecksWindow &)>> closings{
        [](ChecksWindow &c) { c.click(ChecksControl::cmdClose); },
        [](ChecksWindow &c) { c.pressEscape(); },
        [](ChecksWindow &c) { c.close(); },
    };
    for (std::size_t way = 0; way < closings.size(); ++way) {
        testing::TestWindow t;
        perform(t.window, ChooseMenu{MenuItem::mnuFieldChecks});
        const std::shared_ptr<ChecksWindow> first = t.window.sharedFieldChecks();
        ASSERT_TRUE(first) << way;
        first->chooseCheck(3);
        first->typeInto(imp(3), "16.5");
        first->click(ChecksControl::chooser);
        closings[way](*first);
        EXPECT_EQ(t.window.fieldChecks(), nullptr) << way;
        EXPECT_FALSE(t.window.sharedFieldChecks()) << way;
        EXPECT_FALSE(perform(*first, ChooseCheck{1})) << way;
        perform(t.window, ChooseMenu{MenuItem::mnuMetric});
        perform(t.window, ChooseMenu{MenuItem::mnuFieldChecks});
        ChecksWindow *second = t.window.fieldChecks();
        ASSERT_EQ(second, first.get()) << way;
        EXPECT_EQ(second->checkIndex(), 3) << way;
        EXPECT_EQ(second->units(), UnitSystem::imperial) << way;
        EXPECT_EQ(second->field(imp(3)).Text, "16.5") << way;
        EXPECT_EQ(second->focus(), ChecksFocus{imp(0)}) << way;

        int closed = 0;
        second->changed.connect([&closed](const ChecksChange &c) {
            closed += std::holds_alternative<ChecksClosed>(c);
        });
        perform(t.window, CloseWindow{});
        EXPECT_EQ(closed, 1) << way;
        EXPECT_FALSE(second->isOpen()) << way;
        EXPECT_EQ(t.window.fieldChecks(), nullptr) << way;
    }
}

// The checks window's refusals go to the host it was opened with, or to the one a front end
// gives it, and back again when the front end lets go; a front end going after a later one
// took the boxes leaves them with the later one.
TEST(FieldChecksItem, RefusalsGoToTheMessageHostInForce) {
    testing::TestWindow t;
    perform(t.window, ChooseMenu{MenuItem::mnuFieldChecks});
    ChecksWindow &checks = *t.window.fieldChecks();
    RecordingHost own;
    RecordingHost earlier;
    checks.setMessageHost(&own);
    checks.releaseMessageHost(&earlier);
    checks.pressEnter();
    EXPECT_EQ(own.shown.size(), 1u);
    EXPECT_TRUE(t.host.shown.empty());
    checks.releaseMessageHost(&own);
    checks.pressEnter();
    EXPECT_EQ(own.shown.size(), 1u);
    ASSERT_EQ(t.host.shown.size(), 1u);
    EXPECT_EQ(t.host.shown[0].title, checks.check().title);
}

// The chosen unit's button is checked with a red bold caption, the other black and plain, as
// in the calculator window; a front end only shows it.
TEST_F(ChecksWindowTest, TheChosenUnitsButtonIsRedAndBold) {
    for (const UnitSystem chosen : {UnitSystem::metric, UnitSystem::imperial}) {
        window.click(chosen == UnitSystem::imperial ? ChecksControl::optImperial
                                                    : ChecksControl::optMetric);
        for (const UnitSystem units : {UnitSystem::imperial, UnitSystem::metric}) {
            const OptionButton o = window.unitOption(units);
            const bool isChosen = units == chosen;
            EXPECT_EQ(o.Value, isChosen);
            EXPECT_EQ(o.ForeColor, isChosen ? colours::red : colours::black);
            EXPECT_EQ(o.FontBold, isChosen);
        }
    }
}

} // namespace
} // namespace liftcalc
