// quorvia-batch: the program's core from the command line, for scripts, tests and machines
// without a display. The first argument names the command; the rest are its options.

#include <iostream>
#include <string_view>

#include "core/about/BuildVersion.h"
#include "tools/AprCommand.h"
#include "tools/BatchCommand.h"
#include "tools/CalcCommand.h"
#include "tools/PortfolioCommand.h"
#include "tools/ScheduleCommand.h"

namespace quorvia {

namespace {

constexpr BatchCommand kCommands[] = {kScheduleCommand, kCalcCommand, kAprCommand,
                                      kPortfolioCommand};

void PrintUsage(std::ostream& stream) {
    stream << "usage: quorvia-batch <command> [options]\n";
    for (const BatchCommand& command : kCommands) {
        stream << "  quorvia-batch " << command.synopsis << "\n";
    }
    stream << "  quorvia-batch --version\n";
}

const BatchCommand* FindCommand(std::string_view name) {
    for (const BatchCommand& command : kCommands) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

int RunBatch(const CommandArgs& args) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "help")) {
        PrintUsage(std::cout);
        return kExitSuccess;
    }
    if (!args.empty() && args[0] == "--version") {
        std::cout << CommandLineVersionText("quorvia-batch") << "\n";
        return kExitSuccess;
    }
    const BatchCommand* command = args.empty() ? nullptr : FindCommand(args[0]);
    if (command == nullptr) {
        if (!args.empty()) {
            std::cerr << "quorvia-batch: unknown command " << args[0] << "\n";
        }
        PrintUsage(std::cerr);
        return kExitUsage;
    }
    int exitCode = command->run(CommandArgs(args.begin() + 1, args.end()), std::cout, std::cerr);
    if (exitCode == kExitUsage) {
        PrintUsage(std::cerr);
    }
    return exitCode;
}

}  // namespace

}  // namespace quorvia

int main(int argc, char** argv) {
    return quorvia::RunBatch(quorvia::CommandArgs(argv + 1, argv + argc));
}
