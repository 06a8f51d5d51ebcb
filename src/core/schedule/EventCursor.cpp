#include "core/schedule/EventCursor.h"

#include <limits>

namespace quorvia {

namespace {

constexpr int kPastEveryPayment = std::numeric_limits<int>::max();

}  // namespace

EventCursor::EventCursor(const ScheduleEvents& events)
    : events_(&events), nextStart_(events.empty() ? kPastEveryPayment : events.front().from) {}

void EventCursor::Start(int payment, PaymentEvents& now) {
    const ScheduleEvents& events = *events_;
    for (; next_ < events.size() && events[next_].from <= payment; ++next_) {
        const ScheduleEvent& event = events[next_];
        switch (event.kind) {
            case EventKind::ExtraPrincipal:
                runningExtra_ = event.amount;
                runningExtraLast_ = event.to == 0 ? kPastEveryPayment : event.to;
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
                amortizationStart_ = event.to + 1;
                break;
        }
    }
    nextStart_ = next_ < events.size() ? events[next_].from : kPastEveryPayment;
}

}  // namespace quorvia
