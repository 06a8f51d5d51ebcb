#pragma once
// quorvia-batch calc: the loan calculator from the command line. The options are typed into
// the calculator's fields as they stand (a missing one leaves its field at zero), Calculate
// runs, and the four fields are printed, one "name=value" line each.

#include "tools/BatchCommand.h"

namespace quorvia {

int RunCalcCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

const OptionTable& CalcOptions();

inline constexpr BatchCommand kCalcCommand{
    "calc", "calc [--amount P] [--rate R] [--months M] [--payment A] [--freq FREQ]", RunCalcCommand,
    "The loan calculator: of the amount, the rate, the months and the payment, the one left at\n"
    "zero is computed from the others. Prints the four as amount=, rate=, months= and payment=\n"
    "lines.",
    CalcOptions};

}  // namespace quorvia
