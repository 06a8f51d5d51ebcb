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

// Twelve events over the largest loan's 1,300 payments that leave its length as it is: a later
// rate change spreads what the extra principal and the lump sums repaid over the rest of the
// term again.
inline ScheduleEvents TwelveEvents() {
    return {InterestOnly(26),        ExtraPrincipal(100, 27, 260), LumpSum(5000, 130),
            RateChange(0.07, 300),   LumpSum(5000, 390),           RateChange(0.0775, 400),
            RateChange(0.0675, 520), LumpSum(2500, 650),           RateChange(0.07, 650),
            RateChange(0.08, 780),   RateChange(0.0725, 910),      RateChange(0.065, 1040)};
}

}  // namespace quorvia
