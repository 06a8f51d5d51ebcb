#include "core/calculator/CalculatorModel.h"

#include <cmath>
#include <optional>

#include "core/base/EntryNumbers.h"
#include "core/base/FormTexts.h"
#include "core/base/NumberText.h"
#include "core/base/Text.h"
#include "core/schedule/AmortInputs.h"

namespace quorvia {

namespace {

constexpr std::string_view kErrorTitle = "E R R O R   M E S S A G E";
constexpr std::string_view kMustEnterValues =
    "You MUST enter values before calculating ... only one field can have a 0 (zero) value.";
constexpr std::string_view kInterestExceeds = "Interest due EXCEEDS monthly payment!";

constexpr std::string_view kAmountTag =
    "Enter the amount of the loan proceeds (or zero to calculate)";
constexpr std::string_view kRateTag =
    "Enter the annual interest rate (note rate) or zero to calculate";
constexpr std::string_view kMonthsTag =
    "Enter the term of the loan (in months) or zero to calculate";
constexpr std::string_view kPaymentTag =
    "Enter the amount of scheduled payments or zero to calculate";
constexpr std::string_view kCalcTag =
    "Accepts entries & calculates 'zero' variable (or payment if no zero entry)";
constexpr std::string_view kCopyTag = "Copies entries to the Amortization Schedule form";
constexpr std::string_view kQuitTag = "Closes the Loan Calculator window";

constexpr std::string_view kPaymentMask = "######0.00";

// The arithmetic does not stop on a division by zero, the logarithm of a value that is not
// positive or an overflow: it goes on with infinities and NaNs. Every value of the solution
// passes through here, and one that is not a finite number fails the whole calculation.
class Checked {
  public:
    double operator()(double value) {
        failed_ = failed_ || !std::isfinite(value);
        return value;
    }
    double Log(double value) { return (*this)(value > 0 ? std::log(value) : NAN); }
    bool Failed() const { return failed_; }

  private:
    bool failed_ = false;
};

struct Solution {
    double amount;
    double payments;
    double payment;
    double growth;  // 1 + the periodic rate as a fraction
};

// The level-payment loan equation for amount P, periodic rate i in percent, n payments and
// payment A, each 0 when it is the quantity sought.
std::optional<Solution> SolveLoan(double P, double i, double n, double A) {
    Checked ok;
    double x = ok(i == 0 ? std::pow(n * A / (P + 0.1), 2 / (n + 0.1)) : 1 + i / 100);
    double r = x - 1;
    double a = ok((1 - ok(std::pow(x, -n))) / r) + (n == 0 ? 1 : 0);
    if (P == 0) {
        P = ok(A * a);
    }
    if (A == 0) {
        A = ok(P / a);
    }
    double q = ok(P / A);
    double termLog = ok.Log(1 - q * r);
    if (n == 0) {
        n = ok(-termLog / ok.Log(x));
    }
    for (int pass = 0; pass < 5; ++pass) {
        double slope = q - n * ok(std::pow(x, -(n + 1)));
        x = ok(x - (ok(std::pow(x, -n)) - 1 + q * r) / slope);
        r = x - 1;
    }
    if (ok.Failed()) {
        return std::nullopt;
    }
    return Solution{P, n, A, x};
}

double RoundToFourDecimals(double value) {
    return std::floor(value * 10000 + 0.5) / 10000;
}

// An amount or rate field: its control, the name its messages give it, and how it reads and
// shows its text.
struct NumberField {
    std::string_view control;
    std::string_view name;
    std::string_view example;
    std::optional<double> (*read)(std::string_view);
    std::string (*show)(double);
};

const NumberField kAmountField{"txtLnAmt", "Loan Amount", kAmountExample, AmountValue,
                               [](double amount) { return FormatNumber(amount, kAmountMask); }};
const NumberField kRateField{"txtRate", "Annual Interest Rate", kRateExample, RatePercent,
                             RateFieldText};
const NumberField kPaymentField{"txtPymt", "Periodic Payment", kAmountExample, AmountValue,
                                [](double payment) { return FormatNumber(payment, kPaymentMask); }};

// Tells the person that the field's entry is not a number and puts the focus on it.
void Refuse(Ui& ui, const NumberField& field) {
    ui.Beep();
    ui.MsgBox(NotANumberMessage(field.name, field.example));
    ui.SetFocus(field.control);
}

std::optional<double> Read(Ui& ui, const std::string& text, const NumberField& field) {
    std::optional<double> value = field.read(text);
    if (!value) {
        Refuse(ui, field);
    }
    return value;
}

// Leaving the field tidies its text. An entry that is not a number stays as typed, and unless the
// focus is on its way back to an entry just refused, or goes to Clear Values or Quit, the person
// is told and kept in the field.
void LeaveNumberField(Ui& ui, bool& warningShown, std::string& text, const NumberField& field,
                      std::string_view nextControl) {
    bool returningToRefusal = warningShown;
    warningShown = false;
    if (std::optional<double> value = field.read(text)) {
        text = field.show(*value);
    } else if (!returningToRefusal && nextControl != "cmdClear" && nextControl != "cmdQuit") {
        warningShown = true;
        Refuse(ui, field);
    }
}

}  // namespace

CalculatorModel::CalculatorModel(AppState& state, Ui& ui) : state_(state), ui_(ui) {}

std::string CalculatorModel::OptionName(int index) {
    return "optFreq(" + std::to_string(index) + ")";
}

void CalculatorModel::Form_Load() {
    ResetCalculator();
    pnlStatus.clear();
}

void CalculatorModel::Form_Activate(bool tipsChecked) {
    auto tip = [tipsChecked](std::string_view tag) { return ToolTipText(tipsChecked, tag); };
    ToolTips = {tip(kCalcTag), tip(kClearFormTip), tip(kCopyTag), tip(kQuitTag)};
}

void CalculatorModel::Form_Deactivate() {
    pnlStatus.clear();
}

void CalculatorModel::Form_Unload() {
    state_.FormOpen[2] = false;
}

void CalculatorModel::ResetCalculator() {
    txtLnAmt = "0.00";
    txtMonths = "0";
    txtPymt = "0.00";
    txtRate = Trim(state_.DefaultRate);
    optFreq = FrequencyOf(state_.DefaultFrequency).index;
}

bool CalculatorModel::cmdCalc_Click() {
    std::string failure(kMustEnterValues);
    DropPercentSign();
    std::optional<Entries> entries = ReadEntries();
    if (!entries) {
        return false;
    }
    double p = FrequencyOf(optFreq).paymentsPerYear;
    double P = entries->amount;
    double n = std::floor(NumericValue(txtMonths) / (12 / p));
    double A = entries->payment;
    double i = entries->ratePercent / p;
    if (n > 0 && P > 0 && i > 0 && A > 0) {
        A = 0;
    }
    if (A > 0 && P * i / 100 > A) {
        failure = kInterestExceeds;
    }

    std::optional<Solution> solution = SolveLoan(P, i, n, A);
    if (!solution) {
        ShowFailure(failure);
        return false;
    }
    txtLnAmt = FormatNumber(CentsHalfUp(solution->amount), kPaymentMask);
    txtMonths = GeneralNumber(CentsHalfUp(solution->payments * (12 / p)));
    txtPymt = FormatNumber(CentsHalfUp(solution->payment), kPaymentMask);
    txtRate = RateFieldText(RoundToFourDecimals((solution->growth - 1) * p * 100));
    ui_.SetFocus("txtLnAmt");
    return true;
}

std::optional<CalculatorModel::Entries> CalculatorModel::ReadEntries() {
    std::optional<double> amount = Read(ui_, txtLnAmt, kAmountField);
    if (!amount) {
        return std::nullopt;
    }
    std::optional<double> rate = Read(ui_, txtRate, kRateField);
    if (!rate) {
        return std::nullopt;
    }
    std::optional<double> payment = Read(ui_, txtPymt, kPaymentField);
    if (!payment) {
        return std::nullopt;
    }
    return Entries{*amount, *rate, *payment};
}

void CalculatorModel::DropPercentSign() {
    if (txtRate.ends_with('%')) {
        std::string plain = txtRate.substr(0, txtRate.size() - 1);
        if (RatePercent(plain) == RatePercent(txtRate)) {
            txtRate = std::move(plain);
        }
    }
}

void CalculatorModel::ShowFailure(const std::string& message) {
    ui_.MsgBox({message, std::string(kErrorTitle), MsgButtons::Ok, MsgIcon::Critical, 1});
    ui_.SetFocus("txtLnAmt");
}

void CalculatorModel::cmdClear_Click() {
    ResetCalculator();
    ui_.SetFocus("txtLnAmt");
}

void CalculatorModel::FieldGotFocus(const std::string& text, std::string_view status) {
    SavedFieldText = text;
    ui_.SelectAllText();
    pnlStatus = status;
}

bool CalculatorModel::FieldKeyPress(std::string& text, int key, std::string_view next) {
    if (key == kEnterKey) {
        ui_.SetFocus(next);
        return true;
    }
    if (key == kEscKey) {
        text = SavedFieldText;
        ui_.SelectAllText();
        return true;
    }
    return false;
}

void CalculatorModel::txtLnAmt_GotFocus() {
    FieldGotFocus(txtLnAmt, kAmountTag);
}
void CalculatorModel::txtRate_GotFocus() {
    FieldGotFocus(txtRate, kRateTag);
}
void CalculatorModel::txtMonths_GotFocus() {
    FieldGotFocus(txtMonths, kMonthsTag);
}
void CalculatorModel::txtPymt_GotFocus() {
    FieldGotFocus(txtPymt, kPaymentTag);
}

bool CalculatorModel::txtLnAmt_KeyPress(int key) {
    return FieldKeyPress(txtLnAmt, key, "txtRate");
}
bool CalculatorModel::txtRate_KeyPress(int key) {
    return FieldKeyPress(txtRate, key, "txtMonths");
}
bool CalculatorModel::txtMonths_KeyPress(int key) {
    return FieldKeyPress(txtMonths, key, "txtPymt");
}
bool CalculatorModel::txtPymt_KeyPress(int key) {
    return FieldKeyPress(txtPymt, key, OptionName(optFreq));
}

void CalculatorModel::txtLnAmt_LostFocus(std::string_view nextControl) {
    LeaveNumberField(ui_, WarningShown, txtLnAmt, kAmountField, nextControl);
}

void CalculatorModel::txtRate_LostFocus(std::string_view nextControl) {
    LeaveNumberField(ui_, WarningShown, txtRate, kRateField, nextControl);
}

void CalculatorModel::txtMonths_LostFocus(std::string_view /*nextControl*/) {
    WarningShown = false;
    txtMonths = FormatNumber(NumericValue(txtMonths), kCountMask);
}

void CalculatorModel::txtPymt_LostFocus(std::string_view nextControl) {
    LeaveNumberField(ui_, WarningShown, txtPymt, kPaymentField, nextControl);
}

void CalculatorModel::optFreq_GotFocus(int index) {
    pnlStatus = FrequencyStatusText(index);
}

bool CalculatorModel::optFreq_KeyPress(int /*index*/, int key) {
    if (key != kEnterKey) {
        return false;
    }
    ui_.SetFocus("cmdCalc");
    return true;
}

void CalculatorModel::cmdCalc_GotFocus() {
    pnlStatus = kCalcTag;
}
void CalculatorModel::cmdClear_GotFocus() {
    pnlStatus = kClearFormTip;
}
void CalculatorModel::cmdCopy_GotFocus() {
    pnlStatus = kCopyTag;
}
void CalculatorModel::cmdQuit_GotFocus() {
    pnlStatus = kQuitTag;
}

}  // namespace quorvia
