#pragma once
// The values that describe one loan for the schedule engine. The amortization form rebuilds
// the record from its fields before every run; the engine then works on it in place.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/base/Dates.h"

namespace quorvia {

// The payment frequencies, indexed 1 to 6 across the whole program (option buttons, the
// default frequency preference, line 5 of a loan data file).
struct PaymentFrequency {
    int index;
    std::string_view name;
    int paymentsPerYear;
    std::string_view dateInterval;  // "m" months, "ww" weeks, "d" days
    int dateIntervalCount;
};

inline constexpr std::array<PaymentFrequency, 6> kFrequencies{{
    {1, "Monthly", 12, "m", 1},
    {2, "Quarterly", 4, "m", 3},
    {3, "Semi-Annual", 2, "m", 6},
    {4, "Annual", 1, "m", 12},
    {5, "Bi-Weekly", 26, "ww", 2},
    {6, "Semi-Monthly", 24, "d", 15},
}};

// The longest term the program schedules.
inline constexpr int kMaximumTermMonths = 600;

inline constexpr int kMonthly = 1;
inline constexpr int kBiWeekly = 5;
inline constexpr int kSemiMonthly = 6;

// The frequency with the given index 1 to 6 (Monthly for any other index).
const PaymentFrequency& FrequencyOf(int index);

// The status line of a frequency option button that has the focus.
std::string_view FrequencyStatusText(int index);

// The report styles chosen on the form and kept in the preferences.
enum ReportStyle : int {
    kColumnarNoGrid = 0,
    kPlainGrid = 1,
    kFancyGrid = 2,
    kSummaryOnly = 3,
};

// The chosen semi-monthly due-day pair: element 0 the pair 1 to 4, elements 1 and 2 its two
// days of the month, element 3 which of the two the next payment falls on (1 or 2).
using SemiMonthlyChoice = std::array<int16_t, 4>;

struct AmortInputs {
    std::string BorrowerName;
    std::string AmountText;
    double LoanAmount = 0;
    std::string RateText;
    double AnnualRate = 0;  // a fraction per year: 0.085 for 8.5 %
    int16_t TermMonths = 0;
    int16_t PaymentsPerYear = 12;
    std::string FrequencyName = "Monthly";
    double PeriodicRate = 0;
    std::string DateInterval = "m";
    int16_t DateIntervalCount = 1;
    double Payment = 0;
    double OddDays = 0;
    bool FixedPrincipal = false;
    double FixedPrincipalAmount = 0;
    bool BalanceDueAtEnd = false;
    bool ExactDays = false;
    int16_t InterestFreeCount = 0;
    bool NumberPaymentRows = false;
    std::string FundingDateText;
    std::string FirstPaymentDateText;
    Date FirstPaymentDate{};
    int16_t DueDay = 0;
    int16_t CurrentMonth = 0;
    int16_t CurrentYear = 0;
    int16_t SelectedStyle = kColumnarNoGrid;
};

// Sets the frequency fields (payments per year, name, date step, periodic rate) from an index.
void ApplyFrequency(AmortInputs& inputs, int frequencyIndex);

}  // namespace quorvia
