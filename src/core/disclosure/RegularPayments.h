#pragma once
// The due dates of a regular stream of payments, as a lender describes one: how many, the
// first due date and how often.

#include <vector>

#include "core/base/Dates.h"

namespace quorvia {

enum class PaymentInterval {
    Monthly,
    Quarterly,
    SemiAnnual,
    Annual,
    BiWeekly,
    Weekly,
    SemiMonthly
};

// `count` due dates from `first`. Monthly to annual payments keep the first date's day of the
// month, on the last day of a shorter month; weekly and bi-weekly ones fall 7 and 14 days apart;
// semi-monthly ones pair the first date's day with the day 15 days from it in the same month
// (the 1st with the 16th, the 20th with the 5th, the 15th with the 30th or the end of
// February).
std::vector<Date> RegularDueDates(Date first, int count, PaymentInterval interval);

}  // namespace quorvia
