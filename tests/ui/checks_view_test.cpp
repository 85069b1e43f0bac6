// SPDX-License-Identifier: MIT
// The field checks window driven through real widgets with key and mouse events.
#include "checks_fixture.h"

#include <QLabel>
#include <QRadioButton>
#include <QWheelEvent>

using namespace liftcalc;
using liftcalc::test::ChecksUnderTest;
using liftcalc::test::focusName;

namespace {
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kBlack(0, 0, 0);

// "row3Metric=1,133.975": a field by its name and the text it shows.
using Shown = QStringList;

void checkShown(const ChecksUnderTest &ui, const Shown &shown) {
    for (const QString &entry : shown) {
        const QString name = entry.section(QLatin1Char('='), 0, 0);
        const auto *field = ui.view.findChild<QLineEdit *>(name);
        QVERIFY2(field, qPrintable(name));
        QCOMPARE(field->text(), entry.section(QLatin1Char('='), 1));
    }
}

void turnWheel(QWidget *widget) {
    const QPointF at = widget->rect().center();
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

bool isRed(const QColor &c) {
    return c.red() >= 200 && c.green() == 0 && c.blue() == 0;
}
} // namespace

class ChecksViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        ui = std::make_unique<ChecksUnderTest>();
        QVERIFY(ui->start());
    }
    void cleanup() { ui.reset(); }

    // Every check in either unit system shows its rows and no others: captions, white open
    // and yellow locked fields with dark text, units, names for screen readers, and a row
    // without unit systems in the chosen column.
    void setUpPerCheck_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("metric");
        for (int index = 0; index < static_cast<int>(checks::kAll.size()); ++index)
            for (const bool metric : {false, true})
                QTest::addRow("%s, %s", checks::kAll[index]->title.data(),
                              metric ? "metric" : "imperial")
                    << index << metric;
    }
    void setUpPerCheck() {
        QFETCH(int, index);
        QFETCH(bool, metric);
        if (metric)
            QTest::mouseClick(ui->button("optMetric"), Qt::LeftButton);
        ui->model.chooseCheck(index);
        const Check &check = *checks::kAll[index];
        QCOMPARE(ui->chooser()->currentText(), QString::fromUtf8(check.title.data()));
        QCOMPARE(QApplication::focusWidget(), ui->typed(0));
        // Where each system's fields stand: a row with both has them in its two columns.
        int columnX[2] = {-1, -1};
        for (int row = 0; row < check.rowCount(); ++row)
            if (check.row(row).units->bothSystems())
                for (const bool m : {false, true})
                    columnX[m] = ui->field({row, m})->x();
        QVERIFY(columnX[0] >= 0 && columnX[1] > columnX[0]);

        for (int row = 0; row < kMostCheckRows; ++row) {
            const bool shown = row < check.rowCount();
            const auto *caption =
                ui->view.findChild<QLabel *>(QStringLiteral("caption%1").arg(row));
            QCOMPARE(caption->isVisible(), shown);
            if (!shown) {
                QVERIFY(!ui->field({row, false})->isVisible());
                QVERIFY(!ui->field({row, true})->isVisible());
                continue;
            }
            const CheckRow &r = check.row(row);
            QCOMPARE(caption->text(), QString::fromUtf8(r.name.data(), r.name.size()));
            const bool input = row < static_cast<int>(check.inputs.size());
            for (const bool m : {false, true}) {
                const QLineEdit *field = ui->field({row, m});
                const QString where = caption->text() + (m ? " metric" : " imperial");
                const std::string_view unit = m ? r.units->metric : r.units->imperial;
                QCOMPARE(field->isVisible(), !m || r.units->bothSystems());
                if (!field->isVisible())
                    continue;
                const bool open = input && field == ui->typed(row);
                QVERIFY2(field->isReadOnly() != open, qPrintable(where));
                QCOMPARE(field->palette().color(QPalette::Base), open ? kWhite : kYellow);
                QCOMPARE(field->palette().color(QPalette::Text), kBlack);
                QCOMPARE(field->x(), columnX[r.units->bothSystems() ? m : metric]);
                const auto *unitLabel = ui->view.findChild<QLabel *>(field->objectName() + "Unit");
                QCOMPARE(unitLabel->text(), QString::fromUtf8(unit.data(), unit.size()));
                QCOMPARE(unitLabel->x() > field->x() + field->width() - 1, true);
                QCOMPARE(field->accessibleName(), unit.empty()
                                                      ? caption->text()
                                                      : caption->text() + ' ' + unitLabel->text());
                QVERIFY2(field->text().isEmpty(), qPrintable(where));
            }
        }
    }

    // Figures typed into the chosen column and Enter (or a click on Calculate) show the
    // inputs' equivalents and every answer in both systems.
    void calculate_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Shown>("shown");
        QTest::newRow("oil for a travel, Enter")
            << 0 << false << QStringList{"4", "1", "25"} << Qt::Key_Return
            << Shown{"row0Metric=101.600", "row2Metric=7.620", "row3Imperial=16.320",
                     "row3Metric=61.778"};
        QTest::newRow("car weight, keypad Enter")
            << 2 << false << QStringList{"6", "1", "150", "2500"} << Qt::Key_Enter
            << Shown{"row0Metric=152.400",   "row1Imperial=1",         "row2Metric=10.343",
                     "row3Metric=1,133.975", "row4Imperial=4,241.147", "row4Metric=1,923.742",
                     "row5Imperial=238.419", "row5Metric=16.439"};
        QTest::newRow("pump power in metric, the efficiency in the metric column")
            << 4 << true << QStringList{"50", "3", "80"} << Qt::Key_Return
            << Shown{"row0Imperial=725.190", "row1Imperial=47.551", "row2Imperial=80",
                     "row3Metric=15.000",    "row3Imperial=20.115", "row4Metric=18.750",
                     "row4Imperial=25.144"};
        QTest::newRow("timed run, Alt+C")
            << 5 << false << QStringList{"20", "10", "100"} << Qt::Key_C
            << Shown{"row0Metric=6.096", "row2Metric=0.508", "row3Imperial=120.000",
                     "row3Metric=0.610", "row4Imperial=20.000"};
    }
    void calculate() {
        QFETCH(int, index);
        QFETCH(bool, metric);
        QFETCH(QStringList, inputs);
        QFETCH(Qt::Key, key);
        QFETCH(Shown, shown);
        if (metric)
            QTest::mouseClick(ui->button("optMetric"), Qt::LeftButton);
        ui->model.chooseCheck(index);
        ui->typeInputs(inputs);
        if (key == Qt::Key_C)
            ui->press(key, Qt::AltModifier);
        else
            ui->press(key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        checkShown(*ui, shown);
        QVERIFY(ui->host.shown.empty());

        // A new figure empties every answer and its own row's equivalent.
        ui->typeInputs({"7"});
        const Check &check = *checks::kAll[index];
        for (int row = static_cast<int>(check.inputs.size()); row < check.rowCount(); ++row)
            QVERIFY(ui->field({row, false})->text().isEmpty());
        QVERIFY(ui->field({0, !metric})->text().isEmpty());
    }

    // A refusal comes as the check's message box; the focus goes into the input it names,
    // with its text selected, and no answer is written.
    void refusal_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<int>("row");
        QTest::newRow("readings swapped")
            << 3 << QStringList{"6", "1", "230", "150"}
            << "Loaded-car pressure must not be below the empty-car pressure" << 3;
        QTest::newRow("no figure")
            << 0 << QStringList{"4", "", "25"} << "Number of plungers is not a number" << 1;
    }
    void refusal() {
        QFETCH(int, index);
        QFETCH(QStringList, inputs);
        QFETCH(QString, prompt);
        QFETCH(int, row);
        ui->model.chooseCheck(index);
        ui->typeInputs(inputs);
        QTest::mouseClick(ui->button("cmdCalculate"), Qt::LeftButton);
        QCOMPARE(ui->host.shown.size(), 1u);
        QCOMPARE(QString::fromStdString(ui->host.shown[0].title),
                 QString::fromUtf8(checks::kAll[index]->title.data()));
        QCOMPARE(QString::fromStdString(ui->host.shown[0].prompt), prompt);
        QCOMPARE(QApplication::focusWidget(), ui->typed(row));
        QCOMPARE(ui->typed(row)->selectedText(), inputs[row]);
        const Check &check = *checks::kAll[index];
        for (int answer = static_cast<int>(check.inputs.size()); answer < check.rowCount();
             ++answer)
            QVERIFY(ui->field({answer, false})->text().isEmpty());
    }

    // The chooser picks a check by its arrows, Home, End, the page keys and letters typed in
    // quick succession (the focus stays on it) or from its list (the focus goes into the first
    // input); either way the new check shows only the figures it shares with the old one. The
    // mouse wheel on the closed chooser picks nothing.
    void chooser_data() {
        const int last = static_cast<int>(checks::kAll.size()) - 1;
        QTest::addColumn<QList<QKeyCombination>>("keys");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("focus");
        QTest::newRow("Down") << QList<QKeyCombination>{Qt::Key_Down} << 1 << "chooser";
        QTest::newRow("Right, Right")
            << QList<QKeyCombination>{Qt::Key_Right, Qt::Key_Right} << 2 << "chooser";
        QTest::newRow("Up goes round to the last")
            << QList<QKeyCombination>{Qt::Key_Up} << last << "chooser";
        QTest::newRow("End") << QList<QKeyCombination>{Qt::Key_End} << last << "chooser";
        QTest::newRow("Page Down") << QList<QKeyCombination>{Qt::Key_PageDown} << last << "chooser";
        QTest::newRow("End, Home")
            << QList<QKeyCombination>{Qt::Key_End, Qt::Key_Home} << 0 << "chooser";
        QTest::newRow("End, Page Up")
            << QList<QKeyCombination>{Qt::Key_End, Qt::Key_PageUp} << 0 << "chooser";
        QTest::newRow("P: Pump power") << QList<QKeyCombination>{Qt::Key_P} << 4 << "chooser";
        QTest::newRow("P, P: the next starting with P")
            << QList<QKeyCombination>{Qt::Key_P, Qt::Key_P} << 7 << "chooser";
        QTest::newRow("P, R, E, S, S, U, R, E, blank, H: Pressure hold")
            << QList<QKeyCombination>{Qt::Key_P, Qt::Key_R, Qt::Key_E, Qt::Key_S,     Qt::Key_S,
                                      Qt::Key_U, Qt::Key_R, Qt::Key_E, Qt::Key_Space, Qt::Key_H}
            << last << "chooser";
        QTest::newRow("L, O: Load in the car")
            << QList<QKeyCombination>{Qt::Key_L, Qt::Key_O} << 3 << "chooser";
        QTest::newRow("from the list")
            << QList<QKeyCombination>{Qt::AltModifier | Qt::Key_Down, Qt::Key_Down, Qt::Key_Down,
                                      Qt::Key_Return}
            << 2 << "row0Imperial";
    }
    void chooser() {
        QFETCH(QList<QKeyCombination>, keys);
        QFETCH(int, index);
        QFETCH(QString, focus);
        ui->typeInputs({"4", "1"});
        ui->press(Qt::Key_K, Qt::AltModifier);
        turnWheel(ui->chooser());
        QCOMPARE(ui->model.checkIndex(), 0);
        QCOMPARE(focusName(), QStringLiteral("chooser"));
        for (const QKeyCombination key : keys) {
            QWidget *target =
                QApplication::activePopupWidget() ? QApplication::focusWidget() : ui->keyTarget();
            QTest::keyClick(target, key.key(), key.keyboardModifiers());
        }
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCOMPARE(ui->model.checkIndex(), index);
        QCOMPARE(ui->chooser()->currentIndex(), index);
        QTRY_COMPARE(focusName(), focus);
        const bool shares = checks::kAll[index]->inputs[0].figure == Figure::plungerDiameter;
        QCOMPARE(ui->field({0, false})->text(), shares ? QStringLiteral("4") : QString());
        QCOMPARE(ui->field({1, false})->text(), shares ? QStringLiteral("1") : QString());
    }

    // The unit buttons, by a click, an access key or an arrow on the chosen one, switch the open
    // column, keep every text, and show which is chosen in red and bold.
    void unitButtons_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("click Metric") << 0;
        QTest::newRow("Alt+M") << 1;
        QTest::newRow("Right on Imperial") << 2;
    }
    void unitButtons() {
        QFETCH(int, how);
        ui->model.chooseCheck(1); // oil lost to a drift: a count and a time among the inputs
        ui->typeInputs({"6", "1", "2", "10"});
        const int imperialX = ui->field({1, false})->x();
        if (how == 0)
            QTest::mouseClick(ui->button("optMetric"), Qt::LeftButton);
        else if (how == 1)
            ui->press(Qt::Key_M, Qt::AltModifier);
        else {
            QTest::mouseClick(ui->button("optImperial"), Qt::LeftButton);
            ui->press(Qt::Key_Right);
        }
        QVERIFY(!ui->model.imperial());
        auto *imperial = ui->button("optImperial");
        auto *metric = ui->button("optMetric");
        QVERIFY(metric->isChecked() && !imperial->isChecked());
        QVERIFY(metric->font().bold() && !imperial->font().bold());
        QVERIFY(isRed(metric->palette().color(QPalette::WindowText)));
        QCOMPARE(imperial->palette().color(QPalette::WindowText), kBlack);
        QCOMPARE(focusName(), QStringLiteral("row0Metric"));
        QVERIFY(ui->field({0, false})->isReadOnly() && !ui->field({0, true})->isReadOnly());
        QCOMPARE(ui->field({0, false})->text(), QStringLiteral("6"));
        // The count and the time stay one field each, now in the metric column.
        QCOMPARE(ui->field({1, false})->x(), ui->field({0, true})->x());
        QVERIFY(ui->field({1, false})->x() > imperialX);
        QCOMPARE(ui->field({3, false})->text(), QStringLiteral("10"));
        QVERIFY(!ui->field({3, false})->isReadOnly());
    }

    // Tab and Shift+Tab take Qt's focus round the window a full turn each way, and at every stop
    // the widget with the focus is the control the model has focused; the order itself is the
    // model's, which the window's own tests check.
    void tabOrder_data() {
        QTest::addColumn<bool>("metric");
        QTest::newRow("imperial") << false;
        QTest::newRow("metric") << true;
    }
    void tabOrder() {
        QFETCH(bool, metric);
        ui->model.chooseCheck(1); // oil lost to a drift: a count and a time among the inputs
        if (metric)
            ui->press(Qt::Key_M, Qt::AltModifier);
        const QString first = focusName();
        QCOMPARE(first, metric ? QStringLiteral("row0Metric") : QStringLiteral("row0Imperial"));
        for (const bool backwards : {false, true}) {
            int stops = 0;
            do {
                ui->press(Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
                QCOMPARE(focusName(), ui->modelFocusName());
            } while (++stops < 20 && focusName() != first);
            QCOMPARE(stops, 10); // the chooser, a unit button, four inputs, four buttons
        }
    }

    // Keys in a field edit where the caret is and selections reach the model; a click into a
    // field, open or locked, selects its whole text, so an answer can be copied. Enter on a
    // focused button presses that button: Clear empties every field and goes back to the first
    // input.
    void editingSelectingAndClearing() {
        QLineEdit *diameter = ui->typed(0);
        QTest::keyClicks(diameter, "45");
        ui->press(Qt::Key_Left);
        QTest::keyClicks(diameter, "0");
        QCOMPARE(diameter->text(), QStringLiteral("405"));
        QCOMPARE(diameter->cursorPosition(), 2);
        QCOMPARE(ui->model.field({0, false}).SelStart, 2);
        ui->press(Qt::Key_Home, Qt::ShiftModifier);
        QCOMPARE(ui->model.field({0, false}).SelStart, 0);
        QCOMPARE(ui->model.field({0, false}).SelLength, 2);

        ui->typeInputs({"4", "1", "25"});
        ui->press(Qt::Key_Return);
        QLineEdit *answer = ui->field({3, true});
        QTest::mouseClick(answer, Qt::LeftButton, {}, QPoint(4, answer->height() / 2));
        QCOMPARE(QApplication::focusWidget(), answer);
        QCOMPARE(answer->selectedText(), QStringLiteral("61.778"));
        QTest::keyClicks(answer, "9");
        QCOMPARE(answer->text(), QStringLiteral("61.778"));
        ui->press(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("chooser"));

        QTest::mouseClick(ui->typed(2), Qt::LeftButton);
        ui->press(Qt::Key_Tab);
        ui->press(Qt::Key_Tab);
        ui->press(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("cmdClear"));
        ui->press(Qt::Key_Return);
        for (QLineEdit *field : ui->view.findChildren<QLineEdit *>())
            QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
        QCOMPARE(focusName(), QStringLiteral("row0Imperial"));
        QVERIFY(ui->model.isOpen());
    }

private:
    std::unique_ptr<ChecksUnderTest> ui;
};

QTEST_MAIN(ChecksViewTest)
#include "checks_view_test.moc"
