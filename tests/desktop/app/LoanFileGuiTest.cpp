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
        ASSERT_TRUE(window.Start(folder.Path(), [] { return false; }));
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
    ASSERT_TRUE(fs::exists(folder / "carla.QRV"));
    EXPECT_EQ(state.LoanFilePath, (folder / "carla.QRV").string());
    EXPECT_FALSE(state.InputUnsaved);

    form->findChild<QPushButton*>("comClr")->click();
    EXPECT_EQ(Edit("txtName")->text(), "");
    EXPECT_EQ(Edit("txtAmount")->text(), "0.00");
    EXPECT_TRUE(messages.empty());

    TypeIntoNextFileDialog("carla.QRV");
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
    QTRY_VERIFY(fs::exists(folder / "dev.QRV"));
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
    QTRY_VERIFY(fs::exists(folder / "eve.QRV"));
    EXPECT_EQ(window.OpenAmortForm(), form);
    EXPECT_EQ(Edit("txtName")->text(), "Eve Ng");
    EXPECT_EQ(Edit("txtAmount")->text(), "900.00");
    EXPECT_FALSE(state.InputUnsaved);

    // Nothing left to save: New clears the form.
    Trigger("tbNew");
    EXPECT_EQ(Edit("txtAmount")->text(), "0.00");
    EXPECT_EQ(messages.size(), 1u);
}

}  // namespace
}  // namespace quorvia
