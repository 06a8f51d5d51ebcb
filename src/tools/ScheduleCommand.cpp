#include "tools/ScheduleCommand.h"

#include <stdlib.h>
#include <unistd.h>

#include <QGuiApplication>

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

#include "amortization/AmortFormModel.h"
#include "amortization/PaymentDates.h"
#include "amortization/ScheduleEngine.h"
#include "amortization/WorkFile.h"
#include "app/AppState.h"
#include "app/PreferenceStore.h"
#include "base/Clock.h"
#include "base/NumberText.h"
#include "loanfile/LoanFileCommands.h"
#include "platform/PdfPrinterService.h"
#include "tools/BatchOptions.h"
#include "tools/BatchUi.h"
#include "tools/ScheduleExports.h"

namespace quorvia {

namespace {

namespace fs = std::filesystem;

const OptionNames kScheduleOptions{
    {"--name",   "--amount",  "--rate",  "--term", "--freq",     "--pair",
     "--first",  "--payment", "--fixed", "--full", "--odd",      "--funding",
     "--method", "--number",  "--style", "--free", "--today",    "--work-file",
     "--csv",    "--pdf",     "--save",  "--font", "--font-size"},
    {"--no-prefs", "--yes", "--bold"}};

// A choice option's value: a whole number from `low` to `high`.
std::optional<int> Choice(const BatchOptions& options, std::string_view name, int low, int high,
                          std::string& error) {
    std::string text = options.Value(name, "");
    if (text.size() == 1 && text[0] >= '0' + low && text[0] <= '0' + high) {
        return text[0] - '0';
    }
    error = std::string(name) + " must be " + std::to_string(low) + " to " + std::to_string(high);
    return std::nullopt;
}

// The outputs a validated loan's schedule goes to.
struct Outputs {
    std::string workFile;
    std::string csv;
    std::string pdf;
};

// The runner of the batch tool: the engine, then the outputs; the work file is removed after.
class BatchRunner : public ScheduleRunner {
  public:
    BatchRunner(AppState& state, Ui& ui, Outputs outputs)
        : state_(state), ui_(ui), outputs_(std::move(outputs)) {}

    void ComputeSchedule(AmortInputs& inputs) override {
        ScheduleRun run;
        run.keepRows = !outputs_.csv.empty();
        int16_t style = inputs.SelectedStyle;
        std::optional<RunError> error =
            WriteSchedule(inputs, state_.SemiMonthly, state_.WorkFilePath(), nullptr, &run);
        if (!error) {
            error = WriteOutputs(run, style);
        }
        RemoveFileQuietly(state_.WorkFilePath());
        if (error) {
            ShowScheduleError(ui_, *error);
            return;
        }
        produced = true;
    }

    bool produced = false;

  private:
    std::optional<RunError> WriteOutputs(const ScheduleRun& run, int16_t style) {
        if (!outputs_.workFile.empty()) {
            std::error_code copied;
            fs::copy_file(state_.WorkFilePath(), outputs_.workFile,
                          fs::copy_options::overwrite_existing, copied);
            if (copied) {
                return RunError{error_number::kPathFileAccess,
                                "Cannot write " + outputs_.workFile + ": " + copied.message()};
            }
        }
        if (!outputs_.csv.empty()) {
            if (auto error = WriteScheduleCsv(outputs_.csv, run.rows)) {
                return error;
            }
        }
        if (!outputs_.pdf.empty()) {
            return WriteSchedulePdf(outputs_.pdf, state_, ui_, style, run.scheduledCount);
        }
        return std::nullopt;
    }

    AppState& state_;
    Ui& ui_;
    Outputs outputs_;
};

// Nobody is there to save or close a window: the form's requests go nowhere.
class BatchHost : public AmortFormHost {
  public:
    void QueueFileSaveAs() override {}
    void UnloadAmortForm() override {}
    void UpdateMainCommands() override {}
};

// A person typing into a field and leaving it.
void Type(AmortFormModel& form, AmortField field, const std::string& text) {
    form.Field_GotFocus(field);
    form.SetFieldText(field, text);
    form.Field_LostFocus(field, "");
}

// A semi-monthly loan takes the pair from its list, as a person choosing it would; any other
// loan only keeps it, as a loan data file does, and no date moves.
void KeepSemiMonthlyPair(AmortFormModel& form, AppState& state, int pair) {
    if (form.optFreq == kSemiMonthly) {
        form.cboSemiMthly_Click(pair - 1);
        form.cboSemiMthly_LostFocus("");
    } else {
        ChooseDueDatePair(state.SemiMonthly, pair);
    }
}

// The form's fields as the options give them, in the order a person would fill them in: the
// interest method and the dates before the frequency and its due-day pair.
bool TypeOptions(AmortFormModel& form, AppState& state, const BatchOptions& options,
                 std::string& error) {
    auto typeIfGiven = [&](std::string_view name, AmortField field) {
        if (options.Has(name)) {
            Type(form, field, options.Value(name, ""));
        }
    };
    if (options.Has("--method")) {
        std::optional<int> method = Choice(options, "--method", 0, 1, error);
        if (!method) {
            return false;
        }
        form.optCalc_Click(*method);
        form.optCalc_LostFocus();
    }
    typeIfGiven("--funding", AmortField::FundingDate);
    typeIfGiven("--first", AmortField::FirstPayment);
    if (options.Has("--freq")) {
        std::optional<int> frequency = Choice(options, "--freq", 1, 6, error);
        if (!frequency) {
            return false;
        }
        form.optFreq_Click(*frequency);
        form.optFreq_LostFocus("");
    }
    if (options.Has("--pair")) {
        std::optional<int> pair = Choice(options, "--pair", 1, 4, error);
        if (!pair) {
            return false;
        }
        KeepSemiMonthlyPair(form, state, *pair);
    }
    typeIfGiven("--odd", AmortField::OddDays);
    typeIfGiven("--name", AmortField::Name);
    typeIfGiven("--amount", AmortField::Amount);
    typeIfGiven("--rate", AmortField::Rate);
    typeIfGiven("--term", AmortField::Term);
    typeIfGiven("--payment", AmortField::Payment);
    typeIfGiven("--free", AmortField::InterestFree);
    const std::pair<std::string_view, AmortCheck> checks[] = {{"--fixed", AmortCheck::Fix},
                                                              {"--full", AmortCheck::BalDue},
                                                              {"--number", AmortCheck::NbrPymts}};
    for (const auto& [name, check] : checks) {
        if (options.Has(name)) {
            std::optional<int> value = Choice(options, name, 0, 1, error);
            if (!value) {
                return false;
            }
            form.Check_Click(check, *value);
        }
    }
    if (options.Has("--style")) {
        std::optional<int> style = Choice(options, "--style", 0, 3, error);
        if (!style) {
            return false;
        }
        form.vsTab_Switch(AmortFormModel::kStyleTab);
        form.optStyle_Click(*style);
        form.comOK_Click();
    }
    return true;
}

void OverrideReportFont(AppState& state, const BatchOptions& options) {
    if (options.Has("--font")) {
        state.ReportFontName = options.Value("--font", "");
    }
    if (options.Has("--font-size")) {
        state.ReportFontSize = static_cast<float>(NumericValue(options.Value("--font-size", "")));
    }
    if (options.Has("--bold")) {
        state.ReportFontStyle = "Bold";
    }
    state.CurrentReportFont = {state.ReportFontName, NumberToText(state.ReportFontSize),
                               state.ReportFontStyle};
}

fs::path ProgramFolder() {
    std::error_code ignored;
    fs::path program = fs::read_symlink("/proc/self/exe", ignored);
    return program.empty() ? fs::current_path() : program.parent_path();
}

// A folder of this run's own for the work file, removed at the end.
class RunFolder {
  public:
    RunFolder() {
        std::string pattern = (fs::temp_directory_path() / "quorvia-batch-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~RunFolder() {
        std::error_code ignored;
        if (!path_.empty()) {
            fs::remove_all(path_, ignored);
        }
    }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

// The report fonts need a Qt application; the batch tool never needs a display.
std::unique_ptr<QGuiApplication> StartQt() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "quorvia-batch";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int RunScheduleCommand(const CommandArgs& args, std::ostream& /*out*/, std::ostream& err) {
    CommandArgs optionArgs = args;
    std::string loanFile;
    if (!optionArgs.empty() && optionArgs.front().rfind("--", 0) != 0) {
        loanFile = optionArgs.front();
        optionArgs.erase(optionArgs.begin());
    }
    std::string error;
    std::optional<BatchOptions> options = BatchOptions::Parse(optionArgs, kScheduleOptions, error);
    std::optional<Date> today = SystemToday();
    if (options && options->Has("--today")) {
        today = ParseDate(options->Value("--today", ""));
        if (!today) {
            error = "--today must be a date such as 03/10/1998";
        }
    }
    if (!options || !today) {
        err << "quorvia-batch schedule: " << error << "\n";
        return kExitUsage;
    }

    RunFolder runFolder;
    if (runFolder.path().empty()) {
        err << "quorvia-batch schedule: cannot create a work folder in "
            << fs::temp_directory_path().string() << "\n";
        return kExitFailure;
    }
    AppState state;
    SetIniPaths(state, ProgramFolder());
    if (options->Has("--no-prefs")) {
        state.IniFilePath = runFolder.path() / std::string(kIniFileName);
    }
    state.WorkFileFolder = runFolder.path();

    std::unique_ptr<QGuiApplication> qt = options->Has("--pdf") ? StartQt() : nullptr;
    BatchUi ui(err, options->Has("--yes"));
    PdfPrinterService printers;
    LoadPreferences(state, printers, ui);
    OverrideReportFont(state, *options);

    BatchRunner runner(state, ui,
                       {options->Value("--work-file", ""), options->Value("--csv", ""),
                        options->Value("--pdf", "")});
    BatchHost host;
    const Date fixedToday = *today;
    AmortFormModel form(
        state, ui, [fixedToday] { return fixedToday; }, runner, host);
    state.FormOpen[1] = true;
    form.Form_Load();
    form.Form_Activate();
    if (!loanFile.empty() && !LoadLoanFile(loanFile, form, state, ui)) {
        return kExitFailure;
    }
    if (!TypeOptions(form, state, *options, error)) {
        err << "quorvia-batch schedule: " << error << "\n";
        return kExitUsage;
    }
    form.comOK_Click();
    if (options->Has("--save") && !SaveLoanFile(options->Value("--save", ""), form, state, ui)) {
        return kExitFailure;
    }
    return runner.produced ? kExitSuccess : kExitFailure;
}

}  // namespace quorvia
