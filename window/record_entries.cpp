// SPDX-License-Identifier: MIT
#include "window/record_entries.h"

#include "calculators/figures.h"
#include "calculators/utf8_text.h"
#include "record/entry_figures.h"
#include "record/words.h"

#include <map>

namespace liftcalc {
namespace {

using record::words::Message;
using record::words::say;

// Judges the shown texts of a calculation's columns against a new calculation's.
template <class Calculation>
ShownEntry judged(const Calculation &calculation, UnitSystem units, bool typedNothing, bool refused,
                  const std::vector<std::string> &texts,
                  const std::vector<std::optional<std::string>> &shown,
                  const NumberFormat &format) {
    const std::string title(calculation.title);
    if (typedNothing)
        return say(Message::notCalculated, {title});
    if (refused)
        return say(Message::refused, {title});
    for (std::size_t i = 0; i < shown.size() && i < texts.size(); ++i)
        if (shown[i] && *shown[i] != texts[i])
            return say(Message::notCalculated, {title});
    return record::entryOf(calculation, units, texts, format, {});
}

} // namespace

// A text as the record holds it: well-formed UTF-8 and no longer than a record's text may be,
// so that the file the window writes is one it can read again.
std::string recordText(std::string_view typed) {
    std::string text = validUtf8(typed);
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 &&
            ++characters > record::kLongestText) {
            text.resize(i);
            break;
        }
    return text;
}

ShownEntry shownEntry(const Calculator &calculator, UnitSystem units, const FieldTexts &texts,
                      const NumberFormat &format) {
    std::map<std::string, std::string> inputs;
    bool typedNothing = true;
    for (std::size_t i = 0; i < calculator.inputs.size(); ++i) {
        const std::string_view text = texts[calculator.inputField(i, units)];
        inputs[std::string(calculator.inputs[i].quantity->option)] = text;
        typedNothing = typedNothing && text.empty();
    }
    const CalculatorFigures figures = figuresOf(calculator, units, inputs, format);
    // The window shows every column that is a field of it; the total displacement is its own.
    std::vector<std::optional<std::string>> shown;
    for (const Column &column : columnsOf(calculator))
        shown.push_back(column.field ? std::optional(std::string(texts[*column.field]))
                                     : std::nullopt);
    return judged(calculator, units, typedNothing, figures.refusal.has_value(), figures.texts,
                  shown, format);
}

ShownEntry shownEntry(const ChecksWindow &window) {
    const Check &check = window.check();
    std::map<std::string, std::string> inputs;
    bool typedNothing = true;
    for (int row = 0; row < static_cast<int>(check.inputs.size()); ++row) {
        const std::string &text = window.field(window.typedField(row)).Text;
        inputs[std::string(check.inputs[static_cast<std::size_t>(row)].option)] = text;
        typedNothing = typedNothing && text.empty();
    }
    const CheckFigures figures = figuresOf(check, window.units(), inputs, window.numberFormat());
    // The columns are the rows' fields in order, imperial before metric.
    std::vector<std::optional<std::string>> shown;
    for (int row = 0; row < check.rowCount(); ++row) {
        shown.emplace_back(window.field({row, false}).Text);
        if (check.row(row).units->bothSystems())
            shown.emplace_back(window.field({row, true}).Text);
    }
    return judged(check, window.units(), typedNothing, !figures.refusals.empty(), figures.texts,
                  shown, window.numberFormat());
}

std::string figuresCell(const record::Entry &entry, const NumberFormat &format) {
    std::string cell;
    if (entry.differs)
        cell = say(Message::figuresDiffer) + "\n";
    std::string_view caption;
    bool first = true;
    for (const record::ShownFigure &figure : record::shownFigures(entry, format)) {
        const std::string text =
            figure.unit.empty() ? figure.text : figure.text + " " + std::string(figure.unit);
        if (!first && figure.caption == caption) {
            cell += " / " + text;
            continue;
        }
        cell += (first ? "" : "; ") + std::string(figure.caption) + ": " + text;
        caption = figure.caption;
        first = false;
    }
    return cell;
}

} // namespace liftcalc
