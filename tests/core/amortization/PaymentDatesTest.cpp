#include "core/amortization/PaymentDates.h"

#include <gtest/gtest.h>

#include "support/AmortFormFixture.h"

namespace quorvia::testing {
namespace {

class PaymentDatesTest : public AmortFormTest {
  protected:
    // Exact days, semi-monthly with the pair at `listIndex`, funding and first payment dates
    // typed; the pair list then loses the focus.
    void LeavePairList(const std::string& funding, int listIndex, const std::string& first) {
        Open();
        UseExactDays(funding);
        form.optFreq_Click(kSemiMonthly);
        form.txtPymt1.text = first;
        form.cboSemiMthly_Click(listIndex);
        ui.Clear();
        form.cboSemiMthly_LostFocus("txtPymt");
    }
};

TEST_F(PaymentDatesTest, DateFieldsAreRewrittenOrWarnedAbout) {
    Open();
    Type(F::FirstPayment, "1/5/98");
    EXPECT_EQ(form.txtPymt1.text, "01/05/1998");
    EXPECT_EQ(form.PaymentDate, MakeDate(1998, 1, 5));
    EXPECT_TRUE(ui.messages.empty());

    Type(F::FirstPayment, "13/45/98");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt, "Please use 'mm/dd/yy[yy]' format!");
    EXPECT_EQ(ui.messages[0].title, "W A R N I N G");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(ui.LastFocus(), "txtPymt1");
    EXPECT_TRUE(form.WarningShown);
    // The focus coming back after the box: the next leaving only clears the flag.
    form.Field_LostFocus(F::FirstPayment, "txtPymt1");
    EXPECT_FALSE(form.WarningShown);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(form.txtPymt1.text, "13/45/98");

    ui.Clear();
    form.optCalc_Click(1);
    Type(F::FundingDate, "nope");
    EXPECT_EQ(ui.events.front(), "beep");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt, "Please use format 'MM/DD/YY[YY]'");
    EXPECT_EQ(ui.messages[0].title, "ERROR");
    EXPECT_EQ(ui.LastFocus(), "txtStartDt");
}

TEST_F(PaymentDatesTest, LeavingForClearOrQuitChecksNothing) {
    Open();
    Type(F::FirstPayment, "garbage", "comQuit");
    Type(F::FirstPayment, "garbage", "comClr");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(form.txtPymt1.text, "garbage");
}

TEST_F(PaymentDatesTest, FundingOnOrAfterTheFirstPaymentIsPointedOut) {
    Open();
    form.optCalc_Click(1);
    Type(F::FundingDate, "04/10/1998");  // the first payment is 04/10/1998
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "REMINDER");
    EXPECT_EQ(ui.messages[0].prompt,
              "Please enter a NEW 1st payment date which is later than the loan funding date.");
    EXPECT_EQ(ui.LastFocus(), "txtPymt1");
    EXPECT_EQ(form.txtPymt1.text, "04/10/1998");

    // Semi-monthly: the first payment moves on to the next due day after funding.
    UseSemiMonthly(3);  // 15th & 30th
    Type(F::FirstPayment, "04/15/1998");
    ui.Clear();
    Type(F::FundingDate, "04/20/1998");
    EXPECT_EQ(form.txtPymt1.text, "04/30/1998");
    EXPECT_EQ(Titles(), std::vector<std::string>{"ADJUSTMENT MADE..."});
    EXPECT_EQ(ui.messages[0].prompt, "Please verify or correct the NEW 1st payment date.");
    EXPECT_EQ(ui.LastFocus(), "txtPymt1");
}

TEST_F(PaymentDatesTest, PairListMovesTheFirstPaymentOntoTheNextDueDay) {
    LeavePairList("01/20/1998", 0, "01/25/1998");  // 1st & 16th
    EXPECT_EQ(form.txtPymt1.text, "02/01/1998");
    EXPECT_EQ(form.PaymentDate, MakeDate(1998, 2, 1));
    EXPECT_EQ(state.SemiMonthly, (SemiMonthlyChoice{1, 1, 16, 1}));
    EXPECT_EQ(Titles(), std::vector<std::string>{"ADJUSTMENT MADE..."});
    EXPECT_EQ(ui.messages[0].prompt, "Please verify or correct the NEW 1st payment date.");
    EXPECT_EQ(ui.focus, (std::vector<std::string>{"txtPymt", "txtPymt1", "txtPymt"}));

    LeavePairList("02/10/1998", 3, "02/20/1998");  // 15th & 30th
    EXPECT_EQ(form.txtPymt1.text, "02/15/1998");
    EXPECT_EQ(state.SemiMonthly, (SemiMonthlyChoice{4, 15, 30, 1}));
    EXPECT_EQ(Titles(), std::vector<std::string>{"ADJUSTMENT MADE..."});

    // Already a due day, but not after funding.
    LeavePairList("02/15/1998", 3, "02/15/1998");
    EXPECT_EQ(form.txtPymt1.text, "02/15/1998");
    EXPECT_EQ(Titles(), std::vector<std::string>{"REMINDER"});
    EXPECT_EQ(ui.LastFocus(), "txtPymt1");

    // Focus moving to the style tab: the pair is taken, the date is not checked.
    LeavePairList("01/20/1998", 1, "01/25/1998");
    ui.Clear();
    form.cboSemiMthly_Click(2);
    form.cboSemiMthly_LostFocus("optStyle(1)");
    EXPECT_EQ(state.SemiMonthly[0], 3);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.focus.empty());
}

// The pair list only moves the first payment of a semi-monthly loan: once the loan is monthly
// (the list hidden), leaving it or re-reading the pair keeps the date and says nothing.
TEST_F(PaymentDatesTest, PairListLeavesOtherFrequenciesAlone) {
    Open();
    UseExactDays("01/09/2035");
    Type(F::FirstPayment, "02/16/2035");
    form.optFreq_Click(3);
    form.optFreq_LostFocus("");
    ui.Clear();
    form.cboSemiMthly_Click(3);
    form.cboSemiMthly_LostFocus("txtPymt");
    form.SnapToDueDay(AmortFormModel::SnapCaller::PairList);
    EXPECT_EQ(form.txtPymt1.text, "02/16/2035");
    EXPECT_EQ(form.PaymentDate, MakeDate(2035, 2, 16));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.focus.empty());
}

TEST_F(PaymentDatesTest, SteppingBuildsDatesWithCarry) {
    SemiMonthlyChoice choice{4, 15, 30, 1};
    EXPECT_EQ(NextDueDay(MakeDate(1999, 2, 15), choice), MakeDate(1999, 3, 2));
    EXPECT_EQ(choice[3], 2);
    EXPECT_EQ(NextDueDay(MakeDate(1999, 12, 30), choice), MakeDate(2000, 1, 15));
    EXPECT_EQ(choice[3], 1);

    Open();
    UseSemiMonthly(3);
    form.txtPymt1.text = "02/15/1999";
    state.SemiMonthly[3] = 1;
    form.AdvanceToNextDueDay();
    EXPECT_EQ(form.txtPymt1.text, "03/02/1999");

    EXPECT_EQ(CountingYear(MakeDate(1925, 1, 1)), 2025);
    EXPECT_EQ(CountingYear(MakeDate(1980, 1, 1)), 1980);
}

TEST_F(PaymentDatesTest, DefaultFirstPaymentIsOnePeriodAheadAndOnThePair) {
    state.DefaultFrequency = 2;  // quarterly
    Open();
    EXPECT_EQ(form.txtStartDt.text, "03/10/1998");
    EXPECT_EQ(form.txtPymt1.text, "06/10/1998");
    EXPECT_FALSE(form.cboSemiMthly.visible);
    EXPECT_EQ(form.cboSemiMthly.listIndex, -1);

    AppState semi;
    semi.DefaultFrequency = kSemiMonthly;
    semi.DefaultCalcMethod = 1;
    semi.DefaultSemiMonthlyDates = 2;  // 5th & 20th
    AmortFormModel model{semi, ui, FixedToday, runner, host};
    model.Form_Load();
    // Today + 15 days is 03/25; the funding day 10 is past the 5th, so the 20th of March.
    EXPECT_EQ(model.txtPymt1.text, "03/20/1998");
    EXPECT_EQ(model.cboSemiMthly.listIndex, 1);
    EXPECT_TRUE(model.cboSemiMthly.visible);
    EXPECT_EQ(semi.SemiMonthly, (SemiMonthlyChoice{2, 5, 20, 2}));
    EXPECT_EQ(model.DueDatePairCaptions,
              (std::vector<std::string>{"1st & 16th", "5th & 20th", "10th & 25th", "15th & 30th"}));
    EXPECT_FALSE(semi.InputUnsaved);
}

TEST_F(PaymentDatesTest, ComputedDateForSemiMonthlyTakesADueDay) {
    Open();
    UseExactDays("03/01/1998");
    UseSemiMonthly(3);  // 15th & 30th; today + 15 days is the 25th
    form.ComputedFirstPaymentDate();
    EXPECT_EQ(form.ComputedDateText, "03/30/1998");
    EXPECT_EQ(state.SemiMonthly[3], 2);
    UseSemiMonthly(2);  // 10th & 25th
    form.ComputedFirstPaymentDate();
    EXPECT_EQ(form.ComputedDateText, "03/25/1998");
    UseSemiMonthly(1);  // 5th & 20th
    form.ComputedFirstPaymentDate();
    EXPECT_EQ(form.ComputedDateText, "03/20/1998");
}

TEST_F(PaymentDatesTest, FrequencyNeedingExactDaysAsksToSwitch) {
    Open();
    form.optFreq_Click(kBiWeekly);
    ui.QueueAnswer(MsgAnswer::No);
    form.optFreq_LostFocus("txtPymt");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.events.front(), "beep");
    EXPECT_EQ(ui.messages[0].title, "CONFLICTING OPTIONS");
    EXPECT_EQ(ui.messages[0].prompt,
              "Bi-weekly and Semi-monthly payment schedules REQUIRE that interest be calculated "
              "using exact number of days. Do you want to reset the calculation method to "
              "'Exact Days' now?");
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_TRUE(form.WarningShown);
    EXPECT_EQ(ui.LastFocus(), "optFreq(1)");
    EXPECT_TRUE(state.InputUnsaved);  // the frequency did change
    EXPECT_EQ(form.optCalc, 0);

    // The focus moving after the refusal only clears the flag.
    ui.Clear();
    form.optFreq_LostFocus("optFreq(1)");
    EXPECT_FALSE(form.WarningShown);
    EXPECT_TRUE(ui.messages.empty());

    // Yes: exact days, and the 14-day expectation (funding today, first payment today + 14).
    state.InputUnsaved = false;
    ui.Clear();
    ui.QueueAnswer(MsgAnswer::Yes);
    form.optFreq_LostFocus("txtPymt");
    EXPECT_EQ(form.optCalc, 1);
    EXPECT_EQ(form.lblOdd, "Loan funding date:");
    EXPECT_FALSE(form.txtOdd.visible);
    EXPECT_TRUE(form.txtStartDt.visible);
    EXPECT_TRUE(state.InputUnsaved);
    // 04/10/1998 is not 14 days after the funding date 03/10/1998.
    EXPECT_EQ(Titles(), (std::vector<std::string>{"CONFLICTING OPTIONS", "REMINDER"}));
    EXPECT_EQ(ui.focus, (std::vector<std::string>{"txtPymt1", "txtPymt"}));
}

TEST_F(PaymentDatesTest, BiWeeklyFirstPaymentIsExpected14DaysAfterFunding) {
    Open();
    UseExactDays("03/10/1998");
    form.optFreq_Click(kBiWeekly);
    auto leave = [&](const std::string& first) {
        form.txtPymt1.text = first;
        ui.Clear();
        form.optFreq_LostFocus("txtPymt");
    };
    leave("03/24/1998");
    EXPECT_TRUE(ui.messages.empty());
    leave("03/25/1998");
    EXPECT_EQ(Titles(), std::vector<std::string>{"REMINDER"});
    EXPECT_EQ(ui.messages[0].prompt, "Please verify 1st payment date.");
    EXPECT_EQ(ui.focus, (std::vector<std::string>{"txtPymt1", "txtPymt"}));
    leave("03/10/1998");
    EXPECT_EQ(Titles(), std::vector<std::string>{"WARNING"});
    EXPECT_EQ(ui.messages[0].prompt,
              "Please enter a NEW 1st payment date which is later than the loan funding date.");
}

}  // namespace
}  // namespace quorvia::testing

namespace quorvia::testing {
namespace {

TEST(DueDayPairTest, AnOffPairDateIsCorrectedOntoThePairPastFunding) {
    SemiMonthlyChoice choice{};
    ChooseDueDatePair(choice, 1);  // 1st & 16th
    // More than two days after funding: the first half of its month.
    EXPECT_EQ(CorrectedToDueDayPair(MakeDate(1998, 4, 10), MakeDate(1998, 3, 10), choice),
              MakeDate(1998, 4, 1));
    EXPECT_EQ(choice[3], 1);
    // The first due day of the month lies before funding: on to the next one after it.
    EXPECT_EQ(CorrectedToDueDayPair(MakeDate(1998, 4, 10), MakeDate(1998, 4, 5), choice),
              MakeDate(1998, 4, 16));
    EXPECT_EQ(choice[3], 2);
    // Funding on a due day: that day does not count, with includeFundingDay.
    EXPECT_EQ(FirstDueDayAfter(MakeDate(1998, 4, 1), MakeDate(1998, 4, 16), true, choice),
              MakeDate(1998, 5, 1));
    choice[3] = 1;
    EXPECT_EQ(FirstDueDayAfter(MakeDate(1998, 4, 1), MakeDate(1998, 4, 16), false, choice),
              MakeDate(1998, 4, 16));
}

TEST(DueDayPairTest, TheListSelectionChoosesThePair) {
    SemiMonthlyChoice choice{};
    int listIndex = 2;
    TakePairFromList(listIndex, choice);
    EXPECT_EQ(choice[0], 3);
    EXPECT_EQ(choice[1], 10);
    EXPECT_EQ(choice[2], 25);
    listIndex = -1;  // nothing selected
    TakePairFromList(listIndex, choice);
    EXPECT_EQ(listIndex, 0);
    EXPECT_EQ(choice[0], 1);
    EXPECT_TRUE(OnDueDayPair(MakeDate(1998, 4, 16), choice));
    EXPECT_FALSE(OnDueDayPair(MakeDate(1998, 4, 15), choice));
}

TEST(DueDayPairTest, TheComputedDateMovesOntoThePairOnlyForSemiMonthlyExactDays) {
    SemiMonthlyChoice choice{};
    ChooseDueDatePair(choice, 4);  // 15th & 30th
    Date today = MakeDate(1998, 3, 10);
    EXPECT_EQ(ComputedFirstPaymentDate(today, kMonthly, true, choice), MakeDate(1998, 4, 10));
    EXPECT_EQ(ComputedFirstPaymentDate(today, kSemiMonthly, false, choice), MakeDate(1998, 3, 25));
    EXPECT_EQ(ComputedFirstPaymentDate(today, kSemiMonthly, true, choice), MakeDate(1998, 3, 30));
    EXPECT_EQ(choice[3], 2);
}

}  // namespace
}  // namespace quorvia::testing
