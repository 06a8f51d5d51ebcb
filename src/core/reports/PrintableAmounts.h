#pragma once
// The largest amounts the reports print legibly. An amount column is 1.25 inch wide (the
// detailed report's balance 1.5 inch), less a padding of 1/24 inch on either side. At the
// largest report font, 14 point bold Times New Roman, a digit is 7 points wide and a comma or
// point half that: the 84 points inside the padding hold ten digits with their separators
// (99,999,999.99), or nine with one character more, a minus sign or the asterisk after a year's
// interest (-9,999,999.99, 9,999,999.99*). One digit more and an amount fills its column, so
// that it runs into the next one.

#include "core/schedule/Schedule.h"

namespace quorvia {

inline constexpr double kLargestPrintedAmount = 99999999.99;
// The largest with a minus sign or an asterisk.
inline constexpr double kLargestMarkedAmount = 9999999.99;

// Whether the amount prints inside its column; `starred` for a year's interest, which carries
// an asterisk.
bool FitsAReportColumn(double amount, bool starred = false);

// Whether every amount of the schedule fits its column, in the detailed report and in the
// yearly summary (whose yearly sums are not in the schedule itself).
bool FitsTheReports(const Schedule& schedule);

}  // namespace quorvia
