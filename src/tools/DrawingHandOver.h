#pragma once
// quorvia-batch hands a run that draws over to its drawing program, quorvia-batch-draw: the same
// commands, the same messages and exit statuses, with Qt to lay out and print the report. The
// drawing program stands beside quorvia-batch, or in libexec/quorvia of an installation.

#include <filesystem>
#include <ostream>
#include <string_view>

#include "tools/BatchCommand.h"

namespace quorvia {

// Where the drawing program of the running quorvia-batch is.
std::filesystem::path DrawingProgram();

// Replaces this process with the drawing program, run with the command and its arguments as
// given. Returns only when that cannot be done, having told why on `err`: kExitFailure.
int HandOverToDrawing(std::string_view command, const CommandArgs& args, std::ostream& err);

}  // namespace quorvia
