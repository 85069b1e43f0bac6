// SPDX-License-Identifier: MIT
// A shown field checks window for widget tests, over a window standing in for the calculator,
// with a host that keeps message boxes instead of showing them, so no test blocks on a box.
#pragma once

#include "ui/checks_view.h"
#include "window/checks_keys.h"
#include "window/recording_host.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace liftcalc::test {

inline QString focusName() {
    const QWidget *w = QApplication::focusWidget();
    return w ? w->objectName() : QStringLiteral("(none)");
}

// Waits until the window has the keyboard. Qt counts a window over another as active as soon as
// the one below is, so this asks the application which window it gives the keys to.
inline bool waitActive(QWidget *window) {
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

// The model's boxes go to the recording host rather than to the view's real boxes.
struct ChecksUnderTest {
    ChecksUnderTest() { model.setMessageHost(&host); }

    RecordingHost host;
    QWidget owner;
    std::shared_ptr<ChecksWindow> shared =
        std::make_shared<ChecksWindow>(host, NumberFormat::english(), UnitSystem::imperial);
    ChecksView view{shared, &owner};
    ChecksWindow &model = *shared;

    // Opens the window as the program does and waits until it can take keys.
    bool start() {
        owner.show();
        view.showOver();
        return waitActive(&view);
    }

    QLineEdit *field(CheckField f) const {
        return view.findChild<QLineEdit *>(QStringLiteral("row%1%2").arg(f.row).arg(
            f.metric ? QStringLiteral("Metric") : QStringLiteral("Imperial")));
    }
    // The field a person types the row's figure into.
    QLineEdit *typed(int row) const { return field(model.typedField(row)); }
    QAbstractButton *button(const char *name) const {
        return view.findChild<QAbstractButton *>(QLatin1String(name));
    }
    QComboBox *chooser() const { return view.findChild<QComboBox *>(QStringLiteral("chooser")); }

    // The object name of the widget for what the model has focused.
    QString modelFocusName() const {
        const ChecksFocus focus = model.focus();
        if (const auto *f = std::get_if<CheckField>(&focus))
            return field(*f)->objectName();
        const std::string_view name =
            kChecksControls[static_cast<std::size_t>(std::get<ChecksControl>(focus))].name;
        return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }

    QWidget *keyTarget() const {
        QWidget *w = QApplication::focusWidget();
        return w ? w : const_cast<ChecksView *>(&view);
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(keyTarget(), key, modifiers);
    }
    // Clicks into each input of the chosen column in turn, selects its whole text (a click
    // into the field that has the focus only moves the caret) and types its figure over it.
    void typeInputs(const QStringList &figures) {
        for (int row = 0; row < figures.size(); ++row) {
            QTest::mouseClick(typed(row), Qt::LeftButton);
            QTest::keyClick(typed(row), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(typed(row), figures[row]);
        }
    }
};

} // namespace liftcalc::test
