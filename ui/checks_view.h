// SPDX-License-Identifier: MIT
// The field checks window on screen: Qt widgets bound to the checks window model.
//
// The model (liftcalc::ChecksWindow) holds everything the window shows and decides everything
// that happens. This class only
//  - builds the chooser, the two unit buttons, the three command buttons, for every row a check
//    can have a caption and an imperial and a metric field with their units, and under the rows
//    the check's help;
//  - mirrors every change the model announces into its widgets at once;
//  - reports what a person does (edits, selections, clicks, the chooser's pick, Tab, Enter, Esc,
//    the arrows, access keys, closing) to the model, and never reads a widget to decide what
//    follows.
// The model's focus is the window's focus. The calculator window's model opens the checks
// window's model and says so; its front end then builds this window over it, which keeps the
// model while it shows it and goes when the model closes.
#pragma once

#include "ui/form_look.h"
#include "ui/message_box_host.h"
#include "window/checks_keys.h"
#include "window/checks_window.h"

#include <QElapsedTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

class QAbstractButton;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace liftcalc {

class ChecksView : public QWidget {
public:
    // A window on the model given, whose message boxes it shows as real modal boxes over
    // itself. With an owner it stands over the owner's window.
    explicit ChecksView(std::shared_ptr<ChecksWindow> model, QWidget *owner = nullptr);
    ~ChecksView() override;

    // Shows the window for the first time, centred over its owner (or its screen), small
    // enough for the screen, with the keyboard in its first input.
    void showOver();

    ChecksWindow &model() { return *model_; }

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
    QWidget *createGuide();
    QLayout *createButtons();
    void fitToScreen(const QScreen *screen);
    void applyFonts(const TwipScale &scale);

    // Model to widgets (checks_mirror.cpp).
    void connectModel();
    void mirrorChange(const FieldChanged &change);
    void mirrorChange(const CheckChosen &change);
    void mirrorChange(const ChecksUnitsChanged &change);
    void mirrorChange(const FocusMoved &change);
    void mirrorChange(const ChecksClosed &change);
    void mirrorAll();
    void mirrorCheck();
    void mirrorColumns();
    void mirrorOptions();
    void mirrorFocus();
    void mirrorGuide();
    void describeAnswers();

    // A person's actions to the model (checks_input.cpp).
    void connectInput();
    void controlClicked(ChecksControl control);
    bool fieldEvent(CheckField field, QEvent *event);
    bool chooserEvent(QEvent *event);
    bool keyEvent(QObject *watched, QEvent *event);

    QLineEdit *fieldWidget(CheckField field) const;
    QLabel *unitLabel(CheckField field) const;
    QWidget *widgetOf(ChecksControl control) const;
    QAbstractButton *buttonOf(ChecksControl control) const;
    std::optional<CheckField> fieldOf(const QObject *object) const;
    std::optional<ChecksControl> controlOf(const QObject *object) const;

    // The letters typed on the chooser in quick succession, and when the last came.
    QString typedOnChooser_;
    QElapsedTimer typedAt_;

    MessageBoxHost boxes_;
    std::shared_ptr<ChecksWindow> model_;
    QWidget *owner_;
    int connection_ = 0;
    struct {
        QComboBox *chooser = nullptr;
        // By ChecksControl after the chooser: the unit and command buttons.
        std::array<QAbstractButton *, kChecksControls.size() - 1> buttons{};
        QLabel *chooserLabel = nullptr;
        QGridLayout *rows = nullptr;
        std::array<QLabel *, kMostCheckRows> captions{};
        std::array<QLineEdit *, kChecksFieldCount> fields{}; // by fieldSlot
        std::array<QLabel *, kChecksFieldCount> units{};     // beside each field
        QLabel *guide = nullptr;                             // the check's help, under the rows
    } widgets_;
};

} // namespace liftcalc
