// SPDX-License-Identifier: MIT
// Building the record window's widgets from the model's tables: the commands' menu, the lift
// and the visit side by side as forms, and the entries under them.
#include "record/words.h"
#include "ui/record_table.h"
#include "ui/record_view.h"
#include "ui/widget_binding.h"

#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>

namespace liftcalc {
namespace {

namespace words = record::words;

// A caption as a label shows it, without an access key of its own.
QString plain(std::string_view caption) {
    return text(caption).remove(QLatin1Char('&'));
}

} // namespace

void RecordView::createWidgets() {
    auto *layout = new QVBoxLayout(this);
    createMenu(layout);
    auto *forms = new QHBoxLayout;
    forms->addWidget(createForm(0, kLiftFieldCount, words::kLiftGroup), 1);
    forms->addWidget(createForm(kLiftFieldCount, kFormFieldCount, words::kVisitGroup), 1);
    // On a small screen the form scrolls rather than squeezing the entries away.
    auto *formsPane = new QWidget;
    formsPane->setLayout(forms);
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("formScroll"));
    scroll->setWidget(formsPane);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    widgets_.form = scroll;
    layout->addWidget(scroll);
    layout->addWidget(createEntries(), 1);
}

void RecordView::createMenu(QLayout *layout) {
    auto *bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("menuBar"));
    QMenu *menu = bar->addMenu(text(words::kCommandMenu));
    menu->setObjectName(QStringLiteral("mnuRecord"));
    menu->setAccessibleName(plain(words::kCommandMenu));
    for (std::size_t i = 0; i < kRecordCommands.size(); ++i) {
        const RecordCommandDesign &design = kRecordCommands[i];
        QAction *action = menu->addAction(text(design.caption));
        action->setObjectName(text(design.name));
        if (!design.shortcut.empty()) {
            action->setShortcut(QKeySequence::fromString(text(design.shortcut)));
            action->setShortcutContext(Qt::WindowShortcut);
        }
        widgets_.commands[i] = action;
    }
    layout->setMenuBar(bar);
}

// One group of the form: a caption and a field a row, a figure's unit beside its field. The
// kinds of test are offered as the person types.
QWidget *RecordView::createForm(int first, int end, std::string_view heading) {
    auto *group = new QGroupBox(text(heading), this);
    group->setObjectName(text(heading).toLower());
    auto *form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (int i = first; i < end; ++i) {
        const FormFieldDesign &design = kFormFields[static_cast<std::size_t>(i)];
        auto *field = new QLineEdit(group);
        field->setObjectName(text(design.name));
        field->setAccessibleName(text(design.caption));
        field->setMaxLength(static_cast<int>(record::kLongestText));
        field->installEventFilter(this);
        widgets_.fields[static_cast<std::size_t>(i)] = field;
        auto *label = new QLabel(text(design.caption), group);
        label->setBuddy(field);
        if (design.name == "kind") {
            QStringList kinds;
            for (const std::string_view kind : words::kKindsOfTest)
                kinds << text(kind);
            auto *completer = new QCompleter(kinds, field);
            completer->setCaseSensitivity(Qt::CaseInsensitive);
            field->setCompleter(completer);
        }
        if (design.measure < 0) {
            form->addRow(label, field);
            continue;
        }
        auto *units = new QComboBox(group);
        const auto &quantity = record::kLiftQuantities[static_cast<std::size_t>(design.measure)];
        units->setObjectName(text(design.name) + QStringLiteral("_unit"));
        units->setAccessibleName(text(design.caption) + QStringLiteral(" unit"));
        units->addItem(text(quantity.imperialUnit));
        units->addItem(text(quantity.metricUnit));
        // One width for every unit, so that the fields line up.
        units->setMinimumContentsLength(3);
        units->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        units->installEventFilter(this);
        widgets_.units[static_cast<std::size_t>(design.measure)] = units;
        auto *row = new QHBoxLayout;
        row->addWidget(field, 1);
        row->addWidget(units);
        form->addRow(label, row);
    }
    return group;
}

// The list of entries, its cells set in place, and the buttons that delete and move the
// current entry.
QWidget *RecordView::createEntries() {
    auto *group = new QGroupBox(text(words::kEntriesGroup), this);
    group->setObjectName(QStringLiteral("entriesGroup"));
    auto *layout = new QVBoxLayout(group);
    auto *view = new QTableView(group);
    view->setObjectName(QStringLiteral("entries"));
    view->setAccessibleName(text(words::kEntriesGroup));
    widgets_.table = new RecordTable(*model_, view);
    view->setModel(widgets_.table);
    view->setItemDelegate(new VerdictDelegate(view));
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    view->setWordWrap(true);
    view->verticalHeader()->setVisible(false);
    // The figures take the room the other columns leave; a cell too long for it shows whole
    // as its tooltip.
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view->horizontalHeader()->setSectionResizeMode(static_cast<int>(record::words::Column::figures),
                                                   QHeaderView::Stretch);
    view->setTabKeyNavigation(false);
    view->installEventFilter(this);
    widgets_.entries = view;
    layout->addWidget(view, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (std::size_t i = 1; i < kRecordControls.size(); ++i) {
        auto *button = new QPushButton(text(kRecordControls[i].caption), group);
        button->setObjectName(text(kRecordControls[i].name));
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::TabFocus);
        button->installEventFilter(this);
        widgets_.buttons[i - 1] = button;
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    return group;
}

} // namespace liftcalc
