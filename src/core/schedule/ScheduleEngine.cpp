#include "core/schedule/ScheduleEngine.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

#include "core/base/Dates.h"
#include "core/base/EntryNumbers.h"
#include "core/base/NumberText.h"
#include "core/schedule/EventCursor.h"
#include "core/schedule/WorkFile.h"

namespace quorvia {

namespace {

constexpr int kInt16Max = std::numeric_limits<int16_t>::max();

double MonthsPerPeriod(const AmortInputs& inputs) {
    return 12.0 / inputs.PaymentsPerYear;
}

// The number of periods in `months`, not made whole.
double PeriodsIn(const AmortInputs& inputs, double months) {
    return months / MonthsPerPeriod(inputs);
}

RunError Overflow() {
    return {error_number::kOverflow, "Overflow"};
}

// Arithmetic on doubles does not trap: an overflow gives an infinity and then a NaN. Every
// amount is tested before it is written, so neither reaches the work file, an export or a
// report.
bool AllFinite(std::initializer_list<double> amounts) {
    return std::all_of(amounts.begin(), amounts.end(), [](double a) { return std::isfinite(a); });
}

}  // namespace

int16_t ScheduledCount(const AmortInputs& inputs) {
    return PaymentsInMonths(inputs, inputs.TermMonths);
}

int16_t PaymentsInMonths(const AmortInputs& inputs, double months) {
    return static_cast<int16_t>(std::floor((PeriodsIn(inputs, months) * 100 + 0.5) / 100));
}

Derivation DeriveMissingPaymentOrTerm(AmortInputs& inputs) {
    Derivation result;
    double n = PeriodsIn(inputs, inputs.TermMonths);
    if (inputs.Payment != 0 && inputs.TermMonths == 0 && inputs.FixedPrincipal) {
        double months = std::floor(
            CentsHalfUp(inputs.LoanAmount / inputs.Payment) * MonthsPerPeriod(inputs) + 0.005);
        if (!std::isfinite(months) || std::fabs(months) > kInt16Max) {
            result.error = Overflow();
            return result;
        }
        inputs.TermMonths = static_cast<int16_t>(months);
        result.derived = true;
    } else if (inputs.Payment == 0 && inputs.TermMonths > 0) {
        if (inputs.PeriodicRate == 0) {
            inputs.FixedPrincipal = true;
        }
        inputs.Payment =
            PeriodicPayment(inputs.LoanAmount, inputs.PeriodicRate, n, inputs.FixedPrincipal);
        inputs.FixedPrincipalAmount = inputs.FixedPrincipal ? inputs.Payment : 0;
        if (!std::isfinite(inputs.Payment)) {
            result.error = Overflow();
            return result;
        }
        result.derived = true;
    }
    return result;
}

double PeriodicPayment(double amount, double periodicRate, double periods, bool fixedPrincipal) {
    if (fixedPrincipal || periodicRate == 0) {
        return CentsHalfUp(amount / periods);
    }
    double r = periodicRate;
    return CentsHalfUp(amount * r / (1 - std::pow(1 + r, -periods)));
}

std::optional<int> MonthsToPayOut(const AmortInputs& inputs) {
    if (inputs.Payment == 0) {
        return std::nullopt;
    }
    double r = inputs.PeriodicRate;
    double periods;
    if (r == 0) {
        periods = inputs.LoanAmount / inputs.Payment;
    } else {
        double remaining = 1 - inputs.LoanAmount * r / inputs.Payment;
        if (remaining <= 0 || 1 + r <= 0) {
            return std::nullopt;  // the payment never covers the interest
        }
        periods = -std::log(remaining) / std::log(1 + r);
    }
    if (!std::isfinite(periods) || std::fabs(periods) > kInt16Max) {
        return std::nullopt;
    }
    double k = RoundHalfEven(periods);
    return static_cast<int>(RoundHalfEven(MonthsPerPeriod(inputs) * k));
}

namespace {

// One run of the schedule loop: the working values and the schedule it fills.
class ScheduleBuilder {
  public:
    ScheduleBuilder(AmortInputs& inputs, SemiMonthlyChoice& semiMonthly,
                    const ProgressCallback& progress, Schedule& schedule,
                    const ScheduleEvents& events)
        : in_(inputs),
          semiMonthly_(semiMonthly),
          progress_(progress),
          out_(schedule),
          events_(events),
          inPaymentOrder_(InPaymentOrder(events)),
          hasEvents_(!events.empty()),
          cursor_(inPaymentOrder_) {}

    std::optional<RunError> Run();

  private:
    // Each returns false, having added nothing, when an amount it would add overflowed.
    bool StateTheLoan();
    bool PayOne(int i);
    PaymentEvents ApplyEvents(int i);
    void RecomputePayment(int i);
    void ExtendForKeptPayment();
    bool CloseTheYear();
    bool AddTotalsAndNotes();
    Date NextDueDate(Date d, Date paidOn);
    Date NextSemiMonthlyDate(Date d, Date paidOn);

    AmortInputs& in_;
    SemiMonthlyChoice& semiMonthly_;
    const ProgressCallback& progress_;
    Schedule& out_;
    const ScheduleEvents& events_;
    const ScheduleEvents inPaymentOrder_;
    const bool hasEvents_;
    EventCursor cursor_;

    int16_t count_ = 0;
    // The payment the loop runs to: the last scheduled one, or later while a kept payment
    // repays the loan.
    int last_ = 0;
    bool keptPayment_ = false;
    int index_ = 0;
    Date firstPaymentDate_{};
    Date fundingDate_{};
    Date paymentDate_{};
    Date previousDate_{};
    double savedPayment_ = 0;
    double yearInterest_ = 0;
    bool yearClosed_ = false;
    ScheduleTotals totals_;
    bool liquidatedEarly_ = false;
};

std::optional<RunError> ScheduleBuilder::Run() {
    out_ = Schedule{};
    count_ = ScheduledCount(in_);
    if (count_ <= 0) {
        return RunError{error_number::kDivisionByZero,
                        "The term is shorter than one " + in_.FrequencyName +
                            " payment period, so there is no payment to schedule."};
    }
    if (std::optional<EventProblem> problem = FindEventProblem(events_, count_)) {
        return RunError{error_number::kInvalidCall, problem->message};
    }
    last_ = count_;
    std::optional<Date> first = ParseDate(in_.FirstPaymentDateText);
    if (!first) {
        return RunError{error_number::kTypeMismatch, "The first payment date is not a valid date."};
    }
    firstPaymentDate_ = paymentDate_ = *first;
    if (in_.ExactDays) {
        std::optional<Date> funding = ParseDate(in_.FundingDateText);
        if (!funding) {
            return RunError{error_number::kTypeMismatch,
                            "The loan funding date is not a valid date."};
        }
        fundingDate_ = *funding;
    }
    if (!StateTheLoan()) {
        return Overflow();
    }
    out_.rows.reserve(count_);
    const double progressStep = 100.0 / count_;
    for (index_ = 1; index_ <= last_; ++index_) {
        if (!PayOne(index_)) {
            return Overflow();
        }
        ExtendForKeptPayment();
        if (progress_) {
            progress_(index_ <= count_ ? index_ * progressStep : 100.0);
        }
    }
    if ((yearInterest_ != 0 || !yearClosed_) && !CloseTheYear()) {
        return Overflow();
    }
    if (!AddTotalsAndNotes()) {
        return Overflow();
    }
    return std::nullopt;
}

bool ScheduleBuilder::StateTheLoan() {
    ScheduleHeading heading;
    heading.exactDays = in_.ExactDays;
    heading.borrowerName = in_.BorrowerName;
    heading.statedAmount = AmountValue(in_.AmountText).value_or(in_.LoanAmount);
    heading.rateText = RateTitleText(in_.RateText);
    heading.frequencyName = in_.FrequencyName;
    if (in_.ExactDays) {
        heading.fundingDate = fundingDate_;
    }
    heading.oddDays = in_.OddDays;
    if (!AllFinite({heading.statedAmount, heading.oddDays, in_.LoanAmount})) {
        return false;
    }
    out_.heading = std::move(heading);
    out_.scheduledCount = count_;
    out_.numberedRows = in_.NumberPaymentRows;
    out_.openingBalance = in_.LoanAmount;
    out_.periodicPayment = in_.Payment;
    out_.events = inPaymentOrder_;
    return true;
}

bool ScheduleBuilder::PayOne(int i) {
    double& balance = in_.LoanAmount;
    const int paymentNumber = i;  // the loop index may be forced to the last payment below
    const PaymentEvents events = hasEvents_ ? ApplyEvents(i) : PaymentEvents{};
    const double scheduledPayment = in_.Payment;
    double interest;
    if (in_.InterestFreeCount > 0 && i <= in_.InterestFreeCount) {
        interest = 0;
        if (i == 1) {
            paymentDate_ = firstPaymentDate_;
        }
    } else if (in_.ExactDays) {
        if (i == 1) {
            previousDate_ = fundingDate_;
            paymentDate_ = firstPaymentDate_;
        }
        int dayCount = DaysBetween(previousDate_, paymentDate_);
        interest = (balance * in_.AnnualRate / 365) * dayCount;
    } else {
        interest = balance * in_.PeriodicRate;
    }
    interest = CentsHalfUp(interest);
    previousDate_ = paymentDate_;
    yearInterest_ += interest;
    yearClosed_ = false;

    if (!in_.ExactDays && in_.OddDays != 0 && i == 1) {
        double oddInterest = CentsTruncate(balance * in_.AnnualRate / 365 * in_.OddDays);
        in_.OddDays = oddInterest;
        interest += oddInterest;
        yearInterest_ = interest;
        savedPayment_ = in_.Payment;
        in_.Payment += oddInterest;
    }

    double principal;
    if (events.interestOnly) {
        in_.Payment = interest;
        principal = 0;
    } else if (in_.FixedPrincipal) {
        in_.Payment = in_.FixedPrincipalAmount + interest;
        principal = in_.FixedPrincipalAmount;
    } else {
        principal = in_.Payment - interest;
    }
    if (events.extraPrincipal != 0) {
        principal += events.extraPrincipal;
        in_.Payment += events.extraPrincipal;
    }
    if (balance < principal) {
        principal = balance;
        in_.FixedPrincipalAmount = balance;
        in_.Payment = principal + interest;
        if (i < last_) {
            index_ = i = last_;
            liquidatedEarly_ = true;
        }
    }
    balance -= principal;
    if (i == last_ && in_.BalanceDueAtEnd && balance != 0) {
        in_.Payment += balance;
        principal = in_.Payment - interest;
        balance = 0;
    }

    if (!AllFinite({in_.Payment, interest, principal, balance})) {
        return false;
    }
    out_.rows.push_back({paymentNumber, paymentDate_, in_.Payment, interest, principal, balance});
    totals_.payments += in_.Payment;
    totals_.interest += interest;
    totals_.principal += principal;
    if (savedPayment_ != 0) {
        in_.Payment = savedPayment_;
        savedPayment_ = 0;
    }
    if (events.interestOnly || events.extraPrincipal != 0) {
        in_.Payment = scheduledPayment;  // the next payment is the scheduled one again
    }

    Date paidOn = paymentDate_;
    paymentDate_ =
        NextDueDate(AddInterval(paidOn, in_.DateInterval, in_.DateIntervalCount), paidOn);
    if (YearOf(paymentDate_) > YearOf(paidOn)) {
        if (!CloseTheYear()) {
            return false;
        }
        yearInterest_ = 0;
        in_.CurrentYear = static_cast<int16_t>(in_.CurrentYear + 1);
    }
    in_.CurrentMonth = static_cast<int16_t>(MonthOf(paymentDate_));

    if (balance == 0 && i != last_) {
        index_ = last_;
        in_.TermMonths = static_cast<int16_t>(RoundHalfEven(12.0 / in_.PaymentsPerYear * i));
    }
    return true;
}

// Applies what starts at payment `i` before its interest is computed: the new rate is the
// rate of payment `i` itself.
PaymentEvents ScheduleBuilder::ApplyEvents(int i) {
    PaymentEvents events = cursor_.At(i);
    if (events.newAnnualRate) {
        in_.AnnualRate = *events.newAnnualRate;
        in_.PeriodicRate = in_.AnnualRate / in_.PaymentsPerYear;
        keptPayment_ = events.keepPayment && !in_.FixedPrincipal && !in_.BalanceDueAtEnd;
    }
    bool rateChangeRecomputes = events.newAnnualRate && !events.keepPayment;
    if (events.amortizationStarts || (rateChangeRecomputes && !events.interestOnly)) {
        RecomputePayment(i);
    }
    return events;
}

// The payment that repays the balance over the payments that remain of the term, from
// payment `i` on.
void ScheduleBuilder::RecomputePayment(int i) {
    double payment =
        PeriodicPayment(in_.LoanAmount, in_.PeriodicRate, count_ - i + 1, in_.FixedPrincipal);
    (in_.FixedPrincipal ? in_.FixedPrincipalAmount : in_.Payment) = payment;
    keptPayment_ = false;
}

// A payment kept through a rate increase needs more payments than the term has: the schedule
// runs on one payment at a time while each still brings the balance down, up to the longest
// term the program schedules. Where it stops short, the balance that remains is noted.
void ScheduleBuilder::ExtendForKeptPayment() {
    if (keptPayment_ && index_ == last_ && in_.LoanAmount > 0 &&
        last_ < PaymentsInMonths(in_, kMaximumTermMonths) && out_.rows.back().principal > 0) {
        ++last_;
    }
}

// Adjusts the date one interval after the previous payment onto the loan's due day.
Date ScheduleBuilder::NextDueDate(Date d, Date paidOn) {
    if (in_.PaymentsPerYear == 24) {
        return NextSemiMonthlyDate(d, paidOn);
    }
    if (in_.PaymentsPerYear > 12) {
        return d;  // bi-weekly: fourteen days later, as it stands
    }
    const int previousMonth = MonthOf(paidOn);
    if (previousMonth == 2 && DayOf(d) != in_.DueDay) {
        return BuildDate(YearOf(d), MonthOf(d), in_.DueDay);
    }
    if (in_.DueDay == 31 && DayOf(d) == 1) {
        return AddDays(d, -1);
    }
    if (in_.DueDay == 31 && DayOf(AddDays(d, 1)) == 31) {
        return BuildDate(YearOf(d), MonthOf(d), 31);
    }
    return d;
}

Date ScheduleBuilder::NextSemiMonthlyDate(Date d, Date paidOn) {
    if (semiMonthly_[3] == 2) {
        semiMonthly_[3] = 1;
        while (MonthOf(d) == in_.CurrentMonth) {
            d = AddDays(d, 1);
        }
    } else {
        semiMonthly_[3] = 2;
    }
    const int dueDay = semiMonthly_[semiMonthly_[3]];
    if (MonthOf(paidOn) == 2 && dueDay == 30) {
        return BuildDate(YearOf(paidOn), 3, 0);  // the last day of that February
    }
    return BuildDate(YearOf(d), MonthOf(d), dueDay);
}

bool ScheduleBuilder::CloseTheYear() {
    if (!AllFinite({yearInterest_})) {
        return false;
    }
    out_.yearSubtotals.push_back({out_.rows.size(), in_.CurrentYear, yearInterest_});
    yearClosed_ = true;
    return true;
}

bool ScheduleBuilder::AddTotalsAndNotes() {
    if (!AllFinite({totals_.payments, totals_.interest, totals_.principal})) {
        return false;
    }
    out_.totals = totals_;
    out_.remainingBalance = in_.LoanAmount;
    out_.liquidatedEarly = liquidatedEarly_;
    return true;
}

}  // namespace

std::optional<RunError> ComputeSchedule(AmortInputs& inputs, SemiMonthlyChoice& semiMonthly,
                                        const ProgressCallback& progress, Schedule& schedule,
                                        const ScheduleEvents& events) {
    return ScheduleBuilder(inputs, semiMonthly, progress, schedule, events).Run();
}

std::optional<RunError> WriteSchedule(AmortInputs& inputs, SemiMonthlyChoice& semiMonthly,
                                      const std::filesystem::path& workFile,
                                      const ProgressCallback& progress, Schedule* schedule,
                                      const ScheduleEvents& events) {
    WorkFileWriter file;
    if (auto error = file.Create(workFile)) {
        return error;
    }
    Schedule computed;
    Schedule& result = schedule != nullptr ? *schedule : computed;
    std::optional<RunError> error = ComputeSchedule(inputs, semiMonthly, progress, result, events);
    if (!error) {
        file.Write(result);
    }
    std::optional<RunError> closeError = file.Close();
    if (error || closeError) {
        RemoveFileQuietly(workFile);
        return error ? error : closeError;
    }
    return std::nullopt;
}

}  // namespace quorvia
