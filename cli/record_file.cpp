// SPDX-License-Identifier: MIT
#include "cli/record_file.h"

#include "record/words.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace liftcalc::cli {
namespace {

using record::words::Message;
using record::words::say;

std::string reason(int error) {
    return std::strerror(error);
}

// Closes the file when it goes out of scope, unless already closed.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

std::string folderOf(const std::string &path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// A save's temporary file is named after the record: ".visit.liftrec.", then six letters or
// digits.
constexpr std::string_view kTemporaryEnd = "XXXXXX";

bool isTemporaryOf(std::string_view name, std::string_view base) {
    const std::size_t prefix = base.size() + 2;
    if (name.size() != prefix + kTemporaryEnd.size() || !name.starts_with('.') ||
        name.substr(1, base.size()) != base || name[prefix - 1] != '.')
        return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// Removes the temporary files that saves of this record left when they were killed. A save holds
// its temporary file locked until it is renamed, so a file of the pattern that can be locked has
// no save behind it; links, folders and every other name are left alone.
void removeLeftTemporaries(const std::string &folder, std::string_view base) {
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir)) {
        if (!isTemporaryOf(entry->d_name, base))
            continue;
        Descriptor left{
            ::openat(::dirfd(dir), entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)};
        struct stat status {};
        if (left.fd >= 0 && ::fstat(left.fd, &status) == 0 && S_ISREG(status.st_mode) &&
            ::flock(left.fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

} // namespace

LoadedRecord loadRecord(const std::string &path) {
    LoadedRecord loaded;
    // Opened without waiting, so that a named pipe nobody writes to reads as empty instead of
    // holding the program; reading then waits for a writer that is there.
    Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0) {
        loaded.missing = errno == ENOENT;
        loaded.message = say(Message::cannotRead, {path, reason(errno)});
        return loaded;
    }
    ::fcntl(file.fd, F_SETFL, ::fcntl(file.fd, F_GETFL) & ~O_NONBLOCK);
    // Read up to one byte more than the largest record, which tells a larger file (or an
    // endless device) from one just at the limit.
    std::string bytes;
    std::array<char, 65536> buffer;
    for (;;) {
        const ssize_t got = ::read(file.fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            loaded.message = say(Message::cannotRead, {path, reason(errno)});
            return loaded;
        }
        if (got == 0)
            break;
        bytes.append(buffer.data(), static_cast<std::size_t>(got));
        if (bytes.size() > record::kLargestFile) {
            loaded.message = say(Message::fileTooLarge);
            return loaded;
        }
    }
    auto read = record::readRecord(bytes);
    if (auto *error = std::get_if<record::ReadError>(&read))
        loaded.message = std::move(error->message);
    else
        loaded.record = std::move(std::get<record::Record>(read));
    return loaded;
}

FileCalls systemFileCalls() {
    return {::write, ::fsync, ::rename};
}

std::optional<std::string> saveAtomically(const std::string &named, std::string_view bytes,
                                          const FileCalls &calls) {
    // A link is followed, so that the file it names is replaced, not the link.
    std::string path = named;
    if (char *resolved = ::realpath(named.c_str(), nullptr)) {
        path = resolved;
        std::free(resolved);
    }
    const auto slash = path.rfind('/');
    const std::string base = path.substr(slash == std::string::npos ? 0 : slash + 1);
    removeLeftTemporaries(folderOf(path), base);
    std::string temporary = folderOf(path) + "/." + base + "." + std::string(kTemporaryEnd);
    Descriptor file{::mkstemp(temporary.data())};
    if (file.fd < 0)
        return reason(errno);
    // Held until the rename, so that the next save knows it from one a kill left.
    ::flock(file.fd, LOCK_EX);
    // The new file takes the old one's permissions, or those a new file gets.
    struct stat old {};
    mode_t mode = 0;
    if (::stat(path.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    int error = ::fchmod(file.fd, mode) == 0 ? 0 : errno;
    for (std::size_t done = 0; error == 0 && done < bytes.size();) {
        const ssize_t wrote = calls.write(file.fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno != EINTR)
            error = errno;
        else if (wrote > 0)
            done += static_cast<std::size_t>(wrote);
    }
    if (error == 0 && calls.fsync(file.fd) != 0)
        error = errno;
    if (error == 0) {
        const int fd = file.fd;
        file.fd = -1;
        if (::close(fd) != 0)
            error = errno;
    }
    if (error == 0 && calls.rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return reason(error);
    }
    // The rename itself is on the disk once the folder is.
    Descriptor folder{::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (folder.fd >= 0)
        ::fsync(folder.fd);
    return std::nullopt;
}

std::string localTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
    std::string time = text;
    // "+0100" as "+01:00"
    if (time.size() >= 5)
        time.insert(time.size() - 2, ":");
    return time;
}

std::string localDate() {
    return localTimeNow().substr(0, 10);
}

std::string randomUuid() {
    std::random_device random;
    std::array<unsigned char, 16> bytes;
    for (auto &byte : bytes)
        byte = static_cast<unsigned char>(random());
    bytes[6] = static_cast<unsigned char>((bytes[6] & 0x0F) | 0x40); // version 4
    bytes[8] = static_cast<unsigned char>((bytes[8] & 0x3F) | 0x80); // the RFC's variant
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02x", bytes[i]);
        text += (i == 4 || i == 6 || i == 8 || i == 10 ? "-" : "") + std::string(hex);
    }
    return text;
}

} // namespace liftcalc::cli
