// The schedule loop with its work-file write, for the largest loans the form accepts.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "BenchLoans.h"

namespace quorvia {
namespace {

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
