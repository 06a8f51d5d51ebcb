#include "core/base/EntryNumbers.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/base/NumberText.h"

namespace quorvia {
namespace {

TEST(AmountValueTest, SeparatorsAndDollarSignsSpellTheSameAmount) {
    for (const char* typed :
         {"250000", "250,000", "$250,000.00", " 250 000 ", "$ 250,000", "+250,000.", "2.5E5"}) {
        EXPECT_EQ(AmountValue(typed), 250000.0) << typed;
    }
    EXPECT_EQ(AmountValue("1,234,567.891"), 1234567.891);
    EXPECT_EQ(AmountValue("-$5,000"), -5000.0);
    EXPECT_EQ(AmountValue("$-5,000"), -5000.0);
    EXPECT_EQ(AmountValue(".5"), 0.5);
    EXPECT_EQ(AmountValue(""), 0.0);
    EXPECT_EQ(AmountValue("  "), 0.0);
}

// Whatever the program shows as an amount reads back as that amount.
TEST(AmountValueTest, EveryAmountTheProgramShowsReadsBack) {
    for (double amount : {0.0, 0.5, 999.99, 1000.0, 1234567.89, -98765.43, 99999999.99, 1e20}) {
        for (const char* mask :
             {"###,###,##0.00", "$###,###,##0.00", "###,######.00", "########0.00"}) {
            std::string shown = FormatNumber(amount, mask);
            std::optional<double> read = AmountValue(shown);
            ASSERT_TRUE(read) << shown;
            EXPECT_NEAR(*read, amount, 0.005 + amount * 1e-15) << shown;
        }
    }
}

TEST(AmountValueTest, TextThatIsNotAnAmountIsRefused) {
    for (const char* typed : {"abc", "abc12x5", "12x5", "(250000)", "1,00", "2,50,000", "1,000,00",
                              "1.5,000", "250000,", ",100", "1,000.00,5", "$", "-", ".", "5$",
                              "$$5", "1,000%", "&H1,000", "250.000.00"}) {
        EXPECT_EQ(AmountValue(typed), std::nullopt) << typed;
    }
}

TEST(RatePercentTest, ANumberBelowOneIsAFractionUnlessMarkedAsAPercentage) {
    EXPECT_EQ(RatePercent("6.75"), 6.75);
    // Exactly the 6.75 typed as such, so that both give the same schedule to the cent.
    EXPECT_EQ(RatePercent(".0675"), 6.75);
    EXPECT_EQ(RatePercent("0.085"), 8.5);
    EXPECT_EQ(RatePercent("0.75"), 75.0);
    EXPECT_EQ(RatePercent("1"), 1.0);
    EXPECT_EQ(RatePercent("8%"), 8.0);
    EXPECT_EQ(RatePercent("0.5%"), 0.5);
    EXPECT_EQ(RatePercent(" 0.5 % "), 0.5);
    EXPECT_EQ(RatePercent("-0.05"), -5.0);
    EXPECT_EQ(RatePercent("0"), 0.0);
    EXPECT_EQ(RatePercent(""), 0.0);
    for (const char* typed : {"abc", "6.75x", "$5", "1,5", "%", "6.75%%", "x%"}) {
        EXPECT_EQ(RatePercent(typed), std::nullopt) << typed;
    }
}

// What the field shows once left reads back as the rate it shows, whatever its size.
TEST(RateFieldTextTest, ShowsFourDecimalsAndReadsBackAsTheSameRate) {
    EXPECT_EQ(RateFieldText(6.75), "6.7500");
    EXPECT_EQ(RateFieldText(75), "75.0000");
    EXPECT_EQ(RateFieldText(0), "0.0000");
    EXPECT_EQ(RateFieldText(0.5), "0.5000%");
    EXPECT_EQ(RateFieldText(0.99996), "1.0000");
    EXPECT_EQ(RateFieldText(-2.5), "-2.5000%");
    for (double percent : {6.75, 75.0, 0.0, 0.5, 0.0675, 1.0, 0.99996, 99.9999, -2.5}) {
        std::optional<double> shown = RatePercent(RateFieldText(percent));
        ASSERT_TRUE(shown) << percent;
        EXPECT_NEAR(*shown, percent, 0.00005) << percent;
    }
}

TEST(RateTitleTextTest, APercentageAsTypedAFractionAsItsPercentage) {
    EXPECT_EQ(RateTitleText("8.5"), "8.5");
    EXPECT_EQ(RateTitleText("8.5000"), "8.5000");
    EXPECT_EQ(RateTitleText("0"), "0");
    EXPECT_EQ(RateTitleText(".0675"), "6.7500");
    EXPECT_EQ(RateTitleText("0.75"), "75.0000");
    EXPECT_EQ(RateTitleText("0.5000%"), "0.5000");
}

}  // namespace
}  // namespace quorvia
