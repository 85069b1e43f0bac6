// SPDX-License-Identifier: MIT
// The field checks window on screen: Qt widgets bound to the checks window model.
//
// The model (liftcalc::ChecksWindow) holds everything the window shows and decides everything
// that happens. This class only
//  - builds the chooser, the two unit buttons, the three command buttons and, for every row a
//    check can have, a caption and an imperial and a metric field with their units;
//  - mirrors every change the model announces into its widgets at once;
//  - reports what a person does (edits, selections, clicks, the chooser's pick, Tab, Enter, Esc,
//    the arrows, access keys, closing) to the model, and never reads a widget to decide what
//    follows.
// The model's focus is the window's focus. Each window has a model of its own, which ends with
// it: the window is built when it is opened and goes when it is closed.
#pragma once

#include "ui/form_look.h"
#include "ui/message_box_host.h"
#include "window/checks_window.h"

#include <QWidget>
#include <array>
#include <optional>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace liftcalc {

class ChecksView : public QWidget {
public:
    // A window on a model of its own, opened on the first check in the given unit system. Its
    // message boxes go to `host`, or without one to real modal boxes over this window. With an
    // owner it stands over the owner's window and closes with it.
    ChecksView(const NumberFormat &format, UnitSystem units, QWidget *owner = nullptr,
               WindowHost *host = nullptr);
    ~ChecksView() override;

    // Shows the window for the first time, centred over its owner (or its screen), small
    // enough for the screen, with the keyboard in its first input.
    void showOver();

    ChecksWindow &model() { return model_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // Building and sizing (checks_widgets.cpp).
    void createWidgets();
    QLayout *createTop();
    QGridLayout *createRows();
    QLayout *createButtons();
    void fitToScreen(const QScreen *screen);
    void applyFonts(const TwipScale &scale);

    // Model to widgets (checks_mirror.cpp).
    void connectModel();
    void mirrorChange(const ChecksFieldChanged &change);
    void mirrorChange(const CheckChosen &change);
    void mirrorChange(const ChecksUnitsChanged &change);
    void mirrorChange(const ChecksFocusMoved &change);
    void mirrorChange(const ChecksClosed &change);
    void mirrorAll();
    void mirrorCheck();
    void mirrorColumns();
    void mirrorText(CheckField field);
    void mirrorSelection(CheckField field);
    void mirrorLook(CheckField field);
    void mirrorOptions();
    void mirrorFocus();
    void describeAnswers();

    // A person's actions to the model (checks_input.cpp).
    void connectInput();
    void fieldEdited(CheckField field, const QString &text);
    void fieldSelectionChanged(CheckField field);
    void controlClicked(ChecksControl control);
    bool fieldEvent(CheckField field, QEvent *event);
    bool chooserEvent(QEvent *event);
    bool keyEvent(QObject *watched, QEvent *event);

    QLineEdit *fieldWidget(CheckField field) const;
    QLabel *unitLabel(CheckField field) const;
    QWidget *widgetOf(const ChecksFocus &focus) const;
    std::optional<CheckField> fieldOf(const QObject *object) const;
    std::optional<ChecksControl> controlOf(const QObject *object) const;

    MessageBoxHost boxes_;
    ChecksWindow model_;
    QWidget *owner_;
    int connection_ = 0;
    struct {
        // By ChecksControl: the chooser, then the unit and command buttons.
        std::array<QWidget *, static_cast<int>(ChecksControl::cmdClose) + 1> controls{};
        QComboBox *chooser = nullptr;
        QLabel *chooserLabel = nullptr;
        QGridLayout *rows = nullptr;
        std::array<QLabel *, kMostCheckRows> captions{};
        std::array<QLineEdit *, kChecksFieldCount> fields{}; // by fieldSlot
        std::array<QLabel *, kChecksFieldCount> units{};     // beside each field
    } widgets_;
};

// Opens the field checks window over `owner` (the calculator window), in the unit system given,
// or brings the one already open there forward. The window is built here, when it is first
// opened, and deletes itself when it is closed; it also closes when its owner does.
ChecksView *openChecks(QWidget *owner, const NumberFormat &format, UnitSystem units);

} // namespace liftcalc
