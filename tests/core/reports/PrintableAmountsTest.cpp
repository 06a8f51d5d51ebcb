#include "core/reports/PrintableAmounts.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quorvia {
namespace {

TEST(PrintableAmountsTest, TenDigitsFitAColumnNineWithASignOrAnAsterisk) {
    EXPECT_TRUE(FitsAReportColumn(99999999.99));
    EXPECT_TRUE(FitsAReportColumn(99999999.994));
    EXPECT_FALSE(FitsAReportColumn(99999999.995));  // shown as 100,000,000.00
    EXPECT_FALSE(FitsAReportColumn(1e8));
    EXPECT_TRUE(FitsAReportColumn(-9999999.99));
    EXPECT_FALSE(FitsAReportColumn(-10000000));
    EXPECT_TRUE(FitsAReportColumn(9999999.99, true));
    EXPECT_FALSE(FitsAReportColumn(10000000, true));
    EXPECT_FALSE(FitsAReportColumn(NAN));
}

// One row per month, with the year closed after the last.
Schedule OneYear(double payment, double interest, double principal, double balance, int months) {
    Schedule schedule;
    for (int month = 1; month <= months; ++month) {
        schedule.rows.push_back(
            {month, MakeDate(1998, month, 10), payment, interest, principal, balance});
        schedule.totals.payments += payment;
        schedule.totals.interest += interest;
        schedule.totals.principal += principal;
    }
    schedule.yearSubtotals.push_back({schedule.rows.size(), 1998, schedule.totals.interest});
    return schedule;
}

TEST(PrintableAmountsTest, EveryAmountOfBothReportsIsChecked) {
    EXPECT_TRUE(FitsTheReports(OneYear(1000, 500, 500, 90000000, 12)));

    Schedule balance = OneYear(1000, 500, 500, 90000000, 12);
    balance.rows[5].balance = 1e8;
    EXPECT_FALSE(FitsTheReports(balance));

    Schedule opening = OneYear(1000, 500, 500, 1000, 12);
    opening.openingBalance = 1e8;
    EXPECT_FALSE(FitsTheReports(opening));

    // Each month's negative principal prints, and so do the totals; the summary's row of the
    // year's principal does not.
    Schedule growing = OneYear(0, 0, -900000, 50000000, 12);
    growing.totals.principal = 0;
    EXPECT_FALSE(FitsTheReports(growing));
}

}  // namespace
}  // namespace quorvia
