#include "core/amortization/AmortFormModel.h"

#include <algorithm>
#include <array>

#include "core/amortization/PaymentDates.h"
#include "core/base/EntryNumbers.h"
#include "core/base/FormTexts.h"
#include "core/base/NumberText.h"
#include "core/base/Text.h"
#include "core/session/SaveQuestion.h"

namespace quorvia {

namespace {

constexpr std::string_view kFundingLabelWithKey = "Loan funding &date:";
constexpr std::string_view kOddDaysLabel = "Odd &Days to 1st pymt:";
constexpr std::string_view kClearCaption = "Clear &Values";
constexpr std::string_view kCancelCaption = "&Cancel";

constexpr std::string_view kPairTag =
    "Select the dates on which semi-monthly payments will be made!";
constexpr std::array<std::string_view, 2> kCalcTags{
    "Calculate accrued interest using equal 30 day months (conventional amortization)",
    "Calculate accrued interest on exact number of days in payment period (bank method)",
};
constexpr std::array<std::string_view, 4> kStyleTags{
    "Print the Amortization Schedule in a classic columnar format with NO grid dislpayed",
    "Print the Amortization Schedule in columnar format enclosed in a grid",
    "Print the Amortization Schedule in columnar format enclosed in a grid with shaded headings",
    "Print the year-end and grand totals ONLY",
};
constexpr std::string_view kOkDataTip =
    "Accepts current entries, calculates Periodic Payment (if '0.00'), and displays schedule";
constexpr std::string_view kOkStyleTip = "Accepts selected style and returns to the Data tab";
constexpr std::string_view kClearStyleTip = "Restores the previous style selected";
constexpr std::string_view kQuitTip = "Closes the Amortization Schedule window";

constexpr std::string_view kStyleChanged =
    "Style was changed ... do you want to use the new style you selected?";

// The data tab's controls in tab order, from the payment field on: where Enter goes when it
// acts as the Tab key.
constexpr std::array<AmortControl, 8> kTabOrderFromPayment{
    AmortControl::txtPymt, AmortControl::txtNoInt,  AmortControl::txtStartDt,  AmortControl::txtOdd,
    AmortControl::chkFix,  AmortControl::chkBalDue, AmortControl::chkNbrPymts, AmortControl::comOK,
};

bool IsDigit(int key) {
    return key >= '0' && key <= '9';
}

}  // namespace

AmortFormModel::AmortFormModel(AppState& state, Ui& ui, Clock today, ScheduleRunner& runner,
                               AmortFormHost& host)
    : state_(state), ui_(ui), today_(std::move(today)), runner_(runner), host_(host) {}

bool AmortFormModel::IsStyleOption(std::string_view control) {
    return StartsWith(control, std::string(ControlName(AmortControl::optStyle)) + "(");
}

Date AmortFormModel::TodayPlusOnePeriod() const {
    return AddInterval(Today(), Frequency().dateInterval, Frequency().dateIntervalCount);
}

// ---- Opening, activation, closing -------------------------------------------------------

void AmortFormModel::Form_Load() {
    host_.UpdateMainCommands();
    SuppressChangeTracking = true;
    ApplyFormDefaults();
    FrequencyFrameTag = optFreq;
    CalcFrameTag = optCalc;
    ShowTab(kDataTab);
    SuppressChangeTracking = false;
}

void AmortFormModel::ApplyFormDefaults() {
    SetFieldText(AmortField::Name,
                 state_.PrintCompanyFooter ? std::string() : Trim(state_.CompanyNames[0]));
    SetFieldText(AmortField::Rate, Trim(state_.DefaultRate));
    // The first payment date is one period ahead, so the frequency comes first.
    optFreq = FrequencyOf(state_.DefaultFrequency).index;
    DefaultFirstPaymentDate();
    SetFieldText(AmortField::InterestFree, "0");
    txtNoInt.enabled = true;
    chkFix = state_.DefaultFixedPrincipal != 0 ? 1 : 0;
    chkBalDue = state_.DefaultFullPayout != 0 ? 1 : 0;
    chkNbrPymts = state_.NumberPayments ? 1 : 0;
    optStyle = kColumnarNoGrid;
    SelectedStyle = kColumnarNoGrid;
    optStyle_Click(state_.ReportStyle);
    AcceptedStyle = SelectedStyle;
    optCalc = state_.DefaultCalcMethod == 1 ? 1 : 0;
    ShowStartField(optCalc == 1, kFundingLabel);
}

void AmortFormModel::ApplyToolTips() {
    auto tip = [this](std::string_view tag) { return ToolTipText(state_.ToolTipsChecked, tag); };
    bool data = Tab == kDataTab;
    ToolTips = {tip(data ? kOkDataTip : kOkStyleTip), tip(data ? kClearFormTip : kClearStyleTip),
                tip(kQuitTip)};
}

void AmortFormModel::Form_Activate() {
    if (Tag == AmortFormTag::FromCalculator) {
        SuppressChangeTracking = true;
        PaymentDate = AddInterval(Today(), CalculatorPeriod.interval, CalculatorPeriod.count);
        SetFirstPaymentDate(PaymentDate);
        if (optFreq == kSemiMonthly) {
            SelectSemiMonthlyDates(false);
            SnapToDueDay(SnapCaller::FormDefaults);
        }
        SuppressChangeTracking = false;
        // The calculator's values are in place; a later activation must not move the first
        // payment date again.
        Tag = AmortFormTag::None;
    }
    if (Tag != AmortFormTag::LoadingFile) {
        // Only a semi-monthly loan has a pair; the hidden list of any other stays deselected.
        if (optFreq == kSemiMonthly) {
            SelectSemiMonthlyDates(true);
        }
        Focus(AmortControl::txtName);
    }
    ApplyToolTips();
}

bool AmortFormModel::Form_Unload() {
    MsgAnswer answer = AskToSaveInput(state_, ui_, SaveDefault::Yes);
    if (answer == MsgAnswer::Yes) {
        host_.QueueFileSaveAs();
        return true;
    }
    if (answer == MsgAnswer::Cancel) {
        return true;
    }
    state_.InputUnsaved = false;
    state_.LoanFilePath.clear();
    state_.FormOpen[1] = false;
    host_.UpdateMainCommands();
    return false;
}

// The save question before the input is cleared or the form closed: false when the person
// cancels or saves first (File | Save As runs next; after a save for closing it closes the form).
bool AmortFormModel::InputMayGo(SaveDefault defaultButton, bool closing) {
    MsgAnswer answer = AskToSaveInput(state_, ui_, defaultButton);
    if (answer == MsgAnswer::No) {
        state_.InputUnsaved = false;
        return true;
    }
    bool saveToClose = answer == MsgAnswer::Yes && closing;
    if (saveToClose) {
        state_.MainTag = MainWindowTag::CloseAmortFormAfterSave;
    } else {
        Focus(AmortControl::txtName);
    }
    if (answer == MsgAnswer::Yes) {
        host_.QueueFileSaveAs();
    }
    return false;
}

void AmortFormModel::comQuit_Click() {
    if (InputMayGo(SaveDefault::Cancel, true)) {
        host_.UnloadAmortForm();
    }
}

void AmortFormModel::comClr_Click() {
    if (Tab == kStyleTab) {
        optStyle = AcceptedStyle;
        SelectedStyle = AcceptedStyle;
        return;
    }
    if (InputMayGo(SaveDefault::Yes, false)) {
        StartNewLoan();
    }
}

// A new loan: File | Save asks for its name instead of offering to replace the last file.
void AmortFormModel::StartNewLoan() {
    state_.LoanFilePath.clear();
    SuppressChangeTracking = true;
    ClearForm();
    ApplyFormDefaults();
    SuppressChangeTracking = false;
}

// An empty first payment date makes the defaults set it to today plus one period, moved onto
// the due-day pair for a semi-monthly loan.
// Everything the person typed goes, so that no figure of the last loan slips into the next:
// the payment and the funding date too (the defaults then fund the new loan today).
void AmortFormModel::ClearForm() {
    SetFieldText(AmortField::Amount, "0.00");
    SetFieldText(AmortField::Term, "");
    SetFieldText(AmortField::FirstPayment, "");
    SetFieldText(AmortField::Payment, "0.00");
    SetFieldText(AmortField::FundingDate, "");
    SetFieldText(AmortField::OddDays, "");
}

void AmortFormModel::comOK_Click() {
    if (Tab == kDataTab) {
        ValidateAndCompute();
        return;
    }
    SelectedStyle = optStyle;
    if (SelectedStyle != AcceptedStyle) {
        state_.InputUnsaved = true;
    }
    AcceptedStyle = SelectedStyle;
    ShowTab(kDataTab);
    Focus(AmortControl::txtName);
}

void AmortFormModel::comOK_GotFocus() {
    pnlStatus = Tab == kDataTab ? kOkDataTip : kOkStyleTip;
}
void AmortFormModel::comClr_GotFocus() {
    pnlStatus = Tab == kDataTab ? kClearFormTip : kClearStyleTip;
}
void AmortFormModel::comQuit_GotFocus() {
    pnlStatus = kQuitTip;
}

// ---- The style tab ------------------------------------------------------------------------

void AmortFormModel::ShowTab(int tab) {
    Tab = tab;
    comClrCaption = tab == kDataTab ? kClearCaption : kCancelCaption;
    ApplyToolTips();
}

void AmortFormModel::vsTab_Switch(int newTab) {
    if (newTab == Tab) {
        return;
    }
    if (newTab == kStyleTab) {
        ShowTab(kStyleTab);
        return;
    }
    if (Tab == kStyleTab && SelectedStyle != AcceptedStyle) {
        MsgAnswer answer = ui_.MsgBox({std::string(kStyleChanged), "Confirm selection...",
                                       MsgButtons::YesNo, MsgIcon::None, 1});
        if (answer == MsgAnswer::Yes) {
            state_.InputUnsaved = true;
            AcceptedStyle = SelectedStyle;
        } else {
            SelectedStyle = AcceptedStyle;
            optStyle = AcceptedStyle;
        }
    }
    ShowTab(kDataTab);
    Focus(AmortControl::txtName);
}

void AmortFormModel::optStyle_Click(int index) {
    if (index >= kColumnarNoGrid && index <= kSummaryOnly) {
        optStyle = index;
        SelectedStyle = index;
    }
}

void AmortFormModel::optStyle_GotFocus(int index) {
    if (index >= kColumnarNoGrid && index <= kSummaryOnly) {
        pnlStatus = kStyleTags[index];
    }
}

// ---- Text fields --------------------------------------------------------------------------

void AmortFormModel::SetFieldText(AmortField field, std::string text) {
    TextBox& box = FieldOf(field);
    if (box.text == text) {
        return;
    }
    box.text = std::move(text);
    Field_Change(field);
}

void AmortFormModel::Field_Change(AmortField field) {
    if (!SuppressChangeTracking) {
        state_.InputUnsaved = true;
    }
    if (field == AmortField::FirstPayment && Tag == AmortFormTag::LoadingFile) {
        if (std::optional<Date> date = ParseDate(txtPymt1.text)) {
            PaymentDate = *date;
        }
    }
}

void AmortFormModel::Field_GotFocus(AmortField field) {
    SavedFieldText = FieldOf(field).text;
    ui_.SelectAllText();
    pnlStatus = FieldRow(field).status;
}

bool AmortFormModel::Field_KeyPress(AmortField field, int key) {
    const AmortFieldRow& row = FieldRow(field);
    if (key == kEscKey) {
        SetFieldText(field, SavedFieldText);
        ui_.SelectAllText();
        return true;
    }
    if (key == kEnterKey) {
        if (!row.enter) {
            return KeyActsAsTab(row.control, key);
        }
        if (*row.enter == AmortControl::optCalc || *row.enter == AmortControl::optFreq) {
            Focus(*row.enter, *row.enter == AmortControl::optCalc ? optCalc : optFreq);
        } else {
            Focus(*row.enter);
        }
        return true;
    }
    switch (row.keys) {
        case AmortKeys::Any:
            return false;
        case AmortKeys::Digits:
            return !(IsDigit(key) || key == kBackspaceKey);
        case AmortKeys::Decimal: {
            bool secondPoint = key == '.' && FieldOf(field).text.find('.') != std::string::npos;
            return !(IsDigit(key) || key == kBackspaceKey || key == '.') || secondPoint;
        }
    }
    return false;
}

bool AmortFormModel::KeyActsAsTab(AmortControl control, int key) {
    if (key != kEnterKey) {
        return false;
    }
    Focus(NextInTabOrder(control));
    return true;
}

AmortControl AmortFormModel::NextInTabOrder(AmortControl control) const {
    auto focusable = [this](AmortControl next) {
        switch (next) {
            case AmortControl::txtNoInt:
                return txtNoInt.enabled;
            case AmortControl::txtStartDt:
                return txtStartDt.visible;
            case AmortControl::txtOdd:
                return txtOdd.visible;
            default:
                return true;
        }
    };
    bool after = false;
    for (AmortControl next : kTabOrderFromPayment) {
        if (after && focusable(next)) {
            return next;
        }
        after = after || next == control;
    }
    return AmortControl::comOK;
}

bool AmortFormModel::Field_LostFocus(AmortField field, std::string_view nextControl) {
    const AmortFieldRow& row = FieldRow(field);
    if (row.mask == kDateFieldText) {
        return CheckDateField(field, nextControl);
    }
    if (row.mask.empty()) {
        return true;
    }
    // A field left while the focus returns to an entry just refused is not checked itself.
    bool returningToRefusal = WarningShown;
    WarningShown = false;
    if (std::optional<Message> refusal = EntryRefusal(field, FieldOf(field).text)) {
        if (returningToRefusal || IsOtherCommandButton(nextControl)) {
            return true;
        }
        WarningShown = true;
        ui_.Beep();
        ui_.MsgBox(*refusal);
        Focus(row.control);
        return false;
    }
    SetFieldText(field, TidiedText(field));
    if (field == AmortField::Rate && !SuppressChangeTracking) {
        txtNoInt.enabled = RatePercent(txtRate.text) != 0.0;
    }
    return true;
}

std::string AmortFormModel::TidiedText(AmortField field) {
    const std::string& text = FieldOf(field).text;
    switch (field) {
        case AmortField::Amount:
        case AmortField::Payment:
            return FormatNumber(AmountValue(text).value_or(0), FieldRow(field).mask);
        case AmortField::Rate:
            return RateFieldText(RatePercent(text).value_or(0));
        default:
            return FormatNumber(NumericValue(text), FieldRow(field).mask);
    }
}

// ---- The interest method ------------------------------------------------------------------

void AmortFormModel::ShowStartField(bool exactDays, std::string_view fundingLabel) {
    if (exactDays) {
        lblOdd = fundingLabel;
        SetFieldText(AmortField::OddDays, "");
        txtOdd.visible = false;
        txtStartDt.visible = true;
    } else {
        lblOdd = kOddDaysLabel;
        txtOdd.visible = true;
        txtStartDt.visible = false;
    }
}

void AmortFormModel::optCalc_Click(int index) {
    if (index != 0 && index != 1) {
        return;
    }
    optCalc = index;
    if (optCalc == 1 && PaymentDate.ok()) {
        SetFirstPaymentDate(PaymentDate);
    }
    ShowStartField(optCalc == 1, kFundingLabelWithKey);
}

void AmortFormModel::optCalc_GotFocus(int index) {
    pnlStatus = kCalcTags[index == 1 ? 1 : 0];
}

bool AmortFormModel::optCalc_KeyPress(int key) {
    if (key != kEnterKey) {
        return false;
    }
    Focus(AmortControl::txtAmount);
    return true;
}

void AmortFormModel::optCalc_LostFocus() {
    if (optCalc == 1 && PaymentDate.ok()) {
        SetFirstPaymentDate(PaymentDate);
    }
    ShowStartField(optCalc == 1, kFundingLabel);
    if (optCalc != CalcFrameTag) {
        state_.InputUnsaved = true;
    }
    CalcFrameTag = optCalc;
}

// ---- The frequency ------------------------------------------------------------------------

void AmortFormModel::optFreq_Click(int index) {
    if (index < 1 || index > static_cast<int>(kFrequencies.size())) {
        return;
    }
    optFreq = index;
    if (SuppressChangeTracking) {
        return;
    }
    if (optFreq == kSemiMonthly) {
        int pair = state_.SemiMonthly[0];
        cboSemiMthly.listIndex = pair >= 1 && pair <= 4 ? pair - 1 : -1;
        cboSemiMthly.visible = true;
        if (Tag != AmortFormTag::LoadingFile) {
            Focus(AmortControl::cboSemiMthly);
        }
    } else {
        cboSemiMthly.visible = false;
        cboSemiMthly.listIndex = -1;
    }
}

void AmortFormModel::optFreq_GotFocus(int index) {
    pnlStatus = FrequencyStatusText(index);
}

bool AmortFormModel::optFreq_KeyPress(int key) {
    if (key != kEnterKey) {
        return false;
    }
    Focus(optFreq == kSemiMonthly ? AmortControl::cboSemiMthly : AmortControl::txtPymt);
    return true;
}

void AmortFormModel::cboSemiMthly_Click(int listIndex) {
    if (listIndex < -1 || listIndex >= static_cast<int>(cboSemiMthly.list.size())) {
        return;
    }
    cboSemiMthly.listIndex = listIndex;
    if (!SuppressChangeTracking) {
        state_.InputUnsaved = true;
    }
}

void AmortFormModel::cboSemiMthly_GotFocus() {
    pnlStatus = kPairTag;
}

// ---- Check boxes --------------------------------------------------------------------------

void AmortFormModel::Check_Click(AmortCheck check, int value) {
    if (value != 0 && value != 1) {
        return;
    }
    int& box = this->*CheckRow(check).value;
    if (box != value && !SuppressChangeTracking) {
        state_.InputUnsaved = true;
    }
    box = value;
}

void AmortFormModel::Check_GotFocus(AmortCheck check) {
    pnlStatus = CheckRow(check).status;
}

bool AmortFormModel::Check_KeyPress(AmortCheck check, int key) {
    return KeyActsAsTab(CheckRow(check).control, key);
}

// ---- Validation ---------------------------------------------------------------------------

void AmortFormModel::ValidateAndCompute() {
    AmortValidationResult result = AmortValidation(state_, ui_, today_).Validate(Entries());
    ShowValidated(result);
    if (!result.inputs) {
        ui_.SetFocus(result.focus);
        return;
    }
    inputs_ = *result.inputs;
    runner_.ComputeSchedule(inputs_);
    PaymentDate = *result.paymentDate;
    Focus(AmortControl::txtName);
}

AmortEntries AmortFormModel::Entries() const {
    AmortEntries entries;
    for (size_t i = 0; i < kAmortFieldCount; ++i) {
        entries.texts[i] = (this->*FieldRow(static_cast<AmortField>(i)).box).text;
    }
    entries.optCalc = optCalc;
    entries.optFreq = optFreq;
    entries.pairListIndex = cboSemiMthly.listIndex;
    entries.chkFix = chkFix;
    entries.chkBalDue = chkBalDue;
    entries.chkNbrPymts = chkNbrPymts;
    entries.optStyle = optStyle;
    return entries;
}

// Validation tidies the date fields and may fill in the term or payment or correct the first
// payment date; the form shows them as if typed.
void AmortFormModel::ShowValidated(const AmortValidationResult& result) {
    for (size_t i = 0; i < kAmortFieldCount; ++i) {
        SetFieldText(static_cast<AmortField>(i), result.entries.texts[i]);
    }
    cboSemiMthly.listIndex = result.entries.pairListIndex;
    if (result.paymentDate) {
        PaymentDate = *result.paymentDate;
    }
    if (result.computedDateText) {
        ComputedDateText = *result.computedDateText;
    }
}

// ---- Loan data files ----------------------------------------------------------------------

void AmortFormModel::FillFromLoanFile(const LoanFileEntries& entries) {
    state_.SemiMonthly = {};
    state_.SemiMonthly[0] = static_cast<int16_t>(std::max<int>(1, entries.semiMonthlyPair));
    Tag = AmortFormTag::LoadingFile;
    SetFieldText(AmortField::Name, entries.name);
    SetFieldText(AmortField::Amount, entries.amount);
    SetFieldText(AmortField::Rate, entries.rate);
    SetFieldText(AmortField::Term, entries.term);
    optFreq_Click(entries.frequency);
    if (optFreq == kSemiMonthly) {
        cboSemiMthly_Click(state_.SemiMonthly[0] - 1);
    }
    SetFieldText(AmortField::FirstPayment, entries.firstPayment);
    SetFieldText(AmortField::Payment, entries.payment);
    Check_Click(AmortCheck::Fix, entries.fixedPrincipal);
    Check_Click(AmortCheck::BalDue, entries.fullPayout);
    Check_Click(AmortCheck::NbrPymts, entries.numberPayments);
    SetFieldText(AmortField::OddDays, entries.oddDays);
    SetFieldText(AmortField::FundingDate, entries.fundingDate);
    optCalc_Click(entries.interestMethod);
    optStyle_Click(entries.reportStyle);
    AcceptedStyle = SelectedStyle;
    FrequencyFrameTag = optFreq;
    CalcFrameTag = optCalc;
    ShowTab(kDataTab);
    state_.InputUnsaved = false;
    Tag = AmortFormTag::None;
}

LoanFileEntries AmortFormModel::LoanFileEntriesFromForm() const {
    LoanFileEntries entries;
    entries.name = txtName.text;
    entries.amount = txtAmount.text;
    entries.rate = txtRate.text;
    entries.term = txtTerm.text;
    entries.frequency = static_cast<int16_t>(optFreq);
    entries.semiMonthlyPair = state_.SemiMonthly[0];
    entries.firstPayment = txtPymt1.text;
    entries.payment = txtPymt.text;
    entries.fixedPrincipal = static_cast<int16_t>(chkFix);
    entries.fullPayout = static_cast<int16_t>(chkBalDue);
    entries.oddDays = txtOdd.text;
    entries.fundingDate = txtStartDt.text;
    entries.interestMethod = static_cast<int16_t>(optCalc);
    entries.numberPayments = static_cast<int16_t>(chkNbrPymts);
    entries.reportStyle = static_cast<int16_t>(optStyle);
    return entries;
}

}  // namespace quorvia
