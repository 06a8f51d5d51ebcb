#pragma once
// Walks a schedule's events alongside the payment loop. The events are kept in payment order,
// so a payment at which nothing starts costs one comparison.

#include <cstddef>
#include <optional>

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
    // `events` in payment order (InPaymentOrder), checked by FindEventProblem; they must
    // outlive the cursor.
    explicit EventCursor(const ScheduleEvents& events);

    // Asked for payments 1, 2, 3, ... in turn. Runs inline in the payment loop; only a payment
    // at which an event starts leaves it.
    PaymentEvents At(int payment) {
        PaymentEvents now;
        if (payment >= nextStart_) {
            Start(payment, now);
        }
        if (payment <= runningExtraLast_) {
            now.extraPrincipal += runningExtra_;
        }
        now.interestOnly = payment <= interestOnlyLast_;
        now.amortizationStarts = payment == amortizationStart_;
        return now;
    }

  private:
    // Takes in the events that start at `payment`.
    void Start(int payment, PaymentEvents& now);

    const ScheduleEvents* events_;
    std::size_t next_ = 0;
    int nextStart_ = 0;  // the payment the next event starts at; past every payment at the end
    double runningExtra_ = 0;
    int runningExtraLast_ = 0;
    int interestOnlyLast_ = 0;
    int amortizationStart_ = 0;  // the payment after the interest-only period, if any
};

}  // namespace quorvia
