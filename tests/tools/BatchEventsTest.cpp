// quorvia-batch schedule with what-if events and --summary, run as a process.

#include <gtest/gtest.h>

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

// 100,000 at 6 % for 360 months: a payment of 599.55.
const std::string kLoan =
    "schedule --no-prefs --today 03/10/1998 --amount 100000 --rate 6 --term 360 "
    "--first 04/10/1998 ";

// The notes after the totals in a kept work file.
std::vector<std::string> Notes(const std::string& workFile) {
    std::vector<std::string> lines = SplitLines(workFile);
    std::vector<std::string> notes;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].rfind("\"footr\"", 0) == 0) {
            notes.push_back(lines[i + 1].substr(1, lines[i + 1].find("\",\"") - 1));
        }
    }
    return notes;
}

TEST(BatchEvents, TheSummaryShowsWhatAnExtraSaves) {
    BatchRun plain = RunBatch(kLoan + "--summary");
    EXPECT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_EQ(plain.out,
              "payment=599.55\npayments=360\nlast_date=03/10/2028\ntotal_interest=115838.44\n"
              "total_paid=215838.44\n");

    BatchRun extra = RunBatch(kLoan + "--extra 200 --summary");
    EXPECT_EQ(extra.exitCode, 0) << extra.err;
    EXPECT_EQ(extra.err, "");
    EXPECT_EQ(extra.out,
              "payment=599.55\npayments=197\nlast_date=08/10/2014\ntotal_interest=57386.79\n"
              "total_paid=157386.79\n");
}

TEST(BatchEvents, EveryEventReachesTheScheduleAndItsNotes) {
    TempFolder folder;
    BatchRun run =
        RunBatch(kLoan +
                 "--interest-only 12 --extra 100@13-24 --lump 5000@24 --lump 1000@36 "
                 "--rate-change 7.25@61 --rate-change 0.065@121 --keep-payment "
                 "--summary --csv " +
                 (folder / "s.csv").string() + " --work-file " + (folder / "w.tmp").string());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Notes(TempFolder::Read(folder / "w.tmp")),
              (std::vector<std::string>{
                  "Interest only for the first 12 payments",
                  "Extra principal of $100.00 with each payment from payment 13 to payment 24",
                  "Lump sum of $5,000.00 with payment 24", "Lump sum of $1,000.00 with payment 36",
                  "Rate 7.2500% from payment 61, keeping the payment",
                  "Rate 6.5000% from payment 121, keeping the payment",
                  "Note: Payment schedule liquidated loan prior to specified term!"}));
    std::vector<std::string> csv = SplitLines(TempFolder::Read(folder / "s.csv"));
    ASSERT_GT(csv.size(), 13u);
    EXPECT_EQ(csv[1], "1,1998-04-10,500.00,500.00,0.00,100000.00");
    EXPECT_EQ(csv[13], "13,1999-04-10,707.00,500.00,207.00,99793.00");  // 607.00 + 100.00
    EXPECT_EQ(run.out.substr(0, 24), "payment=599.55\npayments=");
}

TEST(BatchEvents, BadEventsAreUsageErrorsNamingTheOption) {
    const std::pair<const char*, const char*> cases[] = {
        {"--extra 200@",
         "--extra must be AMOUNT, AMOUNT@FROM or AMOUNT@FROM-TO (200, 200@13, "
         "200@13-24)"},
        {"--extra 1x0", "--extra must be AMOUNT"},
        {"--lump 5000", "--lump must be AMOUNT@N (5000@24)"},
        {"--lump 5000@x", "--lump must be AMOUNT@N"},
        {"--rate-change 7.25", "--rate-change must be RATE@N (7.25@61)"},
        {"--interest-only twelve", "--interest-only must be a number of payments (12)"},
        {"--keep-payment", "--keep-payment goes with --rate-change RATE@N"},
        {"--lump -50@3", "--lump -50@3: A lump sum must be an amount above zero."},
        {"--rate-change 7@1", "--rate-change 7@1: A rate change must come at payment 2 or later"},
        {"--rate-change 7@5 --rate-change 8@5", "--rate-change 8@5: There are two rate changes"},
        {"--extra 50@1-24 --extra 20@12",
         "--extra 20@12: Two runs of extra principal both include payment 12."},
        {"--lump 5000@361",
         "--lump 5000@361: A lump sum with payment 361 is beyond the term of "
         "360 payments."},
        {"--interest-only 360",
         "--interest-only 360: Interest only for 360 payments leaves no "
         "payment to repay the loan"},
    };
    for (const auto& [options, message] : cases) {
        TempFolder folder;
        BatchRun run = RunBatch(kLoan + options + " --work-file " + (folder / "w.tmp").string());
        EXPECT_EQ(run.exitCode, 2) << options;
        EXPECT_EQ(run.err.rfind(std::string("quorvia-batch schedule: ") + message, 0), 0u)
            << options << "\n"
            << run.err;
        EXPECT_FALSE(std::filesystem::exists(folder / "w.tmp")) << options;
    }
}

}  // namespace
}  // namespace quorvia
