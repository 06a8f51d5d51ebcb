// "&Okay" on the data tab: every check in its fixed order, the derived payment or term written
// back, and the loan handed to the schedule runner. A stop leaves the focus on the field to
// correct and computes nothing.

#include <array>
#include <cctype>
#include <cmath>
#include <limits>

#include "core/amortization/AmortFormModel.h"
#include "core/amortization/PaymentDates.h"
#include "core/base/NumberText.h"
#include "core/schedule/ScheduleEngine.h"

namespace quorvia {

namespace {

constexpr int kMaximumTerm = 600;
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

}  // namespace

void AmortFormModel::ValidateAndCompute() {
    Outcome outcome = ValidationPass();
    while (outcome == Outcome::Restart) {
        outcome = ValidationPass();
    }
    if (outcome == Outcome::Stop) {
        return;
    }
    runner_.ComputeSchedule(Inputs);
    PaymentDate = first_;
    ui_.SetFocus("txtName");
}

AmortFormModel::Outcome AmortFormModel::ValidationPass() {
    using Step = Outcome (AmortFormModel::*)();
    static constexpr std::array<Step, 20> kSteps{
        &AmortFormModel::ReadFields,
        &AmortFormModel::CheckTermLimit,
        &AmortFormModel::CheckFundingGap,
        &AmortFormModel::CheckFrequencyNeedsExactDays,
        &AmortFormModel::CheckWeekday,
        &AmortFormModel::SetStartValues,
        &AmortFormModel::ReadPaymentOptions,
        &AmortFormModel::CheckNoNegativeEntries,
        &AmortFormModel::CheckOddDaysRange,
        &AmortFormModel::CheckLoanAmount,
        &AmortFormModel::CheckPaymentCoversInterest,
        &AmortFormModel::CheckOrDeriveTerm,
        &AmortFormModel::CheckFirstPaymentDay,
        &AmortFormModel::CheckNoOddDays,
        &AmortFormModel::CheckDueDayPair,
        &AmortFormModel::FixPaymentDate,
        &AmortFormModel::DerivePayment,
        &AmortFormModel::CheckInterestFreeCount,
        &AmortFormModel::ConfirmPayOut,
        &AmortFormModel::ReadReportOptions,
    };
    for (Step step : kSteps) {
        Outcome outcome = (this->*step)();
        if (outcome != Outcome::Continue) {
            return outcome;
        }
    }
    return Outcome::Continue;
}

AmortFormModel::Outcome AmortFormModel::StopWithError(const std::string& prompt, MsgIcon icon,
                                                      std::string_view focus,
                                                      std::string_view title) {
    ui_.Beep();
    ui_.MsgBox({prompt, std::string(title), MsgButtons::Ok, icon, 1});
    ui_.SetFocus(focus);
    return Outcome::Stop;
}

AmortFormModel::Outcome AmortFormModel::StopUnlessYes(const std::string& prompt,
                                                      std::string_view title, int defaultButton,
                                                      std::string_view focus) {
    MsgAnswer answer = ui_.MsgBox(
        {prompt, std::string(title), MsgButtons::YesNo, MsgIcon::Question, defaultButton});
    if (answer == MsgAnswer::Yes) {
        return Outcome::Continue;
    }
    ui_.SetFocus(focus);
    return Outcome::Stop;
}

// The date fields are normally checked when they lose the focus, but an entry can reach
// validation unchecked (right after a warning, or left empty): it stops here rather than
// schedule from a date that is not one.
std::optional<Date> AmortFormModel::DateForValidation(AmortField field) {
    std::optional<Date> date = ParseDate(FieldOf(field).text);
    if (date) {
        SetFieldText(field, FormatDate(*date, kDateFieldText));
        return date;
    }
    if (field == AmortField::FirstPayment) {
        ui_.Beep();
    }
    ShowDateFormatWarning(field);
    return std::nullopt;
}

AmortFormModel::Outcome AmortFormModel::ReadFields() {
    Inputs = AmortInputs{};
    Inputs.BorrowerName = txtName.text;
    Inputs.ExactDays = optCalc == 1;
    Inputs.AmountText = txtAmount.text;
    Inputs.LoanAmount = NumericValue(txtAmount.text);
    Inputs.AnnualRate = AnnualRateFromTyped(NumericValue(txtRate.text));
    Inputs.RateText = txtRate.text;
    std::optional<int16_t> term = SixteenBitCount(txtTerm.text);
    termTooLarge_ = !term;
    Inputs.TermMonths = term.value_or(0);
    return Outcome::Continue;
}

AmortFormModel::Outcome AmortFormModel::CheckTermLimit() {
    if (NumericValue(txtTerm.text) < 0) {
        return StopWithError("Term cannot be negative!", MsgIcon::Critical, "txtTerm");
    }
    if (termTooLarge_ || Inputs.TermMonths > kMaximumTerm) {
        return StopWithError("Maximum term is 600 months!", MsgIcon::Exclamation, "txtTerm");
    }
    return Outcome::Continue;
}

AmortFormModel::Outcome AmortFormModel::CheckFundingGap() {
    if (!Inputs.ExactDays) {
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
        ui_.SetFocus("txtPymt1");
        return Outcome::Stop;
    }
    return Outcome::Continue;
}

AmortFormModel::Outcome AmortFormModel::CheckFrequencyNeedsExactDays() {
    ApplyFrequency(Inputs, optFreq);
    if (Inputs.PaymentsPerYear > 12 && !Inputs.ExactDays) {
        return StopWithError(
            "Bi-weekly and Semi-monthly payment schedules REQUIRE "
            "that interest be calculated using exact number "
            "of days.  (Enter loan funding date also.)",
            MsgIcon::Exclamation, OptionName("optCalc", 1), "CONFLICTING OPTIONS");
    }
    return Outcome::Continue;
}

AmortFormModel::Outcome AmortFormModel::CheckWeekday() {
    std::optional<Date> first = DateForValidation(AmortField::FirstPayment);
    if (!first) {
        return Outcome::Stop;
    }
    first_ = *first;
    if (optFreq == kSemiMonthly || !IsWeekend(first_)) {
        return Outcome::Continue;
    }
    return StopUnlessYes("The date of the 1st payment is not a weekday.  Is this okay?",
                         "CONFIRM DATE", 1, "txtPymt1");
}

AmortFormModel::Outcome AmortFormModel::SetStartValues() {
    PaymentDate = first_;
    Inputs.CurrentMonth = static_cast<int16_t>(MonthOf(first_));
    Inputs.CurrentYear = CountingYear(first_);
    ComputedFirstPaymentDate();
    return Outcome::Continue;
}

AmortFormModel::Outcome AmortFormModel::ReadPaymentOptions() {
    Inputs.Payment = NumericValue(txtPymt.text);
    Inputs.OddDays = std::floor(NumericValue(txtOdd.text));
    Inputs.FixedPrincipal = chkFix == 1;
    Inputs.FixedPrincipalAmount = Inputs.FixedPrincipal ? Inputs.Payment : 0;
    Inputs.BalanceDueAtEnd = chkBalDue == 1;
    return Outcome::Continue;
}

// A negative amount, rate, payment or count of interest-free payments would only produce a
// schedule of nonsense figures (a negative loan, interest paid to the borrower).
AmortFormModel::Outcome AmortFormModel::CheckNoNegativeEntries() {
    struct Entry {
        double value;
        const char* prompt;
        const char* control;
    };
    const Entry entries[] = {
        {Inputs.LoanAmount, "Loan Amount cannot be negative!", "txtAmount"},
        {Inputs.AnnualRate, "Interest Rate cannot be negative!", "txtRate"},
        {Inputs.Payment, "Periodic Payment cannot be negative!", "txtPymt"},
        {NumericValue(txtNoInt.text), "The number of 'Interest Free' payments cannot be negative!",
         "txtNoInt"},
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
AmortFormModel::Outcome AmortFormModel::CheckOddDaysRange() {
    if (!(std::fabs(Inputs.OddDays) <= kMostOddDays)) {
        return StopWithError("Odd days MUST be between -365 and 365!", MsgIcon::Critical, "txtOdd");
    }
    return Outcome::Continue;
}

AmortFormModel::Outcome AmortFormModel::CheckLoanAmount() {
    if (Inputs.LoanAmount == 0) {
        return StopWithError("Loan Amount MUST contain a value!", MsgIcon::Critical, "txtAmount");
    }
    return Outcome::Continue;
}

// With fixed principal payments the payment is the principal part and the interest comes on
// top of it, so a payment below one period's interest still pays the loan down.
AmortFormModel::Outcome AmortFormModel::CheckPaymentCoversInterest() {
    if (Inputs.FixedPrincipal || Inputs.Payment <= 0 ||
        Inputs.LoanAmount * Inputs.PeriodicRate <= Inputs.Payment) {
        return Outcome::Continue;
    }
    ui_.Beep();
    return StopUnlessYes("Accrued interest due exceeds payment amount!" + std::string(CrLf) +
                             std::string(CrLf) + "Do you want a 'negative' amortization?",
                         "PAYMENT TOO LOW", 2, "txtPymt");
}

AmortFormModel::Outcome AmortFormModel::CheckOrDeriveTerm() {
    if (Inputs.TermMonths != 0) {
        return Outcome::Continue;
    }
    if (!Inputs.FixedPrincipal) {
        return StopWithError("  Term MUST contain a value except" + std::string(CrLf) +
                                 "when using 'Fixed Principal Payments'",
                             MsgIcon::Critical, "txtTerm");
    }
    if (Inputs.Payment <= 0) {
        return Outcome::Continue;
    }
    // A derived term too large for a 16-bit count is certainly above the maximum.
    if (DeriveMissingPaymentOrTerm(Inputs).error) {
        return StopWithError("Maximum term is 600 months!", MsgIcon::Exclamation, "txtTerm");
    }
    SetFieldText(AmortField::Term, FormatNumber(Inputs.TermMonths, "##0"));
    return Inputs.TermMonths > kRecheckedTerm ? Outcome::Restart : Outcome::Continue;
}

AmortFormModel::Outcome AmortFormModel::CheckFirstPaymentDay() {
    Inputs.DueDay = static_cast<int16_t>(DayOf(first_));
    return Outcome::Continue;
}

AmortFormModel::Outcome AmortFormModel::CheckNoOddDays() {
    if (Inputs.ExactDays || Inputs.OddDays != 0 || txtPymt1.text == ComputedDateText) {
        return Outcome::Continue;
    }
    const std::string& date = txtPymt1.text;
    std::string crlf(CrLf);
    ui_.Beep();
    return StopUnlessYes("1st payment date is entered as " + date + ", with NO odd days." + crlf +
                             crlf + "(The 'computed' 1st payment date would be " +
                             ComputedDateText + ", based on today's date.)" + crlf + crlf +
                             std::string(17, ' ') + "IS THE " + date + " DATE CORRECT?",
                         "W A R N I N G", 2, "txtPymt1");
}

AmortFormModel::Outcome AmortFormModel::CheckDueDayPair() {
    if (!Inputs.ExactDays || optFreq != kSemiMonthly) {
        return Outcome::Continue;
    }
    SemiMonthlyChoice& choice = state_.SemiMonthly;
    if (choice[1] == 0 || choice[2] == 0) {
        if (choice[0] < 1 || choice[0] > 4) {
            choice[0] = 1;
        }
        SelectSemiMonthlyDates(false);
    }
    if (PaymentDateOnPair(first_)) {
        choice[3] = DayOf(first_) == choice[1] ? 1 : 2;
        return Outcome::Continue;
    }
    std::string_view caption =
        kDueDatePairCaptions[choice[0] >= 1 && choice[0] <= 4 ? choice[0] - 1 : 0];
    Outcome outcome = StopUnlessYes(
        "1st payment date entered (" + txtPymt1.text +
            ") does not match either of the payment due dates you selected (" +
            std::string(caption) + ").  Do you want me to correct the 1st payment date?",
        "PAYMENT DATE CONFLICT", 1, "txtPymt1");
    if (outcome != Outcome::Continue) {
        return outcome;
    }
    choice[3] = DaysBetween(funding_, first_) > 2 ? 1 : 2;
    SetFirstPaymentDate(BuildDate(YearOf(first_), MonthOf(first_), choice[choice[3]]));
    // The corrected date can fall on or before the funding date (the first due day of the
    // month may lie before it); such a loan would start with negative interest, so the date
    // moves on to the next due day after the funding date.
    AdvancePastFunding(funding_, true);
    first_ = PaymentDate;
    Inputs.CurrentMonth = static_cast<int16_t>(MonthOf(first_));
    Inputs.CurrentYear = CountingYear(first_);
    return Outcome::Continue;
}

AmortFormModel::Outcome AmortFormModel::FixPaymentDate() {
    PaymentDate = first_;
    Inputs.FirstPaymentDate = first_;
    Inputs.FirstPaymentDateText = txtPymt1.text;
    Inputs.FundingDateText = txtStartDt.text;
    return Outcome::Continue;
}

AmortFormModel::Outcome AmortFormModel::DerivePayment() {
    if (Inputs.Payment != 0) {
        return Outcome::Continue;
    }
    Derivation derivation = DeriveMissingPaymentOrTerm(Inputs);
    if (derivation.error) {
        return StopWithError(derivation.error->description, MsgIcon::Critical, "txtPymt");
    }
    if (!derivation.derived) {
        return StopWithError("Either Term OR Periodic Payment" + std::string(CrLf) +
                                 "          MUST contain a value!",
                             MsgIcon::Critical, "txtPymt");
    }
    SetFieldText(AmortField::Payment, FormatNumber(Inputs.Payment, "#####0.00"));
    return Outcome::Continue;
}

AmortFormModel::Outcome AmortFormModel::CheckInterestFreeCount() {
    // A count beyond 16 bits is more than any schedule has, so it stands at the largest one.
    Inputs.InterestFreeCount =
        SixteenBitCount(txtNoInt.text).value_or(std::numeric_limits<int16_t>::max());
    double periods = Inputs.TermMonths / (12.0 / Inputs.PaymentsPerYear);
    int scheduled = static_cast<int>(std::floor(periods + 0.005));
    if (scheduled > Inputs.InterestFreeCount) {
        return Outcome::Continue;
    }
    std::string crlf(CrLf);
    ui_.Beep();
    return StopUnlessYes(
        "The number of 'Interest Free' payments (" + std::to_string(Inputs.InterestFreeCount) +
            ") equals or exceeds the number of periodic payments (" + std::to_string(scheduled) +
            ")." + crlf + crlf + "Do you really want to exclude ALL interest accruals?",
        "NO INTEREST ACCRUAL", 2, "txtNoInt");
}

AmortFormModel::Outcome AmortFormModel::ConfirmPayOut() {
    std::optional<int> months = MonthsToPayOut(Inputs);
    if (!months || *months + 1 >= Inputs.TermMonths) {
        return Outcome::Continue;
    }
    std::string crlf(CrLf);
    ui_.Beep();
    return StopUnlessYes("Loan will pay out in " + std::to_string(*months) +
                             " months (instead of " + std::to_string(Inputs.TermMonths) +
                             ") using a " + LowerCase(Inputs.FrequencyName) + " payment of " +
                             FormatNumber(Inputs.Payment, "$###,###,##0.00") + crlf + crlf +
                             "Is this what you really wanted?",
                         "PLEASE CONFIRM", 1, "txtPymt");
}

AmortFormModel::Outcome AmortFormModel::ReadReportOptions() {
    Inputs.NumberPaymentRows = chkNbrPymts == 1;
    Inputs.SelectedStyle = static_cast<int16_t>(optStyle);
    return Outcome::Continue;
}

}  // namespace quorvia
