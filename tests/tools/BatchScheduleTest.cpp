// quorvia-batch schedule run as a process.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/base/Text.h"
#include "support/BatchProcess.h"
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

TEST(BatchSchedule, WritesTheWorkFileAndACsvForAValidatedLoan) {
    TempFolder folder;
    BatchRun run = RunBatch(kLoan + "--work-file " + (folder / "w.tmp").string() + " --csv " +
                            (folder / "s.csv").string());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");

    std::vector<std::string> work = SplitLines(TempFolder::Read(folder / "w.tmp"));
    ASSERT_GT(work.size(), 365u);
    EXPECT_EQ(work[2],
              "\"Amortization of a $100,000.00 Loan at 8.5000% with 360 Monthly Payments\",\" "
              "\",\" \",\" \",\" \"");
    EXPECT_EQ(work[5], "\"04/10/98\",\"768.91\",\"708.33\",\"60.58\",\"99,939.42\"");

    std::vector<std::string> csv = SplitLines(TempFolder::Read(folder / "s.csv"));
    ASSERT_EQ(csv.size(), 361u);
    EXPECT_EQ(csv[0], "number,due_date,payment,interest,principal,balance");
    EXPECT_EQ(csv[1], "1,1998-04-10,768.91,708.33,60.58,99939.42");
    EXPECT_EQ(csv[360].substr(0, 15), "360,2028-03-10,");
}

TEST(BatchSchedule, ARefusedValidationExitsWithItsMessage) {
    TempFolder folder;
    BatchRun run = RunBatch(kLoan + "--term 601 --work-file " + (folder / "w.tmp").string());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "ERROR: Maximum term is 600 months!\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "w.tmp"));
}

// A due-day pair given for a loan that is not semi-monthly is only kept: the first payment
// stays where it was typed.
TEST(BatchSchedule, APairMovesNoDateOfAnotherFrequency) {
    TempFolder folder;
    const std::string loan =
        "schedule --no-prefs --yes --today 01/15/2027 --amount 1026.13 --rate 16 --term 12 "
        "--freq 3 --first 02/16/2035 --payment 66.49 --funding 01/09/2035 --method 1 --csv ";
    BatchRun plain = RunBatch(loan + (folder / "plain.csv").string());
    BatchRun paired = RunBatch(loan + (folder / "paired.csv").string() + " --pair 4");
    EXPECT_EQ(paired.exitCode, 0) << paired.err;
    EXPECT_EQ(paired.err.find("ADJUSTMENT MADE"), std::string::npos) << paired.err;
    EXPECT_EQ(paired.err, plain.err);
    std::vector<std::string> rows = SplitLines(TempFolder::Read(folder / "paired.csv"));
    ASSERT_GT(rows.size(), 1u);
    EXPECT_EQ(rows[1].substr(0, 13), "1,2035-02-16,");
    EXPECT_EQ(TempFolder::Read(folder / "paired.csv"), TempFolder::Read(folder / "plain.csv"));
}

TEST(BatchSchedule, QuestionsAreAnsweredNoUnlessYesIsGiven) {
    const std::string loan = kLoan + "--first 04/20/1998 ";  // not one month from today
    BatchRun no = RunBatch(loan);
    EXPECT_EQ(no.exitCode, 1);
    EXPECT_EQ(no.err.rfind("W A R N I N G: 1st payment date is entered as 04/20/1998, with NO "
                           "odd days.",
                           0),
              0u)
        << no.err;

    BatchRun yes = RunBatch(loan + "--yes");
    EXPECT_EQ(yes.exitCode, 0) << yes.err;
}

TEST(BatchSchedule, ASavedLoanFileGivesTheSameScheduleAgain) {
    TempFolder folder;
    BatchRun first =
        RunBatch(kLoan + "--name Smith --style 2 --number 1 --save " +
                 (folder / "smith.qrv").string() + " --work-file " + (folder / "a.tmp").string());
    ASSERT_EQ(first.exitCode, 0) << first.err;
    BatchRun again =
        RunBatch("schedule " + (folder / "smith.qrv").string() +
                 " --no-prefs --today 03/10/1998 --work-file " + (folder / "b.tmp").string());
    ASSERT_EQ(again.exitCode, 0) << again.err;
    EXPECT_EQ(TempFolder::Read(folder / "a.tmp"), TempFolder::Read(folder / "b.tmp"));
    EXPECT_NE(TempFolder::Read(folder / "a.tmp").find("\"1.   04/10/98\""), std::string::npos);

    BatchRun missing = RunBatch("schedule " + (folder / "none.qrv").string() + " --no-prefs");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("FILE ERROR: Error loading"), std::string::npos);
}

TEST(BatchSchedule, WritesTheReportAsPdfInTheChosenStyle) {
    TempFolder folder;
    BatchRun detailed = RunBatch(kLoan + "--pdf " + (folder / "d.pdf").string());
    ASSERT_EQ(detailed.exitCode, 0) << detailed.err;
    BatchRun summary = RunBatch(kLoan + "--style 3 --pdf " + (folder / "s.pdf").string());
    ASSERT_EQ(summary.exitCode, 0) << summary.err;

    std::string text = folder.Path().string();
    ASSERT_EQ(std::system(("pdftotext -layout " + text + "/d.pdf " + text + "/d.txt").c_str()), 0);
    ASSERT_EQ(std::system(("pdftotext -layout " + text + "/s.pdf " + text + "/s.txt").c_str()), 0);
    std::string d = TempFolder::Read(folder / "d.txt");
    std::string s = TempFolder::Read(folder / "s.txt");
    EXPECT_NE(d.find("Amortization of a $100,000.00 Loan at 8.5000% with 360 Monthly Payments"),
              std::string::npos);
    EXPECT_NE(d.find("TOTALS"), std::string::npos);
    // At 12 points the year labels, the bold grand totals and the headings keep to one line:
    // their columns take the room the page has.
    EXPECT_NE(s.find("Totals for 1998"), std::string::npos) << s;
    EXPECT_NE(s.find("Totals for 2028"), std::string::npos) << s;
    EXPECT_NE(s.find("GRAND TOTALS"), std::string::npos) << s;
    EXPECT_NE(s.find("Balance Remaining"), std::string::npos) << s;
    EXPECT_LT(s.size(), d.size());
}

// The pages of a PDF as pdfinfo gives them: "Pages: 2" and "Page size: 842 x 595 pts (A4)".
std::string PdfPages(const std::filesystem::path& pdf) {
    const std::filesystem::path info = pdf.string() + ".info";
    EXPECT_EQ(std::system(("pdfinfo " + pdf.string() + " >" + info.string()).c_str()), 0);
    std::string pages;
    for (const std::string& line : SplitLines(TempFolder::Read(info))) {
        if (line.starts_with("Pages:") || line.starts_with("Page size:")) {
            pages += line.substr(line.find_first_not_of(' ', line.find(':') + 1)) + ";";
        }
    }
    return pages;
}

TEST(BatchSchedule, ThePaperIsTheLocalesUnlessTheOptionsAskForAnother) {
    // No print queue to take a paper from, only the locale.
    const std::string noQueues = "CUPS_SERVER=/nonexistent/cups.sock ";
    TempFolder folder;
    BatchRun letter = RunBatch(kLoan + "--style 3 --pdf " + (folder / "l.pdf").string(),
                               noQueues + "LC_ALL=C.UTF-8 ");
    ASSERT_EQ(letter.exitCode, 0) << letter.err;
    EXPECT_EQ(PdfPages(folder / "l.pdf"), "2;612 x 792 pts (letter);");

    BatchRun german = RunBatch(kLoan + "--style 3 --pdf " + (folder / "d.pdf").string(),
                               noQueues + "LC_ALL=de_DE.UTF-8 ");
    ASSERT_EQ(german.exitCode, 0) << german.err;
    EXPECT_EQ(PdfPages(folder / "d.pdf"), "2;595 x 842 pts (A4);");

    BatchRun a4 = RunBatch(kLoan + "--style 3 --paper a4 --orientation landscape --pdf " +
                           (folder / "a.pdf").string());
    ASSERT_EQ(a4.exitCode, 0) << a4.err;
    EXPECT_EQ(PdfPages(folder / "a.pdf"), "3;842 x 595 pts (A4);");

    BatchRun legal = RunBatch(kLoan + "--paper Legal --pdf " + (folder / "g.pdf").string());
    ASSERT_EQ(legal.exitCode, 0) << legal.err;
    EXPECT_NE(PdfPages(folder / "g.pdf").find("612 x 1008 pts"), std::string::npos);
}

// The Windows names of the report fonts print with their stand-ins, as on the desktop.
TEST(BatchSchedule, AWindowsFontNamePrintsWithItsStandIn) {
    TempFolder folder;
    BatchRun run = RunBatch(kLoan + "--font 'Courier New' --pdf " + (folder / "c.pdf").string());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err.find("FONT"), std::string::npos) << run.err;
    std::string fonts = folder.Path().string() + "/fonts.txt";
    ASSERT_EQ(std::system(("pdffonts " + (folder / "c.pdf").string() + " >" + fonts).c_str()), 0);
    EXPECT_NE(TempFolder::Read(fonts).find("LiberationMono"), std::string::npos);
}

TEST(BatchSchedule, BadOptionValuesAreUsageErrors) {
    for (const char* options : {"--style 5", "--freq 0", "--pair 9", "--fixed 2", "--today soon",
                                "--amount", "--colour red", "--amount '(250000)'", "--payment 12x5",
                                "--rate 6.7.5", "--paper b5", "--orientation sideways"}) {
        BatchRun run = RunBatch(std::string("schedule --no-prefs ") + options);
        EXPECT_EQ(run.exitCode, 2) << options;
        EXPECT_NE(run.err.find("usage: quorvia-batch"), std::string::npos) << options;
    }
    EXPECT_EQ(
        RunBatch(kLoan + "--today 02/30/1998")
            .err.rfind("quorvia-batch schedule: --today must be a date such as 03/10/1998\n", 0),
        0u);
    // An amount or a rate that is not a number names its option.
    EXPECT_EQ(RunBatch(kLoan + "--amount abc")
                  .err.find("quorvia-batch schedule: --amount must be "
                            "an amount such as 250000, 250,000 or "
                            "$250,000.00\n"),
              0u);
}

// Typed as a fraction and with separators, it is the same loan, and the title says so.
TEST(BatchSchedule, AFractionalRateAndASeparatedAmountGiveTheSameLoan) {
    TempFolder folder;
    const std::string loan =
        "schedule --no-prefs --today 03/10/1998 --term 360 --first 04/10/1998 ";
    BatchRun plain = RunBatch(loan + "--amount 250000 --rate 6.75 --work-file " +
                              (folder / "plain.tmp").string());
    BatchRun typed =
        RunBatch(loan + "--amount '$250,000.00' --rate .0675 --work-file " +
                 (folder / "typed.tmp").string() + " --pdf " + (folder / "t.pdf").string());
    ASSERT_EQ(typed.exitCode, 0) << typed.err;
    EXPECT_EQ(TempFolder::Read(folder / "typed.tmp"), TempFolder::Read(folder / "plain.tmp"));
    std::string text = folder.Path().string();
    ASSERT_EQ(std::system(("pdftotext -layout " + text + "/t.pdf " + text + "/t.txt").c_str()), 0);
    std::string pdf = TempFolder::Read(folder / "t.txt");
    EXPECT_NE(pdf.find("Amortization of a $250,000.00 Loan at 6.7500% with 360 Monthly Payments"),
              std::string::npos)
        << pdf;
    EXPECT_NE(pdf.find("1,621.50"), std::string::npos);
}

TEST(BatchSchedule, AnAmountTooLargeToPrintIsRefusedOnce) {
    TempFolder folder;
    BatchRun run = RunBatch(
        "schedule --no-prefs --today 03/10/1998 --amount 99,999,999,999 --rate 6.75 --term 360 "
        "--first 04/10/1998 --csv " +
        (folder / "o.csv").string());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
              "AMOUNT TOO LARGE: The Loan Amount entered is too large to print!\n\nReports print "
              "amounts up to 99,999,999.99.\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "o.csv"));
}

// The words of a PDF as pdftotext places them, in points, page by page and on each page line by
// line from the left.
struct PlacedWord {
    int page;
    double top;
    double left;
    double right;
    std::string text;
    bool operator<(const PlacedWord& other) const {
        return std::tie(page, top, left) < std::tie(other.page, other.top, other.left);
    }
};

std::vector<PlacedWord> PlacedWords(const std::string& bbox) {
    static const std::regex word(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re");
    std::vector<PlacedWord> words;
    int page = 0;
    for (auto it = std::sregex_iterator(bbox.begin(), bbox.end(), word);
         it != std::sregex_iterator(); ++it) {
        if (!(*it)[1].matched) {
            ++page;
            continue;
        }
        words.push_back(
            {page, std::stod((*it)[2]), std::stod((*it)[1]), std::stod((*it)[3]), (*it)[4]});
    }
    std::sort(words.begin(), words.end());
    return words;
}

// The largest amounts accepted, in the largest report font: every amount prints whole on its
// line, and amounts side by side keep clear of each other.
TEST(BatchSchedule, TheLargestAmountsPrintApartInTheLargestFont) {
    TempFolder folder;
    const std::string loans[] = {
        "--amount 99,999,999.99 --rate 0 --term 2",
        "--amount 89,999,999.99 --rate 133 --term 1",           // interest 9,975,000.00
        "--amount 90,000,000 --rate 10 --term 12 --payment 1",  // negative principal
    };
    const std::regex amount(R"(-?[\d,]*\d\.\d\d\*?)");
    const std::regex broken(R"(-?[\d,]+,|\.\d\d\*?)");
    for (const std::string& loan : loans) {
        for (const char* style : {"1", "3"}) {
            SCOPED_TRACE(loan + " style " + style);
            fs::path pdf = folder / "r.pdf";
            BatchRun run = RunBatch(
                "schedule --no-prefs --yes --today 03/10/2026 --first "
                "04/10/2026 --font-size 14 --bold --style " +
                std::string(style) + " " + loan + " --pdf " + pdf.string());
            ASSERT_EQ(run.exitCode, 0) << run.err;
            fs::path bbox = folder / "r.html";
            ASSERT_EQ(
                std::system(("pdftotext -bbox " + pdf.string() + " " + bbox.string()).c_str()), 0);
            std::vector<PlacedWord> words = PlacedWords(TempFolder::Read(bbox));
            ASSERT_GT(words.size(), 20u);
            int amounts = 0;
            for (std::size_t i = 0; i < words.size(); ++i) {
                EXPECT_FALSE(std::regex_match(words[i].text, broken) && words[i].text != ".00" &&
                             words[i].text != ".00*")
                    << words[i].text << " is an amount cut in two";
                bool isAmount = std::regex_match(words[i].text, amount);
                amounts += isAmount ? 1 : 0;
                if (i + 1 < words.size() && isAmount && words[i + 1].page == words[i].page &&
                    words[i + 1].top == words[i].top &&
                    std::regex_match(words[i + 1].text, amount)) {
                    EXPECT_GE(words[i + 1].left - words[i].right, 6)
                        << words[i].text << " and " << words[i + 1].text;
                }
            }
            EXPECT_GT(amounts, 5);
        }
    }
}

}  // namespace
}  // namespace quorvia
