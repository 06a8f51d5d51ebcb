#pragma once
// A computed payment schedule as plain values: what the engine produces in one pass and what
// the work file, the CSV export and the tests read. Nothing in it is formatted; the work file
// decides how each amount is printed.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/base/Dates.h"
#include "core/schedule/ScheduleEvents.h"

namespace quorvia {

// What the title block of the report states about the loan.
struct ScheduleHeading {
    bool exactDays = false;
    // The borrower as typed; blank when none was given.
    std::string borrowerName;
    // The amount as the person typed it, which the title quotes.
    double statedAmount = 0;
    // The rate in percent as the title quotes it: as typed, or its percentage when typed as a
    // fraction.
    std::string rateText;
    std::string frequencyName;
    // The funding date when interest runs on exact days.
    std::optional<Date> fundingDate;
    // Days from funding to the first payment when interest runs on equal months.
    double oddDays = 0;
};

// One payment as computed.
struct PaymentRow {
    int number = 0;
    Date dueDate{};
    double payment = 0;
    double interest = 0;
    double principal = 0;
    double balance = 0;
};

// The interest paid in one calendar year, printed after the payment that closes the year.
struct YearSubtotal {
    // How many payment rows stand before the subtotal.
    std::size_t afterRows = 0;
    int year = 0;
    double interest = 0;
};

struct ScheduleTotals {
    double payments = 0;
    double interest = 0;
    double principal = 0;
};

struct Schedule {
    ScheduleHeading heading;
    // The number of payments the term calls for, whether or not all were needed.
    int16_t scheduledCount = 0;
    bool numberedRows = false;
    double openingBalance = 0;
    // The periodic payment as the form states it (for fixed principal, the principal of each
    // payment), before any event changes it.
    double periodicPayment = 0;
    // The what-if events applied, in payment order; the notes state each one.
    ScheduleEvents events;
    std::vector<PaymentRow> rows;
    std::vector<YearSubtotal> yearSubtotals;
    ScheduleTotals totals;
    // The principal left after the last payment (a note when above zero).
    double remainingBalance = 0;
    // The payments repaid the loan before the term ended (a note says so).
    bool liquidatedEarly = false;
};

}  // namespace quorvia
