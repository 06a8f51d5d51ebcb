#include "core/base/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace quorvia {
namespace {

TEST(NumericValueTest, TakesTheLeadingNumberIgnoringBlanks) {
    EXPECT_EQ(NumericValue("360"), 360);
    EXPECT_EQ(NumericValue("1 000"), 1000);
    EXPECT_EQ(NumericValue(" - 5"), -5);
    EXPECT_EQ(NumericValue("\t12.\n5\r"), 12.5);
    EXPECT_EQ(NumericValue("+.25"), 0.25);
    EXPECT_EQ(NumericValue("1,000"), 1);
    EXPECT_EQ(NumericValue("12abc"), 12);
    EXPECT_EQ(NumericValue("8%"), 8);
    EXPECT_EQ(NumericValue("1.5.3"), 1.5);
    EXPECT_EQ(NumericValue("0.085"), 0.085);
    EXPECT_EQ(NumericValue("007"), 7);
}

TEST(NumericValueTest, TextWithoutANumberIsZero) {
    EXPECT_EQ(NumericValue(""), 0);
    EXPECT_EQ(NumericValue("   "), 0);
    EXPECT_EQ(NumericValue("abc"), 0);
    EXPECT_EQ(NumericValue("-"), 0);
    EXPECT_EQ(NumericValue("."), 0);
    EXPECT_EQ(NumericValue("--5"), 0);
    EXPECT_EQ(NumericValue("$5"), 0);
    EXPECT_FALSE(std::signbit(NumericValue("-0")));
}

TEST(NumericValueTest, ReadsExponentsAndStaysFinite) {
    EXPECT_EQ(NumericValue("1.5E3"), 1500);
    EXPECT_EQ(NumericValue("2D2"), 200);
    EXPECT_EQ(NumericValue("25e-1"), 2.5);
    EXPECT_EQ(NumericValue("1 E + 2"), 100);
    EXPECT_EQ(NumericValue("7E"), 7);
    EXPECT_EQ(NumericValue("1E999"), std::numeric_limits<double>::max());
    EXPECT_EQ(NumericValue("-1E99999999999999999999"), -std::numeric_limits<double>::max());
    EXPECT_EQ(NumericValue("1E-999"), 0);
    EXPECT_EQ(NumericValue(std::string(400, '9')), std::numeric_limits<double>::max());
    EXPECT_EQ(NumericValue("0." + std::string(400, '0') + "1E405"), 10000);
    EXPECT_EQ(NumericValue(std::string(150, '1') + "E-149"), 1.1111111111111111);
}

TEST(NumericValueTest, ReadsHexadecimalAndOctalWholeNumbers) {
    EXPECT_EQ(NumericValue("&H1F"), 31);
    EXPECT_EQ(NumericValue("&h1f"), 31);
    EXPECT_EQ(NumericValue("&O17"), 15);
    EXPECT_EQ(NumericValue("&o178"), 15);
    EXPECT_EQ(NumericValue("&H"), 0);
    EXPECT_EQ(NumericValue("&X5"), 0);
    EXPECT_EQ(NumericValue("&H" + std::string(300, 'F')), std::numeric_limits<double>::max());
}

TEST(WholeNumericValueTest, TheNumberMustBeTheWholeText) {
    EXPECT_EQ(WholeNumericValue(" 1 000 "), 1000.0);
    EXPECT_EQ(WholeNumericValue("-2.5E3"), -2500.0);
    EXPECT_EQ(WholeNumericValue("&H1F"), 31.0);
    EXPECT_FALSE(std::signbit(*WholeNumericValue("-0")));
    for (const char* text : {"", " ", "1,000", "12abc", "8%", "1.5.3", "-", ".", "&H", "&X5"}) {
        EXPECT_EQ(WholeNumericValue(text), std::nullopt) << text;
    }
}

TEST(NumberToTextTest, PutsABlankBeforeANumberThatIsNotNegative) {
    EXPECT_EQ(NumberToText(360), " 360");
    EXPECT_EQ(NumberToText(10.5), " 10.5");
    EXPECT_EQ(NumberToText(-2), "-2");
    EXPECT_EQ(NumberToText(0), " 0");
    EXPECT_EQ(NumberToText(-0.0), " 0");
    EXPECT_EQ(NumberToText(0.1 + 0.2), " 0.3");
}

TEST(GeneralNumberTest, ShowsUpToFifteenSignificantDigits) {
    EXPECT_EQ(GeneralNumber(360), "360");
    EXPECT_EQ(GeneralNumber(359.47), "359.47");
    EXPECT_EQ(GeneralNumber(0.5), "0.5");
    EXPECT_EQ(GeneralNumber(-2), "-2");
    EXPECT_EQ(GeneralNumber(123456789012345), "123456789012345");
    EXPECT_EQ(GeneralNumber(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(GeneralNumber(1e20), "1E+20");
}

TEST(FormatNumberTest, GroupsThousandsWhereverTheCommaStands) {
    EXPECT_EQ(FormatNumber(1234567.891, "###,######.00"), "1,234,567.89");
    EXPECT_EQ(FormatNumber(1234567.891, "##,######.00"), "1,234,567.89");
    EXPECT_EQ(FormatNumber(999.5, "#,###,##0.00"), "999.50");
    EXPECT_EQ(FormatNumber(1000, "###,###,##0.00"), "1,000.00");
    EXPECT_EQ(FormatNumber(1234567890123.0, "###,###,##0.00"), "1,234,567,890,123.00");
    EXPECT_EQ(FormatNumber(1234567, "########0.00"), "1234567.00");
}

TEST(FormatNumberTest, RoundsHalvesAwayFromZeroOnTheDecimalValue) {
    EXPECT_EQ(FormatNumber(2.675, "###,###,##0.00"), "2.68");
    EXPECT_EQ(FormatNumber(1.005, "#####0.00"), "1.01");
    EXPECT_EQ(FormatNumber(0.125, "0.00"), "0.13");
    EXPECT_EQ(FormatNumber(-2.675, "######0.00"), "-2.68");
    EXPECT_EQ(FormatNumber(123456789.995, "###,###,##0.00"), "123,456,790.00");
    EXPECT_EQ(FormatNumber(9.995, "#######0.00"), "10.00");
    EXPECT_EQ(FormatNumber(2.5, "##0"), "3");
    EXPECT_EQ(FormatNumber(0.004, "#0.00"), "0.00");
    EXPECT_EQ(FormatNumber(7.25, "#0.0000"), "7.2500");
    EXPECT_EQ(FormatNumber(0.00005, "#0.0000"), "0.0001");
}

TEST(FormatNumberTest, MasksWithoutARequiredDigitLeaveOutTheZero) {
    EXPECT_EQ(FormatNumber(0.5, "###,######.00"), ".50");
    EXPECT_EQ(FormatNumber(0, "###,###,###.00"), ".00");
    EXPECT_EQ(FormatNumber(0, "###"), "");
    EXPECT_EQ(FormatNumber(12, "###"), "12");
    EXPECT_EQ(FormatNumber(0, "##0"), "0");
    EXPECT_EQ(FormatNumber(0, "#0.0000"), "0.0000");
    EXPECT_EQ(FormatNumber(2024, "####"), "2024");
    EXPECT_EQ(FormatNumber(12345, "###"), "12345");
}

TEST(FormatNumberTest, SignPercentAndLiterals) {
    EXPECT_EQ(FormatNumber(850, "$###,###,##0.00"), "$850.00");
    EXPECT_EQ(FormatNumber(-1, "$##,###,##0.00"), "-$1.00");
    EXPECT_EQ(FormatNumber(-0.004, "$##,###,##0.00"), "$0.00");
    EXPECT_EQ(FormatNumber(-1234.5, "###,###,###.00"), "-1,234.50");
    EXPECT_EQ(FormatNumber(45, "##0\\%"), "45%");
    EXPECT_EQ(FormatNumber(0.285, "##0%"), "29%");
    EXPECT_EQ(FormatNumber(1.5, "#.##"), "1.5");
    EXPECT_EQ(FormatNumber(5, "#-#"), "-5");
    EXPECT_EQ(FormatNumber(5, "0 \\d\\a\\y\\s"), "5 days");
}

TEST(FormatNumberTest, NonFiniteValuesDoNotBreakTheLayout) {
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN(), "#0.00"), "0.00");
    std::string largest = FormatNumber(std::numeric_limits<double>::infinity(), "##0");
    EXPECT_EQ(largest.size(), 309u);
    EXPECT_EQ(largest.substr(0, 5), "17976");
}

TEST(RoundingTest, HalfEvenHalfUpAndTruncate) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(359.47), 359);
    EXPECT_EQ(RoundHalfEven(359.51), 360);
    EXPECT_EQ(CentsHalfUp(2.125), 2.13);
    EXPECT_EQ(CentsHalfUp(-2.125), -2.12);
    EXPECT_EQ(CentsHalfUp(1.005), 1.0);  // 1.005 is held a little below the half
    EXPECT_EQ(CentsHalfUp(1.006), 1.01);
    EXPECT_EQ(CentsTruncate(2.349), 2.34);
    EXPECT_EQ(CentsTruncate(-2.341), -2.35);
}

}  // namespace
}  // namespace quorvia
