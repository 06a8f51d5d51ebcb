#include "core/disclosure/AnnualPercentageRate.h"

#include <algorithm>
#include <cmath>
#include <functional>

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
constexpr int kMostHalvings = 400;

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

// What the payments are worth at the advance, discounted at the unit-period rate: a whole unit
// period compounds, a fraction of one earns simple interest. A payment of nothing is worth
// nothing, however far off (where the discount factor itself runs out of range).
double PresentValue(const std::vector<TimedPayment>& payments, double rate) {
    double value = 0;
    for (const TimedPayment& payment : payments) {
        if (payment.amount == 0) {
            continue;
        }
        value += payment.amount /
                 ((1 + payment.at.fraction * rate) * std::pow(1 + rate, payment.at.whole));
    }
    return value;
}

// What is still owed after the last payment when finance charge is never added to the balance.
double OwedAfterUnitedStatesRule(double amount, const std::vector<TimedPayment>& payments,
                                 double rate) {
    double balance = amount;
    double unpaidCharge = 0;
    double previous = 0;
    for (const TimedPayment& payment : payments) {
        double at = payment.at.whole + payment.at.fraction;
        unpaidCharge += balance * rate * (at - previous);
        previous = at;
        if (payment.amount >= unpaidCharge) {
            balance -= payment.amount - unpaidCharge;
            unpaidCharge = 0;
        } else {
            unpaidCharge -= payment.amount;
        }
    }
    return balance + unpaidCharge;
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

// The rate at which `owed`, which grows with the rate, is zero; nothing when no rate between
// the lowest and the highest tried brings it there.
std::optional<double> SolveUnitRate(const std::function<double(double)>& owed, double lowest) {
    double low = lowest;
    double high = 1;
    if (!(owed(low) < 0)) {
        return std::nullopt;
    }
    while (!(owed(high) > 0)) {
        if (high >= kHighestUnitRate) {
            return std::nullopt;
        }
        high *= 2;
    }
    for (int i = 0; i < kMostHalvings && high - low > kUnitRateTolerance; ++i) {
        double middle = (low + high) / 2;
        (owed(middle) < 0 ? low : high) = middle;
    }
    return (low + high) / 2;
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
    std::function<double(double)> owed;
    double lowest = kLowestRateOverAPeriod;
    if (method == AprMethod::Actuarial) {
        owed = [&](double rate) { return amount - PresentValue(measured.payments, rate); };
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
