// SPDX-License-Identifier: MIT
// `liftcalc record pdf`: what the command line asks of the program's PDF writer, and the
// mistakes in the command it refuses before asking.
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace liftcalc::cli {
namespace {

struct Ran {
    int status;
    std::string err;
    std::vector<PdfRequest> asked;
};

// Runs the command with a writer that records what it is asked and answers REASON.
Ran runPdf(const std::vector<std::string> &args, std::optional<std::string> reason = {}) {
    Ran ran{0, "", {}};
    const PdfWriter writer = [&](const PdfRequest &request) {
        ran.asked.push_back(request);
        return reason;
    };
    std::ostringstream out, err;
    ran.status = run(args, out, err, NumberFormat::english(), writer);
    ran.err = err.str();
    return ran;
}

class RecordPdfCommand : public testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("liftcalc-pdf-command-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        file_ = (folder_ / "visit.liftrec").string();
        std::ostringstream out, err;
        const std::vector<std::string> add{"hold", "--start-pressure", "600", "--end-pressure",
                                           "570",  "--record",         file_};
        ASSERT_EQ(run(add, out, err, NumberFormat::english()), 0) << err.str();
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
    std::string file_;
};

// The writer is asked for the record, the output, the paper and the locale as given, with the
// locale's number format.
TEST_F(RecordPdfCommand, AsksTheWriterForWhatWasGiven) {
    const Ran plain = runPdf({"record", "pdf", file_, "--output", "out.pdf"});
    EXPECT_EQ(plain.status, 0) << plain.err;
    ASSERT_EQ(plain.asked.size(), 1u);
    EXPECT_EQ(plain.asked[0].file, file_);
    EXPECT_EQ(plain.asked[0].output, "out.pdf");
    EXPECT_EQ(plain.asked[0].paper, "");
    EXPECT_EQ(plain.asked[0].locale, "");

    const Ran given = runPdf(
        {"record", "pdf", "--paper", "letter", "--locale", "de_DE", file_, "--output", "o.pdf"});
    ASSERT_EQ(given.asked.size(), 1u) << given.err;
    EXPECT_EQ(given.asked[0].paper, "letter");
    EXPECT_EQ(given.asked[0].locale, "de_DE");
    EXPECT_EQ(given.asked[0].format.decimal, ",");

    const Ran failed = runPdf({"record", "pdf", file_, "--output", "o.pdf"}, "disk full");
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "liftcalc: o.pdf: disk full\n");
}

struct Mistake {
    std::vector<std::string> args; // after "record"; FILE stands for the record
    const char *says;
};

// A mistake in the command is refused with exit status 2 before the writer is asked.
TEST_F(RecordPdfCommand, RefusesMistakesBeforeAsking) {
    const Mistake mistakes[] = {
        {{"pdf", "FILE"}, "record pdf needs --output OUT.pdf"},
        {{"pdf", "FILE", "--output"}, "does not take '--output'"},
        {{"pdf", "FILE", "--output", "a.pdf", "--output", "b.pdf"}, "does not take '--output'"},
        {{"pdf", "FILE", "--output", "a.pdf", "--paper", "a3"}, "does not take '--paper'"},
        {{"pdf", "FILE", "--output", "a.pdf", "--paper", "letter", "--paper", "a4"},
         "does not take '--paper'"},
        {{"show", "FILE", "--output", "a.pdf"}, "record show does not take '--output'"},
        {{"pdf", "missing.liftrec", "--output", "a.pdf"}, "missing.liftrec"},
    };
    for (const Mistake &mistake : mistakes) {
        std::vector<std::string> args{"record"};
        for (const std::string &arg : mistake.args)
            args.push_back(arg == "FILE" ? file_ : arg);
        const Ran ran = runPdf(args);
        EXPECT_EQ(ran.status, 2) << mistake.says;
        EXPECT_NE(ran.err.find(mistake.says), std::string::npos) << ran.err;
        EXPECT_TRUE(ran.asked.empty()) << mistake.says;
    }
}

// Without a writer (a program built without the window) the command says so.
TEST_F(RecordPdfCommand, SaysSoWithoutAWriter) {
    std::ostringstream out, err;
    const std::vector<std::string> args{"record", "pdf", file_, "--output", "o.pdf"};
    EXPECT_EQ(run(args, out, err, NumberFormat::english()), 1);
    EXPECT_NE(err.str().find("no window module"), std::string::npos) << err.str();
}

} // namespace
} // namespace liftcalc::cli
