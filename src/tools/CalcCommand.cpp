#include "tools/CalcCommand.h"

#include <optional>
#include <ostream>

#include "core/calculator/CalculatorModel.h"
#include "core/session/AppState.h"
#include "tools/BatchOptions.h"
#include "tools/BatchUi.h"

namespace quorvia {

namespace {

std::optional<int> FrequencyIndex(const std::string& text) {
    if (text.size() != 1 || text[0] < '1' || text[0] > '6') {
        return std::nullopt;
    }
    return text[0] - '0';
}

// A missing option leaves the field at its starting text, a zero.
void TypeOption(const BatchOptions& options, std::string_view name, std::string& field) {
    field = options.Value(name, field);
}

}  // namespace

int RunCalcCommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    std::string error;
    std::optional<BatchOptions> options = BatchOptions::Parse(
        args, {{"--amount", "--rate", "--months", "--payment", "--freq"}, {"--yes"}}, error);
    if (!options || !options->NumbersReadable({"--amount", "--payment"}, "--rate", error)) {
        err << "quorvia-batch calc: " << error << "\n";
        return kExitUsage;
    }
    std::optional<int> frequency = FrequencyIndex(options->Value("--freq", "1"));
    if (!frequency) {
        err << "quorvia-batch calc: --freq must be 1 to 6\n";
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
