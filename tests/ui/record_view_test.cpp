// SPDX-License-Identifier: MIT
// The test record window on screen: built from the model's tables, every widget following the
// model and every doing reported to it, opened once from the calculator window and closed with
// it; the open record kept in the data folder, and a file saved whole or not at all.
#include "form_fixture.h"
#include "record/record_file.h"
#include "ui/record_table.h"
#include "ui/record_view.h"
#include "ui/widget_binding.h"
#include "window/actions.h"
#include "window/kept_record.h"
#include "window/recording_host.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace liftcalc;
using liftcalc::test::FormUnderTest;

namespace {

// A record window on its own model, its boxes and files kept by a recording host.
struct RecordUnderTest {
    RecordingHost host;
    std::shared_ptr<RecordWindow> model =
        std::make_shared<RecordWindow>(host, NumberFormat::english(), UnitSystem::imperial);
    RecordView view{model, nullptr, &host};

    bool show() {
        view.showOver();
        return QTest::qWaitForWindowActive(&view);
    }
    QLineEdit *field(std::string_view name) const {
        return view.findChild<QLineEdit *>(QString::fromUtf8(name.data(), name.size()));
    }
    QTableView *list() const { return view.findChild<QTableView *>(QStringLiteral("entries")); }
    QPushButton *button(const char *name) const {
        return view.findChild<QPushButton *>(QLatin1String(name));
    }
    // Adds an entry of the relief setting check, as the field checks window hands it over.
    void addEntry(const char *context) {
        record::Entry entry;
        entry.calculated.check = &checks::reliefSetting;
        entry.figures = {{"full_load_pressure_psi", 300}, {"relief_setting_psi", 420}};
        entry.context = context;
        model->add(entry);
    }
    QStringList contexts() const {
        QStringList out;
        for (const record::Entry &e : model->record().entries)
            out << QString::fromStdString(e.context);
        return out;
    }
};

class RecordViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Every field, unit, command, button and column comes from the tables, with its name for
    // screen readers.
    void builtFromTheTables() {
        RecordUnderTest t;
        for (const FormFieldDesign &design : kFormFields) {
            QLineEdit *field = t.field(design.name);
            QVERIFY2(field, design.name.data());
            QCOMPARE(field->accessibleName(), text(design.caption));
        }
        for (int m = 0; m < kMeasureCount; ++m) {
            const auto &q = record::kLiftQuantities[static_cast<std::size_t>(m)];
            auto *units = t.view.findChild<QComboBox *>(text(q.member) + QStringLiteral("_unit"));
            QVERIFY(units);
            QCOMPARE(units->itemText(0), text(q.imperialUnit));
            QCOMPARE(units->itemText(1), text(q.metricUnit));
            QVERIFY(!units->accessibleName().isEmpty());
        }
        for (const RecordCommandDesign &design : kRecordCommands) {
            auto *action = t.view.findChild<QAction *>(text(design.name));
            QVERIFY2(action, design.name.data());
            QCOMPARE(action->text(), text(design.caption));
            QCOMPARE(action->shortcut(), QKeySequence::fromString(text(design.shortcut)));
        }
        for (std::size_t i = 1; i < kRecordControls.size(); ++i)
            QCOMPARE(t.button(kRecordControls[i].name.data())->text(),
                     text(kRecordControls[i].caption));
        for (int c = 0; c < static_cast<int>(std::size(record::words::kColumns)); ++c)
            QCOMPARE(t.list()->model()->headerData(c, Qt::Horizontal).toString(),
                     text(record::words::kColumns[c]));
        QCOMPARE(t.view.windowTitle(), QStringLiteral("Test record"));
    }

    // Typing and choosing a unit reach the model; the model's own changes reach the widgets.
    void fieldsFollowTheModel() {
        RecordUnderTest t;
        QVERIFY(t.show());
        QTest::mouseClick(t.field("owner"), Qt::LeftButton);
        QTest::keyClicks(t.field("owner"), QStringLiteral("Acme Towers"));
        QVERIFY(t.model->record().lift.owner == "Acme Towers");
        QTest::mouseClick(t.field("rated_load"), Qt::LeftButton);
        QTest::keyClicks(t.field("rated_load"), QStringLiteral("2500"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("rated_load_unit"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(t.model->record().lift.ratedLoad->unit == "kg");
        t.model->typeInto(formFieldNamed("device_id"), "E-1");
        QCOMPARE(t.field("device_id")->text(), QStringLiteral("E-1"));
        QCOMPARE(t.view.windowTitle(), QStringLiteral("*Test record"));
    }

    // The list shows the entries; the mouse, the keys and the buttons choose, move and delete,
    // and a cell set in place reaches the model.
    void entriesAreEditedInTheList() {
        RecordUnderTest t;
        QVERIFY(t.show());
        for (const char *context : {"first", "second", "third"})
            t.addEntry(context);
        QTableView *list = t.list();
        QCOMPARE(list->model()->rowCount(), 3);
        const QRect row0 = list->visualRect(list->model()->index(0, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row0.center());
        QVERIFY(t.model->currentEntry() == 0u);
        QVERIFY(!t.button("cmdMoveUp")->isEnabled());
        QTest::keyClick(list, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(t.contexts(), (QStringList{"second", "first", "third"}));
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(t.contexts(), (QStringList{"second", "third"}));
        QTest::mouseClick(t.button("cmdDelete"), Qt::LeftButton);
        QCOMPARE(t.contexts(), (QStringList{"second"}));

        using record::words::Column;
        QAbstractItemModel *cells = list->model();
        cells->setData(cells->index(0, static_cast<int>(Column::note)), QStringLiteral("re-set"));
        cells->setData(cells->index(0, static_cast<int>(Column::verdict)),
                       static_cast<int>(record::Verdict::notApplicable));
        QVERIFY(t.model->record().entries[0].note == "re-set");
        QCOMPARE(cells->index(0, static_cast<int>(Column::verdict)).data().toString(),
                 QStringLiteral("Not applicable"));
        QVERIFY(!(cells->flags(cells->index(0, static_cast<int>(Column::figures))) &
                  Qt::ItemIsEditable));
    }

    // Tab follows the model's order; Esc closes the window and the model.
    void keysAreTheModels() {
        RecordUnderTest t;
        QVERIFY(t.show());
        QCOMPARE(QApplication::focusWidget(), t.field("device_id"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), t.field("serial"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), t.field("remarks"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!t.model->isOpen());
        QVERIFY(!t.view.isVisible());
    }

    // The calculator window opens one record window over it, and closes it when it goes.
    void opensOnceFromTheCalculatorWindow() {
        FormUnderTest main;
        QVERIFY(main.start());
        const auto windows = [] {
            int n = 0;
            for (QWidget *w : QApplication::topLevelWidgets())
                n += w->objectName() == QStringLiteral("RecordForm") && w->isVisible();
            return n;
        };
        main.menuItem("mnuTestRecord")->trigger();
        main.menuItem("mnuTestRecord")->trigger();
        QCOMPARE(windows(), 1);
        QCOMPARE(main.menuItem("mnuAddToTestRecord")->text(),
                 QStringLiteral("&Add to Test Record"));
        perform(main.model, CloseWindow{});
        QCOMPARE(windows(), 0);
    }

    // The open record is kept in the data folder and read back from it.
    void theRecordIsKept() {
        DesktopHost host;
        const std::string bytes = keptBytes(record::Record{}, "/a b.liftrec", RecordState::changed);
        host.keep(bytes);
        QVERIFY(host.kept() == bytes);
        QVERIFY(QFile::exists(keptRecordPath()));
        QFile::remove(keptRecordPath());
    }

    // Reading a file gives its bytes up to the limit, or the system's reason; a named pipe
    // nobody writes to reads as empty rather than holding the window.
    void readingAFile() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("visit.liftrec"));
        QVERIFY(!saveWhole(file, "0123456789AB"));
        const QString pipe = dir.filePath(QStringLiteral("pipe.liftrec"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const struct {
            QString path;
            std::string bytes;
            std::optional<std::string> failure;
        } cases[] = {
            {file, "0123456789A", std::nullopt},
            {pipe, "", std::nullopt},
            {dir.filePath(QStringLiteral("none.liftrec")), "", "No such file or directory"},
            {dir.path(), "", "Is a directory"},
        };
        DesktopHost host;
        for (const auto &c : cases) {
            const FileRead read = host.readFile(c.path.toStdString(), 10);
            QCOMPARE(read.failure, c.failure);
            if (!c.failure)
                QCOMPARE(read.bytes, c.bytes);
        }
    }

    // Export PDF writes the record's pages with the record's file attached under its name.
    void thePdfCarriesTheRecord() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("visit.pdf"));
        record::Record r = record::newRecord("6f1c2b3a-0000-4000-8000-000000000001",
                                             "2026-03-27T09:14:00+01:00", "2026-03-27", "liftcalc");
        r.lift.deviceId = "E-20417";
        const std::string json = record::recordJson(r);
        DesktopHost host;
        QVERIFY(!host.writePdf(path.toStdString(), r, json, "visit.liftrec"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdf.contains("visit.liftrec"));
        QVERIFY(host.writePdf(dir.filePath(QStringLiteral("no/such/folder.pdf")).toStdString(), r,
                              json, "visit.liftrec"));
    }

    // A save that cannot be finished (a file larger than the system allows, as on a full disk)
    // leaves the old file byte for byte and says why.
    void aFailedSaveLeavesTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("visit.liftrec"));
        QVERIFY(!saveWhole(path, "old bytes"));
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit small = before;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
        const auto failed = saveWhole(path, std::string(100000, 'x'));
        setrlimit(RLIMIT_FSIZE, &before);
        QVERIFY(failed.has_value());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("old bytes"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"visit.liftrec"});
        QVERIFY(saveWhole(dir.filePath(QStringLiteral("no/such/folder.liftrec")), "x"));
    }
};

} // namespace

QTEST_MAIN(RecordViewTest)
#include "record_view_test.moc"
