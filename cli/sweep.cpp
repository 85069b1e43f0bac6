// SPDX-License-Identifier: MIT
#include "cli/sweep.h"

#include "cli/request.h"

#include <algorithm>
#include <cmath>

namespace liftcalc::cli {

Sweep::Sweep(std::string_view range, const NumberFormat &format, std::size_t maxRows)
    : format_(format) {
    const auto first = range.find(':');
    const auto second = range.find(':', first + 1);
    if (second == std::string_view::npos || range.find(':', second + 1) != std::string_view::npos)
        throw UsageError("a range is FROM:TO:STEP, not '" + shownText(range) + "'");
    const auto from = strictValue(range.substr(0, first), format);
    const auto to = strictValue(range.substr(first + 1, second - first - 1), format);
    const auto step = strictValue(range.substr(second + 1), format);
    if (!from || !to || !step)
        throw UsageError("FROM, TO and STEP of '" + shownText(range) + "' must be numbers");
    from_ = *from, to_ = *to, step_ = *step;
    // Signs, not the product (TO - FROM) x STEP, which can underflow to 0 for tiny figures.
    if (step_ == 0 || (to_ > from_ && step_ < 0) || (to_ < from_ && step_ > 0))
        throw UsageError("in '" + shownText(range) +
                         "' STEP must lead from FROM to TO: above 0 upwards, below 0 downwards");
    // TO - FROM passes the largest double when the ends have opposite signs and are that large
    // (-1.7e308:1.7e308:1.7e308); their halves are exact there and their difference is not.
    const double span = to_ - from_;
    const double steps = std::isfinite(span) ? std::floor(span / step_)
                                             : std::floor((to_ / 2 - from_ / 2) / step_ * 2);
    if (!std::isfinite(steps) || steps >= static_cast<double>(maxRows))
        throw UsageError("the range '" + shownText(range) + "' gives more than " +
                         std::to_string(maxRows) + " rows");
    // The quotient may fall just short of a whole number (0.1:0.3:0.1) or just past it, so the
    // last two candidates are judged by the values they print.
    // FROM itself is always a row.
    count_ = static_cast<std::size_t>(steps);
    if (!withinRange(count_)) {
        count_ = std::max<std::size_t>(count_, 1);
        return;
    }
    ++count_;
    if (withinRange(count_)) {
        if (count_ >= maxRows)
            throw UsageError("the range '" + shownText(range) + "' gives more than " +
                             std::to_string(maxRows) + " rows");
        ++count_;
    }
}

std::string Sweep::operator[](std::size_t i) const {
    // I x STEP alone may pass the largest double while FROM + I x STEP does not
    // (-1.7e308 + 2 x 1.7e308); a fused multiply-add never rounds the product.
    const double index = static_cast<double>(i);
    const double offset = index * step_;
    return plainText(std::isfinite(offset) ? from_ + offset : std::fma(index, step_, from_),
                     format_);
}

bool Sweep::withinRange(std::size_t i) const {
    const auto printed = strictValue((*this)[i], format_);
    return printed && (step_ > 0 ? *printed <= to_ : *printed >= to_);
}

} // namespace liftcalc::cli
