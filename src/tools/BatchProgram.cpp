#include "tools/BatchProgram.h"

#include <iostream>
#include <span>
#include <string>

#include "core/about/BuildVersion.h"
#include "tools/AprCommand.h"
#include "tools/BatchHelp.h"
#include "tools/CalcCommand.h"
#include "tools/PortfolioCommand.h"
#include "tools/ScheduleCommand.h"

namespace quorvia {

namespace {

// A command name that names none: why, and the usage.
int NoSuchCommand(std::span<const BatchCommand> commands, const std::string& error) {
    std::cerr << "quorvia-batch: " << error << "\n";
    PrintUsage(commands, std::cerr);
    return kExitUsage;
}

// `quorvia-batch help [COMMAND]`, `quorvia-batch --help` or `-h`.
int AnswerHelp(std::span<const BatchCommand> commands, const CommandArgs& args) {
    if (args.size() < 2 || args[0] != "help") {
        PrintProgramHelp(commands, std::cout);
        return kExitSuccess;
    }
    std::string error;
    const BatchCommand* command = FindCommand(commands, args[1], error);
    if (command == nullptr) {
        return NoSuchCommand(commands, error);
    }
    PrintCommandHelp(*command, std::cout);
    return kExitSuccess;
}

}  // namespace

int RunBatch(const CommandArgs& args, CommandFunction runSchedule) {
    BatchCommand schedule = kScheduleCommand;
    schedule.run = runSchedule;
    const BatchCommand commands[] = {schedule, kCalcCommand, kAprCommand, kPortfolioCommand};
    if (args.empty()) {
        PrintUsage(commands, std::cerr);
        return kExitUsage;
    }
    if (args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
        return AnswerHelp(commands, args);
    }
    if (args[0] == "--version") {
        std::cout << CommandLineVersionText("quorvia-batch") << "\n";
        return kExitSuccess;
    }
    std::string error;
    const BatchCommand* command = FindCommand(commands, args[0], error);
    if (command == nullptr) {
        return NoSuchCommand(commands, error);
    }
    CommandArgs commandArgs(args.begin() + 1, args.end());
    if (AsksForHelp(commandArgs)) {
        PrintCommandHelp(*command, std::cout);
        return kExitSuccess;
    }
    int exitCode = command->run(commandArgs, std::cout, std::cerr);
    if (exitCode == kExitUsage) {
        PrintCommandUsage(*command, std::cerr);
    }
    return exitCode;
}

}  // namespace quorvia
