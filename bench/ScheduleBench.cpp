// The schedule loop with its work-file write, for the largest loans the form accepts.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "amortization/AmortInputs.h"
#include "amortization/ScheduleEngine.h"
#include "base/Dates.h"

namespace quorvia {
namespace {

AmortInputs BenchLoan(int months, int frequency) {
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

void RunSchedule(benchmark::State& state, int months, int frequency) {
    const AmortInputs loan = BenchLoan(months, frequency);
    const auto path = std::filesystem::temp_directory_path() / "quorvia-bench-amort.tmp";
    for (auto _ : state) {
        AmortInputs in = loan;
        SemiMonthlyChoice semiMonthly{};
        int calls = 0;
        auto error = WriteSchedule(in, semiMonthly, path, [&](double) { ++calls; });
        benchmark::DoNotOptimize(calls);
        if (error) {
            state.SkipWithError(error->description.c_str());
            break;
        }
        // A run starts without a work file: the previous preview deleted its own.
        state.PauseTiming();
        std::filesystem::remove(path);
        state.ResumeTiming();
    }
    std::filesystem::remove(path);
}

void BM_Schedule_BiWeekly600Months(benchmark::State& state) {
    RunSchedule(state, 600, kBiWeekly);
}
void BM_Schedule_Monthly360Months(benchmark::State& state) {
    RunSchedule(state, 360, kMonthly);
}

BENCHMARK(BM_Schedule_BiWeekly600Months)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Schedule_Monthly360Months)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quorvia
