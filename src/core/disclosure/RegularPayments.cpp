#include "core/disclosure/RegularPayments.h"

namespace quorvia {

namespace {

Date SemiMonthlyDueDate(Date first, int index) {
    const int day = DayOf(first);
    if (day <= 15) {
        return DayOfMonthFrom(first, index / 2, index % 2 == 0 ? day : day + 15);
    }
    return index % 2 == 0 ? DayOfMonthFrom(first, index / 2, day)
                          : DayOfMonthFrom(first, (index + 1) / 2, day - 15);
}

Date DueDate(Date first, int index, PaymentInterval interval) {
    switch (interval) {
        case PaymentInterval::Monthly:
            return AddMonths(first, index);
        case PaymentInterval::Quarterly:
            return AddMonths(first, 3 * index);
        case PaymentInterval::SemiAnnual:
            return AddMonths(first, 6 * index);
        case PaymentInterval::Annual:
            return AddMonths(first, 12 * index);
        case PaymentInterval::BiWeekly:
            return AddWeeks(first, 2 * index);
        case PaymentInterval::Weekly:
            return AddWeeks(first, index);
        case PaymentInterval::SemiMonthly:
            break;
    }
    return SemiMonthlyDueDate(first, index);
}

}  // namespace

std::vector<Date> RegularDueDates(Date first, int count, PaymentInterval interval) {
    std::vector<Date> dates;
    for (int index = 0; index < count; ++index) {
        dates.push_back(DueDate(first, index, interval));
    }
    return dates;
}

}  // namespace quorvia
