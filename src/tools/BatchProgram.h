#pragma once
// quorvia-batch: the program's core from the command line, for scripts, tests and machines
// without a display. The first argument names the command; the rest are its options. The same
// commands run in quorvia-batch, on the core alone, and in its drawing program, which draws
// and writes workbooks.

#include "tools/BatchCommand.h"

namespace quorvia {

// Runs the command line after the program's name, with `runSchedule` running the schedule
// command; returns the exit status.
int RunBatch(const CommandArgs& args, CommandFunction runSchedule);

}  // namespace quorvia
