// SPDX-License-Identifier: MIT
// The shape every calculation shares, as pure code: from the texts of the fields and the regional
// settings to the ordered list of what the calculation does to the window (field writes, the
// displacement tooltip, a message box), and a refusal, as a value, after the writes made so far.
//
// A calculation reads back text it has just written (an answer's equivalent is computed from the
// displayed, rounded answer), so it keeps every text it writes and reads it in place of the
// field's. The window applies the effects one by one through its own field writes, which
// raise the change rule as typing does.
#pragma once

#include "calculators/factors.h"
#include "calculators/field_ids.h"
#include "calculators/input_rule.h"
#include "calculators/message_box.h"
#include "calculators/numeric.h"
#include "calculators/quantities.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace liftcalc {

inline constexpr std::string_view kInvalidNumberPrompt =
    "Did you enter a valid number in every field?";

// The tooltip of the "Plunger Displacement:" caption while it describes one plunger.
inline constexpr std::string_view kOnePlungerTip = " This is the displacement of one plunger... ";

// The texts of the thirteen fields as a calculation reads them: views of the texts the window or
// the command line holds, which must outlive the calculation. A long paste is not copied.
using FieldTexts = std::array<std::string_view, fields::count>;

struct FieldWrite {
    int field;
    std::string text;
};
// A new tooltip for the "Plunger Displacement:" caption.
struct DisplacementTip {
    std::string text;
};
using Effect = std::variant<FieldWrite, DisplacementTip, MessageBox>;

// The displacement of all plungers together, after a flow rate or displacement calculation for
// more than one plunger.
struct TotalDisplacement {
    double gallonsPerFoot;
    double litresPerMetre;
};

// An input whose typed figure breaks its rule, and how.
struct BrokenRule {
    int field;
    Rule rule;
    Fault fault;
    bool operator==(const BrokenRule &) const = default;
};

// Why a calculation was refused: every input whose typed figure breaks its rule, in the order of
// the calculator's inputs; none when the inputs keep their rules and together give a figure too
// large to compute.
struct Refusal {
    std::vector<BrokenRule> broken;
    bool tooLarge() const { return broken.empty(); }
};

// What a calculation does to the window, in the order it happens, and the refusal that ended it
// if it was refused. The invalid-number message follows the effects; nothing written before it
// is undone.
struct CalculationResult {
    std::vector<Effect> effects;
    std::optional<Refusal> refusal;
    std::optional<TotalDisplacement> total;
};

// One run of a calculation's body over the field texts, as it rewrites them.
//
// A failed test, a text that is no number where a figure is read and an intermediate result that
// is infinite or not a number refuse the calculation. The body then runs on to its end without
// effect: every figure it reads is 0 and nothing more is written, so a body reads top to bottom
// as the steps of the calculation, without a test after each one.
class Calculation {
public:
    Calculation(const FieldTexts &texts, const NumberFormat &format, std::span<const Input> inputs,
                UnitSystem units)
        : typed_(texts), format_(format), inputs_(inputs), units_(units) {
        result_.effects.reserve(fields::count);
    }

    std::string_view text(int field) const {
        return written_.at(field) ? std::string_view(*written_[field]) : typed_.at(field);
    }
    // The field's text as a number in the regional format; refuses text that is no number.
    double value(int field);
    double checked(double x);
    double squared(double x);
    // The square root of a negative number refuses like any other error.
    double squareRoot(double x);
    double rounded(double x);
    // The cross-section of all plungers together: the radius squared, times their number,
    // times pi, in that order.
    double totalArea(double diameter, double plungers);

    // Rewrites the number of plungers as the whole number below it (2.7 becomes 2). The field
    // is open, so in the window the change rule empties the old answers first.
    void wholeNumberOfPlungers();
    // Tests the input in the field by the rule its row gives it, as the window tests it: a
    // figure above 0 on the lenient reading (a text that passes and is no number refuses when
    // its figure is read), a whole number or a figure of at least 1 on the strict reading,
    // rounded down. The number of plungers is tested after wholeNumberOfPlungers.
    void test(int field);

    // Writes in the three-decimal answer format (1,234.568).
    void writeAnswer(int field, double x);
    // Writes as plain number text (1234.568, 6).
    void writePlain(int field, double x);
    void setDisplacementTip(std::string text);
    void showMessage(MessageBox box);
    void reportTotal(TotalDisplacement total);

    std::string plain(double x) const { return plainText(x, format_); }

    bool refused() const { return refused_; }
    // The effects and the total; the refusal is the calculator's to give.
    CalculationResult take() { return std::move(result_); }

private:
    // Refuses the calculation; the figure 0 stands in for the one that could not be had.
    double refuse();
    bool keeps(Rule rule, int field);
    void write(int field, std::string text);

    // The texts as given, and those the calculation has written since.
    FieldTexts typed_;
    std::array<std::optional<std::string>, fields::count> written_;
    // Each field's value once read; a field's write forgets it.
    std::array<std::optional<double>, fields::count> values_;
    const NumberFormat &format_;
    std::span<const Input> inputs_;
    UnitSystem units_;
    CalculationResult result_;
    bool refused_ = false;
};

} // namespace liftcalc
