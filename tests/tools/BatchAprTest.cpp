// quorvia-batch apr, and schedule --disclosure, run as processes.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <regex>
#include <string>

#include "support/BatchProcess.h"
#include "support/TempFolder.h"

namespace {

using quorvia::TempFolder;
using quorvia::testing::BatchRun;
using quorvia::testing::RunBatch;

// The rate printed on the apr= line, rounded to the two decimals the rules' examples print.
double TwoDecimals(const std::string& out) {
    std::smatch match;
    static const std::regex line(R"(^apr=(-?\d+\.\d{4})\n$)");
    EXPECT_TRUE(std::regex_match(out, match, line)) << out;
    return match.empty() ? NAN : std::round(std::stod(match[1].str()) * 100) / 100;
}

TEST(BatchApr, RegularStreamsWithOddFirstAndLastPayments) {
    struct Example {
        const char* options;
        double published;
    } examples[] = {
        {"--amount 5000 --advance-date 01/10/1978 --payments 24@230 --first 02/10/1978 "
         "--freq monthly",
         9.69},
        {"--amount 6000 --advance-date 02/10/1978 --payments 36@200 --first 04/01/1978 "
         "--freq monthly",
         11.82},
        {"--amount 10000 --advance-date 05/23/1978 --payments 40@385 --first 10/01/1978 "
         "--freq quarterly",
         8.97},
        {"--amount 5000 --advance-date 02/23/1978 --payments 24@219.17 --first 03/01/1978 "
         "--freq semimonthly",
         10.34},
        {"--amount 500 --advance-date 03/20/1978 --payments 30@17.60 --first 04/21/1978 "
         "--freq weekly",
         14.96},
        {"--amount 5000 --advance-date 01/10/1978 --payments 24@230 --first 02/10/1978 "
         "--freq monthly --first-payment 250",
         10.08},
        {"--amount 5000 --advance-date 01/10/1978 --payments 24@230 --first 02/10/1978 "
         "--freq monthly --last-payment 280",
         10.50},
        {"--amount 200 --advance-date 04/03/1978 --payments 20@9.50 --first 04/11/1978 "
         "--freq biweekly --last-payment 30",
         12.22},
        {"--amount 5000 --advance-date 01/10/1978 --payments 24@230 --first 02/10/1978 "
         "--freq monthly --first-payment 250 --last-payment 280 --method actuarial",
         10.90},
        {"--amount 1000 --advance-date 01/03/1978 --payments 1@1080 --first 09/15/1978 "
         "--freq annual",
         11.45},
        {"--amount 1000 --advance-date 01/03/1978 --payments 1@1000 --first 07/03/1978 "
         "--freq monthly --last-payment 1044",
         8.80},
    };
    for (const Example& example : examples) {
        BatchRun run = RunBatch(std::string("apr ") + example.options);
        EXPECT_EQ(run.exitCode, 0) << example.options << ": " << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(TwoDecimals(run.out), example.published) << example.options;
    }
}

TEST(BatchApr, TheUnitedStatesRuleOnRequest) {
    const std::string longFirstPeriod =
        "apr --amount 6000 --advance-date 02/10/1978 --payments 36@200 --first 04/01/1978 "
        "--freq monthly";
    BatchRun actuarial = RunBatch(longFirstPeriod);
    BatchRun usRule = RunBatch(longFirstPeriod + " --method usrule");
    EXPECT_EQ(usRule.exitCode, 0) << usRule.err;
    EXPECT_GT(std::stod(usRule.out.substr(4)), std::stod(actuarial.out.substr(4)));
}

TEST(BatchApr, BadInputIsAUsageErrorNamingTheOption) {
    const std::string regular =
        "apr --amount 5000 --advance-date 01/10/1978 --payments 24@230 --first 02/10/1978 ";
    struct Case {
        std::string arguments;
        std::string message;
    } cases[] = {
        {"apr --advance-date 01/10/1978 --payments 24@230 --first 02/10/1978 --freq monthly",
         "--amount is required"},
        {"apr --amount 5000 --payments 24@230 --first 02/10/1978 --freq monthly",
         "--advance-date is required"},
        {regular, "--freq is required"},
        {regular + "--freq fortnightly",
         "--freq must be monthly|quarterly|semiannual|annual|biweekly|weekly|semimonthly"},
        {regular + "--freq monthly --method rule78", "--method must be actuarial|usrule"},
        {"apr --amount 5,000 --advance-date 01/10/1978 --payments 24@230 --first 02/10/1978 "
         "--freq monthly",
         "--amount must be an amount above zero, such as 5000"},
        {"apr --amount 5000 --advance-date 1978-13-01 --payments 24@230 --first 02/10/1978 "
         "--freq monthly",
         "--advance-date must be a date such as 01/10/1978"},
        {"apr --amount 5000 --advance-date 01/10/1978 --payments 24x230 --first 02/10/1978 "
         "--freq monthly",
         "--payments must be COUNT@AMOUNT, such as 24@230: 1 to 9999 payments of zero or more"},
        {"apr --amount 5000 --advance-date 01/10/1978 --payments 0@230 --first 02/10/1978 "
         "--freq monthly",
         "--payments must be COUNT@AMOUNT, such as 24@230: 1 to 9999 payments of zero or more"},
        {"apr --amount 5000 --advance-date 01/10/1978 --payments 24@230 --first 01/10/1978 "
         "--freq monthly",
         "--first must come after --advance-date"},
        {regular + "--freq monthly --last-payment -280",
         "--last-payment must be an amount of zero or more, such as 230.50"},
        {"apr --amount 1000 --advance-date 01/03/1978 --payments 1@1080 --first 09/15/1978 "
         "--freq monthly --first-payment 1 --last-payment 2",
         "--first-payment and --last-payment are the same payment when there is only one"},
        {regular + "--freq monthly --prepaid 100", "unknown option --prepaid"},
    };
    for (const Case& c : cases) {
        BatchRun run = RunBatch(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.arguments;
        EXPECT_EQ(run.out, "") << c.arguments;
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), "quorvia-batch apr: " + c.message)
            << c.arguments;
        EXPECT_NE(run.err.find("usage: quorvia-batch"), std::string::npos) << c.arguments;
    }
}

TEST(BatchApr, PaymentsThatRepayNothingHaveNoRate) {
    BatchRun run = RunBatch(
        "apr --amount 5000 --advance-date 01/10/1978 --payments 24@0 --first 02/10/1978 "
        "--freq monthly");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "quorvia-batch apr: Every payment is zero.\n");
}

// 100,000 at 8.5 % for 360 months on equal 30-day months, first payment one month after the
// fixed today.
const std::string kLoan =
    "schedule --no-prefs --today 03/10/1998 --amount 100000 --rate 8.5 --term 360 "
    "--first 04/10/1998 ";

TEST(BatchScheduleDisclosure, PrintsTheFiguresOnlyWhenAsked) {
    BatchRun plain = RunBatch(kLoan);
    EXPECT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_EQ(plain.out.find("apr="), std::string::npos) << plain.out;

    BatchRun disclosed = RunBatch(kLoan + "--disclosure --prepaid 2,000");
    EXPECT_EQ(disclosed.exitCode, 0) << disclosed.err;
    EXPECT_EQ(disclosed.err, "");
    EXPECT_EQ(disclosed.out,
              "apr=8.7207\n"
              "finance_charge=178813.51\n"
              "amount_financed=98000.00\n"
              "total_of_payments=276813.51\n"
              "note_rate=8.5000\n"
              "payment_schedule=359 payments of $768.91 monthly beginning 04/10/1998\n"
              "payment_schedule=1 payment of $774.82 on 03/10/2028\n");

    // Nothing prepaid and a first period of one month: the APR is the note rate.
    BatchRun noCharges = RunBatch(kLoan + "--disclosure");
    EXPECT_EQ(noCharges.out.substr(0, noCharges.out.find('\n')), "apr=8.5000");
}

TEST(BatchScheduleDisclosure, ExactDaysRunFromTheFundingDate) {
    BatchRun run = RunBatch(
        "schedule --no-prefs --yes --today 03/01/1998 --amount 10000 --rate 12 --term 12 "
        "--method 1 --funding 03/01/1998 --first 04/10/1998 --disclosure");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("apr=12.0")) << run.out;
    EXPECT_NE(run.out.find("amount_financed=10000.00\n"), std::string::npos) << run.out;
}

TEST(BatchScheduleDisclosure, BadPrepaidChargesAreUsageErrors) {
    struct Case {
        std::string options;
        std::string message;
    } cases[] = {
        {"--prepaid 100", "--prepaid goes with --disclosure"},
        {"--disclosure --prepaid lots",
         "--prepaid must be an amount of zero or more, such as 1500"},
        {"--disclosure --prepaid -5", "--prepaid must be an amount of zero or more, such as 1500"},
        {"--disclosure --prepaid 100000",
         "--prepaid: The prepaid finance charges ($100,000.00) must be less than the loan amount "
         "($100,000.00)."},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        BatchRun run = RunBatch(kLoan + c.options + " --csv " + (folder / "s.csv").string());
        EXPECT_EQ(run.exitCode, 2) << c.options;
        EXPECT_EQ(run.out, "") << c.options;
        EXPECT_FALSE(std::filesystem::exists(folder / "s.csv")) << c.options;
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), "quorvia-batch schedule: " + c.message)
            << c.options;
    }
}

}  // namespace
