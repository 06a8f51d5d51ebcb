#pragma once
// A command of quorvia-batch: its name, its synopsis for the usage text and the function that
// runs it with the arguments after the command's name.

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

struct BatchCommand {
    std::string_view name;
    std::string_view synopsis;
    CommandFunction run;
};

}  // namespace quorvia
