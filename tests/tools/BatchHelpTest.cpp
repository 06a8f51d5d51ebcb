// quorvia-batch explaining itself: named values beside the numbers, the help of every command,
// the nearest option to a mistyped one, and a run that always says what came of it.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/base/Text.h"
#include "support/BatchProcess.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

namespace fs = std::filesystem;
using testing::BatchRun;
using testing::RunBatch;

// 100,000 at 8.5 % for 360 months, first payment one month after the fixed today.
const std::string kLoan =
    "schedule --no-prefs --today 03/10/1998 --amount 100000 --rate 8.5 --term 360 "
    "--first 04/10/1998 ";

const std::string kNothingWritten =
    "quorvia-batch schedule: nothing was written: a question was answered No (run again with "
    "--yes to answer Yes)\n";

// The schedule and the saved loan data file (which keeps the frequency, the method and the
// style) of the loan with `options` added.
std::string Produced(const TempFolder& folder, const std::string& options) {
    BatchRun run = RunBatch(kLoan + "--yes " + options + " --csv " + (folder / "s.csv").string() +
                            " --save " + (folder / "s.qrv").string());
    EXPECT_EQ(run.exitCode, 0) << options << "\n" << run.err;
    return run.err + TempFolder::Read(folder / "s.csv") + TempFolder::Read(folder / "s.qrv");
}

TEST(BatchNamedValues, EachNameGivesWhatItsNumberGives) {
    const std::string exactDays = " --method 1 --funding 03/10/1998";
    const std::pair<std::string, std::string> cases[] = {
        {"--freq monthly", "--freq 1"},
        {"--freq quarterly", "--freq 2"},
        {"--freq semiannual", "--freq 3"},
        {"--freq annual", "--freq 4"},
        {"--freq biweekly" + exactDays, "--freq 5" + exactDays},
        {"--freq semimonthly" + exactDays, "--freq 6" + exactDays},
        {"--freq Quarterly", "--freq 2"},
        {"--method 30-360", "--method 0"},
        {"--method exact --funding 03/10/1998", "--method 1 --funding 03/10/1998"},
        {"--style columnar", "--style 0"},
        {"--style grid", "--style 1"},
        {"--style fancy", "--style 2"},
        {"--style summary", "--style 3"},
    };
    TempFolder folder;
    for (const auto& [named, numbered] : cases) {
        EXPECT_EQ(Produced(folder, named), Produced(folder, numbered)) << named;
    }
    // The names are not all taken for one value.
    EXPECT_NE(Produced(folder, "--freq quarterly"), Produced(folder, "--freq annual"));
    EXPECT_NE(Produced(folder, "--style grid"), Produced(folder, "--style fancy"));

    EXPECT_EQ(RunBatch("calc --amount 100000 --rate 8 --months 360 --freq quarterly").out,
              RunBatch("calc --amount 100000 --rate 8 --months 360 --freq 2").out);
}

TEST(BatchNamedValues, AValueThatIsNeitherNameNorNumberListsTheChoices) {
    const std::pair<std::string, std::string> cases[] = {
        {kLoan + "--freq fortnightly",
         "quorvia-batch schedule: --freq must be monthly, quarterly, semiannual, annual, "
         "biweekly or semimonthly (or 1 to 6)"},
        {kLoan + "--freq 7", "quorvia-batch schedule: --freq must be monthly"},
        {kLoan + "--method actual",
         "quorvia-batch schedule: --method must be 30-360 or exact (or 0 or 1)"},
        {kLoan + "--style plain",
         "quorvia-batch schedule: --style must be columnar, grid, fancy or summary (or 0 to 3)"},
        {kLoan + "--fixed 2", "quorvia-batch schedule: --fixed must be 0 or 1"},
        {kLoan + "--pair 5", "quorvia-batch schedule: --pair must be 1 to 4"},
        {"calc --freq 0", "quorvia-batch calc: --freq must be monthly"},
    };
    for (const auto& [arguments, message] : cases) {
        BatchRun run = RunBatch(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_EQ(run.err.rfind(message, 0), 0u) << run.err;
    }
}

// Each option line of a help text: "  --name VALUE  meaning (default: ...)".
std::vector<std::string> OptionLines(const std::string& help) {
    std::vector<std::string> lines;
    for (const std::string& line : SplitLines(help)) {
        if (line.starts_with("  --")) {
            lines.push_back(line);
        }
    }
    return lines;
}

TEST(BatchHelp, EveryFormOfHelpAnswersOnStandardOutput) {
    BatchRun help = RunBatch("help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out.rfind("usage: quorvia-batch <command> [options]\n", 0), 0u) << help.out;
    EXPECT_EQ(RunBatch("--help").out, help.out);
    EXPECT_EQ(RunBatch("-h").out, help.out);

    for (const char* command : {"schedule", "calc", "apr"}) {
        BatchRun own = RunBatch(std::string(command) + " --help");
        EXPECT_EQ(own.exitCode, 0) << command;
        EXPECT_EQ(own.err, "") << command;
        EXPECT_EQ(own.out.rfind("usage: quorvia-batch " + std::string(command), 0), 0u) << own.out;
        EXPECT_EQ(RunBatch(std::string(command) + " -h").out, own.out) << command;
        EXPECT_EQ(RunBatch("help " + std::string(command)).out, own.out) << command;
        // The program's help holds every command's.
        EXPECT_NE(help.out.find(own.out), std::string::npos) << command;
    }
    // Asking for help among other options only answers it: nothing runs.
    TempFolder folder;
    BatchRun amid = RunBatch(kLoan + "--csv " + (folder / "s.csv").string() + " --help");
    EXPECT_EQ(amid.out, RunBatch("schedule --help").out);
    EXPECT_FALSE(fs::exists(folder / "s.csv"));

    BatchRun unknown = RunBatch("help shedule");
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.err.rfind("quorvia-batch: unknown command shedule; did you mean schedule?\n"
                                "usage: quorvia-batch",
                                0),
              0u)
        << unknown.err;
}

TEST(BatchHelp, EachOptionHasOneLineSayingWhatItMeansAndItsDefault) {
    std::vector<std::string> lines = OptionLines(RunBatch("schedule --help").out);
    for (const char* option :
         {"--name",        "--amount",       "--rate",          "--term",        "--freq",
          "--pair",        "--first",        "--payment",       "--fixed",       "--full",
          "--odd",         "--funding",      "--method",        "--number",      "--style",
          "--free",        "--today",        "--no-prefs",      "--yes",         "--work-file",
          "--csv",         "--xlsx",         "--pdf",           "--save",        "--font",
          "--font-size",   "--bold",         "--paper",         "--orientation", "--print",
          "--pages",       "--copies",       "--collate",       "--extra",       "--lump",
          "--rate-change", "--keep-payment", "--interest-only", "--summary",     "--disclosure",
          "--prepaid"}) {
        int found = 0;
        for (const std::string& line : lines) {
            std::string_view rest = std::string_view(line).substr(2);
            if (rest.starts_with(option) && (rest.size() == std::string_view(option).size() ||
                                             rest[std::string_view(option).size()] == ' ')) {
                ++found;
                // Something is said after the option and its value.
                EXPECT_NE(line.find("  ", 2 + std::string_view(option).size()), std::string::npos)
                    << line;
            }
        }
        EXPECT_EQ(found, 1) << option;
    }
    const std::string schedule = RunBatch("schedule --help").out;
    for (const char* line :
         {"  --freq FREQ           monthly|quarterly|semiannual|annual|biweekly|semimonthly, "
          "or 1 to 6 (default: monthly)\n",
          "(default: 30-360)\n", "(default: columnar)\n", "(default: Times New Roman)\n"}) {
        EXPECT_NE(schedule.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(OptionLines(RunBatch("calc --help").out).size(), 6u);
    EXPECT_EQ(OptionLines(RunBatch("apr --help").out).size(), 8u);
}

TEST(BatchHelp, AnUnknownOptionNamesTheNearestOne) {
    const std::pair<std::string, std::string> cases[] = {
        {"schedule --trem 360", "unknown option --trem; did you mean --term?"},
        {kLoan + "--sumary", "unknown option --sumary; did you mean --summary?"},
        {kLoan + "--Amount 5", "unknown option --Amount; did you mean --amount?"},
        {"calc --amout 5", "unknown option --amout; did you mean --amount?"},
        {"apr --frist 02/10/1978", "unknown option --frist; did you mean --first?"},
        {"schedule --colour red", "unknown option --colour\n"},
    };
    for (const auto& [arguments, message] : cases) {
        BatchRun run = RunBatch(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("--help' tells what each option means"), std::string::npos)
            << run.err;
    }
    BatchRun command = RunBatch("shedule --amount 5");
    EXPECT_EQ(
        command.err.rfind("quorvia-batch: unknown command shedule; did you mean schedule?\n", 0),
        0u)
        << command.err;
}

TEST(BatchOutputs, WithoutAnOutputTheSummaryIsPrinted) {
    BatchRun plain = RunBatch(kLoan);
    EXPECT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_EQ(plain.err, "");
    EXPECT_EQ(plain.out,
              "payment=768.91\npayments=360\nlast_date=03/10/2028\ntotal_interest=176813.51\n"
              "total_paid=276813.51\n");
    EXPECT_EQ(RunBatch(kLoan + "--summary").out, plain.out);

    TempFolder folder;
    BatchRun csv = RunBatch(kLoan + "--csv " + (folder / "s.csv").string());
    EXPECT_EQ(csv.exitCode, 0) << csv.err;
    EXPECT_EQ(csv.out, "");
    EXPECT_EQ(RunBatch(kLoan + "--csv " + (folder / "t.csv").string() + " --summary").out,
              plain.out);
    BatchRun disclosure = RunBatch(kLoan + "--disclosure");
    EXPECT_EQ(disclosure.out.rfind("apr=", 0), 0u) << disclosure.out;
}

// A rate as the desktop calculator takes it, with its percent sign, and a number of months
// that is no number refused by name rather than taken as 0.
TEST(BatchOutputs, ARateWithItsPercentSignIsThatRate) {
    BatchRun percent = RunBatch("calc --amount 100000 --rate 6.75% --months 360");
    EXPECT_EQ(percent.exitCode, 0) << percent.err;
    EXPECT_EQ(percent.out, "amount=100000.00\nrate=6.7500\nmonths=360\npayment=648.60\n");
    EXPECT_EQ(RunBatch("calc --amount 100000 --rate 6.75 --months 360").out, percent.out);
    EXPECT_EQ(RunBatch(kLoan + "--rate 6.75%").out, RunBatch(kLoan + "--rate 6.75").out);

    BatchRun months = RunBatch("calc --amount 100000 --rate 8 --months abc");
    EXPECT_EQ(months.exitCode, 2);
    EXPECT_EQ(months.out, "");
    EXPECT_EQ(months.err.rfind("quorvia-batch calc: --months must be a number of months", 0), 0u)
        << months.err;
    BatchRun amount = RunBatch("calc --amount 100,000.0.0 --rate 8 --months 360");
    EXPECT_EQ(amount.err.rfind("quorvia-batch calc: --amount must be", 0), 0u) << amount.err;
}

TEST(BatchOutputs, AQuestionAnsweredNoSaysThatNothingWasWritten) {
    TempFolder folder;
    const std::string loan = kLoan + "--first 04/20/1998 --csv " + (folder / "s.csv").string();
    BatchRun no = RunBatch(loan);
    EXPECT_EQ(no.exitCode, 1);
    EXPECT_EQ(no.out, "");
    EXPECT_TRUE(no.err.starts_with("W A R N I N G: 1st payment date")) << no.err;
    EXPECT_TRUE(no.err.ends_with("IS THE 04/20/1998 DATE CORRECT?\n" + kNothingWritten)) << no.err;
    EXPECT_FALSE(fs::exists(folder / "s.csv"));

    BatchRun yes = RunBatch(loan + " --yes");
    EXPECT_EQ(yes.exitCode, 0) << yes.err;
    EXPECT_EQ(yes.err.find("nothing was written"), std::string::npos) << yes.err;

    // A refusal that no answer could change says only itself.
    BatchRun refused = RunBatch(kLoan + "--term 601");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "ERROR: Maximum term is 600 months!\n");
}

// Qt says nothing of its own: not where it put the runtime folder, not what its platform
// plugin cannot do.
TEST(BatchOutputs, NoQtDiagnosticReachesTheErrorStream) {
    TempFolder folder;
    BatchRun pdf = RunBatch(kLoan + "--pdf " + (folder / "s.pdf").string(),
                            "env -u XDG_RUNTIME_DIR QT_QPA_PLATFORM=offscreen ");
    EXPECT_EQ(pdf.exitCode, 0);
    EXPECT_EQ(pdf.err, "");
    EXPECT_TRUE(fs::exists(folder / "s.pdf"));
}

// The README's examples run as they stand (from the source tree, files written to a folder of
// their own), without a warning: all but the one that needs a print queue named "office".
TEST(BatchReadme, TheSampleCommandsRunWithoutAWarning) {
    std::vector<std::string> commands;
    std::string pending;
    for (const std::string& line :
         SplitLines(TempFolder::Read(testing::SourceDir() / "README.md"))) {
        std::string_view text = TrimView(line);
        if (pending.empty() && !text.starts_with("build/quorvia-batch ")) {
            continue;
        }
        pending += std::string(text);
        if (pending.ends_with("\\")) {
            pending.back() = ' ';
            continue;
        }
        commands.push_back(pending.substr(std::string_view("build/quorvia-batch ").size()));
        pending.clear();
    }
    ASSERT_GE(commands.size(), 8u);
    TempFolder folder;
    for (std::string command : commands) {
        if (command.find("--print ") != std::string::npos) {
            continue;
        }
        for (std::size_t at = command.find("samples/"); at != std::string::npos;
             at = command.find("samples/", at + 1)) {
            command.insert(at, testing::SourceDir().string() + "/");
            at += testing::SourceDir().string().size() + 1;
        }
        BatchRun run = RunBatch(command, "cd " + folder.Path().string() + " && ");
        EXPECT_EQ(run.exitCode, 0) << command << "\n" << run.err;
        EXPECT_EQ(run.err, "") << command;
    }
}

}  // namespace
}  // namespace quorvia
