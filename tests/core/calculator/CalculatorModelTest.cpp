#include "core/calculator/CalculatorModel.h"

#include <gtest/gtest.h>

#include <utility>

#include "support/ScriptedUi.h"

namespace quorvia {
namespace {

constexpr int kEnter = CalculatorModel::kEnterKey;
constexpr int kEsc = CalculatorModel::kEscKey;

class CalculatorModelTest : public ::testing::Test {
  protected:
    CalculatorModelTest() { calc.Form_Load(); }

    void Enter(std::string amount, std::string rate, std::string months, std::string payment,
               int frequency = 1) {
        calc.txtLnAmt = std::move(amount);
        calc.txtRate = std::move(rate);
        calc.txtMonths = std::move(months);
        calc.txtPymt = std::move(payment);
        calc.optFreq = frequency;
    }

    void ExpectFields(std::string_view amount, std::string_view rate, std::string_view months,
                      std::string_view payment) {
        EXPECT_EQ(calc.txtLnAmt, amount);
        EXPECT_EQ(calc.txtRate, rate);
        EXPECT_EQ(calc.txtMonths, months);
        EXPECT_EQ(calc.txtPymt, payment);
    }

    AppState state;
    ScriptedUi ui;
    CalculatorModel calc{state, ui};
};

TEST_F(CalculatorModelTest, SolvesForThePaymentAndForTheRate) {
    Enter("100000", "8", "360", "0");
    EXPECT_TRUE(calc.cmdCalc_Click());
    ExpectFields("100000.00", "8.0000", "360", "733.76");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.LastFocus(), "txtLnAmt");

    // The rounded payment is a little short of the exact one, so five Newton passes land
    // just below 8 %.
    calc.txtRate = "0";
    EXPECT_TRUE(calc.cmdCalc_Click());
    ExpectFields("100000.00", "7.9999", "360", "733.76");
}

TEST_F(CalculatorModelTest, SolvesForTheAmountAndForTheTerm) {
    Enter("0", "8", "360", "733.76");
    EXPECT_TRUE(calc.cmdCalc_Click());
    ExpectFields("99999.38", "8.0000", "360", "733.76");

    Enter("100000", "8", "0", "734.20");
    EXPECT_TRUE(calc.cmdCalc_Click());
    ExpectFields("100000.00", "8.0000", "359.12", "734.20");
    calc.txtMonths_LostFocus();
    EXPECT_EQ(calc.txtMonths, "359");
}

TEST_F(CalculatorModelTest, TermCountsWholePaymentsOfTheFrequency) {
    Enter("100000", "8", "31", "0", 2);
    EXPECT_TRUE(calc.cmdCalc_Click());
    ExpectFields("100000.00", "8.0000", "30", "11132.65");

    Enter("100000", "8", "360", "0", 5);
    EXPECT_TRUE(calc.cmdCalc_Click());
    ExpectFields("100000.00", "8.0000", "360", "338.52");
}

TEST_F(CalculatorModelTest, AllFourGivenRecomputesThePayment) {
    Enter("100000", "8", "360", "1000");
    EXPECT_TRUE(calc.cmdCalc_Click());
    EXPECT_EQ(calc.txtPymt, "733.76");
}

TEST_F(CalculatorModelTest, PercentSignIsDroppedFromTheRate) {
    Enter("100000", "8%", "360", "0");
    EXPECT_TRUE(calc.cmdCalc_Click());
    ExpectFields("100000.00", "8.0000", "360", "733.76");

    calc.txtRate = "8.5%";
    calc.txtRate_LostFocus();
    EXPECT_EQ(calc.txtRate, "8.5000");
}

TEST_F(CalculatorModelTest, PaymentBelowTheInterestFailsAndKeepsTheEntries) {
    Enter("100000", "8%", "0", "500");
    EXPECT_FALSE(calc.cmdCalc_Click());
    ASSERT_EQ(ui.messages.size(), 1u);
    const Message& box = ui.messages[0];
    EXPECT_EQ(box.prompt, "Interest due EXCEEDS monthly payment!");
    EXPECT_EQ(box.title, "E R R O R   M E S S A G E");
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    ExpectFields("100000", "8", "0", "500");
    EXPECT_EQ(ui.LastFocus(), "txtLnAmt");
}

TEST_F(CalculatorModelTest, AmountAndPaymentBothZeroFails) {
    Enter("0", "8", "360", "0");
    EXPECT_FALSE(calc.cmdCalc_Click());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt,
              "You MUST enter values before calculating ... only one field can have a 0 (zero) "
              "value.");
    ExpectFields("0", "8", "360", "0");
    EXPECT_EQ(ui.LastFocus(), "txtLnAmt");
}

TEST_F(CalculatorModelTest, FieldsAreReformattedOnLeaving) {
    using Field = std::string CalculatorModel::*;
    using LostFocus = void (CalculatorModel::*)(std::string_view);
    auto leave = [this](Field field, LostFocus lostFocus, const char* typed) {
        calc.*field = typed;
        (calc.*lostFocus)({});
        return calc.*field;
    };
    const Field amount = &CalculatorModel::txtLnAmt;
    const LostFocus amountLeft = &CalculatorModel::txtLnAmt_LostFocus;
    EXPECT_EQ(leave(amount, amountLeft, "1,000"), "1000.00");
    EXPECT_EQ(leave(amount, amountLeft, "1 000"), "1000.00");
    EXPECT_EQ(leave(amount, amountLeft, "$250,000.00"), "250000.00");
    const Field rate = &CalculatorModel::txtRate;
    const LostFocus rateLeft = &CalculatorModel::txtRate_LostFocus;
    EXPECT_EQ(leave(rate, rateLeft, ".0675"), "6.7500");
    EXPECT_EQ(leave(rate, rateLeft, "0.5%"), "0.5000%");
    EXPECT_EQ(leave(&CalculatorModel::txtMonths, &CalculatorModel::txtMonths_LostFocus, "359.5"),
              "360");
    EXPECT_EQ(leave(&CalculatorModel::txtPymt, &CalculatorModel::txtPymt_LostFocus, "733.755"),
              "733.76");
    EXPECT_TRUE(ui.messages.empty());
}

// The calculator reads amounts and rates as the amortization form does.
TEST_F(CalculatorModelTest, SeparatorsAndAFractionalRateGiveTheSameLoan) {
    for (const auto& [amount, rate] : {std::pair{"250000", "6.75"}, std::pair{"250,000", ".0675"},
                                       std::pair{"$250,000.00", "6.75%"}}) {
        SCOPED_TRACE(amount);
        Enter(amount, rate, "360", "0");
        EXPECT_TRUE(calc.cmdCalc_Click());
        ExpectFields("250000.00", "6.7500", "360", "1621.50");
    }

    // A rate solved below 1 % keeps its percent sign, so that calculating again reads it as the
    // same rate and gives the same payment.
    Enter("100000", "0", "360", "290.00");
    EXPECT_TRUE(calc.cmdCalc_Click());
    EXPECT_EQ(calc.txtRate, "0.2884%");
    calc.txtPymt = "0";
    EXPECT_TRUE(calc.cmdCalc_Click());
    ExpectFields("100000.00", "0.2884%", "360", "290.00");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CalculatorModelTest, AnEntryThatIsNotANumberIsRefusedNotCalculated) {
    for (const auto& [field, focus] : {std::pair{&CalculatorModel::txtLnAmt, "txtLnAmt"},
                                       std::pair{&CalculatorModel::txtRate, "txtRate"},
                                       std::pair{&CalculatorModel::txtPymt, "txtPymt"}}) {
        SCOPED_TRACE(focus);
        ui.Clear();
        Enter("100000", "8", "360", "733.76");
        calc.*field = "abc12x5";
        EXPECT_FALSE(calc.cmdCalc_Click());
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].title, "NOT A NUMBER");
        EXPECT_EQ(ui.LastFocus(), focus);
        EXPECT_EQ(calc.*field, "abc12x5");
    }

    // Leaving the field says so and keeps the focus there; the field left as the focus comes
    // back, and leaving for Clear Values or Quit, check nothing.
    ui.Clear();
    calc.txtRate = "6.7.5";
    calc.txtRate_LostFocus("txtMonths");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt,
              "The Annual Interest Rate entered is not a number!\r\n\r\nEnter a rate in percent "
              "such as 6.75, or .0675.");
    EXPECT_EQ(ui.LastFocus(), "txtRate");
    calc.txtPymt = "(733.76)";
    calc.txtPymt_LostFocus("txtRate");
    calc.txtRate_LostFocus("cmdClear");
    calc.txtPymt_LostFocus("cmdQuit");
    EXPECT_EQ(ui.messages.size(), 1u);
    calc.txtRate_LostFocus("txtMonths");
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(calc.txtRate, "6.7.5");
    EXPECT_EQ(calc.txtPymt, "(733.76)");
}

TEST_F(CalculatorModelTest, EscRestoresTheTextTheFieldHadOnEntry) {
    calc.txtRate = "7.25";
    calc.txtRate_GotFocus();
    EXPECT_EQ(calc.pnlStatus, "Enter the annual interest rate (note rate) or zero to calculate");
    calc.txtRate = "9";
    EXPECT_FALSE(calc.txtRate_KeyPress('9'));
    EXPECT_TRUE(calc.txtRate_KeyPress(kEsc));
    EXPECT_EQ(calc.txtRate, "7.25");
    EXPECT_EQ(ui.selectAlls, 2);
}

TEST_F(CalculatorModelTest, EnterMovesAlongTheFieldsToCalculate) {
    calc.optFreq = 3;
    EXPECT_TRUE(calc.txtLnAmt_KeyPress(kEnter));
    EXPECT_TRUE(calc.txtRate_KeyPress(kEnter));
    EXPECT_TRUE(calc.txtMonths_KeyPress(kEnter));
    EXPECT_TRUE(calc.txtPymt_KeyPress(kEnter));
    EXPECT_FALSE(calc.optFreq_KeyPress(3, ' '));
    EXPECT_TRUE(calc.optFreq_KeyPress(3, kEnter));
    EXPECT_EQ(ui.focus, (std::vector<std::string>{"txtRate", "txtMonths", "txtPymt", "optFreq(3)",
                                                  "cmdCalc"}));
}

TEST_F(CalculatorModelTest, ClearTakesThePreferredRateAndFrequency) {
    state.DefaultRate = " 7.5000 ";
    state.DefaultFrequency = 4;
    Enter("1", "2", "3", "4", 2);
    calc.cmdClear_Click();
    ExpectFields("0.00", "7.5000", "0", "0.00");
    EXPECT_EQ(calc.optFreq, 4);
    EXPECT_EQ(ui.LastFocus(), "txtLnAmt");
}

TEST_F(CalculatorModelTest, StatusTextsAndToolTips) {
    calc.optFreq_GotFocus(2);
    EXPECT_EQ(calc.pnlStatus, "Select the frequency of scheduled loan payments for this loan");
    calc.optFreq_GotFocus(6);
    EXPECT_EQ(calc.pnlStatus, "Select for two payments to be made each calendar month");
    calc.cmdQuit_GotFocus();
    EXPECT_EQ(calc.pnlStatus, "Closes the Loan Calculator window");
    calc.Form_Deactivate();
    EXPECT_EQ(calc.pnlStatus, "");

    calc.Form_Activate(true);
    EXPECT_EQ(calc.ToolTips.cmdCopy, " Copies entries to the Amortization Schedule form ");
    calc.Form_Activate(false);
    EXPECT_EQ(calc.ToolTips.cmdCalc, "");

    state.FormOpen[2] = true;
    calc.Form_Unload();
    EXPECT_FALSE(state.FormOpen[2]);
}

}  // namespace
}  // namespace quorvia
