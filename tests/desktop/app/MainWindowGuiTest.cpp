#include "desktop/app/MainWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <chrono>
#include <deque>
#include <future>
#include <vector>

#include "core/about/BuildVersion.h"
#include "desktop/amortization/AmortForm.h"
#include "desktop/app/FrmprntgForm.h"
#include "desktop/app/LogoForm.h"
#include "desktop/platform/InstanceLock.h"
#include "desktop/platform/RunningCopy.h"
#include "support/FakePrinterService.h"
#include "support/HelpCollection.h"
#include "support/MainWindowFixture.h"
#include "support/QueuedAnswers.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

class MainWindowGuiTest : public ::testing::Test, protected testing::MainWindowParts {
  protected:
    bool Start() {
        return window.Start(folder.Path(), [] { return OtherCopy::None; });
    }
    // Tests and screenshots find the menu items and buttons by their object names.
    QAction* Named(const char* name) const { return window.findChild<QAction*>(name); }
    bool Enabled(const char* name) const { return Named(name)->isEnabled(); }
    void DeleteClosedWindows() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(MainWindowGuiTest, StartsWithTheBackdropAndNothingToSaveOrPrint) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(window.windowTitle(), "Quorvia");
    EXPECT_TRUE(window.Logo()->isVisible());
    // The backdrop and the about box show the build's one version.
    std::string version = "Version " + std::to_string(QUORVIA_VERSION_MAJOR) + "." +
                          std::to_string(QUORVIA_VERSION_MINOR) + "." +
                          std::to_string(QUORVIA_VERSION_PATCH);
    EXPECT_EQ(window.Logo()->findChild<QLabel*>("lblVersion")->text().toStdString(), version);
    EXPECT_EQ(AboutVersionText().rfind(version + " (", 0), 0u);
    EXPECT_FALSE(Enabled("mnuFileSave"));
    EXPECT_FALSE(Enabled("mnuFileSaveAs"));
    EXPECT_FALSE(Enabled("mnuFilePrint"));
    EXPECT_FALSE(Enabled("mnuWindow"));
    EXPECT_FALSE(Enabled("tbSave"));
    EXPECT_FALSE(Enabled("tbPrint"));
    EXPECT_FALSE(Enabled("tbCopy"));
    EXPECT_TRUE(Enabled("mnuAmort"));
    EXPECT_TRUE(Named("mnuHelpTips")->isChecked());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindowGuiTest, MenuAndToolbarCaptions) {
    const std::pair<const char*, const char*> captions[] = {
        {"mnuFile", "&File"},
        {"mnuFileOpen", "&Open ..."},
        {"mnuFileSave", "&Save"},
        {"mnuFileSaveAs", "Save &As ..."},
        {"mnuFilePrint", "&Print ..."},
        {"mnuFilePrtSetup", "Print Se&tup ..."},
        {"mnuFilePref", "P&references ..."},
        {"mnuFileExit", "E&xit"},
        {"mnuAmort", " Amorti&zation "},
        {"mnuCalc", " &Loan Calculator "},
        {"mnuCompare", " Compare &Scenarios "},
        {"mnuWindow", "&Window"},
        {"mnuWinClose", "Close &All"},
        {"mnuHelp", " &Help "},
        {"mnuHelpIndex", "&Contents"},
        {"mnuHelpSrch", "&Search for Help on ..."},
        {"mnuHelpHelp", "&How to Use Help"},
        {"mnuHelpInfo", "&Program Overview"},
        {"mnuHelpAmort", "&Amortization Info"},
        {"mnuHelpCalc", "&Loan Calc Info"},
        {"mnuHelpTips", "Show &Tool Tips"},
        {"mnuHelpAbout", "About &Quorvia..."},
    };
    for (const auto& [name, caption] : captions) {
        ASSERT_NE(Named(name), nullptr) << name;
        EXPECT_EQ(Named(name)->text(), caption) << name;
    }
    QList<QAction*> bar = window.menuBar()->actions();
    ASSERT_EQ(bar.size(), 6);
    EXPECT_EQ(bar.back()->objectName(), "mnuHelp");
    EXPECT_TRUE(Named("mnuHelpTips")->isCheckable());
    EXPECT_TRUE(Named("mnuFileSep1")->isSeparator());

    const std::pair<const char*, const char*> tips[] = {
        {"tbNew", "New Amortization schedule"},
        {"tbOpen", "Open an existing file"},
        {"tbSave", "Save current Amortization data"},
        {"tbPrint", "View/Print the Amortization Schedule"},
        {"tbCopy", "Copy values to the Amortization form"},
        {"tbAmort", "Amortization Schedule form"},
        {"tbCalc", "Loan Calculator form"},
        {"tbCompare", "Compare what-if scenarios of a loan"},
        {"tbHelp", "Help"},
    };
    for (const auto& [key, tip] : tips) {
        ASSERT_NE(Named(key), nullptr) << key;
        EXPECT_EQ(Named(key)->toolTip(), tip) << key;
        EXPECT_FALSE(Named(key)->icon().isNull()) << key;
    }
    EXPECT_TRUE(Named("tbAmort")->isCheckable());
    EXPECT_TRUE(Named("tbCalc")->isCheckable());
    EXPECT_FALSE(Named("tbNew")->isCheckable());

    for (const MainActionEntry& entry : MainActionTable()) {
        const std::string name(entry.name);
        EXPECT_EQ(window.Action(entry.action), Named(name.c_str())) << name;
    }
}

TEST_F(MainWindowGuiTest, TheAmortizationFormOpensAndClosesThroughTheMenus) {
    ASSERT_TRUE(Start());
    Named("mnuAmort")->trigger();

    AmortForm* form = window.OpenAmortForm();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(state.FormOpen[1]);
    EXPECT_FALSE(Enabled("mnuAmort"));
    EXPECT_TRUE(Enabled("mnuFileSave"));
    EXPECT_TRUE(Enabled("mnuFileSaveAs"));
    EXPECT_TRUE(Enabled("mnuFilePrint"));
    EXPECT_TRUE(Enabled("tbSave"));
    EXPECT_TRUE(Enabled("tbPrint"));
    EXPECT_TRUE(Enabled("mnuWindow"));
    EXPECT_FALSE(window.Logo()->isVisible());
    EXPECT_TRUE(Named("tbAmort")->isChecked());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // The toolbar's Amortization button only brings the open form forward.
    Named("tbAmort")->trigger();
    EXPECT_EQ(window.OpenAmortForm(), form);
    EXPECT_EQ(window.WorkArea()->subWindowList().size(), 1);

    Named("mnuWinClose")->trigger();
    DeleteClosedWindows();
    EXPECT_EQ(window.OpenAmortForm(), nullptr);
    EXPECT_FALSE(state.FormOpen[1]);
    EXPECT_TRUE(Enabled("mnuAmort"));
    EXPECT_FALSE(Enabled("mnuFilePrint"));
    EXPECT_TRUE(window.Logo()->isVisible());
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowGuiTest, CancelKeepsEverythingOpenWhenInputIsUnsaved) {
    ASSERT_TRUE(Start());
    Named("mnuAmort")->trigger();
    state.InputUnsaved = true;

    answers.push_back(MsgAnswer::Cancel);
    EXPECT_FALSE(window.close());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "CAUTION");
    EXPECT_TRUE(window.isVisible());
    ASSERT_NE(window.OpenAmortForm(), nullptr);
    EXPECT_TRUE(window.OpenAmortForm()->isVisible());
    EXPECT_TRUE(state.InputUnsaved);

    answers.push_back(MsgAnswer::No);
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(state.InputUnsaved);
}

// A second copy that found the first holding the lock hands its file over and ends without a
// window; only when the running copy does not answer does it say so.
TEST_F(MainWindowGuiTest, ASecondCopyEndsWithoutShowingItsWindow) {
    QString lockPath = QString::fromStdString((folder / "quorvia.lock").string());
    InstanceLock running(lockPath);
    ASSERT_TRUE(running.TryLock());
    InstanceLock second(lockPath);
    QString nobody = QString::fromStdString((folder / "nobody.socket").string());

    EXPECT_FALSE(window.Start(folder.Path(), [&] {
        if (second.TryLock()) {
            return OtherCopy::None;
        }
        return RunningCopy::HandOver("", nobody, 200) ? OtherCopy::TookOver
                                                      : OtherCopy::Unreachable;
    }));
    EXPECT_FALSE(window.isVisible());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "PROGRAM ALREADY ACTIVE");
    EXPECT_EQ(messages[0].prompt,
              "Quorvia is already running.  Please switch to its window with Alt+Tab or from "
              "your desktop's panel.");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    messages.clear();
    EXPECT_FALSE(window.Start(folder.Path(), [] { return OtherCopy::TookOver; }));
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(messages.empty());
}

// A later copy's file, handed over through the socket, opens in this window; while a dialog is
// open (its command still running) the file waits for it to close.
TEST_F(MainWindowGuiTest, AFileHandedOverByALaterCopyOpensHere) {
    ASSERT_TRUE(Start());
    QString socket = QString::fromStdString((folder / "quorvia.socket").string());
    auto running = std::make_unique<RunningCopy>(socket);
    ASSERT_TRUE(
        running->Listen([this](const std::string& file) { window.TakeHandedOverFile(file); }));
    std::string loan = folder
                           .Write("smith.qrv",
                                  "Smith\r\n5000.00\r\n9.0000\r\n24\r\n 2 \r\n 1 \r\n04/10/1998\r\n"
                                  "0.00\r\n 0 \r\n 1 \r\n0\r\n\r\n 0 \r\n 0 \r\n 1 \r\n")
                           .string();
    // The later copy is another process: here another thread, which blocks as it waits.
    auto handOver = [&](const std::string& file) {
        std::future<bool> taken = std::async(
            std::launch::async, [&socket, file] { return RunningCopy::HandOver(file, socket); });
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return taken.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }));
        return taken.get();
    };

    // Only brought forward.
    EXPECT_TRUE(handOver(""));
    EXPECT_EQ(window.OpenAmortForm(), nullptr);

    auto* dialog = new QDialog(&window);
    EXPECT_TRUE(handOver(loan));
    QTest::qWait(400);
    EXPECT_EQ(window.OpenAmortForm(), nullptr);
    delete dialog;
    ASSERT_TRUE(QTest::qWaitFor([this] { return window.OpenAmortForm() != nullptr; }));
    EXPECT_EQ(window.OpenAmortForm()->Model().txtName.text, "Smith");
    EXPECT_EQ(state.LoanFilePath, loan);
    EXPECT_TRUE(messages.empty());

    // Nobody listens any more.
    running.reset();
    EXPECT_FALSE(RunningCopy::HandOver(loan, socket, 200));
}

// An installed copy writes nothing beside itself: the profile file lives in the person's
// configuration folder and the work file in their cache folder.
TEST_F(MainWindowGuiTest, AnInstalledCopyKeepsItsFilesInThePersonsFolders) {
    testing::ScopedEnvironment environment;
    environment.Set("XDG_CONFIG_HOME", (folder / "config").string());
    environment.Set("XDG_CACHE_HOME", (folder / "cache").string());
    std::filesystem::create_directories(folder / "prefix" / "share");
    std::filesystem::create_directories(folder / "prefix" / "bin");
    std::filesystem::create_directories(folder / "config" / "quorvia");
    folder.Write("prefix/bin/quorvia.ini", "[Prefs]\r\ndrate=9.2500\r\n");
    folder.Write("config/quorvia/quorvia.ini", "[Prefs]\r\ndrate=7.2500\r\n");

    ASSERT_TRUE(window.Start(folder / "prefix" / "bin", [] { return OtherCopy::None; }));
    EXPECT_EQ(state.IniFilePath, folder / "config" / "quorvia" / "quorvia.ini");
    EXPECT_EQ(state.DefaultRate, "7.2500");
    EXPECT_EQ(state.WorkFilePath(), folder / "cache" / "quorvia" / "~amort.tmp");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "cache" / "quorvia"));
    EXPECT_EQ(TempFolder::Read(folder / "prefix" / "bin" / "quorvia.ini"),
              "[Prefs]\r\ndrate=9.2500\r\n");
}

TEST_F(MainWindowGuiTest, FilePrintWithoutTheFormExplains) {
    ASSERT_TRUE(Start());
    window.Model().mnuFilePrint_Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "UNABLE TO PROCEED");
}

TEST_F(MainWindowGuiTest, TheStatusWindowShowsItsMeterAsAPercentage) {
    ASSERT_TRUE(Start());
    FrmprntgForm status(&window);
    EXPECT_EQ(status.windowTitle(), "W O R K I N G . . .");
    EXPECT_EQ(status.LabelText(), "Please Wait ...");
    EXPECT_EQ(status.MeterCaption(), "0%");
    status.ShowCentred();
    EXPECT_TRUE(status.isVisible());
    EXPECT_FALSE(status.isModal());

    status.SetLabel("Calculating 360 payments ...");
    status.SetMeter(45);
    EXPECT_EQ(status.LabelText(), "Calculating 360 payments ...");
    EXPECT_EQ(status.MeterCaption(), "45%");
    status.SetMeter(100);
    EXPECT_EQ(status.MeterCaption(), "100%");
}

TEST_F(MainWindowGuiTest, HelpOpensTheCollectionBesideTheProgramByMenuToolbarAndF1) {
    ASSERT_TRUE(Start());
    Named("mnuHelpIndex")->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt,
              "Unable to display Help Contents. There is no Help associated with this project.");
    EXPECT_EQ(messages[0].title, "Quorvia");

    testing::InstallHelpCollection(folder.Path());
    auto shown = [this] { return testing::ShownHelpPage(window.Help()); };
    Named("mnuHelpAmort")->trigger();
    EXPECT_EQ(shown(), "amortization-info.html");

    Named("mnuAmort")->trigger();
    Named("tbHelp")->trigger();
    EXPECT_EQ(shown(), "amortization-form.html");

    Named("mnuHelpCalc")->trigger();
    EXPECT_EQ(shown(), "loan-calc-info.html");
    QTest::keyClick(window.OpenAmortForm()->findChild<QLineEdit*>("txtAmount"), Qt::Key_F1);
    EXPECT_EQ(shown(), "amortization-form.html");
    EXPECT_EQ(messages.size(), 1u);
}

}  // namespace
}  // namespace quorvia
