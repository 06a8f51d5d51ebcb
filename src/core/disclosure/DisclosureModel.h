#pragma once
// The federal Truth-in-Lending disclosure of one scheduled loan: the Annual Percentage Rate,
// the Finance Charge, the Amount Financed and the Total of Payments, with the payment schedule
// in groups and the note rate shown beside the APR so that nobody takes one for the other.
//
// The payments are the schedule's own, whatever it holds; a balance the schedule leaves at the
// end of the term is due with the last payment. The money counts as advanced on the funding
// date when interest runs on exact days, and for equal 30-day months one payment period and the
// odd days before the first payment.

#include <optional>
#include <string>
#include <vector>

#include "core/disclosure/AnnualPercentageRate.h"
#include "core/schedule/AmortInputs.h"
#include "core/schedule/Schedule.h"

namespace quorvia {

// A finance charge the borrower pays before or at closing: points, an origination fee, ...
struct PrepaidCharge {
    std::string description;
    double amount = 0;
};

// "$1,621.50", as the disclosure shows an amount.
std::string DollarText(double amount);

struct DisclosureFigures {
    double annualPercentageRate = 0;  // percent
    double financeCharge = 0;
    double amountFinanced = 0;
    double totalOfPayments = 0;
};

class DisclosureModel {
  public:
    // `loan` is the record as the amortization form handed it to the engine, before the engine
    // worked on it; `schedule` is what the engine computed from it.
    DisclosureModel(const AmortInputs& loan, const Schedule& schedule);

    std::vector<PrepaidCharge> prepaidCharges;

    double PrepaidTotal() const;

    // Why the prepaid charges cannot stand (a charge below zero, or together not less than the
    // loan amount); nothing when they can.
    std::optional<std::string> PrepaidChargesError() const;

    // Works out the figures for the prepaid charges as they stand; why not, when they cannot be.
    std::optional<std::string> Compute();

    // As of the last Compute that succeeded.
    const DisclosureFigures& Figures() const { return figures_; }

    double LoanAmount() const { return loanAmount_; }
    // The loan's own annual interest rate, in percent.
    double NoteRate() const { return noteRate_; }

    // "359 payments of $1,621.50 monthly beginning 02/05/2027", then "1 payment of $1,619.83 on
    // 01/05/2057": one line for each run of equal payments.
    const std::vector<std::string>& PaymentSchedule() const { return paymentSchedule_; }

  private:
    double loanAmount_ = 0;
    double noteRate_ = 0;
    std::optional<Date> advanceDate_;
    std::vector<ScheduledPayment> payments_;
    std::vector<std::string> paymentSchedule_;
    DisclosureFigures figures_;
};

}  // namespace quorvia
