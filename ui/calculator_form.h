// SPDX-License-Identifier: MIT
// The calculator window on screen: Qt widgets bound to the window model.
//
// The model (liftcalc::Window) holds everything the window shows and decides everything that
// happens. This class only
//  - builds one widget per control from the control and menu tables, with the control's
//    published name as objectName, so tests and accessibility tools find them;
//  - mirrors every change the model announces into its widget at once;
//  - reports what a person does (edits, selections, clicks, Tab, Enter, Esc, access keys, menu
//    items, closing) to the model, and never reads a widget to decide what follows.
// The model's focus is the window's focus: a person's click or key is reported, and the model's
// answer moves the real focus.
#pragma once

#include "ui/checks_view.h"
#include "ui/record_view.h"
#include "ui/form_look.h"
#include "window/menus.h"
#include "window/window.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <optional>
#include <string_view>

class QAbstractButton;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScreen;

namespace liftcalc {

// Makes the calculator's title a heading for screen readers; once, before the first window.
void installHeadingAccessibility();

class CalculatorForm : public QMainWindow {
public:
    explicit CalculatorForm(Window &model, QWidget *parent = nullptr);
    ~CalculatorForm() override;

    // Shows the window for the first time, centred on its screen and small enough for it.
    void showCentred();

    Window &model() { return model_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // Building (form_widgets.cpp).
    void createWidgets();
    void createFields(QWidget *client);
    void createLabels(QWidget *client);
    void createButtons(QWidget *client);
    void createMenus();

    // Size, place and colour on this screen and theme (form_layout.cpp).
    void fitToScreen(const QScreen *screen);
    void placeWidgets();
    void colourTexts();

    // Model to widgets (form_mirror.cpp).
    void connectModel();
    void mirror(const Change &change);
    void mirrorChange(const FieldChanged &change);
    void mirrorChange(const LabelChanged &change);
    void mirrorChange(const MenuCheckChanged &change);
    void mirrorChange(const OptionChanged &change);
    void mirrorChange(const FocusMoved &change);
    void mirrorChange(const WindowUnloaded &change);
    void mirrorChange(const SecondaryShown &change);
    void mirrorAll();
    void mirrorOption(ControlId option);
    void mirrorFocus();
    void mirrorMenuChecks();
    void describeAnswers();

    // A person's actions to the model (form_input.cpp).
    void connectInput();
    void buttonClicked(ControlId control);
    void menuChosen(MenuItem item);
    bool fieldEvent(int index, QEvent *event);
    bool keyEvent(QObject *watched, QEvent *event);
    // A key as the window names it, to the model: false when it is not one of the window's.
    bool pressKey(std::string_view name);

    QWidget *widgetOf(ControlId control) const;
    QAbstractButton *buttonOf(ControlId control) const;
    int fieldIndexOf(QObject *object) const;
    std::optional<ControlId> buttonIdOf(QObject *object) const;

    Window &model_;
    TwipScale scale_{96.0};
    int connection_ = 0;
    struct {
        std::array<QLineEdit *, kFieldCount> fields{};
        std::array<QLabel *, kLabelCount> labels{};
        std::array<QAbstractButton *, kButtons.size()> buttons{}; // in the order of kButtons
        QGroupBox *frame = nullptr;
        std::array<QAction *, kMenuItemCount> menuItems{}; // menus of the menu bar: null
    } widgets_;
    QPointer<ChecksView> checks_; // the field checks window on show
    QPointer<RecordView> record_; // the test record window on show
};

} // namespace liftcalc
