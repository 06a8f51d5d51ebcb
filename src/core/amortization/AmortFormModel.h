#pragma once
// The amortization form (Amort): the person enters the terms of one loan, the form keeps the
// fields tidy, tracks unsaved input, checks the payment dates, and on "&Okay" validates
// everything in a fixed order (AmortValidation), shows the payment or term validation filled
// in and hands the loan to the schedule runner.
//
// The model owns what the window shows; the window copies the person's typing in through
// SetFieldText (which runs the field's change handler), forwards each event to the handler of
// the same name and then shows the model's state again. Focus moves go through Ui::SetFocus
// with the control's name from AmortControls.h. Handlers that depend on where the focus goes
// next take that control's name (empty when unknown).
//
// Opening and closing belong to the main window: it sets FormOpen[1], disables mnuAmort and
// updates its commands before Form_Load, and closes the window when asked through the host.

#include <string>
#include <string_view>
#include <vector>

#include "core/amortization/AmortControls.h"
#include "core/amortization/AmortValidation.h"
#include "core/amortization/LoanFileEntries.h"
#include "core/base/Clock.h"
#include "core/base/Dates.h"
#include "core/base/KeyCodes.h"
#include "core/base/Ui.h"
#include "core/schedule/AmortInputs.h"
#include "core/schedule/ScheduleRunner.h"
#include "core/session/AppState.h"
#include "core/session/SaveQuestion.h"

namespace quorvia {

// What the form asks of the main window.
class AmortFormHost {
  public:
    virtual ~AmortFormHost() = default;
    // Runs File | Save As once the current handler has returned.
    virtual void QueueFileSaveAs() = 0;
    // Closes the amortization window; the window then runs Form_Unload.
    virtual void UnloadAmortForm() = 0;
    // Brings the main window's menu and toolbar in line with FormOpen.
    virtual void UpdateMainCommands() = 0;
};

// What the form's tag says: nothing, a loan data file being loaded into it, or the calculator
// having copied its loan into it (the first payment then lies one calculator period ahead).
enum class AmortFormTag { None, LoadingFile, FromCalculator };

// A period as AddInterval steps it: interval "m", "d", "ww" and a count.
struct DatePeriod {
    std::string interval;
    int count = 0;
};

class AmortFormModel {
  public:
    static constexpr int kBackspaceKey = key_code::kBackspace;
    static constexpr int kEnterKey = key_code::kEnter;
    static constexpr int kEscKey = key_code::kEsc;
    static constexpr int kDataTab = 0;
    static constexpr int kStyleTab = 1;
    static constexpr std::string_view kFundingLabel = "Loan funding date:";

    using TextBox = AmortTextBox;
    struct ComboBox {
        std::vector<std::string> list;
        int listIndex = -1;  // -1: nothing selected
        bool visible = false;
        bool enabled = true;
    };
    struct ButtonTips {
        std::string comOK;
        std::string comClr;
        std::string comQuit;
    };

    AmortFormModel(AppState& state, Ui& ui, Clock today, ScheduleRunner& runner,
                   AmortFormHost& host);

    // The window's state.
    TextBox txtName;
    TextBox txtAmount{"0.00"};
    TextBox txtRate{"0.0000"};
    TextBox txtTerm;
    TextBox txtPymt1;
    TextBox txtPymt{"0.00"};
    TextBox txtNoInt{"0"};
    TextBox txtStartDt;
    TextBox txtOdd;
    std::string lblOdd = "Loan funding date:";
    int optCalc = 0;  // 0 equal 30-day months, 1 exact number of days
    int optFreq = kMonthly;
    ComboBox cboSemiMthly;
    int chkFix = 0;
    int chkBalDue = 0;
    int chkNbrPymts = 0;
    int optStyle = kColumnarNoGrid;
    int Tab = kDataTab;
    std::string comClrCaption = "Clear &Values";
    ButtonTips ToolTips;
    std::string pnlStatus;
    AmortFormTag Tag = AmortFormTag::None;
    // With the tag FromCalculator: how far ahead of today the first payment lies.
    DatePeriod CalculatorPeriod;

    // Form-level state.
    int AcceptedStyle = kColumnarNoGrid;
    int SelectedStyle = kColumnarNoGrid;
    std::vector<std::string> DueDatePairCaptions;
    bool WarningShown = false;
    bool SuppressChangeTracking = false;
    std::string SavedFieldText;
    int FrequencyFrameTag = kMonthly;  // the frequency remembered by the frequency frame
    int CalcFrameTag = 0;              // the interest method remembered by its frame
    Date PaymentDate{};
    std::string ComputedDateText;  // today plus one period, as validation last worked it out

    // Opening, activation, closing.
    void Form_Load();
    void Form_Activate();
    // Returns whether the close is cancelled.
    bool Form_Unload();
    void ApplyToolTips();

    // Text fields.
    void Field_GotFocus(AmortField field);
    // Returns whether the key is swallowed.
    bool Field_KeyPress(AmortField field, int key);
    // Returns false when the field refuses its entry and keeps the focus.
    bool Field_LostFocus(AmortField field, std::string_view nextControl);
    void Field_Change(AmortField field);
    // Writes a field's text the way typing does: its change handler runs when the text differs.
    void SetFieldText(AmortField field, std::string text);
    TextBox& FieldOf(AmortField field) { return this->*FieldRow(field).box; }

    // Option buttons, the pair list and the check boxes.
    void optCalc_Click(int index);
    void optCalc_GotFocus(int index);
    bool optCalc_KeyPress(int key);
    void optCalc_LostFocus();
    void optFreq_Click(int index);
    void optFreq_GotFocus(int index);
    bool optFreq_KeyPress(int key);
    void optFreq_LostFocus(std::string_view nextControl);
    void cboSemiMthly_Click(int listIndex);
    void cboSemiMthly_GotFocus();
    void cboSemiMthly_LostFocus(std::string_view nextControl);
    void Check_Click(AmortCheck check, int value);
    void Check_GotFocus(AmortCheck check);
    bool Check_KeyPress(AmortCheck check, int key);
    void optStyle_Click(int index);
    void optStyle_GotFocus(int index);

    // The tab control and the command buttons.
    void vsTab_Switch(int newTab);
    void comOK_Click();
    void comClr_Click();
    void comQuit_Click();
    void comOK_GotFocus();
    void comClr_GotFocus();
    void comQuit_GotFocus();
    // Every field as a new loan has it: what Clear Values leaves once the input may go.
    void StartNewLoan();

    // Validation and computing (data tab).
    void ValidateAndCompute();

    // Payment dates.
    // Takes the pair from the list. With moveFocusOn the focus then goes to the payment field,
    // unless a file is being loaded or the focus is moving to the style tab.
    void SelectSemiMonthlyDates(bool moveFocusOn, std::string_view nextControl = {});
    enum class SnapCaller { FormDefaults, PairList };
    void SnapToDueDay(SnapCaller caller);
    void AdvanceToNextDueDay();
    void ComputedFirstPaymentDate();

    // For the loan data file: fills the form as a load does (the semi-monthly choice reset to
    // the stored pair, tag LoadingFile while the fields are written through their change handlers,
    // the data tab shown, InputUnsaved and the tag cleared afterwards), and reads the fifteen
    // values back for saving. FormOpen, the main window's commands and showing the window stay
    // with the caller.
    void FillFromLoanFile(const LoanFileEntries& entries);
    LoanFileEntries LoanFileEntriesFromForm() const;
    // What validation reads of the form: the loan as its fields stand.
    AmortEntries Entries() const;

  private:
    // The style tab's option buttons are the only ones with a tab index above 16; focus
    // moving to them skips the data tab's checks.
    static bool IsStyleOption(std::string_view control);
    void ApplyFormDefaults();
    void DefaultFirstPaymentDate();
    bool CheckDateField(AmortField field, std::string_view nextControl);
    // A number field's text as it shows once left: its value with the field's mask.
    std::string TidiedText(AmortField field);
    const PaymentFrequency& Frequency() const { return FrequencyOf(optFreq); }
    Date Today() const { return today_(); }
    Date TodayPlusOnePeriod() const;
    void Focus(AmortControl control) { ui_.SetFocus(ControlName(control)); }
    void Focus(AmortControl group, int option) { ui_.SetFocus(OptionName(group, option)); }
    void ShowStartField(bool exactDays, std::string_view fundingLabel);
    void SwitchToExactDays();
    void ClearForm();
    bool InputMayGo(SaveDefault defaultButton, bool closing);
    void ShowTab(int tab);
    bool KeyActsAsTab(AmortControl control, int key);
    AmortControl NextInTabOrder(AmortControl control) const;
    void ShowValidated(const AmortValidationResult& result);
    void SetFirstPaymentDate(Date date);
    void AdvancePastFunding(Date funding, bool includeFundingDay);
    void CheckBiWeeklyFirstPayment(bool focusFirstPayment);
    static bool IsOtherCommandButton(std::string_view control);

    AppState& state_;
    Ui& ui_;
    Clock today_;
    ScheduleRunner& runner_;
    AmortFormHost& host_;

    // The record validation built and handed to the runner last.
    AmortInputs inputs_;
};

}  // namespace quorvia
