#include "core/schedule/ScheduleEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "support/ScheduleTestSupport.h"

namespace quorvia {
namespace {

using testing::DerivedLoan;
using testing::Loan;
using testing::ReadWorkFile;

struct Schedule {
    std::vector<WorkRecord> records;
    std::vector<WorkRecord> payments;  // the payment rows only
    std::vector<std::string> yearLabels;
    std::vector<std::string> notes;
    WorkRecord totals;
    ScheduleRun run;
    int progressCalls = 0;
    double lastProgress = 0;
};

Schedule RunLoan(AmortInputs in, SemiMonthlyChoice semiMonthly = {}) {
    TempFolder folder;
    Schedule s;
    auto error = WriteSchedule(
        in, semiMonthly, folder / "~amort.tmp",
        [&](double percent) {
            ++s.progressCalls;
            s.lastProgress = percent;
        },
        &s.run);
    EXPECT_FALSE(error) << (error ? error->description : "");
    s.records = ReadWorkFile(folder / "~amort.tmp");
    for (std::size_t i = 5; i < s.records.size(); ++i) {
        const std::string& tag = s.records[i][0];
        if (tag == "yrtot") {
            s.yearLabels.push_back(s.records[++i][0]);
        } else if (tag == "totls") {
            s.totals = s.records[++i];
        } else if (tag == "footr") {
            s.notes.push_back(s.records[++i][0]);
        } else {
            s.payments.push_back(s.records[i]);
        }
    }
    return s;
}

std::vector<std::string> DueDates(const Schedule& s, std::size_t count) {
    std::vector<std::string> dates;
    for (std::size_t i = 0; i < count && i < s.payments.size(); ++i) {
        dates.push_back(s.payments[i][0]);
    }
    return dates;
}

double Amount(const std::string& text) {
    std::string plain;
    for (char c : text) {
        if (c != ',') {
            plain += c;
        }
    }
    return NumericValue(plain);
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
    Schedule s = RunLoan(DerivedLoan(100000, 8.5, 360, 1, "01/15/1999"));
    ASSERT_EQ(s.payments.size(), 360u);

    const double r = 0.085 / 12;
    const double payment = std::floor(100000 * r / (1 - std::pow(1 + r, -360)) * 100 + 0.5) / 100;
    double balance = 100000;
    double totalInterest = 0;
    for (int k = 0; k < 360; ++k) {
        double interest = std::floor(balance * r * 100 + 0.5) / 100;
        balance -= payment - interest;
        totalInterest += interest;
        ASSERT_NEAR(Amount(s.payments[k][4]), balance, 0.005) << "payment " << k + 1;
        ASSERT_NEAR(Amount(s.payments[k][2]), interest, 0.005) << "payment " << k + 1;
    }
    EXPECT_NEAR(Amount(s.totals[2]), totalInterest, 0.005);
    EXPECT_EQ(s.payments[0][1], "768.91");
    EXPECT_EQ(s.yearLabels.size(), 30u);
    EXPECT_EQ(s.yearLabels.front(), "Interest for 1999");
    EXPECT_EQ(s.progressCalls, 360);
    EXPECT_DOUBLE_EQ(s.lastProgress, 100);
    // The last payment leaves a few cents: the note says so.
    ASSERT_EQ(s.notes.size(), 1u);
    EXPECT_EQ(s.notes[0].rfind("Note: Principal balance remaining at end of term = $", 0), 0u);
}

TEST(Schedule, BalanceDueOptionMakesTheLastPaymentAbsorbTheRest) {
    AmortInputs in = DerivedLoan(100000, 8.5, 360, 1, "01/15/1999");
    in.BalanceDueAtEnd = true;
    Schedule s = RunLoan(in);
    EXPECT_EQ(s.payments.back()[4], "0.00");
    EXPECT_TRUE(s.notes.empty());
    EXPECT_NE(s.payments.back()[1], "768.91");
}

TEST(Schedule, OddDaysRaiseOnlyTheFirstPayment) {
    AmortInputs in = DerivedLoan(100000, 8.5, 360, 1, "01/15/1999");
    in.OddDays = 17;
    Schedule s = RunLoan(in);
    // 100,000 x 8.5 % / 365 x 17 = 395.8904..., truncated to cents.
    EXPECT_EQ(s.records[3][0],
              "Odd days to first scheduled payment = 17  (1st payment adjusted accordingly)");
    EXPECT_EQ(s.payments[0][2], "1,104.22");  // 708.33 + 395.89
    EXPECT_EQ(s.payments[0][1], "1,164.80");  // 768.91 + 395.89
    EXPECT_EQ(s.payments[1][1], "768.91");
}

TEST(Schedule, ExactDaysChargeTheCalendarDaysOfEachPeriod) {
    AmortInputs in = Loan(36500, 10, 3, 1, "02/01/1999");
    testing::UseExactDays(in, "01/01/1999");
    in.Payment = 1000;
    Schedule s = RunLoan(in);
    EXPECT_EQ(s.records[0][0], "Interest is computed using exact days between payment dates");
    EXPECT_EQ(s.records[3][0], "Loan proceeds disbursed on January 1, 1999");
    // 36,500 x 10 % / 365 = 10.00 a day: 31 days in January, then February's 28.
    EXPECT_EQ(s.payments[0][2], "310.00");
    double balance = 36500 - 690;
    EXPECT_EQ(s.payments[1][2],
              FormatNumber(std::floor(balance * 0.1 / 365 * 28 * 100 + 0.5) / 100, "#,###,##0.00"));
}

TEST(Schedule, MonthlyDueDatesKeepTheThirtyFirst) {
    Schedule s = RunLoan(DerivedLoan(1000, 8, 6, 1, "01/31/1999"));
    EXPECT_EQ(DueDates(s, 6), (std::vector<std::string>{"01/31/99", "02/28/99", "03/31/99",
                                                        "04/30/99", "05/31/99", "06/30/99"}));
    Schedule leap = RunLoan(DerivedLoan(1000, 8, 3, 1, "01/31/2000"));
    EXPECT_EQ(DueDates(leap, 3), (std::vector<std::string>{"01/31/00", "02/29/00", "03/31/00"}));
}

TEST(Schedule, AnnualPaymentsFromFebruaryTwentyNinthMoveToMarchFirst) {
    Schedule s = RunLoan(DerivedLoan(1000, 8, 36, 4, "02/29/2000"));
    EXPECT_EQ(DueDates(s, 3), (std::vector<std::string>{"02/29/00", "03/01/01", "03/01/02"}));
}

TEST(Schedule, SemiMonthlyDatesFollowTheChosenPair) {
    AmortInputs late = DerivedLoan(1000, 8, 3, 6, "01/30/1999");
    testing::UseExactDays(late, "01/10/1999");
    Schedule s = RunLoan(late, SemiMonthlyChoice{4, 15, 30, 2});
    EXPECT_EQ(DueDates(s, 6), (std::vector<std::string>{"01/30/99", "02/15/99", "02/28/99",
                                                        "03/15/99", "03/30/99", "04/15/99"}));

    AmortInputs early = DerivedLoan(1000, 8, 2, 6, "01/16/1999");
    testing::UseExactDays(early, "01/01/1999");
    Schedule e = RunLoan(early, SemiMonthlyChoice{1, 1, 16, 2});
    EXPECT_EQ(DueDates(e, 4),
              (std::vector<std::string>{"01/16/99", "02/01/99", "02/16/99", "03/01/99"}));
}

TEST(Schedule, BiWeeklyPaymentsAreFourteenDaysApart) {
    AmortInputs in = DerivedLoan(5000, 8, 2, 5, "01/15/1999");
    testing::UseExactDays(in, "01/01/1999");
    Schedule s = RunLoan(in);
    EXPECT_EQ(DueDates(s, 4),
              (std::vector<std::string>{"01/15/99", "01/29/99", "02/12/99", "02/26/99"}));
}

TEST(Schedule, DecemberYearEndIsSubtotalledOnce) {
    Schedule s = RunLoan(DerivedLoan(12000, 8, 12, 1, "01/15/1999"));
    ASSERT_EQ(s.yearLabels.size(), 1u);
    EXPECT_EQ(s.yearLabels[0], "Interest for 1999");
    // The pair follows the last payment directly, then the totals.
    ASSERT_GE(s.records.size(), 20u);
    EXPECT_EQ(s.records[5 + 12][0], "yrtot");
    EXPECT_EQ(s.records[5 + 14][0], "totls");
}

TEST(Schedule, ALargerPaymentLiquidatesEarlyWithANote) {
    AmortInputs in = Loan(10000, 8, 60, 1, "01/15/1999");
    in.Payment = 1000;
    in.NumberPaymentRows = true;
    Schedule s = RunLoan(in);
    ASSERT_EQ(s.payments.size(), 11u);
    EXPECT_EQ(s.payments.back()[4], "0.00");
    EXPECT_EQ(s.payments.back()[0].substr(0, 6), "11.   ");
    EXPECT_EQ(s.notes, (std::vector<std::string>{
                           "Note: Payment schedule liquidated loan prior to specified term!"}));
    EXPECT_DOUBLE_EQ(s.lastProgress, 100);
}

TEST(Schedule, AnExactZeroBalanceEndsWithoutFooter) {
    AmortInputs in = Loan(1000, 0, 12, 1, "01/15/1999");
    in.Payment = 100;
    Schedule s = RunLoan(in);
    EXPECT_EQ(s.payments.size(), 10u);
    EXPECT_TRUE(s.notes.empty());
    EXPECT_EQ(s.totals[1], "1,000.00");
    EXPECT_EQ(s.totals[2], ".00");
}

TEST(Schedule, NegativeAmortizationGrowsTheBalance) {
    AmortInputs in = Loan(10000, 12, 12, 1, "01/15/1999");
    in.Payment = 50;  // the interest is 100 a month
    Schedule s = RunLoan(in);
    EXPECT_EQ(s.payments[0][3], "-50.00");
    EXPECT_EQ(s.payments[0][4], "10,050.00");
    ASSERT_EQ(s.notes.size(), 1u);

    in.BalanceDueAtEnd = true;
    Schedule due = RunLoan(in);
    EXPECT_EQ(due.payments.back()[4], "0.00");
    EXPECT_GT(Amount(due.payments.back()[1]), 10000);
    EXPECT_TRUE(due.notes.empty());
}

TEST(Schedule, InterestFreePaymentsAreAllPrincipal) {
    AmortInputs in = Loan(1200, 12, 12, 1, "01/15/1999");
    in.Payment = 100;
    in.InterestFreeCount = 3;
    Schedule s = RunLoan(in);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(s.payments[k][2], "0.00");
        EXPECT_EQ(s.payments[k][3], "100.00");
    }
    EXPECT_EQ(s.payments[3][2], "9.00");
    EXPECT_EQ(DueDates(s, 4),
              (std::vector<std::string>{"01/15/99", "02/15/99", "03/15/99", "04/15/99"}));
}

TEST(Schedule, EachCalendarYearGetsItsInterestLine) {
    Schedule s = RunLoan(DerivedLoan(1000, 8, 3, 1, "11/15/1999"));
    EXPECT_EQ(s.yearLabels, (std::vector<std::string>{"Interest for 1999", "Interest for 2000"}));
    EXPECT_EQ(s.records[5 + 2][0], "yrtot");  // after the December payment
}

TEST(Schedule, RecordsHaveTheirFixedLayout) {
    TempFolder folder;
    AmortInputs in = DerivedLoan(100000, 8.5, 12, 1, "01/15/1999");
    in.BorrowerName = "Ann \"Nan\" O'Hara";
    in.RateText = "8.5";
    in.NumberPaymentRows = true;
    SemiMonthlyChoice semiMonthly{};
    ASSERT_FALSE(WriteSchedule(in, semiMonthly, folder / "~amort.tmp", nullptr));
    std::ifstream file(folder / "~amort.tmp", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 21u);  // no note: the last payment leaves nothing
    EXPECT_EQ(lines[0],
              "\"Interest is computed using equal 30 day months\",\" \",\" \",\" \",\" \"\r");
    EXPECT_EQ(lines[1], "\"ANN \"\"NAN\"\" O'HARA\",\" \",\" \",\" \",\" \"\r");
    EXPECT_EQ(lines[2],
              "\"Amortization of a $100,000.00 Loan at 8.5% with 12 Monthly Payments\",\" \",\" "
              "\",\" \",\" \"\r");
    EXPECT_EQ(lines[3], "\" \",\" \",\" \",\" \",\" \"\r");
    EXPECT_EQ(lines[4], "\" \",\" \",\" \",\" \",\"100,000.00\"\r");
    EXPECT_EQ(lines[5].substr(0, 26), "\"1.   01/15/99\",\"8,721.98\"");
    EXPECT_EQ(lines[17], "\"yrtot\",\" \",\" \",\" \",\" \"\r");
    EXPECT_EQ(lines[18].substr(0, 35), "\"Interest for 1999\",\"4,663.74*\",\" \"");
    EXPECT_EQ(lines[19], "\"totls\",\"totls\",\"totls\",\"totls\",\"totls\"\r");
    EXPECT_EQ(lines[20].substr(0, 9), "\"TOTALS\",");
    EXPECT_EQ(lines[20].substr(lines[20].size() - 5), ",\" \"\r");

    std::optional<WorkRecord> name = DecodeWorkRecord(lines[1].substr(0, lines[1].size() - 1));
    ASSERT_TRUE(name);
    EXPECT_EQ((*name)[0], "ANN \"NAN\" O'HARA");
}

TEST(Schedule, KeepsThePaymentsUnformattedWhenAsked) {
    TempFolder folder;
    AmortInputs in = Loan(10000, 8, 60, 1, "12/15/2049");
    in.Payment = 1000;
    SemiMonthlyChoice semiMonthly{};
    ScheduleRun run;
    run.keepRows = true;
    ASSERT_FALSE(WriteSchedule(in, semiMonthly, folder / "~amort.tmp", nullptr, &run));
    ASSERT_EQ(run.rows.size(), 11u);
    EXPECT_EQ(run.rows[1].dueDate, MakeDate(2050, 1, 15));  // the century the report can't show
    EXPECT_EQ(run.rows.back().number, 11);
    EXPECT_DOUBLE_EQ(run.rows.back().balance, 0);
    EXPECT_DOUBLE_EQ(run.rows[0].interest, 66.67);
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
// stops with the overflow error before writing it, and no work file is left behind.
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
        ScheduleRun run;
        run.keepRows = true;
        auto error = WriteSchedule(in, semiMonthly, folder / "~amort.tmp", nullptr, &run);
        ASSERT_TRUE(error) << in.LoanAmount;
        EXPECT_EQ(error->number, error_number::kOverflow);
        EXPECT_FALSE(std::filesystem::exists(folder / "~amort.tmp"));
        for (const PaymentRow& row : run.rows) {
            EXPECT_TRUE(std::isfinite(row.payment) && std::isfinite(row.interest) &&
                        std::isfinite(row.principal) && std::isfinite(row.balance));
        }
    }
}

}  // namespace
}  // namespace quorvia
