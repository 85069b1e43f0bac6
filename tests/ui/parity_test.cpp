// SPDX-License-Identifier: MIT
// The same scenario played through the replay driver and through the real widgets, as key and
// mouse events, must leave the window model in the same state after every line.
#include "form_fixture.h"
#include "replay/replay.h"
#include "replay/state_json.h"
#include "tests/support/scenario.h"
#include "ui/widget_binding.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
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

void pressKeys(QWidget *target, const QString &name) {
    if (name == QLatin1String("Enter"))
        QTest::keyClick(target, Qt::Key_Return);
    else if (name == QLatin1String("Esc"))
        QTest::keyClick(target, Qt::Key_Escape);
    else if (name == QLatin1String("Shift+Tab"))
        QTest::keyClick(target, Qt::Key_Tab, Qt::ShiftModifier);
    else
        QTest::keySequence(target, QKeySequence(name));
}

// Gives a window the keys, as a person's click on it would. Qt counts a window over another as
// active as soon as the one below is, so this asks which window the application gives keys to.
bool giveKeysTo(QWidget *window) {
    if (QApplication::activeWindow() != window)
        window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

// The field checks window on show for the calculator window's model, if any.
ChecksView *shownChecks(const FormUnderTest &ui) {
    const ChecksWindow *model = ui.model.fieldChecks();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *view = dynamic_cast<ChecksView *>(w); view && &view->model() == model)
            return view;
    return nullptr;
}

// Types over a field's whole text as a person does: the field takes the focus, which selects
// it, and the keys replace it; an empty text is a Delete.
void typeOver(QLineEdit *field, const QString &text) {
    focusField(field);
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
}

// A line for the field checks window, with its widgets.
void actOnChecks(FormUnderTest &ui, const QString &line) {
    ChecksView *view = shownChecks(ui);
    if (!view || !giveKeysTo(view))
        return;
    ChecksWindow &model = view->model();
    const QString action = line.section(QLatin1Char(' '), 0, 0);
    const QString rest = line.section(QLatin1Char(' '), 1);
    const auto fieldWidget = [view](CheckField f) {
        return view->findChild<QLineEdit *>(QStringLiteral("row%1%2").arg(f.row).arg(
            f.metric ? QStringLiteral("Metric") : QStringLiteral("Imperial")));
    };
    const int row = rest.section(QLatin1Char(' '), 0, 0).toInt();
    if (action == QLatin1String("type")) {
        if (row < model.check().rowCount())
            typeOver(fieldWidget(model.typedField(row)), rest.section(QLatin1Char(' '), 1));
    } else if (action == QLatin1String("focus")) {
        const CheckField f{row, rest.section(QLatin1Char(' '), 1) == QLatin1String("metric")};
        if (row < model.check().rowCount() && model.field(f).Visible)
            focusField(fieldWidget(f));
    } else if (action == QLatin1String("choose")) {
        for (std::size_t i = 0; i < checks::kAll.size(); ++i)
            if (text(checks::kAll[i]->command) == rest)
                Q_EMIT view->findChild<QComboBox *>(QStringLiteral("chooser"))
                    ->activated(static_cast<int>(i));
    } else if (action == QLatin1String("click")) {
        if (auto *button = view->findChild<QAbstractButton *>(rest)) {
            const bool option = qobject_cast<QRadioButton *>(button) != nullptr;
            QTest::mouseClick(button, Qt::LeftButton, {},
                              option ? QPoint(8, button->height() / 2) : button->rect().center());
        } else if (view->findChild<QComboBox *>(rest)) {
            QTest::keyClick(view, Qt::Key_K, Qt::AltModifier);
        }
    } else if (action == QLatin1String("key")) {
        pressKeys(QApplication::focusWidget() ? QApplication::focusWidget() : view, rest);
    } else if (action == QLatin1String("find")) {
        // A search of its own: the letters before it were typed longer ago than the interval
        // that joins letters into one.
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
        QTest::keyClicks(QApplication::focusWidget() ? QApplication::focusWidget() : view, rest);
    } else if (action == QLatin1String("close")) {
        view->close();
    }
}

// Carries out one scenario line with widgets; lines the window cannot take are left alone, as
// the replay driver leaves them.
void act(FormUnderTest &ui, const QString &line) {
    const QString action = line.section(QLatin1Char(' '), 0, 0);
    const QString rest = line.section(QLatin1Char(' '), 1);
    if (action == QLatin1String("checks")) {
        actOnChecks(ui, rest);
        return;
    }
    if (!ui.model.loaded())
        return;
    QVERIFY(giveKeysTo(&ui.form));
    if (action == QLatin1String("focus") || action == QLatin1String("type")) {
        const int index = rest.section(QLatin1Char(' '), 0, 0).toInt();
        QLineEdit *field = ui.field(index);
        if (!field->isVisible())
            return;
        if (action == QLatin1String("focus"))
            focusField(field);
        else
            typeOver(field, rest.section(QLatin1Char(' '), 1));
    } else if (action == QLatin1String("click")) {
        QAbstractButton *button = ui.button(rest.toLatin1().constData());
        const bool option = qobject_cast<QRadioButton *>(button) != nullptr;
        const QPoint at = option ? QPoint(8, button->height() / 2) : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, {}, at);
    } else if (action == QLatin1String("key")) {
        pressKeys(ui.keyTarget(), rest);
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
        // The field checks window's own scenarios, through both windows' widgets.
        const QDir checks = QFileInfo(QStringLiteral(LIFTCALC_CHECKS_SCENARIO)).dir();
        for (const char *file :
             {"field_checks.scenario", "periodic_test.scenario", "chooser_keys.scenario"})
            QTest::newRow(file) << checks.filePath(QLatin1String(file));
    }

    void sameStateAsReplay() {
        QFETCH(QString, path);
        const auto scenario = readScenario(path.toStdString());
        QVERIFY(scenario.has_value());
        QCOMPARE(scenario->locale, std::string("en_US"));
        FormUnderTest ui;
        QVERIFY(ui.start());
        Replay replay(NumberFormat::english());
        QCOMPARE(stateJson(ui.model, ui.host.shown, ui.model.fieldChecks()), replayDump(replay));

        std::ostringstream ignored;
        for (const ScenarioLine &step : scenario->lines) {
            if (step.expectation)
                continue;
            const QString line = QString::fromStdString(step.text);
            replay.runLine(step.text, step.number, ignored);
            act(ui, line);
            // The checks window's boxes are recorded too, not shown.
            if (ChecksWindow *checks = ui.model.fieldChecks())
                checks->setMessageHost(&ui.host);
            const std::string widgets = stateJson(ui.model, ui.host.shown, ui.model.fieldChecks());
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
