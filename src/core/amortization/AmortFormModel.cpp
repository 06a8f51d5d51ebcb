#include "core/amortization/AmortFormModel.h"

#include <algorithm>
#include <array>

#include "core/base/NumberText.h"
#include "core/base/Text.h"

namespace quorvia {

namespace {

constexpr std::string_view kCalculatorTag = "LNCALC";

constexpr std::string_view kFundingLabelWithKey = "Loan funding &date:";
constexpr std::string_view kOddDaysLabel = "Odd &Days to 1st pymt:";
constexpr std::string_view kClearCaption = "Clear &Values";
constexpr std::string_view kCancelCaption = "&Cancel";

constexpr std::string_view kNameTag =
    "Enter borrower's name (or your organization's name)  to appear at top of printout "
    "(optional)";
constexpr std::string_view kAmountTag = "Enter the amount of the loan proceeds";
constexpr std::string_view kRateTag =
    "Enter the annual interest rate (APR) in the format 'xx.xxxx' (e.g.: 10.75)";
constexpr std::string_view kTermTag =
    "Enter the term of the loan (in months) or the number of months to a 'balloon' payment";
constexpr std::string_view kFirstPaymentTag =
    "Enter the month, day and year of the first scheduled loan payment";
constexpr std::string_view kPairTag =
    "Select the dates on which semi-monthly payments will be made!";
constexpr std::string_view kPaymentTag =
    "Enter the amount of scheduled payments (or zero to compute payment based on Term entered)";
constexpr std::string_view kInterestFreeTag =
    "Enter the NUMBER of payments to be made FREE of interest accrual(s)";
constexpr std::string_view kFundingTag =
    "Enter the date that loan proceeds will be disbursed (mm/dd/yy[yy])";
constexpr std::string_view kOddDaysTag =
    "Add or subtract (negative) number of days to 1st payment (based on payment frequency)";
constexpr std::array<std::string_view, 2> kCalcTags{
    "Calculate accrued interest using equal 30 day months (conventional amortization)",
    "Calculate accrued interest on exact number of days in payment period (bank method)",
};
constexpr std::array<std::string_view, 3> kCheckTags{
    "Use Periodic Payment as a 'fixed' principal pymt. & add accrued interest for each payment "
    "period",
    "Adjust last scheduled payment (+ or -) for full payout of remaining principal balance",
    "Print the sequential payment number to the left of each Due Date",
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
constexpr std::string_view kClearDataTip =
    "Clears all current entries and reinitializes form for new data";
constexpr std::string_view kClearStyleTip = "Restores the previous style selected";
constexpr std::string_view kQuitTip = "Closes the Amortization Schedule window";

constexpr std::string_view kNotSaved =
    "You have not saved your current input.  Do you want to do so now?";
constexpr std::string_view kStyleChanged =
    "Style was changed ... do you want to use the new style you selected?";

constexpr std::string_view kAmountMask = "########0.00";
constexpr std::string_view kPaymentMask = "#######0.00";
constexpr std::string_view kRateMask = "#0.0000";
constexpr std::string_view kCountMask = "##0";

// The data tab's controls in tab order, from the payment field on: where Enter goes when it
// acts as the Tab key.
constexpr std::array<std::string_view, 8> kTabOrderFromPayment{
    "txtPymt", "txtNoInt", "txtStartDt", "txtOdd", "chkFix", "chkBalDue", "chkNbrPymts", "comOK",
};

bool IsDigit(int key) {
    return key >= '0' && key <= '9';
}

}  // namespace

AmortFormModel::AmortFormModel(AppState& state, Ui& ui, Clock today, ScheduleRunner& runner,
                               AmortFormHost& host)
    : state_(state), ui_(ui), today_(std::move(today)), runner_(runner), host_(host) {}

std::string AmortFormModel::OptionName(std::string_view group, int index) {
    return std::string(group) + "(" + std::to_string(index) + ")";
}

bool AmortFormModel::IsStyleOption(std::string_view control) {
    return StartsWith(control, "optStyle(");
}

std::string_view AmortFormModel::ControlName(AmortField field) {
    switch (field) {
        case AmortField::Name:
            return "txtName";
        case AmortField::Amount:
            return "txtAmount";
        case AmortField::Rate:
            return "txtRate";
        case AmortField::Term:
            return "txtTerm";
        case AmortField::FirstPayment:
            return "txtPymt1";
        case AmortField::Payment:
            return "txtPymt";
        case AmortField::InterestFree:
            return "txtNoInt";
        case AmortField::FundingDate:
            return "txtStartDt";
        case AmortField::OddDays:
            return "txtOdd";
    }
    return "txtName";
}

AmortFormModel::TextBox& AmortFormModel::FieldOf(AmortField field) {
    switch (field) {
        case AmortField::Name:
            return txtName;
        case AmortField::Amount:
            return txtAmount;
        case AmortField::Rate:
            return txtRate;
        case AmortField::Term:
            return txtTerm;
        case AmortField::FirstPayment:
            return txtPymt1;
        case AmortField::Payment:
            return txtPymt;
        case AmortField::InterestFree:
            return txtNoInt;
        case AmortField::FundingDate:
            return txtStartDt;
        case AmortField::OddDays:
            return txtOdd;
    }
    return txtName;
}

int& AmortFormModel::CheckOf(AmortCheck check) {
    switch (check) {
        case AmortCheck::Fix:
            return chkFix;
        case AmortCheck::BalDue:
            return chkBalDue;
        case AmortCheck::NbrPymts:
            return chkNbrPymts;
    }
    return chkFix;
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
    auto tip = [this](std::string_view tag) {
        return state_.ToolTipsChecked ? " " + std::string(tag) + " " : std::string();
    };
    bool data = Tab == kDataTab;
    ToolTips = {tip(data ? kOkDataTip : kOkStyleTip), tip(data ? kClearDataTip : kClearStyleTip),
                tip(kQuitTip)};
}

void AmortFormModel::Form_Activate() {
    if (StartsWith(Tag, kCalculatorTag)) {
        std::string interval = Trim(Tag.substr(std::min<size_t>(6, Tag.size()), 2));
        int count = static_cast<int>(
            NumericValue(Tag.size() >= 2 ? std::string_view(Tag).substr(Tag.size() - 2) : ""));
        SuppressChangeTracking = true;
        PaymentDate = AddInterval(Today(), interval, count);
        SetFirstPaymentDate(PaymentDate);
        if (optFreq == kSemiMonthly) {
            SelectSemiMonthlyDates(false);
            SnapToDueDay(SnapCaller::FormDefaults);
        }
        SuppressChangeTracking = false;
        // The calculator's values are in place; a later activation must not move the first
        // payment date again.
        Tag.clear();
    }
    if (Tag != kOpenTag) {
        // Only a semi-monthly loan has a pair; the hidden list of any other stays deselected.
        if (optFreq == kSemiMonthly) {
            SelectSemiMonthlyDates(true);
        }
        ui_.SetFocus("txtName");
    }
    ApplyToolTips();
}

MsgAnswer AmortFormModel::AskToSaveInput(int defaultButton) {
    return ui_.MsgBox({std::string(kNotSaved), "CAUTION", MsgButtons::YesNoCancel,
                       MsgIcon::Question, defaultButton});
}

bool AmortFormModel::Form_Unload() {
    if (state_.InputUnsaved) {
        MsgAnswer answer = AskToSaveInput(1);
        if (answer == MsgAnswer::Yes) {
            host_.QueueFileSaveAs();
            return true;
        }
        if (answer == MsgAnswer::Cancel) {
            return true;
        }
    }
    state_.InputUnsaved = false;
    state_.FormOpen[1] = false;
    host_.UpdateMainCommands();
    return false;
}

void AmortFormModel::comQuit_Click() {
    if (state_.InputUnsaved) {
        MsgAnswer answer = AskToSaveInput(3);
        if (answer == MsgAnswer::Yes) {
            state_.MainTag = MainWindowTag::CloseAmortFormAfterSave;
            host_.QueueFileSaveAs();
            return;
        }
        if (answer == MsgAnswer::Cancel) {
            ui_.SetFocus("txtName");
            return;
        }
    }
    state_.InputUnsaved = false;
    host_.UnloadAmortForm();
}

void AmortFormModel::comClr_Click() {
    if (Tab == kStyleTab) {
        optStyle = AcceptedStyle;
        SelectedStyle = AcceptedStyle;
        return;
    }
    if (state_.InputUnsaved) {
        MsgAnswer answer = AskToSaveInput(1);
        if (answer == MsgAnswer::Yes) {
            ui_.SetFocus("txtName");
            host_.QueueFileSaveAs();
            return;
        }
        if (answer == MsgAnswer::Cancel) {
            ui_.SetFocus("txtName");
            return;
        }
    }
    state_.InputUnsaved = false;
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
    ui_.SetFocus("txtName");
}

void AmortFormModel::comOK_GotFocus() {
    pnlStatus = Tab == kDataTab ? kOkDataTip : kOkStyleTip;
}
void AmortFormModel::comClr_GotFocus() {
    pnlStatus = Tab == kDataTab ? kClearDataTip : kClearStyleTip;
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
    ui_.SetFocus("txtName");
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
    if (field == AmortField::FirstPayment && Tag == kOpenTag) {
        if (std::optional<Date> date = ParseDate(txtPymt1.text)) {
            PaymentDate = *date;
        }
    }
}

void AmortFormModel::Field_GotFocus(AmortField field) {
    SavedFieldText = FieldOf(field).text;
    ui_.SelectAllText();
    switch (field) {
        case AmortField::Name:
            pnlStatus = kNameTag;
            break;
        case AmortField::Amount:
            pnlStatus = kAmountTag;
            break;
        case AmortField::Rate:
            pnlStatus = kRateTag;
            break;
        case AmortField::Term:
            pnlStatus = kTermTag;
            break;
        case AmortField::FirstPayment:
            pnlStatus = kFirstPaymentTag;
            break;
        case AmortField::Payment:
            pnlStatus = kPaymentTag;
            break;
        case AmortField::InterestFree:
            pnlStatus = kInterestFreeTag;
            break;
        case AmortField::FundingDate:
            pnlStatus = kFundingTag;
            break;
        case AmortField::OddDays:
            pnlStatus = kOddDaysTag;
            break;
    }
}

bool AmortFormModel::Field_KeyPress(AmortField field, int key) {
    if (key == kEscKey) {
        SetFieldText(field, SavedFieldText);
        ui_.SelectAllText();
        return true;
    }
    if (key == kEnterKey) {
        switch (field) {
            case AmortField::Name:
                ui_.SetFocus(OptionName("optCalc", optCalc));
                return true;
            case AmortField::Amount:
                ui_.SetFocus("txtRate");
                return true;
            case AmortField::Rate:
                ui_.SetFocus("txtTerm");
                return true;
            case AmortField::Term:
                ui_.SetFocus("txtPymt1");
                return true;
            case AmortField::FirstPayment:
                ui_.SetFocus(OptionName("optFreq", optFreq));
                return true;
            case AmortField::FundingDate:
            case AmortField::OddDays:
                ui_.SetFocus("chkFix");
                return true;
            case AmortField::Payment:
            case AmortField::InterestFree:
                return KeyActsAsTab(ControlName(field), key);
        }
    }
    if (field == AmortField::Rate) {
        bool secondPoint = key == '.' && txtRate.text.find('.') != std::string::npos;
        return !(IsDigit(key) || key == kBackspaceKey || key == '.') || secondPoint;
    }
    if (field == AmortField::InterestFree) {
        return !(IsDigit(key) || key == kBackspaceKey);
    }
    return false;
}

bool AmortFormModel::KeyActsAsTab(std::string_view control, int key) {
    if (key != kEnterKey) {
        return false;
    }
    ui_.SetFocus(NextInTabOrder(control));
    return true;
}

std::string AmortFormModel::NextInTabOrder(std::string_view control) const {
    auto focusable = [this](std::string_view name) {
        if (name == "txtNoInt") {
            return txtNoInt.enabled;
        }
        if (name == "txtStartDt") {
            return txtStartDt.visible;
        }
        if (name == "txtOdd") {
            return txtOdd.visible;
        }
        return true;
    };
    bool after = false;
    for (std::string_view name : kTabOrderFromPayment) {
        if (after && focusable(name)) {
            return std::string(name);
        }
        after = after || name == control;
    }
    return "comOK";
}

void AmortFormModel::Field_LostFocus(AmortField field, std::string_view nextControl) {
    TextBox& box = FieldOf(field);
    switch (field) {
        case AmortField::Name:
            break;
        case AmortField::Amount:
            SetFieldText(field, FormatNumber(NumericValue(box.text), kAmountMask));
            break;
        case AmortField::Payment:
            SetFieldText(field, FormatNumber(NumericValue(box.text), kPaymentMask));
            break;
        case AmortField::Rate:
            SetFieldText(field, FormatNumber(NumericValue(box.text), kRateMask));
            WarningShown = false;
            if (!SuppressChangeTracking) {
                txtNoInt.enabled = NumericValue(txtRate.text) != 0;
            }
            break;
        case AmortField::Term:
        case AmortField::InterestFree:
        case AmortField::OddDays:
            SetFieldText(field, FormatNumber(NumericValue(box.text), kCountMask));
            break;
        case AmortField::FirstPayment:
        case AmortField::FundingDate:
            CheckDateField(field, nextControl);
            break;
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
    ui_.SetFocus("txtAmount");
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
        if (Tag != kOpenTag) {
            ui_.SetFocus("cboSemiMthly");
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
    ui_.SetFocus(optFreq == kSemiMonthly ? "cboSemiMthly" : "txtPymt");
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
    int& box = CheckOf(check);
    if (box != value && !SuppressChangeTracking) {
        state_.InputUnsaved = true;
    }
    box = value;
}

void AmortFormModel::Check_GotFocus(AmortCheck check) {
    pnlStatus = kCheckTags[static_cast<int>(check)];
}

bool AmortFormModel::Check_KeyPress(AmortCheck check, int key) {
    static constexpr std::array<std::string_view, 3> kNames{"chkFix", "chkBalDue", "chkNbrPymts"};
    return KeyActsAsTab(kNames[static_cast<int>(check)], key);
}

// ---- Loan data files ----------------------------------------------------------------------

void AmortFormModel::FillFromLoanFile(const LoanFileEntries& entries) {
    state_.SemiMonthly = {};
    state_.SemiMonthly[0] = static_cast<int16_t>(std::max<int>(1, entries.semiMonthlyPair));
    Tag = kOpenTag;
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
    Tag.clear();
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
