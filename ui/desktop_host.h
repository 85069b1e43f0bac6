// SPDX-License-Identifier: MIT
// The program around the windows on the desktop: besides the message boxes, the test record's
// question, file dialogs, files saved whole with QSaveFile, the open record kept in the
// program's data folder, the PDF, the printer and the clock.
#pragma once

#include "ui/message_box_host.h"

#include <QString>

namespace liftcalc {

class DesktopHost : public MessageBoxHost {
public:
    SaveFirst askSaveFirst(const MessageBox &question) override;
    std::optional<std::string> chooseFileToOpen() override;
    std::optional<std::string> chooseFileToSave(FileKind kind, std::string_view suggested) override;
    FileRead readFile(const std::string &path, std::size_t limit) override;
    std::optional<std::string> writeFile(const std::string &path, std::string_view bytes) override;
    void keep(std::string_view bytes) override;
    std::optional<std::string> kept() override;
    std::optional<std::string> writePdf(const std::string &path, const record::Record &record,
                                        std::string_view recordJson,
                                        std::string_view fileName) override;
    std::optional<std::string> print(const record::Record &record) override;
    std::string timeNow() override;
    std::string newId() override;
};

// Where the open record is kept between runs: "open-record" in the program's data folder
// (~/.local/share/liftcalc), until another record replaces it.
QString keptRecordPath();

// Writes BYTES to PATH whole, through a new file put in place only once it is written, so that
// a full disk or a folder one may not write into leaves the old file as it was; nothing when
// written, else the reason.
std::optional<std::string> saveWhole(const QString &path, std::string_view bytes);

} // namespace liftcalc
