#include "core/calculator/LncalcModel.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/base/EntryNumbers.h"
#include "support/AmortFormFixture.h"
#include "support/ScriptedUi.h"

namespace quorvia {
namespace {

using testing::FixedToday;
using testing::RecordingHost;
using testing::RecordingRunner;

// What the amortization form held when the calculator brought it forward, before its
// activation read the marker.
struct Handover {
    AmortFormTag tag;
    std::string interval;
    int count;
    std::string firstPayment;
    std::string funding;
};

// A main window with a real amortization form: loaded on first use, brought forward by
// running its activation.
class MainWindowDouble : public CalculatorHost {
  public:
    MainWindowDouble(AppState& state, Ui& ui, Clock today)
        : amort(state, ui, std::move(today), runner, amortHost) {}

    void UpdateMainCommands() override { ++commandUpdates; }
    void QueueFileSaveAs() override { ++saveAs; }
    void UnloadCalcForm() override { ++calcUnloads; }
    AmortFormModel& LoadedAmortForm() override {
        if (!loaded) {
            amort.Form_Load();
            loaded = true;
            ++loads;
        }
        return amort;
    }
    void BringAmortFormForward() override {
        handovers.push_back({amort.Tag, amort.CalculatorPeriod.interval,
                             amort.CalculatorPeriod.count, amort.txtPymt1.text,
                             amort.txtStartDt.text});
        amort.Form_Activate();
    }

    RecordingRunner runner;
    RecordingHost amortHost;
    AmortFormModel amort;
    bool loaded = false;
    int loads = 0;
    int commandUpdates = 0;
    int saveAs = 0;
    int calcUnloads = 0;
    std::vector<Handover> handovers;
};

class LncalcModelTest : public ::testing::Test {
  protected:
    LncalcModelTest() {
        state.FormOpen[2] = true;
        calc.Form_Load();
    }

    void Enter(std::string amount, std::string rate, std::string months, std::string payment,
               int frequency = kMonthly) {
        calc.txtLnAmt = std::move(amount);
        calc.txtRate = std::move(rate);
        calc.txtMonths = std::move(months);
        calc.txtPymt = std::move(payment);
        calc.optFreq = frequency;
    }

    // The amortization form open with a loan of its own that has not been saved.
    void OpenAmortWithUnsavedLoan() {
        state.FormOpen[1] = true;
        AmortFormModel& amort = host.LoadedAmortForm();
        amort.Form_Activate();
        amort.SetFieldText(AmortField::Amount, "25000.00");
        ASSERT_TRUE(state.InputUnsaved);
        ui.Clear();
    }

    const Handover& LastHandover() {
        static const Handover none{};
        EXPECT_FALSE(host.handovers.empty());
        return host.handovers.empty() ? none : host.handovers.back();
    }

    AppState state;
    ScriptedUi ui;
    Date today = FixedToday();
    MainWindowDouble host{state, ui, [this] { return today; }};
    LncalcModel calc{state, ui, [this] { return today; }, host};
};

TEST_F(LncalcModelTest, CopyOpensTheClosedFormWithTheCalculatedLoan) {
    Enter("100000", "8", "360", "0");
    ASSERT_TRUE(calc.cmdCalc_Click());
    int updatesBefore = host.commandUpdates;
    ui.Clear();
    calc.cmdCopy_Click();

    EXPECT_EQ(host.loads, 1);
    EXPECT_TRUE(state.FormOpen[1]);
    EXPECT_GT(host.commandUpdates, updatesBefore);
    ASSERT_EQ(host.handovers.size(), 1u);
    const AmortFormModel& amort = host.amort;
    EXPECT_EQ(amort.txtAmount.text, "100000.00");
    EXPECT_EQ(amort.txtRate.text, "8.0000");
    EXPECT_EQ(amort.txtTerm.text, "360");
    EXPECT_EQ(amort.txtPymt.text, "733.76");
    EXPECT_EQ(amort.optFreq, kMonthly);
    EXPECT_EQ(amort.txtStartDt.text, "03/10/1998");
    EXPECT_EQ(amort.txtPymt1.text, "04/10/1998");
    // The copied loan is input nobody has saved yet.
    EXPECT_TRUE(state.InputUnsaved);
    // The form's activation read the marker once and put the person in the name field.
    EXPECT_EQ(amort.Tag, AmortFormTag::None);
    EXPECT_EQ(ui.focus.front(), "txtLnAmt");
    EXPECT_EQ(ui.LastFocus(), "txtName");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(LncalcModelTest, EachFrequencyLeavesItsMarkerAndFirstPaymentDate) {
    struct Expected {
        int frequency;
        const char* interval;
        int count;
        const char* firstPayment;
    };
    const Expected rows[] = {
        {1, "m", 1, "04/10/1998"},  {2, "m", 3, "06/10/1998"},  {3, "m", 6, "09/10/1998"},
        {4, "m", 12, "03/10/1999"}, {5, "ww", 2, "03/24/1998"}, {6, "d", 15, "03/25/1998"},
    };
    for (const Expected& row : rows) {
        SCOPED_TRACE(row.frequency);
        Enter("50000.00", "9.0000", "60", "0.00", row.frequency);
        state.InputUnsaved = false;
        calc.cmdCopy_Click();
        const Handover& handover = LastHandover();
        EXPECT_EQ(handover.tag, AmortFormTag::FromCalculator);
        EXPECT_EQ(handover.interval, row.interval);
        EXPECT_EQ(handover.count, row.count);
        EXPECT_EQ(handover.firstPayment, row.firstPayment);
        EXPECT_EQ(handover.funding, "03/10/1998");
        EXPECT_EQ(host.amort.optFreq, row.frequency);
    }
    EXPECT_EQ(host.loads, 1);
}

TEST_F(LncalcModelTest, QuarterlyStepsCalendarMonthsAndTakesANewLoansInterestMethod) {
    today = MakeDate(1998, 11, 30);
    Enter("20000.00", "7.0000", "36", "0.00", 2);
    calc.cmdCopy_Click();
    EXPECT_EQ(LastHandover().firstPayment, "02/28/1999");
    EXPECT_EQ(host.amort.txtPymt1.text, "02/28/1999");
    EXPECT_EQ(host.amort.optCalc, 0);

    // An open form on exact days goes back to the method a new loan has.
    host.amort.optCalc_Click(1);
    state.InputUnsaved = false;
    today = MakeDate(1999, 1, 31);
    calc.cmdCopy_Click();
    EXPECT_EQ(host.amort.txtPymt1.text, "04/30/1999");
    EXPECT_EQ(host.amort.optCalc, 0);

    state.DefaultCalcMethod = 1;
    state.InputUnsaved = false;
    calc.cmdCopy_Click();
    EXPECT_EQ(host.amort.optCalc, 1);
}

TEST_F(LncalcModelTest, SemiMonthlyEnablesThePairsAndSelectsExactDays) {
    state.FormOpen[1] = true;
    AmortFormModel& amort = host.LoadedAmortForm();
    amort.cboSemiMthly.enabled = false;
    ASSERT_EQ(amort.optCalc, 0);
    state.InputUnsaved = false;

    Enter("30000.00", "8.0000", "48", "0.00", kSemiMonthly);
    calc.cmdCopy_Click();
    EXPECT_EQ(LastHandover().firstPayment, "03/25/1998");
    EXPECT_EQ(amort.optFreq, kSemiMonthly);
    EXPECT_TRUE(amort.cboSemiMthly.enabled);
    EXPECT_TRUE(amort.cboSemiMthly.visible);
    EXPECT_EQ(amort.optCalc, 1);
    EXPECT_TRUE(amort.txtStartDt.visible);
    EXPECT_EQ(amort.txtStartDt.text, "03/10/1998");
    // The activation then moves the date onto the preferred pair, the 1st and 16th.
    EXPECT_EQ(amort.txtPymt1.text, "03/16/1998");

    // Bi-weekly is more than twelve a year too.
    amort.optCalc_Click(0);
    state.InputUnsaved = false;
    Enter("30000.00", "8.0000", "48", "0.00", kBiWeekly);
    calc.cmdCopy_Click();
    EXPECT_EQ(amort.optCalc, 1);
    EXPECT_FALSE(amort.cboSemiMthly.visible);
}

TEST_F(LncalcModelTest, PercentSignLeavesTheCalculatorAndTheRateArrivesFormatted) {
    Enter("10000.00", "7.5%", "24", "452.27");
    calc.cmdCopy_Click();
    EXPECT_EQ(calc.txtRate, "7.5");
    EXPECT_EQ(host.amort.txtRate.text, "7.5000");
    EXPECT_EQ(host.amort.txtPymt.text, "452.27");
}

TEST_F(LncalcModelTest, OnlyAnAmountOfExactlyZeroIsRefused) {
    for (const char* zero : {"0.00", "", "$0", "-0"}) {
        SCOPED_TRACE(zero);
        Enter(zero, "8.0000", "360", "733.76");
        calc.cmdCopy_Click();
    }
    EXPECT_EQ(ui.beeps, 4);
    ASSERT_EQ(ui.messages.size(), 4u);
    EXPECT_EQ(ui.messages[0].prompt, "No principal amount entered!");
    EXPECT_EQ(ui.messages[0].title, "Unable to proceed...");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(host.loads, 0);
    EXPECT_FALSE(state.FormOpen[1]);
    EXPECT_TRUE(host.handovers.empty());
    EXPECT_EQ(ui.LastFocus(), "txtLnAmt");

    Enter("-5000.00", "8.0000", "12", "0.00");
    calc.cmdCopy_Click();
    EXPECT_EQ(host.amort.txtAmount.text, "-5000.00");
    EXPECT_EQ(host.handovers.size(), 1u);

    // Text that is not a number is no amount at all: it is refused as such.
    ui.Clear();
    Enter("abc", "8.0000", "12", "0.00");
    calc.cmdCopy_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "NOT A NUMBER");
    EXPECT_EQ(ui.LastFocus(), "txtLnAmt");
    EXPECT_EQ(host.handovers.size(), 1u);
}

// The copied loan is the calculator's: its rate read by the form's rule and its payment
// unchanged, every other field as a new loan has it, whatever the form held before.
TEST_F(LncalcModelTest, TheCopiedLoanIsTheCalculatorsLoan) {
    OpenAmortWithUnsavedLoan();
    AmortFormModel& amort = host.amort;
    amort.SetFieldText(AmortField::Name, "Smith");
    amort.SetFieldText(AmortField::OddDays, "15");
    amort.SetFieldText(AmortField::InterestFree, "2");
    amort.Check_Click(AmortCheck::Fix, 1);
    amort.vsTab_Switch(AmortFormModel::kStyleTab);
    amort.optStyle_Click(kFancyGrid);
    amort.comOK_Click();

    Enter("250,000", ".0675", "360", "0");
    ASSERT_TRUE(calc.cmdCalc_Click());
    EXPECT_EQ(calc.txtPymt, "1621.50");
    ui.QueueAnswer(MsgAnswer::No);
    calc.cmdCopy_Click();

    EXPECT_EQ(amort.txtRate.text, "6.7500");
    EXPECT_EQ(amort.txtName.text, "");
    EXPECT_EQ(amort.txtOdd.text, "");
    EXPECT_EQ(amort.txtNoInt.text, "0");
    EXPECT_EQ(amort.chkFix, 0);
    EXPECT_EQ(amort.optStyle, kColumnarNoGrid);
    ui.Clear();
    amort.comOK_Click();
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(host.runner.runs.size(), 1u);
    const AmortInputs& loan = host.runner.runs[0];
    EXPECT_EQ(loan.LoanAmount, 250000);
    EXPECT_EQ(loan.AnnualRate, 0.0675);
    EXPECT_EQ(loan.Payment, 1621.50);
    EXPECT_EQ(loan.OddDays, 0);
    EXPECT_EQ(loan.InterestFreeCount, 0);
    EXPECT_FALSE(loan.FixedPrincipal);
    EXPECT_EQ(loan.SelectedStyle, kColumnarNoGrid);

    // A rate solved below 1 % arrives as that rate, not as a fraction of 100 %.
    state.InputUnsaved = false;
    Enter("100000", "0", "360", "290.00");
    ASSERT_TRUE(calc.cmdCalc_Click());
    calc.cmdCopy_Click();
    EXPECT_EQ(amort.txtRate.text, calc.txtRate);
    amort.comOK_Click();
    ASSERT_EQ(host.runner.runs.size(), 2u);
    EXPECT_NEAR(host.runner.runs[1].AnnualRate * 100, *RatePercent(calc.txtRate), 1e-12);
    EXPECT_EQ(host.runner.runs[1].Payment, 290);
}

TEST_F(LncalcModelTest, UnsavedInputOnTheOpenFormIsAskedAbout) {
    OpenAmortWithUnsavedLoan();
    Enter("100000.00", "8.0000", "360", "733.76");

    ui.QueueAnswer(MsgAnswer::Cancel);
    calc.cmdCopy_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    const Message& question = ui.messages[0];
    EXPECT_EQ(question.prompt,
              "You have not saved your input on the current Amortization form.  Do you want to "
              "save it now (before it is overwritten)?");
    EXPECT_EQ(question.title, "CAUTION");
    EXPECT_EQ(question.buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(question.icon, MsgIcon::Question);
    EXPECT_EQ(host.amort.txtAmount.text, "25000.00");
    EXPECT_EQ(host.saveAs, 0);

    // Yes saves first and copies nothing.
    ui.QueueAnswer(MsgAnswer::Yes);
    calc.cmdCopy_Click();
    EXPECT_EQ(host.saveAs, 1);
    EXPECT_EQ(host.amort.txtAmount.text, "25000.00");
    EXPECT_TRUE(state.InputUnsaved);
    EXPECT_TRUE(host.handovers.empty());

    ui.QueueAnswer(MsgAnswer::No);
    calc.cmdCopy_Click();
    EXPECT_EQ(host.amort.txtAmount.text, "100000.00");
    EXPECT_EQ(host.handovers.size(), 1u);
    EXPECT_EQ(host.loads, 1);

    // Saved input is overwritten without a question.
    ui.Clear();
    state.InputUnsaved = false;
    calc.cmdCopy_Click();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(host.handovers.size(), 2u);
}

TEST_F(LncalcModelTest, OpeningAndClosingReachTheMainWindow) {
    EXPECT_EQ(host.commandUpdates, 1);
    state.ToolTipsChecked = true;
    calc.ApplyToolTips();
    EXPECT_EQ(calc.ToolTips.cmdQuit, " Closes the Loan Calculator window ");
    state.ToolTipsChecked = false;
    calc.ApplyToolTips();
    EXPECT_EQ(calc.ToolTips.cmdQuit, "");

    calc.cmdQuit_Click();
    EXPECT_EQ(host.calcUnloads, 1);
    calc.Form_Unload();
    EXPECT_FALSE(state.FormOpen[2]);
    EXPECT_EQ(host.commandUpdates, 2);
}

}  // namespace
}  // namespace quorvia
