#include "core/reports/PrintableAmounts.h"

#include <cmath>

namespace quorvia {

namespace {

// The payments, interest and principal of a row, a year or the whole loan.
struct Amounts {
    double payments = 0;
    double interest = 0;
    double principal = 0;

    bool Fit() const {
        return FitsAReportColumn(payments) && FitsAReportColumn(interest) &&
               FitsAReportColumn(principal);
    }
    void Add(const PaymentRow& row) {
        payments += row.payment;
        interest += row.interest;
        principal += row.principal;
    }
};

}  // namespace

bool FitsAReportColumn(double amount, bool starred) {
    double largest = amount < 0 || starred ? kLargestMarkedAmount : kLargestPrintedAmount;
    // Half a cent more shows rounded up to the next cent.
    return std::fabs(amount) < largest + 0.005;
}

bool FitsTheReports(const Schedule& schedule) {
    const ScheduleTotals& totals = schedule.totals;
    if (!FitsAReportColumn(schedule.openingBalance) ||
        !Amounts{totals.payments, totals.interest, totals.principal}.Fit()) {
        return false;
    }
    Amounts year;
    auto subtotal = schedule.yearSubtotals.begin();
    // The years that close before the given row: their interest line and summary row.
    auto closedYearsFit = [&](std::size_t row) {
        for (; subtotal != schedule.yearSubtotals.end() && subtotal->afterRows <= row; ++subtotal) {
            if (!FitsAReportColumn(subtotal->interest, true) || !year.Fit()) {
                return false;
            }
            year = {};
        }
        return true;
    };
    for (std::size_t row = 0; row < schedule.rows.size(); ++row) {
        const PaymentRow& payment = schedule.rows[row];
        Amounts own;
        own.Add(payment);
        if (!closedYearsFit(row) || !own.Fit() || !FitsAReportColumn(payment.balance)) {
            return false;
        }
        year.Add(payment);
    }
    return closedYearsFit(schedule.rows.size());
}

}  // namespace quorvia
