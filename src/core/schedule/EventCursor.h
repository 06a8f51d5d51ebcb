#pragma once
// Walks a schedule's events alongside the payment loop. The events are kept in payment order,
// so a payment at which nothing starts costs one comparison.

#include <cstddef>
#include <optional>
#include <utility>

#include "core/schedule/ScheduleEvents.h"

namespace quorvia {

// What the events say about one payment.
struct PaymentEvents {
    // A rate change from this payment, and whether it keeps the payment.
    std::optional<double> newAnnualRate;
    bool keepPayment = false;
    // The payment falls in the interest-only period, or is the first one after it.
    bool interestOnly = false;
    bool amortizationStarts = false;
    // Extra principal and lump sums with this payment, together.
    double extraPrincipal = 0;
};

class EventCursor {
  public:
    // `events` in payment order (InPaymentOrder), checked by FindEventProblem.
    explicit EventCursor(ScheduleEvents events) : events_(std::move(events)) {}

    // Asked for payments 1, 2, 3, ... in turn.
    PaymentEvents At(int payment);

  private:
    ScheduleEvents events_;
    std::size_t next_ = 0;
    double runningExtra_ = 0;
    int runningExtraLast_ = 0;
    int interestOnlyLast_ = 0;
};

}  // namespace quorvia
