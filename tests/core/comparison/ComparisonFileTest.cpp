#include "core/comparison/ComparisonFile.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/AmortFormFixture.h"
#include "support/ScriptedFileChooser.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

using testing::FixedToday;

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class ComparisonFileTest : public ::testing::Test {
  protected:
    ComparisonFileTest() {
        state.DocumentsFolder = folder.Path();
        model.StartTyped();
        model.SetTerm(0, AmortField::Amount, "$100,000.00");
        model.SetTerm(0, AmortField::Rate, "6");
        model.SetTerm(0, AmortField::Term, "360");
        model.AddScenario();
        model.AddEvent(1, {EventKind::ExtraPrincipal, "200", "13", "60"});
        model.AddEvent(1, {EventKind::RateChange, "7.25", "61", "", true});
        model.AddScenario();
        model.SetTerm(2, AmortField::Term, "180");
        model.AddEvent(2, {EventKind::InterestOnly, "", "12", ""});
        model.AddEvent(2, {EventKind::LumpSum, "5000", "24", ""});
    }

    // Opens the file into a fresh comparison: whether it took it, and the one message if not.
    bool OpenFresh(const std::filesystem::path& path, CompareModel& fresh) {
        fresh.StartTyped();
        files.Choose(path.string());
        ui.Clear();
        fresh.Open();
        return ui.messages.empty();
    }

    TempFolder folder;
    AppState state;
    ScriptedUi ui;
    testing::ScriptedFileChooser files;
    CompareModel model{state, ui, FixedToday, files};
};

TEST_F(ComparisonFileTest, ASavedComparisonOpensAsItWasAndComparesTheSame) {
    const auto path = folder.Path() / "what if.qrvc";
    files.Choose(path.string());
    model.Save();
    ASSERT_TRUE(ui.messages.empty()) << ui.LastMessage()->prompt;
    EXPECT_EQ(model.FilePath(), path);
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].kind, FileDialogKind::Save);
    EXPECT_EQ(files.requests[0].defaultExt, "qrvc");
    EXPECT_EQ(files.requests[0].initDir, folder.Path().string());
    EXPECT_TRUE(files.requests[0].flags & kOfnOverwritePrompt);
    const std::string text = Slurp(path);
    EXPECT_EQ(text, ComparisonText(model.Scenarios()));
    EXPECT_NE(text.find("\"format\": \"quorvia-comparison\""), std::string::npos);

    AppState otherState;
    CompareModel other{otherState, ui, FixedToday, files};
    ASSERT_TRUE(OpenFresh(path, other)) << ui.LastMessage()->prompt;
    ASSERT_EQ(other.Scenarios().size(), 3u);
    for (std::size_t column = 0; column < 3; ++column) {
        EXPECT_EQ(other.Scenarios()[column].loan.texts, model.Scenarios()[column].loan.texts);
        EXPECT_EQ(other.Scenarios()[column].loan.optFreq, model.Scenarios()[column].loan.optFreq);
        EXPECT_EQ(other.Scenarios()[column].events, model.Scenarios()[column].events);
    }
    ASSERT_TRUE(model.Compare());
    ASSERT_TRUE(other.Compare());
    for (std::size_t column = 0; column < 3; ++column) {
        EXPECT_EQ(other.Figures()[column].summary.totalInterest,
                  model.Figures()[column].summary.totalInterest);
    }
    // The next dialog starts where the file is.
    files.Cancel();
    model.Save();
    EXPECT_EQ(files.requests.back().fileName, "what if");
    EXPECT_EQ(Slurp(path), text);
}

TEST_F(ComparisonFileTest, AFileThatIsNotAComparisonIsRefusedAndTheComparisonStays) {
    std::string good = ComparisonText(model.Scenarios());
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    const std::pair<std::string, std::string> cases[] = {
        {"", "it is not a Quorvia comparison"},
        {"Jane Borrower\r\n100000\r\n", "it is not a Quorvia comparison"},
        {"{\"scenarios\": []}", "it is not a Quorvia comparison"},
        {good.substr(0, good.size() / 2), "it is not a Quorvia comparison"},
        {replaced("\"version\": 1", "\"version\": 2"), "a later version"},
        {replaced("\"frequency\": 1", "\"frequency\": 9"), "\"frequency\" is 9, outside 1 to 6"},
        // Numbers an int cannot hold, or that are not whole, are refused before they become one.
        {replaced("\"frequency\": 1", "\"frequency\": 1.33e25"), "\"frequency\" is not a whole"},
        {replaced("\"frequency\": 1", "\"frequency\": 18446744073709551615"),
         "\"frequency\" is 18446744073709551615, outside 1 to 6"},
        {replaced("\"from\": 61", "\"from\": -4294967235"), "\"from\" is -4294967235, outside"},
        {replaced("\"kind\": \"lump\"", "\"kind\": \"gift\""), "unknown kind \"gift\""},
        {replaced("\"amount\": \"$100,000.00\"", "\"amount\": 100000"), "of the wrong kind"},
        {replaced("\"rate\": \"6\",", ""), "is missing"},
        {replaced("\"from\": 61", "\"from\": 1"), "A rate change must come at payment 2"},
        {"{\"format\": \"quorvia-comparison\", \"version\": 1, \"scenarios\": []}",
         "one to 4 scenarios"},
    };
    const auto path = folder.Path() / "bad.qrvc";
    CompareModel other{state, ui, FixedToday, files};
    for (const auto& [text, reason] : cases) {
        Write(path, text);
        other.StartTyped();
        other.SetTerm(0, AmortField::Amount, "1234");
        files.Choose(path.string());
        ui.Clear();
        other.Open();
        ASSERT_EQ(ui.messages.size(), 1u) << reason;
        EXPECT_EQ(ui.LastMessage()->title, "COMPARISON");
        EXPECT_EQ(ui.LastMessage()->prompt.rfind("bad.qrvc cannot be opened: ", 0), 0u)
            << ui.LastMessage()->prompt;
        EXPECT_NE(ui.LastMessage()->prompt.find(reason), std::string::npos)
            << ui.LastMessage()->prompt;
        EXPECT_EQ(other.Term(0, AmortField::Amount), "1234");
        EXPECT_TRUE(other.FilePath().empty());
    }
    ui.Clear();
    files.Choose((folder.Path() / "absent.qrvc").string());
    other.Open();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.LastMessage()->prompt, "File not found");
}

TEST_F(ComparisonFileTest, ExportPdfComparesFirstAndReportsAFailedWrite) {
    std::vector<std::filesystem::path> written;
    std::optional<RunError> failure;
    auto write = [&](const std::filesystem::path& path) {
        written.push_back(path);
        return failure;
    };
    files.Cancel();
    model.ExportPdf(write);
    EXPECT_EQ(model.Figures().size(), 3u);
    EXPECT_TRUE(written.empty());
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].defaultExt, "pdf");

    files.Choose((folder.Path() / "what if.pdf").string());
    model.ExportPdf(write);
    EXPECT_EQ(written, std::vector<std::filesystem::path>{folder.Path() / "what if.pdf"});
    EXPECT_TRUE(ui.messages.empty());

    failure = RunError{75, "Cannot write what if.pdf: No space left on device"};
    files.Choose((folder.Path() / "what if.pdf").string());
    model.ExportPdf(write);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.LastMessage()->prompt, failure->description);

    // A comparison that does not validate asks for no file.
    ui.Clear();
    model.SetTerm(1, AmortField::Term, "");
    model.ExportPdf(write);
    EXPECT_EQ(files.requests.size(), 3u);
    EXPECT_FALSE(ui.messages.empty());
}

TEST_F(ComparisonFileTest, AFailedSaveLeavesTheOldFileAndSaysWhy) {
    const auto path = folder.Path() / "kept.qrvc";
    Write(path, "old");
    std::filesystem::create_directory(folder.Path() / "folder.qrvc");
    files.Choose((folder.Path() / "folder.qrvc").string());
    model.Save();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.LastMessage()->prompt.find("folder.qrvc"), std::string::npos);
    EXPECT_TRUE(model.FilePath().empty());
    EXPECT_EQ(Slurp(path), "old");
}

}  // namespace
}  // namespace quorvia
