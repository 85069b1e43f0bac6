// SPDX-License-Identifier: MIT
// Mirroring the checks window model into the widgets, one property at a time, as it changes.
#include "ui/checks_view.h"
#include "ui/widget_binding.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringList>

namespace liftcalc {

namespace {

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

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
    connection_ = model_.changed.connect([this](const ChecksChange &change) {
        std::visit([this](const auto &c) { mirrorChange(c); }, change);
    });
}

void ChecksView::mirrorChange(const ChecksFieldChanged &change) {
    const CheckField f = change.field;
    switch (change.property) {
    case ChecksFieldChanged::Property::Text:
        mirrorText(f);
        break;
    case ChecksFieldChanged::Property::Selection:
        mirrorSelection(f);
        return;
    case ChecksFieldChanged::Property::Visible:
        fieldWidget(f)->setVisible(model_.field(f).visible);
        unitLabel(f)->setVisible(model_.field(f).visible);
        break;
    case ChecksFieldChanged::Property::Locked:
        mirrorLook(f);
        break;
    }
    describeAnswers();
}

void ChecksView::mirrorChange(const CheckChosen &) {
    mirrorCheck();
}

void ChecksView::mirrorChange(const ChecksUnitsChanged &) {
    mirrorColumns();
    mirrorOptions();
}

void ChecksView::mirrorChange(const ChecksFocusMoved &) {
    mirrorFocus();
}

void ChecksView::mirrorChange(const ChecksClosed &) {
    close();
}

void ChecksView::mirrorAll() {
    mirrorCheck();
    for (int slot = 0; slot < kChecksFieldCount; ++slot) {
        const CheckField f{slot / 2, slot % 2 == 1};
        for (auto property :
             {ChecksFieldChanged::Property::Text, ChecksFieldChanged::Property::Visible,
              ChecksFieldChanged::Property::Locked})
            mirrorChange(ChecksFieldChanged{f, property});
    }
    mirrorOptions();
    mirrorFocus();
}

// The chosen check in the chooser, its rows' captions, and each field's unit and name for
// screen readers ("Oil volume GAL").
void ChecksView::mirrorCheck() {
    const Check &check = model_.check();
    widgets_.chooser->setCurrentIndex(model_.checkIndex());
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
}

void ChecksView::mirrorText(CheckField f) {
    const ChecksFieldState &state = model_.field(f);
    showText(fieldWidget(f), QString::fromStdString(state.text), {state.selStart, state.selLength});
}

void ChecksView::mirrorSelection(CheckField f) {
    const ChecksFieldState &state = model_.field(f);
    showSelection(fieldWidget(f), {state.selStart, state.selLength});
}

// An open field is white and a locked one yellow, both with dark text whatever the theme; a
// locked field still takes a click, so that its figure can be selected and copied, but Tab
// (the model's) passes it by.
void ChecksView::mirrorLook(CheckField f) {
    QLineEdit *field = fieldWidget(f);
    const bool locked = model_.field(f).locked;
    field->setReadOnly(locked);
    field->setFocusPolicy(locked ? Qt::ClickFocus : Qt::StrongFocus);
    QPalette palette = field->palette();
    const QColor background = qtColour(locked ? colours::yellow : colours::white, palette);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, textOn(background));
    field->setPalette(palette);
}

// The chosen unit's button is checked and its caption red and bold, the other's black, as in
// the calculator window, each in a shade readable on the theme's background.
void ChecksView::mirrorOptions() {
    for (auto id : {ChecksControl::optImperial, ChecksControl::optMetric}) {
        auto *button = static_cast<QAbstractButton *>(widgets_.controls[static_cast<int>(id)]);
        const bool chosen = (id == ChecksControl::optImperial) == model_.imperial();
        {
            const QSignalBlocker quiet(button);
            button->setChecked(chosen);
        }
        QPalette palette = button->palette();
        const QPalette theme = QApplication::palette(button);
        const QColor colour = readableOn(qtColour(chosen ? colours::red : colours::black, theme),
                                         theme.color(QPalette::Window));
        palette.setColor(QPalette::WindowText, colour);
        palette.setColor(QPalette::ButtonText, colour);
        button->setPalette(palette);
        QFont font = button->font();
        font.setBold(chosen);
        button->setFont(font);
    }
}

void ChecksView::mirrorFocus() {
    const ChecksFocus focus = model_.focus();
    QWidget *widget = widgetOf(focus);
    if (focusWidget() != widget)
        widget->setFocus(Qt::OtherFocusReason);
    // A line edit drops its selection when it loses the focus; the model's comes back with it.
    if (const auto *field = std::get_if<CheckField>(&focus))
        mirrorSelection(*field);
}

// The yellow fields on show that hold text, row by row: "Oil volume: 16.320 GAL, 61.779 L".
// Tab does not visit them, so the window and the Calculate button carry them as their
// description, read out on Tab to Calculate.
void ChecksView::describeAnswers() {
    const Check &check = model_.check();
    QStringList rows;
    for (int row = 0; row < check.rowCount(); ++row) {
        QStringList figures;
        for (const bool metric : {false, true}) {
            const ChecksFieldState &f = model_.field({row, metric});
            if (f.visible && f.locked && !f.text.empty())
                figures << withUnit(QString::fromStdString(f.text), unitOf(check, {row, metric}));
        }
        if (!figures.isEmpty())
            rows << text(check.row(row).name) + QStringLiteral(": ") +
                        figures.join(QStringLiteral(", "));
    }
    const QString answers = rows.join(QStringLiteral("; "));
    if (accessibleDescription() == answers)
        return;
    setAccessibleDescription(answers);
    QWidget *calculate = widgets_.controls[static_cast<int>(ChecksControl::cmdCalculate)];
    // Without answers the button's description is its tooltip, as for the other buttons.
    calculate->setAccessibleDescription(
        answers.isEmpty() ? QString() : calculate->toolTip() + QStringLiteral(". ") + answers);
}

} // namespace liftcalc
