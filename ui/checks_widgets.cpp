// SPDX-License-Identifier: MIT
// Building the checks window: the chooser and the unit buttons above, a caption and two fields
// with their units for every row a check can have, and the command buttons below; sized for
// the screen it opens on.
#include "ui/checks_view.h"
#include "ui/widget_binding.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>
#include <iterator>
#include <limits>
#include <span>

namespace liftcalc {

namespace {

// The unit buttons and the command buttons; the chooser has a label of its own.
constexpr std::span<const ChecksControlDesign> kChecksButtons{std::begin(kChecksControls) + 1,
                                                              std::end(kChecksControls)};

// The columns of the rows: the caption, then each system's field and unit, with a gap between.
constexpr int kCaptionColumn = 0;
constexpr int kGapColumn = 3;
constexpr int kGap = 16;

// The widest figure a field is made for: a seven-digit answer, grouped, to three decimals.
constexpr auto kWidestFigure = "0,000,000.000";

bool isOption(ChecksControl id) {
    return id == ChecksControl::optImperial || id == ChecksControl::optMetric;
}

// The widest of the texts `texts` gives for every row of every check, so that a column keeps
// one width whichever check is shown.
template <class Texts> int widestOfRows(const QFontMetrics &metrics, Texts texts) {
    int width = 0;
    for (const Check *check : checks::kAll)
        for (int row = 0; row < check->rowCount(); ++row)
            for (const std::string_view s : texts(check->row(row)))
                width = std::max(width, metrics.horizontalAdvance(text(s)));
    return width;
}

int fieldColumn(bool metric) {
    return metric ? kGapColumn + 1 : kCaptionColumn + 1;
}

// A hidden row keeps its place, spacing included, so that the window keeps the size of the
// check with the most rows and its buttons stay where they are.
void keepPlaceWhenHidden(QWidget *widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

// The height the longest help of any check, in either unit system, takes at this width.
int tallestGuide(const QFontMetrics &metrics, int width) {
    int height = 0;
    for (const Check *check : checks::kAll)
        for (const auto units : {UnitSystem::imperial, UnitSystem::metric})
            height =
                std::max(height, metrics
                                     .boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap,
                                                   text(guideText(*check, units)))
                                     .height());
    return height;
}

} // namespace

void ChecksView::createWidgets() {
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(createTop());
    layout->addLayout(createRows());
    layout->addWidget(createGuide());
    layout->addLayout(createButtons());
    // Nothing moves or grows with the window, and it keeps one size for every check.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// The chooser with its label, and the two unit buttons in a group that screen readers announce
// as Units; the command buttons are made here too, from the same table, and placed below.
QLayout *ChecksView::createTop() {
    auto *chooser = new QComboBox(this);
    chooser->setObjectName(QStringLiteral("chooser"));
    for (const Check *check : checks::kAll)
        chooser->addItem(text(check->title));
    widgets_.chooser = chooser;
    widgets_.chooserLabel =
        new QLabel(text(kChecksControls[static_cast<int>(ChecksControl::chooser)].caption), this);
    widgets_.chooserLabel->setObjectName(QStringLiteral("chooserLabel"));
    // Screen readers take the chooser's name from the check it shows, and its label from here.
    widgets_.chooserLabel->setBuddy(chooser);

    auto *units = new QGroupBox(this);
    units->setObjectName(QStringLiteral("units"));
    units->setAccessibleName(QStringLiteral("Units"));
    auto *options = new QHBoxLayout(units);
    for (const ChecksControlDesign &design : kChecksButtons) {
        QAbstractButton *button = nullptr;
        if (isOption(design.control)) {
            // Auto-exclusive, so that screen readers call them radio buttons; the model still
            // decides which is chosen, and the mirror follows it.
            button = new QRadioButton(units);
            options->addWidget(button);
        } else {
            auto *push = new QPushButton(this);
            push->setAutoDefault(false);
            push->setDefault(design.control == ChecksControl::cmdCalculate);
            button = push;
        }
        button->setObjectName(text(design.name));
        button->setText(text(design.caption));
        button->setToolTip(text(design.toolTip));
        widgets_.buttons[static_cast<int>(design.control) - 1] = button;
    }
    // A click or key is reported to the model, which then moves the focus itself.
    for (const ChecksControlDesign &design : kChecksControls) {
        QWidget *control = widgetOf(design.control);
        control->setFocusPolicy(Qt::TabFocus);
        control->installEventFilter(this);
    }
    widgets_.chooserLabel->installEventFilter(this);

    auto *top = new QHBoxLayout;
    top->addWidget(widgets_.chooserLabel);
    top->addWidget(chooser);
    top->addSpacing(kGap);
    top->addStretch();
    top->addWidget(units);
    return top;
}

QGridLayout *ChecksView::createRows() {
    auto *grid = new QGridLayout;
    grid->setColumnMinimumWidth(kGapColumn, kGap);
    for (int row = 0; row < kMostCheckRows; ++row) {
        auto *caption = new QLabel(this);
        caption->setObjectName(QStringLiteral("caption%1").arg(row));
        caption->setTextFormat(Qt::PlainText);
        keepPlaceWhenHidden(caption);
        grid->addWidget(caption, row, kCaptionColumn);
        widgets_.captions[row] = caption;
        for (const bool metric : {false, true}) {
            const CheckField f{row, metric};
            const QString name = QStringLiteral("row%1%2").arg(row).arg(
                metric ? QStringLiteral("Metric") : QStringLiteral("Imperial"));
            auto *field = new QLineEdit(this);
            field->setObjectName(name);
            // A field holds whatever the model holds, not Qt's default of 32,767 characters.
            field->setMaxLength(std::numeric_limits<int>::max());
            field->installEventFilter(this);
            auto *unit = new QLabel(this);
            unit->setObjectName(name + QStringLiteral("Unit"));
            unit->setTextFormat(Qt::PlainText);
            keepPlaceWhenHidden(field);
            keepPlaceWhenHidden(unit);
            grid->addWidget(field, row, fieldColumn(metric));
            grid->addWidget(unit, row, fieldColumn(metric) + 1);
            widgets_.fields[fieldSlot(f)] = field;
            widgets_.units[fieldSlot(f)] = unit;
        }
    }
    widgets_.rows = grid;
    return grid;
}

// Where the readings are taken and how the answers are worked, as the command line's help says
// it; screen readers read it as the label's text.
QWidget *ChecksView::createGuide() {
    auto *guide = new QLabel(this);
    guide->setObjectName(QStringLiteral("guide"));
    guide->setTextFormat(Qt::PlainText);
    guide->setWordWrap(true);
    guide->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    widgets_.guide = guide;
    return guide;
}

QLayout *ChecksView::createButtons() {
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (auto id : {ChecksControl::cmdCalculate, ChecksControl::cmdAddToRecord,
                    ChecksControl::cmdClear, ChecksControl::cmdClose})
        buttons->addWidget(buttonOf(id));
    return buttons;
}

// A row without unit systems has its one field, and its unit, in the chosen system's column.
void ChecksView::mirrorColumns() {
    QGridLayout *grid = widgets_.rows;
    const Check &check = model_->check();
    bool moved = false;
    for (int row = 0; row < kMostCheckRows; ++row) {
        const bool single = row < check.rowCount() && !check.row(row).units->bothSystems();
        const int column = fieldColumn(single && !model_->imperial());
        QLineEdit *field = fieldWidget({row, false});
        QLabel *unit = unitLabel({row, false});
        int at = 0, unused = 0;
        grid->getItemPosition(grid->indexOf(field), &unused, &at, &unused, &unused);
        if (at == column)
            continue;
        grid->removeWidget(field);
        grid->removeWidget(unit);
        grid->addWidget(field, row, column);
        grid->addWidget(unit, row, column + 1);
        moved = true;
    }
    // The new places at once, not when the layout next gets round to it.
    if (moved)
        layout()->activate();
}

void ChecksView::showOver() {
    const QScreen *screen = owner_ ? owner_->screen() : QGuiApplication::primaryScreen();
    fitToScreen(screen);
    adjustSize();
    if (screen) {
        const QRect room = screen->availableGeometry();
        QRect place = geometry().marginsAdded(frameGuess(*screen));
        place.moveCenter(owner_ && owner_->isVisible() ? owner_->frameGeometry().center()
                                                       : room.center());
        // Over the owner, but wholly on the screen where it fits there.
        const auto within = [](int at, int first, int last) {
            return std::clamp(at, first, std::max(first, last));
        };
        place.moveTo(within(place.left(), room.left(), room.right() + 1 - place.width()),
                     within(place.top(), room.top(), room.bottom() + 1 - place.height()));
        move(place.topLeft());
    }
    show();
    raise();
    // A window manager activates a new window; on a bare X server nothing would.
    activateWindow();
}

// On a screen too small for the window (a small one, or one scaled up) every font shrinks by
// one factor, and the fields and columns, measured in those fonts, with them. Margins and
// spacing stay as they are and fonts come in whole pixels, so the factor is found in steps of
// at least a twentieth.
void ChecksView::fitToScreen(const QScreen *screen) {
    double fit = 1.0;
    applyFonts(TwipScale(logicalDpiX(), fit));
    if (!screen)
        return;
    const QRect room = screen->availableGeometry().marginsRemoved(frameGuess(*screen));
    while (fit > kSmallestFit) {
        const QSize needed = sizeHint();
        const double shrink = std::min(double(room.width()) / needed.width(),
                                       double(room.height()) / needed.height());
        if (shrink >= 1.0)
            return;
        fit = std::max(kSmallestFit, fit * std::min(shrink, 0.95));
        applyFonts(TwipScale(logicalDpiX(), fit));
    }
}

void ChecksView::applyFonts(const TwipScale &scale) {
    const QFont font = controlFont(scale);
    setFont(font);
    // Each unit button is as wide as its bold caption, so that neither moves when the other
    // is chosen.
    for (auto id : {ChecksControl::optImperial, ChecksControl::optMetric}) {
        QAbstractButton *button = buttonOf(id);
        QFont bold = optionFont(scale);
        bold.setBold(true);
        button->setFont(bold);
        button->setMinimumWidth(0);
        button->setMinimumWidth(button->sizeHint().width());
    }
    mirrorOptions(); // the chosen unit's boldness is the model's

    const QFontMetrics metrics(font);
    // Room for the widest figure inside the field's frame and margins.
    const int fieldWidth =
        metrics.horizontalAdvance(QLatin1String(kWidestFigure)) + 2 * metrics.averageCharWidth();
    for (QLineEdit *field : widgets_.fields)
        field->setFixedWidth(fieldWidth);
    QGridLayout *grid = widgets_.rows;
    grid->setColumnMinimumWidth(kCaptionColumn, widestOfRows(metrics, [](const CheckRow &r) {
                                    return std::array{r.name};
                                }));
    const int unitWidth = widestOfRows(metrics, [](const CheckRow &r) {
        return std::array{r.units->imperial, r.units->metric};
    });
    for (const bool metric : {false, true})
        grid->setColumnMinimumWidth(fieldColumn(metric) + 1, unitWidth);
    // A combo box measures its longest item anew in a new font, but keeps the least width it
    // first measured; so its width is set from the new measure.
    widgets_.chooser->setFixedWidth(widgets_.chooser->sizeHint().width());
    // The help wraps within the rows' width and keeps the height of the longest, so that it
    // neither widens the window nor moves the buttons from check to check.
    widgets_.guide->setFixedSize(0, 0);
    layout()->activate();
    const QMargins margins = layout()->contentsMargins();
    const int width = layout()->sizeHint().width() - margins.left() - margins.right();
    widgets_.guide->setFixedSize(width, tallestGuide(metrics, width));
    // The rows and the rows of buttons measure themselves anew now, not when shown.
    layout()->activate();
}

} // namespace liftcalc
