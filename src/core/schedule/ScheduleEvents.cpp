#include "core/schedule/ScheduleEvents.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/base/NumberText.h"

namespace quorvia {

namespace {

std::string Money(double amount) {
    return FormatNumber(amount, "$###,###,##0.00");
}

std::string Payment(int number) {
    return "payment " + std::to_string(number);
}

std::string Payments(int count) {
    return std::to_string(count) + (count == 1 ? " payment" : " payments");
}

std::string BeyondTheTerm(std::string_view what, int payment, int scheduledCount) {
    return std::string(what) + " " + Payment(payment) + " is beyond the term of " +
           Payments(scheduledCount) + ".";
}

bool IsAmount(double amount) {
    return amount > 0 && std::isfinite(amount);
}

// What is wrong with the event on its own, or nothing.
std::optional<std::string> ProblemOf(const ScheduleEvent& event, int scheduledCount) {
    switch (event.kind) {
        case EventKind::ExtraPrincipal:
            if (!IsAmount(event.amount)) {
                return "Extra principal must be an amount above zero.";
            }
            if (event.from < 1) {
                return "Extra principal must start at payment 1 or later.";
            }
            if (event.from > scheduledCount) {
                return BeyondTheTerm("Extra principal from", event.from, scheduledCount);
            }
            if (event.to != 0 && event.to < event.from) {
                return "Extra principal from " + Payment(event.from) + " must end at " +
                       Payment(event.from) + " or later.";
            }
            if (event.to > scheduledCount) {
                return BeyondTheTerm("Extra principal up to", event.to, scheduledCount);
            }
            return std::nullopt;
        case EventKind::LumpSum:
            if (!IsAmount(event.amount)) {
                return "A lump sum must be an amount above zero.";
            }
            if (event.from < 1) {
                return "A lump sum must come with payment 1 or later.";
            }
            if (event.from > scheduledCount) {
                return BeyondTheTerm("A lump sum with", event.from, scheduledCount);
            }
            return std::nullopt;
        case EventKind::RateChange:
            if (!(event.annualRate >= 0 && event.annualRate < 1)) {
                return "A new rate must be at least 0% and under 100%.";
            }
            if (event.from < 2) {
                return "A rate change must come at payment 2 or later: payment 1 is charged the "
                       "loan's own rate.";
            }
            if (event.from > scheduledCount) {
                return BeyondTheTerm("A rate change at", event.from, scheduledCount);
            }
            return std::nullopt;
        case EventKind::InterestOnly:
            if (event.to < 1) {
                return "An interest-only period must last at least one payment.";
            }
            if (event.to >= scheduledCount) {
                return "Interest only for " + Payments(event.to) +
                       " leaves no payment to repay the loan: the period must end before " +
                       Payment(scheduledCount) + ".";
            }
            return std::nullopt;
    }
    return std::nullopt;
}

int LastPaymentOf(const ScheduleEvent& extra) {
    return extra.to == 0 ? std::numeric_limits<int>::max() : extra.to;
}

// What makes the later event contradict the earlier one of its kind, or nothing.
std::optional<std::string> Conflict(const ScheduleEvent& earlier, const ScheduleEvent& later) {
    switch (later.kind) {
        case EventKind::ExtraPrincipal: {
            int first = std::max(earlier.from, later.from);
            if (first <= std::min(LastPaymentOf(earlier), LastPaymentOf(later))) {
                return "Two runs of extra principal both include " + Payment(first) + ".";
            }
            return std::nullopt;
        }
        case EventKind::RateChange:
            if (earlier.from == later.from) {
                return "There are two rate changes at " + Payment(later.from) + ".";
            }
            return std::nullopt;
        case EventKind::InterestOnly:
            return "A loan can have only one interest-only period.";
        case EventKind::LumpSum:
            break;  // lump sums with one payment add up
    }
    return std::nullopt;
}

}  // namespace

ScheduleEvent ExtraPrincipal(double amount, int from, int to) {
    return {EventKind::ExtraPrincipal, from, to, amount, 0, false};
}

ScheduleEvent LumpSum(double amount, int payment) {
    return {EventKind::LumpSum, payment, payment, amount, 0, false};
}

ScheduleEvent RateChange(double annualRate, int from, bool keepPayment) {
    return {EventKind::RateChange, from, 0, 0, annualRate, keepPayment};
}

ScheduleEvent InterestOnly(int payments) {
    return {EventKind::InterestOnly, 1, payments, 0, 0, false};
}

std::string DescribeEvent(const ScheduleEvent& event) {
    switch (event.kind) {
        case EventKind::ExtraPrincipal:
            return "Extra principal of " + Money(event.amount) + " with each payment from " +
                   Payment(event.from) + (event.to != 0 ? " to " + Payment(event.to) : "");
        case EventKind::LumpSum:
            return "Lump sum of " + Money(event.amount) + " with " + Payment(event.from);
        case EventKind::RateChange:
            return "Rate " + FormatNumber(event.annualRate * 100, "#0.0000") + "% from " +
                   Payment(event.from) + (event.keepPayment ? ", keeping the payment" : "");
        case EventKind::InterestOnly:
            break;
    }
    return event.to == 1 ? "Interest only for the first payment"
                         : "Interest only for the first " + Payments(event.to);
}

std::optional<EventProblem> FindEventProblem(const ScheduleEvents& events, int scheduledCount) {
    for (std::size_t i = 0; i < events.size(); ++i) {
        std::optional<std::string> problem = ProblemOf(events[i], scheduledCount);
        for (std::size_t j = 0; !problem && j < i; ++j) {
            if (events[j].kind == events[i].kind) {
                problem = Conflict(events[j], events[i]);
            }
        }
        if (problem) {
            return EventProblem{i, *problem};
        }
    }
    return std::nullopt;
}

ScheduleEvents InPaymentOrder(ScheduleEvents events) {
    auto earlier = [](const ScheduleEvent& a, const ScheduleEvent& b) { return a.from < b.from; };
    if (!std::is_sorted(events.begin(), events.end(), earlier)) {  // as typed, mostly
        std::stable_sort(events.begin(), events.end(), earlier);
    }
    return events;
}

}  // namespace quorvia
