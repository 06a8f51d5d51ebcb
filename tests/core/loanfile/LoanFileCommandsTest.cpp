#include "core/loanfile/LoanFileCommands.h"

#include <gtest/gtest.h>

#include "support/AmortFormFixture.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

class LoanFileCommandsTest : public testing::AmortFormTest {
  protected:
    TempFolder folder;
};

TEST_F(LoanFileCommandsTest, SavedEntriesComeBackIntoAFreshForm) {
    EnterPlainLoan();
    Type(F::Name, "Jane Q. Borrower");
    Type(F::Payment, "850");
    form.Check_Click(AmortCheck::NbrPymts, 1);
    form.vsTab_Switch(AmortFormModel::kStyleTab);
    form.optStyle_Click(kSummaryOnly);
    form.comOK_Click();
    ASSERT_TRUE(state.InputUnsaved);

    ASSERT_TRUE(SaveLoanFile(folder / "jane.qrv", form, state, ui));
    EXPECT_FALSE(state.InputUnsaved);

    AppState otherState;
    ScriptedUi otherUi;
    testing::RecordingRunner otherRunner;
    testing::RecordingHost otherHost;
    AmortFormModel other(otherState, otherUi, testing::FixedToday, otherRunner, otherHost);
    other.Form_Load();
    ASSERT_TRUE(LoadLoanFile(folder / "jane.qrv", other, otherState, otherUi));
    EXPECT_EQ(other.txtName.text, "Jane Q. Borrower");
    EXPECT_EQ(other.txtAmount.text, form.txtAmount.text);
    EXPECT_EQ(other.txtRate.text, form.txtRate.text);
    EXPECT_EQ(other.txtTerm.text, form.txtTerm.text);
    EXPECT_EQ(other.txtPymt1.text, "04/10/1998");
    EXPECT_EQ(other.txtPymt.text, form.txtPymt.text);
    EXPECT_EQ(other.chkNbrPymts, 1);
    EXPECT_EQ(other.optStyle, kSummaryOnly);
    EXPECT_EQ(other.AcceptedStyle, kSummaryOnly);
    EXPECT_FALSE(otherState.InputUnsaved);
    EXPECT_EQ(other.Tag, AmortFormTag::None);
}

TEST_F(LoanFileCommandsTest, AFailedSaveSaysSoAndKeepsTheInputUnsaved) {
    EnterPlainLoan();
    state.InputUnsaved = true;
    EXPECT_FALSE(SaveLoanFile(folder / "missing-folder" / "a.qrv", form, state, ui));
    ASSERT_NE(ui.LastMessage(), nullptr);
    EXPECT_EQ(ui.LastMessage()->title, "FILE ERROR");
    EXPECT_EQ(
        ui.LastMessage()->prompt.rfind("Error saving " + (folder / "missing-folder").string(), 0),
        0u);
    EXPECT_TRUE(state.InputUnsaved);
    EXPECT_EQ(ui.hourglassDepth, 0);
}

TEST_F(LoanFileCommandsTest, AShortFileChangesNothing) {
    EnterPlainLoan();
    folder.Write("short.qrv", "Someone\r\n5000\r\n9\r\n");
    EXPECT_FALSE(LoadLoanFile(folder / "short.qrv", form, state, ui));
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(ui.LastMessage()->title, "FILE ERROR");
    EXPECT_EQ(form.txtAmount.text, "100000.00");
    EXPECT_TRUE(form.txtName.text.empty());
}

TEST_F(LoanFileCommandsTest, AThirteenLineFileTakesNumberingAndStyleFromThePreferences) {
    state.NumberPayments = true;
    state.ReportStyle = kFancyGrid;
    Open();
    folder.Write("old.qrv",
                 "Old Loan\r\n5000.00\r\n9.0000\r\n24\r\n 1 \r\n 1 \r\n04/10/1998\r\n0.00\r\n"
                 " 0 \r\n 1 \r\n0\r\n\r\n 0 \r\n");
    ASSERT_TRUE(LoadLoanFile(folder / "old.qrv", form, state, ui));
    EXPECT_EQ(form.txtName.text, "Old Loan");
    EXPECT_EQ(form.chkNbrPymts, 1);
    EXPECT_EQ(form.optStyle, kFancyGrid);
}

}  // namespace
}  // namespace quorvia
