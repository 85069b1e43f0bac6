// SPDX-License-Identifier: MIT
#include "window/actions.h"

#include <climits>

namespace liftcalc {

bool perform(Window &window, const Action &action) {
    struct Performer {
        Window &w;
        bool operator()(const ClickField &a) { return w.clickField(a.field); }
        bool operator()(const TypeInto &a) {
            return w.clickField(a.field) && w.editField(a.field, a.text, INT_MAX);
        }
        bool operator()(const ClickControl &a) {
            w.click(a.control);
            return true;
        }
        bool operator()(const PressKey &a) {
            pressNamedKey(w, a.key);
            return true;
        }
        bool operator()(const ChooseMenu &a) {
            w.chooseMenu(a.item);
            return true;
        }
        bool operator()(const CloseWindow &) {
            w.closeFromTitleBar();
            return true;
        }
    };
    return std::visit(Performer{window}, action);
}

std::optional<PressKey::Key> namedKey(std::string_view name) {
    for (std::size_t k = 0; k < kKeyNames.size(); ++k)
        if (name == kKeyNames[k])
            return static_cast<PressKey::Key>(k);
    return std::nullopt;
}

std::optional<Action> keyAction(std::string_view key) {
    if (const auto named = namedKey(key))
        return PressKey{*named};
    if (key.starts_with("Ctrl+")) {
        for (const auto &menu : kMenus)
            if (!menu.shortcut.empty() && menu.shortcut == key)
                return ChooseMenu{menu.item};
    } else if (const ButtonDesign *button = accessKeyRow(kButtons, key)) {
        return ClickControl{button->id};
    }
    return std::nullopt;
}

} // namespace liftcalc
