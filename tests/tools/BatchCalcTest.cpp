// quorvia-batch calc run as a process, as scripts run it.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct BatchRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string ReadAll(const fs::path& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The build folder: QUORVIA_BUILD_DIR, else the folder above this test program's own
// (build/tests/tools_tests).
fs::path BuildDir() {
    if (const char* buildDir = std::getenv("QUORVIA_BUILD_DIR")) {
        return buildDir;
    }
    return fs::read_symlink("/proc/self/exe").parent_path().parent_path();
}

// Runs build/quorvia-batch with `arguments` (plain words, no quoting needed).
BatchRun RunBatch(const std::string& arguments) {
    fs::path program = BuildDir() / "quorvia-batch";
    EXPECT_TRUE(fs::exists(program)) << program << " is missing: build it first";

    // ctest may run the tests side by side: each process has files of its own.
    std::string stem = "batch-calc-" + std::to_string(::getpid());
    fs::path outFile = fs::path(::testing::TempDir()) / (stem + ".out");
    fs::path errFile = fs::path(::testing::TempDir()) / (stem + ".err");
    std::string command =
        program.string() + " " + arguments + " >" + outFile.string() + " 2>" + errFile.string();
    int status = std::system(command.c_str());
    BatchRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadAll(outFile);
    run.err = ReadAll(errFile);
    fs::remove(outFile);
    fs::remove(errFile);
    return run;
}

TEST(BatchCalc, PrintsTheFourFields) {
    BatchRun run = RunBatch("calc --amount 100000 --rate 8 --months 360 --payment 0 --freq 1");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "amount=100000.00\nrate=8.0000\nmonths=360\npayment=733.76\n");
    EXPECT_EQ(run.err, "");

    run = RunBatch("calc --amount 100000 --rate 8% --months 31 --freq 2");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "amount=100000.00\nrate=8.0000\nmonths=30\npayment=11132.65\n");
}

TEST(BatchCalc, FailureShowsTheCalculatorsMessage) {
    BatchRun run = RunBatch("calc --amount 100000 --rate 8 --payment 500");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "E R R O R   M E S S A G E: Interest due EXCEEDS monthly payment!\n");
}

TEST(BatchCalc, UsageErrors) {
    for (const char* arguments :
         {"", "calc --amount", "calc --colour red", "calc --freq 7", "calc --freq 0", "interest"}) {
        BatchRun run = RunBatch(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        EXPECT_NE(run.err.find("usage: quorvia-batch"), std::string::npos) << arguments;
    }
}

}  // namespace
