// The disclosure of the largest schedule the form accepts: 1,300 bi-weekly payments, the APR
// solved by both methods. A window recomputes it as prepaid charges are typed.
#include <benchmark/benchmark.h>

#include "BenchLoans.h"
#include "core/disclosure/DisclosureModel.h"

namespace quorvia {
namespace {

Schedule ScheduleOf(AmortInputs in) {
    SemiMonthlyChoice semiMonthly{};
    Schedule schedule;
    ComputeSchedule(in, semiMonthly, nullptr, schedule);
    return schedule;
}

void BM_Disclosure_BiWeekly600Months(benchmark::State& state) {
    const AmortInputs loan = LargestLoan();
    DisclosureModel disclosure(loan, ScheduleOf(loan));
    disclosure.prepaidCharges = {{"Points", 5000}};
    for (auto _ : state) {
        if (auto refusal = disclosure.Compute()) {
            state.SkipWithError(refusal->c_str());
            break;
        }
        benchmark::DoNotOptimize(disclosure.Figures().annualPercentageRate);
    }
}

void BM_UnitedStatesRule_BiWeekly600Months(benchmark::State& state) {
    const AmortInputs loan = LargestLoan();
    CreditTransaction transaction{{{MakeDate(2026, 1, 2), loan.LoanAmount}}, {}};
    for (const PaymentRow& row : ScheduleOf(loan).rows) {
        transaction.payments.push_back({row.dueDate, row.payment});
    }
    for (auto _ : state) {
        AprResult apr = AnnualPercentageRate(transaction, AprMethod::UnitedStatesRule);
        benchmark::DoNotOptimize(apr.percent);
    }
}

BENCHMARK(BM_Disclosure_BiWeekly600Months)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UnitedStatesRule_BiWeekly600Months)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quorvia
