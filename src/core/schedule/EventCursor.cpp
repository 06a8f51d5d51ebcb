#include "core/schedule/EventCursor.h"

#include <limits>

namespace quorvia {

PaymentEvents EventCursor::At(int payment) {
    PaymentEvents now;
    for (; next_ < events_.size() && events_[next_].from <= payment; ++next_) {
        const ScheduleEvent& event = events_[next_];
        switch (event.kind) {
            case EventKind::ExtraPrincipal:
                runningExtra_ = event.amount;
                runningExtraLast_ = event.to == 0 ? std::numeric_limits<int>::max() : event.to;
                break;
            case EventKind::LumpSum:
                now.extraPrincipal += event.amount;
                break;
            case EventKind::RateChange:
                now.newAnnualRate = event.annualRate;
                now.keepPayment = event.keepPayment;
                break;
            case EventKind::InterestOnly:
                interestOnlyLast_ = event.to;
                break;
        }
    }
    if (payment <= runningExtraLast_) {
        now.extraPrincipal += runningExtra_;
    }
    now.interestOnly = payment <= interestOnlyLast_;
    now.amortizationStarts = interestOnlyLast_ > 0 && payment == interestOnlyLast_ + 1;
    return now;
}

}  // namespace quorvia
