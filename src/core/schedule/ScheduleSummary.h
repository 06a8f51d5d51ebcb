#pragma once
// The few figures that sum a schedule up: what one scenario of a comparison shows and what
// `quorvia-batch schedule --summary` prints.

#include <string>

#include "core/base/Dates.h"
#include "core/schedule/Schedule.h"

namespace quorvia {

struct ScheduleSummary {
    double payment = 0;  // the periodic payment as the form states it
    int payments = 0;    // the payments the schedule needed
    Date lastDate{};     // the due date of the last of them
    double totalInterest = 0;
    double totalPaid = 0;
};

// The summary of a computed schedule, which has at least one payment.
ScheduleSummary Summarize(const Schedule& schedule);

// One "key=value" line each, in this order: payment, payments, last_date (mm/dd/yyyy),
// total_interest, total_paid; amounts as plain numbers with two decimals.
std::string SummaryLines(const ScheduleSummary& summary);

// Where a loan stands on a date: what its payments due on or before that date paid.
struct StandingOnDate {
    double balance = 0;  // the balance after the last of them; the amount lent before the first
    double interestPaid = 0;
    double principalPaid = 0;
};

StandingOnDate StandingOn(const Schedule& schedule, Date date);

}  // namespace quorvia
