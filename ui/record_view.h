// SPDX-License-Identifier: MIT
// The test record window on screen: Qt widgets bound to the record window model.
//
// The model (liftcalc::RecordWindow) holds everything the window shows and decides everything
// that happens. This class only
//  - builds the commands' menu, the lift and the visit as a form (each figure with its unit
//    beside it), the list of entries and the buttons under it;
//  - mirrors every change the model announces into its widgets at once;
//  - reports what a person does (edits, selections, the units, a row chosen, a cell set, the
//    buttons, the commands, the keys, closing) to the model, and never reads a widget to decide
//    what follows.
// The model's focus is the window's focus. Its message boxes, dialogs and printer stand over
// this window, through a host of its own.
#pragma once

#include "ui/desktop_host.h"
#include "window/record_actions.h"
#include "window/record_window.h"

#include <QWidget>
#include <array>
#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTableView;

namespace liftcalc {

class RecordTable;

class RecordView : public QWidget {
public:
    // A window on the model given. With an owner it stands over the owner's window. Its boxes,
    // dialogs and printer stand over it, unless HOST is given to take them instead.
    explicit RecordView(std::shared_ptr<RecordWindow> model, QWidget *owner = nullptr,
                        RecordHost *host = nullptr);
    ~RecordView() override;

    // Shows the window for the first time, small enough for the screen, centred over its owner
    // (or its screen), with the keyboard where the model's focus is.
    void showOver();

    RecordWindow &model() { return *model_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // Building (record_widgets.cpp).
    void createWidgets();
    QWidget *createForm(int first, int end, std::string_view heading);
    QWidget *createEntries();
    void createMenu(QLayout *layout);

    // Model to widgets (record_mirror.cpp).
    void connectModel();
    void mirror(const RecordChange &change);
    void mirrorAll();
    void mirrorUnit(int measure);
    void mirrorEntries();
    void mirrorCurrent();
    void mirrorButtons();
    void mirrorFocus();

    // A person's actions to the model (record_input.cpp).
    void connectInput();
    bool keyEvent(QObject *watched, QEvent *event);
    std::optional<RecordFocus> focusOf(const QObject *object) const;
    QWidget *widgetOf(const RecordFocus &focus) const;

    std::unique_ptr<DesktopHost> ownHost_;
    RecordHost *host_ = nullptr; // the one this view gave the model
    std::shared_ptr<RecordWindow> model_;
    QWidget *owner_;
    int connection_ = 0;
    struct {
        QScrollArea *form = nullptr;
        std::array<QLineEdit *, kFormFieldCount> fields{};
        std::array<QComboBox *, kMeasureCount> units{};
        QTableView *entries = nullptr;
        RecordTable *table = nullptr;
        // By RecordControl after the list.
        std::array<QPushButton *, kRecordControls.size() - 1> buttons{};
        std::array<QAction *, kRecordCommands.size()> commands{};
    } widgets_;
};

} // namespace liftcalc
