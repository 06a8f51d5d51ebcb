#include "core/schedule/ScheduleEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "support/ScheduleTestSupport.h"

namespace quorvia {
namespace {

using testing::DerivedLoan;
using testing::Loan;

struct EngineRun {
    Schedule schedule;
    int progressCalls = 0;
    double lastProgress = 0;
};

EngineRun RunLoan(AmortInputs in, SemiMonthlyChoice semiMonthly = {}) {
    EngineRun run;
    auto error = ComputeSchedule(
        in, semiMonthly,
        [&](double percent) {
            ++run.progressCalls;
            run.lastProgress = percent;
        },
        run.schedule);
    EXPECT_FALSE(error) << (error ? error->description : "");
    return run;
}

// An amount to the cent, so that sums of doubles compare as the printed figures would.
int64_t Cents(double amount) {
    return std::llround(amount * 100);
}

std::vector<Date> DueDates(const Schedule& s, std::size_t count) {
    std::vector<Date> dates;
    for (std::size_t i = 0; i < count && i < s.rows.size(); ++i) {
        dates.push_back(s.rows[i].dueDate);
    }
    return dates;
}

std::vector<int> SubtotalYears(const Schedule& s) {
    std::vector<int> years;
    for (const YearSubtotal& subtotal : s.yearSubtotals) {
        years.push_back(subtotal.year);
    }
    return years;
}

TEST(ScheduledCount, FollowsThePaymentsPerYearOfEachFrequency) {
    const int expected[] = {360, 120, 60, 30, 780, 720};
    for (int frequency = 1; frequency <= 6; ++frequency) {
        AmortInputs in = Loan(1000, 8, 360, frequency, "01/15/1999");
        EXPECT_EQ(ScheduledCount(in), expected[frequency - 1]) << "frequency " << frequency;
    }
    EXPECT_EQ(ScheduledCount(Loan(1000, 8, 13, 2, "01/15/1999")), 4);
    EXPECT_EQ(ScheduledCount(Loan(1000, 8, 600, 5, "01/15/1999")), 1300);
}

TEST(DeriveMissingPaymentOrTerm, FillsWhicheverOfPaymentAndTermIsZero) {
    AmortInputs annuity = Loan(100000, 8.5, 360, 1, "01/15/1999");
    EXPECT_TRUE(DeriveMissingPaymentOrTerm(annuity).derived);
    EXPECT_DOUBLE_EQ(annuity.Payment, 768.91);
    EXPECT_EQ(annuity.FixedPrincipalAmount, 0);

    AmortInputs zeroRate = Loan(12000, 0, 60, 1, "01/15/1999");
    DeriveMissingPaymentOrTerm(zeroRate);
    EXPECT_DOUBLE_EQ(zeroRate.Payment, 200);
    EXPECT_TRUE(zeroRate.FixedPrincipal);
    EXPECT_DOUBLE_EQ(zeroRate.FixedPrincipalAmount, 200);

    AmortInputs fixedPayment = Loan(10000, 8, 360, 2, "01/15/1999");
    fixedPayment.FixedPrincipal = true;
    DeriveMissingPaymentOrTerm(fixedPayment);
    EXPECT_DOUBLE_EQ(fixedPayment.Payment, 83.33);  // 10,000 over 120 quarters
    EXPECT_DOUBLE_EQ(fixedPayment.FixedPrincipalAmount, 83.33);

    AmortInputs term = Loan(100000, 8, 0, 1, "01/15/1999");
    term.FixedPrincipal = true;
    term.Payment = 277;  // 361.01 payments
    DeriveMissingPaymentOrTerm(term);
    EXPECT_EQ(term.TermMonths, 361);

    AmortInputs quarterlyTerm = Loan(10000, 8, 0, 2, "01/15/1999");
    quarterlyTerm.FixedPrincipal = true;
    quarterlyTerm.Payment = 3000;  // 3.33 payments of three months
    DeriveMissingPaymentOrTerm(quarterlyTerm);
    EXPECT_EQ(quarterlyTerm.TermMonths, 9);

    AmortInputs nothing = Loan(10000, 8, 0, 1, "01/15/1999");
    EXPECT_FALSE(DeriveMissingPaymentOrTerm(nothing).derived);

    AmortInputs huge = Loan(1e9, 8, 0, 1, "01/15/1999");
    huge.FixedPrincipal = true;
    huge.Payment = 1;
    EXPECT_TRUE(DeriveMissingPaymentOrTerm(huge).error.has_value());
}

TEST(MonthsToPayOut, RoundsThePeriodsAndMonthsHalfToEven) {
    AmortInputs in = Loan(100000, 8.5, 360, 1, "01/15/1999");
    in.Payment = 850;
    EXPECT_EQ(MonthsToPayOut(in), 254);
    in.Payment = 700;  // below the first month's interest of 708.33
    EXPECT_EQ(MonthsToPayOut(in), std::nullopt);

    AmortInputs zeroRate = Loan(1000, 0, 12, 2, "01/15/1999");
    zeroRate.Payment = 250;
    EXPECT_EQ(MonthsToPayOut(zeroRate), 12);  // four quarterly payments
}

TEST(Schedule, FixedRateMonthlyLoanMatchesAPlainAnnuity) {
    EngineRun run = RunLoan(DerivedLoan(100000, 8.5, 360, 1, "01/15/1999"));
    const Schedule& s = run.schedule;
    ASSERT_EQ(s.rows.size(), 360u);
    EXPECT_EQ(s.scheduledCount, 360);
    EXPECT_DOUBLE_EQ(s.openingBalance, 100000);

    const double r = 0.085 / 12;
    const double payment = std::floor(100000 * r / (1 - std::pow(1 + r, -360)) * 100 + 0.5) / 100;
    double balance = 100000;
    double totalInterest = 0;
    for (int k = 0; k < 360; ++k) {
        double interest = std::floor(balance * r * 100 + 0.5) / 100;
        balance -= payment - interest;
        totalInterest += interest;
        ASSERT_NEAR(s.rows[k].balance, balance, 0.005) << "payment " << k + 1;
        ASSERT_NEAR(s.rows[k].interest, interest, 0.005) << "payment " << k + 1;
        ASSERT_EQ(s.rows[k].number, k + 1);
    }
    EXPECT_NEAR(s.totals.interest, totalInterest, 0.005);
    EXPECT_EQ(Cents(s.rows[0].payment), 76891);
    EXPECT_EQ(s.yearSubtotals.size(), 30u);
    EXPECT_EQ(s.yearSubtotals.front().year, 1999);
    EXPECT_EQ(run.progressCalls, 360);
    EXPECT_DOUBLE_EQ(run.lastProgress, 100);
    // The last payment leaves a few cents, which the report notes.
    EXPECT_GT(s.remainingBalance, 0);
    EXPECT_LT(s.remainingBalance, 10);
    EXPECT_FALSE(s.liquidatedEarly);
}

TEST(Schedule, BalanceDueOptionMakesTheLastPaymentAbsorbTheRest) {
    AmortInputs in = DerivedLoan(100000, 8.5, 360, 1, "01/15/1999");
    in.BalanceDueAtEnd = true;
    Schedule s = RunLoan(in).schedule;
    EXPECT_EQ(s.rows.back().balance, 0);
    EXPECT_EQ(s.remainingBalance, 0);
    EXPECT_NE(Cents(s.rows.back().payment), 76891);
}

TEST(Schedule, OddDaysRaiseOnlyTheFirstPayment) {
    AmortInputs in = DerivedLoan(100000, 8.5, 360, 1, "01/15/1999");
    in.OddDays = 17;
    Schedule s = RunLoan(in).schedule;
    EXPECT_EQ(s.heading.oddDays, 17);  // the days as given, for the title block
    // 100,000 x 8.5 % / 365 x 17 = 395.8904..., truncated to cents.
    EXPECT_EQ(Cents(s.rows[0].interest), 110422);  // 708.33 + 395.89
    EXPECT_EQ(Cents(s.rows[0].payment), 116480);   // 768.91 + 395.89
    EXPECT_EQ(Cents(s.rows[1].payment), 76891);
}

TEST(Schedule, ExactDaysChargeTheCalendarDaysOfEachPeriod) {
    AmortInputs in = Loan(36500, 10, 3, 1, "02/01/1999");
    testing::UseExactDays(in, "01/01/1999");
    in.Payment = 1000;
    Schedule s = RunLoan(in).schedule;
    EXPECT_TRUE(s.heading.exactDays);
    EXPECT_EQ(s.heading.fundingDate, MakeDate(1999, 1, 1));
    // 36,500 x 10 % / 365 = 10.00 a day: 31 days in January, then February's 28.
    EXPECT_EQ(Cents(s.rows[0].interest), 31000);
    double balance = 36500 - 690;
    EXPECT_EQ(Cents(s.rows[1].interest),
              Cents(std::floor(balance * 0.1 / 365 * 28 * 100 + 0.5) / 100));
}

TEST(Schedule, MonthlyDueDatesKeepTheThirtyFirst) {
    Schedule s = RunLoan(DerivedLoan(1000, 8, 6, 1, "01/31/1999")).schedule;
    EXPECT_EQ(DueDates(s, 6), (std::vector<Date>{MakeDate(1999, 1, 31), MakeDate(1999, 2, 28),
                                                 MakeDate(1999, 3, 31), MakeDate(1999, 4, 30),
                                                 MakeDate(1999, 5, 31), MakeDate(1999, 6, 30)}));
    Schedule leap = RunLoan(DerivedLoan(1000, 8, 3, 1, "01/31/2000")).schedule;
    EXPECT_EQ(DueDates(leap, 3), (std::vector<Date>{MakeDate(2000, 1, 31), MakeDate(2000, 2, 29),
                                                    MakeDate(2000, 3, 31)}));
}

TEST(Schedule, AnnualPaymentsFromFebruaryTwentyNinthMoveToMarchFirst) {
    Schedule s = RunLoan(DerivedLoan(1000, 8, 36, 4, "02/29/2000")).schedule;
    EXPECT_EQ(DueDates(s, 3), (std::vector<Date>{MakeDate(2000, 2, 29), MakeDate(2001, 3, 1),
                                                 MakeDate(2002, 3, 1)}));
}

TEST(Schedule, SemiMonthlyDatesFollowTheChosenPair) {
    AmortInputs late = DerivedLoan(1000, 8, 3, 6, "01/30/1999");
    testing::UseExactDays(late, "01/10/1999");
    Schedule s = RunLoan(late, SemiMonthlyChoice{4, 15, 30, 2}).schedule;
    EXPECT_EQ(DueDates(s, 6), (std::vector<Date>{MakeDate(1999, 1, 30), MakeDate(1999, 2, 15),
                                                 MakeDate(1999, 2, 28), MakeDate(1999, 3, 15),
                                                 MakeDate(1999, 3, 30), MakeDate(1999, 4, 15)}));

    AmortInputs early = DerivedLoan(1000, 8, 2, 6, "01/16/1999");
    testing::UseExactDays(early, "01/01/1999");
    Schedule e = RunLoan(early, SemiMonthlyChoice{1, 1, 16, 2}).schedule;
    EXPECT_EQ(DueDates(e, 4), (std::vector<Date>{MakeDate(1999, 1, 16), MakeDate(1999, 2, 1),
                                                 MakeDate(1999, 2, 16), MakeDate(1999, 3, 1)}));
}

TEST(Schedule, BiWeeklyPaymentsAreFourteenDaysApart) {
    AmortInputs in = DerivedLoan(5000, 8, 2, 5, "01/15/1999");
    testing::UseExactDays(in, "01/01/1999");
    Schedule s = RunLoan(in).schedule;
    EXPECT_EQ(DueDates(s, 4), (std::vector<Date>{MakeDate(1999, 1, 15), MakeDate(1999, 1, 29),
                                                 MakeDate(1999, 2, 12), MakeDate(1999, 2, 26)}));
}

TEST(Schedule, DecemberYearEndIsSubtotalledOnce) {
    Schedule s = RunLoan(DerivedLoan(12000, 8, 12, 1, "01/15/1999")).schedule;
    ASSERT_EQ(s.yearSubtotals.size(), 1u);
    EXPECT_EQ(s.yearSubtotals[0].year, 1999);
    EXPECT_EQ(s.yearSubtotals[0].afterRows, 12u);  // directly after the last payment
    EXPECT_EQ(Cents(s.yearSubtotals[0].interest), Cents(s.totals.interest));
}

TEST(Schedule, ALargerPaymentLiquidatesEarlyWithANote) {
    AmortInputs in = Loan(10000, 8, 60, 1, "01/15/1999");
    in.Payment = 1000;
    in.NumberPaymentRows = true;
    EngineRun run = RunLoan(in);
    const Schedule& s = run.schedule;
    ASSERT_EQ(s.rows.size(), 11u);
    EXPECT_EQ(s.scheduledCount, 60);
    EXPECT_EQ(s.rows.back().balance, 0);
    EXPECT_EQ(s.rows.back().number, 11);
    EXPECT_TRUE(s.numberedRows);
    EXPECT_TRUE(s.liquidatedEarly);
    EXPECT_EQ(s.remainingBalance, 0);
    EXPECT_DOUBLE_EQ(run.lastProgress, 100);
}

TEST(Schedule, AnExactZeroBalanceEndsWithoutFooter) {
    AmortInputs in = Loan(1000, 0, 12, 1, "01/15/1999");
    in.Payment = 100;
    Schedule s = RunLoan(in).schedule;
    EXPECT_EQ(s.rows.size(), 10u);
    EXPECT_EQ(s.remainingBalance, 0);
    EXPECT_FALSE(s.liquidatedEarly);
    EXPECT_EQ(Cents(s.totals.payments), 100000);
    EXPECT_EQ(Cents(s.totals.interest), 0);
}

TEST(Schedule, NegativeAmortizationGrowsTheBalance) {
    AmortInputs in = Loan(10000, 12, 12, 1, "01/15/1999");
    in.Payment = 50;  // the interest is 100 a month
    Schedule s = RunLoan(in).schedule;
    EXPECT_EQ(Cents(s.rows[0].principal), -5000);
    EXPECT_EQ(Cents(s.rows[0].balance), 1005000);
    EXPECT_GT(s.remainingBalance, 10000);

    in.BalanceDueAtEnd = true;
    Schedule due = RunLoan(in).schedule;
    EXPECT_EQ(due.rows.back().balance, 0);
    EXPECT_GT(due.rows.back().payment, 10000);
    EXPECT_EQ(due.remainingBalance, 0);
}

TEST(Schedule, InterestFreePaymentsAreAllPrincipal) {
    AmortInputs in = Loan(1200, 12, 12, 1, "01/15/1999");
    in.Payment = 100;
    in.InterestFreeCount = 3;
    Schedule s = RunLoan(in).schedule;
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(s.rows[k].interest, 0);
        EXPECT_EQ(Cents(s.rows[k].principal), 10000);
    }
    EXPECT_EQ(Cents(s.rows[3].interest), 900);
    EXPECT_EQ(DueDates(s, 4), (std::vector<Date>{MakeDate(1999, 1, 15), MakeDate(1999, 2, 15),
                                                 MakeDate(1999, 3, 15), MakeDate(1999, 4, 15)}));
}

TEST(Schedule, EachCalendarYearGetsItsInterestLine) {
    Schedule s = RunLoan(DerivedLoan(1000, 8, 3, 1, "11/15/1999")).schedule;
    EXPECT_EQ(SubtotalYears(s), (std::vector<int>{1999, 2000}));
    EXPECT_EQ(s.yearSubtotals[0].afterRows, 2u);  // after the December payment
    EXPECT_EQ(s.yearSubtotals[1].afterRows, 3u);
    EXPECT_EQ(Cents(s.yearSubtotals[0].interest + s.yearSubtotals[1].interest),
              Cents(s.totals.interest));
}

TEST(Schedule, TheTitleBlockStatesTheLoanAsTyped) {
    AmortInputs in = DerivedLoan(100000, 8.5, 12, 1, "01/15/1999");
    in.BorrowerName = "Ann O'Hara";
    in.RateText = "8.5";
    Schedule s = RunLoan(in).schedule;
    EXPECT_EQ(s.heading.borrowerName, "Ann O'Hara");
    EXPECT_EQ(s.heading.rateText, "8.5");
    EXPECT_EQ(s.heading.frequencyName, "Monthly");
    EXPECT_EQ(s.heading.statedAmount, 100000);
    EXPECT_FALSE(s.heading.exactDays);
    EXPECT_FALSE(s.heading.fundingDate);
}

TEST(Schedule, RowsKeepTheirFullDates) {
    AmortInputs in = Loan(10000, 8, 60, 1, "12/15/2049");
    in.Payment = 1000;
    Schedule s = RunLoan(in).schedule;
    ASSERT_EQ(s.rows.size(), 11u);
    EXPECT_EQ(s.rows[1].dueDate, MakeDate(2050, 1, 15));  // the century the report can't show
    EXPECT_EQ(s.rows.back().number, 11);
    EXPECT_DOUBLE_EQ(s.rows.back().balance, 0);
    EXPECT_DOUBLE_EQ(s.rows[0].interest, 66.67);
}

TEST(Schedule, TooShortATermIsReportedNotComputed) {
    TempFolder folder;
    AmortInputs in = Loan(1000, 8, 1, 2, "01/15/1999");  // one month, quarterly
    in.Payment = 100;
    SemiMonthlyChoice semiMonthly{};
    auto error = WriteSchedule(in, semiMonthly, folder / "~amort.tmp", nullptr);
    ASSERT_TRUE(error);
    EXPECT_FALSE(std::filesystem::exists(folder / "~amort.tmp"));
}

// Whichever amount overflows first (a payment row, a yearly subtotal, the totals), the run
// stops with the overflow error before keeping it, and no work file is left behind.
TEST(Schedule, AnOverflowingAmountIsAnErrorBeforeItIsWritten) {
    AmortInputs hugeOddDays = DerivedLoan(5807, 8.222, 3, 1, "02/05/2027");
    hugeOddDays.OddDays = 1e308;
    AmortInputs hugeRate = Loan(1e306, 1e10, 12, 1, "04/10/1998");
    hugeRate.Payment = 5;
    AmortInputs hugeTotals = DerivedLoan(1e308, 8.5, 360, 1, "04/10/1998");
    AmortInputs hugeNegative = Loan(1e306, 0, 24, 1, "04/10/1998");
    hugeNegative.Payment = -1.7e307;
    hugeNegative.BalanceDueAtEnd = true;
    for (AmortInputs in : {hugeOddDays, hugeRate, hugeTotals, hugeNegative}) {
        TempFolder folder;
        SemiMonthlyChoice semiMonthly{};
        Schedule schedule;
        auto error = WriteSchedule(in, semiMonthly, folder / "~amort.tmp", nullptr, &schedule);
        ASSERT_TRUE(error) << in.LoanAmount;
        EXPECT_EQ(error->number, error_number::kOverflow);
        EXPECT_FALSE(std::filesystem::exists(folder / "~amort.tmp"));
        for (const PaymentRow& row : schedule.rows) {
            EXPECT_TRUE(std::isfinite(row.payment) && std::isfinite(row.interest) &&
                        std::isfinite(row.principal) && std::isfinite(row.balance));
        }
        for (const YearSubtotal& subtotal : schedule.yearSubtotals) {
            EXPECT_TRUE(std::isfinite(subtotal.interest));
        }
    }
}

}  // namespace
}  // namespace quorvia
