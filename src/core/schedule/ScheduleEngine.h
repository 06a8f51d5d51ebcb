#pragma once
// The schedule engine: turns one validated loan into its complete payment schedule, and the
// two computations the form uses to fill in a missing payment or term and to estimate the
// pay-out time.

#include <filesystem>
#include <functional>
#include <optional>

#include "core/base/Dates.h"
#include "core/base/RunError.h"
#include "core/schedule/AmortInputs.h"
#include "core/schedule/Schedule.h"
#include "core/schedule/ScheduleEvents.h"

namespace quorvia {

// The number of scheduled payments: floor(term * payments per year / 12 + 0.005).
int16_t ScheduledCount(const AmortInputs& inputs);

// The number of payments of the loan's frequency that `months` hold, counted the same way.
int16_t PaymentsInMonths(const AmortInputs& inputs, double months);

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

// The level payment (or, for fixed principal, the principal of each payment) that repays
// `amount` over `periods` payments at the periodic rate, to the cent.
double PeriodicPayment(double amount, double periodicRate, double periods, bool fixedPrincipal);

// Computes the whole schedule in one pass. Works on `inputs` and the semi-monthly toggle in
// place, as the form expects; the caller rebuilds the record before every run. On an error the
// schedule holds the payments computed before it.
//
// Events change the schedule from the payment each names. Extra principal and lump sums add to
// the principal and the payment of their rows. A rate change makes the new rate the one of its
// payment and recomputes the payment over the payments that remain of the term; one that keeps
// the payment lets the number of payments change instead, past the term while the payment
// still brings the balance down but not past the longest term the program schedules (a loan
// with its balance due at the end, or with fixed principal, keeps its term). The payments of the
// interest-only period are their interest; the first one after it recomputes the payment over the
// rest of the term. Events that FindEventProblem refuses are an invalid-call error.
std::optional<RunError> ComputeSchedule(AmortInputs& inputs, SemiMonthlyChoice& semiMonthly,
                                        const ProgressCallback& progress, Schedule& schedule,
                                        const ScheduleEvents& events = {});

// Computes the schedule and writes it to the work file at `workFile`, which is left absent when
// either fails. The schedule is kept in `schedule` when one is given.
std::optional<RunError> WriteSchedule(AmortInputs& inputs, SemiMonthlyChoice& semiMonthly,
                                      const std::filesystem::path& workFile,
                                      const ProgressCallback& progress,
                                      Schedule* schedule = nullptr,
                                      const ScheduleEvents& events = {});

}  // namespace quorvia
