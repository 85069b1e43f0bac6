// SPDX-License-Identifier: MIT
#include "fuzz/window_invariants.h"

#include "calculators/numeric.h"
#include "calculators/utf8_text.h"
#include "record/words.h"
#include "window/recording_host.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace liftcalc::fuzz {
namespace {

using namespace std::string_view_literals;

constexpr std::string_view kInvalidNumber = "Did you enter a valid number in every field?";
constexpr std::string_view kOnePlunger = " This is the displacement of one plunger... ";

bool in(std::span<const int> list, int value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

bool isOpen(const Field &f) {
    return !f.Locked && f.TabStop && f.BackColor == colours::white;
}
bool isLocked(const Field &f) {
    return f.Locked && !f.TabStop && f.BackColor == colours::yellow;
}

// The chart as a window fresh from start-up shows it: one fixed text, whatever the window
// shows when it is opened. (Its lines are checked once, by the window's tests.)
std::string freshChart() {
    RecordingHost host;
    Window window(host, NumberFormat::english());
    window.start();
    window.chooseMenu(MenuItem::mnuConversions);
    return host.shown.size() == 1 ? host.shown[0].prompt : std::string();
}

const Calculator *checkedCalculator(const Window &w) {
    const Calculator *found = nullptr;
    for (const Calculator *c : calculators::kAll) {
        if (!w.checked(menuItemOf(*c)))
            continue;
        if (found)
            return nullptr;
        found = c;
    }
    return found;
}

bool isNumberIn(std::string_view text, const NumberFormat &format) {
    return strictValue(text, format).has_value();
}

// "This is the displacement of one plunger...\r\nthe total displacement of the P plungers is
// X gallons per foot. ( Y liters per meter )", the units the other way round in metric.
bool isTotalDisplacement(std::string_view prompt, const Window &w) {
    const std::string head = "This is the displacement of one plunger...\r\nthe total "
                             "displacement of the " +
                             w.Text1(1).Text + " plungers is ";
    const bool imperial = w.imperialMode();
    const std::string_view first = imperial ? " gallons per foot. ( " : " liters per meter. ( ";
    const std::string_view last = imperial ? " liters per meter )" : " gallons per foot )";
    if (!prompt.starts_with(head) || !prompt.ends_with(last))
        return false;
    prompt = prompt.substr(head.size(), prompt.size() - head.size() - last.size());
    const auto split = prompt.find(first);
    return split != std::string_view::npos &&
           isNumberIn(prompt.substr(0, split), w.numberFormat()) &&
           isNumberIn(prompt.substr(split + first.size()), w.numberFormat());
}

std::string fieldName(int index) {
    return "Text1(" + std::to_string(index) + ")";
}

// Each calculator's row says which fields are its open inputs and which its locked (yellow)
// answers and equivalents in either unit system; every other field is hidden, and open.
std::string brokenFieldInvariant(const Window &w, const Calculator &calc) {
    const UnitSystem units = w.imperialMode() ? UnitSystem::imperial : UnitSystem::metric;
    std::vector<int> inputs;
    for (std::size_t i = 0; i < calc.inputs.size(); ++i)
        inputs.push_back(calc.inputField(i, units));
    const auto &equivalents = calc.column(units).equivalents;
    for (int i = 0; i < kFieldCount; ++i) {
        const Field &f = w.Text1(i);
        const bool locked = in(calc.answers, i) || in(equivalents, i);
        const bool shown = in(inputs, i) || locked;
        if (f.Visible != shown)
            return fieldName(i) + (shown ? " hidden" : " shown") + " in " +
                   std::string(calc.heading);
        if (locked ? !isLocked(f) : !isOpen(f))
            return fieldName(i) + " is neither open nor locked as its calculator has it";
        if (!f.Visible && !f.Text.empty())
            return "hidden " + fieldName(i) + " holds text";
        if (validUtf8(f.Text) != f.Text)
            return fieldName(i) + " holds ill-formed UTF-8";
        const int length = utf16Length(f.Text);
        if (f.SelStart < 0 || f.SelLength < 0 || f.SelStart + f.SelLength > length)
            return fieldName(i) + " selects beyond its text";
    }
    for (const Quantity &q : kQuantities) {
        if (q.isCount())
            continue;
        const Field &a = w.Text1(q.imperialField);
        const Field &b = w.Text1(*q.metricField);
        if (a.Visible && b.Visible && a.BackColor == colours::white &&
            b.BackColor == colours::white)
            return "both fields open in the row of " + fieldName(q.imperialField);
    }
    return {};
}

} // namespace

std::string brokenInvariant(const Window &w) {
    const Calculator *calc = checkedCalculator(w);
    if (!calc)
        return "not exactly one calculator checked";
    if (w.Label1(kHeadingLabel).Caption != calc->heading)
        return "heading \"" + w.Label1(kHeadingLabel).Caption + "\" with " +
               std::string(calc->heading) + " checked";

    const bool imperial = w.imperialMode();
    const auto &chosen = imperial ? w.optImperial() : w.optMetric();
    const auto &other = imperial ? w.optMetric() : w.optImperial();
    if (!chosen.Value || other.Value)
        return "option buttons disagree with ImperialMode";
    if (w.checked(MenuItem::mnuImperial) != imperial || w.checked(MenuItem::mnuMetric) == imperial)
        return "Units menu disagrees with ImperialMode";
    if (chosen.ForeColor != colours::red || !chosen.FontBold || other.ForeColor != colours::black ||
        other.FontBold)
        return "option buttons coloured against the unit system";
    if (w.Text1(1).Left != (imperial ? kImperialColumnLeft : kMetricColumnLeft))
        return "Text1(1) outside the column of the chosen system";

    if (w.formLoaded() != w.loaded())
        return "FormLoaded disagrees with the window being loaded";
    if (w.loaded()) {
        const auto focus = w.focus();
        if (!focus)
            return "a loaded window without focus";
        if (isField(*focus) && !w.Text1(fieldIndex(*focus)).Visible)
            return "focus in hidden " + fieldName(fieldIndex(*focus));
    } else if (w.focus()) {
        return "focus in a window that is gone";
    }
    if (!in(calc->shownFields, fields::displacementGpf) &&
        w.Label1(kDisplacementLabel).ToolTipText != kOnePlunger)
        return "total displacement tooltip outside the calculators that show the displacement";
    return brokenFieldInvariant(w, *calc);
}

std::string brokenChecksInvariant(const ChecksWindow &c) {
    const Check &check = c.check();
    const int inputs = static_cast<int>(check.inputs.size());
    bool anyAnswer = false, everyAnswer = true;
    for (int row = 0; row < kMostCheckRows; ++row) {
        const bool shown = row < check.rowCount();
        const bool both = shown && check.row(row).units->bothSystems();
        const std::string where = "checks row " + std::to_string(row);
        if (c.field({row, false}).Visible != shown || c.field({row, true}).Visible != both)
            return where + ": shown wrongly";
        if (!shown)
            continue;
        for (const bool metric : {false, true}) {
            if (metric && !both)
                continue;
            const Field &f = c.field({row, metric});
            const bool typed = row < inputs && metric == (both && !c.imperial());
            if (f.Locked == typed)
                return where + (typed ? ": the typed field is locked" : ": an open equivalent");
            if (row >= inputs) {
                anyAnswer |= !f.Text.empty();
                everyAnswer &= strictValue(f.Text, c.numberFormat()).has_value();
            }
            if (f.Locked == f.TabStop ||
                f.BackColor != (f.Locked ? colours::yellow : colours::white))
                return where + ": a locked field's look disagrees";
            if (utf16Length(f.Text) < f.SelStart + f.SelLength)
                return where + ": selection beyond the text";
        }
    }
    if (anyAnswer && !everyAnswer)
        return "checks answers partly written";
    const ChecksFocus focus = c.focus();
    if (const auto *field = std::get_if<CheckField>(&focus); field && !c.field(*field).Visible)
        return "checks focus in a hidden field";
    return {};
}

namespace {

// Nothing added to the test record: the calculator's or the open check's calculation was not
// calculated, or refused, or the record is full.
bool addRefused(const std::string &prompt, const Window &w) {
    using namespace record::words;
    std::vector<std::string_view> titles;
    if (const Calculator *calc = checkedCalculator(w))
        titles.push_back(calc->title);
    if (const ChecksWindow *open = w.fieldChecks())
        titles.push_back(open->check().title);
    for (const std::string_view title : titles)
        if (prompt == say(Message::notCalculated, {title}) ||
            prompt == say(Message::refused, {title}))
            return true;
    return prompt == say(Message::recordFull);
}

} // namespace

void CheckingHost::showMessage(const MessageBox &box) {
    if (!problem.empty() || !window_)
        return;
    if (const ChecksWindow *open = window_->fieldChecks();
        open && box.title == open->check().title) {
        if (box.prompt.empty() || box.buttons != 0)
            problem = "checks message box without a reason: " + box.title;
        return;
    }
    static const std::string chart = freshChart();
    const Calculator *calc = checkedCalculator(*window_);
    bool expected = false;
    if (box.title == "Conversion Chart")
        expected = !chart.empty() && box.prompt == chart;
    else if (box.title == record::words::kTitle)
        expected = addRefused(box.prompt, *window_);
    else if (box.title == "Plunger Displacement")
        expected =
            calc == &calculators::plungerDisplacement && isTotalDisplacement(box.prompt, *window_);
    else
        expected = calc && box.title == calc->failureTitle && box.prompt == kInvalidNumber;
    if (!expected || box.buttons != 0)
        problem = "unexpected message box \"" + box.title + "\": \"" + box.prompt + "\"";
}

} // namespace liftcalc::fuzz
