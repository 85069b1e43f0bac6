// SPDX-License-Identifier: MIT
// The test record on the command line: --record adds what --json gives, the record commands
// and their exit status, and a save that fails leaving the old file as it was.
#include "cli/record_file.h"
#include "cli/request.h"
#include "tests/cli/run_command.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace liftcalc::cli {
namespace {

namespace fs = std::filesystem;

class RecordCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "liftcalc-record-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        file_ = (folder_ / "visit.liftrec").string();
    }
    void TearDown() override { fs::remove_all(folder_); }

    static std::string contents(const std::string &path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void write(const std::string &path, const std::string &bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::size_t filesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder_), fs::directory_iterator{}));
    }

    fs::path folder_;
    std::string file_;
};

// The inputs of a calculator or a check, each a figure every rule takes.
std::vector<std::string> withInputs(std::vector<std::string> args,
                                    const std::vector<std::string> &options) {
    for (const std::string &option : options)
        args.insert(args.end(), {option, option == "--plungers" ? "2" : "10"});
    return args;
}

// The figures an entry holds are exactly those the command line's JSON gives, for every
// calculator and check in both unit systems.
TEST_F(RecordCommandTest, EntryHoldsTheJsonFigures) {
    std::vector<std::vector<std::string>> commands;
    for (const Calculator *c : calculators::kAll)
        commands.push_back(withInputs({std::string(c->command)}, inputOptions(*c)));
    for (const Check *c : checks::kAll)
        commands.push_back(withInputs({std::string(c->command)}, inputOptions(*c)));
    for (const auto &units : {"--imperial", "--metric"})
        for (auto args : commands) {
            args.push_back(units);
            auto json = args;
            json.push_back("--json");
            const Result calculated = runCommand(json);
            ASSERT_EQ(calculated.status, 0) << args[0] << calculated.err;
            args.insert(args.end(), {"--record", file_});
            ASSERT_EQ(runCommand(args).status, 0) << args[0];
            // {"calculator":"x","units":"y","figures":{...,"refused":null}}
            std::string expected = calculated.out.substr(1, calculated.out.find(",\"refused\""));
            expected.back() = '}';
            EXPECT_NE(contents(file_).find(expected), std::string::npos) << expected;
        }
    const Result check = runCommand({"record", "check", file_});
    EXPECT_EQ(check.status, 0) << check.out;
}

// A refused calculation adds nothing, and a range cannot be added: no file is made.
TEST_F(RecordCommandTest, AddsOnlyASingleCalculatedEntry) {
    EXPECT_EQ(runCommand({"pressure", "--diameter", "10", "--plungers", "0", "--load", "1",
                          "--record", file_})
                  .status,
              1);
    const Result range = runCommand(
        {"pressure", "--diameter", "10", "--plungers", "1", "--load", "1:3:1", "--record", file_});
    EXPECT_EQ(range.status, 2);
    EXPECT_NE(range.err.find("--record"), std::string::npos);
    EXPECT_FALSE(fs::exists(file_));
    const std::vector<std::string> relief{
        "relief", "--full-load-pressure", "288.595", "--relief-setting", "420", "--record", file_};
    ASSERT_EQ(runCommand(relief).status, 0);
    ASSERT_EQ(runCommand(relief).status, 0);
    const std::string saved = contents(file_);
    EXPECT_NE(saved.find("{\"n\":2,"), std::string::npos);
    EXPECT_EQ(filesInFolder(), 1u);
}

// The record commands: show in the regional format, csv, check; what each gives and its exit
// status for a sound file, a changed one, an unreadable one and a mistake in the command.
TEST_F(RecordCommandTest, CommandsAndTheirExitStatus) {
    ASSERT_EQ(runCommand({"load", "--diameter", "10", "--plungers", "2", "--pressure", "300.5",
                          "--record", file_})
                  .status,
              0);
    const Result shown = runCommand({"record", "show", file_, "--locale", "de_DE"});
    EXPECT_EQ(shown.status, 0);
    EXPECT_NE(shown.out.find("Load on Plunger(s)"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("300,5 PSI"), std::string::npos) << shown.out;
    const Result csv = runCommand({"record", "csv", file_});
    EXPECT_EQ(csv.status, 0);
    EXPECT_NE(csv.out.find(",load,imperial,pressure_psi,300.5,,,\r\n"), std::string::npos);

    std::string changed = contents(file_);
    changed.replace(changed.find("\"pressure_psi\":300.5"), 20, "\"pressure_psi\":300.6");
    write(file_, changed);
    const struct {
        std::vector<std::string> args;
        int status;
        std::string says;
    } cases[] = {
        {{"record", "check", file_}, 1, "Entry 1 (Load on plunger(s)): Figures differ"},
        {{"record", "show", file_}, 0, "Figures differ from a new calculation"},
        {{"record", "check", (folder_ / "none.liftrec").string()}, 2, "No such file"},
        {{"record", "frobnicate", file_}, 2, "record has no command 'frobnicate'"},
        {{"record", "show"}, 2, "needs a FILE"},
        {{"record", "show", file_, "other"}, 2, "does not take 'other'"},
        {{"record"}, 2, "record needs a command"},
    };
    for (const auto &c : cases) {
        const Result result = runCommand(c.args);
        EXPECT_EQ(result.status, c.status) << c.args.back();
        EXPECT_NE((result.out + result.err).find(c.says), std::string::npos)
            << result.out << result.err;
    }
    // A named pipe with no writer is an empty file, not a wait without end.
    const std::string pipe = (folder_ / "pipe.liftrec").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const Result piped = runCommand({"record", "check", pipe});
    EXPECT_EQ(piped.status, 2);
    EXPECT_NE(piped.err.find("the file ends too early"), std::string::npos) << piped.err;

    write(file_, "{\"format\":\"liftcalc-record\",\"version\":2}");
    const Result newer = runCommand({"record", "check", file_});
    EXPECT_EQ(newer.status, 2);
    EXPECT_NE(newer.err.find("(record version 2)."), std::string::npos);
}

// A file that cannot be read as a record is never overwritten by --record.
TEST_F(RecordCommandTest, LeavesAnUnreadableFileAlone) {
    write(file_, "not a record");
    const Result added = runCommand(
        {"relief", "--full-load-pressure", "100", "--relief-setting", "150", "--record", file_});
    EXPECT_EQ(added.status, 1);
    EXPECT_NE(added.err.find("not JSON"), std::string::npos);
    EXPECT_EQ(contents(file_), "not a record");
}

int failNow(int error) {
    errno = error;
    return -1;
}

// A save that fails at any step (the write, the flush to disk, the rename, a folder that is not
// there) leaves the old file byte for byte, no new file behind, and says why.
TEST_F(RecordCommandTest, FailedSaveLeavesTheOldFile) {
    write(file_, "the old record");
    const struct {
        const char *name;
        FileCalls calls;
        const char *reason;
    } faults[] = {
        {"disk full",
         {[](int, const void *, size_t) -> ssize_t { return failNow(ENOSPC); }, ::fsync, ::rename},
         "No space left on device"},
        {"half written then full",
         {[](int fd, const void *data, size_t size) -> ssize_t {
              static bool first = true;
              first = !first;
              return first ? failNow(ENOSPC) : ::write(fd, data, size / 2);
          },
          ::fsync, ::rename},
         "No space left on device"},
        {"stick removed",
         {::write, [](int) { return failNow(EIO); }, ::rename},
         "Input/output error"},
        {"rename refused",
         {::write, ::fsync, [](const char *, const char *) { return failNow(EACCES); }},
         "Permission denied"},
    };
    for (const auto &fault : faults) {
        const auto failed = saveAtomically(file_, std::string(100000, 'x'), fault.calls);
        ASSERT_TRUE(failed) << fault.name;
        EXPECT_EQ(*failed, fault.reason) << fault.name;
        EXPECT_EQ(contents(file_), "the old record") << fault.name;
        EXPECT_EQ(filesInFolder(), 1u) << fault.name;
    }
    EXPECT_TRUE(saveAtomically((folder_ / "gone" / "x.liftrec").string(), "x"));
    // Through a link, the file it names is saved and the link stays.
    const auto link = folder_ / "link.liftrec";
    fs::create_symlink(file_, link);
    EXPECT_FALSE(saveAtomically(link.string(), "through the link"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contents(file_), "through the link");
    fs::remove(link);
    EXPECT_FALSE(saveAtomically(file_, "the new record"));
    EXPECT_EQ(contents(file_), "the new record");
    EXPECT_EQ(filesInFolder(), 1u);

    const Result unwritable =
        runCommand({"relief", "--full-load-pressure", "100", "--relief-setting", "150", "--record",
                    (folder_ / "gone" / "x.liftrec").string()});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("The file was left as it was."), std::string::npos);
}

// A save removes the temporary files earlier saves of the same record left when killed, and
// nothing else: not another record's, not a near name, not a link or a folder of the pattern, not
// one a save still holds.
TEST_F(RecordCommandTest, SaveRemovesTemporariesAKillLeft) {
    write(file_, "the old record");
    const fs::path left[] = {folder_ / ".visit.liftrec.Ab3xY9", folder_ / ".visit.liftrec.000000"};
    const fs::path kept[] = {folder_ / ".other.liftrec.Ab3xY9",  folder_ / ".visit.liftrec.Ab3xY",
                             folder_ / ".visit.liftrec.Ab3xY9z", folder_ / "visit.liftrec.Ab3xY9",
                             folder_ / ".visit.liftrec.Ab3-Y9",  folder_ / ".visit.liftrec.held00",
                             folder_ / ".visit.liftrecXAb3xY9"};
    for (const fs::path &path : left)
        write(path, "a save killed");
    for (const fs::path &path : kept)
        write(path, "not a left temporary");
    const fs::path link = folder_ / ".visit.liftrec.link00";
    fs::create_symlink(folder_ / ".other.liftrec.Ab3xY9", link);
    const fs::path folder = folder_ / ".visit.liftrec.fold00";
    fs::create_directory(folder);
    // A save in progress holds its temporary file locked.
    const int held = ::open((folder_ / ".visit.liftrec.held00").c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    EXPECT_FALSE(saveAtomically(file_, "the new record"));
    ::close(held);
    EXPECT_EQ(contents(file_), "the new record");
    for (const fs::path &path : left)
        EXPECT_FALSE(fs::exists(path)) << path;
    for (const fs::path &path : kept)
        EXPECT_EQ(contents(path.string()), "not a left temporary") << path;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(filesInFolder(), 1 + std::size(kept) + 2);

    // Adding to a record on the command line removes them too.
    fs::remove(file_);
    write(left[0].string(), "a save killed");
    const Result added = runCommand(
        {"relief", "--full-load-pressure", "100", "--relief-setting", "150", "--record", file_});
    EXPECT_EQ(added.status, 0) << added.err;
    EXPECT_FALSE(fs::exists(left[0]));
}

} // namespace
} // namespace liftcalc::cli
