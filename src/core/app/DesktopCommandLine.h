#pragma once
// The desktop program's command line: `quorvia [LOAN.QRV]`, as a file manager starts it, plus
// --help and --version. Anything else is a usage error, reported before any window opens.

#include <string>
#include <vector>

namespace quorvia {

struct DesktopCommandLine {
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::Run;
    // The loan data file to open, as given; empty when none was named.
    std::string file;
    // For a usage error: what is wrong, one line.
    std::string error;
};

// Reads the arguments after the program's name. "--" ends the options, so a file whose name
// starts with "-" can be named after it.
DesktopCommandLine ParseDesktopCommandLine(const std::vector<std::string>& arguments);

// What --help prints.
std::string DesktopUsageText();

}  // namespace quorvia
