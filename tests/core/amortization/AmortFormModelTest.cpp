#include "core/amortization/AmortFormModel.h"

#include <gtest/gtest.h>

#include "support/AmortFormFixture.h"

namespace quorvia::testing {
namespace {

class AmortFormModelTest : public AmortFormTest {
  protected:
    void MakeUnsaved() {
        Type(F::Amount, "5000");
        ASSERT_TRUE(state.InputUnsaved);
        ui.Clear();
    }
    void ExpectSaveQuestion(int defaultButton) {
        ASSERT_EQ(ui.messages.size(), 1u);
        const Message& m = ui.messages[0];
        EXPECT_EQ(m.prompt, "You have not saved your current input.  Do you want to do so now?");
        EXPECT_EQ(m.title, "CAUTION");
        EXPECT_EQ(m.buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(m.icon, MsgIcon::Question);
        EXPECT_EQ(m.defaultButton, defaultButton);
    }
};

TEST_F(AmortFormModelTest, OpensWithThePreferences) {
    state.CompanyNames[0] = "  First Bank  ";
    state.DefaultRate = " 7.2500 ";
    state.DefaultFixedPrincipal = -1;
    state.DefaultFullPayout = 0;
    state.NumberPayments = true;
    state.ReportStyle = kSummaryOnly;
    form.Form_Load();
    EXPECT_EQ(form.txtName.text, "First Bank");
    EXPECT_EQ(form.txtRate.text, "7.2500");
    EXPECT_EQ(form.txtAmount.text, "0.00");
    EXPECT_EQ(form.txtPymt.text, "0.00");
    EXPECT_EQ(form.txtNoInt.text, "0");
    EXPECT_EQ(form.txtStartDt.text, "03/10/1998");
    EXPECT_EQ(form.txtPymt1.text, "04/10/1998");
    EXPECT_EQ(form.chkFix, 1);
    EXPECT_EQ(form.chkBalDue, 0);
    EXPECT_EQ(form.chkNbrPymts, 1);
    EXPECT_EQ(form.optStyle, kSummaryOnly);
    EXPECT_EQ(form.AcceptedStyle, kSummaryOnly);
    EXPECT_EQ(form.optCalc, 0);
    EXPECT_EQ(form.lblOdd, "Odd &Days to 1st pymt:");
    EXPECT_TRUE(form.txtOdd.visible);
    EXPECT_FALSE(form.txtStartDt.visible);
    EXPECT_EQ(form.comClrCaption, "Clear &Values");
    EXPECT_EQ(form.ToolTips.comQuit, " Closes the Amortization Schedule window ");
    EXPECT_FALSE(state.InputUnsaved);
    EXPECT_EQ(host.commandUpdates, 1);

    form.Form_Activate();
    EXPECT_EQ(ui.LastFocus(), "txtName");

    // With the company footer on, the name field starts empty; no tool tips when unchecked.
    AppState other;
    other.CompanyNames[0] = "First Bank";
    other.PrintCompanyFooter = true;
    other.ToolTipsChecked = false;
    other.DefaultCalcMethod = 1;
    AmortFormModel second{other, ui, FixedToday, runner, host};
    second.Form_Load();
    EXPECT_EQ(second.txtName.text, "");
    EXPECT_EQ(second.ToolTips.comOK, "");
    EXPECT_EQ(second.lblOdd, "Loan funding date:");
    EXPECT_FALSE(second.txtOdd.visible);
}

TEST_F(AmortFormModelTest, FieldsAreReformattedOnLeaving) {
    Open();
    Type(F::Amount, "1,234.5");
    EXPECT_EQ(form.txtAmount.text, "1234.50");
    Type(F::Amount, "1 234.5");
    EXPECT_EQ(form.txtAmount.text, "1234.50");
    Type(F::Amount, "$250,000.00");
    EXPECT_EQ(form.txtAmount.text, "250000.00");
    Type(F::Payment, "99.999");
    EXPECT_EQ(form.txtPymt.text, "100.00");
    Type(F::Payment, "$1,621.50");
    EXPECT_EQ(form.txtPymt.text, "1621.50");
    Type(F::Rate, "8.5");
    EXPECT_EQ(form.txtRate.text, "8.5000");
    // A rate below 1 is a fraction: the field shows the percentage the loan is computed at.
    Type(F::Rate, ".0675");
    EXPECT_EQ(form.txtRate.text, "6.7500");
    Type(F::Rate, "0.75");
    EXPECT_EQ(form.txtRate.text, "75.0000");
    Type(F::Rate, ".005");
    EXPECT_EQ(form.txtRate.text, "0.5000%");
    EXPECT_TRUE(ui.messages.empty());
    Type(F::Term, "359.5");
    EXPECT_EQ(form.txtTerm.text, "360");

    // A zero rate leaves nothing to be interest free.
    Type(F::Rate, "0");
    EXPECT_FALSE(form.txtNoInt.enabled);
    Type(F::Rate, "6");
    EXPECT_TRUE(form.txtNoInt.enabled);
}

TEST_F(AmortFormModelTest, AnEntryThatIsNotANumberIsRefusedAtItsField) {
    Open();
    struct Case {
        AmortField field;
        const char* text;
        const char* focus;
    };
    const Case cases[] = {
        {F::Payment, "(250000)", "txtPymt"},
        {F::Rate, "6.7.5", "txtRate"},
        {F::Amount, "abc12x5", "txtAmount"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ui.Clear();
        form.Field_GotFocus(c.field);
        form.SetFieldText(c.field, c.text);
        EXPECT_FALSE(form.Field_LostFocus(c.field, "txtTerm"));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.events.front(), "beep");
        EXPECT_EQ(ui.messages[0].title, "NOT A NUMBER");
        EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(ui.LastFocus(), c.focus);
        // Kept as typed, never read as 0.
        EXPECT_EQ(form.FieldOf(c.field).text, c.text);

        // The field left as the focus comes back is not checked; the next leaving is.
        form.Field_GotFocus(F::Term);
        form.SetFieldText(F::Term, "x");
        EXPECT_TRUE(form.Field_LostFocus(F::Term, c.focus));
        EXPECT_EQ(ui.messages.size(), 1u);
        EXPECT_FALSE(form.Field_LostFocus(c.field, "txtTerm"));
        EXPECT_EQ(ui.messages.size(), 2u);
        form.Field_LostFocus(F::Term, c.focus);
    }

    EXPECT_EQ(ui.messages[0].prompt,
              "The Loan Amount entered is not a number!\r\n\r\nEnter an amount such as 250000, "
              "250,000 or $250,000.00.");

    // Leaving for Clear Values or Quit checks nothing.
    ui.Clear();
    EXPECT_TRUE(form.Field_LostFocus(F::Amount, "comClr"));
    EXPECT_TRUE(form.Field_LostFocus(F::Amount, "comQuit"));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(form.txtAmount.text, "abc12x5");
}

TEST_F(AmortFormModelTest, EscRestoresTheTextTheFieldHadOnFocus) {
    Open();
    form.Field_GotFocus(F::Amount);
    EXPECT_EQ(form.pnlStatus, "Enter the amount of the loan proceeds");
    form.SetFieldText(F::Amount, "5000");
    EXPECT_TRUE(form.Field_KeyPress(F::Amount, kEsc));
    EXPECT_EQ(form.txtAmount.text, "0.00");
    EXPECT_EQ(ui.selectAlls, 2);  // on focus and after Esc
}

// The rate typed here is the note's own; the disclosed APR is another figure.
TEST_F(AmortFormModelTest, TheRateIsCalledTheNoteRateNotTheApr) {
    Open();
    form.Field_GotFocus(F::Rate);
    EXPECT_EQ(form.pnlStatus,
              "Enter the annual interest rate (note rate) in the format 'xx.xxxx' (e.g.: 10.75)");
}

TEST_F(AmortFormModelTest, EnterMovesAlongTheChain) {
    Open();
    auto enter = [&](AmortField field) {
        EXPECT_TRUE(form.Field_KeyPress(field, kEnter));
        return ui.LastFocus();
    };
    EXPECT_EQ(enter(F::Name), "optCalc(0)");
    EXPECT_TRUE(form.optCalc_KeyPress(kEnter));
    EXPECT_EQ(ui.LastFocus(), "txtAmount");
    EXPECT_EQ(enter(F::Amount), "txtRate");
    EXPECT_EQ(enter(F::Rate), "txtTerm");
    EXPECT_EQ(enter(F::Term), "txtPymt1");
    EXPECT_EQ(enter(F::FirstPayment), "optFreq(1)");
    EXPECT_TRUE(form.optFreq_KeyPress(kEnter));
    EXPECT_EQ(ui.LastFocus(), "txtPymt");
    EXPECT_EQ(enter(F::Payment), "txtNoInt");
    EXPECT_EQ(enter(F::InterestFree), "txtOdd");
    EXPECT_EQ(enter(F::OddDays), "chkFix");
    EXPECT_TRUE(form.Check_KeyPress(AmortCheck::Fix, kEnter));
    EXPECT_EQ(ui.LastFocus(), "chkBalDue");
    EXPECT_TRUE(form.Check_KeyPress(AmortCheck::NbrPymts, kEnter));
    EXPECT_EQ(ui.LastFocus(), "comOK");

    // Skips what cannot take the focus; semi-monthly goes on to the pair list.
    Type(F::Rate, "0");
    form.optCalc_Click(1);
    EXPECT_EQ(enter(F::Payment), "txtStartDt");
    form.optFreq = kSemiMonthly;
    EXPECT_TRUE(form.optFreq_KeyPress(kEnter));
    EXPECT_EQ(ui.LastFocus(), "cboSemiMthly");
    EXPECT_FALSE(form.Check_KeyPress(AmortCheck::Fix, ' '));
}

TEST_F(AmortFormModelTest, RateAndInterestFreeCountTakeOnlyTheirCharacters) {
    Open();
    form.txtRate.text = "8";
    EXPECT_FALSE(form.Field_KeyPress(F::Rate, '5'));
    EXPECT_FALSE(form.Field_KeyPress(F::Rate, '.'));
    EXPECT_FALSE(form.Field_KeyPress(F::Rate, AmortFormModel::kBackspaceKey));
    EXPECT_TRUE(form.Field_KeyPress(F::Rate, '%'));
    EXPECT_TRUE(form.Field_KeyPress(F::Rate, '-'));
    form.txtRate.text = "8.5";
    EXPECT_TRUE(form.Field_KeyPress(F::Rate, '.'));

    EXPECT_FALSE(form.Field_KeyPress(F::InterestFree, '3'));
    EXPECT_TRUE(form.Field_KeyPress(F::InterestFree, '.'));
    EXPECT_FALSE(form.Field_KeyPress(F::Name, ','));
}

TEST_F(AmortFormModelTest, ChangesMarkTheInputUnsavedUnlessTheFormFillsItself) {
    Open();
    form.SuppressChangeTracking = true;
    form.SetFieldText(F::Name, "Smith");
    EXPECT_FALSE(state.InputUnsaved);
    form.SuppressChangeTracking = false;
    form.SetFieldText(F::Name, "Smith");  // no change
    EXPECT_FALSE(state.InputUnsaved);
    form.SetFieldText(F::Name, "Jones");
    EXPECT_TRUE(state.InputUnsaved);

    state.InputUnsaved = false;
    form.Check_Click(AmortCheck::BalDue, 0);
    EXPECT_TRUE(state.InputUnsaved);

    // Changing the method is noticed when its options lose the focus.
    state.InputUnsaved = false;
    form.optCalc_Click(1);
    EXPECT_EQ(form.lblOdd, "Loan funding &date:");
    form.optCalc_LostFocus();
    EXPECT_EQ(form.lblOdd, "Loan funding date:");
    EXPECT_TRUE(state.InputUnsaved);
    state.InputUnsaved = false;
    form.optCalc_LostFocus();
    EXPECT_FALSE(state.InputUnsaved);
}

TEST_F(AmortFormModelTest, ClearAsksAboutUnsavedInput) {
    Open();
    MakeUnsaved();
    ui.QueueAnswer(MsgAnswer::Yes);
    form.comClr_Click();
    ExpectSaveQuestion(1);
    EXPECT_EQ(host.saveAs, 1);
    EXPECT_EQ(form.txtAmount.text, "5000.00");
    EXPECT_EQ(ui.LastFocus(), "txtName");

    ui.Clear();
    ui.QueueAnswer(MsgAnswer::Cancel);
    form.comClr_Click();
    EXPECT_EQ(form.txtAmount.text, "5000.00");
    EXPECT_TRUE(state.InputUnsaved);

    ui.Clear();
    Type(F::Term, "360");
    Type(F::FirstPayment, "07/04/1998");
    Type(F::Payment, "850");
    UseExactDays("02/01/1998");
    ui.QueueAnswer(MsgAnswer::No);
    form.comClr_Click();
    EXPECT_EQ(form.txtAmount.text, "0.00");
    EXPECT_EQ(form.txtTerm.text, "");
    EXPECT_EQ(form.txtPymt1.text, "04/10/1998");
    EXPECT_EQ(form.txtPymt.text, "0.00");
    EXPECT_EQ(form.txtStartDt.text, "03/10/1998");
    EXPECT_FALSE(state.InputUnsaved);
    EXPECT_EQ(host.saveAs, 1);

    ui.Clear();
    form.comClr_Click();  // nothing unsaved: no question
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(AmortFormModelTest, QuitAndCloseAskAboutUnsavedInput) {
    Open();
    MakeUnsaved();
    ui.QueueAnswer(MsgAnswer::Cancel);
    form.comQuit_Click();
    ExpectSaveQuestion(3);
    EXPECT_EQ(host.unloads, 0);
    EXPECT_EQ(ui.LastFocus(), "txtName");

    ui.Clear();
    ui.QueueAnswer(MsgAnswer::Yes);
    form.comQuit_Click();
    EXPECT_EQ(state.MainTag, MainWindowTag::CloseAmortFormAfterSave);
    EXPECT_EQ(host.saveAs, 1);
    EXPECT_EQ(host.unloads, 0);

    ui.Clear();
    ui.QueueAnswer(MsgAnswer::No);
    form.comQuit_Click();
    EXPECT_FALSE(state.InputUnsaved);
    EXPECT_EQ(host.unloads, 1);

    state.FormOpen[1] = true;
    MakeUnsaved();
    ui.QueueAnswer(MsgAnswer::Yes);
    EXPECT_TRUE(form.Form_Unload());
    ExpectSaveQuestion(1);
    EXPECT_EQ(host.saveAs, 2);
    ui.Clear();
    ui.QueueAnswer(MsgAnswer::Cancel);
    EXPECT_TRUE(form.Form_Unload());
    EXPECT_TRUE(state.FormOpen[1]);

    int updates = host.commandUpdates;
    ui.Clear();
    ui.QueueAnswer(MsgAnswer::No);
    EXPECT_FALSE(form.Form_Unload());
    EXPECT_FALSE(state.InputUnsaved);
    EXPECT_FALSE(state.FormOpen[1]);
    EXPECT_EQ(host.commandUpdates, updates + 1);
}

TEST_F(AmortFormModelTest, StyleTabConfirmsAChangedStyle) {
    Open();
    form.vsTab_Switch(AmortFormModel::kStyleTab);
    EXPECT_EQ(form.comClrCaption, "&Cancel");
    EXPECT_EQ(form.ToolTips.comOK, " Accepts selected style and returns to the Data tab ");
    EXPECT_EQ(form.ToolTips.comClr, " Restores the previous style selected ");

    form.optStyle_Click(kFancyGrid);
    ui.QueueAnswer(MsgAnswer::No);
    form.vsTab_Switch(AmortFormModel::kDataTab);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt,
              "Style was changed ... do you want to use the new style you selected?");
    EXPECT_EQ(ui.messages[0].title, "Confirm selection...");
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(form.optStyle, kColumnarNoGrid);
    EXPECT_EQ(form.SelectedStyle, kColumnarNoGrid);
    EXPECT_FALSE(state.InputUnsaved);
    EXPECT_EQ(form.comClrCaption, "Clear &Values");
    EXPECT_EQ(ui.LastFocus(), "txtName");

    form.vsTab_Switch(AmortFormModel::kStyleTab);
    form.optStyle_Click(kPlainGrid);
    ui.QueueAnswer(MsgAnswer::Yes);
    form.vsTab_Switch(AmortFormModel::kDataTab);
    EXPECT_EQ(form.AcceptedStyle, kPlainGrid);
    EXPECT_TRUE(state.InputUnsaved);

    // Cancel restores; Okay accepts and returns to the data tab without asking.
    state.InputUnsaved = false;
    ui.Clear();
    form.vsTab_Switch(AmortFormModel::kStyleTab);
    form.optStyle_Click(kSummaryOnly);
    form.comClr_Click();
    EXPECT_EQ(form.optStyle, kPlainGrid);
    form.optStyle_Click(kSummaryOnly);
    form.comOK_Click();
    EXPECT_EQ(form.Tab, AmortFormModel::kDataTab);
    EXPECT_EQ(form.AcceptedStyle, kSummaryOnly);
    EXPECT_TRUE(state.InputUnsaved);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(runner.runs.empty());

    EnterPlainLoan();
    form.optStyle_Click(kFancyGrid);
    form.comOK_Click();
    ASSERT_EQ(runner.runs.size(), 1u);
    EXPECT_EQ(runner.runs[0].SelectedStyle, kFancyGrid);
}

TEST_F(AmortFormModelTest, CalculatorMarkerMovesTheFirstPaymentOnePeriodFromToday) {
    Open();
    form.SetFieldText(F::Amount, "25000.00");
    state.InputUnsaved = false;
    form.Tag = AmortFormTag::FromCalculator;
    form.CalculatorPeriod = {"m", 3};
    form.Form_Activate();
    EXPECT_EQ(form.txtPymt1.text, "06/10/1998");
    EXPECT_EQ(form.PaymentDate, MakeDate(1998, 6, 10));
    EXPECT_FALSE(state.InputUnsaved);
    EXPECT_EQ(form.Tag, AmortFormTag::None);
    EXPECT_EQ(ui.LastFocus(), "txtName");

    // A later activation leaves the date alone.
    form.SetFieldText(F::FirstPayment, "07/01/1998");
    form.Form_Activate();
    EXPECT_EQ(form.txtPymt1.text, "07/01/1998");

    // Semi-monthly: today + 15 days, then onto the pair.
    UseSemiMonthly(3);  // 15th & 30th
    form.Tag = AmortFormTag::FromCalculator;
    form.CalculatorPeriod = {"d", 15};
    form.Form_Activate();
    EXPECT_EQ(form.txtPymt1.text, "03/15/1998");
}

TEST_F(AmortFormModelTest, LoanFileFillsTheFormAndReadsBack) {
    Open();
    LoanFileEntries file;
    file.name = "Jones";
    file.amount = "25000.00";
    file.rate = "9.2500";
    file.term = "48";
    file.frequency = kSemiMonthly;
    file.semiMonthlyPair = 3;
    file.firstPayment = "04/25/1998";
    file.payment = "0.00";
    file.fixedPrincipal = 1;
    file.fullPayout = 1;
    file.oddDays = "";
    file.fundingDate = "03/12/1998";
    file.interestMethod = 1;
    file.numberPayments = 1;
    file.reportStyle = kSummaryOnly;
    form.FillFromLoanFile(file);

    EXPECT_EQ(form.Tag, AmortFormTag::None);
    EXPECT_FALSE(state.InputUnsaved);
    EXPECT_TRUE(ui.focus.empty());  // nothing moves the focus while a file is loaded
    EXPECT_EQ(form.PaymentDate, MakeDate(1998, 4, 25));
    EXPECT_EQ(form.cboSemiMthly.listIndex, 2);
    EXPECT_TRUE(form.cboSemiMthly.visible);
    EXPECT_EQ(form.lblOdd, "Loan funding &date:");
    EXPECT_EQ(form.AcceptedStyle, kSummaryOnly);

    LoanFileEntries back = form.LoanFileEntriesFromForm();
    EXPECT_EQ(back.name, file.name);
    EXPECT_EQ(back.amount, file.amount);
    EXPECT_EQ(back.rate, file.rate);
    EXPECT_EQ(back.term, file.term);
    EXPECT_EQ(back.frequency, file.frequency);
    EXPECT_EQ(back.semiMonthlyPair, file.semiMonthlyPair);
    EXPECT_EQ(back.firstPayment, file.firstPayment);
    EXPECT_EQ(back.payment, file.payment);
    EXPECT_EQ(back.fixedPrincipal, file.fixedPrincipal);
    EXPECT_EQ(back.fullPayout, file.fullPayout);
    EXPECT_EQ(back.oddDays, file.oddDays);
    EXPECT_EQ(back.fundingDate, file.fundingDate);
    EXPECT_EQ(back.interestMethod, file.interestMethod);
    EXPECT_EQ(back.numberPayments, file.numberPayments);
    EXPECT_EQ(back.reportStyle, file.reportStyle);

    // The loaded loan validates with its pair's days, though only the pair was stored.
    form.comOK_Click();
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(runner.runs.size(), 1u);
    EXPECT_EQ(runner.runs[0].FirstPaymentDateText, "04/25/1998");
    EXPECT_EQ(state.SemiMonthly, (SemiMonthlyChoice{3, 10, 25, 2}));

    // Values a control refuses leave it as it was.
    file.frequency = 9;
    file.interestMethod = 4;
    file.reportStyle = 7;
    form.FillFromLoanFile(file);
    EXPECT_EQ(form.optFreq, kSemiMonthly);
    EXPECT_EQ(form.optCalc, 1);
    EXPECT_EQ(form.optStyle, kSummaryOnly);
}

}  // namespace
}  // namespace quorvia::testing
