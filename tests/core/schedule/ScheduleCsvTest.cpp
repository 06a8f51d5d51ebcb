#include "core/schedule/ScheduleCsv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/ScheduleTestSupport.h"

namespace quorvia {
namespace {

using testing::Loan;

Schedule Computed(AmortInputs in) {
    SemiMonthlyChoice semiMonthly{};
    Schedule schedule;
    auto error = ComputeSchedule(in, semiMonthly, nullptr, schedule);
    EXPECT_FALSE(error) << (error ? error->description : "");
    return schedule;
}

TEST(ScheduleCsv, OneLinePerPaymentWithIsoDatesAndPlainAmounts) {
    AmortInputs in = Loan(10000, 8, 60, 1, "12/15/2049");
    in.Payment = 1000;
    std::string csv = ScheduleCsv(Computed(in));
    EXPECT_EQ(csv.substr(0, csv.find("\r\n", 60) + 2),
              "number,due_date,payment,interest,principal,balance\r\n"
              "1,2049-12-15,1000.00,66.67,933.33,9066.67\r\n");
    EXPECT_NE(csv.find("\r\n2,2050-01-15,1000.00,60.44,939.56,8127.11\r\n"), std::string::npos);
    EXPECT_TRUE(csv.ends_with(",0.00\r\n"));  // the eleventh payment clears the loan
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 12);
}

TEST(ScheduleCsv, LargeAndNegativeAmountsKeepEveryDigitAndTheirSign) {
    Schedule schedule;
    schedule.rows.push_back({7, MakeDate(1998, 4, 10), 1e15, 0.005, -50, 123456789012.34});
    schedule.rows.push_back({8, MakeDate(1998, 5, 10), 0, 0, 0, 1e62});
    std::string csv = ScheduleCsv(schedule);
    EXPECT_EQ(csv.substr(0, csv.find("\r\n8,") + 2),
              "number,due_date,payment,interest,principal,balance\r\n"
              "7,1998-04-10,1000000000000000.00,0.01,-50.00,123456789012.34\r\n");
    // All 63 integer digits, and the two decimals.
    std::string balance = csv.substr(csv.rfind(',') + 1);
    EXPECT_EQ(balance.size(), 68u) << balance;
    EXPECT_EQ(balance.substr(0, 17), "10000000000000000") << balance;
    EXPECT_TRUE(balance.ends_with(".00\r\n")) << balance;
}

// Every digit of the date in its place: zeros before a short year, month or day, and a year
// past 9999 in full.
TEST(ScheduleCsv, DatesKeepTheirLeadingZerosAndEveryDigitOfTheYear) {
    EXPECT_EQ(IsoDate(MakeDate(2049, 12, 31)), "2049-12-31");
    EXPECT_EQ(IsoDate(MakeDate(1998, 1, 9)), "1998-01-09");
    EXPECT_EQ(IsoDate(MakeDate(7, 10, 20)), "0007-10-20");
    EXPECT_EQ(IsoDate(MakeDate(9999, 12, 31)), "9999-12-31");
    EXPECT_EQ(IsoDate(MakeDate(10000, 1, 1)), "10000-01-01");
}

TEST(ScheduleCsv, ReplacesAnExistingFileWhole) {
    TempFolder folder;
    const std::filesystem::path path = folder.Write("s.csv", "old contents that are longer");
    AmortInputs in = Loan(1200, 0, 12, 1, "01/15/1999");
    in.Payment = 100;
    Schedule schedule = Computed(in);
    ASSERT_FALSE(WriteScheduleCsv(path, schedule));
    EXPECT_EQ(TempFolder::Read(path), ScheduleCsv(schedule));
    EXPECT_FALSE(WriteScheduleCsv(folder / "missing" / "s.csv", schedule) == std::nullopt);
}

}  // namespace
}  // namespace quorvia
