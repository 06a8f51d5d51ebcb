// The desktop program as a file manager or a shell starts it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "support/BatchProcess.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

namespace fs = std::filesystem;

using testing::BatchRun;
using testing::BuildDir;
using testing::RunProgram;

fs::path Program() {
    return BuildDir() / "quorvia";
}

// Without a display: the command line is answered before any window could open.
TEST(DesktopProgram, HelpVersionAndUsageErrors) {
    BatchRun help = RunProgram(Program(), "--help", "DISPLAY= QT_QPA_PLATFORM=xcb ");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("usage: quorvia [LOAN.QRV]\n", 0), 0u) << help.out;
    EXPECT_EQ(help.err, "");

    BatchRun unknown = RunProgram(Program(), "--print smith.qrv", "DISPLAY= QT_QPA_PLATFORM=xcb ");
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_EQ(unknown.err.rfind("quorvia: unknown option --print\nusage: quorvia", 0), 0u)
        << unknown.err;

    BatchRun two = RunProgram(Program(), "smith.qrv jones.qrv", "DISPLAY= QT_QPA_PLATFORM=xcb ");
    EXPECT_EQ(two.exitCode, 2);
    EXPECT_EQ(two.err.rfind("quorvia: one loan data file at a time, not 2\n", 0), 0u) << two.err;
}

// While a copy runs, `quorvia smith.qrv` hands the file to it and ends at once, saying nothing.
TEST(DesktopProgram, ASecondCopyHandsItsFileToTheRunningOneAndEnds) {
    TempFolder folder;
    fs::create_directory(folder / "runtime");
    fs::permissions(folder / "runtime", fs::perms::owner_all);
    fs::copy_file(Program(), folder / "quorvia");
    const std::string environment =
        "XDG_RUNTIME_DIR=" + (folder / "runtime").string() + " QT_QPA_PLATFORM=offscreen ";
    const fs::path pidFile = folder / "first.pid";
    std::string first = environment + (folder / "quorvia").string() +
                        " >/dev/null 2>&1 & echo $! >" + pidFile.string();
    ASSERT_EQ(std::system(first.c_str()), 0);
    pid_t pid = std::stoi(TempFolder::Read(pidFile));

    const fs::path socket = folder / "runtime" / "quorvia.socket";
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!fs::exists(socket) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_TRUE(fs::exists(socket));

    BatchRun second = RunProgram(folder / "quorvia", (folder / "smith.qrv").string(),
                                 environment + "timeout 30 ");
    ::kill(pid, SIGTERM);
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.out, "");
    EXPECT_EQ(second.err, "");
}

// Qt's own notes (a runtime folder it does not like, what the platform plugin cannot do) are
// not the person's business: the program starts and runs without a word on the error stream.
TEST(DesktopProgram, SaysNothingOfQtsOwnOnTheErrorStream) {
    TempFolder folder;
    fs::create_directory(folder / "runtime");
    fs::permissions(folder / "runtime", fs::perms::owner_all | fs::perms::group_read |
                                            fs::perms::group_exec | fs::perms::others_read |
                                            fs::perms::others_exec);
    fs::copy_file(Program(), folder / "quorvia");
    BatchRun run = RunProgram(folder / "quorvia", "",
                              "XDG_RUNTIME_DIR=" + (folder / "runtime").string() + " TMPDIR=" +
                                  folder.Path().string() + " QT_QPA_PLATFORM=offscreen timeout 5 ");
    EXPECT_EQ(run.exitCode, 124);  // still running when stopped
    EXPECT_EQ(run.err, "");
}

}  // namespace
}  // namespace quorvia
