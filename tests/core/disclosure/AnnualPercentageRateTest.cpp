#include "core/disclosure/AnnualPercentageRate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/disclosure/RegularPayments.h"
#include "core/disclosure/UnitPeriod.h"

namespace quorvia {
namespace {

using Payments = std::vector<ScheduledPayment>;

Date D(int month, int day, int year) {
    return MakeDate(year, month, day);
}

Payments Regular(int count, double amount, Date first, PaymentInterval interval) {
    Payments payments;
    for (Date date : RegularDueDates(first, count, interval)) {
        payments.push_back({date, amount});
    }
    return payments;
}

Payments EveryDays(int count, double amount, Date first, int days) {
    Payments payments;
    for (int i = 0; i < count; ++i) {
        payments.push_back({AddDays(first, i * days), amount});
    }
    return payments;
}

Payments EveryMonths(int count, double amount, Date first, int months) {
    Payments payments;
    for (int i = 0; i < count; ++i) {
        payments.push_back({AddMonths(first, i * months), amount});
    }
    return payments;
}

Payments Join(std::vector<Payments> parts) {
    Payments payments;
    for (const Payments& part : parts) {
        payments.insert(payments.end(), part.begin(), part.end());
    }
    return payments;
}

Payments One(double amount, Date date) {
    return {{date, amount}};
}

AprResult Apr(double amount, Date advanced, Payments payments,
              AprMethod method = AprMethod::Actuarial) {
    return AnnualPercentageRate({{{advanced, amount}}, std::move(payments)}, method);
}

double Rounded(double percent) {
    return std::round(percent * 100) / 100;
}

struct PublishedExample {
    std::string name;
    double amount;
    Date advanced;
    Payments payments;
    double unitPeriodsPerYear;
    double publishedApr;
    // A payment period is longer than one unit period.
    bool longPeriod = false;
};

// The worked examples of the federal rules for the annual percentage rate, each with the rate
// they print. Where the rules give the periods rather than the dates, the dates here make
// those periods (the 4-week, skipped-payment and single-payment loans).
std::vector<PublishedExample> PublishedExamples() {
    using enum PaymentInterval;
    const Date jan10 = D(1, 10, 1978);
    return {
        {"monthly, regular first period", 5000, jan10, Regular(24, 230, D(2, 10, 1978), Monthly),
         12, 9.69},
        {"monthly, long first period", 6000, D(2, 10, 1978),
         Regular(36, 200, D(4, 1, 1978), Monthly), 12, 11.82, true},
        {"semi-monthly, short first period", 5000, D(2, 23, 1978),
         Regular(24, 219.17, D(3, 1, 1978), SemiMonthly), 24, 10.34},
        {"quarterly, long first period", 10000, D(5, 23, 1978),
         Regular(40, 385, D(10, 1, 1978), Quarterly), 4, 8.97, true},
        {"weekly, long first period", 500, D(3, 20, 1978),
         Regular(30, 17.60, D(4, 21, 1978), Weekly), 52, 14.96, true},
        {"monthly, odd first payment", 5000, jan10,
         Join({One(250, D(2, 10, 1978)), Regular(23, 230, D(3, 10, 1978), Monthly)}), 12, 10.08},
        {"every 4 weeks, long first period, odd first payment", 400, D(4, 3, 1978),
         Join({One(39.50, D(5, 6, 1978)), EveryDays(11, 38.31, D(6, 3, 1978), 28)}), 13, 28.50,
         true},
        {"monthly, odd last payment", 5000, jan10,
         Join({Regular(23, 230, D(2, 10, 1978), Monthly), One(280, D(1, 10, 1980))}), 12, 10.50},
        {"bi-weekly, short first period, odd last payment", 200, D(4, 3, 1978),
         Join({Regular(19, 9.50, D(4, 11, 1978), BiWeekly), One(30, D(1, 2, 1979))}), 26, 12.22},
        {"monthly, odd first and last payments", 5000, jan10,
         Join({One(250, D(2, 10, 1978)), Regular(22, 230, D(3, 10, 1978), Monthly),
               One(280, D(1, 10, 1980))}),
         12, 10.90},
        {"every 2 months, short first period, odd first and last payments", 8000, jan10,
         Join({One(449.36, D(3, 1, 1978)), EveryMonths(18, 465, D(5, 1, 1978), 2),
               One(200, D(5, 1, 1981))}),
         6, 7.30},
        {"single payment after 255 days", 1000, D(1, 3, 1978), One(1080, D(9, 15, 1978)),
         365.0 / 255, 11.45},
        {"single payment after 6 months", 1000, D(1, 3, 1978), One(1044, D(7, 3, 1978)), 2, 8.80},
        {"single payment after 18 months", 1000, D(1, 3, 1978), One(1135.19, D(7, 3, 1979)), 1,
         8.76, true},
        {"single payment after 2 years", 1000, D(1, 3, 1978), One(1240, D(1, 3, 1980)), 1, 11.36,
         true},
        {"every 4 weeks with skipped payments", 2135, D(1, 2, 1978),
         Join({EveryDays(9, 100, AddDays(D(1, 2, 1978), 26), 28),
               EveryDays(6, 100, AddDays(D(1, 2, 1978), 10 * 28 + 12), 28),
               EveryDays(6, 100, AddDays(D(1, 2, 1978), 16 * 28 + 26), 28),
               EveryDays(3, 100, AddDays(D(1, 2, 1978), 23 * 28 + 12), 28)}),
         13, 12.00, true},
        {"monthly with skipped and single payments", 7350, D(1, 20, 1978),
         Join({Regular(3, 1000, D(8, 1, 1978), Monthly), One(2000, D(2, 1, 1979)),
               Regular(3, 750, D(8, 1, 1979), Monthly), One(1000, D(12, 18, 1979))}),
         12, 10.22, true},
    };
}

TEST(AnnualPercentageRate, ReproducesEveryPublishedExampleToTwoDecimals) {
    for (const PublishedExample& example : PublishedExamples()) {
        AprResult result = Apr(example.amount, example.advanced, example.payments);
        ASSERT_TRUE(result.percent) << example.name << ": " << result.refusal;
        EXPECT_NEAR(result.unitPeriodsPerYear, example.unitPeriodsPerYear, 1e-12) << example.name;
        EXPECT_EQ(Rounded(*result.percent), example.publishedApr)
            << example.name << ": " << *result.percent;
    }
}

TEST(RegularPayments, SemiMonthlyPairsAndMonthEnds) {
    using enum PaymentInterval;
    EXPECT_EQ(RegularDueDates(D(1, 30, 2030), 4, SemiMonthly),
              (std::vector<Date>{D(1, 30, 2030), D(2, 15, 2030), D(2, 28, 2030), D(3, 15, 2030)}));
    EXPECT_EQ(RegularDueDates(D(1, 20, 2030), 3, SemiMonthly),
              (std::vector<Date>{D(1, 20, 2030), D(2, 5, 2030), D(2, 20, 2030)}));
    EXPECT_EQ(RegularDueDates(D(1, 31, 2030), 3, Monthly),
              (std::vector<Date>{D(1, 31, 2030), D(2, 28, 2030), D(3, 31, 2030)}));
    EXPECT_EQ(RegularDueDates(D(1, 31, 2030), 3, BiWeekly),
              (std::vector<Date>{D(1, 31, 2030), D(2, 14, 2030), D(2, 28, 2030)}));
}

TEST(UnitPeriod, PeriodsBetweenDueDatesAreStandardIntervals) {
    using enum IntervalKind;
    // A series due on the 31st measures February 28 from January 31 and to March 31.
    EXPECT_EQ(DueDays(31).PeriodBetween(D(1, 31, 2030), D(2, 28, 2030)), (UnitPeriod{Months, 1}));
    EXPECT_EQ(DueDays(31).PeriodBetween(D(2, 28, 2030), D(3, 31, 2030)), (UnitPeriod{Months, 1}));
    EXPECT_EQ(DueDays(31).PeriodBetween(D(11, 30, 2029), D(2, 28, 2030)), (UnitPeriod{Months, 3}));
    // Semi-monthly pairs, the 30th standing on the end of February.
    EXPECT_EQ(DueDays(30).PeriodBetween(D(1, 30, 2030), D(2, 15, 2030)), (UnitPeriod{SemiMonth}));
    EXPECT_EQ(DueDays(30).PeriodBetween(D(2, 15, 2030), D(2, 28, 2030)), (UnitPeriod{SemiMonth}));
    EXPECT_EQ(DueDays(30).PeriodBetween(D(2, 28, 2030), D(3, 15, 2030)), (UnitPeriod{SemiMonth}));
    EXPECT_EQ(DueDays(16).PeriodBetween(D(3, 16, 2030), D(4, 1, 2030)), (UnitPeriod{SemiMonth}));
    EXPECT_EQ(DueDays(10).PeriodBetween(D(1, 10, 2030), D(1, 24, 2030)), (UnitPeriod{Weeks, 2}));
    EXPECT_EQ(DueDays(10).PeriodBetween(D(1, 10, 2030), D(1, 20, 2030)), (UnitPeriod{Days, 10}));

    EXPECT_EQ(DueDays(30).Position(D(1, 20, 2030), D(2, 28, 2030), {SemiMonth}).whole, 2);
    EXPECT_NEAR(DueDays(30).Position(D(1, 20, 2030), D(2, 28, 2030), {SemiMonth}).fraction,
                10.0 / 15, 1e-15);
}

TEST(UnitPeriod, TheMostCommonPeriodElseTheNearestToTheAverage) {
    using enum IntervalKind;
    const DueDays dueDays(10);
    // Two monthly and two quarterly periods: the shorter wins.
    EXPECT_EQ(UnitPeriodOf(
                  {D(1, 10, 2030), D(2, 10, 2030), D(3, 10, 2030), D(6, 10, 2030), D(9, 10, 2030)},
                  dueDays),
              (UnitPeriod{Months, 1}));
    // 40 days, then a month of 28: no period comes twice, and 34 days on average are nearest
    // to five weeks.
    EXPECT_EQ(UnitPeriodOf({D(1, 1, 2030), D(2, 10, 2030), D(3, 10, 2030)}, dueDays),
              (UnitPeriod{Weeks, 5}));
    // Nor do two payments due the same day.
    EXPECT_EQ(UnitPeriodOf(
                  {D(1, 10, 2030), D(2, 10, 2030), D(2, 10, 2030), D(3, 10, 2030), D(3, 10, 2030)},
                  dueDays),
              (UnitPeriod{Months, 1}));
    // Periods longer than a year never make the unit period, however often they come.
    EXPECT_EQ(UnitPeriodOf({D(1, 10, 2030), D(1, 10, 2032), D(1, 10, 2034), D(1, 10, 2036),
                            D(2, 10, 2036), D(3, 10, 2036)},
                           dueDays),
              (UnitPeriod{Months, 1}));
}

// The United States Rule never adds finance charge to the balance. Where every payment
// period is one unit period at most and every payment covers the finance charge earned, that
// makes no difference and both methods give the same rate. A longer period earns simple
// interest under the rule and compound interest under the actuarial method, so the same
// payments mean a slightly higher rate under the rule.
TEST(AnnualPercentageRate, UnitedStatesRuleAgreesWhereNoPeriodIsLongerThanAUnitPeriod) {
    for (const PublishedExample& example : PublishedExamples()) {
        double actuarial = *Apr(example.amount, example.advanced, example.payments).percent;
        AprResult usRule =
            Apr(example.amount, example.advanced, example.payments, AprMethod::UnitedStatesRule);
        ASSERT_TRUE(usRule.percent) << example.name << ": " << usRule.refusal;
        if (example.longPeriod) {
            EXPECT_GT(*usRule.percent - actuarial, 1e-6) << example.name;
        } else {
            EXPECT_NEAR(*usRule.percent, actuarial, 1e-9) << example.name;
        }
    }
}

TEST(AnnualPercentageRate, UnitedStatesRuleDiffersWhenAPaymentDoesNotCoverTheCharge) {
    // 1,000 at about 12 % a year: the first three payments of 5 do not cover the 10 a month,
    // and the actuarial method charges finance charge on the unpaid finance charge.
    Payments payments = Join({Regular(3, 5, D(2, 1, 2030), PaymentInterval::Monthly),
                              Regular(12, 93, D(5, 1, 2030), PaymentInterval::Monthly)});
    double actuarial = *Apr(1000, D(1, 1, 2030), payments).percent;
    double usRule = *Apr(1000, D(1, 1, 2030), payments, AprMethod::UnitedStatesRule).percent;
    EXPECT_GT(usRule - actuarial, 0.005);
}

TEST(AnnualPercentageRate, AFasterOrLargerPaymentStreamMeansAHigherRate) {
    double base =
        *Apr(5000, D(1, 10, 1978), Regular(24, 230, D(2, 10, 1978), PaymentInterval::Monthly))
             .percent;
    double larger =
        *Apr(5000, D(1, 10, 1978), Regular(24, 231, D(2, 10, 1978), PaymentInterval::Monthly))
             .percent;
    double later =
        *Apr(5000, D(1, 10, 1978), Regular(24, 230, D(3, 10, 1978), PaymentInterval::Monthly))
             .percent;
    EXPECT_GT(larger, base);
    EXPECT_LT(later, base);
}

TEST(AnnualPercentageRate, PaymentsWorthLessThanTheAdvanceGiveANegativeRate) {
    AprResult result =
        Apr(1200, D(1, 1, 2030), Regular(12, 99, D(2, 1, 2030), PaymentInterval::Monthly));
    ASSERT_TRUE(result.percent) << result.refusal;
    EXPECT_LT(*result.percent, 0);
    EXPECT_NEAR(*Apr(1200, D(1, 1, 2030), Regular(12, 100, D(2, 1, 2030), PaymentInterval::Monthly))
                     .percent,
                0, 1e-9);
}

// A payment of nothing thirty years off changes nothing, even at rates where discounting it
// runs out of range.
TEST(AnnualPercentageRate, APaymentOfNothingAddsNothing) {
    Payments payments = Regular(360, 500, D(2, 1, 2030), PaymentInterval::Monthly);
    double rate = *Apr(60000, D(1, 1, 2030), payments).percent;
    payments.push_back({D(2, 1, 2060), 0});
    for (AprMethod method : {AprMethod::Actuarial, AprMethod::UnitedStatesRule}) {
        AprResult result = Apr(60000, D(1, 1, 2030), payments, method);
        ASSERT_TRUE(result.percent) << result.refusal;
        EXPECT_NEAR(*result.percent, rate, 1e-9);
    }
}

TEST(AnnualPercentageRate, RefusesWhatItCannotMeasure) {
    const Payments payments = Regular(12, 100, D(2, 1, 2030), PaymentInterval::Monthly);
    struct Case {
        CreditTransaction transaction;
        std::string refusal;
    } cases[] = {
        {{{{D(1, 1, 2030), 500}, {D(1, 15, 2030), 500}}, payments},
         "The annual percentage rate is computed for a loan advanced in one amount; this loan "
         "is advanced in 2 parts."},
        {{{{D(1, 1, 2030), 0}}, payments}, "The amount financed must be more than zero."},
        {{{{D(1, 1, 2030), 1000}}, {}}, "The loan has no payments."},
        {{{{D(2, 1, 2030), 1000}}, payments},
         "The payment due 02/01/2030 does not fall after the loan is advanced on 02/01/2030."},
        {{{{D(1, 1, 2030), 1000}}, {{D(3, 1, 2030), 600}, {D(2, 1, 2030), 600}}},
         "The payments are not in date order: 02/01/2030 follows 03/01/2030."},
        {{{{D(1, 1, 2030), 1000}}, {{D(2, 1, 2030), -5}, {D(3, 1, 2030), 600}}},
         "The payment due 02/01/2030 is not an amount of zero or more."},
        {{{{D(1, 1, 2030), 1000}}, {{D(2, 1, 2030), 0}, {D(3, 1, 2030), 0}}},
         "Every payment is zero."},
        {{{{D(1, 1, 2030), 1000}}, {{D(1, 2, 2030), 1e300}}},
         "No annual percentage rate ties these payments to the amount financed."},
    };
    for (const Case& c : cases) {
        for (AprMethod method : {AprMethod::Actuarial, AprMethod::UnitedStatesRule}) {
            AprResult result = AnnualPercentageRate(c.transaction, method);
            EXPECT_FALSE(result.percent) << c.refusal;
            EXPECT_EQ(result.refusal, c.refusal);
        }
    }
}

// The rate per unit period found the slow, sure way: each payment discounted on its own,
// the rates that are too low and too high halved down to the tolerance.
struct ReferenceRate {
    std::vector<double> amounts;
    std::vector<UnitPosition> at;
    double unitsPerYear = 0;
    double longest = 1;

    ReferenceRate(Date advanced, const Payments& payments) {
        std::vector<Date> dates{advanced};
        for (const ScheduledPayment& payment : payments) {
            dates.push_back(payment.date);
        }
        DueDays dueDays(SeriesDayOf({dates.begin() + 1, dates.end()}));
        UnitPeriod unit = UnitPeriodOf(dates, dueDays);
        unitsPerYear = UnitPeriodsPerYear(unit);
        double previous = 0;
        for (const ScheduledPayment& payment : payments) {
            amounts.push_back(payment.amount);
            at.push_back(dueDays.Position(advanced, payment.date, unit));
            double time = at.back().whole + at.back().fraction;
            longest = std::max(longest, time - previous);
            previous = time;
        }
    }

    double Actuarial(double amount, double rate) const {
        double worth = 0;
        for (std::size_t i = 0; i < amounts.size(); ++i) {
            if (amounts[i] != 0) {
                worth +=
                    amounts[i] / ((1 + at[i].fraction * rate) * std::pow(1 + rate, at[i].whole));
            }
        }
        return amount - worth;
    }

    double UnitedStatesRule(double amount, double rate) const {
        double balance = amount;
        double unpaid = 0;
        double previous = 0;
        for (std::size_t i = 0; i < amounts.size(); ++i) {
            double time = at[i].whole + at[i].fraction;
            unpaid += balance * rate * (time - previous);
            previous = time;
            if (amounts[i] >= unpaid) {
                balance -= amounts[i] - unpaid;
                unpaid = 0;
            } else {
                unpaid -= amounts[i];
            }
        }
        return balance + unpaid;
    }

    std::optional<double> Solve(double amount, AprMethod method) const {
        auto owed = [&](double rate) {
            return method == AprMethod::Actuarial ? Actuarial(amount, rate)
                                                  : UnitedStatesRule(amount, rate);
        };
        double low = method == AprMethod::Actuarial ? -0.99 : -0.99 / longest;
        double high = 1;
        if (!(owed(low) < 0)) {
            return std::nullopt;
        }
        for (; !(owed(high) > 0); high *= 2) {
            if (high >= 1e6) {
                return std::nullopt;
            }
        }
        while (high - low > kUnitRateTolerance) {
            double middle = (low + high) / 2;
            (owed(middle) < 0 ? low : high) = middle;
        }
        return (low + high) / 2;
    }
};

// Payment streams of every kind a lender writes: every interval, a few payments or hundreds,
// odd first and last payments, skipped and zero payments, first periods short and long, and
// an amount financed from well below the payments' total to above it.
Payments GeneratedStream(std::mt19937& random) {
    using enum PaymentInterval;
    auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const PaymentInterval intervals[] = {Monthly,  Quarterly, SemiAnnual, Annual,
                                         BiWeekly, Weekly,    SemiMonthly};
    const PaymentInterval interval = intervals[pick(0, 6)];
    const int count = pick(2, interval == Monthly ? 480 : 120);
    const double amount = std::round(uniform(5, 5000) * 100) / 100;
    Date first = DayOfMonthFrom(MakeDate(pick(1990, 2040), pick(1, 12), 1), 0, pick(1, 31));
    Payments payments = Regular(count, amount, first, interval);
    if (pick(0, 3) == 0) {
        payments.front().amount = std::round(amount * uniform(0, 3) * 100) / 100;
    }
    if (pick(0, 3) == 0) {
        payments.back().amount = std::round(amount * uniform(0, 5) * 100) / 100;
    }
    for (int skipped = pick(0, 3) == 0 ? pick(1, count / 2) : 0; skipped > 0; --skipped) {
        payments[pick(0, count - 1)].amount = pick(0, 1) ? 0 : amount / 2;
    }
    return payments;
}

TEST(AnnualPercentageRate, AgreesWithHalvingTheRateOverGeneratedStreams) {
    std::mt19937 random(20261208);
    int measured = 0;
    // The rate of the same stream with the last payment a rounding away from its cent: only
    // where the tolerance's last halving falls within that rounding of the root may it change.
    int changed = 0;
    for (int i = 0; i < 3000; ++i) {
        Payments payments = GeneratedStream(random);
        double total = 0;
        for (const ScheduledPayment& payment : payments) {
            total += payment.amount;
        }
        const Date advanced =
            AddDays(payments.front().date, -std::uniform_int_distribution<int>(1, 80)(random));
        const double amount =
            std::round(total * std::uniform_real_distribution<double>(0.3, 1.02)(random) * 100) /
            100;
        const ReferenceRate reference(advanced, payments);
        for (AprMethod method : {AprMethod::Actuarial, AprMethod::UnitedStatesRule}) {
            AprResult result = Apr(amount, advanced, payments, method);
            std::optional<double> expected = reference.Solve(amount, method);
            ASSERT_EQ(result.percent.has_value(), expected.has_value())
                << "stream " << i << ": " << result.refusal;
            if (expected) {
                ++measured;
                EXPECT_NEAR(*result.percent / 100 / result.unitPeriodsPerYear, *expected, 1e-12)
                    << "stream " << i << ", " << payments.size() << " payments";
                EXPECT_EQ(result.unitPeriodsPerYear, reference.unitsPerYear) << "stream " << i;
                Payments nudged = payments;
                nudged.back().amount = std::nextafter(nudged.back().amount, 1e9);
                changed += Apr(amount, advanced, nudged, method).percent != result.percent;
            }
        }
    }
    EXPECT_GT(measured, 5000);
    EXPECT_LE(changed, measured / 1000);
}

}  // namespace
}  // namespace quorvia
