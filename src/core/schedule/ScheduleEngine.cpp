#include "core/schedule/ScheduleEngine.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

#include "core/base/Dates.h"
#include "core/base/NumberText.h"
#include "core/base/Text.h"
#include "core/schedule/WorkFile.h"

namespace quorvia {

namespace {

constexpr int kInt16Max = std::numeric_limits<int16_t>::max();

double MonthsPerPeriod(const AmortInputs& inputs) {
    return 12.0 / inputs.PaymentsPerYear;
}

// The number of periods of the term, not made whole.
double PeriodsOfTerm(const AmortInputs& inputs) {
    return inputs.TermMonths / MonthsPerPeriod(inputs);
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
    return static_cast<int16_t>(std::floor((PeriodsOfTerm(inputs) * 100 + 0.5) / 100));
}

Derivation DeriveMissingPaymentOrTerm(AmortInputs& inputs) {
    Derivation result;
    double n = PeriodsOfTerm(inputs);
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
            inputs.Payment = CentsHalfUp(inputs.LoanAmount / n);
            inputs.FixedPrincipal = true;
        } else if (!inputs.FixedPrincipal) {
            double r = inputs.PeriodicRate;
            inputs.Payment = CentsHalfUp(inputs.LoanAmount * r / (1 - std::pow(1 + r, -n)));
        } else {
            inputs.Payment = CentsHalfUp(inputs.LoanAmount / n);
        }
        inputs.FixedPrincipalAmount = inputs.FixedPrincipal ? inputs.Payment : 0;
        if (!std::isfinite(inputs.Payment)) {
            result.error = Overflow();
            return result;
        }
        result.derived = true;
    }
    return result;
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

// One run of the schedule loop: the working values and the records it writes.
class ScheduleWriter {
  public:
    ScheduleWriter(AmortInputs& inputs, SemiMonthlyChoice& semiMonthly, WorkFileWriter& file,
                   const ProgressCallback& progress)
        : in_(inputs), semiMonthly_(semiMonthly), file_(file), progress_(progress) {}

    std::optional<RunError> Run(ScheduleRun* run);

  private:
    // Each returns false, having written nothing, when an amount it would write overflowed.
    bool WriteHeader();
    bool PayOne(int i);
    bool WriteYearSubtotal();
    bool WriteTotalsAndNotes();
    Date NextDueDate(Date d, Date paidOn);
    Date NextSemiMonthlyDate(Date d, Date paidOn);

    AmortInputs& in_;
    SemiMonthlyChoice& semiMonthly_;
    WorkFileWriter& file_;
    const ProgressCallback& progress_;

    int16_t count_ = 0;
    int index_ = 0;
    Date firstPaymentDate_{};
    Date fundingDate_{};
    Date paymentDate_{};
    Date previousDate_{};
    double savedPayment_ = 0;
    double yearInterest_ = 0;
    bool yearTotalWritten_ = false;
    double totalPayments_ = 0;
    double totalInterest_ = 0;
    double totalPrincipal_ = 0;
    bool liquidatedEarly_ = false;
    std::vector<PaymentRow>* rows_ = nullptr;
};

std::optional<RunError> ScheduleWriter::Run(ScheduleRun* run) {
    count_ = ScheduledCount(in_);
    if (count_ <= 0) {
        return RunError{error_number::kDivisionByZero,
                        "The term is shorter than one " + in_.FrequencyName +
                            " payment period, so there is no payment to schedule."};
    }
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
    if (!WriteHeader()) {
        return Overflow();
    }
    if (run != nullptr && run->keepRows) {
        rows_ = &run->rows;
        rows_->clear();
        rows_->reserve(count_);
    }
    const double progressStep = 100.0 / count_;
    for (index_ = 1; index_ <= count_; ++index_) {
        if (!PayOne(index_)) {
            return Overflow();
        }
        if (progress_) {
            progress_(index_ * progressStep);
        }
    }
    if ((yearInterest_ != 0 || !yearTotalWritten_) && !WriteYearSubtotal()) {
        return Overflow();
    }
    if (!WriteTotalsAndNotes()) {
        return Overflow();
    }
    if (run != nullptr) {
        run->scheduledCount = count_;
        run->finalBalance = in_.LoanAmount;
    }
    return std::nullopt;
}

bool ScheduleWriter::WriteHeader() {
    const double amount = NumericValue(in_.AmountText);
    if (!AllFinite({amount, in_.OddDays, in_.LoanAmount})) {
        return false;
    }
    file_.WriteLine(in_.ExactDays ? "Interest is computed using exact days between payment dates"
                                  : "Interest is computed using equal 30 day months");
    file_.WriteLine(TrimView(in_.BorrowerName).empty() ? " " : UpperCase(in_.BorrowerName));
    file_.WriteLine("Amortization of a $" + FormatNumber(amount, "###,###,###.00") + " Loan at " +
                    in_.RateText + "% with " + FormatNumber(count_, "##0") + " " +
                    in_.FrequencyName + " Payments");
    if (in_.ExactDays) {
        file_.WriteLine("Loan proceeds disbursed on " + FormatDate(fundingDate_, "mmmm d, yyyy"));
    } else if (in_.OddDays != 0) {
        file_.WriteLine("Odd days to first scheduled payment = " +
                        FormatNumber(in_.OddDays, "##0") + "  (1st payment adjusted accordingly)");
    } else {
        file_.WriteLine(" ");
    }
    file_.Write(" ", " ", " ", " ", FormatNumber(in_.LoanAmount, "###,###,###.00"));
    return true;
}

bool ScheduleWriter::PayOne(int i) {
    double& balance = in_.LoanAmount;
    const int paymentNumber = i;  // the loop index may be forced to the last payment below
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
    yearTotalWritten_ = false;

    if (!in_.ExactDays && in_.OddDays != 0 && i == 1) {
        double oddInterest = CentsTruncate(balance * in_.AnnualRate / 365 * in_.OddDays);
        in_.OddDays = oddInterest;
        interest += oddInterest;
        yearInterest_ = interest;
        savedPayment_ = in_.Payment;
        in_.Payment += oddInterest;
    }

    double principal;
    if (in_.FixedPrincipal) {
        in_.Payment = in_.FixedPrincipalAmount + interest;
        principal = in_.FixedPrincipalAmount;
    } else {
        principal = in_.Payment - interest;
    }
    if (balance < principal) {
        principal = balance;
        in_.FixedPrincipalAmount = balance;
        in_.Payment = principal + interest;
        if (i < count_) {
            index_ = i = count_;
            liquidatedEarly_ = true;
        }
    }
    balance -= principal;
    if (i == count_ && in_.BalanceDueAtEnd && balance != 0) {
        in_.Payment += balance;
        principal = in_.Payment - interest;
        balance = 0;
    }

    if (!AllFinite({in_.Payment, interest, principal, balance})) {
        return false;
    }
    std::string dueDate = in_.NumberPaymentRows ? FormatNumber(paymentNumber, "###") + ".   " : "";
    dueDate += FormatDate(paymentDate_, "mm/dd/yy");
    file_.Write(dueDate, FormatNumber(in_.Payment, "###,###,##0.00"),
                FormatNumber(interest, "#,###,##0.00"), FormatNumber(principal, "###,###,##0.00"),
                FormatNumber(balance, "###,###,##0.00"));
    if (rows_ != nullptr) {
        rows_->push_back({paymentNumber, paymentDate_, in_.Payment, interest, principal, balance});
    }
    totalPayments_ += in_.Payment;
    totalInterest_ += interest;
    totalPrincipal_ += principal;
    if (savedPayment_ != 0) {
        in_.Payment = savedPayment_;
        savedPayment_ = 0;
    }

    Date paidOn = paymentDate_;
    paymentDate_ =
        NextDueDate(AddInterval(paidOn, in_.DateInterval, in_.DateIntervalCount), paidOn);
    if (YearOf(paymentDate_) > YearOf(paidOn)) {
        if (!WriteYearSubtotal()) {
            return false;
        }
        yearInterest_ = 0;
        in_.CurrentYear = static_cast<int16_t>(in_.CurrentYear + 1);
    }
    in_.CurrentMonth = static_cast<int16_t>(MonthOf(paymentDate_));

    if (balance == 0 && i != count_) {
        index_ = count_;
        in_.TermMonths = static_cast<int16_t>(RoundHalfEven(12.0 / in_.PaymentsPerYear * i));
    }
    return true;
}

// Adjusts the date one interval after the previous payment onto the loan's due day.
Date ScheduleWriter::NextDueDate(Date d, Date paidOn) {
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

Date ScheduleWriter::NextSemiMonthlyDate(Date d, Date paidOn) {
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

bool ScheduleWriter::WriteYearSubtotal() {
    if (!AllFinite({yearInterest_})) {
        return false;
    }
    file_.WriteMarker(work_marker::kYearTotal, false);
    file_.Write("Interest for " + FormatNumber(in_.CurrentYear, "####"),
                FormatNumber(yearInterest_, "###,###,###.00") + "*", " ", " ", " ");
    yearTotalWritten_ = true;
    return true;
}

bool ScheduleWriter::WriteTotalsAndNotes() {
    if (!AllFinite({totalPayments_, totalInterest_, totalPrincipal_})) {
        return false;
    }
    file_.WriteMarker(work_marker::kTotals, true);
    file_.Write("TOTALS", FormatNumber(totalPayments_, "###,######.00"),
                FormatNumber(totalInterest_, "##,######.00"),
                FormatNumber(totalPrincipal_, "###,######.00"), " ");
    if (in_.LoanAmount > 0) {
        file_.WriteMarker(work_marker::kFooter, true);
        file_.WriteLine("Note: Principal balance remaining at end of term = " +
                        FormatNumber(in_.LoanAmount, "$##,###,##0.00"));
    }
    if (liquidatedEarly_) {
        file_.WriteMarker(work_marker::kFooter, true);
        file_.WriteLine("Note: Payment schedule liquidated loan prior to specified term!");
        liquidatedEarly_ = false;
    }
    return true;
}

}  // namespace

std::optional<RunError> WriteSchedule(AmortInputs& inputs, SemiMonthlyChoice& semiMonthly,
                                      const std::filesystem::path& workFile,
                                      const ProgressCallback& progress, ScheduleRun* run) {
    WorkFileWriter file;
    if (auto error = file.Create(workFile)) {
        return error;
    }
    ScheduleWriter writer(inputs, semiMonthly, file, progress);
    std::optional<RunError> error = writer.Run(run);
    std::optional<RunError> closeError = file.Close();
    if (error || closeError) {
        RemoveFileQuietly(workFile);
        return error ? error : closeError;
    }
    return std::nullopt;
}

}  // namespace quorvia
