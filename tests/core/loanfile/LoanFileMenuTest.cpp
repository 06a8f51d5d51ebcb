#include "core/loanfile/LoanFileMenu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/loanfile/LoanFile.h"
#include "support/AmortFormFixture.h"
#include "support/FileSizeLimit.h"
#include "support/PreviewTestSupport.h"
#include "support/ScriptedFileChooser.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kThirteenLines =
    "Old Loan\r\n5000.00\r\n9.0000\r\n24\r\n 1 \r\n 1 \r\n04/10/1998\r\n0.00\r\n"
    " 0 \r\n 1 \r\n0\r\n\r\n 0 \r\n";

// The main window as the file commands see it: the amortization form opens on request.
class FormWindows : public LoanFileWindows {
  public:
    FormWindows(AppState& state, AmortFormModel& form) : state_(state), form_(form) {}
    AmortFormModel* AmortForm() override { return state_.FormOpen[1] ? &form_ : nullptr; }
    AmortFormModel& ShowAmortForm() override {
        calls.push_back("ShowAmortForm");
        if (!state_.FormOpen[1]) {
            state_.FormOpen[1] = true;
            form_.Form_Load();
        }
        return form_;
    }
    void UnloadAmortForm() override {
        calls.push_back("UnloadAmortForm");
        state_.FormOpen[1] = false;
    }
    std::vector<std::string> calls;

  private:
    AppState& state_;
    AmortFormModel& form_;
};

class LoanFileMenuTest : public testing::AmortFormTest {
  protected:
    LoanFileMenuTest() {
        fs::create_directory(folder / "app");
        fs::create_directory(folder / "documents");
        state.AppPath = folder / "app";
        state.DocumentsFolder = folder / "documents";
    }

    // The amortization form open with a typed, unsaved loan.
    void TypeALoan() {
        state.FormOpen[1] = true;
        EnterPlainLoan();
        Type(F::Name, "Ann Lender");
        ASSERT_TRUE(state.InputUnsaved);
    }

    std::string Path(std::string_view name) const { return (folder / name).string(); }

    const FileRequest& LastRequest() const { return files.requests.back(); }

    TempFolder folder;
    testing::ScriptedFontChooser fonts;
    testing::ScriptedFileChooser files;
    CDialog dialog{ui, fonts, files};
    FormWindows windows{state, form};
    LoanFileMenu menu{state, ui, dialog, windows};
};

TEST_F(LoanFileMenuTest, OpenShowsTheOpenDialogAndLoadsTheChosenFile) {
    LoanFileEntries entries;
    entries.name = "Bo Brown";
    entries.amount = "2500.00";
    entries.rate = "7.2500";
    entries.term = "12";
    entries.firstPayment = "04/10/1998";
    entries.reportStyle = kSummaryOnly;
    ASSERT_FALSE(WriteLoanFile(folder / "bo.qrv", entries));
    files.Choose(Path("bo.qrv"));

    menu.mnuFileOpen_Click();

    ASSERT_EQ(files.requests.size(), 1u);
    const FileRequest& request = LastRequest();
    EXPECT_EQ(request.kind, FileDialogKind::Open);
    EXPECT_EQ(request.title, "Open a Quorvia File");
    EXPECT_EQ(request.fileName, "*.qrv");
    EXPECT_EQ(request.flags, 0x1800u);
    ASSERT_EQ(request.filters.size(), 1u);
    EXPECT_EQ(request.filters[0].description, "Quorvia Files  (*.qrv)");
    EXPECT_EQ(request.filters[0].pattern, "*.qrv");
    EXPECT_EQ(request.initDir, Path("documents"));

    EXPECT_EQ(windows.calls, std::vector<std::string>{"ShowAmortForm"});
    EXPECT_TRUE(state.FormOpen[1]);
    EXPECT_EQ(form.txtName.text, "Bo Brown");
    EXPECT_EQ(form.txtRate.text, "7.2500");
    EXPECT_EQ(form.optStyle, kSummaryOnly);
    EXPECT_EQ(state.LoanFilePath, Path("bo.qrv"));
    EXPECT_FALSE(state.InputUnsaved);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.hourglassDepth, 0);
}

TEST_F(LoanFileMenuTest, AThirteenLineFileOpensWithThePreferenceDefaults) {
    state.NumberPayments = true;
    state.ReportStyle = kFancyGrid;
    folder.Write("old.QRV", kThirteenLines);
    files.Choose(Path("old.QRV"));
    menu.mnuFileOpen_Click();
    EXPECT_EQ(form.txtName.text, "Old Loan");
    EXPECT_EQ(form.chkNbrPymts, 1);
    EXPECT_EQ(form.optStyle, kFancyGrid);
    EXPECT_TRUE(ui.messages.empty());
}

// The path is shown as it is: on this system "Smith.qrv" and "SMITH.QRV" are two files.
TEST_F(LoanFileMenuTest, AMissingFileCannotBeFoundAndAnEmptyOneIsToldAsEmpty) {
    files.Choose(Path("Gone Smith.qrv"));
    menu.mnuFileOpen_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt, "Cannot find '" + Path("Gone Smith.qrv") + "'");
    EXPECT_EQ(ui.messages[0].title, "UNABLE TO OPEN FILE");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::Ok);
    EXPECT_TRUE(state.LoanFilePath.empty());
    EXPECT_TRUE(windows.calls.empty());
    EXPECT_EQ(files.requests.size(), 1u);

    ui.Clear();
    folder.Write("empty.qrv", "");
    files.Choose(Path("empty.qrv"));
    menu.mnuFileOpen_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt, "Error loading " + Path("empty.qrv") + " ...\r\n" +
                                         Path("empty.qrv") + " is empty, not a loan data file");
    EXPECT_EQ(ui.messages[0].title, "FILE ERROR");
    EXPECT_TRUE(state.LoanFilePath.empty());
    EXPECT_TRUE(windows.calls.empty());
}

TEST_F(LoanFileMenuTest, AFileOfAnotherTypeIsRefusedAndTheDialogShownAgain) {
    folder.Write("notes.txt", "text");
    files.Choose(Path("notes.txt"));
    files.Cancel();
    menu.mnuFileOpen_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt,
              "The selected file - notes.txt - is not a Quorvia (.qrv) file.  Please try again.");
    EXPECT_EQ(ui.messages[0].title, "Invalid File Type");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(files.requests.size(), 2u);
    EXPECT_TRUE(state.LoanFilePath.empty());
    EXPECT_TRUE(windows.calls.empty());
}

TEST_F(LoanFileMenuTest, AFileThatIsNoLoanFileIsToldAndForgottenAndFillsNothing) {
    folder.Write("short.qrv", "Someone\r\n5000\r\n");
    std::string readme =
        "# Quorvia\n\n    make run     # installs missing packages, builds, starts\n";
    for (int line = 0; line < 20; ++line) {
        readme += "Quorvia is a desktop loan-amortization workbench.\n";
    }
    folder.Write("notes.qrv", readme);
    form.Form_Load();
    std::string nameBefore = form.txtName.text;
    for (std::string name : {"short.qrv", "notes.qrv"}) {
        ui.Clear();
        files.Choose(Path(name));
        menu.mnuFileOpen_Click();
        EXPECT_EQ(ui.beeps, 1);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].title, "FILE ERROR");
        EXPECT_EQ(ui.messages[0].prompt, "Error loading " + Path(name) + " ...\r\n" + Path(name) +
                                             " is not a loan data file");
        EXPECT_TRUE(windows.calls.empty());
        EXPECT_TRUE(state.LoanFilePath.empty());
        EXPECT_EQ(form.txtName.text, nameBefore);
    }
}

// Another borrower typed after Clear Values must never replace the file that was open.
TEST_F(LoanFileMenuTest, ClearValuesAndClosingTheFormStartANewLoanThatSaveAsksToName) {
    fs::path smith = folder.Write("smith.qrv", kThirteenLines);
    for (bool closing : {false, true}) {
        files.Choose(smith.string());
        menu.mnuFileOpen_Click();
        ASSERT_EQ(state.LoanFilePath, smith.string());
        if (closing) {
            ASSERT_FALSE(form.Form_Unload());
            state.FormOpen[1] = true;
            form.Form_Load();
        } else {
            form.comClr_Click();
        }
        EXPECT_TRUE(state.LoanFilePath.empty());
        Type(F::Name, "New Borrower");
        files.Cancel();
        menu.mnuFileSave_Click();
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(LastRequest().kind, FileDialogKind::Save);
        EXPECT_EQ(LastRequest().fileName, "");
        EXPECT_EQ(TempFolder::Read(smith), kThirteenLines);
        state.InputUnsaved = false;
    }
}

TEST_F(LoanFileMenuTest, OpenWithUnsavedInputAsksFirst) {
    TypeALoan();

    ui.QueueAnswer(MsgAnswer::Cancel);
    menu.mnuFileOpen_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt,
              "You have not saved your current data.  Do you want to do so now?");
    EXPECT_EQ(ui.messages[0].title, "CAUTION");
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Question);
    EXPECT_TRUE(files.requests.empty());
    EXPECT_TRUE(state.InputUnsaved);

    // Yes: the Save As dialog, and nothing is opened after it.
    folder.Write("other.qrv", kThirteenLines);
    ui.QueueAnswer(MsgAnswer::Yes);
    files.Choose(Path("mine"));
    files.Choose(Path("other.qrv"));
    menu.mnuFileOpen_Click();
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(LastRequest().kind, FileDialogKind::Save);
    EXPECT_EQ(state.LoanFilePath, Path("mine.qrv"));
    EXPECT_EQ(form.txtName.text, "Ann Lender");
    EXPECT_FALSE(state.InputUnsaved);

    // No: the input is given up and the Open dialog follows.
    Type(F::Name, "Changed");
    ui.QueueAnswer(MsgAnswer::No);
    menu.mnuFileOpen_Click();
    EXPECT_EQ(files.requests.size(), 2u);
    EXPECT_EQ(LastRequest().kind, FileDialogKind::Open);
    EXPECT_EQ(form.txtName.text, "Old Loan");
}

// A new loan proposes no name: the pattern "*.qrv" is the dialog's filter, and as a name it
// would write a file called "*.qrv".
TEST_F(LoanFileMenuTest, SaveAsGivesANameWithoutExtensionTheLoanFileExtension) {
    TypeALoan();
    files.Choose(Path("loan"));
    menu.mnuFileSaveAs_Click();

    const FileRequest& request = LastRequest();
    EXPECT_EQ(request.kind, FileDialogKind::Save);
    EXPECT_EQ(request.title, "Save a Quorvia File");
    EXPECT_EQ(request.fileName, "");
    EXPECT_EQ(request.flags, 0x802u);
    EXPECT_EQ(request.initDir, Path("documents"));
    EXPECT_EQ(request.filters.at(0).pattern, "*.qrv");

    EXPECT_TRUE(fs::exists(folder / "loan.qrv"));
    EXPECT_EQ(state.LoanFilePath, Path("loan.qrv"));
    EXPECT_FALSE(state.InputUnsaved);
    EXPECT_TRUE(ui.messages.empty());

    // A name ending in a point; the dialog then starts at the current file.
    Type(F::Name, "Second");
    files.Choose(Path("second."));
    menu.mnuFileSaveAs_Click();
    EXPECT_EQ(LastRequest().fileName, Path("loan.qrv"));
    EXPECT_EQ(LastRequest().initDir, folder.Path().string());
    EXPECT_TRUE(fs::exists(folder / "second.qrv"));

    // A point in a folder's name is not the file's extension.
    fs::create_directory(folder / "ann.lee");
    files.Choose(Path("ann.lee/third"));
    menu.mnuFileSaveAs_Click();
    EXPECT_TRUE(fs::exists(folder / "ann.lee" / "third.qrv"));

    // A name typed in capitals gets its extension in capitals.
    files.Choose(Path("FOURTH"));
    menu.mnuFileSaveAs_Click();
    files.Choose(Path("FIFTH."));
    menu.mnuFileSaveAs_Click();
    EXPECT_TRUE(fs::exists(folder / "FOURTH.QRV"));
    EXPECT_TRUE(fs::exists(folder / "FIFTH.QRV"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(LoanFileMenuTest, AFileUnderTheNameWithTheExtensionAddedIsReplacedOnlyWhenConfirmed) {
    TypeALoan();
    fs::path existing = folder.Write("loan.qrv", "older loan");
    ui.QueueAnswer(MsgAnswer::No);
    files.Choose(Path("loan"));
    files.Cancel();
    menu.mnuFileSaveAs_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt, "Replace existing file (shown above)?");
    EXPECT_EQ(ui.messages[0].title, existing.string());
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(files.requests.size(), 2u);
    EXPECT_EQ(TempFolder::Read(existing), "older loan");
    EXPECT_TRUE(state.InputUnsaved);

    ui.QueueAnswer(MsgAnswer::Yes);
    files.Choose(Path("loan."));
    menu.mnuFileSaveAs_Click();
    EXPECT_EQ(TempFolder::Read(existing).rfind("Ann Lender\r\n", 0), 0u);
    EXPECT_FALSE(state.InputUnsaved);

    // A name chosen with its extension was confirmed by the dialog itself.
    Type(F::Name, "Again");
    ui.Clear();
    files.Choose(existing.string());
    menu.mnuFileSaveAs_Click();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(TempFolder::Read(existing).rfind("Again\r\n", 0), 0u);
}

TEST_F(LoanFileMenuTest, SaveAsRefusesAnotherExtensionAndAsksAgain) {
    TypeALoan();
    files.Choose(Path("loan.txt"));
    files.Choose(Path("Loan.qRv"));
    menu.mnuFileSaveAs_Click();
    EXPECT_EQ(ui.beeps, 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt, "Files should be saved with the '.QRV' extension.");
    EXPECT_EQ(ui.messages[0].title, "ILLEGAL FILE NAME");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(files.requests.size(), 2u);
    EXPECT_FALSE(fs::exists(folder / "loan.txt"));
    EXPECT_TRUE(fs::exists(folder / "Loan.qRv"));
    EXPECT_EQ(state.LoanFilePath, Path("Loan.qRv"));
}

TEST_F(LoanFileMenuTest, SaveAndSaveAsNeedTheAmortizationForm) {
    menu.mnuFileSave_Click();
    menu.mnuFileSaveAs_Click();
    ASSERT_EQ(ui.messages.size(), 2u);
    for (const Message& message : ui.messages) {
        EXPECT_EQ(message.prompt,
                  "The Amortization Schedule window must be active to use this feature.");
        EXPECT_EQ(message.title, "UNABLE TO PROCEED");
        EXPECT_EQ(message.icon, MsgIcon::Information);
    }
    EXPECT_TRUE(files.requests.empty());
}

TEST_F(LoanFileMenuTest, SaveAsksBeforeReplacingAndNoLeadsToSaveAsInTheFilesFolder) {
    TypeALoan();
    // Without a current file, Save is Save As.
    files.Cancel();
    menu.mnuFileSave_Click();
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(LastRequest().kind, FileDialogKind::Save);
    EXPECT_TRUE(state.InputUnsaved);

    fs::create_directory(folder / "loans");
    fs::path current = folder.Write("loans/a.qrv", "old");
    state.LoanFilePath = current.string();
    ui.QueueAnswer(MsgAnswer::No);
    files.Cancel();
    menu.mnuFileSave_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt, "Replace existing file (shown above)?");
    EXPECT_EQ(ui.messages[0].title, current.string());
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Question);
    ASSERT_EQ(files.requests.size(), 2u);
    EXPECT_EQ(LastRequest().kind, FileDialogKind::Save);
    EXPECT_EQ(LastRequest().fileName, current.string());
    EXPECT_EQ(LastRequest().initDir, (folder / "loans").string());
    EXPECT_EQ(TempFolder::Read(current), "old");

    ui.QueueAnswer(MsgAnswer::Yes);
    menu.mnuFileSave_Click();
    EXPECT_EQ(files.requests.size(), 2u);
    EXPECT_EQ(TempFolder::Read(current).rfind("Ann Lender\r\n100000.00\r\n", 0), 0u);
    EXPECT_FALSE(state.InputUnsaved);

    // A current file that has gone is written without a question.
    fs::remove(current);
    ui.Clear();
    menu.mnuFileSave_Click();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(fs::exists(current));
}

TEST_F(LoanFileMenuTest, AFailedSaveKeepsTheInputUnsavedAndTheOldFile) {
    TypeALoan();
    fs::path current = folder.Write("a.qrv", "old");
    state.LoanFilePath = current.string();
    ui.QueueAnswer(MsgAnswer::Yes);
    {
        FileSizeLimit fullDisk(10);
        menu.mnuFileSave_Click();
    }
    EXPECT_EQ(ui.LastMessage()->title, "FILE ERROR");
    EXPECT_TRUE(state.InputUnsaved);
    EXPECT_EQ(TempFolder::Read(current), "old");

    files.Choose(current.string());
    {
        FileSizeLimit fullDisk(10);
        menu.mnuFileSaveAs_Click();
    }
    EXPECT_EQ(ui.LastMessage()->title, "FILE ERROR");
    EXPECT_TRUE(state.InputUnsaved);
    EXPECT_EQ(TempFolder::Read(current), "old");
}

TEST_F(LoanFileMenuTest, OnlyASuccessfulSaveClosesTheFormThatAskedForIt) {
    TypeALoan();
    state.MainTag = MainWindowTag::CloseAmortFormAfterSave;
    files.Cancel();
    menu.mnuFileSaveAs_Click();
    EXPECT_EQ(state.MainTag, MainWindowTag::None);
    EXPECT_TRUE(windows.calls.empty());

    // A later, unrelated Save As leaves the form open.
    files.Choose(Path("kept"));
    menu.mnuFileSaveAs_Click();
    EXPECT_TRUE(windows.calls.empty());

    Type(F::Name, "Failing");
    state.MainTag = MainWindowTag::CloseAmortFormAfterSave;
    files.Choose(Path("kept"));
    {
        FileSizeLimit fullDisk(10);
        menu.mnuFileSaveAs_Click();
    }
    EXPECT_TRUE(windows.calls.empty());
    EXPECT_EQ(state.MainTag, MainWindowTag::None);

    state.MainTag = MainWindowTag::CloseAmortFormAfterSave;
    files.Choose(Path("closing"));
    menu.mnuFileSaveAs_Click();
    EXPECT_EQ(windows.calls, std::vector<std::string>{"UnloadAmortForm"});
    EXPECT_EQ(state.MainTag, MainWindowTag::None);
    EXPECT_TRUE(fs::exists(folder / "closing.qrv"));
}

TEST_F(LoanFileMenuTest, ADialogThatFailsIsReportedButACancelIsNot) {
    TypeALoan();
    files.Raise({7, "Out of memory"});
    menu.mnuFileSaveAs_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt, "Out of memory: 7");
    EXPECT_EQ(ui.messages[0].title, "Error During Save");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::None);
    EXPECT_TRUE(state.InputUnsaved);

    files.Raise({5, "Invalid procedure call"});
    menu.mnuFileOpen_Click();  // answered No by default
    EXPECT_EQ(ui.messages.back().prompt, "Invalid procedure call: 5");
    EXPECT_EQ(ui.messages.back().title, "Error During Open");

    ui.Clear();
    files.Cancel(9);
    menu.mnuFileOpen_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Dialog Error...");
}

TEST_F(LoanFileMenuTest, AFileNamedOnTheCommandLineOpensAsIfChosen) {
    folder.Write("old.qrv", kThirteenLines);
    menu.OpenNamedFile(Path("old.qrv"));
    EXPECT_EQ(form.txtName.text, "Old Loan");
    EXPECT_EQ(state.LoanFilePath, Path("old.qrv"));
    EXPECT_TRUE(files.requests.empty());

    menu.OpenNamedFile(Path("gone.qrv"));
    EXPECT_EQ(ui.LastMessage()->title, "UNABLE TO OPEN FILE");
    EXPECT_TRUE(state.LoanFilePath.empty());
    EXPECT_TRUE(files.requests.empty());

    // Another type: the message, then the Open dialog to choose a loan file.
    files.Cancel();
    menu.OpenNamedFile(Path("report.pdf"));
    EXPECT_EQ(ui.LastMessage()->prompt,
              "The selected file - report.pdf - is not a Quorvia (.qrv) file.  Please try again.");
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(LastRequest().kind, FileDialogKind::Open);
}

}  // namespace
}  // namespace quorvia
