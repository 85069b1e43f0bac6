// SPDX-License-Identifier: MIT
// The field checks window as the program opens it over the calculator window: built when
// opened, one at a time, gone when closed, closed with the calculator window, with real modal
// boxes; and what a screen reader and a dark theme make of it.
#include "checks_fixture.h"
#include "form_fixture.h"
#include "window/actions.h"

#include <QAccessible>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

using namespace liftcalc;
using liftcalc::test::ChecksUnderTest;
using liftcalc::test::focusName;
using liftcalc::test::FormUnderTest;
using liftcalc::test::waitActive;

namespace {

QList<QWidget *> checksWindows() {
    QList<QWidget *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("ChecksForm"))
            found << w;
    return found;
}

// What the calculator window shows, to see that the checks window changes none of it.
struct CalculatorState {
    FieldTexts texts;
    std::optional<ControlId> focus;
    bool imperial;
    bool operator==(const CalculatorState &) const = default;
};
CalculatorState stateOf(const Window &model) {
    return {model.texts(), model.focus(), model.optImperial().Value};
}

// Opens the checks window as a person does, from the calculator window's menu, and finds the
// window shown for it.
ChecksView *openChecks(FormUnderTest &main) {
    perform(main.model, ChooseMenu{MenuItem::mnuFieldChecks});
    for (QWidget *w : checksWindows())
        if (auto *view = dynamic_cast<ChecksView *>(w);
            view && &view->model() == main.model.fieldChecks())
            return view;
    return nullptr;
}

QAccessibleInterface *accessible(QObject *object) {
    return QAccessible::queryAccessibleInterface(object);
}

// A dark theme as the dark desktop themes give it: near-white text on dark grey.
QPalette darkPalette() {
    QPalette p;
    const QColor window(53, 53, 53), base(42, 42, 42), text(238, 238, 236);
    for (auto role : {QPalette::Window, QPalette::Button})
        p.setColor(role, window);
    p.setColor(QPalette::Base, base);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, text);
    return p;
}

} // namespace

class ChecksOpenTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Nothing of the checks window exists before it is opened; it opens with the calculator's
    // diameter and plungers; opening it again brings the open one forward as it is; closed, it
    // goes, and opens again as it was left, whatever the calculator's unit system now. None of
    // it changes what the calculator window shows.
    void openOnceAndAsLeft() {
        FormUnderTest main;
        QVERIFY(main.start());
        main.typeInto(0, "10");
        main.typeInto(1, "1");
        main.typeInto(2, "20000");
        main.press(Qt::Key_Return);
        const CalculatorState before = stateOf(main.model);
        QVERIFY(checksWindows().isEmpty());

        QPointer<ChecksView> view = openChecks(main);
        QVERIFY(waitActive(view));
        QCOMPARE(checksWindows().size(), 1);
        QCOMPARE(focusName(), QStringLiteral("row0Imperial"));
        QCOMPARE(view->model().field({0, false}).Text, "10");
        QCOMPARE(view->model().field({1, false}).Text, "1");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), "250");
        main.form.activateWindow();
        QVERIFY(waitActive(&main.form));
        QCOMPARE(openChecks(main), view.data());
        QVERIFY(waitActive(view));
        QVERIFY(view->model().imperial());
        QCOMPARE(view->model().field({0, false}).Text, "250");

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(view.isNull());
        QVERIFY(checksWindows().isEmpty());
        QVERIFY(stateOf(main.model) == before);
        QVERIFY(main.model.loaded());

        perform(main.model, ChooseMenu{MenuItem::mnuMetric});
        const CalculatorState metric = stateOf(main.model);
        view = openChecks(main);
        QVERIFY(waitActive(view));
        QVERIFY(view->model().imperial());
        QCOMPARE(view->model().checkIndex(), 0);
        QCOMPARE(view->findChild<QLineEdit *>(QStringLiteral("row0Imperial"))->text(),
                 QStringLiteral("250"));
        QCOMPARE(focusName(), QStringLiteral("row0Imperial"));
        QVERIFY(stateOf(main.model) == metric);

        // Closed and at once opened again, while the closed window is still going: the boxes
        // stay with the new window when the old one goes.
        const QPointer<ChecksView> going = view;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        perform(main.model, ChooseMenu{MenuItem::mnuFieldChecks});
        QTRY_VERIFY(going.isNull());
        QCOMPARE(checksWindows().size(), 1);
        QVERIFY(waitActive(checksWindows().front()));
        QCOMPARE(focusName(), QStringLiteral("row0Imperial"));
        QTest::keyClicks(QApplication::focusWidget(), "x");
        bool boxed = false;
        QTimer::singleShot(0, qApp, [&boxed] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                boxed = true;
                box->button(QMessageBox::Ok)->click();
            }
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(boxed);
        QVERIFY(main.host.shown.empty());
    }

    // The calculator window closing, by Esc or from its title bar, takes the checks window and
    // its model with it, once.
    void closesWithTheCalculator_data() {
        QTest::addColumn<bool>("titleBar");
        QTest::newRow("Esc") << false;
        QTest::newRow("title bar") << true;
    }
    void closesWithTheCalculator() {
        QFETCH(bool, titleBar);
        FormUnderTest main;
        QVERIFY(main.start());
        QPointer<ChecksView> view = openChecks(main);
        QVERIFY(waitActive(view));
        const std::shared_ptr<ChecksWindow> model = main.model.sharedFieldChecks();
        int closings = 0;
        model->changed.connect([&closings](const ChecksChange &change) {
            closings += std::holds_alternative<ChecksClosed>(change);
        });
        main.form.activateWindow();
        QVERIFY(waitActive(&main.form));
        if (titleBar)
            main.form.close();
        else
            main.press(Qt::Key_Escape);
        QVERIFY(!main.model.loaded());
        QVERIFY(!model->isOpen());
        QCOMPARE(closings, 1);
        QTRY_VERIFY(view.isNull());
    }

    // A refusal in the window the program opens is a real modal box over it, with one OK
    // button; once it is closed the window has the keyboard back, in the input named.
    void realModalBox() {
        FormUnderTest main;
        QVERIFY(main.start());
        ChecksView *view = openChecks(main);
        QVERIFY(waitActive(view));
        QString title, text;
        QWidget *over = nullptr;
        QTimer::singleShot(0, qApp, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            title = box->windowTitle();
            text = box->text();
            over = box->parentWidget();
            QCOMPARE(box->buttons().size(), 1);
            box->button(QMessageBox::Ok)->click();
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(title, QStringLiteral("Oil for a travel"));
        QCOMPARE(text, QStringLiteral("Plunger diameter is not a number"));
        QCOMPARE(over, view);
        QVERIFY(waitActive(view));
        QCOMPARE(focusName(), QStringLiteral("row0Imperial"));
    }

    // The window fits the screen it opens on, every text whole; run again with
    // QT_SCALE_FACTOR=2, where the fonts must shrink for it.
    void fitsTheScreen() {
        ChecksUnderTest ui;
        QVERIFY(ui.start());
        const QRect room = ui.view.screen()->availableGeometry();
        QVERIFY2(room.contains(ui.view.frameGeometry()), "the window is larger than the screen");
        for (int index = 0; index < static_cast<int>(checks::kAll.size()); ++index) {
            ui.model.chooseCheck(index);
            for (const QLabel *label : ui.view.findChildren<QLabel *>()) {
                if (label->wordWrap())
                    continue; // the help, which has a test of its own
                const QFontMetrics metrics(label->font());
                const QString shown = QString(label->text()).remove(QLatin1Char('&'));
                QVERIFY2(metrics.horizontalAdvance(shown) <= label->width(),
                         qPrintable(label->objectName()));
            }
        }
        for (const QLineEdit *field : ui.view.findChildren<QLineEdit *>())
            QVERIFY2(QFontMetrics(field->font()).horizontalAdvance("0,000,000.000") <
                         field->width(),
                     qPrintable(field->objectName()));
        QVERIFY(QFontMetrics(ui.chooser()->font()).horizontalAdvance(ui.chooser()->currentText()) <
                ui.chooser()->width());
    }

    // Screen readers hear the unit buttons as radio buttons in a group named Units, each field
    // by its row and unit, and, on Calculate, the answers Tab does not visit; no two controls
    // share an access key.
    void namesAndAnswers() {
        ChecksUnderTest ui;
        QVERIFY(ui.start());
        for (const char *name : {"optImperial", "optMetric"}) {
            QAccessibleInterface *option = accessible(ui.button(name));
            QCOMPARE(option->role(), QAccessible::RadioButton);
            QCOMPARE(option->parent()->role(), QAccessible::Grouping);
            QCOMPARE(option->parent()->text(QAccessible::Name), QStringLiteral("Units"));
        }
        // The chooser is named by its current check, and labelled by its caption.
        const auto labels = accessible(ui.chooser())->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels[0].first->text(QAccessible::Name), QStringLiteral("Check:"));
        const QStringList names{"Plunger diameter IN",
                                "Plunger diameter MM",
                                "Number of plungers",
                                "Travel FT",
                                "Travel M",
                                "Oil volume GAL",
                                "Oil volume L"};
        QStringList shown;
        for (int row = 0; row < 4; ++row)
            for (const bool metric : {false, true})
                if (ui.field({row, metric})->isVisible())
                    shown << accessible(ui.field({row, metric}))->text(QAccessible::Name);
        QCOMPARE(shown, names);

        QAbstractButton *calculate = ui.button("cmdCalculate");
        ui.typeInputs({"4", "1", "25"});
        ui.press(Qt::Key_Return);
        const QString answers = "Plunger diameter: 101.600 MM; Travel: 7.620 M; "
                                "Oil volume: 16.320 GAL, 61.778 L";
        QCOMPARE(accessible(calculate)->text(QAccessible::Description),
                 "Calculate the answers. " + answers);
        QCOMPARE(accessible(&ui.view)->text(QAccessible::Description), answers);
        QTest::keyClicks(ui.typed(1), "2");
        QCOMPARE(accessible(&ui.view)->text(QAccessible::Description),
                 "Plunger diameter: 101.600 MM; Travel: 7.620 M");

        QString keys;
        for (const QAbstractButton *button : ui.view.findChildren<QAbstractButton *>())
            keys += QChar(accessKey(button->text().toStdString())).toUpper();
        for (const QLabel *label : ui.view.findChildren<QLabel *>())
            if (label->buddy())
                keys += QChar(accessKey(label->text().toStdString())).toUpper();
        QCOMPARE(keys.size(), static_cast<qsizetype>(kChecksControls.size()));
        for (const QChar key : keys)
            QVERIFY2(keys.count(key) == 1 && key != QChar(0), qPrintable(keys));
    }

    // In a dark theme, and when one is chosen while the window is open, the white and yellow
    // fields keep dark text and the unit buttons' captions stay readable.
    void darkTheme_data() {
        QTest::addColumn<bool>("whileOpen");
        QTest::newRow("dark from the start") << false;
        QTest::newRow("dark chosen while open") << true;
    }
    void darkTheme() {
        QFETCH(bool, whileOpen);
        const QPalette original = QApplication::palette();
        if (!whileOpen)
            QApplication::setPalette(darkPalette());
        {
            ChecksUnderTest ui;
            QVERIFY(ui.start());
            if (whileOpen) {
                QApplication::setPalette(darkPalette());
                QCoreApplication::processEvents();
            }
            ui.typeInputs({"4", "1", "25"});
            ui.press(Qt::Key_Return);
            for (const QLineEdit *field : ui.view.findChildren<QLineEdit *>()) {
                const QPalette p = field->palette();
                QVERIFY2(contrastRatio(p.color(QPalette::Text), p.color(QPalette::Base)) >=
                             kReadableContrast,
                         qPrintable(field->objectName()));
            }
            for (const char *name : {"optImperial", "optMetric"}) {
                const QPalette p = ui.button(name)->palette();
                QVERIFY2(contrastRatio(p.color(QPalette::WindowText), p.color(QPalette::Window)) >=
                             kReadableContrast,
                         name);
            }
        }
        QApplication::setPalette(original);
    }
    // Esc (in a field or on the chooser), Alt+O, a click on Close and the title bar all close
    // the model and the window, once (the calculator window closing: above).
    void closing_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("Esc in a field") << 0;
        QTest::newRow("Esc on the chooser") << 1;
        QTest::newRow("Alt+O") << 2;
        QTest::newRow("click Close") << 3;
        QTest::newRow("title bar") << 4;
    }
    void closing() {
        QFETCH(int, how);
        ChecksUnderTest ui;
        QVERIFY(ui.start());
        int closings = 0;
        ui.model.changed.connect([&closings](const ChecksChange &change) {
            closings += std::holds_alternative<ChecksClosed>(change);
        });
        switch (how) {
        case 1:
            ui.press(Qt::Key_K, Qt::AltModifier);
            QCOMPARE(focusName(), QStringLiteral("chooser"));
            [[fallthrough]];
        case 0:
            ui.press(Qt::Key_Escape);
            break;
        case 2:
            ui.press(Qt::Key_O, Qt::AltModifier);
            break;
        case 3:
            QTest::mouseClick(ui.button("cmdClose"), Qt::LeftButton);
            break;
        case 4:
            ui.view.close();
            break;
        }
        QVERIFY(!ui.model.isOpen());
        QVERIFY(!ui.view.isVisible());
        QCOMPARE(closings, 1);
        QVERIFY(ui.host.shown.empty());
    }
};

QTEST_MAIN(ChecksOpenTest)
#include "checks_open_test.moc"
