#pragma once
// The loan calculator as a window of the main window (form Lncalc): the calculator's fields
// and handlers (CalculatorModel), what its opening and closing do to the main window, and
// Copy Values, which carries the calculated loan into the amortization form.
//
// The main window opens the calculator: it disables mnuCalc, sets FormOpen[2] and updates its
// commands before Form_Load. The window shows tbCalc pressed while the calculator is the
// active window, so closing it leaves tbAmort pressed when the amortization form takes over.

#include "core/amortization/AmortFormModel.h"
#include "core/base/Clock.h"
#include "core/calculator/CalculatorModel.h"

namespace quorvia {

// What the calculator asks of the main window.
class CalculatorHost {
  public:
    virtual ~CalculatorHost() = default;
    // Brings the main window's menu and toolbar in line with FormOpen.
    virtual void UpdateMainCommands() = 0;
    // Runs File | Save As once the current handler has returned.
    virtual void QueueFileSaveAs() = 0;
    // Closes the calculator window; the window then runs Form_Unload.
    virtual void UnloadCalcForm() = 0;
    // The amortization form: the open one, or one loaded (its load step run) but not shown.
    virtual AmortFormModel& LoadedAmortForm() = 0;
    // Shows the amortization form and makes it the active window, so that its activation runs.
    virtual void BringAmortFormForward() = 0;
};

class LncalcModel : public CalculatorModel {
  public:
    LncalcModel(AppState& state, Ui& ui, Clock today, CalculatorHost& host);

    // A fresh calculator with the preferred rate and frequency; tbCopy is enabled.
    void Form_Load();
    // Gives the buttons their tool tips when Help | Show Tool Tips is checked.
    void ApplyToolTips();
    // The calculator is closing, whichever way: mnuCalc and tbCopy follow FormOpen again.
    void Form_Unload();

    void cmdQuit_Click();
    // Copy Values: the loan amount, rate, term, payment and frequency go to the amortization
    // form, with today as the funding date and the first payment one period later.
    void cmdCopy_Click();

  private:
    // False when the person keeps the amortization form's unsaved input (saving it first).
    bool AmortInputMayBeOverwritten();
    void CopyInto(AmortFormModel& form, const Entries& entries);

    Clock today_;
    CalculatorHost& host_;
};

}  // namespace quorvia
