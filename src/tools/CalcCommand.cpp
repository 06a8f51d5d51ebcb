#include "tools/CalcCommand.h"

#include <optional>
#include <ostream>

#include "core/base/Text.h"
#include "core/calculator/CalculatorModel.h"
#include "core/schedule/AmortInputs.h"
#include "core/session/AppState.h"
#include "tools/BatchOptions.h"
#include "tools/BatchUi.h"

namespace quorvia {

namespace {

// The calculator's months field reads any text as its leading number, "abc" as 0, which would
// ask for the term to be computed; on the command line a value that is no number is a slip.
bool MonthsReadable(const BatchOptions& options, std::string& error) {
    if (options.Has("--months") && !DecimalNumber(TrimView(options.Value("--months", "")))) {
        error = "--months must be a number of months such as 360, or 0 to compute it";
        return false;
    }
    return true;
}

// A missing option leaves the field at its starting text, a zero.
void TypeOption(const BatchOptions& options, std::string_view name, std::string& field) {
    field = options.Value(name, field);
}

}  // namespace

const OptionTable& CalcOptions() {
    static const OptionTable options{
        {"--amount", "AMOUNT", "the loan amount: 250000, 250,000 or $250,000.00", "0"},
        {"--rate", "RATE", "the annual interest rate in percent: 6.75, 6.75% or .0675", "0"},
        {"--months", "MONTHS", "the term in months", "0"},
        {"--payment", "AMOUNT", "the periodic payment", "0"},
        {"--freq", "FREQ", "monthly|quarterly|semiannual|annual|biweekly|semimonthly, or 1 to 6",
         "monthly"},
        {"--yes", "", "accepted as schedule takes it; the calculator asks no questions", ""},
    };
    return options;
}

int RunCalcCommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    std::string error;
    std::optional<BatchOptions> options = BatchOptions::Parse(args, NamesOf(CalcOptions()), error);
    if (!options || !options->NumbersReadable({"--amount", "--payment"}, "--rate", error) ||
        !MonthsReadable(*options, error)) {
        err << "quorvia-batch calc: " << error << "\n";
        return kExitUsage;
    }
    std::optional<int> frequency =
        options->Has("--freq") ? options->Choice("--freq", 1, 6, error, kFrequencyNames) : kMonthly;
    if (!frequency) {
        err << "quorvia-batch calc: " << error << "\n";
        return kExitUsage;
    }

    AppState state;
    BatchUi ui(err, options->Has("--yes"));
    CalculatorModel calc(state, ui);
    calc.Form_Load();
    TypeOption(*options, "--amount", calc.txtLnAmt);
    TypeOption(*options, "--rate", calc.txtRate);
    TypeOption(*options, "--months", calc.txtMonths);
    TypeOption(*options, "--payment", calc.txtPymt);
    calc.optFreq = *frequency;
    if (!calc.cmdCalc_Click()) {
        return kExitFailure;
    }
    out << "amount=" << calc.txtLnAmt << "\n"
        << "rate=" << calc.txtRate << "\n"
        << "months=" << calc.txtMonths << "\n"
        << "payment=" << calc.txtPymt << "\n";
    return kExitSuccess;
}

}  // namespace quorvia
