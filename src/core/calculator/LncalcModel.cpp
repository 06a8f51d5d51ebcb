#include "core/calculator/LncalcModel.h"

#include <string_view>

#include "core/amortization/PaymentDates.h"
#include "core/base/Dates.h"
#include "core/base/EntryNumbers.h"
#include "core/base/FormTexts.h"
#include "core/base/NumberText.h"
#include "core/schedule/AmortInputs.h"

namespace quorvia {

namespace {

constexpr std::string_view kNoPrincipal = "No principal amount entered!";
constexpr std::string_view kOverwriteQuestion =
    "You have not saved your input on the current Amortization form.  Do you want to save it "
    "now (before it is overwritten)?";

}  // namespace

LncalcModel::LncalcModel(AppState& state, Ui& ui, Clock today, CalculatorHost& host)
    : CalculatorModel(state, ui), today_(std::move(today)), host_(host) {}

void LncalcModel::Form_Load() {
    CalculatorModel::Form_Load();
    host_.UpdateMainCommands();
}

void LncalcModel::ApplyToolTips() {
    Form_Activate(state_.ToolTipsChecked);
}

void LncalcModel::Form_Unload() {
    CalculatorModel::Form_Unload();
    host_.UpdateMainCommands();
}

void LncalcModel::cmdQuit_Click() {
    host_.UnloadCalcForm();
}

void LncalcModel::cmdCopy_Click() {
    ui_.SetFocus("txtLnAmt");
    DropPercentSign();
    std::optional<Entries> entries = ReadEntries();
    if (!entries) {
        return;
    }
    if (entries->amount == 0) {
        ui_.Beep();
        ui_.MsgBox({std::string(kNoPrincipal), "Unable to proceed...", MsgButtons::Ok,
                    MsgIcon::Information, 1});
        return;
    }
    bool wasOpen = state_.FormOpen[1];
    AmortFormModel& form = host_.LoadedAmortForm();
    if (wasOpen) {
        if (!AmortInputMayBeOverwritten()) {
            return;
        }
        state_.InputUnsaved = false;
    }
    CopyInto(form, *entries);
    state_.FormOpen[1] = true;
    host_.UpdateMainCommands();
    host_.BringAmortFormForward();
}

bool LncalcModel::AmortInputMayBeOverwritten() {
    if (!state_.InputUnsaved) {
        return true;
    }
    MsgAnswer answer = ui_.MsgBox({std::string(kOverwriteQuestion), "CAUTION",
                                   MsgButtons::YesNoCancel, MsgIcon::Question, 1});
    if (answer == MsgAnswer::Yes) {
        host_.QueueFileSaveAs();
    }
    return answer == MsgAnswer::No;
}

// The copied loan is the calculator's alone: the form starts a new loan, and every field the
// calculator does not fill keeps what a new loan has. The form hears each copied value as if
// typed, so the loan counts as unsaved input; its activation then reads the marker and dates
// the first payment one period ahead.
void LncalcModel::CopyInto(AmortFormModel& form, const Entries& entries) {
    form.StartNewLoan();
    form.SetFieldText(AmortField::Amount, FormatNumber(entries.amount, kAmountMask));
    form.SetFieldText(AmortField::Rate, RateFieldText(entries.ratePercent));
    form.SetFieldText(AmortField::Term, txtMonths);
    form.SetFieldText(AmortField::Payment,
                      FormatNumber(entries.payment, FieldRow(AmortField::Payment).mask));

    const PaymentFrequency& frequency = FrequencyOf(optFreq);
    form.optFreq_Click(frequency.index);
    if (frequency.index == kSemiMonthly) {
        form.cboSemiMthly.enabled = true;
    }
    if (frequency.paymentsPerYear > 12) {
        form.optCalc_Click(1);
    }

    DatePeriod period{std::string(frequency.dateInterval), frequency.dateIntervalCount};
    Date today = today_();
    form.SetFieldText(
        AmortField::FirstPayment,
        FormatDate(AddInterval(today, period.interval, period.count), kDateFieldText));
    form.SetFieldText(AmortField::FundingDate, FormatDate(today, kDateFieldText));
    form.Tag = AmortFormTag::FromCalculator;
    form.CalculatorPeriod = period;
}

}  // namespace quorvia
