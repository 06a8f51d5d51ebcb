#include "core/loanfile/DataFolder.h"

#include <gtest/gtest.h>

#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

namespace fs = std::filesystem;

class DataFolderTest : public ::testing::Test {
  protected:
    DataFolderTest() {
        fs::create_directories(folder / "app");
        fs::create_directories(folder / "loans");
        fs::create_directories(folder / "documents");
        state.AppPath = folder / "app";
        state.DocumentsFolder = folder / "documents";
    }

    std::string Path(std::string_view name) const { return (folder / name).string(); }

    TempFolder folder;
    AppState state;
    ScriptedUi ui;
};

// No one keeps loans in the program's folder (an installed copy's cannot even be written).
TEST_F(DataFolderTest, WithoutADataFolderTheDialogsStartInTheDocumentsFolder) {
    state.DataDirectory = Path("loans");
    EXPECT_EQ(SelectDataFolder(state, ui), Path("documents"));
    EXPECT_EQ(SelectSaveAsFolder(state), Path("documents"));

    // The preferences hold the program's folder until the person chooses a data folder.
    state.DataDrive = state.AppPath.string().substr(0, 2);
    state.DataDirectory = state.AppPath.string();
    EXPECT_EQ(SelectDataFolder(state, ui), Path("documents"));
    state.DataDirectory = state.AppPath.string() + "/";
    EXPECT_EQ(SelectSaveAsFolder(state), Path("documents"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DataFolderTest, AReachableDataFolderIsWhereTheDialogsStart) {
    state.DataDrive = "/";
    state.DataDirectory = Path("loans");
    EXPECT_EQ(SelectDataFolder(state, ui), Path("loans"));
    EXPECT_EQ(SelectSaveAsFolder(state), Path("loans"));

    // A mount point that does not hold the program's folder is tested first.
    state.DataDrive = Path("loans") + "/";
    EXPECT_EQ(SelectDataFolder(state, ui), Path("loans"));

    // The preferences' own default: the first two characters of the program's folder.
    state.DataDrive = state.AppPath.string().substr(0, 2);
    EXPECT_EQ(SelectDataFolder(state, ui), Path("loans"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DataFolderTest, AnUnreachableFolderIsToldWithTheSystemsWords) {
    state.DataDrive = "/";
    state.DataDirectory = Path("gone");
    EXPECT_EQ(SelectDataFolder(state, ui), Path("documents"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt, "No such file or directory\r\n[#2]");
    EXPECT_EQ(ui.messages[0].title, "Error accessing default path...");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::Ok);

    // Save As says nothing about it.
    EXPECT_EQ(SelectSaveAsFolder(state), Path("documents"));
    EXPECT_EQ(ui.messages.size(), 1u);

    folder.Write("file", "x");
    state.DataDirectory = Path("file");
    SelectDataFolder(state, ui);
    EXPECT_EQ(ui.messages.back().prompt, "Not a directory\r\n[#20]");
}

TEST_F(DataFolderTest, AnUnreachableDriveIsToldAndTheFolderNotTried) {
    state.DataDrive = Path("no-mount");
    state.DataDirectory = Path("loans");
    EXPECT_EQ(SelectDataFolder(state, ui), Path("documents"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Error accessing default drive...");
    EXPECT_EQ(ui.messages[0].prompt, "No such file or directory\r\n[#2]");
    EXPECT_EQ(SelectSaveAsFolder(state), Path("documents"));
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(DataFolderTest, SaveAsStartsInTheCurrentFilesFolder) {
    state.DataDrive = "/";
    state.DataDirectory = Path("loans");
    state.LoanFilePath = Path("app/x.qrv");
    EXPECT_EQ(SelectSaveAsFolder(state), Path("app"));
    state.LoanFilePath = "/A.QRV";
    EXPECT_EQ(SelectSaveAsFolder(state), "/");
    state.LoanFilePath = "A.QRV";
    EXPECT_EQ(SelectSaveAsFolder(state), Path("documents"));
}

}  // namespace
}  // namespace quorvia
