#pragma once
// quorvia-batch schedule: the amortization form from the command line. The form starts from
// its defaults, takes a loan data file's entries when one is named, then the options as if a
// person typed them into the fields; the Okay button's validation runs with every message and
// question on the error stream, and a validated loan's schedule is written where the output
// options say.

#include "tools/BatchCommand.h"
#include "tools/ScheduleOptions.h"

namespace quorvia {

int RunScheduleCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

inline constexpr BatchCommand kScheduleCommand{
    "schedule", "schedule [LOAN.QRV] [OPTION]...", RunScheduleCommand,
    "A loan's schedule, from the amortization form: the form starts from the profile file's\n"
    "defaults (the program's with --no-prefs), takes the entries of LOAN.QRV, then the options\n"
    "as typed into its fields. A validated loan's schedule goes to each output named, else its\n"
    "summary lines to standard output. Messages and questions go to standard error.",
    ScheduleOptions};

}  // namespace quorvia
