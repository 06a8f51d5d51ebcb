// Schedules with events, against figures worked out independently by
// schedule_events_expected.py beside this file (run it to see where each figure comes from).
#include "core/schedule/ScheduleEvents.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/schedule/ScheduleSummary.h"
#include "support/ScheduleTestSupport.h"

namespace quorvia {
namespace {

using testing::DerivedLoan;
using testing::Loan;

// 100,000 at 6 % over 360 months from April 10, 1998: a payment of 599.55.
AmortInputs SixPercentLoan() {
    return DerivedLoan(100000, 6, 360, 1, "04/10/1998");
}

Schedule RunWith(AmortInputs in, const ScheduleEvents& events, SemiMonthlyChoice semiMonthly = {}) {
    Schedule schedule;
    auto error = ComputeSchedule(in, semiMonthly, nullptr, schedule, events);
    EXPECT_FALSE(error) << (error ? error->description : "");
    return schedule;
}

// The schedule's length and totals in the script's words.
std::string Headline(const Schedule& s) {
    char text[120];
    std::snprintf(text, sizeof text, "%zu payments, interest %.2f, paid %.2f", s.rows.size(),
                  s.totals.interest, s.totals.payments);
    return text;
}

// Payment `number` as the script prints it.
std::string Row(const Schedule& s, int number) {
    const PaymentRow& row = s.rows.at(number - 1);
    char text[120];
    std::snprintf(text, sizeof text, "%6d %s %10.2f %9.2f %10.2f %11.2f", row.number,
                  FormatDate(row.dueDate, "mm/dd/yyyy").c_str(), row.payment, row.interest,
                  row.principal, row.balance);
    return text;
}

TEST(ScheduleEvents, ExtraPrincipalRaisesThePaymentsItComesWith) {
    Schedule always = RunWith(SixPercentLoan(), {ExtraPrincipal(200, 1)});
    EXPECT_EQ(Headline(always), "197 payments, interest 57386.79, paid 157386.79");
    EXPECT_EQ(Row(always, 1), "     1 04/10/1998     799.55    500.00     299.55    99700.45");
    EXPECT_EQ(Row(always, 196), "   196 07/10/2014     799.55      7.32     792.23      671.63");
    EXPECT_EQ(Row(always, 197), "   197 08/10/2014     674.99      3.36     671.63        0.00");
    EXPECT_TRUE(always.liquidatedEarly);
    EXPECT_EQ(always.scheduledCount, 360);

    Schedule year = RunWith(SixPercentLoan(), {ExtraPrincipal(200, 13, 24)});
    EXPECT_EQ(Headline(year), "340 payments, interest 105700.89, paid 205700.89");
    EXPECT_EQ(Row(year, 12), "    12 03/10/1999     599.55    494.39     105.16    98772.00");
    EXPECT_EQ(Row(year, 13), "    13 04/10/1999     799.55    493.86     305.69    98466.31");
    EXPECT_EQ(Row(year, 24), "    24 03/10/2000     799.55    476.62     322.93    95001.15");
    EXPECT_EQ(Row(year, 25), "    25 04/10/2000     599.55    475.01     124.54    94876.61");
}

TEST(ScheduleEvents, LumpSumsAddUpAndOneLargerThanTheBalancePaysItOff) {
    Schedule two = RunWith(SixPercentLoan(), {LumpSum(5000, 24), LumpSum(1000, 24)});
    EXPECT_EQ(Headline(two), "313 payments, interest 93357.10, paid 193357.10");
    EXPECT_EQ(Row(two, 24), "    24 03/10/2000    6599.55    487.90    6111.65    91468.25");
    EXPECT_EQ(Row(two, 25), "    25 04/10/2000     599.55    457.34     142.21    91326.04");

    Schedule payoff = RunWith(SixPercentLoan(), {LumpSum(150000, 3)});
    EXPECT_EQ(Headline(payoff), "3 payments, interest 1498.50, paid 101498.50");
    EXPECT_EQ(Row(payoff, 3), "     3 06/10/1998  100299.40    499.00   99800.40        0.00");
    EXPECT_TRUE(payoff.liquidatedEarly);
    EXPECT_EQ(payoff.remainingBalance, 0);
}

TEST(ScheduleEvents, ARateChangeRecomputesThePaymentOverTheRestOfTheTerm) {
    Schedule s = RunWith(SixPercentLoan(), {RateChange(0.0725, 61)});
    EXPECT_EQ(Headline(s), "360 payments, interest 137755.81, paid 237753.00");
    EXPECT_EQ(Row(s, 60), "    60 03/10/2003     599.55    465.94     133.61    93054.36");
    EXPECT_EQ(Row(s, 61), "    61 04/10/2003     672.60    562.20     110.40    92943.96");
    EXPECT_EQ(Row(s, 360), "   360 03/10/2028     672.60      4.06     668.54        2.81");
    EXPECT_NEAR(s.remainingBalance, 2.81, 0.005);
}

TEST(ScheduleEvents, AKeptPaymentChangesTheNumberOfPayments) {
    Schedule longer = RunWith(SixPercentLoan(), {RateChange(0.0725, 61, true)});
    EXPECT_EQ(Headline(longer), "521 payments, interest 212277.30, paid 312277.30");
    EXPECT_EQ(Row(longer, 61), "    61 04/10/2003     599.55    562.20      37.35    93017.01");
    EXPECT_EQ(Row(longer, 360), "   360 03/10/2028     599.55    373.39     226.16    61575.55");
    EXPECT_EQ(longer.rows.back().balance, 0);
    EXPECT_EQ(longer.remainingBalance, 0);
    EXPECT_FALSE(longer.liquidatedEarly);

    Schedule shorter = RunWith(SixPercentLoan(), {RateChange(0.04, 61, true)});
    EXPECT_EQ(Headline(shorter), "279 payments, interest 67218.92, paid 167218.92");
    EXPECT_EQ(Row(shorter, 61), "    61 04/10/2003     599.55    310.18     289.37    92764.99");
    EXPECT_TRUE(shorter.liquidatedEarly);
}

// A balloon loan keeps its term: the last payment takes what the kept payment left. A payment
// that no longer covers the interest cannot repay the loan, however long it runs, and none
// runs past the longest term the program schedules.
TEST(ScheduleEvents, AKeptPaymentDoesNotOutrunABalloonOrALoanItCannotRepay) {
    AmortInputs balloon = SixPercentLoan();
    balloon.BalanceDueAtEnd = true;
    Schedule s = RunWith(balloon, {RateChange(0.0725, 61, true)});
    ASSERT_EQ(s.rows.size(), 360u);
    EXPECT_EQ(s.rows.back().balance, 0);
    EXPECT_GT(s.rows.back().payment, 60000);

    Schedule never = RunWith(SixPercentLoan(), {RateChange(0.09, 61, true)});
    ASSERT_EQ(never.rows.size(), 360u);
    EXPECT_GT(never.remainingBalance, 100000);

    Schedule longest = RunWith(SixPercentLoan(), {RateChange(0.075, 61, true)});
    ASSERT_EQ(longest.rows.size(), 600u);  // 624 would repay it
    EXPECT_GT(longest.remainingBalance, 0);
    EXPECT_EQ(longest.rows.back().dueDate, MakeDate(2048, 3, 10));
}

TEST(ScheduleEvents, InterestOnlyThenThePaymentRepaysTheRestOfTheTerm) {
    Schedule s = RunWith(SixPercentLoan(), {InterestOnly(12)});
    EXPECT_EQ(Headline(s), "360 payments, interest 117240.39, paid 217236.00");
    EXPECT_EQ(Row(s, 1), "     1 04/10/1998     500.00    500.00       0.00   100000.00");
    EXPECT_EQ(Row(s, 12), "    12 03/10/1999     500.00    500.00       0.00   100000.00");
    EXPECT_EQ(Row(s, 13), "    13 04/10/1999     607.00    500.00     107.00    99893.00");
    EXPECT_EQ(Row(s, 360), "   360 03/10/2028     607.00      3.04     603.96        4.39");
    EXPECT_DOUBLE_EQ(Summarize(s).payment, 599.55);  // the payment the form states
}

TEST(ScheduleEvents, ExactDaysChargeTheNewRateForTheDaysOfItsPeriod) {
    AmortInputs in = Loan(36500, 10, 12, 1, "02/01/1999");
    testing::UseExactDays(in, "01/01/1999");
    in.Payment = 3208;
    Schedule s = RunWith(in, {LumpSum(10000, 3), RateChange(0.12, 6)});
    EXPECT_EQ(Headline(s), "12 payments, interest 1566.77, paid 38064.88");
    EXPECT_EQ(Row(s, 1), "     1 02/01/1999    3208.00    310.00    2898.00    33602.00");
    EXPECT_EQ(Row(s, 2), "     2 03/01/1999    3208.00    257.77    2950.23    30651.77");
    EXPECT_EQ(Row(s, 3), "     3 04/01/1999   13208.00    260.33   12947.67    17704.10");
    EXPECT_EQ(Row(s, 5), "     5 06/01/1999    3208.00    124.35    3083.65    11557.96");
    EXPECT_EQ(Row(s, 6), "     6 07/01/1999    1717.84    114.00    1603.84     9954.12");
    EXPECT_EQ(Row(s, 12), "    12 01/01/2000    1717.84     17.35    1700.49        1.89");

    Schedule io = RunWith(in, {InterestOnly(3)});
    EXPECT_EQ(Headline(io), "12 payments, interest 2442.58, paid 38937.69");
    EXPECT_EQ(Row(io, 2), "     2 03/01/1999     280.00    280.00       0.00    36500.00");
    EXPECT_EQ(Row(io, 4), "     4 05/01/1999    4226.41    300.00    3926.41    32573.59");
    EXPECT_EQ(Row(io, 12), "    12 01/01/2000    4226.41     35.63    4190.78        4.89");
}

TEST(ScheduleEvents, OddDaysStillRaiseOnlyTheFirstPayment) {
    AmortInputs in = SixPercentLoan();
    in.OddDays = 17;
    Schedule s = RunWith(in, {ExtraPrincipal(100, 1)});
    EXPECT_EQ(Headline(s), "252 payments, interest 76217.48, paid 176217.48");
    EXPECT_EQ(Row(s, 1), "     1 04/10/1998     979.00    779.45     199.55    99800.45");
    EXPECT_EQ(Row(s, 2), "     2 05/10/1998     699.55    499.00     200.55    99599.90");
}

TEST(ScheduleEvents, SemiMonthlyPaymentsTakeTheirEventsByNumber) {
    AmortInputs in = DerivedLoan(24000, 9, 24, 6, "01/16/1999");
    testing::UseExactDays(in, "01/01/1999");
    Schedule s = RunWith(in, {ExtraPrincipal(50, 5, 8), RateChange(0.06, 25)}, {1, 1, 16, 2});
    EXPECT_EQ(Headline(s), "48 payments, interest 2045.47, paid 26045.47");
    EXPECT_EQ(Row(s, 1), "     1 01/16/1999     547.28     88.77     458.51    23541.49");
    EXPECT_EQ(Row(s, 2), "     2 02/01/1999     547.28     92.88     454.40    23087.09");
    EXPECT_EQ(Row(s, 5), "     5 03/16/1999     597.28     81.93     515.35    21635.09");
    EXPECT_EQ(Row(s, 24), "    24 01/01/2000     547.28     50.57     496.71    12322.06");
    EXPECT_EQ(Row(s, 25), "    25 01/16/2000     529.62     30.38     499.24    11822.82");
    EXPECT_EQ(Row(s, 48), "    48 01/01/2001     529.49      1.39     528.10        0.00");
}

TEST(ScheduleEvents, FixedPrincipalIsRespreadAfterInterestOnly) {
    AmortInputs in = Loan(12000, 12, 12, 1, "01/15/1999");
    in.FixedPrincipal = true;
    in.Payment = in.FixedPrincipalAmount = 1000;
    Schedule s = RunWith(in, {InterestOnly(2), RateChange(0.06, 6)});
    EXPECT_EQ(Headline(s), "12 payments, interest 732.00, paid 12732.00");
    EXPECT_EQ(Row(s, 1), "     1 01/15/1999     120.00    120.00       0.00    12000.00");
    EXPECT_EQ(Row(s, 3), "     3 03/15/1999    1320.00    120.00    1200.00    10800.00");
    EXPECT_EQ(Row(s, 6), "     6 06/15/1999    1242.00     42.00    1200.00     7200.00");
    EXPECT_EQ(Row(s, 12), "    12 12/15/1999    1206.00      6.00    1200.00        0.00");
}

TEST(ScheduleEvents, EachKindIsStatedInWords) {
    EXPECT_EQ(DescribeEvent(ExtraPrincipal(200, 13)),
              "Extra principal of $200.00 with each payment from payment 13");
    EXPECT_EQ(DescribeEvent(ExtraPrincipal(1250.5, 1, 24)),
              "Extra principal of $1,250.50 with each payment from payment 1 to payment 24");
    EXPECT_EQ(DescribeEvent(LumpSum(5000, 24)), "Lump sum of $5,000.00 with payment 24");
    EXPECT_EQ(DescribeEvent(RateChange(0.0725, 61)), "Rate 7.2500% from payment 61");
    EXPECT_EQ(DescribeEvent(RateChange(0.04, 2, true)),
              "Rate 4.0000% from payment 2, keeping the payment");
    EXPECT_EQ(DescribeEvent(InterestOnly(12)), "Interest only for the first 12 payments");
    EXPECT_EQ(DescribeEvent(InterestOnly(1)), "Interest only for the first payment");
}

TEST(ScheduleEvents, TheScheduleKeepsItsEventsInPaymentOrder) {
    Schedule s =
        RunWith(SixPercentLoan(), {RateChange(0.05, 61), LumpSum(100, 3), InterestOnly(2)});
    EXPECT_EQ(s.events, (ScheduleEvents{InterestOnly(2), LumpSum(100, 3), RateChange(0.05, 61)}));
}

std::string Problem(const ScheduleEvents& events, int scheduledCount = 360) {
    std::optional<EventProblem> problem = FindEventProblem(events, scheduledCount);
    return problem ? std::to_string(problem->event) + ": " + problem->message : "";
}

TEST(ScheduleEvents, EventsALoanCannotHaveAreRefusedWithTheReason) {
    EXPECT_EQ(Problem({ExtraPrincipal(200, 13), LumpSum(5000, 24), RateChange(0, 61, true),
                       InterestOnly(359), LumpSum(1, 24), ExtraPrincipal(5, 1, 12)}),
              "");
    EXPECT_EQ(Problem({LumpSum(5, 1), ExtraPrincipal(-200, 13)}),
              "1: Extra principal must be an amount above zero.");
    EXPECT_EQ(Problem({LumpSum(0, 3)}), "0: A lump sum must be an amount above zero.");
    EXPECT_EQ(Problem({ExtraPrincipal(200, 0)}),
              "0: Extra principal must start at payment 1 or later.");
    EXPECT_EQ(Problem({ExtraPrincipal(200, 361)}),
              "0: Extra principal from payment 361 is beyond the term of 360 payments.");
    EXPECT_EQ(Problem({ExtraPrincipal(200, 13, 12)}),
              "0: Extra principal from payment 13 must end at payment 13 or later.");
    EXPECT_EQ(Problem({ExtraPrincipal(200, 13, 400)}),
              "0: Extra principal up to payment 400 is beyond the term of 360 payments.");
    EXPECT_EQ(Problem({LumpSum(5, 0)}), "0: A lump sum must come with payment 1 or later.");
    EXPECT_EQ(Problem({LumpSum(5, 13)}, 12),
              "0: A lump sum with payment 13 is beyond the term of 12 payments.");
    EXPECT_EQ(Problem({RateChange(0.07, 1)}),
              "0: A rate change must come at payment 2 or later: payment 1 is charged the "
              "loan's own rate.");
    EXPECT_EQ(Problem({RateChange(-0.01, 61)}),
              "0: A new rate must be at least 0% and under 100%.");
    EXPECT_EQ(Problem({RateChange(1, 61)}), "0: A new rate must be at least 0% and under 100%.");
    EXPECT_EQ(Problem({RateChange(0.07, 2)}, 1),
              "0: A rate change at payment 2 is beyond the term of 1 payment.");
    EXPECT_EQ(Problem({InterestOnly(0)}),
              "0: An interest-only period must last at least one payment.");
    EXPECT_EQ(Problem({InterestOnly(360)}),
              "0: Interest only for 360 payments leaves no payment to repay the loan: the "
              "period must end before payment 360.");
}

TEST(ScheduleEvents, ContradictoryEventsAreRefused) {
    EXPECT_EQ(Problem({RateChange(0.07, 61), RateChange(0.08, 61)}),
              "1: There are two rate changes at payment 61.");
    EXPECT_EQ(Problem({ExtraPrincipal(100, 1, 24), ExtraPrincipal(50, 30), ExtraPrincipal(5, 20)}),
              "2: Two runs of extra principal both include payment 20.");
    EXPECT_EQ(Problem({ExtraPrincipal(100, 40), ExtraPrincipal(50, 30, 40)}),
              "1: Two runs of extra principal both include payment 40.");
    EXPECT_EQ(Problem({InterestOnly(3), InterestOnly(6)}),
              "1: A loan can have only one interest-only period.");
}

TEST(ScheduleEvents, TheEngineRefusesEventsItCannotApply) {
    TempFolder folder;
    AmortInputs in = SixPercentLoan();
    SemiMonthlyChoice semiMonthly{};
    auto error = WriteSchedule(in, semiMonthly, folder / "~amort.tmp", nullptr, nullptr,
                               {LumpSum(5000, 361)});
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, error_number::kInvalidCall);
    EXPECT_EQ(error->description,
              "A lump sum with payment 361 is beyond the term of 360 payments.");
    EXPECT_FALSE(std::filesystem::exists(folder / "~amort.tmp"));
}

TEST(ScheduleEvents, TheSummaryGivesTheFiguresAComparisonShows) {
    Schedule s = RunWith(SixPercentLoan(), {ExtraPrincipal(200, 1)});
    EXPECT_EQ(SummaryLines(Summarize(s)),
              "payment=599.55\npayments=197\nlast_date=08/10/2014\ntotal_interest=57386.79\n"
              "total_paid=157386.79\n");
}

}  // namespace
}  // namespace quorvia
