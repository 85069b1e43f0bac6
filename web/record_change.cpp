// SPDX-License-Identifier: MIT
#include "web/record_change.h"

namespace liftcalc::web {
namespace {

using C = RecordPageChange;
using Change = std::optional<RecordPageChangeAt>;

Change of(const FieldChanged &change) {
    if (change.property == FieldChanged::Property::Text)
        return RecordPageChangeAt{C::text, change.field};
    if (change.property == FieldChanged::Property::Selection)
        return RecordPageChangeAt{C::selection, change.field};
    return std::nullopt;
}
Change of(const UnitChanged &change) {
    return RecordPageChangeAt{C::unit, change.measure};
}
Change of(const EntriesChanged &) {
    return RecordPageChangeAt{C::entries};
}
Change of(const EntryChanged &change) {
    return RecordPageChangeAt{C::entry, static_cast<int>(change.index)};
}
Change of(const CurrentEntryChanged &) {
    return RecordPageChangeAt{C::current};
}
Change of(const TitleChanged &) {
    return RecordPageChangeAt{C::title};
}
Change of(const FocusMoved &) {
    return RecordPageChangeAt{C::focus};
}
Change of(const RecordClosed &) {
    return RecordPageChangeAt{C::closed};
}

} // namespace

std::optional<RecordPageChangeAt> recordPageChange(const RecordChange &change) {
    return std::visit([](const auto &c) { return of(c); }, change);
}

} // namespace liftcalc::web
