#include "tools/BatchHelp.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "core/base/NearestWord.h"

namespace quorvia {

namespace {

// The help's own line, after the command's options.
constexpr OptionHelp kHelpOption{"-h, --help", "", "show this help", ""};

// Options and their values stand in a column this wide at most; a longer one pushes its
// meaning along, so that each option keeps to one line.
constexpr std::size_t kWidestColumn = 20;

std::string Invocation(const OptionHelp& option) {
    return std::string(option.name) + (option.value.empty() ? "" : " ") + std::string(option.value);
}

void PrintOptionLine(const OptionHelp& option, std::size_t column, std::ostream& stream) {
    std::string invocation = Invocation(option);
    invocation.resize(std::max(invocation.size(), column), ' ');
    stream << "  " << invocation << "  " << option.meaning;
    if (!option.byDefault.empty()) {
        stream << " (default: " << option.byDefault << ")";
    }
    stream << "\n";
}

}  // namespace

bool AsksForHelp(const CommandArgs& args) {
    return std::any_of(args.begin(), args.end(),
                       [](const std::string& arg) { return arg == "--help" || arg == "-h"; });
}

void PrintUsage(std::span<const BatchCommand> commands, std::ostream& stream) {
    stream << "usage: quorvia-batch <command> [options]\n";
    for (const BatchCommand& command : commands) {
        stream << "  quorvia-batch " << command.synopsis << "\n";
    }
    stream << "  quorvia-batch help [COMMAND]\n"
           << "  quorvia-batch --version\n";
}

void PrintCommandUsage(const BatchCommand& command, std::ostream& stream) {
    stream << "usage: quorvia-batch " << command.synopsis << "\n"
           << "'quorvia-batch " << command.name << " --help' tells what each option means.\n";
}

void PrintCommandHelp(const BatchCommand& command, std::ostream& stream) {
    stream << "usage: quorvia-batch " << command.synopsis << "\n";
    if (!command.about.empty()) {
        stream << command.about << "\n";
    }
    OptionTable options = command.options != nullptr ? command.options() : OptionTable{};
    options.push_back(kHelpOption);
    std::size_t column = 0;
    for (const OptionHelp& option : options) {
        column = std::max(column, std::min(Invocation(option).size(), kWidestColumn));
    }
    stream << "\n";
    for (const OptionHelp& option : options) {
        PrintOptionLine(option, column, stream);
    }
}

void PrintProgramHelp(std::span<const BatchCommand> commands, std::ostream& stream) {
    PrintUsage(commands, stream);
    for (const BatchCommand& command : commands) {
        stream << "\n";
        PrintCommandHelp(command, stream);
    }
}

const BatchCommand* FindCommand(std::span<const BatchCommand> commands, std::string_view name,
                                std::string& error) {
    std::vector<std::string_view> names;
    for (const BatchCommand& command : commands) {
        if (command.name == name) {
            return &command;
        }
        names.push_back(command.name);
    }
    error = "unknown command " + std::string(name) + DidYouMean(name, names);
    return nullptr;
}

}  // namespace quorvia
