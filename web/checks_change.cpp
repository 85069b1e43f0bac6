// SPDX-License-Identifier: MIT
#include "web/checks_change.h"

namespace liftcalc::web {
namespace {

using C = ChecksPageChange;
using Change = std::optional<ChecksPageChangeAt>;

Change of(const FieldChanged &change) {
    using P = FieldChanged::Property;
    const auto at = [&change](C c) { return Change(ChecksPageChangeAt{c, change.field}); };
    switch (change.property) {
    case P::Text:
        return at(C::text);
    case P::Visible:
        return at(C::visible);
    case P::Locked:
        return at(C::locked);
    case P::Selection:
        return at(C::selection);
    case P::TabStop:
    case P::BackColor:
    case P::Left:
        break;
    }
    return std::nullopt;
}
Change of(const CheckChosen &) {
    return ChecksPageChangeAt{C::chosen};
}
Change of(const ChecksUnitsChanged &) {
    return ChecksPageChangeAt{C::units};
}
Change of(const FocusMoved &) {
    return ChecksPageChangeAt{C::focus};
}
Change of(const ChecksClosed &) {
    return ChecksPageChangeAt{C::closed};
}

} // namespace

std::optional<ChecksPageChangeAt> checksPageChange(const ChecksChange &change) {
    return std::visit([](const auto &c) { return of(c); }, change);
}

} // namespace liftcalc::web
