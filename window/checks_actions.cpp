// SPDX-License-Identifier: MIT
#include "window/checks_actions.h"

namespace liftcalc {

bool perform(ChecksWindow &window, const ChecksAction &action) {
    if (!window.isOpen())
        return false;
    struct Performer {
        ChecksWindow &w;
        bool operator()(const ChooseCheck &a) {
            if (a.index < 0 || a.index >= static_cast<int>(checks::kAll.size()))
                return false;
            w.chooseCheck(a.index);
            return true;
        }
        bool operator()(const ClickCheckField &a) { return w.clickField(a.field); }
        bool operator()(const TypeIntoCheck &a) { return w.typeInto(a.field, a.text); }
        bool operator()(const ClickChecksControl &a) {
            w.click(a.control);
            return true;
        }
        bool operator()(const PressChecksKey &a) {
            pressNamedKey(w, a.key);
            return true;
        }
        bool operator()(const CloseChecks &) {
            w.close();
            return true;
        }
        bool operator()(const PressChooserKey &a) {
            w.pressChooserEnd(a.key == PressChooserKey::End || a.key == PressChooserKey::PageDown);
            return true;
        }
        bool operator()(const TypeOnChooser &a) { return w.typeOnChooser(a.typed); }
    };
    return std::visit(Performer{window}, action);
}

std::optional<ChecksAction> checksKeyAction(std::string_view key) {
    if (const auto named = namedKey(key))
        return PressChecksKey{*named};
    for (std::size_t k = 0; k < kChooserKeyNames.size(); ++k)
        if (key == kChooserKeyNames[k])
            return PressChooserKey{static_cast<PressChooserKey::Key>(k)};
    if (const ChecksControlDesign *control = accessKeyRow(kChecksControls, key))
        return ClickChecksControl{control->control};
    return std::nullopt;
}

} // namespace liftcalc
