// SPDX-License-Identifier: MIT
// Every calculator's row against what is derived from it: its item in the Calculators menu, its
// shortcut, the fields it shows and how the window arranges them, and the quantities its inputs
// name. A row that is wrong, or a list that forgets a calculator, fails here.
#include "tests/support/test_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace liftcalc::testing {
namespace {

bool contains(std::span<const int> fields, int field) {
    return std::find(fields.begin(), fields.end(), field) != fields.end();
}

std::vector<int> inputFields(const Calculator &c, UnitSystem units) {
    std::vector<int> fields;
    for (std::size_t i = 0; i < c.inputs.size(); ++i)
        fields.push_back(c.inputField(i, units));
    return fields;
}

const UnitSystem kBothSystems[] = {UnitSystem::imperial, UnitSystem::metric};

class CalculatorRow : public ::testing::TestWithParam<const Calculator *> {
protected:
    const Calculator &row = *GetParam();
};

// Each of the three orders the window goes through the calculators in holds every one once.
TEST(CalculatorTable, EveryOrderHoldsEveryCalculatorOnce) {
    const std::set<const Calculator *> all(calculators::kAll.begin(), calculators::kAll.end());
    EXPECT_EQ(all.size(), calculators::kCount);
    for (const auto &order : {calculators::kArrangingOrder, calculators::kMenuOrder})
        EXPECT_EQ(std::set<const Calculator *>(order.begin(), order.end()), all);
}

// The Calculators menu holds the calculators' items, in menu order, and every published
// name, shortcut and access key of the menu bar is its own.
TEST(CalculatorTable, MenusHoldTheCalculatorsItems) {
    std::vector<const Calculator *> listed;
    std::set<std::string_view> names, shortcuts;
    std::set<std::pair<int, char>> accessKeys; // within one menu
    for (const MenuDesign &menu : kMenus) {
        EXPECT_EQ(&menuDesign(menu.item), &menu);
        EXPECT_TRUE(names.insert(menu.name).second) << menu.name;
        if (!menu.shortcut.empty()) {
            EXPECT_TRUE(shortcuts.insert(menu.shortcut).second) << menu.shortcut;
        }
        const int parent = menu.parent ? static_cast<int>(*menu.parent) : -1;
        EXPECT_TRUE(accessKeys.insert({parent, accessKey(menu.caption)}).second) << menu.name;
        if (menu.calculator) {
            EXPECT_EQ(menu.parent, MenuItem::mnuCalculators);
            listed.push_back(menu.calculator);
        }
    }
    EXPECT_EQ(listed, std::vector<const Calculator *>(calculators::kMenuOrder.begin(),
                                                      calculators::kMenuOrder.end()));
}

// The row's menu item is in the Calculators menu with the row's name, caption and shortcut,
// and its shortcut chooses it.
TEST_P(CalculatorRow, HasItsMenuItem) {
    const MenuDesign &menu = menuDesign(menuItemOf(row));
    EXPECT_EQ(menu.calculator, &row);
    EXPECT_EQ(menu.parent, MenuItem::mnuCalculators);
    EXPECT_EQ(menu.name, row.menu.name);
    EXPECT_EQ(menu.caption, row.menu.caption);
    EXPECT_EQ(menu.shortcut, row.menu.shortcut);
    EXPECT_TRUE(menu.choosable() && menu.checkable);
    EXPECT_EQ(menu.checkedAtDesign, &row == calculators::kOpening);
    EXPECT_NE(accessKey(row.menu.caption), 0);
    const auto action = keyAction(row.menu.shortcut);
    ASSERT_TRUE(action.has_value());
    EXPECT_EQ(std::get<ChooseMenu>(*action).item, menuItemOf(row));
}

// The row's own names are its own: no other calculator shares them.
TEST_P(CalculatorRow, NamesAreItsOwn) {
    EXPECT_FALSE(row.command.empty());
    EXPECT_FALSE(row.title.empty());
    EXPECT_FALSE(row.heading.empty());
    EXPECT_FALSE(row.failureTitle.empty());
    for (const Calculator *other : calculators::kAll)
        if (other != &row) {
            EXPECT_NE(other->command, row.command);
            EXPECT_NE(other->heading, row.heading);
        }
}

// The fields of the row make one consistent arrangement: every input is shown or is the count
// that is always shown, the answers are shown and are no inputs, and each unit system locks
// the other column's fields of its inputs.
TEST_P(CalculatorRow, FieldsAgree) {
    ASSERT_FALSE(row.inputs.empty());
    for (int field : row.shownFields) {
        ASSERT_TRUE(field >= 0 && field < kFieldCount) << field;
        EXPECT_TRUE(contains(row.shownFields, kFields[field].counterpart.value_or(field)))
            << "a row shows both columns: " << field;
    }
    for (int answer : row.answers)
        EXPECT_TRUE(contains(row.shownFields, answer)) << answer;
    for (UnitSystem units : kBothSystems) {
        const UnitSystem other =
            units == UnitSystem::imperial ? UnitSystem::metric : UnitSystem::imperial;
        std::set<int> expected;
        for (const Input &input : row.inputs) {
            const int field = input.quantity->field(units);
            EXPECT_FALSE(contains(row.answers, field)) << field;
            EXPECT_TRUE(input.quantity->isCount() || contains(row.shownFields, field)) << field;
            if (!input.quantity->isCount())
                expected.insert(input.quantity->field(other));
        }
        const auto &equivalents = row.column(units).equivalents;
        EXPECT_EQ(std::set<int>(equivalents.begin(), equivalents.end()), expected);
        EXPECT_EQ(equivalents.size(), expected.size());
    }
}

// Choosing the row's menu item in either unit system checks it alone, shows its heading and
// exactly its fields, opens its inputs, locks its answers and equivalents and puts the focus
// into its first input.
TEST_P(CalculatorRow, ChoosingItArrangesTheWindow) {
    for (UnitSystem units : kBothSystems) {
        TestWindow t;
        if (units == UnitSystem::metric)
            t.window.chooseMenu(MenuItem::mnuMetric);
        t.window.chooseMenu(menuItemOf(row));
        for (const Calculator *other : calculators::kAll)
            EXPECT_EQ(t.window.checked(menuItemOf(*other)), other == &row);
        EXPECT_EQ(t.window.Label1(kHeadingLabel).Caption, row.heading);

        const std::vector<int> inputs = inputFields(row, units);
        const auto &equivalents = row.column(units).equivalents;
        for (int i = 0; i < kFieldCount; ++i) {
            const Field &f = t.window.Text1(i);
            const bool locked = contains(row.answers, i) || contains(equivalents, i);
            const bool input = contains(inputs, i);
            EXPECT_EQ(f.Visible, locked || input || quantityOf(i).isCount())
                << "Text1(" << i << ")";
            EXPECT_EQ(f.Locked, locked) << "Text1(" << i << ")";
            EXPECT_EQ(f.BackColor, locked ? colours::yellow : colours::white);
        }
        EXPECT_EQ(t.window.focus(), fieldControl(inputs.front()));
    }
}

// Every field holds one quantity, the counterparts of the layout pair the fields of each
// quantity, and every row caption and unit label shows the quantity and unit of its field.
TEST(QuantityTable, EveryFieldHoldsOneQuantity) {
    for (int i = 0; i < kFieldCount; ++i) {
        const Quantity &q = quantityOf(i);
        EXPECT_TRUE(q.imperialField == i || q.metricField == i) << i;
        const std::optional<int> other =
            q.isCount()
                ? std::nullopt
                : std::optional<int>(q.imperialField == i ? *q.metricField : q.imperialField);
        EXPECT_EQ(kFields[i].counterpart, other) << i;
        EXPECT_EQ(unitOf(i).empty(), q.isCount());
    }
    std::set<std::string_view> options;
    for (const Quantity &q : kQuantities)
        EXPECT_TRUE(options.insert(q.option).second) << q.option;
    TestWindow t;
    for (int i = 0; i < kLabelCount; ++i) {
        const LabelDesign &label = kLabels[i];
        if (label.shows == LabelDesign::Shows::quantity) {
            EXPECT_EQ(t.window.Label1(i).Caption, std::string(quantityOf(label.field).name) + ":");
        } else if (label.shows == LabelDesign::Shows::unit) {
            EXPECT_EQ(t.window.Label1(i).Caption, unitOf(label.field));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Calculators, CalculatorRow, ::testing::ValuesIn(calculators::kAll),
                         [](const auto &info) { return std::string(info.param->command); });

} // namespace
} // namespace liftcalc::testing
