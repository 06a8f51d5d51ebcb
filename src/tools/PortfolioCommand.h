#pragma once
// quorvia-batch portfolio: many loans in one run, one per row of a CSV file whose header names
// the columns (`id` and the loan options of `schedule` by their long names). Each loan goes
// through the same validation and engine as `schedule`; the summary, the schedules and the
// balances on a date are written as CSV in the order of the input, whatever the number of
// jobs that compute them. A loan that cannot be scheduled is a row of the errors and the run
// goes on. Input and output are read and written as the run goes, so that the command works
// as a filter and its memory does not grow with the number of loans. A book too large for one
// machine is split across processes (GNU parallel, a map-only job): --part N leaves the header
// rows to the first part, --columns names the columns of a part that comes without its header.

#include "tools/BatchCommand.h"

namespace quorvia {

int RunPortfolioCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

inline constexpr BatchCommand kPortfolioCommand{
    "portfolio",
    "portfolio [LOANS.CSV|-] [--summary PATH|-] [--schedules PATH|-]\n"
    "                 [--balances-at MM/DD/YYYY [--balances PATH|-]] [--errors PATH|-]\n"
    "                 [--jobs N] [--part N] [--columns ID,AMOUNT,...]\n"
    "                 [--today MM/DD/YYYY] [--no-prefs] [--yes]",
    RunPortfolioCommand};

}  // namespace quorvia
