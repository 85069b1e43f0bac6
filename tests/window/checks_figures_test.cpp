// SPDX-License-Identifier: MIT
// Figures typed once: shared figures carried from check to check in their unit system, an
// answer filling only empty inputs, a carried figure treated as typed, the calculator window's
// figures taken on opening, and other sources filling empty inputs only.
#include "tests/support/test_window.h"
#include "window/checks_window.h"
#include "window/recording_host.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace liftcalc {
namespace {

using Texts = std::vector<std::string>;

class ChecksFigures : public ::testing::Test {
protected:
    int indexOf(std::string_view command) const {
        for (std::size_t i = 0; i < checks::kAll.size(); ++i)
            if (checks::kAll[i]->command == command)
                return static_cast<int>(i);
        ADD_FAILURE() << command;
        return 0;
    }
    void choose(std::string_view command) { window.chooseCheck(indexOf(command)); }
    void type(const Texts &inputs) {
        for (int row = 0; row < static_cast<int>(inputs.size()); ++row) {
            if (!inputs[row].empty()) {
                ASSERT_TRUE(window.typeInto(window.typedField(row), inputs[row]));
            }
        }
    }
    std::string text(int row, bool metric) const { return window.field({row, metric}).Text; }

    RecordingHost host;
    ChecksWindow window{host, NumberFormat::english(), UnitSystem::imperial};
};

// A periodic test worked through the checks: each check arrives with the figures it shares
// with those before it, the full-load pressure worked out by the car weight included.
TEST_F(ChecksFigures, APeriodicTestTypesEachFigureOnce) {
    struct Step {
        std::string_view check;
        Texts arrives;
        Texts typed; // "" leaves a field as it arrived
        bool calculate;
    };
    const Step steps[] = {
        {"oil", {"", "", ""}, {"6", "1", "40"}, true},
        {"drift", {"6", "1", "", ""}, {"", "", "2", "10"}, false},
        {"car-weight", {"6", "1", "", ""}, {"", "", "150", "2500"}, true},
        {"car-load", {"6", "1", "150", ""}, {"", "", "", "200"}, true},
        {"pump", {"238.419", "", ""}, {"", "120", "60"}, true},
        {"timed-run", {"", "", ""}, {}, false},
        {"relief", {"238.419", ""}, {"", "300"}, true},
        {"test-pressure", {"238.419", ""}, {"", "200"}, true},
        {"hold", {"", ""}, {}, false},
        {"car-weight", {"6", "1", "150", "2500"}, {}, false},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(std::string(step.check));
        choose(step.check);
        EXPECT_EQ(window.typedTexts(), step.arrives);
        for (int row = static_cast<int>(window.check().inputs.size());
             row < window.check().rowCount(); ++row)
            EXPECT_EQ(text(row, false), "") << row;
        type(step.typed);
        if (step.calculate) {
            window.click(ChecksControl::cmdCalculate);
            EXPECT_TRUE(host.shown.empty());
        }
    }
}

// A figure the person typed stays against an answer worked out later; one left empty takes it;
// an answer emptied again by the change rule gives nothing.
TEST_F(ChecksFigures, AnAnswerFillsOnlyEmptyFigures) {
    choose("relief");
    type({"300", "400"});
    choose("car-weight");
    type({"6", "1", "150", "2500"});
    window.click(ChecksControl::cmdCalculate);
    choose("relief");
    EXPECT_EQ(window.typedTexts(), (Texts{"300", ""}));

    window.typeInto(window.typedField(0), "");
    choose("car-weight");
    window.click(ChecksControl::cmdCalculate);
    window.typeInto(window.typedField(2), "160");
    choose("relief");
    EXPECT_EQ(window.typedTexts(), (Texts{"", ""}));

    choose("car-weight");
    window.click(ChecksControl::cmdCalculate);
    choose("relief");
    EXPECT_EQ(window.typedTexts(), (Texts{"248.419", ""}));
    EXPECT_EQ(text(0, true), "17.128");
    EXPECT_TRUE(host.shown.empty());
}

// A figure keeps its text in each unit system, the chosen one's open as if typed there; the
// change rule, the equivalents and the refusals treat it as typed.
TEST_F(ChecksFigures, ACarriedFigureIsAnOrdinaryOpenField) {
    choose("oil");
    type({"6", "2", "40"});
    window.click(ChecksControl::optMetric);
    choose("drift");
    EXPECT_EQ(window.typedTexts(), (Texts{"", "2", "", ""}));
    EXPECT_EQ(text(0, false), "6");
    window.click(ChecksControl::optImperial);
    EXPECT_EQ(window.typedTexts(), (Texts{"6", "2", "", ""}));

    type({"", "", "1", "10"});
    window.click(ChecksControl::cmdCalculate);
    window.click(ChecksControl::optMetric);
    choose("car-weight");
    EXPECT_EQ(window.typedTexts(), (Texts{"152.400", "2", "", ""}));
    EXPECT_EQ(text(0, false), "6");
    EXPECT_FALSE(window.field({0, true}).Locked);

    type({"", "", "10", "1000"});
    window.click(ChecksControl::cmdCalculate);
    EXPECT_EQ(text(0, false), "6.000");
    EXPECT_NE(text(4, true), "");
    window.typeInto({1, false}, "2.5");
    EXPECT_EQ(text(4, true), "");
    choose("oil");
    window.click(ChecksControl::cmdCalculate);
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0].prompt, "Number of plungers must be a whole number of at least 1");
    EXPECT_EQ(window.focus(), (ChecksFocus{CheckField{1, false}}));
}

// Other sources fill the shown check's empty inputs only, as typed; a figure the shown check
// does not take waits, in the chosen unit system, for the next check that does.
TEST_F(ChecksFigures, OtherSourcesFillEmptyInputsOnly) {
    choose("car-weight");
    type({"", "", "150"});
    EXPECT_TRUE(window.fillEmptyInput(3, "2500"));
    EXPECT_FALSE(window.fillEmptyInput(2, "99"));
    EXPECT_FALSE(window.fillEmptyInput(4, "99"));
    EXPECT_FALSE(window.fillEmptyInput(-1, "99"));
    EXPECT_FALSE(window.fillEmptyInput(0, ""));
    window.fillEmptyFigure(Figure::plungerDiameter, "6");
    window.fillEmptyFigure(Figure::emptyCarPressure, "99");
    window.fillEmptyFigure(Figure::ratedLoad, "99");
    EXPECT_EQ(window.typedTexts(), (Texts{"6", "", "150", "2500"}));

    window.fillEmptyFigure(Figure::fullLoadPressure, "250");
    window.fillEmptyFigure(Figure::fullLoadPressure, "260");
    choose("relief");
    EXPECT_EQ(window.typedTexts(), (Texts{"250", ""}));

    window.click(ChecksControl::optMetric);
    window.fillEmptyFigure(Figure::plungers, "2");
    window.fillEmptyFigure(Figure::plungerDiameter, "150");
    choose("oil");
    EXPECT_EQ(window.typedTexts(), (Texts{"150", "2", ""}));
    window.click(ChecksControl::optImperial);
    EXPECT_EQ(window.typedTexts(), (Texts{"", "2", ""}));
    window.close();
    window.fillEmptyFigure(Figure::plungerDiameter, "7");
    EXPECT_FALSE(window.fillEmptyInput(0, "7"));
    EXPECT_EQ(text(0, false), "");
}

// Opening the checks window takes the calculator's diameter (in the checks' unit system) and
// number of plungers where they are numbers, into empty fields only; the calculator window
// shows no change.
TEST(ChecksFromTheCalculator, OpeningTakesItsPlungerFigures) {
    struct Case {
        std::string_view diameterIn, diameterMm, plungers;
        bool metric;
        Texts arrives; // the oil check's inputs
    };
    const Case cases[] = {
        {"10", "", "2", false, {"10", "2", ""}},
        {"10", "254", "1", true, {"254", "1", ""}},
        {"", "254", "1", false, {"", "1", ""}},
        {"ten", "", "1.5", false, {"", "1.5", ""}},
        {"1,000.5", "", "x", false, {"1,000.5", "", ""}},
        {"1e400", "", "-2", false, {"", "-2", ""}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.diameterIn) + " " + std::string(c.plungers));
        testing::TestWindow t;
        if (c.metric)
            perform(t.window, ChooseMenu{MenuItem::mnuMetric});
        t.code.setText(fields::diameterIn, c.diameterIn);
        t.code.setText(fields::diameterMm, c.diameterMm);
        t.code.setText(fields::plungers, c.plungers);
        const FieldTexts before = t.window.texts();
        const std::vector<std::string> calculator(before.begin(), before.end());
        t.changes.clear();
        perform(t.window, ChooseMenu{MenuItem::mnuFieldChecks});
        ASSERT_NE(t.window.fieldChecks(), nullptr);
        EXPECT_EQ(t.window.fieldChecks()->typedTexts(), c.arrives);
        EXPECT_TRUE(t.textChanges().empty());
        const FieldTexts after = t.window.texts();
        EXPECT_EQ(std::vector<std::string>(after.begin(), after.end()), calculator);
    }
}

// Opened again, the checks window keeps what it holds and takes the calculator's figures only
// where it is empty; opening it while it is open takes nothing.
TEST(ChecksFromTheCalculator, OpenedAgainItFillsOnlyWhatIsEmpty) {
    testing::TestWindow t;
    t.type(fields::diameterIn, "10");
    perform(t.window, ChooseMenu{MenuItem::mnuFieldChecks});
    ChecksWindow &checks = *t.window.fieldChecks();
    checks.typeInto({0, false}, "12");
    perform(t.window, ChooseMenu{MenuItem::mnuFieldChecks});
    t.type(fields::plungers, "3");
    perform(t.window, ChooseMenu{MenuItem::mnuFieldChecks});
    EXPECT_EQ(checks.typedTexts(), (Texts{"12", "", ""}));
    checks.close();
    perform(t.window, ChooseMenu{MenuItem::mnuFieldChecks});
    EXPECT_EQ(checks.typedTexts(), (Texts{"12", "3", ""}));
}

// Rows of one figure anywhere have one set of units, so that a text carried means the same.
TEST(CheckFigureRows, OneFigureOneUnits) {
    std::map<Figure, const Units *> seen;
    const auto same = [](const Units *a, const Units *b) {
        return a->imperial == b->imperial && a->metric == b->metric && a->toMetric == b->toMetric &&
               a->toImperial == b->toImperial;
    };
    for (const Check *check : checks::kAll)
        for (int row = 0; row < check->rowCount(); ++row) {
            const CheckRow &r = check->row(row);
            if (r.figure == Figure::none)
                continue;
            const auto [first, added] = seen.emplace(r.figure, r.units);
            EXPECT_TRUE(same(first->second, r.units)) << check->title << " " << r.name;
        }
}

} // namespace
} // namespace liftcalc
