#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/printing/CDialogService.h"
#include "support/PreviewTestSupport.h"
#include "support/ScriptedFileChooser.h"
#include "support/ScriptedUi.h"

namespace quorvia {
namespace {

using testing::ScriptedFileChooser;
using testing::ScriptedFontChooser;

class CDialogFilesTest : public ::testing::Test {
  protected:
    ScriptedUi ui;
    ScriptedFontChooser fonts;
    ScriptedFileChooser files;
    CDialog dialog{ui, fonts, files};
};

TEST_F(CDialogFilesTest, MultiSelectSetsAndReadsTheSelectionBits) {
    dialog.Flags = 0x4;
    dialog.SetMultiSelect(1);
    EXPECT_EQ(dialog.Flags, 0x204u);
    EXPECT_EQ(dialog.MultiSelect(), 1);
    dialog.SetMultiSelect(2);
    EXPECT_EQ(dialog.Flags, 0x80204u);
    EXPECT_EQ(dialog.MultiSelect(), 2);
    dialog.SetMultiSelect(1);
    EXPECT_EQ(dialog.Flags, 0x204u);
    dialog.SetMultiSelect(0);
    EXPECT_EQ(dialog.Flags, 0x4u);
    EXPECT_EQ(dialog.MultiSelect(), 0);
    // The explorer bit alone is not a multiple selection.
    dialog.Flags = 0x80000;
    EXPECT_EQ(dialog.MultiSelect(), 0);
}

TEST_F(CDialogFilesTest, FileReadOnlyChecksOrHidesTheBox) {
    dialog.Flags = 0x800;
    dialog.SetFileReadOnly(1);
    EXPECT_EQ(dialog.Flags, 0x801u);
    EXPECT_EQ(dialog.FileReadOnly(), 1);
    dialog.SetFileReadOnly(2);
    EXPECT_EQ(dialog.Flags, 0x805u);
    EXPECT_EQ(dialog.FileReadOnly(), 2);
    dialog.SetFileReadOnly(1);
    EXPECT_EQ(dialog.Flags, 0x801u);
    dialog.SetFileReadOnly(0);
    EXPECT_EQ(dialog.Flags, 0x800u);
    EXPECT_EQ(dialog.FileReadOnly(), 0);
}

TEST_F(CDialogFilesTest, FileMustExistSetsClearsAndReadsBackEveryValue) {
    struct Case {
        uint32_t before;
        int16_t value;
        uint32_t after;
        int16_t reads;
    };
    const Case cases[] = {
        {0x0, 1, 0x1800, 1},    {0x0, 2, 0x800, 2},     {0x1800, 3, 0x2000, 3},
        {0x1000, 4, 0x2800, 4}, {0x800, 5, 0x2, 5},     {0x1000, 6, 0x1802, 1},
        {0x0, 6, 0x802, 6},     {0x2001, 0, 0x2001, 3}, {0x4, 7, 0x4, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        dialog.Flags = c.before;
        dialog.SetFileMustExist(c.value);
        EXPECT_EQ(dialog.Flags, c.after);
        EXPECT_EQ(dialog.FileMustExist(), c.reads);
    }
    // The loan file commands: open 4096 then 1, save 2050 then 6.
    dialog.Flags = 4096;
    dialog.SetFileMustExist(1);
    EXPECT_EQ(dialog.Flags, 0x1800u);
    dialog.Flags = 2050;
    dialog.SetFileMustExist(6);
    EXPECT_EQ(dialog.Flags, 0x802u);
}

TEST_F(CDialogFilesTest, AddFilterShowsASingleMaskInTheDescriptionOnly) {
    dialog.AddFilter("Quorvia Files ", "*.qrv");
    EXPECT_EQ(dialog.Filter, "Quorvia Files  (*.qrv)|*.qrv|");
    dialog.Filter = "Loans|*.qrv";
    dialog.AddFilter("Documents", "*.rtf;*.txt", true);
    EXPECT_EQ(dialog.Filter, "Loans|*.qrv|Documents|*.rtf;*.txt|");
    EXPECT_EQ(dialog.FilterIndex, 2);
}

TEST_F(CDialogFilesTest, DefaultFiltersFollowTheControlKind) {
    dialog.AddDefaultFilters(ControlKind::Text);
    EXPECT_EQ(dialog.Filter, "Text files  (*.txt)|*.txt|All Files (*.*)|*.*|");
    dialog.Filter.clear();
    dialog.AddDefaultFilters(ControlKind::RichText);
    EXPECT_EQ(dialog.Filter,
              "All Document files|*.rtf;*.txt|Rich Text Box files (*.rtf)|*.rtf|"
              "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|");
    dialog.Filter.clear();
    dialog.AddDefaultFilters(ControlKind::List);
    EXPECT_EQ(dialog.Filter, "Data Files|*.dat;*.lst|All Files (*.*)|*.*|");
    dialog.Filter.clear();
    dialog.AddDefaultFilters(ControlKind::Picture);
    EXPECT_EQ(dialog.Filter.substr(0, 52), "All Image files|*.bmp;*.dib;*.wmf;*.emf;*.ico;*.cur|");
    EXPECT_NE(dialog.Filter.find("|Icons|*.ico;*.cur|All Files (*.*)|*.*|"), std::string::npos);
}

TEST_F(CDialogFilesTest, TheRequestCarriesThePropertiesWithoutTheHelpBit) {
    dialog.AddFilter("Quorvia Files ", "*.qrv");
    dialog.AddFilter("All Files", "*.*");
    dialog.FilterIndex = 2;
    dialog.Filename = "*.qrv";
    dialog.DialogTitle = "Open a Quorvia File";
    dialog.InitDir = "/data/loans";
    dialog.DefaultExt = "qrv";
    dialog.Flags = 0x1810;
    files.Choose("/data/loans/a.qrv");
    ASSERT_TRUE(dialog.ShowOpen());

    const FileRequest& request = files.requests.at(0);
    EXPECT_EQ(request.kind, FileDialogKind::Open);
    ASSERT_EQ(request.filters.size(), 2u);
    EXPECT_EQ(request.filters[0].description, "Quorvia Files  (*.qrv)");
    EXPECT_EQ(request.filters[0].pattern, "*.qrv");
    EXPECT_EQ(request.filters[1].pattern, "*.*");
    EXPECT_EQ(request.filterIndex, 2);
    EXPECT_EQ(request.fileName, "*.qrv");
    EXPECT_EQ(request.title, "Open a Quorvia File");
    EXPECT_EQ(request.initDir, "/data/loans");
    EXPECT_EQ(request.defaultExt, "qrv");
    EXPECT_EQ(request.maxFileSize, 256);
    EXPECT_EQ(request.flags, 0x1800u);

    dialog.SetAction(2);
    EXPECT_EQ(files.requests.at(1).kind, FileDialogKind::Save);
    dialog.SetAction(3);
    EXPECT_EQ(files.requests.size(), 2u);
}

TEST_F(CDialogFilesTest, ASingleChoiceGivesThePathItsNameAndExtensionOffsets) {
    files.Choose("/home/ann/loans/smith.qrv");
    ASSERT_TRUE(dialog.ShowSave());
    EXPECT_EQ(dialog.Filename, "/home/ann/loans/smith.qrv");
    EXPECT_EQ(dialog.FileTitle, "smith.qrv");
    EXPECT_EQ(dialog.FileOffset, 16);
    EXPECT_EQ(dialog.FileExt, 22);
    EXPECT_EQ(dialog.Filename.substr(static_cast<std::size_t>(dialog.FileExt)), "qrv");
    EXPECT_EQ(dialog.SelectedFileCount(), 1);
    EXPECT_EQ(dialog.SelectedFile(1), "/home/ann/loans/smith.qrv");
    EXPECT_EQ(dialog.SelectedFile(0), "");
    EXPECT_EQ(dialog.SelectedFile(2), "");

    // Without an extension the offset is the path's length; a name ending in a point gives 0.
    files.Choose("/tmp/loan");
    ASSERT_TRUE(dialog.ShowSave());
    EXPECT_EQ(dialog.FileExt, 9);
    files.Choose("/tmp/loan.");
    ASSERT_TRUE(dialog.ShowSave());
    EXPECT_EQ(dialog.FileExt, 0);
    // A point in a folder name is not an extension.
    files.Choose("/tmp/v1.2/loan");
    ASSERT_TRUE(dialog.ShowSave());
    EXPECT_EQ(dialog.FileExt, 14);
}

TEST_F(CDialogFilesTest, MultipleSelectionsBecomeFullPathsInOrder) {
    dialog.SetMultiSelect(2);
    files.ChooseSeveral("/home/ann", {"b.qrv", "a.qrv"});
    ASSERT_TRUE(dialog.ShowOpen());
    ASSERT_EQ(dialog.SelectedFileCount(), 2);
    EXPECT_EQ(dialog.SelectedFile(1), "/home/ann/b.qrv");
    EXPECT_EQ(dialog.SelectedFile(2), "/home/ann/a.qrv");
    EXPECT_EQ(dialog.SelectedFile(3), "");
    EXPECT_EQ(dialog.FileOffset, 10);

    // The folder's own "/" is not doubled; one file comes as a full path.
    files.ChooseSeveral("/", {"x.qrv", "y.qrv"});
    ASSERT_TRUE(dialog.ShowOpen());
    EXPECT_EQ(dialog.SelectedFile(1), "/x.qrv");
    files.Choose("/home/ann/only one.qrv");
    ASSERT_TRUE(dialog.ShowOpen());
    EXPECT_EQ(dialog.SelectedFileCount(), 1);
    EXPECT_EQ(dialog.SelectedFile(1), "/home/ann/only one.qrv");

    dialog.SetMultiSelect(1);
    files.ChooseSeveral("/tmp/", {"a.qrv", "b.qrv", "c.qrv"});
    ASSERT_TRUE(dialog.ShowOpen());
    ASSERT_EQ(dialog.SelectedFileCount(), 3);
    EXPECT_EQ(dialog.SelectedFile(1), "/tmp/a.qrv");
    EXPECT_EQ(dialog.SelectedFile(3), "/tmp/c.qrv");

    // The old style separates names with blanks, but one chosen file is one path, blanks and all.
    files.Choose("/home/ann/My Loans/only one.qrv");
    ASSERT_TRUE(dialog.ShowOpen());
    ASSERT_EQ(dialog.SelectedFileCount(), 1);
    EXPECT_EQ(dialog.SelectedFile(1), "/home/ann/My Loans/only one.qrv");
    EXPECT_EQ(dialog.FileTitle, "only one.qrv");
}

TEST_F(CDialogFilesTest, ACancelRaisesTheCancelErrorOnlyWhenAskedAndStartsAFreshFilterList) {
    dialog.AddFilter("Quorvia Files ", "*.qrv");
    files.Cancel();
    EXPECT_FALSE(dialog.ShowOpen());
    EXPECT_TRUE(ui.messages.empty());
    dialog.AddFilter("Text", "*.txt");
    EXPECT_EQ(dialog.Filter, "Text (*.txt)|*.txt|");

    dialog.CancelError = true;
    files.Cancel();
    try {
        dialog.ShowSave();
        FAIL() << "no error raised";
    } catch (const RaisedRunError& raised) {
        EXPECT_EQ(raised.Error().number, 32755);
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CDialogFilesTest, AFailedDialogIsReportedBeforeTheCancelError) {
    dialog.CancelError = true;
    files.Cancel(9);
    EXPECT_THROW(dialog.ShowOpen(), RaisedRunError);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Dialog Error...");

    // Without file dialogs the dialog cannot start.
    CDialog fontsOnly(ui, fonts);
    EXPECT_FALSE(fontsOnly.ShowOpen());
    EXPECT_EQ(ui.messages.back().prompt.substr(0, 36), "Error reported: CDERR_INITIALIZATION");
}

// A control that keeps its contents per kind in memory and its files in a map.
class MemoryControl : public DialogControl {
  public:
    explicit MemoryControl(ControlKind kind) : kind_(kind) {}
    ControlKind Kind() const override { return kind_; }
    std::optional<RunError> SaveTo(const std::filesystem::path& file, ControlKind what) override {
        disk[file.string()] = contents[what];
        return std::nullopt;
    }
    std::optional<RunError> LoadFrom(const std::filesystem::path& file, ControlKind what) override {
        auto found = disk.find(file.string());
        if (found == disk.end()) {
            return RunError{53, "File not found"};
        }
        contents[what] = found->second;
        return std::nullopt;
    }
    std::map<ControlKind, std::string> contents;
    std::map<std::string, std::string> disk;

  private:
    ControlKind kind_;
};

TEST_F(CDialogFilesTest, AControlGetsItsDefaultFiltersAndIsSavedAndLoaded) {
    MemoryControl box(ControlKind::RichText);
    box.contents[ControlKind::RichText] = "{\\rtf1 rich}";
    box.contents[ControlKind::Text] = "plain";
    files.Choose("/tmp/doc.rtf");
    ASSERT_TRUE(dialog.ShowSave(&box));
    EXPECT_EQ(files.requests.at(0).filters.size(), 4u);
    EXPECT_EQ(box.disk["/tmp/doc.rtf"], "{\\rtf1 rich}");

    EXPECT_FALSE(dialog.SaveFrom(box, "TEXT"));
    EXPECT_EQ(box.disk["/tmp/doc.rtf"], "plain");
    std::optional<RunError> unknown = dialog.SaveFrom(box, "Caption");
    ASSERT_TRUE(unknown);
    EXPECT_EQ(unknown->number, 438);

    box.contents[ControlKind::RichText].clear();
    box.disk["/tmp/doc.rtf"] = "{\\rtf1 back}";
    files.Choose("/tmp/doc.rtf");
    ASSERT_TRUE(dialog.ShowOpen(&box));
    EXPECT_EQ(box.contents[ControlKind::RichText], "{\\rtf1 back}");

    files.Choose("/tmp/missing.rtf");
    try {
        dialog.ShowOpen(&box);
        FAIL() << "no error raised";
    } catch (const RaisedRunError& raised) {
        EXPECT_EQ(raised.Error().number, 53);
    }
}

TEST_F(CDialogFilesTest, NothingIsMovedBeforeAFileWasChosen) {
    MemoryControl list(ControlKind::List);
    std::optional<RunError> error = dialog.LoadInto(list);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, 52);
}

}  // namespace
}  // namespace quorvia
