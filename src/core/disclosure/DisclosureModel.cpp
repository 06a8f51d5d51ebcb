#include "core/disclosure/DisclosureModel.h"

#include <cmath>

#include "core/base/NumberText.h"

namespace quorvia {

namespace {

// How often the payments fall, as the payment schedule says it.
std::string_view Often(int paymentsPerYear) {
    switch (paymentsPerYear) {
        case 4:
            return "quarterly";
        case 2:
            return "semi-annually";
        case 1:
            return "annually";
        case 26:
            return "bi-weekly";
        case 24:
            return "semi-monthly";
        default:
            return "monthly";
    }
}

// The date the money counts as advanced: the funding date with exact days; with equal 30-day
// months one payment period before the first payment, less the odd days.
std::optional<Date> AdvanceDate(const AmortInputs& loan, Date firstPayment) {
    if (loan.ExactDays) {
        return ParseDate(loan.FundingDateText);
    }
    Date periodBefore =
        loan.DateInterval == "m"
            ? DueDays(loan.DueDay).MonthsBefore(firstPayment, loan.DateIntervalCount)
            : AddInterval(firstPayment, loan.DateInterval, -loan.DateIntervalCount);
    return AddDays(periodBefore, -static_cast<int>(loan.OddDays));
}

std::string GroupLine(std::size_t count, const ScheduledPayment& first, std::string_view often) {
    std::string date = FormatDate(first.date, "mm/dd/yyyy");
    if (count == 1) {
        return "1 payment of " + DollarText(first.amount) + " on " + date;
    }
    return std::to_string(count) + " payments of " + DollarText(first.amount) + " " +
           std::string(often) + " beginning " + date;
}

std::vector<std::string> GroupLines(const std::vector<ScheduledPayment>& payments,
                                    std::string_view often) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 1; i <= payments.size(); ++i) {
        if (i == payments.size() || payments[i].amount != payments[start].amount) {
            lines.push_back(GroupLine(i - start, payments[start], often));
            start = i;
        }
    }
    return lines;
}

}  // namespace

std::string DollarText(double amount) {
    return FormatNumber(amount, "$###,###,##0.00");
}

DisclosureModel::DisclosureModel(const AmortInputs& loan, const Schedule& schedule)
    : loanAmount_(loan.LoanAmount), noteRate_(loan.AnnualRate * 100) {
    for (const PaymentRow& row : schedule.rows) {
        payments_.push_back({row.dueDate, row.payment});
    }
    if (payments_.empty()) {
        return;
    }
    payments_.back().amount = CentsHalfUp(payments_.back().amount + schedule.remainingBalance);
    advanceDate_ = AdvanceDate(loan, payments_.front().date);
    paymentSchedule_ = GroupLines(payments_, Often(loan.PaymentsPerYear));
}

double DisclosureModel::PrepaidTotal() const {
    double total = 0;
    for (const PrepaidCharge& charge : prepaidCharges) {
        total += charge.amount;
    }
    return CentsHalfUp(total);
}

std::optional<std::string> DisclosureModel::PrepaidChargesError() const {
    for (const PrepaidCharge& charge : prepaidCharges) {
        if (!(charge.amount >= 0) || !std::isfinite(charge.amount)) {
            return "The prepaid finance charge \"" + charge.description +
                   "\" must be an amount of zero or more.";
        }
    }
    if (!(PrepaidTotal() < loanAmount_)) {
        return "The prepaid finance charges (" + DollarText(PrepaidTotal()) +
               ") must be less than the loan amount (" + DollarText(loanAmount_) + ").";
    }
    return std::nullopt;
}

std::optional<std::string> DisclosureModel::Compute() {
    if (auto wrong = PrepaidChargesError()) {
        return wrong;
    }
    if (!advanceDate_) {
        return payments_.empty() ? "The schedule has no payments."
                                 : "The loan funding date is not a valid date.";
    }
    const double amountFinanced = CentsHalfUp(loanAmount_ - PrepaidTotal());
    AprResult apr =
        AnnualPercentageRate({{{*advanceDate_, amountFinanced}}, payments_}, AprMethod::Actuarial);
    if (!apr.percent) {
        return apr.refusal;
    }
    double totalOfPayments = 0;
    for (const ScheduledPayment& payment : payments_) {
        totalOfPayments += payment.amount;
    }
    figures_.annualPercentageRate = *apr.percent;
    figures_.amountFinanced = amountFinanced;
    figures_.totalOfPayments = CentsHalfUp(totalOfPayments);
    figures_.financeCharge = CentsHalfUp(figures_.totalOfPayments - amountFinanced);
    return std::nullopt;
}

}  // namespace quorvia
