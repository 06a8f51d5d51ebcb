// The manual pages of both programs and the bash completion of quorvia-batch, as a person's
// `man` and shell use them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/base/Text.h"
#include "support/BatchProcess.h"

namespace quorvia {
namespace {

using testing::BatchRun;
using testing::BuildDir;
using testing::RunBatch;
using testing::RunProgram;
using testing::SourceDir;

std::string Page(const char* name) {
    return (SourceDir() / "man" / (std::string(name) + ".1")).string();
}

TEST(ManualPages, BothRenderWithoutAWarning) {
    for (const char* name : {"quorvia", "quorvia-batch"}) {
        BatchRun groff = RunProgram("/usr/bin/groff", "-ww -man -Tutf8 -z " + Page(name));
        EXPECT_EQ(groff.exitCode, 0) << name;
        EXPECT_EQ(groff.err, "") << name;

        BatchRun man = RunProgram("/usr/bin/man", "--warnings=w -l " + Page(name),
                                  "MANPAGER=cat MANWIDTH=80 LC_ALL=C.UTF-8 ");
        EXPECT_EQ(man.exitCode, 0) << name;
        EXPECT_EQ(man.err, "") << name;
        EXPECT_NE(man.out.find("NAME"), std::string::npos) << name;
    }
}

// Every option a command's help lists is described in quorvia-batch(1) under that command.
TEST(ManualPages, TheBatchPageDescribesEveryOptionOfEveryCommand) {
    BatchRun man = RunProgram("/usr/bin/man", "-l " + Page("quorvia-batch"),
                              "MANPAGER=cat MANWIDTH=200 LC_ALL=C ");
    ASSERT_EQ(man.exitCode, 0) << man.err;
    const char* commands[] = {"schedule", "calc", "apr"};
    for (std::size_t i = 0; i < std::size(commands); ++i) {
        std::size_t section = man.out.find("\n   " + std::string(commands[i]) + "\n");
        ASSERT_NE(section, std::string::npos) << commands[i];
        std::size_t end = i + 1 < std::size(commands)
                              ? man.out.find("\n   " + std::string(commands[i + 1]) + "\n")
                              : man.out.find("\nEXIT STATUS");
        std::string described = man.out.substr(section, end - section);
        for (const std::string& line :
             SplitLines(RunBatch(std::string(commands[i]) + " --help").out)) {
            if (!line.starts_with("  --")) {
                continue;
            }
            std::string option = line.substr(2, line.find(' ', 2) - 2);
            EXPECT_NE(described.find("\n       " + option), std::string::npos)
                << commands[i] << " " << option;
        }
    }
}

// What the completion offers for the words typed so far, the last being completed.
std::string Completions(const std::string& words) {
    std::string script = "source " + (SourceDir() / "completion" / "quorvia-batch").string() +
                         "; COMP_WORDS=(" + (BuildDir() / "quorvia-batch").string() + " " + words +
                         "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _quorvia_batch; "
                         "echo \"${COMPREPLY[*]}\"";
    BatchRun run = RunProgram("/bin/bash", "-c '" + script + "'");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    return run.out;
}

TEST(BashCompletion, CompletesCommandsOptionsAndTheirChoices) {
    BatchRun registered = RunProgram(
        "/bin/bash", "-c 'source " + (SourceDir() / "completion" / "quorvia-batch").string() +
                         " && complete -p quorvia-batch'");
    EXPECT_EQ(registered.out, "complete -F _quorvia_batch quorvia-batch\n") << registered.err;

    EXPECT_EQ(Completions("calc --fr"), "--freq\n");
    EXPECT_EQ(Completions("schedule --fr"), "--freq --free\n");
    EXPECT_EQ(Completions("schedule --rate-"), "--rate-change\n");
    EXPECT_EQ(Completions("sch"), "schedule\n");
    EXPECT_EQ(Completions("help c"), "calc\n");
    EXPECT_EQ(Completions("schedule --freq semi"), "semiannual semimonthly\n");
    EXPECT_EQ(Completions("schedule --method \"\""), "30-360 exact\n");
    EXPECT_EQ(Completions("schedule --style f"), "fancy\n");
    EXPECT_EQ(Completions("schedule --fixed \"\""), "0 1\n");
    EXPECT_EQ(Completions("schedule --orientation l"), "landscape\n");
    EXPECT_EQ(Completions("apr --freq w"), "weekly\n");
    EXPECT_EQ(Completions("apr --method u"), "usrule\n");
    // A value the help gives no choices for is the person's to type.
    EXPECT_EQ(Completions("schedule --amount \"\""), "\n");
    // A flag takes no value: the next word is an option again.
    EXPECT_EQ(Completions("schedule --yes --no-p"), "--no-prefs\n");
}

TEST(BashCompletion, OffersFilesForPaths) {
    EXPECT_EQ(Completions("schedule " + (SourceDir() / "samples" / "sam").string()),
              (SourceDir() / "samples" / "sample.qrv").string() + "\n");
    EXPECT_EQ(Completions("schedule --csv " + (SourceDir() / "READ").string()),
              (SourceDir() / "README.md").string() + "\n");
}

}  // namespace
}  // namespace quorvia
