// SPDX-License-Identifier: MIT
// A shown calculator window for widget tests: the model, its Qt binding, and a host that keeps
// message boxes instead of showing them, so no test ever blocks on a modal box.
#pragma once

#include "tests/support/worked_example.h"
#include "ui/calculator_form.h"
#include "window/recording_host.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <vector>

namespace liftcalc::test {

struct FormUnderTest {
    RecordingHost host;
    Window model{host, NumberFormat::english()};
    CalculatorForm form{model};

    // Starts the window as the program does and waits until it can take keys.
    bool start() {
        model.start();
        form.showCentred();
        form.activateWindow();
        return QTest::qWaitForWindowActive(&form);
    }

    QLineEdit *field(int index) const {
        return form.findChild<QLineEdit *>(QStringLiteral("Text1_%1").arg(index));
    }
    QAbstractButton *button(const char *name) const {
        return form.findChild<QAbstractButton *>(QLatin1String(name));
    }
    QAction *menuItem(const char *name) const {
        return form.findChild<QAction *>(QLatin1String(name));
    }
    // Where keys go: the widget with the keyboard focus, as for a person at the keyboard.
    QWidget *keyTarget() const {
        QWidget *w = QApplication::focusWidget();
        return w ? w : const_cast<CalculatorForm *>(&form);
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(keyTarget(), key, modifiers);
    }
    // Clicks into a field, then types over the whole text it selects.
    void typeInto(int index, const QString &text) {
        QTest::mouseClick(field(index), Qt::LeftButton);
        QTest::keyClicks(field(index), text);
    }
    // Types the worked example's inputs into the window as it opened; Calculate is the test's.
    void typeWorkedExample() {
        for (const auto &[index, text] : testing::kWorkedInputs)
            typeInto(index, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    // Whether every field shows the worked example's answer.
    bool showsWorkedAnswers() const {
        for (const auto &[index, text] : testing::kWorkedAnswers)
            if (field(index)->text().toStdString() != text)
                return false;
        return true;
    }
};

} // namespace liftcalc::test
