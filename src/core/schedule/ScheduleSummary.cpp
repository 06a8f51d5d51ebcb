#include "core/schedule/ScheduleSummary.h"

#include "core/schedule/ScheduleCsv.h"

namespace quorvia {

ScheduleSummary Summarize(const Schedule& schedule) {
    return {schedule.periodicPayment, static_cast<int>(schedule.rows.size()),
            schedule.rows.back().dueDate, schedule.totals.interest, schedule.totals.payments};
}

std::string SummaryLines(const ScheduleSummary& summary) {
    return "payment=" + PlainAmount(summary.payment) + "\n" +
           "payments=" + std::to_string(summary.payments) + "\n" +
           "last_date=" + FormatDate(summary.lastDate, "mm/dd/yyyy") + "\n" +
           "total_interest=" + PlainAmount(summary.totalInterest) + "\n" +
           "total_paid=" + PlainAmount(summary.totalPaid) + "\n";
}

StandingOnDate StandingOn(const Schedule& schedule, Date date) {
    StandingOnDate standing{schedule.openingBalance, 0, 0};
    for (const PaymentRow& row : schedule.rows) {
        if (row.dueDate > date) {
            break;
        }
        standing.balance = row.balance;
        standing.interestPaid += row.interest;
        standing.principalPaid += row.principal;
    }
    return standing;
}

}  // namespace quorvia
