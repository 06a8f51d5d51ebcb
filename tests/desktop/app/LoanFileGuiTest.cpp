// Loan data files through the real window and Qt's own file dialog: a loan saved by typing its
// name into the Save As dialog comes back whole through the Open dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <vector>

#include "desktop/amortization/AmortForm.h"
#include "desktop/app/MainWindow.h"
#include "support/FakePrinterService.h"
#include "support/FileDialogTyping.h"
#include "support/MainWindowFixture.h"
#include "support/QueuedAnswers.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

namespace fs = std::filesystem;

struct SeenDialog {
    QString title;
    QString folder;
    QFileDialog::AcceptMode mode;
};

class LoanFileGuiTest : public ::testing::Test, protected testing::MainWindowParts {
  protected:
    void Start() {
        ASSERT_TRUE(window.Start(folder.Path(), [] { return OtherCopy::None; }));
        window.findChild<QAction*>("mnuAmort")->trigger();
        form = window.OpenAmortForm();
        ASSERT_NE(form, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void Trigger(const char* action) { window.findChild<QAction*>(action)->trigger(); }

    QLineEdit* Edit(const char* name) const { return form->findChild<QLineEdit*>(name); }

    void Type(const char* field, const QString& text) {
        Edit(field)->setFocus();
        QTest::keyClicks(Edit(field), text);
        QTest::keyClick(Edit(field), Qt::Key_Tab);
    }

    // When the next file dialog shows, types the name into it and presses Enter.
    void TypeIntoNextFileDialog(const QString& name) {
        testing::WhenTheDialogShows([this, name](QFileDialog& dialog) {
            seen.push_back(
                {dialog.windowTitle(), dialog.directory().absolutePath(), dialog.acceptMode()});
            testing::TypeName(dialog, name);
        });
    }

    AmortForm* form = nullptr;
    std::vector<SeenDialog> seen;
};

TEST_F(LoanFileGuiTest, ALoanSavedAsANewFileComesBackThroughOpen) {
    Start();
    Type("txtName", "Carla Diaz");
    Type("txtAmount", "25000");
    Type("txtRate", "6.5");
    Type("txtTerm", "48");
    form->findChild<QCheckBox*>("chkNbrPymts")->click();
    ASSERT_TRUE(state.InputUnsaved);
    LoanFileEntries typed = form->Model().LoanFileEntriesFromForm();

    TypeIntoNextFileDialog("carla");
    Trigger("mnuFileSaveAs");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, "Save a Quorvia File");
    EXPECT_EQ(seen[0].mode, QFileDialog::AcceptSave);
    EXPECT_EQ(seen[0].folder.toStdString(), folder.Path().string());
    ASSERT_TRUE(fs::exists(folder / "carla.qrv"));
    EXPECT_EQ(state.LoanFilePath, (folder / "carla.qrv").string());
    EXPECT_FALSE(state.InputUnsaved);

    form->findChild<QPushButton*>("comClr")->click();
    EXPECT_EQ(Edit("txtName")->text(), "");
    EXPECT_EQ(Edit("txtAmount")->text(), "0.00");
    EXPECT_TRUE(messages.empty());

    TypeIntoNextFileDialog("carla.qrv");
    Trigger("mnuFileOpen");
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].title, "Open a Quorvia File");
    EXPECT_EQ(seen[1].mode, QFileDialog::AcceptOpen);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(seen[1].folder.toStdString(), folder.Path().string());
    EXPECT_EQ(window.OpenAmortForm(), form);
    EXPECT_EQ(Edit("txtName")->text(), "Carla Diaz");
    EXPECT_EQ(Edit("txtAmount")->text(), "25000.00");
    EXPECT_EQ(Edit("txtRate")->text(), "6.5000");
    EXPECT_EQ(Edit("txtTerm")->text(), "48");
    EXPECT_TRUE(form->findChild<QCheckBox*>("chkNbrPymts")->isChecked());
    EXPECT_EQ(form->Model().LoanFileEntriesFromForm(), typed);
    EXPECT_FALSE(state.InputUnsaved);
}

TEST_F(LoanFileGuiTest, QuitAnsweredYesSavesAndThenClosesTheForm) {
    Start();
    Type("txtName", "Dev Patel");
    answers.push_back(MsgAnswer::Yes);
    TypeIntoNextFileDialog("dev");
    form->findChild<QPushButton*>("comQuit")->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "CAUTION");
    // The save runs once the button's handler has returned.
    QTRY_VERIFY(fs::exists(folder / "dev.qrv"));
    QTRY_VERIFY(window.OpenAmortForm() == nullptr);
    EXPECT_FALSE(state.FormOpen[1]);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(LoanFileGuiTest, NewAnsweredYesSavesTheInputInsteadOfClearingIt) {
    Start();
    Type("txtName", "Eve Ng");
    Type("txtAmount", "900");
    answers.push_back(MsgAnswer::Yes);
    TypeIntoNextFileDialog("eve");
    Trigger("tbNew");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt,
              "You have not saved your current input.  Do you want to do so now?");
    QTRY_VERIFY(fs::exists(folder / "eve.qrv"));
    EXPECT_EQ(window.OpenAmortForm(), form);
    EXPECT_EQ(Edit("txtName")->text(), "Eve Ng");
    EXPECT_EQ(Edit("txtAmount")->text(), "900.00");
    EXPECT_FALSE(state.InputUnsaved);

    // Nothing left to save: New clears the form.
    Trigger("tbNew");
    EXPECT_EQ(Edit("txtAmount")->text(), "0.00");
    EXPECT_EQ(messages.size(), 1u);
}

// The Save As dialog of a new loan proposes no name, and a pattern typed into it filters the
// list instead of becoming a file called "*.qrv".
TEST_F(LoanFileGuiTest, SavingANewLoanNeverWritesAFileNamedAfterThePattern) {
    Start();
    Type("txtName", "Jane Borrower");
    folder.Write("notes.txt", "not a loan");
    QString proposed = "unset";
    bool stayedForAName = false;
    QString filterAfterPattern;
    testing::WhenTheDialogShows([&](QFileDialog& dialog) {
        auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        proposed = name->text();
        QTest::keyClick(name, Qt::Key_Return);
        QTest::keyClicks(name, "*.txt");
        QTest::keyClick(name, Qt::Key_Return);
        stayedForAName = dialog.isVisible() && name->text().isEmpty();
        filterAfterPattern = dialog.selectedNameFilter();
        testing::TypeName(dialog, "jane");
    });
    Trigger("mnuFileSave");
    EXPECT_EQ(proposed, "");
    EXPECT_TRUE(stayedForAName);
    EXPECT_EQ(filterAfterPattern, "*.txt");
    EXPECT_TRUE(messages.empty());
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder.Path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    // The profile file lists the loan saved among the recent files.
    EXPECT_EQ(names, (std::vector<std::string>{"jane.qrv", "notes.txt", "quorvia.ini"}));
}

// After Clear Values the form holds a new loan: Save asks for its name and never offers to
// replace the file that was open.
TEST_F(LoanFileGuiTest, SaveAfterClearValuesAsksForANewName) {
    Start();
    Type("txtName", "Smith");
    TypeIntoNextFileDialog("smith");
    Trigger("mnuFileSaveAs");
    std::string smith = TempFolder::Read(folder / "smith.qrv");

    form->findChild<QPushButton*>("comClr")->click();
    Type("txtName", "Other Borrower");
    TypeIntoNextFileDialog("other");
    Trigger("mnuFileSave");
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].title, "Save a Quorvia File");
    EXPECT_EQ(TempFolder::Read(folder / "smith.qrv"), smith);
    EXPECT_EQ(TempFolder::Read(folder / "other.qrv").rfind("Other Borrower\r\n", 0), 0u);
}

// A loan file written by another tool as plain UTF-8, without the byte-order mark.
TEST_F(LoanFileGuiTest, APlainUtf8FileShowsItsNameAsWritten) {
    Start();
    folder.Write("renee.qrv",
                 "Ren\xC3\xA9"
                 "e M\xC3\xBCller\n250000.00\n6.7500\n360\n 1 \n 1 \n01/01/2027\n"
                 "0.00\n 0 \n 1 \n0\n\n 0 \n 0 \n 0 \n");
    TypeIntoNextFileDialog("renee.qrv");
    Trigger("mnuFileOpen");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Edit("txtName")->text(), QString::fromUtf8("Renée Müller"));
}

}  // namespace
}  // namespace quorvia
