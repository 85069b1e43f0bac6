// SPDX-License-Identifier: MIT
// What the window does with a calculator's row: choose it, arrange the fields for it, and carry
// out its calculation.
#include "window/window.h"

#include <algorithm>
#include <variant>

namespace liftcalc {
namespace {

template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

bool contains(std::span<const int> list, int field) {
    return std::find(list.begin(), list.end(), field) != list.end();
}

} // namespace

void Window::chooseCalculator(const Calculator &calculator) {
    ClearAllChecks();
    setChecked(menuItemOf(calculator), true);
    ClearSelectedAnswers();
    setUp(calculator);
}

// Answers are locked yellow first, equivalents locked first and coloured last: the two orders
// are the window's own. The focus goes into the first input; during start-up, before the window
// is shown, it cannot move yet.
void Window::setUp(const Calculator &calculator) {
    ClearLocks();
    for (int i = 0; i < kFieldCount; ++i)
        if (i != fields::plungers)
            setVisible(i, contains(calculator.shownFields, i));
    setCaption(kHeadingLabel, calculator.heading);

    for (int i : calculator.answers)
        setBackColor(i, colours::yellow);
    for (int i : calculator.answers)
        setTabStop(i, false);
    for (int i : calculator.answers)
        setLocked(i, true);

    const UnitSystem units = ImperialMode ? UnitSystem::imperial : UnitSystem::metric;
    const UnitColumn &column = calculator.column(units);
    for (int i : column.equivalents)
        setLocked(i, true);
    for (int i : column.equivalents)
        setTabStop(i, false);
    for (int i : column.equivalents)
        setBackColor(i, colours::yellow);

    SetFocus(calculator.inputField(0, units));
}

// The calculation works on a copy of the texts; its writes are made here in its order, each one
// through the change rule. A refusal shows the message with the calculator's title, then the
// focus goes to the first input, in the row's order, whose lenient value is 0 or less. Nothing
// written before it is undone.
void Window::calculate(const Calculator &calculator, UnitSystem units) {
    const CalculationResult result = calculator.calculate(units, texts(), format_);

    for (const Effect &effect : result.effects)
        std::visit(
            Overloaded{
                [this](const FieldWrite &w) { setText(w.field, w.text); },
                [this](const DisplacementTip &t) { setToolTipText(kDisplacementLabel, t.text); },
                [this](const MessageBox &box) { showMessage(box); },
            },
            effect);
    if (!result.refusal)
        return;

    showMessage({std::string(calculator.failureTitle), std::string(kInvalidNumberPrompt), 0});
    for (std::size_t i = 0; i < calculator.inputs.size(); ++i) {
        const int field = calculator.inputField(i, units);
        if (!(lenientValue(Text1(field).Text, format_) > 0)) {
            SetFocus(field);
            return;
        }
    }
}

} // namespace liftcalc
