#include "core/app/DesktopCommandLine.h"

namespace quorvia {

DesktopCommandLine ParseDesktopCommandLine(const std::vector<std::string>& arguments) {
    using Action = DesktopCommandLine::Action;
    DesktopCommandLine line;
    std::vector<std::string> files;
    bool options = true;
    for (const std::string& argument : arguments) {
        if (options && argument == "--") {
            options = false;
        } else if (options && (argument == "--help" || argument == "-h")) {
            return {Action::Help, {}, {}};
        } else if (options && argument == "--version") {
            return {Action::Version, {}, {}};
        } else if (options && argument.size() > 1 && argument.front() == '-') {
            return {Action::UsageError, {}, "unknown option " + argument};
        } else {
            files.push_back(argument);
        }
    }
    if (files.size() > 1) {
        return {Action::UsageError,
                {},
                "one loan data file at a time, not " + std::to_string(files.size())};
    }
    if (!files.empty()) {
        line.file = files.front();
    }
    return line;
}

std::string DesktopUsageText() {
    return "usage: quorvia [LOAN.QRV]\n"
           "Starts Quorvia, opening the loan data file LOAN.QRV when one is named. While Quorvia\n"
           "runs, the file is opened in the running window instead.\n"
           "  --help     show this text\n"
           "  --version  show the version of this build\n"
           "  --         what follows is a file name, even when it starts with -\n";
}

}  // namespace quorvia
