// SPDX-License-Identifier: MIT
// The checks window's look from check to check: one size with the buttons in one place, the
// check's help under its rows for eyes and screen readers, and a focus mark on the unit buttons.
#include "checks_fixture.h"

#include <QAccessible>
#include <QLabel>
#include <QScreen>
#include <QStyleOption>

using namespace liftcalc;
using liftcalc::test::ChecksUnderTest;

namespace {

QLabel *guideOf(const ChecksUnderTest &ui) {
    return ui.view.findChild<QLabel *>(QStringLiteral("guide"));
}

QRect placeOf(const QWidget *widget, const QWidget *window) {
    return QRect(widget->mapTo(window, QPoint()), widget->size());
}

} // namespace

class ChecksLookTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every check in either unit system: the window keeps one size and its buttons one place;
    // the help under the rows is the check's own, whole, above the buttons, and a screen reader
    // reads it.
    void oneSizeAndTheHelpOfEachCheck() {
        ChecksUnderTest ui;
        QVERIFY(ui.start());
        QLabel *guide = guideOf(ui);
        QVERIFY(guide);
        const QStringList buttons{"optImperial", "optMetric", "cmdCalculate", "cmdClear",
                                  "cmdClose"};
        const QSize size = ui.view.size();
        QList<QRect> places;
        for (const QString &name : buttons)
            places << placeOf(ui.button(name.toLatin1()), &ui.view);
        for (const bool metric : {false, true}) {
            QTest::mouseClick(ui.button(metric ? "optMetric" : "optImperial"), Qt::LeftButton);
            for (int index = 0; index < static_cast<int>(checks::kAll.size()); ++index) {
                const Check &check = *checks::kAll[index];
                ui.model.chooseCheck(index);
                QCoreApplication::processEvents();
                const QString where = QString::fromUtf8(check.title) +
                                      (metric ? QStringLiteral(", metric") : QString());
                QCOMPARE(ui.view.size(), size);
                for (int i = 0; i < buttons.size(); ++i)
                    QVERIFY2(placeOf(ui.button(buttons[i].toLatin1()), &ui.view) == places[i],
                             qPrintable(where + QStringLiteral(": ") + buttons[i]));

                const QString help = QString::fromStdString(
                    guideText(check, metric ? UnitSystem::metric : UnitSystem::imperial));
                QCOMPARE(guide->text(), help);
                QVERIFY(guide->isVisible());
                QCOMPARE(QAccessible::queryAccessibleInterface(guide)->text(QAccessible::Name),
                         help);
                const QRect shown = placeOf(guide, &ui.view);
                const QRect needs = guide->fontMetrics().boundingRect(
                    QRect(0, 0, guide->width(), 1 << 20), Qt::TextWordWrap, help);
                QVERIFY2(needs.height() <= shown.height() && needs.width() <= shown.width(),
                         qPrintable(where));
                QVERIFY2(shown.bottom() < places[2].top(), qPrintable(where));
                const QRect lastRow = placeOf(ui.field({check.rowCount() - 1, false}), &ui.view);
                QVERIFY2(shown.top() > lastRow.bottom(), qPrintable(where));
                QVERIFY2(ui.view.rect().contains(shown), qPrintable(where));
            }
        }
    }

    // The unit button holding the focus shows a focus mark, whether it was reached by Tab or by
    // a click, and the mark goes with the focus; digits typed there land in no field, as on
    // the calculator window's unit buttons.
    void unitButtonsShowTheirFocus() {
        ChecksUnderTest ui;
        QVERIFY(ui.start());
        QAbstractButton *imperial = ui.button("optImperial");
        const auto marked = [](const QWidget *w) {
            QStyleOption option;
            option.initFrom(w);
            return (option.state & QStyle::State_HasFocus) &&
                   (option.state & QStyle::State_KeyboardFocusChange);
        };
        const QImage unfocused = imperial->grab().toImage();
        ui.press(Qt::Key_Backtab);
        QCOMPARE(liftcalc::test::focusName(), QStringLiteral("optImperial"));
        QVERIFY(marked(imperial));
        QVERIFY(imperial->grab().toImage() != unfocused);
        QTest::keyClicks(imperial, "42");
        for (const QLineEdit *field : ui.view.findChildren<QLineEdit *>())
            QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
        QVERIFY(ui.model.imperial());

        ui.press(Qt::Key_Tab);
        QVERIFY(!marked(imperial));
        QTest::mouseClick(ui.button("optMetric"), Qt::LeftButton);
        ui.press(Qt::Key_Backtab);
        QTest::mouseClick(ui.button("optMetric"), Qt::LeftButton);
        QCOMPARE(liftcalc::test::focusName(), QStringLiteral("optMetric"));
        QVERIFY(marked(ui.button("optMetric")));
    }
};

QTEST_MAIN(ChecksLookTest)
#include "checks_look_test.moc"
