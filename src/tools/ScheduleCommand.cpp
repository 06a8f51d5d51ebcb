#include "tools/ScheduleCommand.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <system_error>

#include "core/amortization/AmortFormModel.h"
#include "core/amortization/PaymentDates.h"
#include "core/base/AtomicFile.h"
#include "core/base/InputFile.h"
#include "core/base/NumberText.h"
#include "core/base/Text.h"
#include "core/loanfile/LoanFileCommands.h"
#include "core/schedule/ScheduleCsv.h"
#include "core/schedule/ScheduleEngine.h"
#include "core/schedule/ScheduleSummary.h"
#include "core/schedule/WorkFile.h"
#include "core/session/AppState.h"
#include "core/session/PreferenceStore.h"
#include "core/session/ProgramFolders.h"
#include "tools/BatchOptions.h"
#include "tools/BatchUi.h"
#include "tools/DrawingHandOver.h"
#include "tools/EventOptions.h"
#include "tools/NonDrawingPrinters.h"
#include "tools/PageOptions.h"
#include "tools/ReportDrawing.h"
#include "tools/ScheduleDisclosure.h"

namespace quorvia {

namespace {

namespace fs = std::filesystem;

// The schedule work file of the longest schedule is a few hundred kilobytes.
constexpr std::size_t kWorkFileLimit = 64 * 1024 * 1024;

// The font sizes the font dialog offers.
constexpr double kSmallestFontSize = 8;
constexpr double kLargestFontSize = 14;

// The outputs a validated loan's schedule goes to.
struct Outputs {
    std::string workFile;
    std::string csv;
    std::string pdf;
    std::optional<BatchPrint> print;
    std::string xlsx;
};

// What-if events for the engine, the stream the summary lines go to (--summary) and the
// disclosure asked for.
struct WhatIf {
    BatchEvents events;
    std::ostream* summary = nullptr;
    std::optional<DisclosureRequest> disclosure;
};

// The runner of the batch tool: the engine, then the outputs; the work file is removed after.
class BatchRunner : public ScheduleRunner {
  public:
    BatchRunner(AppState& state, Ui& ui, ReportDrawing* drawing, WorkbookWriter writeWorkbook,
                Outputs outputs)
        : state_(state),
          ui_(ui),
          drawing_(drawing),
          writeWorkbook_(writeWorkbook),
          outputs_(std::move(outputs)) {}

    void ComputeSchedule(AmortInputs& inputs) override {
        validated = true;
        optionsProblem = EventOptionsProblem(whatIf.events, ScheduledCount(inputs));
        if (optionsProblem.empty() && whatIf.disclosure) {
            optionsProblem = PrepaidProblem(*whatIf.disclosure, inputs);
        }
        if (!optionsProblem.empty()) {
            return;
        }
        loan = inputs;  // before the engine works on it
        int16_t style = inputs.SelectedStyle;
        // Only the report and a kept work file are read from the work file; the other outputs
        // are written from the schedule itself.
        const bool needsWorkFile = drawing_ != nullptr || !outputs_.workFile.empty();
        std::optional<RunError> error =
            needsWorkFile ? WriteSchedule(inputs, state_.SemiMonthly, state_.WorkFilePath(),
                                          nullptr, &schedule, whatIf.events.events)
                          : quorvia::ComputeSchedule(inputs, state_.SemiMonthly, nullptr, schedule,
                                                     whatIf.events.events);
        if (!error) {
            error = WriteOutputs(schedule, style);
        }
        bool printed = true;
        if (!error && outputs_.print) {
            error = drawing_->Print(*outputs_.print, state_, ui_, style, schedule.scheduledCount,
                                    printed);
        }
        RemoveFileQuietly(state_.WorkFilePath());
        if (error) {
            ShowScheduleError(ui_, *error);
            return;
        }
        if (whatIf.summary != nullptr) {
            *whatIf.summary << SummaryLines(Summarize(schedule));
        }
        produced = printed;
    }

    WhatIf whatIf;
    // The form's validation passed and handed the loan over.
    bool validated = false;
    // The events or the disclosure's charges cannot be applied to the validated loan: why,
    // naming the option.
    std::string optionsProblem;
    bool produced = false;
    // The loan as the form handed it over, and its schedule.
    AmortInputs loan;
    Schedule schedule;

  private:
    std::optional<RunError> WriteOutputs(const Schedule& schedule, int16_t style) {
        if (!outputs_.workFile.empty()) {
            if (auto error = KeepWorkFile()) {
                return error;
            }
        }
        if (!outputs_.csv.empty()) {
            if (auto error = WriteScheduleCsv(outputs_.csv, schedule)) {
                return error;
            }
        }
        if (!outputs_.xlsx.empty()) {
            if (auto error = writeWorkbook_(outputs_.xlsx, schedule)) {
                return error;
            }
        }
        if (!outputs_.pdf.empty()) {
            return drawing_->WritePdf(outputs_.pdf, state_, ui_, style, schedule.scheduledCount);
        }
        return std::nullopt;
    }

    // The kept copy is as private as the work file itself.
    std::optional<RunError> KeepWorkFile() {
        std::string bytes;
        if (auto error =
                ReadInputFile(state_.WorkFilePath(), kWorkFileLimit, "schedule work file", bytes)) {
            return error;
        }
        return WriteFileAtomically(outputs_.workFile, bytes,
                                   fs::perms::owner_read | fs::perms::owner_write);
    }

    AppState& state_;
    Ui& ui_;
    // Only a run with a PDF file or a print job among its outputs has one.
    ReportDrawing* drawing_;
    // Only a run with a workbook among its outputs has one.
    WorkbookWriter writeWorkbook_;
    Outputs outputs_;
};

// A person typing into a field and leaving it; false when the field refuses the entry (the
// person was told).
bool Type(AmortFormModel& form, AmortField field, const std::string& text) {
    form.Field_GotFocus(field);
    form.SetFieldText(field, text);
    return form.Field_LostFocus(field, "");
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

}  // namespace

Typing TypeOptions(AmortFormModel& form, AppState& state, const BatchOptions& options,
                   std::string& error) {
    bool refused = false;
    auto typeIfGiven = [&](std::string_view name, AmortField field) {
        if (!refused && options.Has(name)) {
            refused = !Type(form, field, options.Value(name, ""));
        }
    };
    if (options.Has("--method")) {
        std::optional<int> method = options.Choice("--method", 0, 1, error, kMethodNames);
        if (!method) {
            return Typing::UsageError;
        }
        form.optCalc_Click(*method);
        form.optCalc_LostFocus();
    }
    typeIfGiven("--funding", AmortField::FundingDate);
    typeIfGiven("--first", AmortField::FirstPayment);
    if (options.Has("--freq")) {
        std::optional<int> frequency = options.Choice("--freq", 1, 6, error, kFrequencyNames);
        if (!frequency) {
            return Typing::UsageError;
        }
        form.optFreq_Click(*frequency);
        form.optFreq_LostFocus("");
    }
    if (options.Has("--pair")) {
        std::optional<int> pair = options.Choice("--pair", 1, 4, error);
        if (!pair) {
            return Typing::UsageError;
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
            std::optional<int> value = options.Choice(name, 0, 1, error);
            if (!value) {
                return Typing::UsageError;
            }
            form.Check_Click(check, *value);
        }
    }
    if (options.Has("--style")) {
        std::optional<int> style = options.Choice("--style", 0, 3, error, kStyleNames);
        if (!style) {
            return Typing::UsageError;
        }
        form.vsTab_Switch(AmortFormModel::kStyleTab);
        form.optStyle_Click(*style);
        form.comOK_Click();
    }
    return refused ? Typing::Refused : Typing::Done;
}

namespace {

// The --font-size value: a number of points the font dialog allows.
std::optional<float> FontSize(const BatchOptions& options, std::string& error) {
    std::optional<double> size = DecimalNumber(TrimView(options.Value("--font-size", "")));
    if (!size || !(*size >= kSmallestFontSize) || !(*size <= kLargestFontSize)) {
        error = "--font-size must be a number of points from 8 to 14";
        return std::nullopt;
    }
    return static_cast<float>(*size);
}

void OverrideReportFont(AppState& state, const BatchOptions& options, float fontSize) {
    if (options.Has("--font")) {
        state.ReportFontName = options.Value("--font", "");
    }
    if (options.Has("--font-size")) {
        state.ReportFontSize = fontSize;
    }
    if (options.Has("--bold")) {
        state.ReportFontStyle = "Bold";
    }
    state.CurrentReportFont = {state.ReportFontName, NumberToText(state.ReportFontSize),
                               state.ReportFontStyle};
}

// A folder of this run's own for the work file, removed at the end.
class RunFolder {
  public:
    // Without a folder `error` says why.
    explicit RunFolder(std::string& error) {
        std::error_code noTemporaryFolder;
        fs::path temporary = fs::temp_directory_path(noTemporaryFolder);
        if (noTemporaryFolder) {
            const char* named = std::getenv("TMPDIR");
            error = "cannot create a work folder: the temporary folder" +
                    (named != nullptr ? " " + std::string(named) : std::string()) +
                    " is not a folder (" + noTemporaryFolder.message() + ")";
            return;
        }
        std::string pattern = (temporary / "quorvia-batch-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            error = "cannot create a work folder in " + temporary.string() + ": " +
                    std::strerror(errno);
            return;
        }
        path_ = pattern;
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

// The summary lines are printed when asked for, and in place of the outputs when none is named,
// so that a run always shows what it computed.
bool PrintsSummary(const BatchOptions& options) {
    constexpr std::string_view kOutputs[] = {"--work-file", "--csv",  "--xlsx",    "--pdf",
                                             "--print",     "--save", "--summary", "--disclosure"};
    return options.Has("--summary") ||
           std::none_of(std::begin(kOutputs), std::end(kOutputs),
                        [&options](std::string_view output) { return options.Has(output); });
}

// The run ended before the schedule was written anywhere. When a question answered No (for
// want of --yes) stopped it, one line says so, so that nobody wonders where the files are.
int NothingWritten(const BatchUi& ui, std::ostream& err) {
    if (ui.DeclinedAQuestion()) {
        err << "quorvia-batch schedule: nothing was written: a question was answered No (run "
               "again with --yes to answer Yes)\n";
    }
    return kExitFailure;
}

}  // namespace

bool NeedsDrawingProgram(const BatchOptions& options) {
    return options.Has("--pdf") || options.Has("--print") || options.Has("--xlsx");
}

int RunScheduleCommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    return RunSchedule(args, out, err, nullptr);
}

int RunSchedule(const CommandArgs& args, std::ostream& out, std::ostream& err,
                const DrawingProgramOutputs* outputs) {
    CommandArgs optionArgs = args;
    std::string loanFile;
    if (!optionArgs.empty() && optionArgs.front().rfind("--", 0) != 0) {
        loanFile = optionArgs.front();
        optionArgs.erase(optionArgs.begin());
    }
    std::string error;
    std::optional<BatchOptions> options =
        BatchOptions::Parse(optionArgs, NamesOf(ScheduleOptions()), error);
    if (options && !options->NumbersReadable({"--amount", "--payment"}, "--rate", error)) {
        options.reset();
    }
    std::optional<Date> today = options ? options->Today(error) : std::nullopt;
    std::optional<float> fontSize = 0.0F;
    if (options && today && options->Has("--font-size")) {
        fontSize = FontSize(*options, error);
    }
    std::optional<BatchPageSetup> pageSetup;
    if (options && today && fontSize) {
        pageSetup = ParsePageOptions(*options, error);
    }
    std::optional<BatchPrint> print;
    if (pageSetup) {
        print = ParsePrintOptions(*options, error);
    }
    std::optional<BatchEvents> events;
    if (pageSetup && error.empty()) {
        events = ParseEventOptions(*options, error);
    }
    if (!options || !today || !fontSize || !pageSetup || (!print && !error.empty()) || !events) {
        err << "quorvia-batch schedule: " << error << "\n";
        return kExitUsage;
    }
    std::optional<DisclosureRequest> disclosure = ParseDisclosureOptions(*options, error);
    if (!error.empty()) {
        err << "quorvia-batch schedule: " << error << "\n";
        return kExitUsage;
    }

    const bool draws = options->Has("--pdf") || print;
    if (outputs == nullptr && NeedsDrawingProgram(*options)) {
        return HandOverToDrawingProgram(kScheduleCommand.name, args,
                                        draws ? "draw" : "write the workbook", err);
    }

    RunFolder runFolder(error);
    if (runFolder.path().empty()) {
        err << "quorvia-batch schedule: " << error << "\n";
        return kExitFailure;
    }
    AppState state;
    UseProgramFolders(state, LocateProgramFolders(ExecutableFolder()));
    if (options->Has("--no-prefs")) {
        state.IniFilePath = runFolder.path() / std::string(kIniFileName);
    }
    state.WorkFileFolder = runFolder.path();

    std::unique_ptr<ReportDrawing> drawing = draws ? outputs->startDrawing() : nullptr;
    if (print) {
        if (std::string unknown = drawing->UnknownQueueError(print->queue); !unknown.empty()) {
            err << "quorvia-batch schedule: " << unknown << "\n";
            return kExitFailure;
        }
    }
    BatchUi ui(err, options->Has("--yes"));
    NonDrawingPrinters nonDrawing;
    LoadPreferences(state, drawing ? drawing->Printers() : nonDrawing, ui, ProfileWrites::Never);
    OverrideReportFont(state, *options, *fontSize);
    pageSetup->ApplyTo(state);

    BatchRunner runner(state, ui, drawing.get(), outputs ? outputs->writeWorkbook : nullptr,
                       {options->Value("--work-file", ""), options->Value("--csv", ""),
                        options->Value("--pdf", ""), print, options->Value("--xlsx", "")});
    runner.whatIf = {std::move(*events), PrintsSummary(*options) ? &out : nullptr, disclosure};
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
    Typing typing = TypeOptions(form, state, *options, error);
    if (typing == Typing::UsageError) {
        err << "quorvia-batch schedule: " << error << "\n";
        return kExitUsage;
    }
    if (typing == Typing::Refused) {
        return NothingWritten(ui, err);
    }
    form.comOK_Click();
    if (!runner.optionsProblem.empty()) {
        err << "quorvia-batch schedule: " << runner.optionsProblem << "\n";
        return kExitUsage;
    }
    if (!runner.validated) {
        return NothingWritten(ui, err);
    }
    // Only entries that passed validation are saved, with the payment or term it derived.
    if (runner.validated && options->Has("--save") &&
        !SaveLoanFile(options->Value("--save", ""), form, state, ui)) {
        return kExitFailure;
    }
    if (runner.produced && disclosure) {
        return PrintDisclosure(*disclosure, runner.loan, runner.schedule, out, err);
    }
    return runner.produced ? kExitSuccess : kExitFailure;
}

}  // namespace quorvia
