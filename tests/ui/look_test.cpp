// SPDX-License-Identifier: MIT
// Every text of the window stays readable in a light and in a dark theme: the white and yellow
// fields keep their colours with dark text, and the red and black texts of the design turn to
// a readable shade of themselves on the theme's background.
#include "form_fixture.h"

#include <QApplication>
#include <QLabel>

using namespace liftcalc;
using liftcalc::test::FormUnderTest;

namespace {

// A dark theme as Fusion and the dark desktop themes give it: near-white text on dark grey.
QPalette darkPalette() {
    QPalette p;
    const QColor window(53, 53, 53), base(42, 42, 42), text(238, 238, 236);
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::AlternateBase})
        p.setColor(role, window);
    p.setColor(QPalette::Base, base);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                      QPalette::BrightText, QPalette::ToolTipText})
        p.setColor(role, text);
    p.setColor(QPalette::ToolTipBase, window);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    return p;
}

// What the widget draws its text in, against what it draws it on.
double contrastOf(const QWidget *w, QPalette::ColorRole text, QPalette::ColorRole background) {
    return contrastRatio(w->palette().color(text), w->palette().color(background));
}

} // namespace

class LookTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The measure itself: black on white is 21 to 1, a colour on itself 1 to 1, and pure red on
    // white falls short of what ordinary text needs.
    void contrastMeasure() {
        QCOMPARE(qRound(contrastRatio(Qt::black, Qt::white) * 10), 210);
        QCOMPARE(contrastRatio(Qt::yellow, Qt::yellow), 1.0);
        QVERIFY(contrastRatio(Qt::red, Qt::white) < kReadableContrast);
        QVERIFY(contrastRatio(readableOn(Qt::red, Qt::white), Qt::white) >= kReadableContrast);
    }

    void readableTexts_data() {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<bool>("switchWhileOpen");
        QTest::newRow("light theme") << false << false;
        QTest::newRow("dark theme") << true << false;
        QTest::newRow("dark theme chosen while the window is open") << true << true;
    }
    void readableTexts() {
        QFETCH(bool, dark);
        QFETCH(bool, switchWhileOpen);
        const QPalette original = QApplication::palette();
        if (dark && !switchWhileOpen)
            QApplication::setPalette(darkPalette());
        {
            FormUnderTest ui;
            QVERIFY(ui.start());
            if (switchWhileOpen) {
                QApplication::setPalette(darkPalette());
                QCoreApplication::processEvents();
            }
            // Open fields 0, 1, 2 (white) and locked 3, 6, 7, 8 (yellow); then metric units
            // turn 0 and 2 yellow and 6 and 7 white, so each field is seen in both states.
            for (int pass = 0; pass < 2; ++pass) {
                for (int i = 0; i < kFieldCount; ++i) {
                    const QLineEdit *field = ui.field(i);
                    const QColor base = field->palette().color(QPalette::Base);
                    QVERIFY2(base == QColor(Qt::white) || base == QColor(Qt::yellow),
                             qPrintable(field->objectName()));
                    QVERIFY2(contrastOf(field, QPalette::Text, QPalette::Base) >= kReadableContrast,
                             qPrintable(field->objectName()));
                }
                QTest::keySequence(ui.keyTarget(), QKeySequence(QStringLiteral("Ctrl+M")));
            }
            for (const char *name : {"optImperial", "optMetric"}) {
                QVERIFY2(contrastOf(ui.button(name), QPalette::WindowText, QPalette::Window) >=
                             kReadableContrast,
                         name);
            }
            for (const QLabel *label : ui.form.findChildren<QLabel *>()) {
                QVERIFY2(contrastOf(label, QPalette::WindowText, QPalette::Window) >=
                             kReadableContrast,
                         qPrintable(label->objectName()));
            }
            const QColor subtitle =
                ui.form.findChild<QLabel *>("Label1_20")->palette().color(QPalette::WindowText);
            QVERIFY(subtitle.red() > 2 * subtitle.green()); // still red
        }
        QApplication::setPalette(original);
    }
};

QTEST_MAIN(LookTest)
#include "look_test.moc"
