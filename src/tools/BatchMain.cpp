// quorvia-batch: the program's core from the command line, for scripts, tests and machines
// without a display. The first argument names the command; the rest are its options.

#include <iostream>
#include <string>

#include "core/about/BuildVersion.h"
#include "desktop/platform/QtDiagnostics.h"
#include "tools/AprCommand.h"
#include "tools/BatchCommand.h"
#include "tools/BatchHelp.h"
#include "tools/CalcCommand.h"
#include "tools/PortfolioCommand.h"
#include "tools/ScheduleCommand.h"

namespace quorvia {

namespace {

constexpr BatchCommand kCommands[] = {kScheduleCommand, kCalcCommand, kAprCommand,
                                      kPortfolioCommand};

// `quorvia-batch help [COMMAND]`, `quorvia-batch --help` or `-h`.
int AnswerHelp(const CommandArgs& args) {
    if (args.size() < 2 || args[0] != "help") {
        PrintProgramHelp(kCommands, std::cout);
        return kExitSuccess;
    }
    std::string error;
    const BatchCommand* command = FindCommand(kCommands, args[1], error);
    if (command == nullptr) {
        std::cerr << "quorvia-batch: " << error << "\n";
        PrintUsage(kCommands, std::cerr);
        return kExitUsage;
    }
    PrintCommandHelp(*command, std::cout);
    return kExitSuccess;
}

int RunBatch(const CommandArgs& args) {
    if (args.empty()) {
        PrintUsage(kCommands, std::cerr);
        return kExitUsage;
    }
    if (args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
        return AnswerHelp(args);
    }
    if (args[0] == "--version") {
        std::cout << CommandLineVersionText("quorvia-batch") << "\n";
        return kExitSuccess;
    }
    std::string error;
    const BatchCommand* command = FindCommand(kCommands, args[0], error);
    if (command == nullptr) {
        std::cerr << "quorvia-batch: " << error << "\n";
        PrintUsage(kCommands, std::cerr);
        return kExitUsage;
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

}  // namespace

}  // namespace quorvia

int main(int argc, char** argv) {
    quorvia::QuietenQtDiagnostics();
    return quorvia::RunBatch(quorvia::CommandArgs(argv + 1, argv + argc));
}
