// quorvia-batch portfolio, run as a process: each loan of a generated book gives the schedule
// and the summary that `schedule` gives it alone, bad rows are error rows that never stop the
// run, and the output is the same whatever the number of jobs.

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/base/Text.h"
#include "support/BatchProcess.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

using testing::BatchRun;
using testing::RunBatch;

const std::string kShared = "--no-prefs --yes --today 01/15/2000";

const std::vector<std::string> kColumns = {
    "id",    "name",    "amount", "rate",        "term",         "freq",         "pair",
    "first", "payment", "method", "odd",         "funding",      "fixed",        "full",
    "free",  "extra",   "lump",   "rate-change", "keep-payment", "interest-only"};

std::string DateText(int month, int day, int year) {
    return (month < 10 ? "0" : "") + std::to_string(month) + (day < 10 ? "/0" : "/") +
           std::to_string(day) + "/" + std::to_string(year);
}

// A loan of the generated book: its cells by column, empty where it leaves the column out.
struct BookLoan {
    std::map<std::string, std::string> cells;

    std::string Row() const {
        std::string row;
        for (const std::string& column : kColumns) {
            row += (row.empty() && column == kColumns.front() ? "" : ",") + Cell(column);
        }
        return row + "\r\n";
    }

    // The same loan as options of `schedule`; a cell of several values is the option repeated.
    std::string Options() const {
        std::string options;
        for (const auto& [column, value] : cells) {
            if (column == "id" || value.empty()) {
                continue;
            }
            if (column == "keep-payment") {
                options += value == "1" ? " --keep-payment" : "";
                continue;
            }
            for (const std::string& word : SplitWords(value)) {
                options += " --" + column + " " + word;
            }
        }
        return options;
    }

    std::string Cell(const std::string& column) const {
        auto found = cells.find(column);
        return found == cells.end() ? "" : found->second;
    }

    static std::vector<std::string> SplitWords(const std::string& text) {
        std::vector<std::string> words;
        std::string word;
        for (char c : text + " ") {
            if (c == ' ') {
                if (!word.empty()) {
                    words.push_back(word);
                }
                word.clear();
            } else {
                word += c;
            }
        }
        return words;
    }
};

// Every frequency with both interest methods, odd days and funding dates, each due-day pair,
// derived payments and terms, fixed principal, balloon and interest-free payments, and each
// kind of event.
std::vector<BookLoan> GenerateBook(int count) {
    std::mt19937 random(25);
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::vector<BookLoan> book;
    for (int i = 0; i < count; ++i) {
        BookLoan loan;
        auto& c = loan.cells;
        const int frequency = 1 + i % 6;
        const int method = (i / 6) % 2;
        c["id"] = "L" + std::to_string(i);
        c["name"] = i % 7 == 0 ? "Borrower" + std::to_string(i) : "";

        c["rate"] = i % 23 == 0 ? "0" : std::to_string(pick(100, 1400) / 100.0).substr(0, 5);
        c["freq"] = std::to_string(frequency);
        c["method"] = std::to_string(method);
        const int month = pick(2, 12);
        const bool longMonth =
            month == 3 || month == 5 || month == 7 || month == 8 || month == 10 || month == 12;
        c["first"] = DateText(month, longMonth && i % 11 == 0 ? 31 : pick(1, 28), 2000);
        if (frequency == 6) {
            c["pair"] = std::to_string(1 + (i / 6) % 4);
        }
        if (method == 1) {
            c["funding"] = DateText(month - 1, pick(1, 28), 2000);
        } else if (i % 4 == 1) {
            c["odd"] = std::to_string(pick(1, 25));
        }
        const int terms[] = {60, 120, 180, 240, 300, 360};
        const int amount = pick(1, 4000) * 100;
        switch (i % 5) {
            case 0:  // the payment derived
            case 1:
                c["term"] = std::to_string(terms[pick(0, 5)]);
                break;
            case 2:  // the term derived from a fixed principal
                c["fixed"] = "1";
                c["payment"] = std::to_string(amount / pick(30, 200) + 1);
                break;
            case 3:  // fixed principal over a term
                c["fixed"] = "1";
                c["term"] = std::to_string(terms[pick(0, 5)]);
                break;
            default:  // both given: the balance due with the last payment
                c["term"] = std::to_string(terms[pick(2, 5)]);
                c["payment"] = std::to_string(amount / pick(20, 100) + 1);
                c["full"] = std::to_string(i % 2);
                break;
        }
        c["amount"] = std::to_string(amount) + (i % 3 == 0 ? ".55" : "");
        c["free"] = i % 13 == 0 ? "2" : "";
        switch (i % 7) {
            case 1:
                c["extra"] = "50@3-9";
                break;
            case 2:
                c["lump"] = "500@4 300@6";
                break;
            case 3:
                c["rate-change"] = "9.5@5";
                c["keep-payment"] = i % 2 == 0 ? "1" : "0";
                break;
            case 4:
                c["interest-only"] = "3";
                break;
            default:
                break;
        }
        book.push_back(loan);
    }
    return book;
}

std::string BookCsv(const std::vector<BookLoan>& book) {
    std::string csv;
    for (const std::string& column : kColumns) {
        csv += (csv.empty() ? "" : ",") + column;
    }
    csv += "\r\n";
    for (const BookLoan& loan : book) {
        csv += loan.Row();
    }
    return csv;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    for (char c : line + ",") {
        if (c == ',') {
            fields.push_back(field);
            field.clear();
        } else {
            field += c;
        }
    }
    return fields;
}

// The rows of an output by the id they start with, each row without it (with its CR LF).
std::map<std::string, std::string> RowsById(const std::string& output) {
    std::map<std::string, std::string> rows;
    for (const std::string& line : SplitLines(output)) {
        std::size_t comma = line.find(',');
        rows[line.substr(0, comma)] += line.substr(comma + 1) + "\r\n";
    }
    return rows;
}

// The messages of the errors output ("line,id,message") by id.
std::map<std::string, std::string> ErrorsById(const std::string& output) {
    std::map<std::string, std::string> errors;
    for (const std::string& line : SplitLines(output)) {
        std::size_t id = line.find(',') + 1;
        std::size_t comma = line.find(',', id);
        errors[line.substr(id, comma - id)] = line.substr(comma + 1);
    }
    return errors;
}

// "payment=599.55" lines as a map.
std::map<std::string, std::string> KeyValues(const std::string& out) {
    std::map<std::string, std::string> values;
    for (const std::string& line : SplitLines(out)) {
        std::size_t equals = line.find('=');
        values[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return values;
}

std::string IsoFromUs(const std::string& us) {
    return us.substr(6, 4) + "-" + us.substr(0, 2) + "-" + us.substr(3, 2);
}

TEST(BatchPortfolio, EachLoanGivesWhatScheduleGivesItAlone) {
    TempFolder folder;
    const std::vector<BookLoan> book = GenerateBook(240);
    const auto input = folder.Write("book.csv", BookCsv(book));
    BatchRun run = RunBatch("portfolio " + input.string() + " " + kShared + " --jobs 3 --summary " +
                            (folder / "summary.csv").string() + " --schedules " +
                            (folder / "schedules.csv").string() + " --errors " +
                            (folder / "errors.csv").string());
    ASSERT_NE(run.exitCode, 2) << run.err;
    const std::string summaryText = TempFolder::Read(folder / "summary.csv");
    const std::string schedulesText = TempFolder::Read(folder / "schedules.csv");
    ASSERT_TRUE(
        StartsWith(summaryText, "id,payment,payments,last_date,total_interest,total_paid,apr\r\n"));
    ASSERT_TRUE(
        StartsWith(schedulesText, "id,number,due_date,payment,interest,principal,balance\r\n"));
    std::map<std::string, std::string> summaries = RowsById(summaryText);
    std::map<std::string, std::string> schedules = RowsById(schedulesText);
    std::map<std::string, std::string> errors = ErrorsById(TempFolder::Read(folder / "errors.csv"));

    std::set<std::string> producedKinds;
    int produced = 0;
    for (const BookLoan& loan : book) {
        const std::string id = loan.Cell("id");
        SCOPED_TRACE(id + ":" + loan.Options());
        const auto csv = folder / (id + ".csv");
        BatchRun alone = RunBatch("schedule " + kShared + loan.Options() + " --csv " +
                                  csv.string() + " --summary --disclosure");
        if (alone.exitCode != 0) {
            EXPECT_TRUE(errors.contains(id)) << alone.err;
            EXPECT_FALSE(summaries.contains(id));
            continue;
        }
        ++produced;
        producedKinds.insert("freq" + loan.Cell("freq") + "/method" + loan.Cell("method"));
        EXPECT_FALSE(errors.contains(id)) << errors[id];
        std::string rows = TempFolder::Read(csv);
        EXPECT_EQ(schedules[id], rows.substr(rows.find("\r\n") + 2));
        std::map<std::string, std::string> figures = KeyValues(alone.out);
        std::vector<std::string> summary =
            Fields(summaries[id].substr(0, summaries[id].size() - 2));
        ASSERT_EQ(summary.size(), 6u) << summaries[id];
        EXPECT_EQ(summary[0], figures["payment"]);
        EXPECT_EQ(summary[1], figures["payments"]);
        EXPECT_EQ(summary[2], IsoFromUs(figures["last_date"]));
        EXPECT_EQ(summary[3], figures["total_interest"]);
        EXPECT_EQ(summary[4], figures["total_paid"]);
        EXPECT_EQ(summary[5], figures["apr"]);
    }
    // The book is not mostly refused: every frequency with both methods was scheduled.
    EXPECT_GT(produced, 180);
    EXPECT_EQ(producedKinds.size(), 12u);
    EXPECT_EQ(run.exitCode, produced == static_cast<int>(book.size()) ? 0 : 1);
}

TEST(BatchPortfolio, TheOutputIsTheSameWhateverTheNumberOfJobs) {
    TempFolder folder;
    const auto input = folder.Write("book.csv", BookCsv(GenerateBook(300)));
    auto runWith = [&](int jobs) {
        const std::string name = "jobs" + std::to_string(jobs);
        BatchRun run = RunBatch(
            "portfolio " + input.string() + " " + kShared + " --jobs " + std::to_string(jobs) +
            " --schedules " + (folder / (name + ".schedules")).string() + " --errors " +
            (folder / (name + ".errors")).string() + " --balances-at 06/30/2004 --balances " +
            (folder / (name + ".balances")).string() + " --summary -");
        EXPECT_NE(run.exitCode, 2) << run.err;
        return std::vector<std::string>{run.out, TempFolder::Read(folder / (name + ".schedules")),
                                        TempFolder::Read(folder / (name + ".balances")),
                                        TempFolder::Read(folder / (name + ".errors"))};
    };
    std::vector<std::string> one = runWith(1);
    ASSERT_GT(one[0].size(), 10000u);
    EXPECT_EQ(runWith(2), one);
    EXPECT_EQ(runWith(7), one);
}

// 100,000 at 6 % over 360 months from 04/10/1998: payments of 599.55.
const std::string kHeader = "id,amount,rate,term,first\r\n";
const std::string kGoodRow = "A1,100000,6,360,04/10/1998\r\n";

BatchRun RunPortfolioOn(const TempFolder& folder, const std::string& csv,
                        const std::string& more = "") {
    const auto input = folder.Write("loans.csv", csv);
    return RunBatch("portfolio " + input.string() +
                    " --no-prefs --yes --today 03/10/1998 --jobs 2 --errors - " + more);
}

TEST(BatchPortfolio, TheBalancesOnADateAreWhatThePaymentsDueByThenPaid) {
    TempFolder folder;
    BatchRun run =
        RunPortfolioOn(folder, kHeader + kGoodRow + "B2,5000,0,10,04/10/1998\r\n",
                       "--balances-at 06/10/1998 --balances " + (folder / "b.csv").string());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "line,id,message\r\n");
    // Three payments of 599.55: interest 500.00, 499.50 (on 99,900.45) and 499.00 (on 99,800.40).
    EXPECT_EQ(TempFolder::Read(folder / "b.csv"),
              "id,balance,interest_paid,principal_paid\r\n"
              "A1,99699.85,1498.50,300.15\r\n"
              "B2,3500.00,0.00,1500.00\r\n");
}

TEST(BatchPortfolio, BadRowsAreErrorRowsAndTheRunGoesOn) {
    TempFolder folder;
    const std::string rows = kHeader + "R1,100000,6.5x,360,04/10/1998\r\n" +  // line 2
                             "R2,100000,6,360\r\n" +                          // line 3
                             kGoodRow +                                       // line 4
                             "R3,100000,6,360,02/30/1998\r\n" +               // line 5
                             "R4,100000,6,360,04/10/1998,1\r\n" +             // line 6
                             "\"R5,100000,6,360,04/10/1998\r\n";              // line 7
    BatchRun run = RunPortfolioOn(folder, rows, "--summary " + (folder / "s.csv").string());
    EXPECT_EQ(run.exitCode, 1);
    std::vector<std::string> errors = SplitLines(run.out);
    ASSERT_EQ(errors.size(), 6u) << run.out << run.err;
    EXPECT_EQ(errors[0], "line,id,message");
    EXPECT_TRUE(StartsWith(errors[1], "2,R1,\"--rate must be a rate")) << errors[1];
    EXPECT_EQ(errors[2], "3,R2,the row has 4 fields where the header names 5");
    EXPECT_TRUE(StartsWith(errors[3], "5,R3,")) << errors[3];
    EXPECT_EQ(errors[3], "5,R3,W A R N I N G: Please use 'mm/dd/yy[yy]' format!");
    EXPECT_EQ(errors[4], "6,R4,the row has 6 fields where the header names 5");
    EXPECT_EQ(errors[5], "7,,a quoted field is not closed before the end of the input");
    EXPECT_EQ(
        SplitLines(TempFolder::Read(folder / "s.csv")),
        (std::vector<std::string>{"id,payment,payments,last_date,total_interest,total_paid,apr",
                                  "A1,599.55,360,2028-03-10,115838.44,215838.44,6.0000"}));
}

TEST(BatchPortfolio, AnInputWithoutLoansIsAnErrorRowUnderTheOutputsHeaders) {
    TempFolder folder;
    BatchRun empty = RunPortfolioOn(folder, "", "--summary " + (folder / "s.csv").string());
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_EQ(empty.out,
              "line,id,message\r\n"
              "1,,no loans: the input is empty; its first line names the columns\r\n");
    EXPECT_EQ(TempFolder::Read(folder / "s.csv"),
              "id,payment,payments,last_date,total_interest,total_paid,apr\r\n");

    BatchRun headerOnly =
        RunPortfolioOn(folder, kHeader, "--summary " + (folder / "s.csv").string());
    EXPECT_EQ(headerOnly.exitCode, 1);
    EXPECT_EQ(headerOnly.out, "line,id,message\r\n2,,no loans: the input has only its header\r\n");
}

TEST(BatchPortfolio, AHeaderOrOptionsNoRunCanUseAreUsageErrorsAndWriteNothing) {
    TempFolder folder;
    const std::string summary = " --summary " + (folder / "s.csv").string();
    const std::pair<std::string, std::string> cases[] = {
        {"id,amount,colour\r\nA,1,red\r\n", "unknown column \"colour\""},
        {"amount,rate\r\n1,2\r\n", "the header names no id column"},
        {"id,rate,rate\r\nA,1,2\r\n", "column rate is named twice"},
    };
    for (const auto& [csv, message] : cases) {
        BatchRun run = RunPortfolioOn(folder, csv, summary);
        EXPECT_EQ(run.exitCode, 2) << csv;
        EXPECT_NE(run.err.find("quorvia-batch portfolio: " + message), std::string::npos)
            << run.err;
        EXPECT_FALSE(std::filesystem::exists(folder / "s.csv"));
    }
    BatchRun twoOnStandardOutput = RunPortfolioOn(folder, kHeader + kGoodRow, "--summary -");
    EXPECT_EQ(twoOnStandardOutput.exitCode, 2);
    EXPECT_NE(twoOnStandardOutput.err.find("only one output can go to standard output"),
              std::string::npos);
    BatchRun badJobs = RunPortfolioOn(folder, kHeader + kGoodRow, "--jobs 0");
    EXPECT_EQ(badJobs.exitCode, 2);
    // The last --today given counts, as for schedule.
    BatchRun badToday = RunPortfolioOn(folder, kHeader + kGoodRow, "--today 02/30/1998");
    EXPECT_EQ(badToday.exitCode, 2);
    EXPECT_EQ(badToday.err.rfind("quorvia-batch portfolio: --today must be a date such as "
                                 "03/10/1998\n",
                                 0),
              0u)
        << badToday.err;
}

TEST(BatchPortfolio, AFilterReadsStandardInputAndWritesTheSummaryOnStandardOutput) {
    TempFolder folder;
    const auto input = folder.Write("loans.csv", kHeader + kGoodRow);
    BatchRun run = RunBatch("portfolio --no-prefs --today 03/10/1998 <" + input.string());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "id,payment,payments,last_date,total_interest,total_paid,apr\r\n"
              "A1,599.55,360,2028-03-10,115838.44,215838.44,6.0000\r\n");
}

// The README's line: GNU parallel splits the book into parts of 40 loans, each with the header,
// runs four processes at once and joins their outputs in order; only part 1 writes headers.
TEST(BatchPortfolio, SplitAcrossProcessesByGnuParallelItIsOneRunByteForByte) {
    if (std::system("parallel --version >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "GNU parallel is not installed (scripts/install-deps.sh installs it)";
    }
    TempFolder folder;
    const auto input = folder.Write("book.csv", BookCsv(GenerateBook(200)));
    const std::string program = (testing::BuildDir() / "quorvia-batch").string();
    const std::string options = " " + kShared + " --jobs 1 --summary - ";
    BatchRun one = RunBatch("portfolio" + options + "<" + input.string());
    BatchRun split = testing::RunProgram(
        "/bin/sh", "-c 'parallel --pipe -N 40 -j 4 --keep-order --header : " + program +
                       " portfolio" + options + "--part {#}' <" + input.string());
    EXPECT_NE(one.exitCode, 2) << one.err;
    // parallel's exit status counts the parts that failed.
    EXPECT_EQ(split.exitCode != 0, one.exitCode != 0) << split.err;
    // A part counts the lines of its own piece of the input; the loans and messages are the same.
    EXPECT_EQ(ErrorsById(split.err), ErrorsById(one.err));
    ASSERT_GT(SplitLines(one.out).size(), 150u);
    EXPECT_EQ(split.out, one.out);
}

// A map-only job hands each process rows without the header: --columns names them.
TEST(BatchPortfolio, APartWithoutItsHeaderIsNamedByColumns) {
    TempFolder folder;
    const auto input = folder.Write("part.csv", kGoodRow);
    BatchRun run = RunBatch("portfolio " + input.string() +
                            " --no-prefs --today 03/10/1998 --columns id,amount,rate,term,first "
                            "--part 2");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "A1,599.55,360,2028-03-10,115838.44,215838.44,6.0000\r\n");
}

}  // namespace
}  // namespace quorvia
