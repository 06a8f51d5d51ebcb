#pragma once
// Runs build/quorvia-batch as a process, as scripts run it, and keeps what it printed.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace quorvia::testing {

namespace fs = std::filesystem;

struct BatchRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string ReadAll(const fs::path& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The build folder: QUORVIA_BUILD_DIR, else the folder above this test program's own
// (build/tests/tools_tests).
inline fs::path BuildDir() {
    if (const char* buildDir = std::getenv("QUORVIA_BUILD_DIR")) {
        return buildDir;
    }
    return fs::read_symlink("/proc/self/exe").parent_path().parent_path();
}

// The source tree the tests were built from (the help topics live there).
inline fs::path SourceDir() {
    return QUORVIA_SOURCE_ROOT;
}

// Runs `program` with `arguments` (plain words, no quoting needed). `shellPrefix` goes before
// the program on the shell's command line: variables ("TMPDIR=/x ") or commands that set
// limits ("ulimit -f 8; ").
inline BatchRun RunProgram(const fs::path& program, const std::string& arguments,
                           const std::string& shellPrefix = "") {
    EXPECT_TRUE(fs::exists(program)) << program << " is missing: build it first";

    // ctest may run the tests side by side: each process has files of its own.
    std::string stem = "batch-run-" + std::to_string(::getpid());
    fs::path outFile = fs::path(::testing::TempDir()) / (stem + ".out");
    fs::path errFile = fs::path(::testing::TempDir()) / (stem + ".err");
    std::string command = shellPrefix + program.string() + " " + arguments + " >" +
                          outFile.string() + " 2>" + errFile.string();
    int status = std::system(command.c_str());
    BatchRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadAll(outFile);
    run.err = ReadAll(errFile);
    fs::remove(outFile);
    fs::remove(errFile);
    return run;
}

// Runs build/quorvia-batch.
inline BatchRun RunBatch(const std::string& arguments, const std::string& shellPrefix = "") {
    return RunProgram(BuildDir() / "quorvia-batch", arguments, shellPrefix);
}

}  // namespace quorvia::testing
