#pragma once
// What quorvia-batch says about itself: the usage of every command, and each command's help,
// its options one line each with what they mean and their defaults.

#include <iosfwd>
#include <span>
#include <string_view>

#include "tools/BatchCommand.h"

namespace quorvia {

// -h or --help among a command's arguments.
bool AsksForHelp(const CommandArgs& args);

// Every command's synopsis, as a usage error shows them.
void PrintUsage(std::span<const BatchCommand> commands, std::ostream& stream);

// One command's synopsis, after a usage error of that command.
void PrintCommandUsage(const BatchCommand& command, std::ostream& stream);

// The command's synopsis, what it does and each of its options.
void PrintCommandHelp(const BatchCommand& command, std::ostream& stream);

// The usage, then every command's help.
void PrintProgramHelp(std::span<const BatchCommand> commands, std::ostream& stream);

// The command named `name`; nothing, with the reason and the nearest command in `error`, when
// there is none.
const BatchCommand* FindCommand(std::span<const BatchCommand> commands, std::string_view name,
                                std::string& error);

}  // namespace quorvia
