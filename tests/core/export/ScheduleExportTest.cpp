#include "core/export/ScheduleExport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/schedule/ScheduleCsv.h"
#include "support/PreviewTestSupport.h"
#include "support/ScheduleTestSupport.h"
#include "support/ScriptedFileChooser.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

namespace fs = std::filesystem;
using testing::DerivedLoan;

constexpr int kWorkbookFilter = 1;
constexpr int kCsvFilter = 2;

bool IsWorkbook(const fs::path& path) {
    return TempFolder::Read(path).starts_with("PK\x03\x04");  // a zip archive
}

class ScheduleExportTest : public ::testing::Test {
  protected:
    ScheduleExportTest() {
        fs::create_directory(folder / "documents");
        fs::create_directory(folder / "app");
        state.AppPath = folder / "app";
        AmortInputs in = DerivedLoan(10000, 8, 24, kMonthly, "01/15/2027");
        in.BorrowerName = "Ann Lee";
        SemiMonthlyChoice semiMonthly{};
        EXPECT_FALSE(ComputeSchedule(in, semiMonthly, nullptr, schedule));
    }

    std::string Path(std::string_view name) const { return (folder / name).string(); }
    bool Export() { return command.Export(schedule); }

    TempFolder folder;
    AppState state;
    Schedule schedule;
    ScriptedUi ui;
    testing::ScriptedFontChooser fonts;
    testing::ScriptedFileChooser files;
    CDialog dialog{ui, fonts, files};
    ScheduleExport command{state, ui, dialog, Path("documents")};
};

TEST_F(ScheduleExportTest, TheDialogOffersBothTypesAndStartsInTheDataFolderOrTheDocuments) {
    EXPECT_FALSE(Export());  // cancelled
    ASSERT_EQ(files.requests.size(), 1u);
    const FileRequest& request = files.requests[0];
    EXPECT_EQ(request.kind, FileDialogKind::Save);
    EXPECT_EQ(request.title, "Export Schedule");
    ASSERT_EQ(request.filters.size(), 2u);
    EXPECT_EQ(request.filters[0].description, "Excel Workbook (*.xlsx)");
    EXPECT_EQ(request.filters[0].pattern, "*.xlsx");
    EXPECT_EQ(request.filters[1].description, "CSV (Comma delimited) (*.csv)");
    EXPECT_EQ(request.filters[1].pattern, "*.csv");
    EXPECT_EQ(request.filterIndex, kWorkbookFilter);
    EXPECT_EQ(request.fileName, "Ann Lee.xlsx");
    EXPECT_EQ(request.initDir, Path("documents"));
    EXPECT_NE(request.flags & kOfnOverwritePrompt, 0u);
    EXPECT_TRUE(ui.messages.empty());

    // Where the person chose no data folder the preferences name the program's own.
    state.DataDrive = "/";
    state.DataDirectory = Path("app/");
    Export();
    EXPECT_EQ(files.requests.back().initDir, Path("documents"));

    fs::create_directory(folder / "loans");
    state.DataDirectory = Path("loans");
    Export();
    EXPECT_EQ(files.requests.back().initDir, Path("loans"));

    // A data folder that cannot be reached is passed over without a word.
    state.DataDirectory = Path("gone");
    schedule.heading.borrowerName = "  ";
    Export();
    EXPECT_EQ(files.requests.back().initDir, Path("documents"));
    EXPECT_EQ(files.requests.back().fileName, "Amortization Schedule.xlsx");
    EXPECT_TRUE(ui.messages.empty());
}

// The typed extension decides, whatever the filter; a name without one takes the filter's.
TEST_F(ScheduleExportTest, TheTypeFollowsTheTypedExtensionElseTheChosenFilter) {
    files.Choose(Path("typed.CSV"), kWorkbookFilter);
    files.Choose(Path("typed.xlsx"), kCsvFilter);
    files.Choose(Path("plain"), kCsvFilter);
    files.Choose(Path("dotted."), kWorkbookFilter);
    files.Choose(Path("v1.2"), kWorkbookFilter);
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(Export());
    }
    EXPECT_EQ(TempFolder::Read(Path("typed.CSV")), ScheduleCsv(schedule));
    EXPECT_TRUE(IsWorkbook(Path("typed.xlsx")));
    EXPECT_EQ(TempFolder::Read(Path("plain.csv")), ScheduleCsv(schedule));
    EXPECT_TRUE(IsWorkbook(Path("dotted.xlsx")));
    EXPECT_TRUE(IsWorkbook(Path("v1.2.xlsx")));
    EXPECT_TRUE(ui.messages.empty());
}

// The dialog asked about the name as typed; the name with the extension added is asked about
// as Save As asks, and No leads back to the dialog.
TEST_F(ScheduleExportTest, AnExistingFileUnderTheAddedExtensionIsReplacedOnlyOnYes) {
    folder.Write("kept.csv", "kept");
    files.Choose(Path("kept"), kCsvFilter);
    files.Choose(Path("other.csv"));
    ui.QueueAnswer(MsgAnswer::No);
    EXPECT_TRUE(Export());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt, "Replace existing file (shown above)?");
    EXPECT_EQ(ui.messages[0].title, Path("kept.csv"));
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(files.requests.size(), 2u);
    EXPECT_EQ(TempFolder::Read(Path("kept.csv")), "kept");
    EXPECT_EQ(TempFolder::Read(Path("other.csv")), ScheduleCsv(schedule));

    files.Choose(Path("kept"), kCsvFilter);
    ui.QueueAnswer(MsgAnswer::Yes);
    EXPECT_TRUE(Export());
    EXPECT_EQ(TempFolder::Read(Path("kept.csv")), ScheduleCsv(schedule));
}

TEST_F(ScheduleExportTest, AFileThatCannotBeWrittenIsToldAndNotReportedAsWritten) {
    const std::string missing = Path("missing/s.xlsx");
    files.Choose(missing);
    EXPECT_FALSE(Export());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "FILE ERROR");
    EXPECT_EQ(ui.messages[0].prompt, "Error saving " + missing + " ...\r\nCannot write " + missing +
                                         ": No such file or directory");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(ui.hourglassDepth, 0);

    fs::create_directory(folder / "taken.csv");
    files.Choose(Path("taken.csv"));
    EXPECT_FALSE(Export());
    EXPECT_EQ(ui.messages.back().prompt, "Error saving " + Path("taken.csv") + " ...\r\n" +
                                             Path("taken.csv") + " is a folder");
}

}  // namespace
}  // namespace quorvia
