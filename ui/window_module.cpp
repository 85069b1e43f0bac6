// SPDX-License-Identifier: MIT
#include "ui/window_module.h"

#include "pdf/record_pdf.h"
#include "platform/locale_format.h"
#include "record/record_file.h"
#include "ui/calculator_form.h"
#include "ui/desktop_host.h"
#include "window/actions.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <variant>

extern "C" __attribute__((visibility("default"))) int liftcalcRunWindow(int *argc, char **argv) {
    using namespace liftcalc;
    QApplication app(*argc, argv);
    QApplication::setApplicationName(QStringLiteral("liftcalc"));
    QApplication::setDesktopFileName(QStringLiteral("liftcalc"));
    DesktopHost host;
    Window window(host, numberFormatOf(QLocale::system()));
    CalculatorForm form(window);
    host.setWindow(&form);
    window.start();
    form.showCentred();
    // The record open when the program last ended, however it ended, is open again; a record
    // file named on the command line (a file manager's way to open one) is opened.
    const QStringList arguments = QApplication::arguments();
    const bool named = arguments.size() == 2;
    if (named || QFileInfo::exists(keptRecordPath()))
        perform(window, ChooseMenu{MenuItem::mnuTestRecord});
    if (named)
        if (RecordWindow *record = window.testRecord())
            record->openFile(arguments[1].toStdString());
    return QApplication::exec();
}

namespace {

// The record file whole, or the reason it cannot be read.
std::variant<QByteArray, std::string> fileBytes(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString().toStdString();
    QByteArray bytes = file.read(static_cast<qint64>(liftcalc::record::kLargestFile) + 1);
    if (file.error() != QFileDevice::NoError)
        return file.errorString().toStdString();
    return bytes;
}

int refused(const std::string &reason, char *message, unsigned long size) {
    if (size > 0)
        std::snprintf(message, size, "%s", reason.c_str());
    return 1;
}

} // namespace

extern "C" __attribute__((visibility("default"))) int
liftcalcWriteRecordPdf(const LiftcalcRecordPdf *request, char *message, unsigned long size) {
    using namespace liftcalc;
    // Qt's own warnings (a missing runtime folder) are no concern of the command line's.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    // The PDF needs fonts, not a screen: no window opens, with or without a display.
    static char program[] = "liftcalc";
    static char platformOption[] = "-platform";
    static char offscreen[] = "offscreen";
    char *argv[] = {program, platformOption, offscreen, nullptr};
    int argc = 3;
    QGuiApplication app(argc, argv);

    const QString path = QString::fromUtf8(request->file);
    const auto bytes = fileBytes(path);
    const QByteArray *file = std::get_if<QByteArray>(&bytes);
    if (!file)
        return refused(*std::get_if<std::string>(&bytes), message, size);
    const std::string_view fileView(file->constData(), static_cast<std::size_t>(file->size()));
    const auto read = record::readRecord(fileView);
    const record::Record *opened = std::get_if<record::Record>(&read);
    if (!opened)
        return refused(std::get_if<record::ReadError>(&read)->message, message, size);

    const QLocale locale =
        *request->locale ? QLocale(QString::fromUtf8(request->locale)) : QLocale::system();
    const auto named = pdf::paperNamed(request->paper);
    const std::string name = QFileInfo(path).fileName().toStdString();
    const pdf::RecordPages pages{*opened,
                                 fileView,
                                 name,
                                 {request->decimal, request->group, request->minus},
                                 named ? *named : pdf::paperOf(locale),
                                 QDate::currentDate().toString(Qt::ISODate)};
    if (const auto failed = pdf::saveRecordPdf(pages, QString::fromUtf8(request->output)))
        return refused(*failed, message, size);
    return 0;
}
