// SPDX-License-Identifier: MIT
#include "web/checks_change.h"

namespace liftcalc::web {
namespace {

using C = ChecksPageChange;

ChecksPageChangeAt of(const ChecksFieldChanged &change) {
    return {static_cast<C>(change.property), fieldSlot(change.field)};
}
ChecksPageChangeAt of(const CheckChosen &) {
    return {C::chosen};
}
ChecksPageChangeAt of(const ChecksUnitsChanged &) {
    return {C::units};
}
ChecksPageChangeAt of(const ChecksFocusMoved &) {
    return {C::focus};
}
ChecksPageChangeAt of(const ChecksClosed &) {
    return {C::closed};
}

static_assert(static_cast<int>(ChecksFieldChanged::Property::Selection) ==
              static_cast<int>(C::selection));

} // namespace

ChecksPageChangeAt checksPageChange(const ChecksChange &change) {
    return std::visit([](const auto &c) { return of(c); }, change);
}

} // namespace liftcalc::web
