#include "core/disclosure/AnnualPercentageRate.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace quorvia {

namespace {

// A payment placed on the transaction's calendar.
struct TimedPayment {
    double amount = 0;
    UnitPosition at;
};

struct Measured {
    UnitPeriod unit;
    std::vector<TimedPayment> payments;
};

// The rates per unit period looked among: from a loss of 99 % over the longest payment period
// to a millionfold gain.
constexpr double kLowestRateOverAPeriod = -0.99;
constexpr double kHighestUnitRate = 1e6;
constexpr int kMostTries = 400;

std::string DateText(Date date) {
    return FormatDate(date, "mm/dd/yyyy");
}

// Why the transaction cannot be measured; empty when it can.
std::string RefusalOf(const CreditTransaction& transaction) {
    if (transaction.advances.size() > 1) {
        return "The annual percentage rate is computed for a loan advanced in one amount; "
               "this loan is advanced in " +
               std::to_string(transaction.advances.size()) + " parts.";
    }
    if (transaction.advances.empty() || !(transaction.advances[0].amount > 0) ||
        !std::isfinite(transaction.advances[0].amount)) {
        return "The amount financed must be more than zero.";
    }
    if (transaction.payments.empty()) {
        return "The loan has no payments.";
    }
    const Date advanced = transaction.advances[0].date;
    double total = 0;
    for (std::size_t i = 0; i < transaction.payments.size(); ++i) {
        const ScheduledPayment& payment = transaction.payments[i];
        if (!(payment.amount >= 0) || !std::isfinite(payment.amount)) {
            return "The payment due " + DateText(payment.date) +
                   " is not an amount of zero or more.";
        }
        if (payment.date <= advanced) {
            return "The payment due " + DateText(payment.date) +
                   " does not fall after the loan is advanced on " + DateText(advanced) + ".";
        }
        if (i > 0 && payment.date < transaction.payments[i - 1].date) {
            return "The payments are not in date order: " + DateText(payment.date) + " follows " +
                   DateText(transaction.payments[i - 1].date) + ".";
        }
        total += payment.amount;
    }
    if (!(total > 0)) {
        return "Every payment is zero.";
    }
    return {};
}

// A single payment: its term is the unit period, but never longer than a year.
Measured MeasureSinglePayment(Date advanced, const ScheduledPayment& payment) {
    DueDays dueDays(DayOf(payment.date));
    if (dueDays.FullMonths(advanced, payment.date) >= 12) {
        return {kOneYear, {{payment.amount, dueDays.Position(advanced, payment.date, kOneYear)}}};
    }
    UnitPeriod term = dueDays.PeriodBetween(advanced, payment.date);
    if (term.kind != IntervalKind::Months) {
        term = {IntervalKind::Days, DaysBetween(advanced, payment.date)};
    }
    return {term, {{payment.amount, {1, 0}}}};
}

Measured MeasurePayments(const CreditTransaction& transaction) {
    const Date advanced = transaction.advances[0].date;
    if (transaction.payments.size() == 1) {
        return MeasureSinglePayment(advanced, transaction.payments[0]);
    }
    std::vector<Date> dates{advanced};
    for (const ScheduledPayment& payment : transaction.payments) {
        dates.push_back(payment.date);
    }
    DueDays dueDays(SeriesDayOf({dates.begin() + 1, dates.end()}));
    Measured measured{UnitPeriodOf(dates, dueDays), {}};
    for (const ScheduledPayment& payment : transaction.payments) {
        measured.payments.push_back(
            {payment.amount, dueDays.Position(advanced, payment.date, measured.unit)});
    }
    return measured;
}

// How much is still owed at a unit-period rate, and how fast that grows with the rate.
struct Owed {
    double value = 0;
    double slope = 0;
};

// The amount less what the payments are worth at the advance, discounted at the unit-period
// rate: a whole unit period compounds, a fraction of one earns simple interest. The discount
// over whole unit periods is carried from one payment to the next, the payments being in date
// order. A payment of nothing is worth nothing, however far off (where the discount factor
// itself runs out of range).
Owed OwedAfterActuarialMethod(double amount, const std::vector<TimedPayment>& payments,
                              double rate) {
    const double perPeriod = 1 / (1 + rate);
    double discount = 1;
    int periods = 0;
    Owed owed{amount, 0};
    for (const TimedPayment& payment : payments) {
        for (; periods < payment.at.whole; ++periods) {
            discount *= perPeriod;
        }
        if (payment.amount == 0) {
            continue;
        }
        const double simple = 1 + payment.at.fraction * rate;
        const double worth = payment.amount * discount / simple;
        owed.value -= worth;
        owed.slope += worth * (payment.at.whole * perPeriod + payment.at.fraction / simple);
    }
    return owed;
}

// What is still owed after the last payment when finance charge is never added to the balance.
Owed OwedAfterUnitedStatesRule(double amount, const std::vector<TimedPayment>& payments,
                               double rate) {
    Owed balance{amount, 0};
    Owed unpaidCharge;
    double previous = 0;
    for (const TimedPayment& payment : payments) {
        double at = payment.at.whole + payment.at.fraction;
        unpaidCharge.value += balance.value * rate * (at - previous);
        unpaidCharge.slope += (balance.value + balance.slope * rate) * (at - previous);
        previous = at;
        if (payment.amount >= unpaidCharge.value) {
            balance.value -= payment.amount - unpaidCharge.value;
            balance.slope += unpaidCharge.slope;
            unpaidCharge = {};
        } else {
            unpaidCharge.value -= payment.amount;
        }
    }
    return {balance.value + unpaidCharge.value, balance.slope + unpaidCharge.slope};
}

double LongestPeriod(const std::vector<TimedPayment>& payments) {
    double longest = 1;
    double previous = 0;
    for (const TimedPayment& payment : payments) {
        double at = payment.at.whole + payment.at.fraction;
        longest = std::max(longest, at - previous);
        previous = at;
    }
    return longest;
}

using OwedAt = std::function<Owed(double)>;

// Rates known to leave the balance owed below zero (`low`) and above it (`high`).
struct Bracket {
    double low = 0;
    double high = 0;

    double Width() const { return high - low; }
    double Middle() const { return (low + high) / 2; }

    // Closes in on the root with what is owed at `rate`; says that.
    Owed Try(const OwedAt& owed, double rate) {
        Owed at = owed(rate);
        (at.value < 0 ? low : high) = rate;
        return at;
    }
};

// How close to the root Newton's steps close the bracket: well inside the tolerance, and some
// steps of the rate's last digit wide so that the rounding of the sums stays inside.
double Closeness(double rate) {
    return kUnitRateTolerance / 8 + 64 * std::numeric_limits<double>::epsilon() * std::abs(rate);
}

// Newton's steps from the middle of the bracket, narrowing it at every rate tried; where a
// step would leave the bracket or gains too little, the middle is tried instead. Once the
// steps are small the rates just either side of the last one are tried, which leaves the
// bracket a few steps of the tolerance wide around the root.
Bracket NarrowedByNewton(const OwedAt& owed, Bracket bracket) {
    double rate = bracket.Middle();
    double lastStep = bracket.Width();
    for (int i = 0; i < kMostTries && bracket.Width() > kUnitRateTolerance; ++i) {
        const Owed at = bracket.Try(owed, rate);
        const double step = at.value / at.slope;
        const double next = rate - step;
        if (!(next > bracket.low && next < bracket.high && std::abs(step) < lastStep / 2)) {
            lastStep = bracket.Width();
            rate = bracket.Middle();
            continue;
        }
        const double closeness = Closeness(next);
        if (std::abs(step) < closeness / 4) {
            for (double side : {next - closeness, next + closeness}) {
                if (side > bracket.low && side < bracket.high) {
                    bracket.Try(owed, side);
                }
            }
            return bracket;
        }
        lastStep = std::abs(step);
        rate = next;
    }
    return bracket;
}

// The rate at which `owed`, which grows with the rate, is zero; nothing when no rate between
// the lowest and the highest tried brings it there. The range is halved down to the
// tolerance and the middle of the last half taken, so that the same payments give the same
// rate to the last digit, whatever the rounding of the sums; Newton's steps find the root
// first, so that only the halvings close to it need what is owed worked out.
std::optional<double> SolveUnitRate(const OwedAt& owed, double lowest) {
    Bracket range{lowest, 1};
    if (!(owed(range.low).value < 0)) {
        return std::nullopt;
    }
    while (!(owed(range.high).value > 0)) {
        if (range.high >= kHighestUnitRate) {
            return std::nullopt;
        }
        range.high *= 2;
    }
    const Bracket known = NarrowedByNewton(owed, range);
    for (int i = 0; i < kMostTries && range.Width() > kUnitRateTolerance; ++i) {
        const double middle = range.Middle();
        if (middle <= known.low) {
            range.low = middle;
        } else if (middle >= known.high) {
            range.high = middle;
        } else {
            range.Try(owed, middle);
        }
    }
    return range.Middle();
}

}  // namespace

AprResult AnnualPercentageRate(const CreditTransaction& transaction, AprMethod method) {
    AprResult result;
    result.refusal = RefusalOf(transaction);
    if (!result.refusal.empty()) {
        return result;
    }
    const double amount = transaction.advances[0].amount;
    Measured measured = MeasurePayments(transaction);
    result.unitPeriod = measured.unit;
    result.unitPeriodsPerYear = UnitPeriodsPerYear(measured.unit);
    OwedAt owed;
    double lowest = kLowestRateOverAPeriod;
    if (method == AprMethod::Actuarial) {
        owed = [&](double rate) {
            return OwedAfterActuarialMethod(amount, measured.payments, rate);
        };
    } else {
        // Simple interest over a long period must not take more than the balance.
        lowest /= LongestPeriod(measured.payments);
        owed = [&](double rate) {
            return OwedAfterUnitedStatesRule(amount, measured.payments, rate);
        };
    }
    std::optional<double> unitRate = SolveUnitRate(owed, lowest);
    if (!unitRate) {
        result.refusal = "No annual percentage rate ties these payments to the amount financed.";
        return result;
    }
    result.percent = *unitRate * result.unitPeriodsPerYear * 100;
    return result;
}

}  // namespace quorvia
