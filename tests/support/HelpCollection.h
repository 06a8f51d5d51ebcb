#pragma once
// The help collection the build compiled, put beside a program folder of a test, and the page
// the help window shows.

#include <QString>
#include <filesystem>

#include "desktop/help/QtHelpEngine.h"
#include "support/BatchProcess.h"

namespace quorvia::testing {

// Copies build/quorvia.qhc and build/help/quorvia.qch into `programFolder`, as they stand
// beside the program.
inline void InstallHelpCollection(const std::filesystem::path& programFolder) {
    std::filesystem::create_directories(programFolder / "help");
    std::filesystem::copy_file(BuildDir() / "quorvia.qhc", programFolder / "quorvia.qhc");
    std::filesystem::copy_file(BuildDir() / "help" / "quorvia.qch",
                               programFolder / "help" / "quorvia.qch");
}

// The file name of the page the help window shows; empty while it is closed.
inline QString ShownHelpPage(const QtHelpEngine& help) {
    HelpWindow* window = help.Window();
    return window && window->isVisible() ? window->Browser()->source().fileName() : QString();
}

}  // namespace quorvia::testing
