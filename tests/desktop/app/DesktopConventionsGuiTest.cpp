// What a person expects of a desktop program beyond the menus' access keys: the usual
// shortcuts, the recent files in the File menu, the Window menu's list of open windows and the
// loan's name in the title bar.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>

#include "core/session/RecentFiles.h"
#include "desktop/amortization/AmortForm.h"
#include "desktop/app/MainWindow.h"
#include "desktop/calculator/LncalcForm.h"
#include "support/FileDialogTyping.h"
#include "support/HelpCollection.h"
#include "support/MainWindowFixture.h"

namespace quorvia {
namespace {

namespace fs = std::filesystem;

class DesktopConventionsGuiTest : public ::testing::Test, protected testing::MainWindowParts {
  protected:
    void SetUp() override {
        ASSERT_TRUE(window.Start(folder.Path(), [] { return OtherCopy::None; }));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QAction* Named(const QString& name) const { return window.findChild<QAction*>(name); }
    QLineEdit* AmortField(const char* name) const {
        return window.OpenAmortForm()->findChild<QLineEdit*>(name);
    }
    QWidget* Focus() { return QApplication::focusWidget() ? QApplication::focusWidget() : &window; }
    // A key pressed where the focus is, in the main window active again after a dialog (the
    // window manager's part, which the offscreen platform leaves undone).
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(Focus(), key, modifiers);
    }
    // Opens a menu with its access key, as a person does, and returns its items' captions.
    QStringList OpenMenu(Qt::Key key, const char* name) {
        Press(key, Qt::AltModifier);
        auto* menu = window.findChild<QMenu*>(name);
        EXPECT_EQ(QApplication::activePopupWidget(), menu);
        QStringList captions;
        for (QAction* item : menu->actions()) {
            captions << (item->isSeparator() ? "-" : item->text());
        }
        menu->close();
        return captions;
    }
    // The title of the next file dialog, cancelled as soon as it shows.
    void CancelNextFileDialog() {
        testing::WhenTheDialogShows([this](QFileDialog& dialog) {
            fileDialogs << dialog.windowTitle();
            dialog.reject();
        });
    }
    std::string Loan(const std::string& name) {
        return folder
            .Write(name + ".qrv", name +
                                      "\r\n5000.00\r\n9.0000\r\n24\r\n 2 \r\n 1 \r\n04/10/1998\r\n"
                                      "0.00\r\n 0 \r\n 1 \r\n0\r\n\r\n 0 \r\n 0 \r\n 1 \r\n")
            .string();
    }

    QStringList fileDialogs;
};

TEST_F(DesktopConventionsGuiTest, TheFileShortcutsRunTheirCommandsFromAFormsField) {
    CancelNextFileDialog();
    Press(Qt::Key_O);
    EXPECT_EQ(fileDialogs, QStringList{"Open a Quorvia File"});
    // Without the amortization form Save, Save As and Print are disabled, and so are their keys.
    Press(Qt::Key_P);
    Press(Qt::Key_S);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(fileDialogs.size(), 1);

    Named("mnuAmort")->trigger();
    AmortField("txtName")->setFocus();
    QTest::keyClicks(AmortField("txtName"), "Ann");
    // A new loan has no file yet: Save asks for a name, as Save As does.
    CancelNextFileDialog();
    Press(Qt::Key_S);
    CancelNextFileDialog();
    Press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(fileDialogs,
              (QStringList{"Open a Quorvia File", "Save a Quorvia File", "Save a Quorvia File"}));
    // The keys left the field as it was typed.
    EXPECT_EQ(AmortField("txtName")->text(), "Ann");

    // Print presses the form's Okay: an empty loan amount is the form's own message.
    messages.clear();
    Press(Qt::Key_P);
    ASSERT_FALSE(messages.empty());
    EXPECT_NE(messages[0].title, "UNABLE TO PROCEED");
}

TEST_F(DesktopConventionsGuiTest, CtrlQAsksAboutUnsavedInputBeforeItEnds) {
    Named("mnuAmort")->trigger();
    AmortField("txtName")->setFocus();
    QTest::keyClicks(AmortField("txtName"), "Ann");
    QTest::keyClick(AmortField("txtName"), Qt::Key_Tab);
    answers.push_back(MsgAnswer::Cancel);
    Press(Qt::Key_Q);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "CAUTION");
    EXPECT_TRUE(window.isVisible());

    answers.push_back(MsgAnswer::No);
    Press(Qt::Key_Q);
    EXPECT_FALSE(window.isVisible());
}

// F1 is Help | Contents where no window has a topic of its own, and each data form's own topic
// inside it.
TEST_F(DesktopConventionsGuiTest, F1OpensTheContentsOrTheFormsOwnTopic) {
    testing::InstallHelpCollection(folder.Path());
    auto shown = [this] { return testing::ShownHelpPage(window.Help()); };
    Press(Qt::Key_F1, Qt::NoModifier);
    EXPECT_EQ(shown(), "overview.html");

    Named("mnuCalc")->trigger();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.OpenCalcForm()->findChild<QLineEdit*>("txtRate"), Qt::Key_F1);
    EXPECT_EQ(shown(), "calculator-form.html");
    EXPECT_TRUE(messages.empty());
}

TEST_F(DesktopConventionsGuiTest, TheFileMenuListsTheRecentFilesAndReopensThem) {
    EXPECT_FALSE(OpenMenu(Qt::Key_F, "mnuFile").contains("&1 smith.qrv"));
    std::string smith = Loan("Smith");
    std::string lee = Loan("Lee");
    window.OpenFileAtStart(smith);
    window.OpenFileAtStart(lee);
    QStringList file = OpenMenu(Qt::Key_F, "mnuFile");
    ASSERT_GE(file.size(), 4);
    EXPECT_EQ(file.mid(file.size() - 4), (QStringList{"&1 Lee.qrv", "&2 Smith.qrv", "-", "E&xit"}));

    Named("mnuFileRecent(1)")->trigger();
    EXPECT_EQ(window.OpenAmortForm()->Model().txtName.text, "Smith");
    EXPECT_EQ(ReadRecentFiles(folder / "quorvia.ini").Paths(),
              (std::vector<std::string>{smith, lee}));

    // A file deleted since is said so, before any question about the input, and leaves the
    // menu and the profile file; the form keeps what it holds.
    fs::remove(lee);
    QTest::keyClicks(AmortField("txtName"), "Typed");
    OpenMenu(Qt::Key_F, "mnuFile");
    Named("mnuFileRecent(1)")->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "UNABLE TO OPEN FILE");
    EXPECT_EQ(messages[0].prompt,
              "Cannot find '" + lee +
                  "'.  It may have been moved, renamed or deleted; it has been removed from the "
                  "list of recent files.");
    file = OpenMenu(Qt::Key_F, "mnuFile");
    EXPECT_EQ(file.mid(file.size() - 3), (QStringList{"&1 Smith.qrv", "-", "E&xit"}));
    EXPECT_EQ(ReadRecentFiles(folder / "quorvia.ini").Paths(), std::vector<std::string>{smith});
    EXPECT_EQ(window.OpenAmortForm()->Model().txtName.text, "SmithTyped");
    EXPECT_TRUE(state.InputUnsaved);
}

TEST_F(DesktopConventionsGuiTest, TheWindowMenuArrangesAndListsTheOpenForms) {
    Named("mnuAmort")->trigger();
    Named("mnuCalc")->trigger();
    QStringList items = OpenMenu(Qt::Key_W, "mnuWindow");
    EXPECT_EQ(items, (QStringList{"Close &All", "&Tile", "&Cascade", "-",
                                  "&1 Amortization Schedule", "&2 Loan Calculator"}));
    EXPECT_FALSE(Named("mnuWinList(0)")->isChecked());
    EXPECT_TRUE(Named("mnuWinList(1)")->isChecked());

    Named("mnuWinList(0)")->trigger();
    QMdiArea* area = window.WorkArea();
    EXPECT_EQ(area->activeSubWindow()->widget(), window.OpenAmortForm());
    OpenMenu(Qt::Key_W, "mnuWindow");
    EXPECT_TRUE(Named("mnuWinList(0)")->isChecked());

    QMdiSubWindow* amort = window.findChild<QMdiSubWindow*>("AmortWindow");
    QMdiSubWindow* calc = window.findChild<QMdiSubWindow*>("CalcWindow");
    Named("mnuWinTile")->trigger();
    EXPECT_FALSE(amort->geometry().intersects(calc->geometry()));
    EXPECT_TRUE(area->viewport()->rect().contains(amort->geometry()));
    EXPECT_TRUE(area->viewport()->rect().contains(calc->geometry()));
    Named("mnuWinCascade")->trigger();
    EXPECT_TRUE(amort->geometry().intersects(calc->geometry()));
    EXPECT_NE(amort->geometry().topLeft(), calc->geometry().topLeft());

    // With the calculator closed only the amortization form is listed.
    window.UnloadCalcForm();
    items = OpenMenu(Qt::Key_W, "mnuWindow");
    EXPECT_EQ(items.mid(3), (QStringList{"-", "&1 Amortization Schedule"}));
}

TEST_F(DesktopConventionsGuiTest, TheTitleNamesTheLoanFileAndMarksUnsavedInput) {
    EXPECT_EQ(window.windowTitle(), "Quorvia");
    Named("mnuAmort")->trigger();
    EXPECT_EQ(window.windowTitle(), "Untitled[*] - Quorvia");
    EXPECT_FALSE(window.isWindowModified());
    AmortField("txtName")->setFocus();
    QTest::keyClicks(AmortField("txtName"), "Ann");
    EXPECT_TRUE(window.isWindowModified());

    answers.push_back(MsgAnswer::No);
    window.OpenFileAtStart(Loan("Smith"));
    EXPECT_EQ(window.windowTitle(), "Smith.qrv[*] - Quorvia");
    EXPECT_FALSE(window.isWindowModified());
    QTest::keyClicks(AmortField("txtName"), "x");
    EXPECT_TRUE(window.isWindowModified());

    answers.push_back(MsgAnswer::No);
    Named("mnuWinClose")->trigger();
    EXPECT_EQ(window.windowTitle(), "Quorvia");
    EXPECT_FALSE(window.isWindowModified());
}

}  // namespace
}  // namespace quorvia
