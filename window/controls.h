// SPDX-License-Identifier: MIT
// The controls of the calculator window and their design values, as tables.
//
// Positions and sizes are twips (1440 to the inch, 15 to a pixel at 96 dots per inch), measured
// from the client area of the container: the window, or Frame1 for the two option buttons.
#pragma once

#include "calculators/calculation.h"
#include "calculators/quantities.h"

#include "window/colours.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace liftcalc {

constexpr int kFieldCount = fields::count;
constexpr int kLabelCount = 21;
constexpr int kImperialColumnLeft = 3540;
constexpr int kMetricColumnLeft = 6540;

// Every control that can hold the keyboard focus. The thirteen fields come first, so that the
// value of a field's id is its index.
enum class ControlId : int {
    cmdCalculate = kFieldCount,
    cmdClear,
    cmdExit,
    optImperial,
    optMetric,
};

constexpr ControlId fieldControl(int index) {
    return static_cast<ControlId>(index);
}
constexpr bool isField(ControlId id) {
    return static_cast<int>(id) < kFieldCount;
}
constexpr int fieldIndex(ControlId id) {
    return static_cast<int>(id);
}

struct Rect {
    int left, top, width, height;
};

// Where a field stands and how Tab reaches it; what it holds (its quantity and unit) is in the
// table of quantities.
struct FieldDesign {
    Rect place;
    int tabIndex;
    std::optional<int> counterpart; // the same quantity in the other unit system
};

// Width 1815 and height 495 for all; the left column is imperial, the right one metric.
constexpr std::array<FieldDesign, kFieldCount> kFields{{
    {{3540, 1200, 1815, 495}, 0, 6},
    {{3540, 1935, 1815, 495}, 2, std::nullopt},
    {{3540, 2670, 1815, 495}, 3, 7},
    {{3540, 3390, 1815, 495}, 5, 8},
    {{3540, 4905, 1815, 495}, 9, 9},
    {{3540, 5640, 1815, 495}, 11, 10},
    {{6540, 1200, 1815, 495}, 1, 0},
    {{6540, 2670, 1815, 495}, 4, 2},
    {{6540, 3390, 1815, 495}, 6, 3},
    {{6540, 4905, 1815, 495}, 10, 4},
    {{6540, 5640, 1815, 495}, 12, 5},
    {{3540, 4140, 1815, 495}, 7, 12},
    {{6540, 4140, 1815, 495}, 8, 11},
}};

struct LabelDesign {
    // A row's caption shows the quantity of a field of its row, a unit label the unit of its
    // field; the other labels show their own text.
    enum class Shows { text, quantity, unit };
    Rect place;
    Shows shows;
    int field; // of the row or the unit; -1 for a label with its own text
    std::string_view text;
    std::string_view toolTip;
    bool centred;
};

constexpr LabelDesign rowCaption(Rect place, int field, std::string_view toolTip = "") {
    return {place, LabelDesign::Shows::quantity, field, "", toolTip, false};
}
constexpr LabelDesign unitLabel(Rect place, int field, std::string_view toolTip) {
    return {place, LabelDesign::Shows::unit, field, "", toolTip, false};
}
constexpr LabelDesign titleLabel(Rect place, std::string_view text) {
    return {place, LabelDesign::Shows::text, -1, text, "", true};
}

// Row captions stand at Left 240, imperial units at 5520, metric units at 8520, each at its
// field's Top plus 120. Labels take TabIndex 16 + index but never the focus.
constexpr std::array<LabelDesign, kLabelCount> kLabels{{
    rowCaption({240, 1320, 3255, 375}, fields::diameterIn),
    rowCaption({240, 2055, 3255, 375}, fields::plungers),
    rowCaption({240, 2790, 3255, 375}, fields::loadLb,
               "  Rated load + the weight of the complete car + the weight of the plunger(s) or "
               "cylinder(s) "),
    rowCaption({240, 3510, 3255, 375}, fields::pressurePsi),
    rowCaption({240, 5025, 3255, 375}, fields::flowGpm),
    rowCaption({240, 5760, 3255, 375}, fields::displacementGpf, kOnePlungerTip),
    unitLabel({5520, 1320, 795, 375}, fields::diameterIn, " Inches "),
    unitLabel({5520, 2790, 795, 375}, fields::loadLb, " Pounds "),
    unitLabel({5520, 3510, 795, 375}, fields::pressurePsi, " Pounds per square inch "),
    unitLabel({5520, 5025, 795, 375}, fields::flowGpm, " Gallons per minute "),
    unitLabel({5520, 5760, 795, 375}, fields::displacementGpf, " Gallons per foot "),
    unitLabel({8520, 1320, 795, 375}, fields::diameterMm, " Millimeters "),
    unitLabel({8520, 2790, 795, 375}, fields::loadKg, " Kilograms "),
    unitLabel({8520, 3510, 795, 375}, fields::pressureBar, " Bars "),
    unitLabel({8520, 5025, 795, 375}, fields::flowLps, " Liters per second "),
    unitLabel({8520, 5760, 795, 375}, fields::displacementLpm, " Liters per meter "),
    rowCaption({240, 4260, 3255, 375}, fields::speedFpm,
               " Up speed with rated load...verify with tachometer or other device "),
    unitLabel({5520, 4260, 795, 375}, fields::speedFpm, " Feet per minute "),
    unitLabel({8520, 4260, 795, 375}, fields::speedMps, " Meters per second "),
    titleLabel({1620, 0, 6135, 375}, "Static Pressure Calculator"),
    titleLabel({2310, 420, 4755, 255}, "--> Direct Acting Applications <--"),
}};

// The caption a label has at design: "Load on Plunger(s):", "LB", or its own text.
inline std::string designCaption(const LabelDesign &label) {
    switch (label.shows) {
    case LabelDesign::Shows::quantity:
        return std::string(quantityOf(label.field).name) + ":";
    case LabelDesign::Shows::unit:
        return std::string(unitOf(label.field));
    case LabelDesign::Shows::text:
        break;
    }
    return std::string(label.text);
}

constexpr int kHeadingLabel = 19;
constexpr int kSubtitleLabel = 20;
constexpr int kDisplacementLabel = 5;

enum class ButtonRole { None, Default };

// The three command buttons and the two option buttons (these inside Frame1).
struct ButtonDesign {
    ControlId id;
    std::string_view name;
    std::string_view caption; // '&' marks the access key
    Rect place;
    int tabIndex;
    std::string_view toolTip;
    ButtonRole role;
};

constexpr auto kButtons = std::to_array<ButtonDesign>({
    {ControlId::cmdCalculate,
     "cmdCalculate",
     "&Calculate",
     {3000, 6660, 1695, 495},
     13,
     " Calculate answer ",
     ButtonRole::Default},
    {ControlId::cmdClear,
     "cmdClear",
     "C&lear All",
     {5040, 6660, 1695, 495},
     14,
     " Clear all fields ",
     ButtonRole::None},
    {ControlId::cmdExit,
     "cmdExit",
     "E&xit",
     {7080, 6660, 1695, 495},
     15,
     " Exit program ",
     ButtonRole::None},
    {ControlId::optImperial,
     "optImperial",
     "&Imperial",
     {360, 120, 1515, 375},
     38,
     "",
     ButtonRole::None},
    {ControlId::optMetric, "optMetric", "&Metric", {3420, 120, 975, 375}, 39, "", ButtonRole::None},
});
static_assert(kButtons.size() == static_cast<std::size_t>(ControlId::optMetric) - kFieldCount + 1,
              "a button of the window without its row");

constexpr Rect kFrame1{3540, 660, 4815, 495};
constexpr int kClientWidth = 9375;
constexpr int kClientHeight = 7515;

// The letter after the '&' of a caption, upper case; 0 when there is none.
constexpr char accessKey(std::string_view caption) {
    auto at = caption.find('&');
    if (at == std::string_view::npos || at + 1 >= caption.size())
        return 0;
    char c = caption[at + 1];
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr const ButtonDesign &buttonDesign(ControlId id) {
    for (const auto &b : kButtons)
        if (b.id == id)
            return b;
    return kButtons[0];
}

// A control's published name: "Text1(3)" for a field, "cmdCalculate" for a button.
inline std::string controlName(ControlId id) {
    if (isField(id))
        return "Text1(" + std::to_string(fieldIndex(id)) + ")";
    return std::string(buttonDesign(id).name);
}

constexpr int tabIndexOf(ControlId id) {
    return isField(id) ? kFields[fieldIndex(id)].tabIndex : buttonDesign(id).tabIndex;
}

// Every control that can take the focus, in TabIndex order.
constexpr std::array<ControlId, kFieldCount + kButtons.size()> tabOrder() {
    std::array<ControlId, kFieldCount + kButtons.size()> order{};
    for (int i = 0; i < kFieldCount; ++i)
        order[i] = fieldControl(i);
    for (std::size_t i = 0; i < kButtons.size(); ++i)
        order[kFieldCount + i] = kButtons[i].id;
    for (std::size_t i = 1; i < order.size(); ++i)
        for (std::size_t j = i; j > 0 && tabIndexOf(order[j]) < tabIndexOf(order[j - 1]); --j) {
            auto t = order[j];
            order[j] = order[j - 1];
            order[j - 1] = t;
        }
    return order;
}

constexpr auto kTabOrder = tabOrder();

} // namespace liftcalc
