#pragma once
// quorvia-batch apr: the annual percentage rate of a loan advanced in one amount and repaid by
// a regular stream of payments, the first or the last of which may differ from the others.
// Prints "apr=" and the rate in percent with four decimals.

#include "tools/BatchCommand.h"

namespace quorvia {

int RunAprCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

const OptionTable& AprOptions();

inline constexpr BatchCommand kAprCommand{
    "apr",
    "apr --amount A --advance-date DATE --payments N@AMOUNT --first DATE --freq FREQ\n"
    "                 [--first-payment AMOUNT] [--last-payment AMOUNT] [--method METHOD]",
    RunAprCommand,
    "The annual percentage rate of a loan advanced in one amount and repaid by a regular stream\n"
    "of payments, the first or the last of which may differ. Prints apr= and the rate in\n"
    "percent with four decimals.",
    AprOptions};

}  // namespace quorvia
