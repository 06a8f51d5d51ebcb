// What holds for every schedule, checked over a few thousand loans with events drawn from a
// seeded generator: each row's interest is the interest on the balance before it, rounded to
// the cent; the balance falls by the principal; the payment is interest plus principal; the
// last balance is zero or the balance the notes state; the totals are the sums of the rows.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <set>
#include <sstream>
#include <string>

#include "core/schedule/ScheduleEngine.h"
#include "support/ScheduleTestSupport.h"

namespace quorvia {
namespace {

constexpr int kLoans = 3000;

int64_t Cents(double amount) {
    return std::llround(amount * 100);
}

struct GeneratedLoan {
    AmortInputs in;
    SemiMonthlyChoice semiMonthly{};
    ScheduleEvents events;
};

class LoanGenerator {
  public:
    explicit LoanGenerator(unsigned seed) : random_(seed) {}

    GeneratedLoan Next() {
        GeneratedLoan loan;
        const int frequency = Whole(1, 6);
        const bool semiMonthly = frequency == kSemiMonthly;
        const int day = semiMonthly ? (Chance(0.5) ? 1 : 16) : Whole(1, 28);
        const Date first = MakeDate(Whole(1998, 2030), Whole(1, 12), day);
        AmortInputs& in = loan.in;
        const double ratePercent = Chance(0.05) ? 0 : Whole(10000, 200000) / 10000.0;
        in = testing::Loan(Whole(100000, 50000000) / 100.0, ratePercent, Whole(12, 480), frequency,
                           FormatDate(first, "mm/dd/yyyy"));
        if (frequency == kBiWeekly || semiMonthly || Chance(0.4)) {
            testing::UseExactDays(in, FormatDate(AddDays(first, -Whole(10, 45)), "mm/dd/yyyy"));
        } else if (Chance(0.3)) {
            in.OddDays = Whole(1, 30);
        }
        in.FixedPrincipal = Chance(0.2);
        in.BalanceDueAtEnd = Chance(0.2);
        in.InterestFreeCount = static_cast<int16_t>(Chance(0.1) ? Whole(1, 3) : 0);
        DeriveMissingPaymentOrTerm(in);
        loan.semiMonthly = {1, 1, 16, static_cast<int16_t>(day == 16 ? 2 : 1)};
        loan.events = Events(ScheduledCount(in));
        return loan;
    }

  private:
    ScheduleEvents Events(int count) {
        ScheduleEvents events;
        if (count > 1 && Chance(0.2)) {
            events.push_back(InterestOnly(Whole(1, std::min(24, count - 1))));
        }
        if (Chance(0.4)) {
            int from = Whole(1, count);
            events.push_back(ExtraPrincipal(Whole(1000, 100000) / 100.0, from,
                                            Chance(0.5) ? 0 : Whole(from, count)));
        }
        for (int lumps = Whole(0, 3); lumps > 0; --lumps) {
            events.push_back(LumpSum(Whole(10000, 5000000) / 100.0, Whole(1, count)));
        }
        std::set<int> changedAt;
        for (int changes = count > 1 ? Whole(0, 3) : 0; changes > 0; --changes) {
            int at = Whole(2, count);
            if (changedAt.insert(at).second) {
                events.push_back(RateChange(Whole(0, 150000) / 1e6, at, Chance(0.3)));
            }
        }
        return events;
    }

    int Whole(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }

    std::mt19937 random_;
};

// The annual rate in force at each payment: the loan's, then each rate change's from its
// payment on.
double AnnualRateAt(const GeneratedLoan& loan, int number) {
    double rate = loan.in.AnnualRate;
    for (const ScheduleEvent& event : InPaymentOrder(loan.events)) {
        if (event.kind == EventKind::RateChange && event.from <= number) {
            rate = event.annualRate;
        }
    }
    return rate;
}

// The interest on the balance before the row, as a lender would work it out.
double InterestOn(const GeneratedLoan& loan, double balance, int number, Date from, Date to) {
    const AmortInputs& in = loan.in;
    if (number <= in.InterestFreeCount) {
        return in.OddDays != 0 && number == 1
                   ? CentsTruncate(balance * in.AnnualRate / 365 * in.OddDays)
                   : 0;
    }
    const double rate = AnnualRateAt(loan, number);
    if (in.ExactDays) {
        return CentsHalfUp(balance * rate / 365 * DaysBetween(from, to));
    }
    double interest = CentsHalfUp(balance * (rate / in.PaymentsPerYear));
    if (number == 1 && in.OddDays != 0) {
        interest += CentsTruncate(balance * in.AnnualRate / 365 * in.OddDays);
    }
    return interest;
}

std::string Describe(const GeneratedLoan& loan) {
    std::ostringstream text;
    const AmortInputs& in = loan.in;
    text << in.LoanAmount << " at " << in.AnnualRate << " over " << in.TermMonths << " months, "
         << in.FrequencyName << (in.ExactDays ? ", exact days" : "") << ", first "
         << in.FirstPaymentDateText << (in.ExactDays ? ", funded " + in.FundingDateText : "")
         << ", payment " << in.Payment << (in.FixedPrincipal ? ", fixed principal" : "")
         << (in.BalanceDueAtEnd ? ", balance due at end" : "") << ", odd days " << in.OddDays
         << ", interest-free " << in.InterestFreeCount;
    for (const ScheduleEvent& event : loan.events) {
        text << "; " << DescribeEvent(event);
    }
    return text.str();
}

void CheckRows(const GeneratedLoan& loan, const Schedule& s) {
    double balance = loan.in.LoanAmount;
    Date previous =
        *ParseDate(loan.in.ExactDays ? loan.in.FundingDateText : loan.in.FirstPaymentDateText);
    ScheduleTotals sums;
    for (const PaymentRow& row : s.rows) {
        ASSERT_EQ(Cents(row.interest),
                  Cents(InterestOn(loan, balance, row.number, previous, row.dueDate)))
            << "payment " << row.number;
        ASSERT_NEAR(row.balance, balance - row.principal, 0.006) << "payment " << row.number;
        ASSERT_NEAR(row.payment, row.interest + row.principal, 0.006) << "payment " << row.number;
        ASSERT_TRUE(row.number == 1 || row.dueDate > previous) << "payment " << row.number;
        balance = row.balance;
        previous = row.dueDate;
        sums.payments += row.payment;
        sums.interest += row.interest;
        sums.principal += row.principal;
    }
    EXPECT_DOUBLE_EQ(s.totals.payments, sums.payments);
    EXPECT_DOUBLE_EQ(s.totals.interest, sums.interest);
    EXPECT_DOUBLE_EQ(s.totals.principal, sums.principal);
    double yearInterest = 0;
    for (const YearSubtotal& year : s.yearSubtotals) {
        yearInterest += year.interest;
    }
    EXPECT_NEAR(yearInterest, sums.interest, 0.005 * s.rows.size());
}

void CheckTheEnd(const GeneratedLoan& loan, const Schedule& s) {
    const PaymentRow& last = s.rows.back();
    EXPECT_EQ(last.balance, s.remainingBalance);
    EXPECT_GE(last.balance, 0);
    if (loan.in.BalanceDueAtEnd || s.liquidatedEarly) {
        EXPECT_EQ(last.balance, 0);
    }
    if (static_cast<int>(s.rows.size()) < s.scheduledCount) {
        EXPECT_EQ(last.balance, 0);  // paid off early
    }
    if (static_cast<int>(s.rows.size()) > s.scheduledCount) {
        EXPECT_EQ(last.balance, 0);  // a kept payment ran on until the loan was repaid
    }
}

TEST(ScheduleInvariants, HoldForGeneratedLoansWithEvents) {
    LoanGenerator generator(20240522);
    int withEvents = 0;
    for (int n = 0; n < kLoans; ++n) {
        GeneratedLoan loan = generator.Next();
        ASSERT_FALSE(FindEventProblem(loan.events, ScheduledCount(loan.in))) << Describe(loan);
        withEvents += loan.events.empty() ? 0 : 1;
        AmortInputs in = loan.in;
        SemiMonthlyChoice semiMonthly = loan.semiMonthly;
        Schedule s;
        std::optional<RunError> error = ComputeSchedule(in, semiMonthly, nullptr, s, loan.events);
        ASSERT_FALSE(error) << error->description << ": " << Describe(loan);
        SCOPED_TRACE(Describe(loan));
        ASSERT_FALSE(s.rows.empty());
        CheckRows(loan, s);
        CheckTheEnd(loan, s);
        if (HasFatalFailure() || HasNonfatalFailure()) {
            return;  // one loan's failures say enough
        }
    }
    EXPECT_GT(withEvents, kLoans * 3 / 4);
}

}  // namespace
}  // namespace quorvia
