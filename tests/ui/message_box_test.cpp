// SPDX-License-Identifier: MIT
// The program's own host: real modal Qt message boxes, closed here by a timer.
#include "ui/calculator_form.h"
#include "ui/message_box_host.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>

using namespace liftcalc;

namespace {
struct SeenBox {
    QString title, text;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::Information;
    bool seen = false;
    bool wrapped = true;
    int width = 0;
};

// Looks at the modal box once it is up, then closes it with its only button.
void closeBoxWhenShown(SeenBox &seen) {
    QTimer::singleShot(0, qApp, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        seen = {box->windowTitle(), box->text(), static_cast<int>(box->buttons().size()),
                box->icon(),        true,        label->wordWrap(),
                box->width()};
        box->button(QMessageBox::Ok)->click();
    });
}
} // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // CR LF pairs in a prompt are line breaks.
    void promptLineBreaks() {
        QCOMPARE(promptText("\r\nfirst\r\nsecond"), QStringLiteral("\nfirst\nsecond"));
        QCOMPARE(promptText("no breaks"), QStringLiteral("no breaks"));
    }

    // The chart and the invalid-number message come up as modal boxes with one OK button and
    // no icon, and the handler goes on once the box is closed. The chart's lines stay whole,
    // on a small screen too (run again with QT_SCALE_FACTOR=2).
    void realModalBoxes() {
        MessageBoxHost host;
        Window model(host, NumberFormat::english());
        CalculatorForm form(model);
        host.setWindow(&form);
        model.start();
        form.showCentred();
        QVERIFY(QTest::qWaitForWindowActive(&form));

        SeenBox chart;
        closeBoxWhenShown(chart);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(chart.seen);
        QCOMPARE(chart.title, QStringLiteral("Conversion Chart"));
        QVERIFY(chart.text.startsWith(QLatin1Char('\n'))); // the chart's first line is empty
        QCOMPARE(chart.text.count(QLatin1Char('\n')), 12);
        QVERIFY(!chart.text.contains(QLatin1Char('\r')));
        QCOMPARE(chart.buttons, 1);
        QCOMPARE(chart.icon, QMessageBox::NoIcon);
        QVERIFY2(!chart.wrapped, "the chart's lines are broken, and its columns with them");

        // The window takes the focus back once the box has gone.
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1_0"));

        SeenBox invalid;
        closeBoxWhenShown(invalid);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(invalid.seen);
        QCOMPARE(invalid.title, QStringLiteral("Static Pressure"));
        QCOMPARE(invalid.text, QStringLiteral("Did you enter a valid number in every field?"));
        QCOMPARE(invalid.buttons, 1);
        // After the box the focus goes to the first input that is 0 or less.
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1_0"));
        QVERIFY(model.loaded());
    }

    // A box with a short prompt is still wide enough for its title in a window manager's bold
    // font, beside the three buttons of its title bar.
    void wideEnoughForTheTitle_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("relief") << QStringLiteral("Relief valve setting")
                                << QStringLiteral("Relief setting must be more than 0");
        QTest::newRow("car weight") << QStringLiteral("Car weight from the gauge")
                                    << QStringLiteral("Time must be more than 0");
        QTest::newRow("share") << QStringLiteral("Pressure at a share of full load")
                               << QStringLiteral("OK");
        QTest::newRow("calculator") << QStringLiteral("Static Pressure") << QStringLiteral("?");
        QTest::newRow("empty prompt") << QStringLiteral("Conversion Chart") << QString();
    }
    void wideEnoughForTheTitle() {
        QFETCH(QString, title);
        QFETCH(QString, prompt);
        MessageBoxHost host;
        SeenBox box;
        closeBoxWhenShown(box);
        host.showMessage({title.toStdString(), prompt.toStdString()});
        QVERIFY(box.seen);
        QFont bold = QApplication::font("QMdiSubWindowTitleBar");
        bold.setBold(true);
        const int bar = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
        QCOMPARE_GE(box.width, QFontMetrics(bold).horizontalAdvance(title) + 3 * bar);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
