// SPDX-License-Identifier: MIT
#include "window/record_actions.h"

namespace liftcalc {

bool perform(RecordWindow &window, const RecordAction &action) {
    if (!window.isOpen())
        return false;
    struct Performer {
        RecordWindow &w;
        bool operator()(const ClickRecordField &a) { return w.clickField(a.field); }
        bool operator()(const TypeIntoRecord &a) { return w.typeInto(a.field, a.text); }
        bool operator()(const ChooseUnit &a) {
            if (a.measure < 0 || a.measure >= kMeasureCount)
                return false;
            w.chooseUnit(a.measure, a.units);
            return true;
        }
        bool operator()(const SelectEntry &a) { return w.selectEntry(a.index); }
        bool operator()(const SetEntryText &a) {
            if (a.index >= w.record().entries.size())
                return false;
            if (a.column == record::words::Column::context)
                return w.setContext(a.index, a.text) ||
                       w.record().entries[a.index].context == a.text;
            if (a.column == record::words::Column::note)
                return w.setNote(a.index, a.text) || w.record().entries[a.index].note == a.text;
            return false;
        }
        bool operator()(const SetEntryVerdict &a) {
            return a.index < w.record().entries.size() &&
                   (w.setVerdict(a.index, a.verdict) ||
                    w.record().entries[a.index].verdict == a.verdict);
        }
        bool operator()(const ClickRecordControl &a) {
            if (!w.enabled(a.control))
                return false;
            w.click(a.control);
            return true;
        }
        bool operator()(const ChooseRecordCommand &a) {
            w.command(a.command);
            return true;
        }
        bool operator()(const PressRecordKey &a) {
            switch (a.key) {
            case PressRecordKey::deleteKey:
                w.deleteEntry();
                break;
            case PressRecordKey::moveUp:
            case PressRecordKey::moveDown:
                w.moveEntry(a.key == PressRecordKey::moveUp);
                break;
            case PressRecordKey::windowKey:
                pressNamedKey(w, a.named);
                break;
            }
            return true;
        }
        bool operator()(const CloseRecord &) {
            w.close();
            return true;
        }
    };
    return std::visit(Performer{window}, action);
}

std::optional<RecordAction> recordKeyAction(std::string_view key) {
    if (const auto named = namedKey(key))
        return PressRecordKey{PressRecordKey::windowKey, *named};
    if (key == "Delete")
        return PressRecordKey{PressRecordKey::deleteKey};
    if (key == "Ctrl+Up" || key == "Ctrl+Down")
        return PressRecordKey{key == "Ctrl+Up" ? PressRecordKey::moveUp : PressRecordKey::moveDown};
    for (const RecordCommandDesign &command : kRecordCommands)
        if (!command.shortcut.empty() && command.shortcut == key)
            return ChooseRecordCommand{command.command};
    if (const RecordControlDesign *control = accessKeyRow(kRecordControls, key))
        return ClickRecordControl{control->control};
    return std::nullopt;
}

std::optional<record::Verdict> verdictNamed(std::string_view code) {
    if (code == "none")
        return record::Verdict::none;
    for (const record::words::VerdictWord &w : record::words::kVerdicts)
        if (!w.code.empty() && w.code == code)
            return w.verdict;
    return std::nullopt;
}

} // namespace liftcalc
