#pragma once
// A command of quorvia-batch: its name, its synopsis for the usage text, the function that
// runs it with the arguments after the command's name, and what its help says.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace quorvia {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
// A command that returns this has told why on the error stream; the usage text follows.
inline constexpr int kExitUsage = 2;

using CommandArgs = std::vector<std::string>;
using CommandFunction = int (*)(const CommandArgs& args, std::ostream& out, std::ostream& err);

// One option as the command's help shows it: "--freq FREQ", what it means and what stands when
// it is not given.
struct OptionHelp {
    std::string_view name;       // "--freq"
    std::string_view value;      // "FREQ"; empty for a flag
    std::string_view meaning;    // a choice option starts with its choices: "monthly|quarterly"
    std::string_view byDefault;  // empty where leaving the option out needs no word
};
using OptionTable = std::vector<OptionHelp>;

struct BatchCommand {
    std::string_view name;
    std::string_view synopsis;
    CommandFunction run;
    // A few lines on what the command does, for its help.
    std::string_view about = {};
    // Every option the command takes, in the order its help lists them.
    const OptionTable& (*options)() = nullptr;
};

}  // namespace quorvia
