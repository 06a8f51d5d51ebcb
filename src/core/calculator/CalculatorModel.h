#pragma once
// The loan calculator (form Lncalc): solves the level-payment loan equation for whichever of
// loan amount, annual rate, term and payment is left at zero, or recomputes the payment when
// all four are given.
//
// The model owns the state the window shows and implements the form's handlers; the window
// copies the person's typing into the field texts, forwards each event and then shows the
// model's state again. Focus moves go through Ui::SetFocus with the control's name
// ("txtRate", "cmdCalc"); an option button is named with its index, "optFreq(3)".
//
// The batch tool drives this model alone; the calculator window's opening, closing and Copy
// Values are LncalcModel's.

#include <optional>
#include <string>
#include <string_view>

#include "core/base/Ui.h"
#include "core/session/AppState.h"

namespace quorvia {

class CalculatorModel {
  public:
    static constexpr int kEnterKey = 13;
    static constexpr int kEscKey = 27;

    CalculatorModel(AppState& state, Ui& ui);

    // The texts of the four fields, as typed or as the calculator wrote them.
    std::string txtLnAmt = "0.00";
    std::string txtRate = "0.0000";
    std::string txtMonths = "0";
    std::string txtPymt = "0.00";
    // The selected payment frequency, 1 to 6.
    int optFreq = 1;
    std::string pnlStatus;
    // The text the field that got the focus last held at that moment; Esc brings it back.
    std::string SavedFieldText;

    struct ButtonTips {
        std::string cmdCalc;
        std::string cmdClear;
        std::string cmdCopy;
        std::string cmdQuit;
    };
    ButtonTips ToolTips;

    void Form_Load();
    // Called with the check mark of Help | Show Tool Tips.
    void Form_Activate(bool tipsChecked);
    void Form_Deactivate();
    void Form_Unload();

    // Puts the fields back to their starting values and the preferred rate and frequency.
    void ResetCalculator();

    // Solves for the field left at zero and writes all four back; on a failure it tells the
    // person and leaves the results as they were. Returns whether the fields hold a result.
    bool cmdCalc_Click();
    void cmdClear_Click();

    void txtLnAmt_GotFocus();
    void txtRate_GotFocus();
    void txtMonths_GotFocus();
    void txtPymt_GotFocus();

    // Each returns whether the key was swallowed (Enter and Esc are, every other key goes on).
    bool txtLnAmt_KeyPress(int key);
    bool txtRate_KeyPress(int key);
    bool txtMonths_KeyPress(int key);
    bool txtPymt_KeyPress(int key);

    // Each tidies its field, given the control the focus goes to (empty when unknown). An
    // amount or rate that is not a number stays as typed, and the person is told and kept in
    // the field unless the focus goes to Clear Values or Quit.
    void txtLnAmt_LostFocus(std::string_view nextControl = {});
    void txtRate_LostFocus(std::string_view nextControl = {});
    void txtMonths_LostFocus(std::string_view nextControl = {});
    void txtPymt_LostFocus(std::string_view nextControl = {});

    void optFreq_GotFocus(int index);
    bool optFreq_KeyPress(int index, int key);

    void cmdCalc_GotFocus();
    void cmdClear_GotFocus();
    void cmdCopy_GotFocus();
    void cmdQuit_GotFocus();

    // The control name of an option button for Ui::SetFocus: "optFreq(3)".
    static std::string OptionName(int index);

  private:
    void FieldGotFocus(const std::string& text, std::string_view status);
    bool FieldKeyPress(std::string& text, int key, std::string_view next);
    void ShowFailure(const std::string& message);

    // True from a refused entry until the next field is left: the field the focus leaves on
    // its way back to the refused one is not checked itself.
    bool WarningShown = false;

  protected:
    // The amount, rate in percent and payment as the fields hold them.
    struct Entries {
        double amount;
        double ratePercent;
        double payment;
    };
    // The entries, or nothing when one is not a number: the person is told and the focus goes
    // to its field.
    std::optional<Entries> ReadEntries();
    // One trailing "%" leaves the rate field when the rate reads the same without it; below
    // 1 % the number alone would read as a fraction, so the sign stays.
    void DropPercentSign();

    AppState& state_;
    Ui& ui_;
};

}  // namespace quorvia
