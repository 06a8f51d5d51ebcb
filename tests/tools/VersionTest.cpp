// Both programs name the version of the build they come from, the same one.
#include <gtest/gtest.h>

#include <regex>

#include "support/BatchProcess.h"

namespace {

using quorvia::testing::BatchRun;
using quorvia::testing::BuildDir;
using quorvia::testing::RunBatch;
using quorvia::testing::RunProgram;

TEST(Version, BothProgramsPrintTheSameVersionOfThisBuild) {
    BatchRun batch = RunBatch("--version");
    BatchRun desktop = RunProgram(BuildDir() / "quorvia", "--version");
    EXPECT_EQ(batch.exitCode, 0);
    EXPECT_EQ(desktop.exitCode, 0);
    std::string bits = sizeof(void*) == 8 ? "64" : "32";
    std::string version = std::to_string(QUORVIA_VERSION_MAJOR) + "." +
                          std::to_string(QUORVIA_VERSION_MINOR) + "." +
                          std::to_string(QUORVIA_VERSION_PATCH) + " (" + bits + " bit version)\n";
    EXPECT_EQ(batch.out, "quorvia-batch " + version);
    EXPECT_EQ(desktop.out, "quorvia " + version);
    EXPECT_EQ(batch.err, "");
}

}  // namespace
