// quorvia-batch schedule --xlsx run as a process, the workbook read back with openpyxl as a
// spreadsheet program would (workbook_check.py beside this file).

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/base/Text.h"
#include "support/BatchProcess.h"
#include "support/DecimalCommaLocale.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

namespace fs = std::filesystem;
using testing::BatchRun;
using testing::RunBatch;
using testing::RunProgram;

// Debian's interpreter, the one python3-openpyxl is installed for.
const fs::path kPython = "/usr/bin/python3";

const std::string kTwelvePayments =
    "schedule --no-prefs --today 03/10/1998 --amount 1000 --rate 8.5 --term 12 "
    "--first 04/10/1998 ";

// What workbook_check.py prints for the command and its arguments (each quoted here).
std::string WorkbookCheck(const std::vector<std::string>& arguments) {
    std::string line = (testing::SourceDir() / "tests/tools/workbook_check.py").string();
    for (const std::string& argument : arguments) {
        line += " \"" + argument + "\"";
    }
    BatchRun check = RunProgram(kPython, line);
    return check.out + check.err;
}

// What openpyxl finds wrong in the workbook, compared with the CSV of the same run; "ok\n"
// when nothing.
std::string WorkbookFaults(const fs::path& workbook, const fs::path& csv,
                           const std::string& borrower) {
    return WorkbookCheck({"compare", workbook.string(), csv.string(), borrower});
}

// The sheet's rows as openpyxl reads them, after the document's title and subject.
std::vector<std::string> SheetRows(const fs::path& workbook, const std::string& sheet) {
    return SplitLines(WorkbookCheck({"dump", workbook.string(), sheet}));
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::vector<std::string> Entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

// Monthly over 30 years; bi-weekly on exact days from a funding date; a payment too small to
// repay the loan, which leaves a balance and its note.
TEST(BatchWorkbook, ReadsBackWithTheCsvsAmountsAndDates) {
    TempFolder folder;
    fs::create_directory(folder / "tmp");
    const std::pair<std::string, std::string> loans[] = {
        {"John Smith",
         "--amount 100000 --rate 8.5 --term 360 --first 04/10/1998 --name 'John Smith'"},
        {"Ann Lee",
         "--amount 25000 --rate 7.25 --term 60 --freq 5 --first 04/24/1998 --funding 04/10/1998 "
         "--method 1 --name 'Ann Lee' --yes"},
        {"Hara & Sons",
         "--amount 100000 --rate 8.5 --term 120 --payment 700 --full 0 --first 04/10/1998 "
         "--name 'Hara & Sons' --yes"},
    };
    for (const auto& [borrower, terms] : loans) {
        fs::path csv = folder / "s.csv";
        fs::path workbook = folder / "s.xlsx";
        BatchRun run = RunBatch("schedule --no-prefs --today 03/10/1998 " + terms + " --csv " +
                                    csv.string() + " --xlsx " + workbook.string(),
                                "TMPDIR=" + (folder / "tmp").string() + " ");
        ASSERT_EQ(run.exitCode, 0) << terms << "\n" << run.err;
        EXPECT_EQ(WorkbookFaults(workbook, csv, borrower), "ok\n") << terms;
        // Nothing of the workbook's making stays behind in the temporary folder.
        EXPECT_EQ(Entries(folder / "tmp"), std::vector<std::string>{}) << terms;
    }
}

// Spreadsheets disagree on serial dates before March 1900: those stay text in the same form.
// A control character typed into the name would make the file unreadable: it becomes a blank.
TEST(BatchWorkbook, DatesBeforeMarch1900AreTextAndControlCharactersBlanks) {
    TempFolder folder;
    fs::path workbook = folder / "s.xlsx";
    BatchRun run = RunBatch(
        "schedule --no-prefs --yes --today 01/10/1900 --amount 1200 --rate 0 --term 3 "
        "--first 02/10/1900 --name \"$(printf 'Ann\\001Lee')\" --xlsx " +
        workbook.string());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::vector<std::string> rows = SheetRows(workbook, "Schedule");
    EXPECT_TRUE(Contains(rows, "subject: Ann Lee"))
        << WorkbookCheck({"dump", workbook.string(), "Schedule"});
    EXPECT_TRUE(Contains(rows, "1 | 02/10/1900 | 400 | 0 | 400 | 800"));
    EXPECT_TRUE(Contains(rows, "2 | date 1900-03-10 | 400 | 0 | 400 | 400"));
}

TEST(BatchWorkbook, AWorkbookThatCannotBeWrittenIsAFailureAndTheOldFileStays) {
    TempFolder folder;
    fs::path missing = folder / "missing" / "s.xlsx";
    BatchRun nowhere = RunBatch(kTwelvePayments + "--xlsx " + missing.string());
    EXPECT_EQ(nowhere.exitCode, 1);
    EXPECT_NE(nowhere.err.find("ERROR: Cannot write " + missing.string() +
                               ": No such file or directory\nReturning to program ..."),
              std::string::npos)
        << nowhere.err;

    // A disk that fills up while the workbook is made.
    fs::path old = folder.Write("old.xlsx", "the previous workbook");
    BatchRun full = RunBatch(kTwelvePayments + "--xlsx " + old.string(), ShellFileSizeLimit(4));
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_NE(full.err.find("ERROR: Cannot write " + old.string() + ": File too large"),
              std::string::npos)
        << full.err;
    EXPECT_EQ(TempFolder::Read(old), "the previous workbook");
    EXPECT_EQ(Entries(folder.Path()), (std::vector<std::string>{"old.xlsx"}));
}

// Reading the locale from the environment (the PDF report starts Qt, which does) must not
// turn the decimal points of the CSV and the workbook into commas.
TEST(BatchWorkbook, ALocaleWithADecimalCommaChangesNoNumber) {
    TempFolder folder;
    std::optional<std::string> locale = testing::DecimalCommaLocale(folder / "locales");
    if (!locale) {
        GTEST_SKIP() << "no locale with a decimal comma can be made here (localedef)";
    }
    BatchRun run =
        RunBatch(kTwelvePayments + "--name Smith --pdf " + (folder / "s.pdf").string() + " --csv " +
                     (folder / "s.csv").string() + " --xlsx " + (folder / "s.xlsx").string(),
                 *locale);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(SplitLines(TempFolder::Read(folder / "s.csv"))[1],
              "1,1998-04-10,87.22,7.08,80.14,919.86");
    EXPECT_EQ(WorkbookFaults(folder / "s.xlsx", folder / "s.csv", "Smith"), "ok\n");
}

}  // namespace
}  // namespace quorvia
