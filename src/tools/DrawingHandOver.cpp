#include "tools/DrawingHandOver.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "core/session/ProgramFolders.h"

namespace quorvia {

namespace {

constexpr std::string_view kDrawingProgramName = "quorvia-batch-draw";

}  // namespace

std::filesystem::path DrawingProgram() {
    return LocateProgramFolders(ExecutableFolder()).helpers / kDrawingProgramName;
}

int HandOverToDrawingProgram(std::string_view command, const CommandArgs& args,
                             std::string_view task, std::ostream& err) {
    const std::string program = DrawingProgram().string();
    std::vector<std::string> words{program, std::string(command)};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    // What this process wrote must come before what the drawing program writes.
    std::cout.flush();
    std::cerr.flush();
    ::execv(program.c_str(), argv.data());
    const int failure = errno;
    err << "quorvia-batch " << command << ": cannot " << task << ": " << program
        << (failure == ENOENT ? std::string(" is missing")
                              : ": " + std::string(std::strerror(failure)))
        << "\n";
    return kExitFailure;
}

}  // namespace quorvia
