// quorvia-batch links the core alone, so that a run that only computes starts without loading
// Qt or the workbook writer; a run that draws (a PDF file, a print job) or writes a workbook is
// handed over to the drawing program beside it, or in libexec/quorvia of an installation, with
// its arguments as given.

#include <gtest/gtest.h>
#include <fstream>

#include "support/BatchProcess.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

namespace fs = std::filesystem;
using testing::BatchRun;
using testing::BuildDir;
using testing::RunProgram;

const std::string kLoan =
    "schedule --no-prefs --today 03/10/1998 --amount 1000 --rate 8.5 --term 12 "
    "--first 04/10/1998 ";

// The libraries the dynamic loader loads for a program, those they need included.
std::string LoadedLibraries(const fs::path& program) {
    BatchRun ldd = RunProgram("/usr/bin/ldd", program.string());
    EXPECT_EQ(ldd.exitCode, 0) << ldd.err;
    return ldd.out;
}

TEST(BatchDrawing, OnlyTheDrawingProgramLoadsQtAndTheWorkbookWriter) {
    const std::string batch = LoadedLibraries(BuildDir() / "quorvia-batch");
    EXPECT_NE(batch.find("libstdc++"), std::string::npos) << batch;
    EXPECT_EQ(batch.find("libQt"), std::string::npos) << batch;
    EXPECT_EQ(batch.find("libxlsxwriter"), std::string::npos) << batch;
    EXPECT_EQ(batch.find("libcrypto"), std::string::npos) << batch;

    const std::string drawing = LoadedLibraries(BuildDir() / "quorvia-batch-draw");
    EXPECT_NE(drawing.find("libQt6Gui"), std::string::npos) << drawing;
    EXPECT_NE(drawing.find("libxlsxwriter"), std::string::npos) << drawing;
}

// A copy of quorvia-batch in a folder of the test's own, with a stand-in for the drawing program
// that tells what it was given.
class HandOver : public ::testing::Test {
  protected:
    fs::path PlaceBatch(const fs::path& folder) {
        fs::create_directories(folder);
        fs::copy_file(BuildDir() / "quorvia-batch", folder / "quorvia-batch");
        return folder / "quorvia-batch";
    }
    fs::path PlaceStandIn(const fs::path& folder) {
        fs::create_directories(folder);
        fs::path program = folder / "quorvia-batch-draw";
        std::ofstream(program) << "#!/bin/sh\nprintf '%s\\n' \"$@\"\necho drawn >&2\nexit 7\n";
        fs::permissions(program, fs::perms(0755));
        return program;
    }

    TempFolder folder;
};

TEST_F(HandOver, ARunThatDrawsOrWritesAWorkbookGoesToTheDrawingProgramBesideTheTool) {
    const fs::path batch = PlaceBatch(folder / "tool");
    PlaceStandIn(folder / "tool");

    BatchRun pdf = RunProgram(batch, kLoan + "--bold --pdf 'my loan.pdf'");
    EXPECT_EQ(pdf.exitCode, 7);
    EXPECT_EQ(pdf.out,
              "schedule\n--no-prefs\n--today\n03/10/1998\n--amount\n1000\n--rate\n8.5\n--term\n"
              "12\n--first\n04/10/1998\n--bold\n--pdf\nmy loan.pdf\n");
    EXPECT_EQ(pdf.err, "drawn\n");

    BatchRun print = RunProgram(batch, kLoan + "--print office --copies 2");
    EXPECT_EQ(print.exitCode, 7);
    EXPECT_NE(print.out.find("\n--print\noffice\n--copies\n2\n"), std::string::npos) << print.out;

    BatchRun workbook = RunProgram(batch, kLoan + "--xlsx s.xlsx --csv s.csv");
    EXPECT_EQ(workbook.exitCode, 7);
    EXPECT_NE(workbook.out.find("\n--xlsx\ns.xlsx\n--csv\ns.csv\n"), std::string::npos)
        << workbook.out;
    EXPECT_EQ(workbook.err, "drawn\n");

    // A run that draws nothing stays in quorvia-batch, and so does a run whose options are wrong:
    // it is told so there, as before.
    BatchRun csv = RunProgram(batch, kLoan + "--csv " + (folder / "s.csv").string());
    EXPECT_EQ(csv.exitCode, 0) << csv.err;
    EXPECT_TRUE(fs::exists(folder / "s.csv"));
    EXPECT_EQ(csv.err, "");
    BatchRun wrong = RunProgram(batch, kLoan + "--pdf s.pdf --copies 2");
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_EQ(wrong.err.rfind("quorvia-batch schedule: --pages, --copies and --collate go with "
                              "--print QUEUE\n",
                              0),
              0u)
        << wrong.err;
}

TEST_F(HandOver, AnInstalledToolFindsTheDrawingProgramInLibexec) {
    fs::create_directories(folder / "prefix" / "share");
    const fs::path batch = PlaceBatch(folder / "prefix" / "bin");
    PlaceStandIn(folder / "prefix" / "libexec" / "quorvia");
    // Beside the installed tool it would be in the wrong place.
    PlaceStandIn(folder / "prefix" / "bin");
    fs::permissions(folder / "prefix" / "bin" / "quorvia-batch-draw", fs::perms(0644));

    BatchRun run = RunProgram(batch, kLoan + "--pdf s.pdf");
    EXPECT_EQ(run.exitCode, 7) << run.err;
    EXPECT_EQ(run.err, "drawn\n");
}

TEST_F(HandOver, WithoutTheDrawingProgramARunThatNeedsItSaysSoAndWritesNothing) {
    const fs::path batch = PlaceBatch(folder / "tool");
    const fs::path drawing = folder / "tool" / "quorvia-batch-draw";

    BatchRun pdf = RunProgram(batch, kLoan + "--pdf " + (folder / "s.pdf").string() + " --csv " +
                                         (folder / "s.csv").string());
    EXPECT_EQ(pdf.exitCode, 1);
    EXPECT_EQ(pdf.out, "");
    EXPECT_EQ(pdf.err,
              "quorvia-batch schedule: cannot draw: " + drawing.string() + " is missing\n");
    EXPECT_FALSE(fs::exists(folder / "s.pdf"));
    EXPECT_FALSE(fs::exists(folder / "s.csv"));

    BatchRun print = RunProgram(batch, kLoan + "--print office");
    EXPECT_EQ(print.exitCode, 1);
    EXPECT_EQ(print.err,
              "quorvia-batch schedule: cannot draw: " + drawing.string() + " is missing\n");

    BatchRun workbook = RunProgram(batch, kLoan + "--xlsx " + (folder / "s.xlsx").string() +
                                              " --csv " + (folder / "s.csv").string());
    EXPECT_EQ(workbook.exitCode, 1);
    EXPECT_EQ(workbook.out, "");
    EXPECT_EQ(workbook.err, "quorvia-batch schedule: cannot write the workbook: " +
                                drawing.string() + " is missing\n");
    EXPECT_FALSE(fs::exists(folder / "s.xlsx"));
    EXPECT_FALSE(fs::exists(folder / "s.csv"));
    // A run that draws as well says what a person would miss first: the report.
    BatchRun both = RunProgram(batch, kLoan + "--xlsx s.xlsx --pdf s.pdf");
    EXPECT_EQ(both.err,
              "quorvia-batch schedule: cannot draw: " + drawing.string() + " is missing\n");

    PlaceStandIn(folder / "tool");
    fs::permissions(drawing, fs::perms(0644));
    BatchRun locked = RunProgram(batch, kLoan + "--pdf s.pdf");
    EXPECT_EQ(locked.exitCode, 1);
    EXPECT_EQ(locked.err,
              "quorvia-batch schedule: cannot draw: " + drawing.string() + ": Permission denied\n");
}

}  // namespace
}  // namespace quorvia
