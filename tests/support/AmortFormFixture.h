#pragma once
// The amortization form model with a scripted Ui, a fixed today (Tuesday, March 10, 1998), a
// runner that keeps the records it was handed and a host that counts what it was asked.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/amortization/AmortFormModel.h"
#include "support/ScriptedUi.h"

namespace quorvia::testing {

class RecordingRunner : public ScheduleRunner {
  public:
    void ComputeSchedule(AmortInputs& inputs) override { runs.push_back(inputs); }
    std::vector<AmortInputs> runs;
};

class RecordingHost : public AmortFormHost {
  public:
    void QueueFileSaveAs() override { ++saveAs; }
    void UnloadAmortForm() override { ++unloads; }
    void UpdateMainCommands() override { ++commandUpdates; }
    int saveAs = 0;
    int unloads = 0;
    int commandUpdates = 0;
};

inline Date FixedToday() {
    return MakeDate(1998, 3, 10);
}

class AmortFormTest : public ::testing::Test {
  protected:
    using F = AmortField;
    static constexpr int kEnter = AmortFormModel::kEnterKey;
    static constexpr int kEsc = AmortFormModel::kEscKey;

    void Open() {
        form.Form_Load();
        form.Form_Activate();
        ui.Clear();
    }

    // Types a field's text and leaves it towards `next`.
    void Type(AmortField field, const std::string& text, std::string_view next = "") {
        form.Field_GotFocus(field);
        form.SetFieldText(field, text);
        form.Field_LostFocus(field, next);
    }

    // A monthly loan that passes every check: 100,000 at 8.5 % for 360 months, payment left
    // to be computed, first payment on the date one month from today.
    void EnterPlainLoan() {
        Open();
        Type(F::Amount, "100000");
        Type(F::Rate, "8.5");
        Type(F::Term, "360");
        Type(F::FirstPayment, "04/10/1998");
        ui.Clear();
    }

    // A loan with exact days from a funding date.
    void UseExactDays(const std::string& funding) {
        form.optCalc_Click(1);
        form.optCalc_LostFocus();
        Type(F::FundingDate, funding);
    }

    void UseSemiMonthly(int listIndex) {
        form.optFreq_Click(kSemiMonthly);
        form.cboSemiMthly_Click(listIndex);
        form.SelectSemiMonthlyDates(false);
    }

    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (const Message& m : ui.messages) {
            titles.push_back(m.title);
        }
        return titles;
    }

    AppState state;
    ScriptedUi ui;
    RecordingRunner runner;
    RecordingHost host;
    AmortFormModel form{state, ui, FixedToday, runner, host};
};

}  // namespace quorvia::testing
