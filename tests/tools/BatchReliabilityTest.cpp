// quorvia-batch schedule run as a process with bad input, odd files and a full disk: every run
// ends with a message and exit status 1 (or 2 for bad options), never with a crash, a silent
// wrong output or a damaged file.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <regex>
#include <vector>

#include "core/base/Text.h"
#include "support/BatchProcess.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

namespace fs = std::filesystem;
using testing::BatchRun;
using testing::RunBatch;

// 100,000 at 8.5 % for 360 months, first payment one month after the fixed today.
const std::string kLoan =
    "schedule --no-prefs --today 03/10/1998 --amount 100000 --rate 8.5 --term 360 "
    "--first 04/10/1998 ";
// The same for twelve months: a work file of about 1 KB and a PDF of more than 8 KB.
const std::string kShortLoan =
    "schedule --no-prefs --today 03/10/1998 --amount 1000 --rate 8.5 --term 12 "
    "--first 04/10/1998 ";

// What a folder holds besides the given names: temporary files left behind, for instance.
std::vector<std::string> OtherEntries(const TempFolder& folder,
                                      const std::vector<std::string>& expected) {
    std::vector<std::string> others;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder.Path())) {
        std::string name = entry.path().filename().string();
        if (std::find(expected.begin(), expected.end(), name) == expected.end()) {
            others.push_back(name);
        }
    }
    return others;
}

fs::perms PermissionsOf(const fs::path& path) {
    return fs::symlink_status(path).permissions();
}

TEST(BatchReliability, AMissingTemporaryFolderIsAMessageNotACrash) {
    BatchRun run = RunBatch("schedule --no-prefs --amount 1", "TMPDIR=/nonexistent ");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("cannot create a work folder"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("/nonexistent"), std::string::npos) << run.err;
}

TEST(BatchReliability, OddDaysBeyondAYearStopAtTheOddDaysField) {
    TempFolder folder;
    const std::string csv = " --csv " + (folder / "o.csv").string();
    const std::string runs[] = {
        "schedule --no-prefs --amount 5807 --rate 8.222 --term 3 --first 02/05/2027 --payment 5 "
        "--fixed 1 --odd 1e308 --yes",
        "schedule --no-prefs --amount 0.77 --rate 1e308 --term 1 --first 04/10/1998 --odd 1e308 "
        "--free 77 --full 1 --yes",
        kLoan + "--odd 366 --yes",
        kLoan + "--odd -366 --yes",
    };
    for (const std::string& arguments : runs) {
        BatchRun run = RunBatch(arguments + csv);
        EXPECT_EQ(run.exitCode, 1) << arguments;
        EXPECT_EQ(run.err, "ERROR: Odd days MUST be between -365 and 365!\n") << arguments;
        EXPECT_FALSE(fs::exists(folder / "o.csv")) << arguments;
    }

    BatchRun year = RunBatch(kLoan + "--odd 365 --yes" + csv);
    EXPECT_EQ(year.exitCode, 0) << year.err;
    EXPECT_EQ(SplitLines(TempFolder::Read(folder / "o.csv"))[1],
              "1,1998-04-10,9268.91,9208.33,60.58,99939.42");
}

TEST(BatchReliability, OddDaysFromALoanDataFileAreCheckedToo) {
    TempFolder folder;
    fs::path loan = folder.Write("odd.qrv",
                                 "Smith\r\n5807\r\n8.222\r\n3\r\n 1 \r\n 1 \r\n02/05/2027\r\n5\r\n"
                                 " 1 \r\n 0 \r\n1e308\r\n\r\n 0 \r\n 0 \r\n 0 \r\n");
    BatchRun run = RunBatch("schedule " + loan.string() + " --no-prefs --yes --csv " +
                            (folder / "o.csv").string());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "ERROR: Odd days MUST be between -365 and 365!\n");
    EXPECT_FALSE(fs::exists(folder / "o.csv"));
}

// An amount too large for the reports is refused before anything is computed or written.
TEST(BatchReliability, AnAmountTooLargeForItsTotalsFailsWithoutOutput) {
    TempFolder folder;
    for (const char* amount : {"1e308", "1e62", "60000000"}) {
        BatchRun run =
            RunBatch("schedule --no-prefs --today 03/10/1998 --amount " + std::string(amount) +
                     " --rate 8.5 --term 360 --first 04/10/1998 --csv " +
                     (folder / "o.csv").string() + " --work-file " + (folder / "w.tmp").string());
        EXPECT_EQ(run.exitCode, 1) << amount;
        EXPECT_EQ(run.err.find("AMOUNT TOO LARGE: "), 0u) << run.err;
        EXPECT_EQ(OtherEntries(folder, {}), std::vector<std::string>{});
    }
}

TEST(BatchReliability, CsvAmountsPrintWholeUpToTheLargestLoan) {
    TempFolder folder;
    BatchRun run = RunBatch(
        "schedule --no-prefs --today 03/10/1998 --amount 30000000 --rate 8.5 --term 360 "
        "--first 04/10/1998 --csv " +
        (folder / "o.csv").string());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::vector<std::string> csv = SplitLines(TempFolder::Read(folder / "o.csv"));
    ASSERT_EQ(csv.size(), 361u);
    const std::regex row(R"(\d+,\d{4}-\d\d-\d\d(,-?\d+\.\d\d){4})");
    for (const std::string& line : std::vector<std::string>(csv.begin() + 1, csv.end())) {
        EXPECT_TRUE(std::regex_match(line, row)) << line;
    }
    EXPECT_EQ(csv[1], "1,1998-04-10,230674.05,212500.00,18174.05,29981825.95");
}

TEST(BatchReliability, APdfThatCannotBeWrittenIsAFailureAndLeavesNoFile) {
    TempFolder folder;
    BatchRun device = RunBatch(kShortLoan + "--pdf /dev/full");
    EXPECT_EQ(device.exitCode, 1);
    EXPECT_NE(device.err.find("ERROR: /dev/full is not a regular file"), std::string::npos)
        << device.err;
    struct stat full {};
    ASSERT_EQ(::stat("/dev/full", &full), 0);
    EXPECT_TRUE(S_ISCHR(full.st_mode));

    // A disk that fills up while the PDF is written.
    BatchRun fresh =
        RunBatch(kShortLoan + "--pdf " + (folder / "new.pdf").string(), ShellFileSizeLimit(8));
    EXPECT_EQ(fresh.exitCode, 1);
    EXPECT_NE(
        fresh.err.find("ERROR: Cannot write " + (folder / "new.pdf").string() + ": File too large"),
        std::string::npos)
        << fresh.err;
    EXPECT_EQ(OtherEntries(folder, {}), std::vector<std::string>{});

    folder.Write("old.pdf", "the previous report");
    BatchRun old =
        RunBatch(kShortLoan + "--pdf " + (folder / "old.pdf").string(), ShellFileSizeLimit(8));
    EXPECT_EQ(old.exitCode, 1);
    EXPECT_EQ(TempFolder::Read(folder / "old.pdf"), "the previous report");
    EXPECT_EQ(OtherEntries(folder, {"old.pdf"}), std::vector<std::string>{});
}

TEST(BatchReliability, OutputsReplaceLinksInsteadOfWritingThroughThem) {
    TempFolder folder;
    fs::path victim = folder.Write("victim.txt", "not to be touched");
    fs::create_symlink(victim, folder / "w.tmp");
    fs::create_symlink(folder / "nowhere.txt", folder / "s.csv");
    BatchRun run = RunBatch(kShortLoan + "--work-file " + (folder / "w.tmp").string() + " --csv " +
                            (folder / "s.csv").string());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(TempFolder::Read(victim), "not to be touched");
    EXPECT_FALSE(fs::exists(folder / "nowhere.txt"));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder / "w.tmp")));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder / "s.csv")));
    EXPECT_NE(TempFolder::Read(folder / "w.tmp").find("Amortization of a $1,000.00"),
              std::string::npos);
    // The kept work file is as private as the engine's own.
    EXPECT_EQ(PermissionsOf(folder / "w.tmp"), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(OtherEntries(folder, {"victim.txt", "w.tmp", "s.csv"}), std::vector<std::string>{});
}

TEST(BatchReliability, AReplacedOutputKeepsItsPermissions) {
    TempFolder folder;
    fs::path csv = folder.Write("s.csv", "old");
    const fs::perms shared = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(csv, shared);
    BatchRun run = RunBatch(kShortLoan + "--csv " + csv.string());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(PermissionsOf(csv), shared);
    EXPECT_EQ(SplitLines(TempFolder::Read(csv)).size(), 13u);
}

TEST(BatchReliability, SavingALoanFileKeepsPermissionsAndTakesLongNames) {
    TempFolder folder;
    fs::path loan = folder.Write("smith.qrv", "an older save");
    const fs::perms shared = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(loan, shared);
    fs::path longName = folder / (std::string(246, 'n') + ".qrv");
    for (const fs::path& path : {loan, longName}) {
        BatchRun run = RunBatch(kShortLoan + "--name Smith --save " + path.string());
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(SplitLines(TempFolder::Read(path))[0], "Smith");
    }
    EXPECT_EQ(PermissionsOf(loan), shared);
    EXPECT_EQ(OtherEntries(folder, {"smith.qrv", longName.filename().string()}),
              std::vector<std::string>{});
}

TEST(BatchReliability, EntriesThatFailValidationAreNotSaved) {
    TempFolder folder;
    BatchRun run = RunBatch(kLoan + "--term 601 --save " + (folder / "a.qrv").string());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "ERROR: Maximum term is 600 months!\n");
    EXPECT_FALSE(fs::exists(folder / "a.qrv"));
}

TEST(BatchReliability, ALoanDataFileThatIsNoneSaysWhatItIs) {
    TempFolder folder;
    fs::create_directory(folder / "folder.qrv");
    std::string binary(4096, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i) {
        binary[i] = static_cast<char>(i * 7 % 256);
    }
    folder.Write("binary.qrv", binary);
    folder.Write("large.qrv", std::string(65 * 1024, 'x'));
    folder.Write("notes.qrv", "Quorvia\n\n    make run     # installs, builds, starts\n" +
                                  std::string(20, '\n'));
    folder.Write("empty.qrv", "");
    const std::pair<std::string, std::string> cases[] = {
        {"folder.qrv", " is a folder"},
        {"binary.qrv", " is not a loan data file"},
        {"notes.qrv", " is not a loan data file"},
        {"empty.qrv", " is empty, not a loan data file"},
        {"large.qrv", " is too large for a loan data file (over 64 KB)"},
        {"/dev/zero", "/dev/zero is not a regular file"},
    };
    for (const auto& [name, says] : cases) {
        fs::path path = name.starts_with('/') ? fs::path(name) : folder / name;
        BatchRun run = RunBatch("schedule " + path.string() + " --no-prefs");
        EXPECT_EQ(run.exitCode, 1) << name;
        EXPECT_EQ(run.err, "FILE ERROR: Error loading " + path.string() + " ...\n" +
                               (name.starts_with('/') ? "" : path.string()) + says + "\n")
            << name;
    }
}

TEST(BatchReliability, TheBatchToolNeverWritesTheProfileFile) {
    // The batch tool reads the profile file beside itself: a copy of it in a folder of its own.
    TempFolder folder;
    fs::copy_file(testing::BuildDir() / "quorvia-batch", folder / "quorvia-batch");
    const std::string withoutPrinter = "[Prefs]\r\ndname=Acme\r\ndstyl=1\r\n";
    fs::path profile = folder.Write("quorvia.ini", withoutPrinter);
    BatchRun run = testing::RunProgram(folder / "quorvia-batch",
                                       "schedule --today 03/10/1998 --amount 1000 --rate 8.5 "
                                       "--term 12 --first 04/10/1998");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(TempFolder::Read(profile), withoutPrinter);

    std::string binary =
        "\x7F"
        "ELF\x02\x01\x01" +
        std::string(4096, '\0') + "[Prefs]\r\n";
    folder.Write("quorvia.ini", binary);
    run = testing::RunProgram(folder / "quorvia-batch",
                              "schedule --today 03/10/1998 --amount 1000 --rate 8.5 --term 12 "
                              "--first 04/10/1998");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(TempFolder::Read(profile), binary);
}

// Installed (bin/ beside share/), the batch tool reads the profile file the desktop program
// keeps in the person's configuration folder, not one that happens to lie beside it; so does
// its drawing program in libexec/quorvia.
TEST(BatchReliability, AnInstalledBatchToolReadsTheProfileInTheConfigFolder) {
    TempFolder folder;
    fs::create_directories(folder / "prefix" / "share");
    fs::create_directories(folder / "prefix" / "bin");
    fs::create_directories(folder / "prefix" / "libexec" / "quorvia");
    fs::create_directories(folder / "home" / ".config" / "quorvia");
    fs::path batch = folder / "prefix" / "bin" / "quorvia-batch";
    fs::copy_file(testing::BuildDir() / "quorvia-batch", batch);
    fs::copy_file(testing::BuildDir() / "quorvia-batch-draw",
                  folder / "prefix" / "libexec" / "quorvia" / "quorvia-batch-draw");
    folder.Write("prefix/bin/quorvia.ini", "[Prefs]\r\ndnbr=False\r\n");
    folder.Write("prefix/libexec/quorvia/quorvia.ini", "[Prefs]\r\ndnbr=False\r\n");
    folder.Write("home/.config/quorvia/quorvia.ini", "[Prefs]\r\ndnbr=True\r\n");
    const std::string loan =
        "schedule --today 03/10/1998 --amount 1000 --rate 8.5 --term 12 "
        "--first 04/10/1998 --work-file " +
        (folder / "w.tmp").string();
    auto firstPayment = [&](const std::string& environment, const std::string& drawn = "") {
        BatchRun run = testing::RunProgram(batch, loan + drawn, environment);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        std::string work = TempFolder::Read(folder / "w.tmp");
        // The first payment's date field, with its number when the payments are numbered.
        std::size_t date = work.find("04/10/98\"");
        if (date == std::string::npos) {
            return std::string();
        }
        std::size_t start = work.rfind('"', date) + 1;
        return work.substr(start, date + 8 - start);
    };
    EXPECT_EQ(firstPayment("HOME=" + (folder / "home").string() + " XDG_CONFIG_HOME= "),
              "1.   04/10/98");
    EXPECT_EQ(firstPayment("HOME=" + (folder / "home").string() + " XDG_CONFIG_HOME= ",
                           " --pdf " + (folder / "s.pdf").string()),
              "1.   04/10/98");
    EXPECT_TRUE(fs::exists(folder / "s.pdf"));

    fs::create_directories(folder / "config" / "quorvia");
    folder.Write("config/quorvia/quorvia.ini", "[Prefs]\r\ndnbr=True\r\n");
    EXPECT_EQ(firstPayment("HOME=" + (folder / "prefix").string() +
                           " XDG_CONFIG_HOME=" + (folder / "config").string() + " "),
              "1.   04/10/98");
    // The profile beside the program would not number them.
    EXPECT_EQ(firstPayment("HOME=" + (folder / "prefix").string() + " XDG_CONFIG_HOME= "),
              "04/10/98");
}

TEST(BatchReliability, FontSizesOutsideTheFontDialogsRangeAreUsageErrors) {
    for (const char* size : {"7.9", "14.5", "100000", "1e308", "-12", "abc", "nan"}) {
        BatchRun run = RunBatch(std::string("schedule --no-prefs --font-size ") + size);
        EXPECT_EQ(run.exitCode, 2) << size;
        EXPECT_EQ(run.err.rfind("quorvia-batch schedule: --font-size must be a number of points "
                                "from 8 to 14\nusage: quorvia-batch",
                                0),
                  0u)
            << size << ": " << run.err;
    }
    TempFolder folder;
    BatchRun run = RunBatch(kShortLoan + "--font-size 10.5 --pdf " + (folder / "r.pdf").string());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(fs::is_regular_file(folder / "r.pdf"));
}

}  // namespace
}  // namespace quorvia
