#pragma once
// The schedule engine: turns one validated loan into its complete payment schedule and writes
// it to the schedule work file, and the two computations the form uses to fill in a missing
// payment or term and to estimate the pay-out time.

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "core/base/Dates.h"
#include "core/base/RunError.h"
#include "core/schedule/AmortInputs.h"

namespace quorvia {

// The number of scheduled payments: floor(term * payments per year / 12 + 0.005).
int16_t ScheduledCount(const AmortInputs& inputs);

// Fills Payment (and FixedPrincipalAmount) or TermMonths when the person left one of them
// zero. Returns false when neither a payment nor a term is given (nothing can be derived).
// A derived term too large for a 16-bit count is an overflow error.
struct Derivation {
    bool derived = false;
    std::optional<RunError> error;
};
Derivation DeriveMissingPaymentOrTerm(AmortInputs& inputs);

// Months needed to repay the loan with the payment, or nothing when it never does.
std::optional<int> MonthsToPayOut(const AmortInputs& inputs);

// Called once per payment with the meter value 0 to 100.
using ProgressCallback = std::function<void(double percent)>;

// One payment as computed, before it is formatted for the work file.
struct PaymentRow {
    int number = 0;
    Date dueDate{};
    double payment = 0;
    double interest = 0;
    double principal = 0;
    double balance = 0;
};

struct ScheduleRun {
    int16_t scheduledCount = 0;
    double finalBalance = 0;
    // Filled with every payment when keepRows is set (for exports that need full dates and
    // plain numbers).
    bool keepRows = false;
    std::vector<PaymentRow> rows;
};

// Runs the whole schedule and writes the work file at `workFile`. Works on `inputs` and the
// semi-monthly toggle in place, as the form expects; the caller rebuilds the record before
// every run.
std::optional<RunError> WriteSchedule(AmortInputs& inputs, SemiMonthlyChoice& semiMonthly,
                                      const std::filesystem::path& workFile,
                                      const ProgressCallback& progress, ScheduleRun* run = nullptr);

}  // namespace quorvia
