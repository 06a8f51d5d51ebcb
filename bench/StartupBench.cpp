// What one loan costs as a whole process, start-up included, side by side with a plain C++
// program that prints one line: a schedule's CSV file and its summary, a portfolio of one loan
// (quorvia-batch alone, without Qt or the workbook writer), a workbook (handed over to the
// drawing program, which loads both) and a PDF file (handed over too, and drawn on Qt). Real time
// per run; cpu_ms is the process's own CPU time, user and system.
#include <benchmark/benchmark.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "BenchProcess.h"

namespace quorvia {
namespace {

namespace fs = std::filesystem;

// 100,000 at 8.5 % for 360 months.
const std::vector<std::string> kLoan = {"schedule", "--no-prefs", "--today", "03/10/1998",
                                        "--amount", "100000",     "--rate",  "8.5",
                                        "--term",   "360",        "--first", "04/10/1998"};

double CpuMilliseconds(const rusage& usage) {
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

void StartProcess(benchmark::State& state, const fs::path& program,
                  const std::vector<std::string>& args) {
    double cpu = 0;
    for (auto _ : state) {
        std::optional<rusage> usage = RunProcess(BuildFolder() / program, args);
        if (!usage) {
            state.SkipWithError((program.string() + " failed").c_str());
            break;
        }
        cpu += CpuMilliseconds(*usage);
    }
    state.counters["cpu_ms"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}

// The loan with an output option and its file, in the temporary folder.
std::vector<std::string> Loan(const std::string& output, const std::string& file = "") {
    std::vector<std::string> args = kLoan;
    args.push_back(output);
    if (!file.empty()) {
        args.push_back((fs::temp_directory_path() / ("quorvia-bench-start-up-" + file)).string());
    }
    return args;
}

// A book of one loan, written once.
std::string OneLoanBook() {
    fs::path file = fs::temp_directory_path() / "quorvia-bench-one-loan.csv";
    std::ofstream(file, std::ios::binary) << "id,amount,rate,term,first\r\n"
                                             "L1,100000,8.5,360,04/10/1998\r\n";
    return file.string();
}

BENCHMARK_CAPTURE(StartProcess, PlainProgram, "bench/plain_program", {})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(StartProcess, ScheduleCsv, "quorvia-batch", Loan("--csv", "schedule.csv"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(StartProcess, ScheduleSummary, "quorvia-batch", Loan("--summary"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(StartProcess, PortfolioOneLoan, "quorvia-batch",
                  {"portfolio", OneLoanBook(), "--no-prefs", "--yes", "--today", "03/10/1998",
                   "--summary", "-"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(StartProcess, ScheduleXlsx, "quorvia-batch", Loan("--xlsx", "schedule.xlsx"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(StartProcess, SchedulePdf, "quorvia-batch", Loan("--pdf", "schedule.pdf"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace quorvia
