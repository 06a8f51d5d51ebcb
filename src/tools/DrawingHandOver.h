#pragma once
// quorvia-batch hands a run that draws or writes a workbook over to its drawing program,
// quorvia-batch-draw: the same commands, the same messages and exit statuses, with Qt to lay out
// and print the report and libxlsxwriter to write the workbook. The drawing program stands
// beside quorvia-batch, or in libexec/quorvia of an installation.

#include <filesystem>
#include <ostream>
#include <string_view>

#include "tools/BatchCommand.h"

namespace quorvia {

// Where the drawing program of the running quorvia-batch is.
std::filesystem::path DrawingProgram();

// Replaces this process with the drawing program, run with the command and its arguments as
// given, for `task` ("draw", "write the workbook"). Returns only when that cannot be done,
// having told on `err` that the task cannot be done and why: kExitFailure.
int HandOverToDrawingProgram(std::string_view command, const CommandArgs& args,
                             std::string_view task, std::ostream& err);

}  // namespace quorvia
