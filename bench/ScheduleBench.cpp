// The schedule loop with its work-file write, for the largest loans the form accepts, and the
// same loans with twelve what-if events, which should cost little more. Each benchmark counts
// the payments it computed, so that runs of different lengths compare per payment too.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "BenchLoans.h"

namespace quorvia {
namespace {

ScheduleEvents EventsFor(const AmortInputs& loan, bool withEvents) {
    return withEvents ? TwelveEvents(ScheduledCount(loan)) : ScheduleEvents{};
}

void RunSchedule(benchmark::State& state, int months, int frequency, bool withEvents = false) {
    const AmortInputs loan = BenchLoan(months, frequency);
    const ScheduleEvents events = EventsFor(loan, withEvents);
    const auto path = std::filesystem::temp_directory_path() / "quorvia-bench-amort.tmp";
    Schedule schedule;
    for (auto _ : state) {
        AmortInputs in = loan;
        SemiMonthlyChoice semiMonthly{};
        int calls = 0;
        auto error = WriteSchedule(
            in, semiMonthly, path, [&](double) { ++calls; }, &schedule, events);
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
    state.SetItemsProcessed(state.iterations() * schedule.rows.size());
    std::filesystem::remove(path);
}

// The engine alone, without the work file: where the events' cost shows most.
void RunEngine(benchmark::State& state, int months, int frequency, bool withEvents) {
    const AmortInputs loan = BenchLoan(months, frequency);
    const ScheduleEvents events = EventsFor(loan, withEvents);
    Schedule schedule;
    for (auto _ : state) {
        AmortInputs in = loan;
        SemiMonthlyChoice semiMonthly{};
        auto error = ComputeSchedule(in, semiMonthly, nullptr, schedule, events);
        benchmark::DoNotOptimize(schedule.rows.data());
        if (error) {
            state.SkipWithError(error->description.c_str());
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * schedule.rows.size());
}

void BM_Schedule_BiWeekly600Months(benchmark::State& state) {
    RunSchedule(state, 600, kBiWeekly);
}
void BM_Schedule_BiWeekly600Months_12Events(benchmark::State& state) {
    RunSchedule(state, 600, kBiWeekly, true);
}
void BM_Schedule_Monthly360Months(benchmark::State& state) {
    RunSchedule(state, 360, kMonthly);
}
void BM_Schedule_Monthly360Months_12Events(benchmark::State& state) {
    RunSchedule(state, 360, kMonthly, true);
}
void BM_Engine_BiWeekly600Months(benchmark::State& state) {
    RunEngine(state, 600, kBiWeekly, false);
}
void BM_Engine_BiWeekly600Months_12Events(benchmark::State& state) {
    RunEngine(state, 600, kBiWeekly, true);
}
void BM_Engine_Monthly360Months(benchmark::State& state) {
    RunEngine(state, 360, kMonthly, false);
}
void BM_Engine_Monthly360Months_12Events(benchmark::State& state) {
    RunEngine(state, 360, kMonthly, true);
}

BENCHMARK(BM_Schedule_BiWeekly600Months)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Schedule_BiWeekly600Months_12Events)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Schedule_Monthly360Months)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Schedule_Monthly360Months_12Events)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Engine_BiWeekly600Months)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Engine_BiWeekly600Months_12Events)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Engine_Monthly360Months)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Engine_Monthly360Months_12Events)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quorvia
