// SPDX-License-Identifier: MIT
#include "fuzz/action_script.h"

#include "tests/support/number_formats.h"
#include "window/menus.h"

#include <array>
#include <string_view>
#include <vector>

namespace liftcalc::fuzz {
namespace {

using namespace std::string_view_literals;

// Texts worth typing: figures of the worked examples, every way of writing a number the two
// readings tell apart, the limits of the double range, and texts that are no number at all.
constexpr std::array kWords{
    "10"sv,
    "1"sv,
    "2"sv,
    "20000"sv,
    "100"sv,
    "254"sv,
    "2.7"sv,
    "0.5"sv,
    "0"sv,
    "-5"sv,
    "-0"sv,
    ""sv,
    "  12 "sv,
    "abc"sv,
    "500 psi"sv,
    "1,500"sv,
    "1.500"sv,
    "1 500"sv,
    "0,508"sv,
    "1e308"sv,
    "1e-308"sv,
    "1E+15"sv,
    "9.99e307"sv,
    "1.7976931348623157e308"sv,
    "4.9e-324"sv,
    "&H10"sv,
    "&HFFFFFFFFFFFF"sv,
    "&O17"sv,
    "1..5"sv,
    "."sv,
    "-"sv,
    "+"sv,
    "1e"sv,
    "inf"sv,
    "NaN"sv,
    "254.648"sv,
    "9,071.800"sv,
    "1\u202F500"sv,
    "1\u00A0500,25"sv,
    "\u22125"sv,
    "1\u2019500.5"sv,
    "123456789012345678901234567890"sv,
    "0.0001"sv,
    "\uFF11"sv,
    "\u0661"sv,
    "\U0001F600"sv,
    "\xFF\xFE"sv,
    "\xE2\x82"sv,
    "\r\n"sv,
    "5\t"sv,
};

// Every item a person can choose, in the order of the menus.
const std::vector<MenuItem> &itemsWithHandlers() {
    static const std::vector<MenuItem> items = [] {
        std::vector<MenuItem> choosable;
        for (const MenuDesign &menu : kMenus)
            if (menu.choosable())
                choosable.push_back(menu.item);
        return choosable;
    }();
    return items;
}

// The locales of the pinned regional settings, in the table's order.
const std::vector<std::string_view> &locales() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> all;
        for (const auto &named : testing::kAllFormats)
            if (!named.locale.empty())
                all.push_back(named.locale);
        return all;
    }();
    return names;
}

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    bool done() const { return at_ >= bytes_.size(); }
    std::uint8_t next() { return done() ? 0 : bytes_[at_++]; }
    std::string_view take(std::size_t count) {
        count = std::min(count, bytes_.size() - at_);
        std::string_view taken(reinterpret_cast<const char *>(bytes_.data() + at_), count);
        at_ += count;
        return taken;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

std::string_view word(ByteReader &in) {
    return kWords[in.next() % kWords.size()];
}

std::string typedText(ByteReader &in) {
    switch (in.next() % 4) {
    case 0:
        return std::string(word(in));
    case 1:
        return std::string(in.take(in.next()));
    case 2: {
        // A long paste: up to about 32,000 copies of a word, past the 16-bit selection count.
        const std::string_view w = word(in);
        const std::size_t copies = in.next() * 128u + 1;
        std::string text;
        text.reserve(w.size() * copies);
        for (std::size_t i = 0; i < copies; ++i)
            text += w;
        return text;
    }
    default:
        return std::string(word(in)) + std::string(word(in));
    }
}

} // namespace

namespace {

// A step on the field checks window from the next bytes.
ChecksAction nextChecksAction(ByteReader &in) {
    switch (in.next() % 8) {
    case 6:
        return PressChooserKey{
            static_cast<PressChooserKey::Key>(in.next() % kChooserKeyNames.size())};
    case 7:
        // One letter, which a replay line's letters also come to one at a time.
        return TypeOnChooser{std::string(1, static_cast<char>(in.next()))};
    case 0:
    case 1:
        return TypeIntoCheck{{in.next() % kMostCheckRows, false}, typedText(in)};
    case 2:
        return ChooseCheck{static_cast<int>(in.next() % checks::kAll.size())};
    case 3:
        return ClickChecksControl{kChecksControls[in.next() % kChecksControls.size()].control};
    case 4:
        return PressChecksKey{static_cast<PressKey::Key>(in.next() % kKeyNames.size())};
    default:
        if (in.next() % 4 == 0)
            return CloseChecks{};
        // Braces read their bytes in order: the row, then the column.
        return ClickCheckField{{in.next() % kMostCheckRows, in.next() % 2 == 1}};
    }
}

// One step from the next bytes.
ScriptStep nextAction(ByteReader &in) {
    const std::uint8_t op = in.next() % 20;
    if (op >= 16)
        return nextChecksAction(in);
    if (op < 5) {
        const int field = in.next() % kFieldCount;
        return TypeInto{field, typedText(in)};
    }
    if (op == 5)
        return ClickField{in.next() % kFieldCount};
    if (op == 6)
        return ClickControl{kButtons[in.next() % kButtons.size()].id};
    if (op == 7) {
        constexpr PressKey::Key kMoves[] = {PressKey::Tab,   PressKey::ShiftTab, PressKey::Left,
                                            PressKey::Right, PressKey::Up,       PressKey::Down};
        return PressKey{kMoves[in.next() % std::size(kMoves)]};
    }
    if (op == 8)
        return PressKey{PressKey::Enter};
    if (op <= 10)
        return ChooseMenu{itemsWithHandlers()[in.next() % itemsWithHandlers().size()]};
    if (op == 11)
        return ClickControl{ControlId::cmdCalculate};
    if (op == 12)
        return ClickControl{ControlId::cmdClear};
    if (op == 13)
        return ClickControl{in.next() % 2 ? ControlId::optMetric : ControlId::optImperial};
    if (op == 14)
        return PressKey{PressKey::Tab};
    // The three ways out: Esc, Exit and the title bar.
    switch (in.next() % 3) {
    case 0:
        return PressKey{PressKey::Esc};
    case 1:
        return ClickControl{ControlId::cmdExit};
    default:
        return CloseWindow{};
    }
}

} // namespace

ActionScript decodeActions(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    ActionScript script{locales()[in.next() % locales().size()], {}};
    while (!in.done())
        script.actions.push_back(nextAction(in));
    return script;
}

namespace {

std::string shownText(const std::string &text) {
    std::string shown;
    for (char c : text)
        shown += c == '\n' ? "\\n" : std::string(1, c);
    return shown;
}

std::string replayLine(const Action &action) {
    struct Writer {
        std::string operator()(const TypeInto &a) {
            return "type " + std::to_string(a.field) + " " + shownText(a.text);
        }
        std::string operator()(const ClickField &a) { return "focus " + std::to_string(a.field); }
        std::string operator()(const ClickControl &a) {
            return "click " + std::string(buttonDesign(a.control).name);
        }
        std::string operator()(const PressKey &a) { return "key " + std::string(kKeyNames[a.key]); }
        std::string operator()(const ChooseMenu &a) {
            return "menu " + std::string(menuDesign(a.item).name);
        }
        std::string operator()(const CloseWindow &) { return "close"; }
    };
    return std::visit(Writer{}, action);
}

std::string replayLine(const ChecksAction &action) {
    struct Writer {
        std::string operator()(const ChooseCheck &a) {
            return "checks choose " + std::string(checks::kAll[a.index]->command);
        }
        std::string operator()(const ClickCheckField &a) {
            return "checks focus " + std::to_string(a.field.row) +
                   (a.field.metric ? " metric" : " imperial");
        }
        std::string operator()(const TypeIntoCheck &a) {
            return "checks type " + std::to_string(a.field.row) + " " + shownText(a.text);
        }
        std::string operator()(const ClickChecksControl &a) {
            return "checks click " + std::string(kChecksControls[static_cast<int>(a.control)].name);
        }
        std::string operator()(const PressChecksKey &a) {
            return "checks key " + std::string(kKeyNames[a.key]);
        }
        std::string operator()(const CloseChecks &) { return "checks close"; }
        std::string operator()(const PressChooserKey &a) {
            return "checks key " + std::string(kChooserKeyNames[a.key]);
        }
        std::string operator()(const TypeOnChooser &a) {
            return "checks find " + shownText(a.typed);
        }
    };
    return std::visit(Writer{}, action);
}

} // namespace

std::string replayLine(const ScriptStep &step) {
    return std::visit([](const auto &action) { return replayLine(action); }, step);
}

} // namespace liftcalc::fuzz
