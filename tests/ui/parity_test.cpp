// SPDX-License-Identifier: MIT
// The same scenario played through the replay driver and through the real widgets, as key and
// mouse events, must leave the window model in the same state after every line.
#include "form_fixture.h"
#include "replay/replay.h"
#include "replay/state_json.h"
#include "tests/support/scenario.h"

#include <QDir>
#include <QRadioButton>
#include <sstream>

using namespace liftcalc;
using liftcalc::test::FormUnderTest;
using liftcalc::testing::readScenario;
using liftcalc::testing::ScenarioLine;

namespace {

// Gives field `index` the focus as a person would: a click, or, when it already has the
// focus, Ctrl+A, which leaves the same whole-text selection that a click into it makes.
void focusField(QLineEdit *field) {
    if (QApplication::focusWidget() == field)
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    else
        QTest::mouseClick(field, Qt::LeftButton);
}

void pressKeys(FormUnderTest &ui, const QString &name) {
    if (name == QLatin1String("Enter"))
        ui.press(Qt::Key_Return);
    else if (name == QLatin1String("Esc"))
        ui.press(Qt::Key_Escape);
    else if (name == QLatin1String("Shift+Tab"))
        ui.press(Qt::Key_Tab, Qt::ShiftModifier);
    else
        QTest::keySequence(ui.keyTarget(), QKeySequence(name));
}

// Carries out one scenario line with widgets; lines the window cannot take are left alone, as
// the replay driver leaves them.
void act(FormUnderTest &ui, const QString &line) {
    const QString action = line.section(QLatin1Char(' '), 0, 0);
    const QString rest = line.section(QLatin1Char(' '), 1);
    if (!ui.model.loaded())
        return;
    if (action == QLatin1String("focus") || action == QLatin1String("type")) {
        const int index = rest.section(QLatin1Char(' '), 0, 0).toInt();
        QLineEdit *field = ui.field(index);
        if (!field->isVisible())
            return;
        focusField(field);
        if (action == QLatin1String("focus"))
            return;
        const QString text = rest.section(QLatin1Char(' '), 1);
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        else
            QTest::keyClicks(field, text);
    } else if (action == QLatin1String("click")) {
        QAbstractButton *button = ui.button(rest.toLatin1().constData());
        const bool option = qobject_cast<QRadioButton *>(button) != nullptr;
        const QPoint at = option ? QPoint(8, button->height() / 2) : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, {}, at);
    } else if (action == QLatin1String("key")) {
        pressKeys(ui, rest);
    } else if (action == QLatin1String("menu")) {
        for (const MenuDesign &menu : kMenus)
            if (QString::fromUtf8(menu.name.data(), menu.name.size()) == rest)
                QTest::keySequence(
                    ui.keyTarget(),
                    QKeySequence(QString::fromUtf8(menu.shortcut.data(), menu.shortcut.size())));
    } else if (action == QLatin1String("close")) {
        ui.form.close();
    }
}

std::string replayDump(Replay &replay) {
    std::ostringstream out;
    replay.runLine("dump", 0, out);
    std::string json = out.str();
    if (!json.empty() && json.back() == '\n')
        json.pop_back();
    return json;
}

} // namespace

class ParityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sameStateAsReplay_data() {
        QTest::addColumn<QString>("path");
        const QDir dir(QStringLiteral(LIFTCALC_UI_SCENARIO_DIR));
        const QStringList files = dir.entryList({QStringLiteral("*.scenario")}, QDir::Files);
        QVERIFY(files.size() >= 5);
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << dir.filePath(file);
    }

    void sameStateAsReplay() {
        QFETCH(QString, path);
        const auto scenario = readScenario(path.toStdString());
        QVERIFY(scenario.has_value());
        QCOMPARE(scenario->locale, std::string("en_US"));
        FormUnderTest ui;
        QVERIFY(ui.start());
        Replay replay(NumberFormat::english());
        QCOMPARE(stateJson(ui.model, ui.host.shown), replayDump(replay));

        std::ostringstream ignored;
        for (const ScenarioLine &step : scenario->lines) {
            if (step.expectation)
                continue;
            const QString line = QString::fromStdString(step.text);
            replay.runLine(step.text, step.number, ignored);
            act(ui, line);
            const std::string widgets = stateJson(ui.model, ui.host.shown);
            ui.host.shown.clear();
            const std::string replayed = replayDump(replay);
            QVERIFY2(widgets == replayed,
                     qPrintable(QStringLiteral("line %1 '%2'\nwidgets: %3\nreplay:  %4")
                                    .arg(step.number)
                                    .arg(line, QString::fromStdString(widgets),
                                         QString::fromStdString(replayed))));
        }
    }
};

QTEST_MAIN(ParityTest)
#include "parity_test.moc"
