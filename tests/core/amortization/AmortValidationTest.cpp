#include "core/amortization/AmortValidation.h"

#include <gtest/gtest.h>

#include "support/AmortFormFixture.h"

namespace quorvia::testing {
namespace {

class ValidationTest : public AmortFormTest {
  protected:
    // The one message shown, and where the focus was left.
    void ExpectStop(std::string_view title, std::string_view focus) {
        ASSERT_EQ(ui.messages.size(), 1u) << "messages: " << ::testing::PrintToString(Titles());
        EXPECT_EQ(ui.messages[0].title, title);
        EXPECT_EQ(ui.LastFocus(), focus);
        EXPECT_EQ(runner.runs.size(), runsBefore) << "the runner was reached";
    }
    void Okay() {
        ui.Clear();
        runsBefore = runner.runs.size();
        form.comOK_Click();
    }
    // A loan that passes but for one entry, written into its field as a loan data file writes
    // it: Okay stops at that field with one message after a beep, and leaves the entry as it
    // was. The field then gets back what it held.
    void ExpectEntryStops(AmortField field, const std::string& text, std::string_view title) {
        EnterPlainLoan();
        const std::string typed = form.FieldOf(field).text;
        form.SetFieldText(field, text);
        Okay();
        ExpectStop(title, ControlName(FieldRow(field).control));
        EXPECT_EQ(ui.events.front(), "beep");
        EXPECT_EQ(form.FieldOf(field).text, text) << "a refused entry is left as it was";
        form.SetFieldText(field, typed);
    }
    size_t runsBefore = 0;
};

TEST_F(ValidationTest, PlainLoanReachesTheRunnerWithItsDerivedPayment) {
    EnterPlainLoan();
    Okay();
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(runner.runs.size(), 1u);
    const AmortInputs& in = runner.runs[0];
    EXPECT_DOUBLE_EQ(in.LoanAmount, 100000);
    EXPECT_EQ(in.AmountText, "100000.00");
    EXPECT_EQ(in.RateText, "8.5000");
    EXPECT_EQ(in.TermMonths, 360);
    EXPECT_EQ(in.PaymentsPerYear, 12);
    EXPECT_DOUBLE_EQ(in.Payment, 768.91);
    EXPECT_EQ(in.FirstPaymentDateText, "04/10/1998");
    EXPECT_EQ(in.DueDay, 10);
    EXPECT_EQ(in.CurrentMonth, 4);
    EXPECT_EQ(in.CurrentYear, 1998);
    EXPECT_FALSE(in.ExactDays);
    EXPECT_EQ(form.txtPymt.text, "768.91");
    EXPECT_EQ(ui.LastFocus(), "txtName");
}

TEST_F(ValidationTest, RateAsPercentOrFractionIsTheSame) {
    EnterPlainLoan();
    Okay();
    Type(F::Rate, "0.085");
    Type(F::Payment, "0");
    Okay();
    // A fraction from a loan data file, as it stands in the field.
    form.SetFieldText(F::Rate, ".085");
    form.SetFieldText(F::Payment, "0");
    Okay();
    ASSERT_EQ(runner.runs.size(), 3u);
    for (const AmortInputs& run : runner.runs) {
        EXPECT_EQ(run.AnnualRate, runner.runs[0].AnnualRate);
        EXPECT_EQ(run.Payment, runner.runs[0].Payment);
    }
    EXPECT_EQ(runner.runs[1].RateText, "8.5000");
    EXPECT_EQ(runner.runs[2].RateText, ".085");
}

TEST_F(ValidationTest, TermAbove600IsRefusedAndNeverWrapsToSixteenBits) {
    EnterPlainLoan();
    for (std::string term : {"601", "65536", "70000"}) {
        Type(F::Term, term);
        Okay();
        ExpectStop("ERROR", "txtTerm");
        EXPECT_EQ(ui.messages[0].prompt, "Maximum term is 600 months!");
        EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(ui.events.front(), "beep");
    }
    Type(F::Term, "600");
    Okay();
    ASSERT_EQ(runner.runs.size(), 1u);
    EXPECT_EQ(runner.runs[0].TermMonths, 600);
}

TEST_F(ValidationTest, ChecksRunInTheirOrder) {
    Open();
    Type(F::Term, "601");
    Type(F::Amount, "0");
    Type(F::Payment, "0");
    form.optCalc_Click(1);
    Type(F::FundingDate, "04/10/1998");
    Type(F::FirstPayment, "04/10/1998");
    form.optFreq = kBiWeekly;  // as if chosen without leaving the frequency options
    std::vector<std::pair<std::string, std::string>> stops;
    auto okay = [&] {
        Okay();
        ASSERT_EQ(ui.messages.size(), 1u);
        stops.emplace_back(ui.messages[0].title, ui.LastFocus());
    };

    okay();  // term limit
    Type(F::Term, "0");
    okay();  // funding gap
    Type(F::FirstPayment, "04/11/1998");
    form.optCalc = 0;
    okay();  // bi-weekly needs exact days
    form.optFreq = kMonthly;
    ui.QueueAnswer(MsgAnswer::No);
    okay();  // Saturday
    ui.QueueAnswer(MsgAnswer::Yes);
    Okay();  // Saturday accepted, then the loan amount
    ASSERT_EQ(ui.messages.size(), 2u);
    stops.emplace_back(ui.messages[1].title, ui.LastFocus());
    Type(F::FirstPayment, "04/10/1998");
    Type(F::Amount, "1000");
    okay();  // term missing without fixed principal
    form.Check_Click(AmortCheck::Fix, 1);
    okay();  // neither term nor payment

    std::vector<std::pair<std::string, std::string>> expected{
        {"ERROR", "txtTerm"},
        {"CHECK DATES ENTERED", "txtPymt1"},
        {"CONFLICTING OPTIONS", "optCalc(1)"},
        {"CONFIRM DATE", "txtPymt1"},
        {"ERROR", "txtAmount"},
        {"ERROR", "txtTerm"},
        {"ERROR", "txtPymt"},
    };
    EXPECT_EQ(stops, expected);
    EXPECT_TRUE(runner.runs.empty());
}

TEST_F(ValidationTest, ErrorMessagesWordForWord) {
    EnterPlainLoan();
    Type(F::Amount, "0");
    Okay();
    ExpectStop("ERROR", "txtAmount");
    EXPECT_EQ(ui.messages[0].prompt, "Loan Amount MUST contain a value!");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Critical);

    Type(F::Amount, "1000");
    Type(F::Term, "");
    Okay();
    ExpectStop("ERROR", "txtTerm");
    EXPECT_EQ(ui.messages[0].prompt,
              "  Term MUST contain a value except\r\nwhen using 'Fixed Principal Payments'");

    form.Check_Click(AmortCheck::Fix, 1);
    Okay();
    ExpectStop("ERROR", "txtPymt");
    EXPECT_EQ(ui.messages[0].prompt,
              "Either Term OR Periodic Payment\r\n          MUST contain a value!");
    EXPECT_EQ(ui.beeps, 1);

    form.Check_Click(AmortCheck::Fix, 0);
    Type(F::Term, "12");
    form.optFreq = kSemiMonthly;
    Okay();
    ExpectStop("CONFLICTING OPTIONS", "optCalc(1)");
    EXPECT_EQ(ui.messages[0].prompt,
              "Bi-weekly and Semi-monthly payment schedules REQUIRE that interest be calculated "
              "using exact number of days.  (Enter loan funding date also.)");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);

    form.optFreq = kMonthly;
    UseExactDays("04/10/1998");
    Okay();
    ExpectStop("CHECK DATES ENTERED", "txtPymt1");
    EXPECT_EQ(ui.messages[0].prompt, "1st payment date LESS than 1 day after loan funding date.");
    EXPECT_EQ(ui.events.front(), "beep");
}

TEST_F(ValidationTest, UnusableFirstPaymentDateStopsBeforeAnyDateCheck) {
    EnterPlainLoan();
    for (std::string text : {"", "31/31/98", "soon"}) {
        form.txtPymt1.text = text;  // reached without the field's own check
        Okay();
        ExpectStop("W A R N I N G", "txtPymt1");
        EXPECT_EQ(ui.messages[0].prompt, "Please use 'mm/dd/yy[yy]' format!");
        EXPECT_EQ(ui.beeps, 1);
    }
    form.txtPymt1.text = "April 10, 1998";
    Okay();
    EXPECT_EQ(runner.runs.size(), 1u);
    EXPECT_EQ(form.txtPymt1.text, "04/10/1998");

    UseExactDays("04/01/1998");
    form.txtStartDt.text = "someday";
    Okay();
    ExpectStop("ERROR", "txtStartDt");
    EXPECT_EQ(ui.messages[0].prompt, "Please use format 'MM/DD/YY[YY]'");
}

TEST_F(ValidationTest, WeekendFirstPaymentAsksOnlyWithoutSemiMonthlyDays) {
    EnterPlainLoan();
    Type(F::FirstPayment, "04/11/1998");
    Type(F::OddDays, "5");
    ui.QueueAnswer(MsgAnswer::No);
    Okay();
    ExpectStop("CONFIRM DATE", "txtPymt1");
    EXPECT_EQ(ui.messages[0].prompt,
              "The date of the 1st payment is not a weekday.  Is this okay?");
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNo);

    ui.QueueAnswer(MsgAnswer::Yes);
    Okay();
    EXPECT_EQ(runner.runs.size(), 1u);

    // Semi-monthly: Saturday, April 11, 1998 is moved onto the pair, but never asked about.
    UseExactDays("03/20/1998");
    UseSemiMonthly(2);  // 10th & 25th
    Type(F::FirstPayment, "04/11/1998");
    Type(F::Term, "12");
    ui.QueueAnswer(MsgAnswer::Yes);
    Okay();
    EXPECT_EQ(Titles(), std::vector<std::string>{"PAYMENT DATE CONFLICT"});
    EXPECT_EQ(runner.runs.size(), 2u);
}

TEST_F(ValidationTest, PaymentTooLowAsksAndYesComputesNegativeAmortization) {
    EnterPlainLoan();
    Type(F::Payment, "500");
    Okay();
    ExpectStop("PAYMENT TOO LOW", "txtPymt");
    const Message& m = ui.messages[0];
    EXPECT_EQ(m.prompt,
              "Accrued interest due exceeds payment amount!\r\n\r\n"
              "Do you want a 'negative' amortization?");
    EXPECT_EQ(m.buttons, MsgButtons::YesNo);
    EXPECT_EQ(m.icon, MsgIcon::Question);
    EXPECT_EQ(m.defaultButton, 2);
    EXPECT_EQ(ui.events.front(), "beep");

    ui.QueueAnswer(MsgAnswer::Yes);
    Okay();
    ASSERT_EQ(runner.runs.size(), 1u);
    EXPECT_DOUBLE_EQ(runner.runs[0].Payment, 500);
}

// With fixed principal the payment is the principal part: interest comes on top, so a payment
// below one period's interest is sound and nothing asks about it.
TEST_F(ValidationTest, FixedPrincipalBelowThePeriodsInterestIsNotTooLow) {
    EnterPlainLoan();
    Type(F::Payment, "500");
    form.Check_Click(AmortCheck::Fix, 1);
    Okay();
    EXPECT_TRUE(ui.messages.empty()) << ::testing::PrintToString(Titles());
    ASSERT_EQ(runner.runs.size(), 1u);
    EXPECT_DOUBLE_EQ(runner.runs[0].FixedPrincipalAmount, 500);
}

// A negative entry stops at its own field in the form's error style, whatever comes in through
// the keyboard, a loan data file or the command line.
TEST_F(ValidationTest, NegativeEntriesAreRefusedAtTheirField) {
    struct Case {
        AmortField field;
        const char* text;
        const char* prompt;
    };
    const Case cases[] = {
        {F::Amount, "-5000", "Loan Amount cannot be negative!"},
        {F::Rate, "-1", "Interest Rate cannot be negative!"},
        {F::Term, "-12", "Term cannot be negative!"},
        {F::Term, "-40000", "Term cannot be negative!"},
        {F::Payment, "-100", "Periodic Payment cannot be negative!"},
        {F::InterestFree, "-40000", "The number of 'Interest Free' payments cannot be negative!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ExpectEntryStops(c.field, c.text, "ERROR");
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].prompt, c.prompt);
        EXPECT_EQ(ui.messages[0].icon, MsgIcon::Critical);
    }

    // Odd days may subtract days from the first period.
    EnterPlainLoan();
    Type(F::OddDays, "-5");
    ui.QueueAnswer(MsgAnswer::Yes);
    Okay();
    EXPECT_EQ(runner.runs.size(), 1u) << ::testing::PrintToString(Titles());
}

// An entry the field would refuse can still reach validation (from a loan data file, or left
// for Clear Values): it stops at its field with the field's message, never read as 0.
TEST_F(ValidationTest, AnEntryThatIsNotANumberStopsAtItsField) {
    ExpectEntryStops(F::Amount, "abc12x5", "NOT A NUMBER");
    ExpectEntryStops(F::Rate, "8.5x", "NOT A NUMBER");
    ExpectEntryStops(F::Payment, "$ 1 0 0,0", "NOT A NUMBER");
    ExpectEntryStops(F::Amount, "100,000,000.00", "AMOUNT TOO LARGE");
    ExpectEntryStops(F::Payment, "-100,000,000", "AMOUNT TOO LARGE");

    // The same amounts written the way a lender writes them are one and the same loan.
    for (const char* amount : {"100000", "100,000", "$100,000.00"}) {
        EnterPlainLoan();
        form.SetFieldText(F::Amount, amount);
        form.SetFieldText(F::Payment, "0");
        Okay();
    }
    ASSERT_EQ(runner.runs.size(), 3u) << ::testing::PrintToString(Titles());
    for (const AmortInputs& run : runner.runs) {
        EXPECT_EQ(run.LoanAmount, 100000);
        EXPECT_DOUBLE_EQ(run.Payment, 768.91);
    }
}

// Every amount of the schedule must fit its report column: the loan amount, the totals, a
// year's interest.
TEST_F(ValidationTest, ASchedulesAmountsTooLargeToPrintStopAtTheLoanAmount) {
    EnterPlainLoan();
    Type(F::Amount, "60,000,000");  // the payments total 166 million
    Okay();
    ExpectStop("AMOUNT TOO LARGE", "txtAmount");
    EXPECT_EQ(ui.messages[0].prompt,
              "This loan's schedule holds amounts too large to print!\r\n\r\nReports print "
              "amounts up to 99,999,999.99, and a year's interest or a negative amount up to "
              "9,999,999.99.");

    // The largest amount at no interest, repaid in one payment, prints.
    Type(F::Amount, "99,999,999.99");
    Type(F::Rate, "0");
    Type(F::Term, "1");
    Type(F::Payment, "0");
    Okay();
    EXPECT_EQ(runner.runs.size(), 1u) << ::testing::PrintToString(Titles());

    // A year's interest carries an asterisk: 12.5 million of it does not print, though the
    // payments total 92.5 million.
    Type(F::Amount, "80,000,000");
    Type(F::Rate, "36");
    Type(F::Term, "9");
    Type(F::Payment, "0");
    Okay();
    ExpectStop("AMOUNT TOO LARGE", "txtAmount");
}

TEST_F(ValidationTest, DerivedTermAbove360IsCheckedAgainstTheMaximum) {
    EnterPlainLoan();
    Type(F::Rate, "0");
    Type(F::Term, "0");
    form.Check_Click(AmortCheck::Fix, 1);

    Type(F::Amount, "36100");
    Type(F::Payment, "100");
    Okay();
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(runner.runs.size(), 1u);
    EXPECT_EQ(runner.runs[0].TermMonths, 361);
    EXPECT_EQ(form.txtTerm.text, "361");

    Type(F::Term, "0");
    Type(F::Amount, "60100");
    Okay();
    ExpectStop("ERROR", "txtTerm");
    EXPECT_EQ(ui.messages[0].prompt, "Maximum term is 600 months!");
    EXPECT_EQ(form.txtTerm.text, "601");

    // Far beyond 16 bits: still the maximum-term stop, not a wrapped count.
    Type(F::Term, "0");
    Type(F::Amount, "9000000");
    Type(F::Payment, "1");
    Okay();
    ExpectStop("ERROR", "txtTerm");
    EXPECT_EQ(ui.messages[0].prompt, "Maximum term is 600 months!");
}

TEST_F(ValidationTest, AllPaymentsInterestFreeAsks) {
    EnterPlainLoan();
    Type(F::Term, "3");
    Type(F::InterestFree, "3");
    Okay();
    ExpectStop("NO INTEREST ACCRUAL", "txtNoInt");
    EXPECT_EQ(ui.messages[0].prompt,
              "The number of 'Interest Free' payments (3) equals or exceeds the number of "
              "periodic payments (3).\r\n\r\nDo you really want to exclude ALL interest "
              "accruals?");
    EXPECT_EQ(ui.messages[0].defaultButton, 2);

    ui.QueueAnswer(MsgAnswer::Yes);
    Okay();
    ASSERT_EQ(runner.runs.size(), 1u);
    EXPECT_EQ(runner.runs[0].InterestFreeCount, 3);

    Type(F::InterestFree, "2");
    Type(F::Payment, "0");
    Okay();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(runner.runs.size(), 2u);
}

TEST_F(ValidationTest, EarlyPayOutAsksAt300MonthsButNotAt359) {
    EnterPlainLoan();
    Type(F::Payment, "805.23");  // repays in 300 months
    Okay();
    ExpectStop("PLEASE CONFIRM", "txtPymt");
    EXPECT_EQ(ui.messages[0].prompt,
              "Loan will pay out in 300 months (instead of 360) using a monthly payment of "
              "$805.23\r\n\r\nIs this what you really wanted?");

    Type(F::Payment, "769.38");  // repays in 359 months
    Okay();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(runner.runs.size(), 1u);
}

TEST_F(ValidationTest, NoOddDaysWarnsWhenTheDateIsNotOneMonthFromToday) {
    EnterPlainLoan();
    Type(F::FirstPayment, "04/13/1998");
    Okay();
    ExpectStop("W A R N I N G", "txtPymt1");
    EXPECT_EQ(ui.messages[0].prompt,
              "1st payment date is entered as 04/13/1998, with NO odd days.\r\n\r\n"
              "(The 'computed' 1st payment date would be 04/10/1998, based on today's date.)"
              "\r\n\r\n                 IS THE 04/13/1998 DATE CORRECT?");
    EXPECT_EQ(ui.messages[0].defaultButton, 2);

    Type(F::OddDays, "3");
    Okay();
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(runner.runs.size(), 1u);
    EXPECT_DOUBLE_EQ(runner.runs[0].OddDays, 3);
}

TEST_F(ValidationTest, SemiMonthlyDateOffThePairIsCorrectedOnYes) {
    EnterPlainLoan();
    Type(F::Term, "12");
    UseExactDays("03/10/1998");
    UseSemiMonthly(0);  // 1st & 16th
    Type(F::FirstPayment, "04/10/1998");
    ui.QueueAnswer(MsgAnswer::No);
    Okay();
    ExpectStop("PAYMENT DATE CONFLICT", "txtPymt1");
    EXPECT_EQ(ui.messages[0].prompt,
              "1st payment date entered (04/10/1998) does not match either of the payment due "
              "dates you selected (1st & 16th).  Do you want me to correct the 1st payment "
              "date?");

    // More than two days after funding: the first due day of its own month.
    ui.QueueAnswer(MsgAnswer::Yes);
    Okay();
    ASSERT_EQ(runner.runs.size(), 1u);
    EXPECT_EQ(runner.runs[0].FirstPaymentDateText, "04/01/1998");
    EXPECT_EQ(form.txtPymt1.text, "04/01/1998");
    EXPECT_EQ(state.SemiMonthly[3], 1);

    // The first due day of the month lies before funding: on to the next one after it.
    Type(F::FundingDate, "03/25/1998");
    Type(F::FirstPayment, "03/28/1998");
    ui.QueueAnswer(MsgAnswer::Yes);
    Okay();
    ASSERT_EQ(runner.runs.size(), 2u);
    EXPECT_EQ(runner.runs[1].FirstPaymentDateText, "04/01/1998");
    EXPECT_EQ(runner.runs[1].CurrentMonth, 4);
    EXPECT_EQ(state.SemiMonthly[3], 1);
}

}  // namespace
}  // namespace quorvia::testing

namespace quorvia::testing {
namespace {

// Validation on its own: a snapshot of the entries in, the loan or the stop out, nothing of a
// form touched.
class SnapshotValidationTest : public ::testing::Test {
  protected:
    SnapshotValidationTest() {
        entries[AmortField::Amount] = "100000.00";
        entries[AmortField::Rate] = "8.5000";
        entries[AmortField::Term] = "360";
        entries[AmortField::FirstPayment] = "4/10/98";
        entries[AmortField::Payment] = "0.00";
        entries[AmortField::InterestFree] = "0";
        entries[AmortField::FundingDate] = "03/10/1998";
    }
    AmortValidationResult Validate() {
        return AmortValidation(state, ui, FixedToday).Validate(entries);
    }

    AppState state;
    ScriptedUi ui;
    AmortEntries entries;
};

TEST_F(SnapshotValidationTest, ALoanComesBackWithTheValuesItFilledIn) {
    AmortValidationResult result = Validate();
    ASSERT_TRUE(result.inputs);
    EXPECT_TRUE(result.focus.empty());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_DOUBLE_EQ(result.inputs->Payment, 768.91);
    EXPECT_EQ(result.entries[AmortField::Payment], "768.91");
    EXPECT_EQ(result.entries[AmortField::FirstPayment], "04/10/1998");
    EXPECT_EQ(result.paymentDate, MakeDate(1998, 4, 10));
    EXPECT_EQ(result.computedDateText, "04/10/1998");
    EXPECT_EQ(entries[AmortField::Payment], "0.00") << "the snapshot handed in stays as it was";
}

TEST_F(SnapshotValidationTest, AStopNamesTheControlToCorrect) {
    entries[AmortField::Amount] = "0.00";
    AmortValidationResult result = Validate();
    EXPECT_FALSE(result.inputs);
    EXPECT_EQ(result.focus, "txtAmount");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt, "Loan Amount MUST contain a value!");
    EXPECT_TRUE(ui.focus.empty()) << "the form moves the focus, not validation";
    // The first payment date was read before the stop: the form still learns it.
    EXPECT_EQ(result.paymentDate, MakeDate(1998, 4, 10));

    ui.Clear();
    entries[AmortField::Amount] = "100000.00";
    entries.optFreq = kBiWeekly;
    result = Validate();
    EXPECT_FALSE(result.inputs);
    EXPECT_EQ(result.focus, "optCalc(1)");
    EXPECT_FALSE(result.paymentDate) << "stopped before the first payment date was read";

    ui.Clear();
    entries.optFreq = kMonthly;
    entries[AmortField::FirstPayment] = "not a date";
    result = Validate();
    EXPECT_EQ(result.focus, "txtPymt1");
}

// A semi-monthly first payment off the pair, corrected on Yes: the corrected date comes back in
// the entries and as the payment date, the pair's half in the session state.
TEST_F(SnapshotValidationTest, ACorrectedFirstPaymentDateComesBackInTheEntries) {
    entries.optCalc = 1;
    entries.optFreq = kSemiMonthly;
    entries.pairListIndex = 0;  // 1st & 16th
    entries[AmortField::FirstPayment] = "04/10/1998";
    ui.SetFallbackAnswer(MsgAnswer::Yes);
    AmortValidationResult result = Validate();
    ASSERT_TRUE(result.inputs);
    EXPECT_EQ(result.entries[AmortField::FirstPayment], "04/01/1998");
    EXPECT_EQ(result.paymentDate, MakeDate(1998, 4, 1));
    EXPECT_EQ(result.inputs->FirstPaymentDate, MakeDate(1998, 4, 1));
    EXPECT_EQ(state.SemiMonthly[0], 1);
    EXPECT_EQ(state.SemiMonthly[3], 1);
}

}  // namespace
}  // namespace quorvia::testing
