// SPDX-License-Identifier: MIT
// Mirroring the checks window model into the widgets, one property at a time, as it changes.
#include "ui/checks_view.h"
#include "ui/widget_binding.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

namespace liftcalc {

namespace {

std::string_view unitOf(const Check &check, CheckField field) {
    const Units &units = *check.row(field.row).units;
    return field.metric ? units.metric : units.imperial;
}

// A figure or a row's name with its unit, as a screen reader says it: "Travel FT".
QString withUnit(const QString &s, std::string_view unit) {
    return unit.empty() ? s : s + QLatin1Char(' ') + text(unit);
}

} // namespace

void ChecksView::connectModel() {
    connection_ = model_->changed.connect([this](const ChecksChange &change) {
        std::visit([this](const auto &c) { mirrorChange(c); }, change);
    });
}

void ChecksView::mirrorChange(const FieldChanged &change) {
    const CheckField f = checkFieldAt(change.field);
    showField(fieldWidget(f), model_->field(f), change.property);
    if (change.property == FieldChanged::Property::Selection)
        return;
    if (change.property == FieldChanged::Property::Visible)
        unitLabel(f)->setVisible(model_->field(f).Visible);
    describeAnswers();
}

void ChecksView::mirrorChange(const CheckChosen &) {
    mirrorCheck();
}

void ChecksView::mirrorChange(const ChecksUnitsChanged &) {
    mirrorColumns();
    mirrorOptions();
    mirrorGuide();
}

void ChecksView::mirrorChange(const FocusMoved &) {
    mirrorFocus();
}

// The model is gone for good: the window goes, and hears no more from it.
void ChecksView::mirrorChange(const ChecksClosed &) {
    model_->changed.disconnect(connection_);
    close();
}

void ChecksView::mirrorAll() {
    mirrorCheck();
    for (int slot = 0; slot < kChecksFieldCount; ++slot) {
        const CheckField f = checkFieldAt(slot);
        showWholeField(fieldWidget(f), model_->field(f));
        unitLabel(f)->setVisible(model_->field(f).Visible);
    }
    describeAnswers();
    mirrorOptions();
    mirrorFocus();
}

// The chosen check in the chooser, its rows' captions, and each field's unit and name for
// screen readers ("Oil volume GAL").
void ChecksView::mirrorCheck() {
    const Check &check = model_->check();
    widgets_.chooser->setCurrentIndex(model_->checkIndex());
    for (int row = 0; row < kMostCheckRows; ++row) {
        const bool shown = row < check.rowCount();
        QLabel *caption = widgets_.captions[row];
        caption->setText(shown ? text(check.row(row).name) : QString());
        caption->setVisible(shown);
        for (const bool metric : {false, true}) {
            const CheckField f{row, metric};
            const std::string_view unit = shown ? unitOf(check, f) : std::string_view();
            unitLabel(f)->setText(text(unit));
            fieldWidget(f)->setAccessibleName(shown ? withUnit(caption->text(), unit) : QString());
        }
    }
    mirrorColumns();
    mirrorGuide();
}

void ChecksView::mirrorGuide() {
    widgets_.guide->setText(text(guideText(model_->check(), model_->units())));
}

void ChecksView::mirrorOptions() {
    for (auto units : {UnitSystem::imperial, UnitSystem::metric})
        showOption(buttonOf(units == UnitSystem::imperial ? ChecksControl::optImperial
                                                          : ChecksControl::optMetric),
                   model_->unitOption(units));
}

void ChecksView::mirrorFocus() {
    const ChecksFocus focus = model_->focus();
    if (const auto *field = std::get_if<CheckField>(&focus)) {
        showFocus(this, fieldWidget(*field), model_->field(*field));
        return;
    }
    const ChecksControl control = std::get<ChecksControl>(focus);
    showFocus(this, widgetOf(control));
    // A unit button shows its focus mark however it took the focus: a person must see that the
    // arrows switch the units there and that figures typed there go into no field.
    if (control == ChecksControl::optImperial || control == ChecksControl::optMetric) {
        setAttribute(Qt::WA_KeyboardFocusChange);
        widgetOf(control)->update();
    }
}

// The yellow fields on show that hold text, row by row: "Oil volume: 16.320 GAL, 61.779 L".
void ChecksView::describeAnswers() {
    const Check &check = model_->check();
    QStringList rows;
    for (int row = 0; row < check.rowCount(); ++row) {
        QStringList figures;
        for (const bool metric : {false, true}) {
            const Field &f = model_->field({row, metric});
            if (f.Visible && f.Locked && !f.Text.empty())
                figures << withUnit(QString::fromStdString(f.Text), unitOf(check, {row, metric}));
        }
        if (!figures.isEmpty())
            rows << text(check.row(row).name) + QStringLiteral(": ") +
                        figures.join(QStringLiteral(", "));
    }
    liftcalc::describeAnswers(this, widgetOf(ChecksControl::cmdCalculate), rows);
}

} // namespace liftcalc
