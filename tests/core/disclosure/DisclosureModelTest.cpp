#include "core/disclosure/DisclosureModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ScheduleTestSupport.h"

namespace quorvia {
namespace {

using testing::DerivedLoan;
using testing::UseExactDays;

// The schedule the engine computes for the loan, which it leaves as the form built it.
Schedule ScheduleOf(AmortInputs loan) {
    SemiMonthlyChoice semiMonthly{0, 1, 16, 1};
    Schedule schedule;
    auto error = ComputeSchedule(loan, semiMonthly, nullptr, schedule);
    EXPECT_FALSE(error) << (error ? error->description : "");
    return schedule;
}

DisclosureModel Disclosed(const AmortInputs& loan, double prepaid = 0) {
    DisclosureModel disclosure(loan, ScheduleOf(loan));
    disclosure.prepaidCharges = {{"Points", prepaid}};
    auto refusal = disclosure.Compute();
    EXPECT_FALSE(refusal) << *refusal;
    return disclosure;
}

std::vector<ScheduledPayment> PaymentsOf(const Schedule& schedule, double change) {
    std::vector<ScheduledPayment> payments;
    for (const PaymentRow& row : schedule.rows) {
        payments.push_back({row.dueDate, row.payment + change});
    }
    return payments;
}

TEST(DisclosureModel, TheFourFiguresAndThePaymentSchedule) {
    AmortInputs loan = DerivedLoan(100000, 8.5, 360, 1, "04/10/1998");
    DisclosureModel disclosure = Disclosed(loan, 2000);
    const DisclosureFigures& figures = disclosure.Figures();
    EXPECT_EQ(figures.amountFinanced, 98000);
    EXPECT_EQ(figures.totalOfPayments, 276813.51);
    EXPECT_EQ(figures.financeCharge, 178813.51);
    EXPECT_NEAR(figures.annualPercentageRate, 8.72066, 5e-6);
    EXPECT_EQ(disclosure.NoteRate(), 8.5);
    EXPECT_EQ(disclosure.PaymentSchedule(),
              (std::vector<std::string>{"359 payments of $768.91 monthly beginning 04/10/1998",
                                        "1 payment of $774.82 on 03/10/2028"}));
}

// With nothing prepaid and a first period of exactly one payment period, the rate the loan
// charges is its annual percentage rate, up to what rounding the payment to the cent moves.
TEST(DisclosureModel, WithoutChargesOrOddDaysTheAprIsTheNoteRate) {
    struct Loan {
        double amount;
        double rate;
        int months;
        int frequency;
        const char* first;
    } loans[] = {{100000, 8.5, 360, 1, "04/10/1998"},  {2500, 17.9, 36, 1, "01/31/2031"},
                 {750000, 3.25, 180, 1, "03/30/2029"}, {40000, 6, 60, 2, "06/15/2027"},
                 {12000, 11.75, 120, 3, "02/28/2030"}, {9000, 4.5, 96, 4, "07/01/2026"}};
    for (const Loan& l : loans) {
        AmortInputs loan = DerivedLoan(l.amount, l.rate, l.months, l.frequency, l.first);
        loan.BalanceDueAtEnd = true;
        Schedule schedule = ScheduleOf(loan);
        DisclosureModel disclosure(loan, schedule);
        ASSERT_FALSE(disclosure.Compute()) << l.first;
        auto percentWith = [&](double change) {
            Date advanced = AddMonths(schedule.rows[0].dueDate, -12 / loan.PaymentsPerYear);
            return *AnnualPercentageRate({{{advanced, l.amount}}, PaymentsOf(schedule, change)},
                                         AprMethod::Actuarial)
                        .percent;
        };
        double rounding = percentWith(0.005) - percentWith(0);
        EXPECT_NEAR(disclosure.Figures().annualPercentageRate, l.rate, rounding)
            << l.amount << " at " << l.rate << " from " << l.first;
    }
}

TEST(DisclosureModel, PrepaidChargesAlwaysRaiseTheApr) {
    std::vector<AmortInputs> loans = {DerivedLoan(100000, 8.5, 360, 1, "04/10/1998"),
                                      DerivedLoan(5000, 0, 24, 1, "02/10/2030"),
                                      DerivedLoan(20000, 7, 60, kBiWeekly, "05/05/2030")};
    UseExactDays(loans[2], "04/21/2030");
    for (const AmortInputs& loan : loans) {
        double previous = -1;
        for (double prepaid : {0.0, 0.01, 50.0, 1000.0, 4999.0}) {
            double apr = Disclosed(loan, prepaid).Figures().annualPercentageRate;
            EXPECT_GT(apr, previous) << loan.LoanAmount << " with " << prepaid << " prepaid";
            previous = apr;
        }
    }
}

// The money counts as advanced on the funding date with exact days, and one period and the
// odd days before the first payment with 30-day months.
TEST(DisclosureModel, TheAdvanceDateFollowsTheInterestMethod) {
    auto fullPayout = [](AmortInputs loan) {
        loan.BalanceDueAtEnd = true;  // so that the payments are the schedule's as they stand
        return loan;
    };
    auto aprAdvancedOn = [](const AmortInputs& loan, const std::string& date) {
        Schedule schedule = ScheduleOf(loan);
        return *AnnualPercentageRate(
                    {{{*ParseDate(date), loan.LoanAmount}}, PaymentsOf(schedule, 0)},
                    AprMethod::Actuarial)
                    .percent;
    };
    AmortInputs odd = fullPayout(DerivedLoan(10000, 12, 12, 1, "04/10/1998"));
    odd.OddDays = 17;
    EXPECT_EQ(Disclosed(odd).Figures().annualPercentageRate, aprAdvancedOn(odd, "02/21/1998"));

    AmortInputs back = fullPayout(DerivedLoan(10000, 12, 12, 1, "04/10/1998"));
    back.OddDays = -5;
    EXPECT_EQ(Disclosed(back).Figures().annualPercentageRate, aprAdvancedOn(back, "03/15/1998"));

    AmortInputs monthEnd = fullPayout(DerivedLoan(10000, 12, 12, 2, "02/28/2030"));
    monthEnd.DueDay = 31;
    EXPECT_EQ(Disclosed(monthEnd).Figures().annualPercentageRate,
              aprAdvancedOn(monthEnd, "11/30/2029"));

    AmortInputs exact = fullPayout(DerivedLoan(10000, 12, 12, kSemiMonthly, "04/01/1998"));
    UseExactDays(exact, "03/10/1998");
    EXPECT_EQ(Disclosed(exact).Figures().annualPercentageRate, aprAdvancedOn(exact, "03/10/1998"));
}

// A balance left at the end of the term is still owed: it is due with the last payment.
TEST(DisclosureModel, ABalanceLeftAtTheEndIsDueWithTheLastPayment) {
    AmortInputs loan = testing::Loan(10000, 12, 12, 1, "04/10/1998");
    loan.Payment = 500;
    Schedule schedule = ScheduleOf(loan);
    ASSERT_GT(schedule.remainingBalance, 4000);
    DisclosureModel disclosure = Disclosed(loan);
    EXPECT_EQ(disclosure.Figures().totalOfPayments,
              CentsHalfUp(schedule.totals.payments + schedule.remainingBalance));
    EXPECT_NEAR(disclosure.Figures().annualPercentageRate, 12, 0.01);
    EXPECT_EQ(disclosure.PaymentSchedule(),
              (std::vector<std::string>{"11 payments of $500.00 monthly beginning 04/10/1998",
                                        "1 payment of $5,427.01 on 03/10/1999"}));
}

TEST(DisclosureModel, OddDaysMakeTheFirstPaymentAGroupOfItsOwn) {
    AmortInputs loan = DerivedLoan(10000, 12, 12, 1, "04/10/1998");
    loan.OddDays = 17;
    EXPECT_EQ(Disclosed(loan).PaymentSchedule(),
              (std::vector<std::string>{"1 payment of $944.38 on 04/10/1998",
                                        "10 payments of $888.49 monthly beginning 05/10/1998",
                                        "1 payment of $888.47 on 03/10/1999"}));
}

TEST(DisclosureModel, RefusesPrepaidChargesThatCannotStand) {
    AmortInputs loan = DerivedLoan(10000, 12, 12, 1, "04/10/1998");
    DisclosureModel disclosure(loan, ScheduleOf(loan));
    disclosure.prepaidCharges = {{"Points", 6000}, {"Origination fee", 4000}};
    EXPECT_EQ(disclosure.Compute(),
              "The prepaid finance charges ($10,000.00) must be less than the loan amount "
              "($10,000.00).");
    disclosure.prepaidCharges = {{"Points", 100}, {"Origination fee", -0.01}};
    EXPECT_EQ(disclosure.PrepaidChargesError(),
              "The prepaid finance charge \"Origination fee\" must be an amount of zero or more.");
    disclosure.prepaidCharges = {{"Points", 100}, {"Origination fee", 250.5}};
    EXPECT_EQ(disclosure.PrepaidTotal(), 350.5);
    EXPECT_FALSE(disclosure.Compute());
    EXPECT_EQ(disclosure.Figures().amountFinanced, 9649.5);
}

}  // namespace
}  // namespace quorvia
