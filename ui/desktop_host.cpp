// SPDX-License-Identifier: MIT
#include "ui/desktop_host.h"

#include "pdf/record_pdf.h"
#include "platform/locale_format.h"
#include "record/record_file.h"
#include "record/words.h"
#include "ui/widget_binding.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace liftcalc {
namespace {

namespace words = record::words;

QString filterOf(FileKind kind) {
    switch (kind) {
    case FileKind::pdf:
        return text(words::kPdfFiles);
    case FileKind::csv:
        return text(words::kCsvFiles);
    case FileKind::record:
        break;
    }
    return text(words::kRecordFiles);
}

QString pathOf(const std::string &path) {
    return QString::fromStdString(path);
}

pdf::RecordPages pagesOf(const record::Record &record, std::string_view file,
                         std::string_view name) {
    return {record,
            file,
            name,
            numberFormatOf(QLocale::system()),
            pdf::paperOf(QLocale::system()),
            QDate::currentDate().toString(Qt::ISODate)};
}

} // namespace

QString keptRecordPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/open-record");
}

std::optional<std::string> saveWhole(const QString &path, std::string_view bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.commit())
        return file.errorString().toStdString();
    return std::nullopt;
}

SaveFirst DesktopHost::askSaveFirst(const MessageBox &question) {
    QMessageBox box(QMessageBox::Question, text(question.title), promptText(question.prompt),
                    QMessageBox::NoButton, window());
    box.setObjectName(QStringLiteral("saveFirst"));
    QPushButton *save = box.addButton(text(words::kSave), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(text(words::kDiscard), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(text(words::kCancel), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return SaveFirst::save;
    return box.clickedButton() == discard ? SaveFirst::discard : SaveFirst::cancel;
}

std::optional<std::string> DesktopHost::chooseFileToOpen() {
    const QString path =
        QFileDialog::getOpenFileName(window(), QString(), QString(), filterOf(FileKind::record));
    return path.isEmpty() ? std::nullopt : std::optional(path.toStdString());
}

std::optional<std::string> DesktopHost::chooseFileToSave(FileKind kind,
                                                         std::string_view suggested) {
    const QString start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                          QLatin1Char('/') + text(suggested);
    const QString path = QFileDialog::getSaveFileName(window(), QString(), start, filterOf(kind));
    return path.isEmpty() ? std::nullopt : std::optional(path.toStdString());
}

FileRead DesktopHost::readFile(const std::string &path, std::size_t limit) {
    // Opened without waiting, so that a named pipe nobody writes to reads as empty instead of
    // holding the window; reading then waits for a writer that is there.
    const int fd = ::open(QFile::encodeName(pathOf(path)).constData(),
                          O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {{}, qt_error_string(errno).toStdString()};
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {{}, file.errorString().toStdString()};
    }
    const QByteArray bytes = file.read(static_cast<qint64>(limit) + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString().toStdString()};
    return {bytes.toStdString(), std::nullopt};
}

std::optional<std::string> DesktopHost::writeFile(const std::string &path, std::string_view bytes) {
    return saveWhole(pathOf(path), bytes);
}

// A record that cannot be kept (a full disk) stays open and is saved as usual; the kept copy is
// as it was before, never torn.
void DesktopHost::keep(std::string_view bytes) {
    const QString path = keptRecordPath();
    QDir().mkpath(QFileInfo(path).path());
    saveWhole(path, bytes);
}

std::optional<std::string> DesktopHost::kept() {
    QFile file(keptRecordPath());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(static_cast<qint64>(2 * record::kLargestFile)).toStdString();
}

std::optional<std::string> DesktopHost::writePdf(const std::string &path,
                                                 const record::Record &record,
                                                 std::string_view recordJson,
                                                 std::string_view fileName) {
    return pdf::saveRecordPdf(pagesOf(record, recordJson, fileName), pathOf(path));
}

std::optional<std::string> DesktopHost::print(const record::Record &record) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, window());
    dialog.setObjectName(QStringLiteral("printDialog"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    pdf::drawRecordPages(printer, pagesOf(record, {}, {}));
    if (printer.printerState() == QPrinter::Error)
        return std::string("the printer reported an error");
    return std::nullopt;
}

// Local time with its offset from UTC written out, "+00:00" included.
std::string DesktopHost::timeNow() {
    const QDateTime now = QDateTime::currentDateTime();
    const int offset = now.offsetFromUtc() / 60;
    const int minutes = offset < 0 ? -offset : offset;
    return (now.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
            QString::asprintf("%c%02d:%02d", offset < 0 ? '-' : '+', minutes / 60, minutes % 60))
        .toStdString();
}

std::string DesktopHost::newId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
}

} // namespace liftcalc
