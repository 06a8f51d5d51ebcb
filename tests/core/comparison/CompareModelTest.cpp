#include "core/comparison/CompareModel.h"

#include <gtest/gtest.h>

#include "support/AmortFormFixture.h"
#include "support/ScriptedFileChooser.h"
#include "support/ScriptedUi.h"

namespace quorvia {
namespace {

using testing::FixedToday;

// 100,000 at 6 % over 360 months, the first payment a month after today (03/10/1998).
class CompareModelTest : public ::testing::Test {
  protected:
    CompareModelTest() {
        model.StartTyped();
        model.SetTerm(0, AmortField::Amount, "100000");
        model.SetTerm(0, AmortField::Rate, "6");
        model.SetTerm(0, AmortField::Term, "360");
    }

    EventEntry Extra(std::string amount, std::string from = "1", std::string to = "") {
        return {EventKind::ExtraPrincipal, std::move(amount), std::move(from), std::move(to)};
    }

    AppState state;
    ScriptedUi ui;
    testing::ScriptedFileChooser files;
    CompareModel model{state, ui, FixedToday, files};
};

// The figures quorvia-batch schedule --summary prints for the same loans.
TEST_F(CompareModelTest, ExtraPrincipalSavesInterestAndTimeAgainstTheFirstColumn) {
    ASSERT_TRUE(model.AddScenario());
    ASSERT_TRUE(model.AddEvent(1, Extra("200")));
    ASSERT_TRUE(model.Compare());
    ASSERT_EQ(model.Figures().size(), 2u);

    const ScenarioFigures& plain = model.Figures()[0];
    EXPECT_DOUBLE_EQ(plain.summary.payment, 599.55);
    EXPECT_EQ(plain.summary.payments, 360);
    EXPECT_EQ(plain.summary.lastDate, MakeDate(2028, 3, 10));
    EXPECT_NEAR(plain.summary.totalInterest, 115838.44, 0.005);
    EXPECT_EQ(plain.interestSaved, 0);
    EXPECT_EQ(plain.monthsSaved, 0);

    const ScenarioFigures& extra = model.Figures()[1];
    EXPECT_DOUBLE_EQ(extra.summary.payment, 599.55);
    EXPECT_EQ(extra.summary.payments, 197);
    EXPECT_NEAR(extra.summary.totalInterest, 57386.79, 0.005);
    EXPECT_NEAR(extra.interestSaved, 115838.44 - 57386.79, 0.005);
    EXPECT_EQ(extra.monthsSaved, 163);
    EXPECT_EQ(MonthsText(extra.monthsSaved), "13 years 7 months");
    EXPECT_EQ(model.Loans().size(), 2u);
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(FigureTexts(plain, true),
              (std::vector<std::string>{"$599.55", "360", "03/10/2028", "$115,838.44",
                                        "$215,838.44", "", ""}));
    EXPECT_EQ(FigureTexts(extra, false),
              (std::vector<std::string>{"$599.55", "197", "08/10/2014", "$57,386.79", "$157,386.79",
                                        "$58,451.65", "13 years 7 months"}));

    // The charts: the balance falls to nothing at the last payment, the interest adds up.
    std::vector<ChartPoint> balance = BalanceOverTime(extra.schedule);
    std::vector<ChartPoint> interest = InterestOverTime(extra.schedule);
    ASSERT_EQ(balance.size(), 197u);
    ASSERT_EQ(interest.size(), 197u);
    EXPECT_EQ(balance.front().date, MakeDate(1998, 4, 10));
    EXPECT_NEAR(balance.front().value, 100000 - (599.55 - 500 + 200), 0.005);
    EXPECT_EQ(balance.back().date, MakeDate(2014, 8, 10));
    EXPECT_EQ(balance.back().value, 0);
    EXPECT_DOUBLE_EQ(interest.front().value, 500);
    EXPECT_NEAR(interest.back().value, 57386.79, 0.005);
}

// A column that costs more than the first says how much more, in money and in time.
TEST(CompareFiguresTest, ACostlierColumnSaysMore) {
    ScenarioFigures figures;
    figures.interestSaved = -3000.004;
    figures.monthsSaved = -14;
    std::vector<std::string> texts = FigureTexts(figures, false);
    EXPECT_EQ(texts[5], "$3,000.00 more");
    EXPECT_EQ(texts[6], "1 year 2 months more");
    figures.interestSaved = -0.004;
    figures.monthsSaved = 12;
    texts = FigureTexts(figures, false);
    EXPECT_EQ(texts[5], "$0.00");
    EXPECT_EQ(texts[6], "1 year");
    EXPECT_EQ(MonthsText(1), "1 month");
    EXPECT_EQ(MonthsText(0), "0 months");
    EXPECT_EQ(MonthsText(25), "2 years 1 month");
}

TEST_F(CompareModelTest, EveryKindOfEventChangesItsColumnOnly) {
    for (int column = 1; column < 4; ++column) {
        ASSERT_TRUE(model.AddScenario());
    }
    ASSERT_TRUE(model.AddEvent(1, {EventKind::LumpSum, "$5,000", "24", ""}));
    ASSERT_TRUE(model.AddEvent(2, {EventKind::RateChange, "7.25", "61", "", true}));
    ASSERT_TRUE(model.AddEvent(3, {EventKind::InterestOnly, "", "12", ""}));
    EXPECT_EQ(model.Scenarios()[1].events, ScheduleEvents{LumpSum(5000, 24)});
    EXPECT_EQ(model.Scenarios()[2].events, ScheduleEvents{RateChange(0.0725, 61, true)});
    EXPECT_EQ(model.Scenarios()[3].events, ScheduleEvents{InterestOnly(12)});
    ASSERT_TRUE(model.Compare());

    const auto& figures = model.Figures();
    EXPECT_GT(figures[1].interestSaved, 0);
    EXPECT_GT(figures[1].monthsSaved, 0);
    // A higher rate with the payment kept costs more; the last payment pays off the rest.
    EXPECT_NEAR(figures[2].summary.totalInterest, 177413.55, 0.005);
    EXPECT_NEAR(figures[2].interestSaved, 115838.44 - 177413.55, 0.005);
    EXPECT_EQ(figures[2].monthsSaved, 0);
    // A year of interest only costs interest; the term stays.
    EXPECT_LT(figures[3].interestSaved, 0);
    EXPECT_EQ(figures[3].summary.payments, 360);
    EXPECT_DOUBLE_EQ(figures[3].schedule.rows[0].interest, 500.00);
    EXPECT_DOUBLE_EQ(figures[3].schedule.rows[0].principal, 0);
}

TEST_F(CompareModelTest, ColumnsComeAndGoUpToFourAndTheFirstStays) {
    ASSERT_TRUE(model.AddEvent(0, Extra("50")));
    ASSERT_TRUE(model.AddScenario());
    EXPECT_EQ(model.Term(1, AmortField::Amount), "100000");
    EXPECT_TRUE(model.Scenarios()[1].events.empty());
    ASSERT_TRUE(model.AddScenario());
    ASSERT_TRUE(model.AddScenario());
    EXPECT_FALSE(model.AddScenario());
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(model.Scenarios().size(), 4u);

    model.SetTerm(2, AmortField::Rate, "5");
    model.RemoveScenario(1);
    EXPECT_EQ(model.Term(1, AmortField::Rate), "5");
    model.RemoveScenario(0);
    EXPECT_EQ(model.Scenarios().size(), 3u);
    EXPECT_EQ(model.Scenarios()[0].events.size(), 1u);
    model.RemoveEvent(0, 0);
    EXPECT_TRUE(model.Scenarios()[0].events.empty());
}

TEST_F(CompareModelTest, AnEntryThatIsNotAnEventIsRefusedAndNothingIsAdded) {
    ASSERT_TRUE(model.AddScenario());
    struct Case {
        EventEntry entry;
        const char* message;
    };
    const Case cases[] = {
        {Extra("abc"), "Amount"},
        {Extra(""), "Amount"},
        {Extra("200", "x"), "payment number"},
        {Extra("200", ""), "payment number"},
        {Extra("200", "13", "1o"), "last payment"},
        {Extra("-5"), "Extra principal must be an amount above zero."},
        {Extra("200", "13", "12"), "must end at payment 13 or later"},
        {{EventKind::RateChange, "seven", "61", ""}, "New Rate"},
        {{EventKind::RateChange, "7", "1", ""}, "A rate change must come at payment 2 or later"},
        {{EventKind::InterestOnly, "", "none", ""}, "interest-only payments"},
    };
    for (const Case& refused : cases) {
        ui.Clear();
        EXPECT_FALSE(model.AddEvent(1, refused.entry)) << refused.message;
        ASSERT_NE(ui.LastMessage(), nullptr) << refused.message;
        EXPECT_NE(ui.LastMessage()->prompt.find(refused.message), std::string::npos)
            << ui.LastMessage()->prompt;
        EXPECT_TRUE(model.Scenarios()[1].events.empty()) << refused.message;
    }
    ASSERT_TRUE(model.AddEvent(1, Extra("200", "1", "60")));
    EXPECT_FALSE(model.AddEvent(1, Extra("100", "60")));
    EXPECT_EQ(model.Scenarios()[1].events.size(), 1u);
}

TEST_F(CompareModelTest, AColumnThatDoesNotValidateStopsTheComparisonThere) {
    ASSERT_TRUE(model.AddScenario());
    ASSERT_TRUE(model.AddScenario());
    model.SetTerm(2, AmortField::Term, "120");
    ASSERT_TRUE(model.AddEvent(2, {EventKind::LumpSum, "5000", "200", ""}));
    EXPECT_FALSE(model.Compare());
    ASSERT_NE(ui.LastMessage(), nullptr);
    EXPECT_EQ(ui.LastMessage()->prompt,
              "Scenario 3: A lump sum with payment 200 is beyond the term of 120 payments.");
    EXPECT_EQ(ui.LastFocus(), "lstEvents(3)");
    EXPECT_TRUE(model.Figures().empty());

    ui.Clear();
    model.RemoveEvent(2, 0);
    model.SetTerm(1, AmortField::Amount, "abc");
    EXPECT_FALSE(model.Compare());
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.LastFocus(), "txtAmount(2)");
    EXPECT_TRUE(model.Figures().empty());
}

TEST_F(CompareModelTest, AChangeClearsTheFiguresOfTheLastComparison) {
    ASSERT_TRUE(model.Compare());
    EXPECT_EQ(model.Figures().size(), 1u);
    model.SetTerm(0, AmortField::Rate, "6");
    EXPECT_EQ(model.Figures().size(), 1u);
    model.SetTerm(0, AmortField::Rate, "7");
    EXPECT_TRUE(model.Figures().empty());
    ASSERT_TRUE(model.Compare());
    ASSERT_TRUE(model.AddScenario());
    EXPECT_TRUE(model.Figures().empty());
}

TEST_F(CompareModelTest, ATypedComparisonStartsFromThePreferencesAndTheFormsLoanIsTakenAsItIs) {
    EXPECT_EQ(model.Term(0, AmortField::FirstPayment), "04/10/1998");
    EXPECT_EQ(model.Scenarios()[0].loan.optFreq, kMonthly);

    state.DefaultFrequency = kSemiMonthly;
    state.DefaultRate = " 7.5000 ";
    state.SemiMonthly = {2, 5, 20, 1};
    model.StartTyped();
    EXPECT_EQ(model.Scenarios()[0].loan.optFreq, kMonthly);
    EXPECT_EQ(model.Term(0, AmortField::Rate), "7.5000");

    AmortEntries loan;
    loan[AmortField::Amount] = "50000";
    loan[AmortField::Rate] = "8";
    loan[AmortField::Term] = "120";
    loan[AmortField::FirstPayment] = "04/05/1998";
    loan[AmortField::InterestFree] = "0";
    loan[AmortField::FundingDate] = "03/10/1998";
    loan.optCalc = 1;
    loan.optFreq = kSemiMonthly;
    loan.pairListIndex = 0;
    model.StartFrom(loan);
    ASSERT_TRUE(model.Compare()) << (ui.LastMessage() ? ui.LastMessage()->prompt : "");
    EXPECT_EQ(model.Figures()[0].summary.payments, 240);
    // Comparing leaves the session's semi-monthly choice as the amortization form set it.
    EXPECT_EQ(state.SemiMonthly, (SemiMonthlyChoice{2, 5, 20, 1}));
}

}  // namespace
}  // namespace quorvia
