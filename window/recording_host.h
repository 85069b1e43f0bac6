// SPDX-License-Identifier: MIT
#pragma once

#include "window/window.h"

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace liftcalc {

// A host without a screen or a disk: it keeps every message box (the calculator window's, the
// field checks window's and the test record window's) and closes it at once with its only
// button, and counts the times the window was unloaded. The record window's files live in
// `files`; its dialogs and questions take the answers queued in `picks` and `answers` (none
// queued: the person cancels); every file written, PDF made and page printed is logged; the
// clock stands still and record ids count up.
class RecordingHost : public WindowHost {
public:
    void showMessage(const MessageBox &box) override { shown.push_back(box); }
    void windowUnloaded() override { ++unloaded; }

    SaveFirst askSaveFirst(const MessageBox &question) override {
        shown.push_back(question);
        return take(answers).value_or(SaveFirst::cancel);
    }
    std::optional<std::string> chooseFileToOpen() override { return picked(); }
    std::optional<std::string> chooseFileToSave(FileKind, std::string_view suggested) override {
        suggestions.emplace_back(suggested);
        return picked();
    }
    FileRead readFile(const std::string &path, std::size_t limit) override {
        const auto file = files.find(path);
        if (file == files.end())
            return {{}, std::string("No such file or directory")};
        return {file->second.substr(0, limit + 1), std::nullopt};
    }
    std::optional<std::string> writeFile(const std::string &path, std::string_view bytes) override {
        if (unwritable.contains(path))
            return std::string("Permission denied");
        files[path] = bytes;
        log.push_back("write " + path);
        return std::nullopt;
    }
    void keep(std::string_view bytes) override { kept_ = bytes; }
    std::optional<std::string> kept() override { return kept_; }
    // The PDF's file holds the record it carries, so that a test can read it back.
    std::optional<std::string> writePdf(const std::string &path, const record::Record &,
                                        std::string_view recordJson, std::string_view) override {
        if (unwritable.contains(path))
            return std::string("Permission denied");
        files[path] = recordJson;
        log.push_back("pdf " + path);
        return std::nullopt;
    }
    std::optional<std::string> print(const record::Record &record) override {
        log.push_back("print " + std::to_string(record.entries.size()) + " entries");
        return std::nullopt;
    }
    std::string timeNow() override { return now; }
    std::string newId() override {
        const std::string n = std::to_string(++ids);
        return "00000000-0000-4000-8000-" + std::string(12 - n.size(), '0') + n;
    }

    std::vector<MessageBox> shown;
    int unloaded = 0;
    std::map<std::string, std::string> files;
    std::set<std::string> unwritable;
    // The next file dialogs' answers; an empty name cancels.
    std::deque<std::string> picks;
    std::deque<SaveFirst> answers;
    // The names the save dialogs offered.
    std::vector<std::string> suggestions;
    std::vector<std::string> log;
    std::string now = "2026-03-27T09:31:05+01:00";
    int ids = 0;
    std::optional<std::string> kept_;

private:
    std::optional<std::string> picked() {
        const auto name = take(picks);
        return name && !name->empty() ? name : std::nullopt;
    }
    template <class T> static std::optional<T> take(std::deque<T> &queue) {
        if (queue.empty())
            return std::nullopt;
        T next = std::move(queue.front());
        queue.pop_front();
        return next;
    }
};

} // namespace liftcalc
