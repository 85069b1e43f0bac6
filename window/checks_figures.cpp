// SPDX-License-Identifier: MIT
// Figures typed once: the figures several checks share, carried from check to check and taken
// from other sources into empty inputs.
#include "window/checks_window.h"

#include "record/lift_fill.h"

namespace liftcalc {
namespace {

// The slot a figure's text is kept in for a unit system; a figure without unit systems has one.
int columnOf(const Units &units, UnitSystem system) {
    return units.bothSystems() && system == UnitSystem::metric ? 1 : 0;
}

const Units *unitsOf(Figure figure) {
    for (const Check *check : checks::kAll)
        for (int row = 0; row < check->rowCount(); ++row)
            if (check->row(row).figure == figure)
                return check->row(row).units;
    return nullptr;
}

} // namespace

// An input's texts are kept as they stand, empty ones too: the person's last word on the
// figure. An answer is kept only where no text is kept yet, so a figure the person typed for
// one check is not overwritten by another check's result.
void ChecksWindow::keepFigures() {
    for (int row = 0; row < check().rowCount(); ++row) {
        const CheckRow &r = check().row(row);
        if (r.figure == Figure::none)
            continue;
        std::array<std::string, 2> shown{field({row, false}).Text, field({row, true}).Text};
        std::array<std::string, 2> &kept = figures_[r.figure];
        const int column = columnOf(*r.units, units_);
        if (inputRow(row) || (kept[column].empty() && !shown[column].empty()))
            kept = std::move(shown);
    }
}

// Each column takes the text kept in its unit system. The two are a typed figure and either
// nothing or its equivalent, as the change rule and Calculate leave a row.
void ChecksWindow::takeFigures() {
    for (int row = 0; inputRow(row); ++row) {
        const auto kept = figures_.find(check().row(row).figure);
        if (kept == figures_.end())
            continue;
        for (const bool metric : {false, true})
            setText({row, metric}, kept->second[metric ? 1 : 0]);
    }
}

void ChecksWindow::fillEmptyFigure(Figure figure, std::string_view text) {
    if (!open_ || figure == Figure::none)
        return;
    bool taken = false;
    for (int row = 0; inputRow(row); ++row)
        if (check().row(row).figure == figure) {
            fillEmptyInput(row, text);
            taken = true;
        }
    const Units *units = unitsOf(figure);
    if (taken || !units)
        return;
    std::array<std::string, 2> &kept = figures_[figure];
    const int column = columnOf(*units, units_);
    // As if typed in the chosen column: the other one no longer follows.
    if (kept[column].empty()) {
        kept = {};
        kept[column] = typedText(text, 0).text;
    }
}

bool ChecksWindow::fillEmptyInput(int row, std::string_view text) {
    if (!open_ || row < 0 || !inputRow(row))
        return false;
    const CheckField typed = typedField(row);
    std::string filled = typedText(text, 0).text;
    if (!field(typed).Text.empty() || filled.empty())
        return false;
    setText(typed, std::move(filled));
    applyChangeRule(typed);
    return true;
}

void ChecksWindow::takeLiftFigures() {
    const record::Lift *lift = lift_ ? lift_() : nullptr;
    if (!open_ || !lift)
        return;
    for (const record::InputFill &fill :
         record::liftFill(*lift, check(), units_, typedTexts(), format_))
        fillEmptyInput(fill.input, fill.text);
}

std::vector<std::string> ChecksWindow::typedTexts() const {
    std::vector<std::string> typed;
    for (int row = 0; inputRow(row); ++row)
        typed.push_back(field(typedField(row)).Text);
    return typed;
}

} // namespace liftcalc
