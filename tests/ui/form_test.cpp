// SPDX-License-Identifier: MIT
// The calculator window driven through real widgets with key and mouse events.
#include "form_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>

using namespace liftcalc;
using liftcalc::test::FormUnderTest;

namespace {
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kBlack(0, 0, 0);

QColor background(const QLineEdit *field) {
    return field->palette().color(QPalette::Base);
}
QColor textColour(const QWidget *w) {
    return w->palette().color(QPalette::WindowText);
}
// The chosen unit's red, darkened as far as the theme's background needs for contrast.
bool isRed(const QColor &c) {
    return c.red() >= 200 && c.green() == 0 && c.blue() == 0;
}

QString focusName() {
    const QWidget *w = QApplication::focusWidget();
    return w ? w->objectName() : QStringLiteral("(none)");
}
} // namespace

class FormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        ui = std::make_unique<FormUnderTest>();
        QVERIFY(ui->start());
    }
    void cleanup() { ui.reset(); }

    // The window opens on the static pressure calculator, imperial, focus in the diameter.
    void startUpState() {
        QCOMPARE(focusName(), QStringLiteral("Text1_0"));
        QCOMPARE(ui->form.findChild<QLabel *>("Label1_19")->text(),
                 QStringLiteral("Static Pressure Calculator"));
        for (const char *name : {"mnuStaticPressure", "mnuImperial"})
            QVERIFY2(ui->menuItem(name)->isChecked(), name);
        for (const char *name : {"mnuFlowRate", "mnuLoad", "mnuMetric", "mnuConversions"})
            QVERIFY2(!ui->menuItem(name)->isChecked(), name);
        auto *imperial = ui->button("optImperial");
        auto *metric = ui->button("optMetric");
        QVERIFY(imperial->isChecked() && !metric->isChecked());
        QVERIFY(isRed(textColour(imperial)));
        QVERIFY(imperial->font().bold() && !metric->font().bold());
        QCOMPARE(textColour(metric), kBlack);

        for (int i : {0, 1, 2}) {
            QVERIFY(ui->field(i)->isVisible() && !ui->field(i)->isReadOnly());
            QCOMPARE(background(ui->field(i)), kWhite);
        }
        for (int i : {3, 6, 7, 8}) {
            QVERIFY(ui->field(i)->isVisible() && ui->field(i)->isReadOnly());
            QCOMPARE(background(ui->field(i)), kYellow);
        }
        for (int i : {4, 5, 9, 10, 11, 12})
            QVERIFY(!ui->field(i)->isVisible());
        for (int i = 0; i < kFieldCount; ++i)
            QVERIFY(ui->field(i)->text().isEmpty());
    }

    // On a 96 dpi screen every control stands where the design puts it, at 15 twips to a
    // pixel (each design value is a whole number of pixels there); names reach screen readers.
    void layoutAndNames() {
        if (ui->form.logicalDpiX() != 96)
            QSKIP("15 twips make a pixel on a 96 dpi screen only");
        const auto pixels = [](const Rect &r) {
            for (int twips : {r.left, r.top, r.width, r.height})
                if (twips % 15 != 0)
                    qFatal("design value %d is no whole number of pixels", twips);
            return QRect(r.left / 15, r.top / 15, r.width / 15, r.height / 15);
        };
        QCOMPARE(QRect(QPoint(), ui->form.centralWidget()->size()),
                 pixels({0, 0, kClientWidth, kClientHeight}));
        QCOMPARE(ui->form.findChild<QWidget *>("Frame1")->geometry(), pixels(kFrame1));
        for (int i = 0; i < kFieldCount; ++i) {
            Rect place = kFields[i].place;
            place.left = ui->model.Text1(i).Left;
            QCOMPARE(ui->field(i)->geometry(), pixels(place));
        }
        for (int i = 0; i < kLabelCount; ++i)
            QCOMPARE(ui->form.findChild<QLabel *>(QStringLiteral("Label1_%1").arg(i))->geometry(),
                     pixels(kLabels[i].place));
        for (const ButtonDesign &b : kButtons)
            QCOMPARE(ui->button(std::string(b.name).c_str())->geometry(), pixels(b.place));
        QCOMPARE(ui->field(0)->accessibleName(), QStringLiteral("Diameter of Plunger(s) IN"));
        QCOMPARE(ui->field(1)->accessibleName(), QStringLiteral("Number of Plungers"));
        QCOMPARE(ui->field(12)->accessibleName(), QStringLiteral("Up Speed/Rated Load MPS"));
        QCOMPARE(ui->form.findChild<QLabel *>("Label1_9")->toolTip(),
                 QStringLiteral(" Gallons per minute "));
        QVERIFY(ui->form.windowTitle().startsWith(QStringLiteral(" Morvane            ")));
        const QList<QSize> iconSizes = ui->form.windowIcon().availableSizes();
        QVERIFY(iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(32, 32)));
    }

    // Tab and Shift+Tab take Qt's focus round the window a full turn each way, and at every
    // stop the widget with the focus is the control the model has focused; the order itself
    // is the model's, which the window's own tests check.
    void tabOrder_data() {
        QTest::addColumn<QKeySequence>("setUp");
        QTest::newRow("static pressure, imperial") << QKeySequence();
        QTest::newRow("flow rate, imperial") << QKeySequence(QStringLiteral("Ctrl+F"));
        QTest::newRow("static pressure, metric") << QKeySequence(QStringLiteral("Ctrl+M"));
        QTest::newRow("diameter, metric") << QKeySequence(QStringLiteral("Ctrl+M, Ctrl+D"));
    }
    void tabOrder() {
        QFETCH(QKeySequence, setUp);
        if (!setUp.isEmpty())
            QTest::keySequence(ui->keyTarget(), setUp);
        const QString first = focusName();
        QCOMPARE(first, modelFocusName());
        int stops = 0;
        do {
            ui->press(Qt::Key_Tab);
            QCOMPARE(focusName(), modelFocusName());
        } while (++stops < static_cast<int>(2 * kTabOrder.size()) && focusName() != first);
        QCOMPARE(focusName(), first);
        QVERIFY(stops >= 6); // the inputs, three command buttons and a unit button at least
        for (int back = 0; back < stops; ++back) {
            ui->press(Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(focusName(), modelFocusName());
        }
        QCOMPARE(focusName(), first);
    }

    // Enter in a field presses Calculate; on a focused command button it presses that one.
    void enterPressesDefaultOrFocusedButton() {
        ui->typeWorkedExample();
        ui->press(Qt::Key_Return);
        QVERIFY(ui->showsWorkedAnswers());
        ui->press(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("cmdCalculate"));
        ui->press(Qt::Key_Tab);
        ui->press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(ui->field(3)->text(), QString());
        QCOMPARE(focusName(), QStringLiteral("Text1_0"));
    }

    // Esc, Exit and the title bar all unload the window once and close it.
    void exitPaths_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("Esc") << 0;
        QTest::newRow("Alt+X") << 1;
        QTest::newRow("click Exit") << 2;
        QTest::newRow("title bar") << 3;
    }
    void exitPaths() {
        QFETCH(int, how);
        if (how == 0)
            ui->press(Qt::Key_Escape);
        else if (how == 1)
            ui->press(Qt::Key_X, Qt::AltModifier);
        else if (how == 2)
            QTest::mouseClick(ui->button("cmdExit"), Qt::LeftButton);
        else
            ui->form.close();
        QVERIFY(!ui->model.loaded());
        QVERIFY(!ui->model.formLoaded());
        QCOMPARE(ui->host.unloaded, 1);
        QVERIFY(!ui->form.isVisible());
    }

    // Access keys press their buttons at once, with the focus in a field.
    void altKeys() {
        ui->typeWorkedExample();
        ui->press(Qt::Key_C, Qt::AltModifier);
        QVERIFY(ui->showsWorkedAnswers());
        QCOMPARE(focusName(), QStringLiteral("cmdCalculate"));
        ui->press(Qt::Key_M, Qt::AltModifier);
        QVERIFY(ui->button("optMetric")->isChecked());
        QVERIFY(!ui->button("optImperial")->isChecked());
        QVERIFY(ui->menuItem("mnuMetric")->isChecked());
        ui->press(Qt::Key_L, Qt::AltModifier);
        for (int i = 0; i < kFieldCount; ++i)
            QVERIFY(ui->field(i)->text().isEmpty());
        QCOMPARE(focusName(), QStringLiteral("Text1_6"));
        ui->press(Qt::Key_I, Qt::AltModifier);
        QVERIFY(ui->button("optImperial")->isChecked());
        QCOMPARE(focusName(), QStringLiteral("Text1_0"));
    }

    // Every menu shortcut acts while a field holding selected text has the focus, before the
    // line edit's own keys (Ctrl+C would otherwise copy). Each row starts where its key changes
    // something: on another calculator, or in the other unit system.
    void menuShortcuts_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("heading");
        const auto row = [](const char *keys, const char *before, const char *item,
                            const char *heading) {
            QTest::newRow(keys) << before << keys << item << heading;
        };
        row("Ctrl+D", "", "mnuDiameterofPlunger", "Diameter of Plunger Calculator");
        row("Ctrl+F", "", "mnuFlowRate", "Flow Rate Calculator");
        row("Ctrl+L", "", "mnuLoad", "Load On Plunger(s) Calculator");
        row("Ctrl+P", "", "mnuPlungerDisplacement", "Plunger Displacement Calculator");
        row("Ctrl+S", "Ctrl+U", "mnuStaticPressure", "Static Pressure Calculator");
        row("Ctrl+U", "", "mnuRatedLoadSpeed", "Up Speed/Rated Load Calculator");
        row("Ctrl+I", "Ctrl+M", "mnuImperial", "Static Pressure Calculator");
        row("Ctrl+M", "", "mnuMetric", "Static Pressure Calculator");
        row("Ctrl+C", "", "mnuConversions", "Static Pressure Calculator");
    }
    void menuShortcuts() {
        QFETCH(QString, before);
        QFETCH(QString, keys);
        QFETCH(QString, item);
        QFETCH(QString, heading);
        if (!before.isEmpty())
            QTest::keySequence(ui->keyTarget(), QKeySequence(before));
        QAction *action = ui->menuItem(item.toLatin1().constData());
        QVERIFY(!action->isChecked());
        const int diameter = ui->model.imperialMode() ? 0 : 6;
        QApplication::clipboard()->setText(QStringLiteral("untouched"));
        ui->typeInto(diameter, "10");
        QTest::keyClick(ui->field(diameter), Qt::Key_A, Qt::ControlModifier); // select it all
        QTest::keySequence(ui->field(diameter), QKeySequence(keys));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("untouched"));
        const auto *label = ui->form.findChild<QLabel *>("Label1_19");
        QCOMPARE(label->text(), heading);
        if (item == "mnuConversions") {
            QCOMPARE(ui->host.shown.size(), std::size_t(1));
            QCOMPARE(ui->host.shown[0].title, std::string("Conversion Chart"));
            QVERIFY(!action->isChecked());
            QCOMPARE(ui->field(diameter)->text(),
                     QStringLiteral("10")); // the chart changes nothing
            QCOMPARE(focusName(), QStringLiteral("Text1_%1").arg(diameter));
            return;
        }
        QVERIFY(ui->host.shown.empty());
        QVERIFY(action->isChecked());
        if (item == "mnuImperial" || item == "mnuMetric") {
            QVERIFY(ui->button(item == "mnuImperial" ? "optImperial" : "optMetric")->isChecked());
            QCOMPARE(ui->field(diameter)->text(), QStringLiteral("10")); // a switch keeps the text
        } else {
            QCOMPARE(ui->field(diameter)->text(), QString()); // choosing a calculator empties all
        }
    }

    // Typing into an open field empties the answers and the same quantity's other field.
    void typingClearsAnswersAndCounterpart() {
        ui->typeWorkedExample();
        ui->press(Qt::Key_Return);
        QVERIFY(ui->showsWorkedAnswers());
        QTest::mouseClick(ui->field(0), Qt::LeftButton);
        QTest::mouseClick(ui->field(2), Qt::LeftButton);
        QCOMPARE(ui->field(2)->selectedText(), QStringLiteral("20000"));
        QTest::keyClick(ui->field(2), Qt::Key_5);
        QCOMPARE(ui->field(2)->text(), QStringLiteral("5"));
        for (int i : {3, 8, 7})
            QVERIFY2(ui->field(i)->text().isEmpty(), qPrintable(QString::number(i)));
        QCOMPARE(ui->field(6)->text(), QStringLiteral("254.000"));
        QTest::keyClick(ui->field(2), Qt::Key_Backspace);
        QCOMPARE(ui->model.Text1(2).Text, std::string());
        // Pasting is an edit like typing: it empties the answers of the next calculation.
        ui->press(Qt::Key_Return);
        QApplication::clipboard()->setText(QStringLiteral("30000"));
        QTest::mouseClick(ui->field(0), Qt::LeftButton);
        QTest::mouseClick(ui->field(2), Qt::LeftButton);
        QTest::keyClick(ui->field(2), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(ui->model.Text1(2).Text, std::string("30000"));
        QTest::keyClick(ui->field(2), Qt::Key_Return);
        QCOMPARE(ui->field(3)->text(), QStringLiteral("381.972"));
        QTest::keyClick(ui->field(2), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(ui->field(3)->text(), QString());
    }

    // A paste longer than a line edit's default limit reaches the model whole: 32,766 blanks
    // and then 20000 read as 20000, as in the replay driver and on the command line.
    void longPasteIsNotCut() {
        const QString load = QString(32766, QLatin1Char(' ')) + QStringLiteral("20000");
        ui->typeInto(0, "10");
        ui->typeInto(1, "1");
        QApplication::clipboard()->setText(load);
        QTest::mouseClick(ui->field(2), Qt::LeftButton);
        QTest::keyClick(ui->field(2), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(ui->model.Text1(2).Text.size(), std::size_t(load.size()));
        ui->press(Qt::Key_Return);
        QCOMPARE(ui->field(3)->text(), QStringLiteral("254.648"));
    }

    // A locked field takes the focus and selects its text to copy, but refuses typing and pasting.
    void lockedFieldRefusesTyping() {
        ui->typeWorkedExample();
        ui->press(Qt::Key_Return);
        QLineEdit *answer = ui->field(3);
        QTest::mouseClick(answer, Qt::LeftButton);
        QCOMPARE(focusName(), QStringLiteral("Text1_3"));
        QCOMPARE(answer->selectedText(), QStringLiteral("254.648"));
        // Ctrl+C is the chart; Ctrl+Insert copies the answer.
        QTest::keyClick(answer, Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("254.648"));
        QApplication::clipboard()->setText(QStringLiteral("999"));
        QTest::keyClicks(answer, QStringLiteral("12"));
        QTest::keyClick(answer, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(answer, Qt::Key_Delete);
        QCOMPARE(answer->text(), QStringLiteral("254.648"));
        QCOMPARE(ui->model.Text1(3).Text, std::string("254.648"));
        QCOMPARE(ui->field(8)->text(), QStringLiteral("17.558"));
    }

    // A person's selection reaches the model; a click into a field selects the whole text.
    void selectionReachesModel() {
        ui->typeInto(0, "1234");
        QCOMPARE(ui->model.Text1(0).SelStart, 4);
        QTest::keyClick(ui->field(0), Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(ui->field(0), Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(ui->model.Text1(0).SelStart, 2);
        QCOMPARE(ui->model.Text1(0).SelLength, 2);
        QTest::mouseClick(ui->field(1), Qt::LeftButton);
        QTest::mouseClick(ui->field(0), Qt::LeftButton);
        QCOMPARE(ui->field(0)->selectedText(), QStringLiteral("1234"));
        QCOMPARE(ui->model.Text1(0).SelLength, 4);
    }

    // Colours, locks, visibility and the shared field's column follow a unit or calculator
    // change at once.
    void widgetsFollowUnitAndCalculator() {
        QTest::mouseClick(ui->button("optMetric"), Qt::LeftButton, {}, QPoint(8, 12));
        QCOMPARE(background(ui->field(6)), kWhite);
        QVERIFY(!ui->field(6)->isReadOnly());
        QCOMPARE(background(ui->field(0)), kYellow);
        QVERIFY(ui->field(0)->isReadOnly());
        QCOMPARE(ui->field(1)->x(), ui->field(6)->x());
        QVERIFY(isRed(textColour(ui->button("optMetric"))));
        QCOMPARE(textColour(ui->button("optImperial")), kBlack);
        QVERIFY(ui->button("optMetric")->font().bold());
        QCOMPARE(focusName(), QStringLiteral("Text1_6"));

        QTest::keySequence(ui->keyTarget(), QKeySequence(QStringLiteral("Ctrl+U")));
        for (int i : {11, 12, 4, 9})
            QVERIFY2(ui->field(i)->isVisible(), qPrintable(QString::number(i)));
        QVERIFY(!ui->field(3)->isVisible());
        QCOMPARE(background(ui->field(9)), kWhite);
        QCOMPARE(background(ui->field(11)), kYellow);

        // Clicking the chosen option button again changes nothing, not even Qt's own toggle.
        QTest::mouseClick(ui->button("optMetric"), Qt::LeftButton, {}, QPoint(8, 12));
        QVERIFY(ui->button("optMetric")->isChecked());
        QVERIFY(!ui->button("optImperial")->isChecked());
    }

    // The displacement tooltip is live: a calculation with two plungers replaces it, and the
    // next keystroke puts the default back.
    void displacementTooltipIsLive() {
        auto *label = ui->form.findChild<QLabel *>("Label1_5");
        const QString original = label->toolTip();
        QTest::keySequence(ui->keyTarget(), QKeySequence(QStringLiteral("Ctrl+P")));
        ui->typeInto(0, "10");
        ui->typeInto(1, "2");
        ui->typeInto(11, "100");
        ui->press(Qt::Key_Return);
        QVERIFY(label->toolTip() != original);
        QCOMPARE(label->toolTip(),
                 QString::fromStdString(ui->model.Label1(kDisplacementLabel).ToolTipText));
        ui->typeInto(1, "3");
        QCOMPARE(label->toolTip(), original);
    }

private:
    // The object name of the widget for the control the model has focused.
    QString modelFocusName() const {
        const auto control = ui->model.focus();
        if (!control)
            return QStringLiteral("(none)");
        if (isField(*control))
            return QStringLiteral("Text1_%1").arg(fieldIndex(*control));
        const std::string_view name = buttonDesign(*control).name;
        return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }

    std::unique_ptr<FormUnderTest> ui;
};

QTEST_MAIN(FormTest)
#include "form_test.moc"
