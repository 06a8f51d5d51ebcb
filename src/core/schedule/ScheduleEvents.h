#pragma once
// What-if events a schedule may carry, each applied at a payment number: extra principal with
// a run of payments, a lump sum with one payment, a new rate from a payment on, interest only
// for the first payments. Plain values: the engine applies them, the notes after the totals
// state them in words, and whatever lets a person type them checks them here first.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quorvia {

enum class EventKind {
    ExtraPrincipal,  // `amount` with each payment from `from` to `to` (0: to the last)
    LumpSum,         // `amount` with payment `from`
    RateChange,      // `annualRate` from payment `from`, the payment recomputed or kept
    InterestOnly,    // interest only for payments `from` (always 1) to `to`
};

struct ScheduleEvent {
    EventKind kind = EventKind::LumpSum;
    int from = 0;
    int to = 0;
    double amount = 0;
    double annualRate = 0;  // a fraction per year: 0.0725 for 7.25 %
    // A rate change leaves the payment as it is and lets the number of payments change.
    bool keepPayment = false;

    bool operator==(const ScheduleEvent&) const = default;
};

using ScheduleEvents = std::vector<ScheduleEvent>;

ScheduleEvent ExtraPrincipal(double amount, int from, int to = 0);
ScheduleEvent LumpSum(double amount, int payment);
ScheduleEvent RateChange(double annualRate, int from, bool keepPayment = false);
ScheduleEvent InterestOnly(int payments);

// The event in words, as the notes after the totals state it: "Extra principal of $200.00
// with each payment from payment 13", "Rate 7.2500% from payment 61".
std::string DescribeEvent(const ScheduleEvent& event);

// The first event that cannot be applied to a loan of `scheduledCount` payments, and why.
struct EventProblem {
    std::size_t event = 0;  // its index in the list as given
    std::string message;
};
std::optional<EventProblem> FindEventProblem(const ScheduleEvents& events, int scheduledCount);

// The events in the order the engine meets them: by payment number, those at one payment in
// the order given.
ScheduleEvents InPaymentOrder(ScheduleEvents events);

}  // namespace quorvia
