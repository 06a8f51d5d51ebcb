// What a book of loans costs. The engine's cost per payment beside the same arithmetic as a
// plain loop (no dates, no events, no checks), in one process so that the two compare; and
// quorvia-batch portfolio run as a whole process over generated books of thirty-year monthly
// loans, for loans per second at one and two jobs and the peak memory at 10,000 and 100,000
// loans, which should be the same: the run streams.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "BenchLoans.h"
#include "BenchProcess.h"

namespace quorvia {
namespace {

namespace fs = std::filesystem;

// The level-payment schedule as a plain loop: interest to the cent, principal, balance.
void BM_PlainLoop_Monthly360Months(benchmark::State& state) {
    const AmortInputs loan = BenchLoan(360, kMonthly);
    const double rate = loan.PeriodicRate;
    for (auto _ : state) {
        double balance = loan.LoanAmount;
        double totalInterest = 0;
        for (int i = 0; i < 360; ++i) {
            double interest = std::floor(balance * rate * 100 + 0.5) / 100;
            double principal = std::min(loan.Payment - interest, balance);
            balance -= principal;
            totalInterest += interest;
        }
        benchmark::DoNotOptimize(balance);
        benchmark::DoNotOptimize(totalInterest);
    }
    state.SetItemsProcessed(state.iterations() * 360);
}

// A book of `loans` thirty-year monthly loans, written once per size.
fs::path Book(int loans) {
    fs::path file =
        fs::temp_directory_path() / ("quorvia-bench-book-" + std::to_string(loans) + ".csv");
    if (fs::exists(file)) {
        return file;
    }
    std::ofstream out(file, std::ios::binary);
    out << "id,amount,rate,term,first\r\n";
    for (int i = 0; i < loans; ++i) {
        out << "L" << i << "," << 50000 + (i * 7919) % 450000 << "," << 3 + (i % 600) / 100.0
            << ",360,04/" << 1 + i % 28 << "/1998\r\n";
    }
    return file;
}

// Runs quorvia-batch portfolio over the book: the peak memory of the process in kilobytes, or
// -1 when it failed.
long RunPortfolio(const fs::path& book, int jobs, const std::string& output) {
    // The output goes to standard output, which is thrown away with the error rows. Every loan
    // of the book is scheduled: any other end means the run measured nothing.
    std::optional<rusage> usage =
        RunProcess(BuildFolder() / "quorvia-batch",
                   {"portfolio", book.string(), "--no-prefs", "--yes", "--today", "03/10/1998",
                    "--jobs", std::to_string(jobs), output, "-"});
    return usage ? usage->ru_maxrss : -1;
}

void Portfolio(benchmark::State& state, const std::string& output) {
    const int loans = static_cast<int>(state.range(0));
    const int jobs = static_cast<int>(state.range(1));
    const fs::path book = Book(loans);
    long peak = 0;
    for (auto _ : state) {
        long run = RunPortfolio(book, jobs, output);
        if (run < 0) {
            state.SkipWithError("quorvia-batch portfolio failed");
            break;
        }
        peak = std::max(peak, run);
    }
    state.SetItemsProcessed(state.iterations() * loans);
    state.counters["peak_KB"] = static_cast<double>(peak);
}

void BM_PortfolioSummary(benchmark::State& state) {
    Portfolio(state, "--summary");
}
void BM_PortfolioSchedules(benchmark::State& state) {
    Portfolio(state, "--schedules");
}

BENCHMARK(BM_PlainLoop_Monthly360Months)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PortfolioSummary)
    ->Args({10000, 1})
    ->Args({10000, 2})
    ->Args({100000, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);
BENCHMARK(BM_PortfolioSchedules)
    ->Args({10000, 1})
    ->Args({10000, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
}  // namespace quorvia
