#pragma once
// The texts the reports print around a schedule: the title block above the payments and the
// notes after the totals. The work file carries them to the report composers; the workbook
// export shows them beside the typed values.

#include <string>
#include <string_view>
#include <vector>

#include "core/schedule/Schedule.h"

namespace quorvia {

struct ScheduleTitle {
    // "Interest is computed using ..."
    std::string interestMethod;
    // The borrower in capitals; empty when none was given.
    std::string borrower;
    // "Amortization of a $100,000.00 Loan at 8.5000% with 360 Monthly Payments"
    std::string loan;
    // When the loan was funded, or the odd days to the first payment; empty when neither.
    std::string start;
};

ScheduleTitle TitleOf(const Schedule& schedule);

// The label of a year's interest subtotal: "Interest for 1998".
std::string YearSubtotalLabel(int year);

// The label of the totals row.
inline constexpr std::string_view kTotalsLabel = "TOTALS";

// "Note: ..." lines: the principal left at the end of the term, a loan repaid early.
std::vector<std::string> NotesOf(const Schedule& schedule);

}  // namespace quorvia
