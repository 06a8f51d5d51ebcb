#pragma once
// The loans the benchmarks run: the largest the form accepts and a common one.

#include "core/schedule/AmortInputs.h"
#include "core/schedule/ScheduleEngine.h"
#include "core/schedule/ScheduleEvents.h"

namespace quorvia {

// 250,000 at 7.25 % over `months`, the payment derived; bi-weekly loans use exact days.
inline AmortInputs BenchLoan(int months, int frequency) {
    AmortInputs in;
    in.AmountText = "250000.00";
    in.LoanAmount = 250000;
    in.RateText = "7.2500";
    in.AnnualRate = 0.0725;
    in.TermMonths = static_cast<int16_t>(months);
    ApplyFrequency(in, frequency);
    in.ExactDays = frequency == kBiWeekly;
    in.FundingDateText = "01/02/2026";
    in.FirstPaymentDateText = "01/16/2026";
    in.DueDay = 16;
    in.CurrentMonth = 1;
    in.CurrentYear = 2026;
    in.NumberPaymentRows = true;
    DeriveMissingPaymentOrTerm(in);
    return in;
}

// 600 months of bi-weekly payments: 1,300 payments.
inline AmortInputs LargestLoan() {
    return BenchLoan(600, kBiWeekly);
}

// Twelve events spread over a loan of `count` payments: an interest-only start, a run of extra
// principal, three lump sums and seven rate changes. The last rate change spreads what the
// extra principal and the lump sums repaid over the rest of the term again, so the schedule
// runs to its last payment.
inline ScheduleEvents TwelveEvents(int count) {
    auto at = [count](int percent) { return count * percent / 100; };
    return {InterestOnly(at(2)),        ExtraPrincipal(100, at(2) + 1, at(20)),
            LumpSum(5000, at(10)),      RateChange(0.07, at(23)),
            LumpSum(5000, at(30)),      RateChange(0.0775, at(31)),
            RateChange(0.0675, at(40)), LumpSum(2500, at(50)),
            RateChange(0.07, at(50)),   RateChange(0.08, at(60)),
            RateChange(0.0725, at(70)), RateChange(0.065, at(80))};
}

}  // namespace quorvia
