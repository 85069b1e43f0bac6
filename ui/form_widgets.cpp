// SPDX-License-Identifier: MIT
// Building the widgets and menus of the calculator window from the control and menu tables.
#include "ui/calculator_form.h"
#include "ui/widget_binding.h"

#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <limits>

namespace liftcalc {

// Sizes, places and fonts come later, once the screen is known (placeWidgets).
void CalculatorForm::createWidgets() {
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->installEventFilter(this);
    setCentralWidget(client);
    createLabels(client);
    createFields(client);
    createButtons(client);
    // The layout is fixed: nothing moves or grows with the window.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void CalculatorForm::createFields(QWidget *client) {
    for (int i = 0; i < kFieldCount; ++i) {
        auto *field = new QLineEdit(client);
        field->setObjectName(QStringLiteral("Text1_%1").arg(i));
        field->setAccessibleName(QString::fromStdString(liftcalc::accessibleName(i)));
        // A field holds whatever the model holds, not Qt's default of 32,767 characters, so
        // that a long paste gives the figures the other front ends give for the same text.
        field->setMaxLength(std::numeric_limits<int>::max());
        field->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        field->installEventFilter(this);
        widgets_.fields[i] = field;
    }
}

void CalculatorForm::createLabels(QWidget *client) {
    for (int i = 0; i < kLabelCount; ++i) {
        const LabelDesign &design = kLabels[i];
        auto *label = new QLabel(client);
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment((design.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        widgets_.labels[i] = label;
    }
}

void CalculatorForm::createButtons(QWidget *client) {
    // A group box without a title, so that screen readers announce the option buttons as one
    // group, named after the Units menu, which makes the same choice.
    widgets_.frame = new QGroupBox(client);
    widgets_.frame->setObjectName(QStringLiteral("Frame1"));
    widgets_.frame->setAccessibleName(QStringLiteral("Units"));

    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        const ButtonDesign &design = kButtons[i];
        QAbstractButton *button = nullptr;
        if (design.id == ControlId::optImperial || design.id == ControlId::optMetric) {
            // Auto-exclusive, as option buttons are, so that screen readers call them radio
            // buttons; the model still decides which is chosen, and the mirror follows it.
            button = new QRadioButton(widgets_.frame);
        } else {
            auto *push = new QPushButton(client);
            push->setAutoDefault(false);
            push->setDefault(design.role == ButtonRole::Default);
            button = push;
        }
        button->setObjectName(text(design.name));
        button->setText(text(design.caption));
        button->setToolTip(text(design.toolTip));
        // A click is reported to the model, which then moves the focus itself.
        button->setFocusPolicy(Qt::TabFocus);
        button->installEventFilter(this);
        widgets_.buttons[i] = button;
    }
}

void CalculatorForm::createMenus() {
    std::array<QMenu *, kMenuItemCount> menus{};
    for (const MenuDesign &design : kMenus) {
        if (!design.parent) {
            QMenu *menu = menuBar()->addMenu(text(design.caption));
            menu->setObjectName(text(design.name));
            // The open menu's name for screen readers: its caption without the access key.
            menu->setAccessibleName(menu->menuAction()->iconText());
            menus[static_cast<int>(design.item)] = menu;
            continue;
        }
        QAction *action = menus[static_cast<int>(*design.parent)]->addAction(text(design.caption));
        action->setObjectName(text(design.name));
        action->setCheckable(true);
        if (!design.shortcut.empty())
            action->setShortcut(QKeySequence::fromString(text(design.shortcut)));
        widgets_.menuItems[static_cast<int>(design.item)] = action;
    }
}

} // namespace liftcalc
