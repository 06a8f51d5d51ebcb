// The schedule loop with its work-file write, for the largest loans the form accepts, and the
// same loop with twelve what-if events, which should cost little more.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "BenchLoans.h"

namespace quorvia {
namespace {

void RunSchedule(benchmark::State& state, int months, int frequency,
                 const ScheduleEvents& events = {}) {
    const AmortInputs loan = BenchLoan(months, frequency);
    const auto path = std::filesystem::temp_directory_path() / "quorvia-bench-amort.tmp";
    for (auto _ : state) {
        AmortInputs in = loan;
        SemiMonthlyChoice semiMonthly{};
        int calls = 0;
        auto error = WriteSchedule(
            in, semiMonthly, path, [&](double) { ++calls; }, nullptr, events);
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

// The engine alone, without the work file: where the events' cost shows most.
void RunEngine(benchmark::State& state, const ScheduleEvents& events) {
    const AmortInputs loan = LargestLoan();
    for (auto _ : state) {
        AmortInputs in = loan;
        SemiMonthlyChoice semiMonthly{};
        Schedule schedule;
        auto error = ComputeSchedule(in, semiMonthly, nullptr, schedule, events);
        benchmark::DoNotOptimize(schedule.rows.data());
        if (error || schedule.rows.size() != 1300) {
            state.SkipWithError("the schedule does not have its 1,300 payments");
            break;
        }
    }
}

void BM_Schedule_BiWeekly600Months(benchmark::State& state) {
    RunSchedule(state, 600, kBiWeekly);
}
void BM_Schedule_BiWeekly600Months_12Events(benchmark::State& state) {
    RunSchedule(state, 600, kBiWeekly, TwelveEvents());
}
void BM_Schedule_Monthly360Months(benchmark::State& state) {
    RunSchedule(state, 360, kMonthly);
}
void BM_Engine_BiWeekly600Months(benchmark::State& state) {
    RunEngine(state, {});
}
void BM_Engine_BiWeekly600Months_12Events(benchmark::State& state) {
    RunEngine(state, TwelveEvents());
}

BENCHMARK(BM_Schedule_BiWeekly600Months)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Schedule_BiWeekly600Months_12Events)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Schedule_Monthly360Months)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Engine_BiWeekly600Months)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Engine_BiWeekly600Months_12Events)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quorvia
