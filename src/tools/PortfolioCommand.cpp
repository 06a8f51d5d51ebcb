#include "tools/PortfolioCommand.h"

#include <deque>
#include <filesystem>
#include <fstream>
#include <future>
#include <iostream>
#include <memory>
#include <sstream>
#include <thread>

#include "core/base/Csv.h"
#include "core/base/Text.h"
#include "core/session/PreferenceStore.h"
#include "core/session/ProgramFolders.h"
#include "tools/BatchOptions.h"
#include "tools/BatchUi.h"
#include "tools/NonDrawingPrinters.h"
#include "tools/PortfolioLoan.h"
#include "tools/PortfolioOutput.h"

namespace quorvia {

namespace {

const OptionNames kPortfolioOptions{{"--summary", "--schedules", "--balances-at", "--balances",
                                     "--errors", "--jobs", "--today", "--part", "--columns"},
                                    {"--no-prefs", "--yes"}};

// Loans handed to a job at a time: enough to keep a job busy for a while, few enough that the
// outputs waiting to be written stay small.
constexpr std::size_t kLoansPerBatch = 64;
// More jobs than this would only wait for each other.
constexpr int kMostJobs = 256;
constexpr int kMostParts = 1'000'000'000;

constexpr const char* kCommandName = "quorvia-batch portfolio: ";

struct Destinations {
    std::string summary;
    std::string schedules;
    std::string balances;
    std::string errors;
};

struct PortfolioRequest {
    std::string input = "-";
    Destinations destinations;
    PortfolioSettings settings;
    int jobs = 1;
    bool noPrefs = false;
    // A part after the first of a book split across processes writes no header rows, so that
    // the parts joined in order are the outputs of one run.
    bool headers = true;
    // The columns of an input without a header line, as a header would name them.
    std::optional<std::string> columns;
};

int DefaultJobs() {
    unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : static_cast<int>(std::min<unsigned>(cores, kMostJobs));
}

// The run's options; nothing, with why in `error`, when they are wrong.
std::optional<PortfolioRequest> ParseRequest(const CommandArgs& args, std::string& error) {
    CommandArgs optionArgs = args;
    PortfolioRequest request;
    if (!optionArgs.empty() && !StartsWith(optionArgs.front(), "--")) {
        request.input = optionArgs.front();
        optionArgs.erase(optionArgs.begin());
    }
    std::optional<BatchOptions> options = BatchOptions::Parse(optionArgs, kPortfolioOptions, error);
    if (!options) {
        return std::nullopt;
    }
    PortfolioSettings& settings = request.settings;
    std::optional<Date> today = options->Today(error);
    if (!today) {
        return std::nullopt;
    }
    settings.today = *today;
    if (options->Has("--balances-at")) {
        settings.balancesAt = ParseDate(options->Value("--balances-at", ""));
        if (!settings.balancesAt) {
            error = "--balances-at must be a date such as 12/31/2024";
            return std::nullopt;
        }
    } else if (options->Has("--balances")) {
        error = "--balances goes with --balances-at DATE";
        return std::nullopt;
    }
    request.jobs = options->Has("--jobs")
                       ? WholeNumber(options->Value("--jobs", ""), 1, kMostJobs).value_or(0)
                       : DefaultJobs();
    if (request.jobs == 0) {
        error = "--jobs must be a number of jobs from 1 to " + std::to_string(kMostJobs);
        return std::nullopt;
    }
    Destinations& to = request.destinations;
    // Without an output named, the summary goes to standard output: the command is a filter.
    const bool anyOutput =
        options->Has("--summary") || options->Has("--schedules") || settings.balancesAt.has_value();
    to.summary = options->Value("--summary", anyOutput ? "" : "-");
    to.schedules = options->Value("--schedules", "");
    to.balances = settings.balancesAt ? options->Value("--balances", "-") : "";
    to.errors = options->Value("--errors", "");
    int onStandardOutput = 0;
    for (const std::string* destination : {&to.summary, &to.schedules, &to.balances, &to.errors}) {
        onStandardOutput += *destination == "-";
    }
    if (onStandardOutput > 1) {
        error = "only one output can go to standard output (-)";
        return std::nullopt;
    }
    settings.summary = !to.summary.empty();
    settings.schedules = !to.schedules.empty();
    settings.answerYes = options->Has("--yes");
    request.noPrefs = options->Has("--no-prefs");
    if (options->Has("--part")) {
        std::optional<int> part = WholeNumber(options->Value("--part", ""), 1, kMostParts);
        if (!part) {
            error = "--part must be the number of this part of the book, counted from 1";
            return std::nullopt;
        }
        request.headers = *part == 1;
    }
    if (options->Has("--columns")) {
        request.columns = options->Value("--columns", "");
    }
    return request;
}

struct Batch {
    std::vector<CsvRecord> records;
    PortfolioRows rows;
};

void RunBatch(Batch& batch, const PortfolioColumns& columns, const PortfolioSettings& settings) {
    for (const CsvRecord& record : batch.records) {
        RunPortfolioLoan(record, columns, settings, batch.rows);
    }
}

// The outputs of one run, opened before the first loan and closed after the last.
class PortfolioOutputs {
  public:
    PortfolioOutputs(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    std::optional<RunError> Open(const Destinations& to, bool headers) {
        const std::pair<PortfolioOutput*, std::pair<const std::string*, std::string_view>>
            outputs[] = {{&summary_, {&to.summary, kPortfolioSummaryHeader}},
                         {&schedules_, {&to.schedules, kPortfolioSchedulesHeader}},
                         {&balances_, {&to.balances, kPortfolioBalancesHeader}}};
        for (const auto& [output, where] : outputs) {
            if (!where.first->empty()) {
                if (auto error = output->Open(*where.first, out_, headers ? where.second : "")) {
                    return error;
                }
            }
        }
        // Errors go to standard error when no other place is named.
        return errors_.Open(to.errors.empty() ? "-" : to.errors, to.errors.empty() ? err_ : out_,
                            headers ? kPortfolioErrorsHeader : "");
    }

    std::optional<RunError> Write(const PortfolioRows& rows) {
        const std::pair<PortfolioOutput*, const std::string*> outputs[] = {
            {&summary_, &rows.summary},
            {&schedules_, &rows.schedules},
            {&balances_, &rows.balances},
            {&errors_, &rows.errors}};
        for (const auto& [output, text] : outputs) {
            if (output->IsOpen() && !text->empty()) {
                if (auto error = output->Write(*text)) {
                    return error;
                }
            }
        }
        failures_ += rows.failures;
        return std::nullopt;
    }

    std::optional<RunError> Close() {
        for (PortfolioOutput* output : {&summary_, &schedules_, &balances_, &errors_}) {
            if (output->IsOpen()) {
                if (auto error = output->Close()) {
                    return error;
                }
            }
        }
        return std::nullopt;
    }

    long Failures() const { return failures_; }

  private:
    std::ostream& out_;
    std::ostream& err_;
    PortfolioOutput summary_;
    PortfolioOutput schedules_;
    PortfolioOutput balances_;
    PortfolioOutput errors_;
    long failures_ = 0;
};

// Reads the loans in batches, has up to `jobs` batches computed at once and writes each
// batch's rows in the order of the input.
class PortfolioRun {
  public:
    PortfolioRun(CsvReader& reader, const PortfolioColumns& columns,
                 const PortfolioSettings& settings, PortfolioOutputs& outputs, int jobs)
        : reader_(reader), columns_(columns), settings_(settings), outputs_(outputs), jobs_(jobs) {}

    // The number of loans read.
    std::optional<RunError> Run(long& loans) {
        for (;;) {
            std::unique_ptr<Batch> batch = SpareBatch();
            CsvRecord record;
            while (batch->records.size() < kLoansPerBatch && reader_.Next(record)) {
                batch->records.push_back(std::move(record));
            }
            if (batch->records.empty()) {
                break;
            }
            loans += static_cast<long>(batch->records.size());
            if (auto error = Start(std::move(batch))) {
                return error;
            }
        }
        while (!running_.empty()) {
            if (auto error = FinishOldest()) {
                return error;
            }
        }
        return std::nullopt;
    }

  private:
    struct Running {
        std::unique_ptr<Batch> batch;
        std::future<void> done;
    };

    std::optional<RunError> Start(std::unique_ptr<Batch> batch) {
        if (jobs_ == 1) {
            RunBatch(*batch, columns_, settings_);
            return Written(std::move(batch));
        }
        Batch& work = *batch;
        running_.push_back({std::move(batch), std::async(std::launch::async, [this, &work] {
                                RunBatch(work, columns_, settings_);
                            })});
        return static_cast<int>(running_.size()) < jobs_ ? std::nullopt : FinishOldest();
    }

    std::optional<RunError> FinishOldest() {
        Running oldest = std::move(running_.front());
        running_.pop_front();
        oldest.done.get();
        return Written(std::move(oldest.batch));
    }

    // A batch whose rows are written is used again: its texts keep their room, so that the
    // memory for the next rows is not given back to the system and asked for again.
    std::optional<RunError> Written(std::unique_ptr<Batch> batch) {
        std::optional<RunError> error = outputs_.Write(batch->rows);
        batch->records.clear();
        for (std::string* text : {&batch->rows.summary, &batch->rows.schedules,
                                  &batch->rows.balances, &batch->rows.errors}) {
            text->clear();
        }
        batch->rows.failures = 0;
        spare_.push_back(std::move(batch));
        return error;
    }

    std::unique_ptr<Batch> SpareBatch() {
        if (spare_.empty()) {
            return std::make_unique<Batch>();
        }
        std::unique_ptr<Batch> batch = std::move(spare_.back());
        spare_.pop_back();
        return batch;
    }

    CsvReader& reader_;
    const PortfolioColumns& columns_;
    const PortfolioSettings& settings_;
    PortfolioOutputs& outputs_;
    const int jobs_;
    std::deque<Running> running_;
    std::vector<std::unique_ptr<Batch>> spare_;
};

// The preferences' defaults for new loans, from the profile file unless --no-prefs.
void LoadLoanDefaults(PortfolioRequest& request, std::ostream& err) {
    AppState& state = request.settings.state;
    UseProgramFolders(state, LocateProgramFolders(ExecutableFolder()));
    if (request.noPrefs) {
        state.IniFilePath.clear();
    }
    BatchUi ui(err, request.settings.answerYes);
    NonDrawingPrinters printers;
    LoadPreferences(state, printers, ui, ProfileWrites::Never);
}

// The input stream: standard input for "-", else the named file; nothing, and why in `error`,
// when the file cannot be read.
std::istream* OpenInput(const std::string& input, std::ifstream& file, std::string& error) {
    if (input == "-") {
        return &std::cin;
    }
    std::error_code ignored;
    if (std::filesystem::is_directory(input, ignored)) {
        error = input + " is a folder";
        return nullptr;
    }
    file.open(input, std::ios::binary);
    if (!file) {
        error = "cannot read " + input;
        return nullptr;
    }
    return &file;
}

// The error row of an input without loans.
PortfolioRows NoLoansRow(const PortfolioRequest& request, bool hasHeader, long headerLine) {
    PortfolioRows rows;
    if (request.columns) {
        AddErrorRow(rows, 1, "", "no loans: the input is empty");
    } else if (hasHeader) {
        AddErrorRow(rows, headerLine + 1, "", "no loans: the input has only its header");
    } else {
        AddErrorRow(rows, 1, "", "no loans: the input is empty; its first line names the columns");
    }
    return rows;
}

}  // namespace

int RunPortfolioCommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    std::string error;
    std::optional<PortfolioRequest> request = ParseRequest(args, error);
    if (!request) {
        err << kCommandName << error << "\n";
        return kExitUsage;
    }
    std::ifstream file;
    std::istream* input = OpenInput(request->input, file, error);
    if (input == nullptr) {
        err << kCommandName << error << "\n";
        return kExitFailure;
    }
    CsvReader reader(*input);
    CsvRecord header;
    bool hasHeader = true;
    if (request->columns) {
        std::istringstream named(*request->columns);
        CsvReader(named).Next(header);
        header.line = 0;
    } else {
        hasHeader = reader.Next(header);
    }
    std::optional<PortfolioColumns> columns;
    if (hasHeader && !header.problem.empty()) {
        err << kCommandName << "line " << header.line << ": " << header.problem << "\n";
        return kExitUsage;
    }
    if (hasHeader && !(columns = PortfolioColumns::FromHeader(header.fields, error))) {
        err << kCommandName << error << "\n";
        return kExitUsage;
    }
    LoadLoanDefaults(*request, err);

    PortfolioOutputs outputs(out, err);
    std::optional<RunError> failed = outputs.Open(request->destinations, request->headers);
    long loans = 0;
    if (!failed && columns) {
        failed =
            PortfolioRun(reader, *columns, request->settings, outputs, request->jobs).Run(loans);
    }
    if (!failed && loans == 0) {
        failed = outputs.Write(NoLoansRow(*request, hasHeader, header.line));
    }
    if (!failed) {
        failed = outputs.Close();
    }
    if (failed) {
        err << kCommandName << failed->description << "\n";
        return kExitFailure;
    }
    return outputs.Failures() == 0 ? kExitSuccess : kExitFailure;
}

}  // namespace quorvia
