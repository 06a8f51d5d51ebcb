// quorvia-batch calc run as a process, as scripts run it.

#include <gtest/gtest.h>

#include "support/BatchProcess.h"

namespace {

using quorvia::testing::BatchRun;
using quorvia::testing::RunBatch;

TEST(BatchCalc, PrintsTheFourFields) {
    BatchRun run = RunBatch("calc --amount 100000 --rate 8 --months 360 --payment 0 --freq 1");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "amount=100000.00\nrate=8.0000\nmonths=360\npayment=733.76\n");
    EXPECT_EQ(run.err, "");

    run = RunBatch("calc --amount 100000 --rate 8% --months 31 --freq 2");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "amount=100000.00\nrate=8.0000\nmonths=30\npayment=11132.65\n");
}

// Amounts as lenders write them, and a rate as a fraction, are the same loan.
TEST(BatchCalc, ReadsSeparatorsAndAFractionalRate) {
    for (const char* arguments : {"calc --amount 250,000 --rate 6.75 --months 360 --payment 0",
                                  "calc --amount '$250,000.00' --rate .0675 --months 360"}) {
        BatchRun run = RunBatch(arguments);
        EXPECT_EQ(run.exitCode, 0) << arguments;
        EXPECT_EQ(run.out, "amount=250000.00\nrate=6.7500\nmonths=360\npayment=1621.50\n")
            << arguments;
    }
}

TEST(BatchCalc, AnAmountOrRateThatIsNotANumberIsAUsageErrorNamingIt) {
    BatchRun run = RunBatch("calc --amount abc --rate 8 --months 360");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.find("quorvia-batch calc: --amount must be an amount such as 250000, "
                           "250,000 or $250,000.00\nusage: quorvia-batch"),
              0u)
        << run.err;
    run = RunBatch("calc --amount 100000 --rate 8x --months 360");
    EXPECT_EQ(run.err.find("quorvia-batch calc: --rate must be"), 0u) << run.err;
    run = RunBatch("calc --amount 100000 --rate 8 --payment 1,00");
    EXPECT_EQ(run.err.find("quorvia-batch calc: --payment must be"), 0u) << run.err;
}

TEST(BatchCalc, FailureShowsTheCalculatorsMessage) {
    BatchRun run = RunBatch("calc --amount 100000 --rate 8 --payment 500");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "E R R O R   M E S S A G E: Interest due EXCEEDS monthly payment!\n");
}

TEST(BatchCalc, UsageErrors) {
    for (const char* arguments :
         {"", "calc --amount", "calc --colour red", "calc --freq 7", "calc --freq 0", "interest"}) {
        BatchRun run = RunBatch(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        EXPECT_NE(run.err.find("usage: quorvia-batch"), std::string::npos) << arguments;
    }
}

}  // namespace
