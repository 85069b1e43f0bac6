// SPDX-License-Identifier: MIT
// The record's commands: a new record, opening and saving files, the exports and the printer,
// and the copy of the open record kept after every change.
#include "window/record_window.h"

#include "record/record_csv.h"
#include "record/record_file.h"
#include "window/kept_record.h"

namespace liftcalc {
namespace {

using record::words::Command;
using record::words::Message;
using record::words::say;

constexpr std::string_view kExtension = ".liftrec";

MessageBox box(std::string prompt) {
    return {std::string(record::words::kTitle), std::move(prompt), 0};
}

// The last part of a path: what a person calls the file.
std::string_view baseName(std::string_view path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// A record's file ends in .liftrec, so that a file manager opens it with the program; a name
// given without any extension gets it.
std::string withExtension(std::string path) {
    if (baseName(path).find('.') == std::string_view::npos)
        path += kExtension;
    return path;
}

} // namespace

void RecordWindow::command(Command command) {
    if (!open_)
        return;
    switch (command) {
    case Command::newRecord:
        newRecord();
        break;
    case Command::open:
        open();
        break;
    case Command::save:
        save();
        break;
    case Command::saveAs:
        saveAs();
        break;
    case Command::exportPdf:
        exportPdf();
        break;
    case Command::exportCsv:
        exportCsv();
        break;
    case Command::print:
        print();
        break;
    case Command::close:
        close();
        break;
    }
}

std::string RecordWindow::title() const {
    std::string title(record::words::kTitle);
    if (!file_.empty())
        title = std::string(baseName(file_)) + " - " + title;
    return state_ == RecordState::saved || (file_.empty() && state_ == RecordState::fresh)
               ? title
               : "*" + title;
}

// Every change to the record is kept at once; the file no longer holds it.
void RecordWindow::recordChanged() {
    setState(RecordState::changed);
    keep();
}

void RecordWindow::keep() {
    host().keep(keptBytes(record_, file_, state_));
}

void RecordWindow::setState(RecordState state) {
    if (assign(state_, state))
        changed.send(TitleChanged{});
}

// A record the file does not hold is offered for saving first: one never saved, or one changed
// since.
bool RecordWindow::mayEnd() {
    if (state_ != RecordState::changed)
        return true;
    const MessageBox question = file_.empty()
                                    ? box(say(Message::saveFirst))
                                    : box(say(Message::changesNotSaved, {baseName(file_)}));
    switch (host().askSaveFirst(question)) {
    case SaveFirst::save:
        return save();
    case SaveFirst::discard:
        return true;
    case SaveFirst::cancel:
        break;
    }
    return false;
}

void RecordWindow::newRecord() {
    if (!mayEnd())
        return;
    const std::string now = host().timeNow();
    show(record::newRecord(host().newId(), now, now.substr(0, 10), "liftcalc " LIFTCALC_VERSION),
         {}, RecordState::fresh);
    keep();
}

// A file that cannot be read, or is not a sound record, is refused with the reason, and the
// open record stays as it was.
void RecordWindow::open() {
    if (!mayEnd())
        return;
    if (const auto path = host().chooseFileToOpen())
        read(*path);
}

void RecordWindow::openFile(const std::string &path) {
    if (open_ && mayEnd())
        read(path);
}

void RecordWindow::read(const std::string &path) {
    FileRead file = host().readFile(path, record::kLargestFile);
    if (file.failure) {
        host().showMessage(box(say(Message::cannotRead, {path, *file.failure})));
        return;
    }
    auto read = record::readRecord(file.bytes);
    if (const auto *error = std::get_if<record::ReadError>(&read)) {
        host().showMessage(box(say(Message::cannotOpen, {path, error->message})));
        return;
    }
    show(std::move(std::get<record::Record>(read)), path, RecordState::saved);
    keep();
}

bool RecordWindow::save() {
    if (file_.empty())
        return saveAs();
    record::Record saved = record_;
    saved.modified = host().timeNow();
    saved.program = "liftcalc " LIFTCALC_VERSION;
    if (const auto failure = host().writeFile(file_, record::recordJson(saved))) {
        host().showMessage(box(say(Message::cannotSave, {file_, *failure})));
        return false;
    }
    record_ = std::move(saved);
    setState(RecordState::saved);
    keep();
    return true;
}

bool RecordWindow::saveAs() {
    const auto path = host().chooseFileToSave(FileKind::record, suggestedName(kExtension));
    if (!path)
        return false;
    const std::string before = std::exchange(file_, withExtension(*path));
    if (!save()) {
        file_ = before;
        return false;
    }
    changed.send(TitleChanged{});
    return true;
}

void RecordWindow::exportPdf() {
    if (const auto path = host().chooseFileToSave(FileKind::pdf, suggestedName(".pdf")))
        if (const auto failure = host().writePdf(*path, record_, record::recordJson(record_),
                                                 file_.empty() ? suggestedName(kExtension)
                                                               : std::string(baseName(file_))))
            host().showMessage(box(say(Message::cannotExport, {*path, *failure})));
}

void RecordWindow::exportCsv() {
    if (const auto path = host().chooseFileToSave(FileKind::csv, suggestedName(".csv")))
        if (const auto failure = host().writeFile(*path, record::recordCsv(record_)))
            host().showMessage(box(say(Message::cannotExport, {*path, *failure})));
}

void RecordWindow::print() {
    if (const auto failure = host().print(record_))
        host().showMessage(box(say(Message::cannotPrint, {*failure})));
}

// The file's own name, or one made of the lift's device ID and the visit's date, keeping only
// what every file system takes.
std::string RecordWindow::suggestedName(std::string_view extension) const {
    if (!file_.empty()) {
        std::string name(baseName(file_));
        if (const auto dot = name.rfind('.'); dot != std::string::npos && dot > 0)
            name.resize(dot);
        return name + std::string(extension);
    }
    std::string name;
    for (const char c : record_.lift.deviceId + " " + record_.visit.date) {
        if (name.size() >= 64)
            break;
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')
            name += c;
        else if (!name.empty() && name.back() != '-')
            name += '-';
    }
    while (!name.empty() && name.back() == '-')
        name.pop_back();
    return (name.empty() ? std::string("record") : name) + std::string(extension);
}

} // namespace liftcalc
