#pragma once
// quorvia-batch calc: the loan calculator from the command line. The options are typed into
// the calculator's fields as they stand (a missing one leaves its field at zero), Calculate
// runs, and the four fields are printed, one "name=value" line each.

#include "tools/BatchCommand.h"

namespace quorvia {

int RunCalcCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

inline constexpr BatchCommand kCalcCommand{
    "calc", "calc [--amount P] [--rate R] [--months M] [--payment A] [--freq 1..6] [--yes]",
    RunCalcCommand};

}  // namespace quorvia
