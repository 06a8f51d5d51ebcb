#include <cctype>
#include <cmath>
#include <limits>

#include "core/amortization/AmortValidation.h"

#include "core/amortization/PaymentDates.h"
#include "core/base/EntryNumbers.h"
#include "core/base/FormTexts.h"
#include "core/base/NumberText.h"
#include "core/reports/PrintableAmounts.h"
#include "core/schedule/ScheduleEngine.h"

namespace quorvia {

namespace {

// A derived term above this many months is checked again from the start, against the maximum.
constexpr int kRecheckedTerm = 360;
// Odd days stand for less than a year between funding and the first payment.
constexpr double kMostOddDays = 365;

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

// A typed count as a 16-bit number, or nothing when it does not fit.
std::optional<int16_t> SixteenBitCount(std::string_view text) {
    double value = RoundHalfEven(NumericValue(text));
    if (!(std::fabs(value) <= std::numeric_limits<int16_t>::max())) {
        return std::nullopt;
    }
    return static_cast<int16_t>(value);
}

constexpr std::string_view kTooLargeTitle = "AMOUNT TOO LARGE";

std::string LargestPrinted(double amount) {
    return FormatNumber(amount, "###,###,##0.00");
}

std::optional<Message> AmountRefusal(std::string_view fieldName, std::string_view text) {
    std::optional<double> amount = AmountValue(text);
    if (!amount) {
        return NotANumberMessage(fieldName, kAmountExample);
    }
    if (FitsAReportColumn(std::fabs(*amount))) {
        return std::nullopt;
    }
    return Message{"The " + std::string(fieldName) + " entered is too large to print!" +
                       std::string(CrLf) + std::string(CrLf) + "Reports print amounts up to " +
                       LargestPrinted(kLargestPrintedAmount) + ".",
                   std::string(kTooLargeTitle), MsgButtons::Ok, MsgIcon::Exclamation, 1};
}

}  // namespace

std::optional<Message> EntryRefusal(AmortField field, std::string_view text) {
    switch (field) {
        case AmortField::Amount:
            return AmountRefusal("Loan Amount", text);
        case AmortField::Payment:
            return AmountRefusal("Periodic Payment", text);
        case AmortField::Rate:
            if (!RatePercent(text)) {
                return NotANumberMessage("Interest Rate", kRateExample);
            }
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

AmortValidation::AmortValidation(AppState& state, Ui& ui, Clock today)
    : state_(state), ui_(ui), today_(std::move(today)) {}

AmortValidationResult AmortValidation::Validate(const AmortEntries& entries) {
    result_ = AmortValidationResult{};
    result_.entries = entries;
    Outcome outcome = ValidationPass();
    while (outcome == Outcome::Restart) {
        outcome = ValidationPass();
    }
    if (outcome == Outcome::Continue) {
        result_.inputs = inputs_;
    }
    return std::move(result_);
}

AmortValidation::Outcome AmortValidation::ValidationPass() {
    using Step = Outcome (AmortValidation::*)();
    static constexpr std::array<Step, 21> kSteps{
        &AmortValidation::ReadFields,
        &AmortValidation::CheckTermLimit,
        &AmortValidation::CheckFundingGap,
        &AmortValidation::CheckFrequencyNeedsExactDays,
        &AmortValidation::CheckWeekday,
        &AmortValidation::SetStartValues,
        &AmortValidation::ReadPaymentOptions,
        &AmortValidation::CheckNoNegativeEntries,
        &AmortValidation::CheckOddDaysRange,
        &AmortValidation::CheckLoanAmount,
        &AmortValidation::CheckPaymentCoversInterest,
        &AmortValidation::CheckOrDeriveTerm,
        &AmortValidation::CheckFirstPaymentDay,
        &AmortValidation::CheckNoOddDays,
        &AmortValidation::CheckDueDayPair,
        &AmortValidation::FixPaymentDate,
        &AmortValidation::DerivePayment,
        &AmortValidation::CheckInterestFreeCount,
        &AmortValidation::CheckAmountsPrint,
        &AmortValidation::ConfirmPayOut,
        &AmortValidation::ReadReportOptions,
    };
    for (Step step : kSteps) {
        Outcome outcome = (this->*step)();
        if (outcome != Outcome::Continue) {
            return outcome;
        }
    }
    return Outcome::Continue;
}

AmortValidation::Outcome AmortValidation::StopWithError(const std::string& prompt, MsgIcon icon,
                                                        std::string focus, std::string_view title) {
    return StopWith({prompt, std::string(title), MsgButtons::Ok, icon, 1}, std::move(focus));
}

AmortValidation::Outcome AmortValidation::StopWith(const Message& message, std::string focus) {
    ui_.Beep();
    ui_.MsgBox(message);
    return Stop(std::move(focus));
}

// An entry the field refuses when it is left can still reach validation: loaded from a file,
// or left for Clear or Quit.
AmortValidation::Outcome AmortValidation::StopAtRefusedEntry(AmortField field) {
    if (std::optional<Message> refusal = EntryRefusal(field, Text(field))) {
        return StopWith(*refusal, std::string(ControlName(FieldRow(field).control)));
    }
    return Outcome::Continue;
}

AmortValidation::Outcome AmortValidation::Stop(std::string focus) {
    result_.focus = std::move(focus);
    return Outcome::Stop;
}

AmortValidation::Outcome AmortValidation::StopUnlessYes(const std::string& prompt,
                                                        std::string_view title, int defaultButton,
                                                        AmortControl focus) {
    MsgAnswer answer = ui_.MsgBox(
        {prompt, std::string(title), MsgButtons::YesNo, MsgIcon::Question, defaultButton});
    if (answer == MsgAnswer::Yes) {
        return Outcome::Continue;
    }
    return Stop(focus);
}

void AmortValidation::SetFirstPaymentDate(Date date) {
    result_.paymentDate = date;
    Text(AmortField::FirstPayment) = FormatDate(date, kDateFieldText);
}

// The date fields are normally checked when they lose the focus, but an entry can reach
// validation unchecked (right after a warning, or left empty): it stops here rather than
// schedule from a date that is not one.
std::optional<Date> AmortValidation::DateForValidation(AmortField field) {
    std::optional<Date> date = ParseDate(Text(field));
    if (date) {
        Text(field) = FormatDate(*date, kDateFieldText);
        return date;
    }
    if (field == AmortField::FirstPayment) {
        ui_.Beep();
    }
    ShowDateFormatWarning(ui_, field);
    Stop(FieldRow(field).control);
    return std::nullopt;
}

AmortValidation::Outcome AmortValidation::ReadFields() {
    inputs_ = AmortInputs{};
    for (AmortField field : {AmortField::Amount, AmortField::Rate}) {
        if (StopAtRefusedEntry(field) == Outcome::Stop) {
            return Outcome::Stop;
        }
    }
    inputs_.BorrowerName = Text(AmortField::Name);
    inputs_.ExactDays = result_.entries.optCalc == 1;
    inputs_.AmountText = Text(AmortField::Amount);
    inputs_.LoanAmount = *AmountValue(Text(AmortField::Amount));
    inputs_.AnnualRate = *RatePercent(Text(AmortField::Rate)) / 100;
    inputs_.RateText = Text(AmortField::Rate);
    std::optional<int16_t> term = SixteenBitCount(Text(AmortField::Term));
    termTooLarge_ = !term;
    inputs_.TermMonths = term.value_or(0);
    return Outcome::Continue;
}

AmortValidation::Outcome AmortValidation::CheckTermLimit() {
    if (NumericValue(Text(AmortField::Term)) < 0) {
        return StopWithError("Term cannot be negative!", MsgIcon::Critical, AmortControl::txtTerm);
    }
    if (termTooLarge_ || inputs_.TermMonths > kMaximumTermMonths) {
        return StopWithError("Maximum term is 600 months!", MsgIcon::Exclamation,
                             AmortControl::txtTerm);
    }
    return Outcome::Continue;
}

AmortValidation::Outcome AmortValidation::CheckFundingGap() {
    if (!inputs_.ExactDays) {
        return Outcome::Continue;
    }
    std::optional<Date> funding = DateForValidation(AmortField::FundingDate);
    if (!funding) {
        return Outcome::Stop;
    }
    std::optional<Date> first = DateForValidation(AmortField::FirstPayment);
    if (!first) {
        return Outcome::Stop;
    }
    funding_ = *funding;
    if (DaysBetween(funding_, *first) < 1) {
        ui_.Beep();
        ui_.MsgBox({"1st payment date LESS than 1 day after loan funding date.",
                    "CHECK DATES ENTERED", MsgButtons::Ok, MsgIcon::Exclamation, 1});
        return Stop(AmortControl::txtPymt1);
    }
    return Outcome::Continue;
}

AmortValidation::Outcome AmortValidation::CheckFrequencyNeedsExactDays() {
    ApplyFrequency(inputs_, result_.entries.optFreq);
    if (inputs_.PaymentsPerYear > 12 && !inputs_.ExactDays) {
        return StopWithError(
            "Bi-weekly and Semi-monthly payment schedules REQUIRE "
            "that interest be calculated using exact number "
            "of days.  (Enter loan funding date also.)",
            MsgIcon::Exclamation, OptionName(AmortControl::optCalc, 1), "CONFLICTING OPTIONS");
    }
    return Outcome::Continue;
}

AmortValidation::Outcome AmortValidation::CheckWeekday() {
    std::optional<Date> first = DateForValidation(AmortField::FirstPayment);
    if (!first) {
        return Outcome::Stop;
    }
    first_ = *first;
    if (result_.entries.optFreq == kSemiMonthly || !IsWeekend(first_)) {
        return Outcome::Continue;
    }
    return StopUnlessYes("The date of the 1st payment is not a weekday.  Is this okay?",
                         "CONFIRM DATE", 1, AmortControl::txtPymt1);
}

AmortValidation::Outcome AmortValidation::SetStartValues() {
    result_.paymentDate = first_;
    inputs_.CurrentMonth = static_cast<int16_t>(MonthOf(first_));
    inputs_.CurrentYear = CountingYear(first_);
    result_.computedDateText =
        FormatDate(ComputedFirstPaymentDate(today_(), result_.entries.optFreq,
                                            result_.entries.optCalc == 1, state_.SemiMonthly),
                   kDateFieldText);
    return Outcome::Continue;
}

AmortValidation::Outcome AmortValidation::ReadPaymentOptions() {
    if (StopAtRefusedEntry(AmortField::Payment) == Outcome::Stop) {
        return Outcome::Stop;
    }
    inputs_.Payment = *AmountValue(Text(AmortField::Payment));
    inputs_.OddDays = std::floor(NumericValue(Text(AmortField::OddDays)));
    inputs_.FixedPrincipal = result_.entries.chkFix == 1;
    inputs_.FixedPrincipalAmount = inputs_.FixedPrincipal ? inputs_.Payment : 0;
    inputs_.BalanceDueAtEnd = result_.entries.chkBalDue == 1;
    return Outcome::Continue;
}

// A negative amount, rate, payment or count of interest-free payments would only produce a
// schedule of nonsense figures (a negative loan, interest paid to the borrower).
AmortValidation::Outcome AmortValidation::CheckNoNegativeEntries() {
    struct Entry {
        double value;
        const char* prompt;
        AmortControl control;
    };
    const Entry entries[] = {
        {inputs_.LoanAmount, "Loan Amount cannot be negative!", AmortControl::txtAmount},
        {inputs_.AnnualRate, "Interest Rate cannot be negative!", AmortControl::txtRate},
        {inputs_.Payment, "Periodic Payment cannot be negative!", AmortControl::txtPymt},
        {NumericValue(Text(AmortField::InterestFree)),
         "The number of 'Interest Free' payments cannot be negative!", AmortControl::txtNoInt},
    };
    for (const Entry& entry : entries) {
        if (entry.value < 0) {
            return StopWithError(entry.prompt, MsgIcon::Critical, entry.control);
        }
    }
    return Outcome::Continue;
}

// Beyond a year of odd days the first payment's interest is no longer an adjustment, and a
// huge count overflows the money arithmetic.
AmortValidation::Outcome AmortValidation::CheckOddDaysRange() {
    if (!(std::fabs(inputs_.OddDays) <= kMostOddDays)) {
        return StopWithError("Odd days MUST be between -365 and 365!", MsgIcon::Critical,
                             AmortControl::txtOdd);
    }
    return Outcome::Continue;
}

AmortValidation::Outcome AmortValidation::CheckLoanAmount() {
    if (inputs_.LoanAmount == 0) {
        return StopWithError("Loan Amount MUST contain a value!", MsgIcon::Critical,
                             AmortControl::txtAmount);
    }
    return Outcome::Continue;
}

// With fixed principal payments the payment is the principal part and the interest comes on
// top of it, so a payment below one period's interest still pays the loan down.
AmortValidation::Outcome AmortValidation::CheckPaymentCoversInterest() {
    if (inputs_.FixedPrincipal || inputs_.Payment <= 0 ||
        inputs_.LoanAmount * inputs_.PeriodicRate <= inputs_.Payment) {
        return Outcome::Continue;
    }
    ui_.Beep();
    return StopUnlessYes("Accrued interest due exceeds payment amount!" + std::string(CrLf) +
                             std::string(CrLf) + "Do you want a 'negative' amortization?",
                         "PAYMENT TOO LOW", 2, AmortControl::txtPymt);
}

AmortValidation::Outcome AmortValidation::CheckOrDeriveTerm() {
    if (inputs_.TermMonths != 0) {
        return Outcome::Continue;
    }
    if (!inputs_.FixedPrincipal) {
        return StopWithError("  Term MUST contain a value except" + std::string(CrLf) +
                                 "when using 'Fixed Principal Payments'",
                             MsgIcon::Critical, AmortControl::txtTerm);
    }
    if (inputs_.Payment <= 0) {
        return Outcome::Continue;
    }
    // A derived term too large for a 16-bit count is certainly above the maximum.
    if (DeriveMissingPaymentOrTerm(inputs_).error) {
        return StopWithError("Maximum term is 600 months!", MsgIcon::Exclamation,
                             AmortControl::txtTerm);
    }
    Text(AmortField::Term) = FormatNumber(inputs_.TermMonths, kCountMask);
    return inputs_.TermMonths > kRecheckedTerm ? Outcome::Restart : Outcome::Continue;
}

AmortValidation::Outcome AmortValidation::CheckFirstPaymentDay() {
    inputs_.DueDay = static_cast<int16_t>(DayOf(first_));
    return Outcome::Continue;
}

AmortValidation::Outcome AmortValidation::CheckNoOddDays() {
    const std::string& computed = *result_.computedDateText;
    if (inputs_.ExactDays || inputs_.OddDays != 0 || Text(AmortField::FirstPayment) == computed) {
        return Outcome::Continue;
    }
    const std::string& date = Text(AmortField::FirstPayment);
    std::string crlf(CrLf);
    ui_.Beep();
    return StopUnlessYes("1st payment date is entered as " + date + ", with NO odd days." + crlf +
                             crlf + "(The 'computed' 1st payment date would be " + computed +
                             ", based on today's date.)" + crlf + crlf + std::string(17, ' ') +
                             "IS THE " + date + " DATE CORRECT?",
                         "W A R N I N G", 2, AmortControl::txtPymt1);
}

AmortValidation::Outcome AmortValidation::CheckDueDayPair() {
    if (!inputs_.ExactDays || result_.entries.optFreq != kSemiMonthly) {
        return Outcome::Continue;
    }
    SemiMonthlyChoice& choice = state_.SemiMonthly;
    if (choice[1] == 0 || choice[2] == 0) {
        if (choice[0] < 1 || choice[0] > 4) {
            choice[0] = 1;
        }
        TakePairFromList(result_.entries.pairListIndex, choice);
    }
    if (OnDueDayPair(first_, choice)) {
        choice[3] = DayOf(first_) == choice[1] ? 1 : 2;
        return Outcome::Continue;
    }
    std::string_view caption =
        kDueDatePairCaptions[choice[0] >= 1 && choice[0] <= 4 ? choice[0] - 1 : 0];
    Outcome outcome = StopUnlessYes(
        "1st payment date entered (" + Text(AmortField::FirstPayment) +
            ") does not match either of the payment due dates you selected (" +
            std::string(caption) + ").  Do you want me to correct the 1st payment date?",
        "PAYMENT DATE CONFLICT", 1, AmortControl::txtPymt1);
    if (outcome != Outcome::Continue) {
        return outcome;
    }
    first_ = CorrectedToDueDayPair(first_, funding_, choice);
    SetFirstPaymentDate(first_);
    inputs_.CurrentMonth = static_cast<int16_t>(MonthOf(first_));
    inputs_.CurrentYear = CountingYear(first_);
    return Outcome::Continue;
}

AmortValidation::Outcome AmortValidation::FixPaymentDate() {
    result_.paymentDate = first_;
    inputs_.FirstPaymentDate = first_;
    inputs_.FirstPaymentDateText = Text(AmortField::FirstPayment);
    inputs_.FundingDateText = Text(AmortField::FundingDate);
    return Outcome::Continue;
}

AmortValidation::Outcome AmortValidation::DerivePayment() {
    if (inputs_.Payment != 0) {
        return Outcome::Continue;
    }
    Derivation derivation = DeriveMissingPaymentOrTerm(inputs_);
    if (derivation.error) {
        return StopWithError(derivation.error->description, MsgIcon::Critical,
                             AmortControl::txtPymt);
    }
    if (!derivation.derived) {
        return StopWithError("Either Term OR Periodic Payment" + std::string(CrLf) +
                                 "          MUST contain a value!",
                             MsgIcon::Critical, AmortControl::txtPymt);
    }
    Text(AmortField::Payment) = FormatNumber(inputs_.Payment, "#####0.00");
    return Outcome::Continue;
}

AmortValidation::Outcome AmortValidation::CheckInterestFreeCount() {
    // A count beyond 16 bits is more than any schedule has, so it stands at the largest one.
    inputs_.InterestFreeCount = SixteenBitCount(Text(AmortField::InterestFree))
                                    .value_or(std::numeric_limits<int16_t>::max());
    double periods = inputs_.TermMonths / (12.0 / inputs_.PaymentsPerYear);
    int scheduled = static_cast<int>(std::floor(periods + 0.005));
    if (scheduled > inputs_.InterestFreeCount) {
        return Outcome::Continue;
    }
    std::string crlf(CrLf);
    ui_.Beep();
    return StopUnlessYes(
        "The number of 'Interest Free' payments (" + std::to_string(inputs_.InterestFreeCount) +
            ") equals or exceeds the number of periodic payments (" + std::to_string(scheduled) +
            ")." + crlf + crlf + "Do you really want to exclude ALL interest accruals?",
        "NO INTEREST ACCRUAL", 2, AmortControl::txtNoInt);
}

// The schedule is worked out once ahead of the run: an amount too large for its report column
// would print run into the next one.
AmortValidation::Outcome AmortValidation::CheckAmountsPrint() {
    AmortInputs trial = inputs_;
    SemiMonthlyChoice semiMonthly = state_.SemiMonthly;
    Schedule schedule;
    // A schedule that cannot be computed at all is the run's to report.
    if (ComputeSchedule(trial, semiMonthly, {}, schedule) || FitsTheReports(schedule)) {
        return Outcome::Continue;
    }
    std::string crlf(CrLf);
    return StopWith({"This loan's schedule holds amounts too large to print!" + crlf + crlf +
                         "Reports print amounts up to " + LargestPrinted(kLargestPrintedAmount) +
                         ", and a year's interest or a negative amount up to " +
                         LargestPrinted(kLargestMarkedAmount) + ".",
                     std::string(kTooLargeTitle), MsgButtons::Ok, MsgIcon::Exclamation, 1},
                    std::string(ControlName(AmortControl::txtAmount)));
}

AmortValidation::Outcome AmortValidation::ConfirmPayOut() {
    std::optional<int> months = MonthsToPayOut(inputs_);
    if (!months || *months + 1 >= inputs_.TermMonths) {
        return Outcome::Continue;
    }
    std::string crlf(CrLf);
    ui_.Beep();
    return StopUnlessYes("Loan will pay out in " + std::to_string(*months) +
                             " months (instead of " + std::to_string(inputs_.TermMonths) +
                             ") using a " + LowerCase(inputs_.FrequencyName) + " payment of " +
                             FormatNumber(inputs_.Payment, "$###,###,##0.00") + crlf + crlf +
                             "Is this what you really wanted?",
                         "PLEASE CONFIRM", 1, AmortControl::txtPymt);
}

AmortValidation::Outcome AmortValidation::ReadReportOptions() {
    inputs_.NumberPaymentRows = result_.entries.chkNbrPymts == 1;
    inputs_.SelectedStyle = static_cast<int16_t>(result_.entries.optStyle);
    return Outcome::Continue;
}

}  // namespace quorvia
