// SPDX-License-Identifier: MIT
// What a screen reader is told: roles, names and the answers, read through Qt's accessibility
// interfaces, which the desktop's accessibility bus exposes as they are.
#include "form_fixture.h"

#include <QAccessible>
#include <QLabel>
#include <QMenuBar>

using namespace liftcalc;
using liftcalc::test::FormUnderTest;

namespace {
QAccessibleInterface *accessible(QObject *object) {
    return QAccessible::queryAccessibleInterface(object);
}
QString description(QObject *object) {
    return accessible(object)->text(QAccessible::Description);
}
} // namespace

class AccessTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        ui = std::make_unique<FormUnderTest>();
        QVERIFY(ui->start());
    }
    void cleanup() { ui.reset(); }

    // The unit buttons are radio buttons in a group named Units, the title is a heading, and
    // the open menus carry their captions.
    void rolesAndNames() {
        for (const char *name : {"optImperial", "optMetric"}) {
            QAccessibleInterface *option = accessible(ui->button(name));
            QCOMPARE(option->role(), QAccessible::RadioButton);
            QCOMPARE(option->parent()->role(), QAccessible::Grouping);
            QCOMPARE(option->parent()->text(QAccessible::Name), QStringLiteral("Units"));
        }
        QVERIFY(accessible(ui->button("optImperial"))->state().checked);
        QAccessibleInterface *heading = accessible(ui->form.findChild<QLabel *>("Label1_19"));
        QCOMPARE(heading->role(), QAccessible::Heading);
        QTest::keySequence(ui->keyTarget(), QKeySequence(QStringLiteral("Ctrl+L")));
        QCOMPARE(heading->text(QAccessible::Name),
                 QString::fromStdString(ui->model.Label1(kHeadingLabel).Caption));
        QStringList menus;
        for (QAction *action : ui->form.menuBar()->actions())
            menus << accessible(action->menu())->text(QAccessible::Name);
        QCOMPARE(menus, (QStringList{"Calculators", "Units", "Help"}));
    }

    // After Calculate the answers, which Tab does not visit, are the description of the window
    // and of the Calculate button; the next keystroke, which empties them, takes them away.
    void answersAsDescription() {
        QAbstractButton *calculate = ui->button("cmdCalculate");
        QCOMPARE(description(calculate), QStringLiteral(" Calculate answer "));
        ui->typeWorkedExample();
        ui->press(Qt::Key_Return);
        const QString answers = QStringLiteral("Diameter of Plunger(s): 254.000 MM; "
                                               "Load on Plunger(s): 9,071.800 KG; "
                                               "Static Pressure: 254.648 PSI, 17.558 BAR");
        QCOMPARE(description(&ui->form), answers);
        QCOMPARE(description(calculate), QStringLiteral("Calculate answer. ") + answers);
        QTest::keyClick(ui->field(2), Qt::Key_5);
        QCOMPARE(description(&ui->form), QStringLiteral("Diameter of Plunger(s): 254.000 MM"));
        QTest::keyClick(ui->keyTarget(), Qt::Key_L, Qt::AltModifier); // Clear All
        QCOMPARE(description(&ui->form), QString());
        QCOMPARE(description(calculate), QStringLiteral(" Calculate answer "));
    }

private:
    std::unique_ptr<FormUnderTest> ui;
};

QTEST_MAIN(AccessTest)
#include "access_test.moc"
