// SPDX-License-Identifier: MIT
#include "window/checks_actions.h"

#include <array>
#include <climits>
#include <utility>

namespace liftcalc {
namespace {

constexpr std::array<std::string_view, 8> kKeyNames{"Tab", "Shift+Tab", "Enter", "Esc",
                                                    "Up",  "Down",      "Left",  "Right"};

} // namespace

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
            switch (a.key) {
            case PressChecksKey::Tab:
            case PressChecksKey::ShiftTab:
                w.pressTab(a.key == PressChecksKey::ShiftTab);
                break;
            case PressChecksKey::Enter:
                w.pressEnter();
                break;
            case PressChecksKey::Esc:
                w.pressEscape();
                break;
            case PressChecksKey::Up:
            case PressChecksKey::Left:
            case PressChecksKey::Down:
            case PressChecksKey::Right:
                w.pressArrow(a.key == PressChecksKey::Down || a.key == PressChecksKey::Right);
                break;
            }
            return true;
        }
        bool operator()(const CloseChecks &) {
            w.close();
            return true;
        }
    };
    return std::visit(Performer{window}, action);
}

std::optional<ChecksAction> checksKeyAction(std::string_view key) {
    for (std::size_t k = 0; k < kKeyNames.size(); ++k)
        if (key == kKeyNames[k])
            return PressChecksKey{static_cast<PressChecksKey::Key>(k)};
    if (key.starts_with("Alt+") && key.size() == 5)
        for (const ChecksControlDesign &c : kChecksControls)
            if (accessKey(c.caption) == key[4])
                return ClickChecksControl{c.control};
    return std::nullopt;
}

std::optional<ChecksControl> checksControlNamed(std::string_view name) {
    for (const ChecksControlDesign &c : kChecksControls)
        if (c.name == name)
            return c.control;
    return std::nullopt;
}

} // namespace liftcalc
