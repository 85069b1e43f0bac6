// SPDX-License-Identifier: MIT
// The window fits the screen it opens on and cuts no text. Run once on an ordinary screen and
// once with QT_SCALE_FACTOR=2, where the offscreen screen is far too small for the design.
#include "form_fixture.h"

#include <QLabel>
#include <QScreen>

using namespace liftcalc;
using liftcalc::test::FormUnderTest;

class FitTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fitsAndCutsNothing() {
        FormUnderTest ui;
        QVERIFY(ui.start());
        const QRect room = ui.form.screen()->availableGeometry();
        QVERIFY2(room.contains(ui.form.frameGeometry()), "the window is larger than the screen");
        QVERIFY(qAbs(ui.form.frameGeometry().center().x() - room.center().x()) <= 8);
        // Every caption, field and button shows its text whole, at its own size.
        QTest::keySequence(ui.keyTarget(), QKeySequence(QStringLiteral("Ctrl+U")));
        for (const QLabel *label : ui.form.findChildren<QLabel *>()) {
            const QFontMetrics metrics(label->font());
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->objectName()));
            QVERIFY2(metrics.height() <= label->height(), qPrintable(label->objectName()));
        }
        for (int i = 0; i < kFieldCount; ++i) {
            const QLineEdit *field = ui.field(i);
            QVERIFY2(QFontMetrics(field->font()).height() < field->height(),
                     qPrintable(field->objectName()));
        }
        for (QAbstractButton *button : ui.form.findChildren<QAbstractButton *>())
            QVERIFY2(button->sizeHint().height() <= button->height() + 4,
                     qPrintable(button->objectName()));
    }
};

QTEST_MAIN(FitTest)
#include "fit_test.moc"
