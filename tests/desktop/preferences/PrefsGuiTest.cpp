// File | Preferences and File | Print Setup in the main window: what a person types there
// reaches the profile file, new loans and the report.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "core/base/ProfileFile.h"
#include "desktop/amortization/AmortForm.h"
#include "desktop/app/MainWindow.h"
#include "desktop/platform/QtTextMetrics.h"
#include "desktop/preferences/PrefsForm.h"
#include "desktop/preferences/PrtrSelForm.h"
#include "support/HelpCollection.h"
#include "support/ReportLayoutCheck.h"
#include "support/ScriptedPrintDialog.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

using testing::ScriptedPrintDialog;

class PrefsGuiTest : public ::testing::Test {
  protected:
    PrefsGuiTest() : printers({{"Laser", "hpcups", "CUPS:"}, PdfPrinter()}) {
        ui.SetMessageHook([this](const Message& message) {
            messages.push_back(message);
            return std::optional<MsgAnswer>(MsgAnswer::Ok);
        });
        ui.SetBeepHook([] {});
        dialogs.fallback = ScriptedPrintDialog::Choice("Laser");
        window.SetPrinterDialog(printerDialog);
        printerDialog.Get();
        EXPECT_TRUE(window.Start(folder.Path(), [] { return OtherCopy::None; }));
    }

    // Runs the menu command and, once its form shows, `steps` on it; the form must be closed
    // by then.
    void WithForm(const char* command, const std::function<void(QDialog&)>& steps) {
        bool ran = false;
        std::function<void()> poll;
        poll = [&] {
            auto* form = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!form) {
                QTimer::singleShot(10, poll);
                return;
            }
            ran = true;
            form->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(form));
            QApplication::processEvents();
            steps(*form);
            if (form->isVisible()) {
                ADD_FAILURE() << "the form stayed open";
                form->reject();
            }
        };
        QTimer::singleShot(0, poll);
        window.findChild<QAction*>(command)->trigger();
        EXPECT_TRUE(ran);
    }
    template <typename T>
    static T* Child(QDialog& form, const char* name) {
        T* child = form.findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    // A click on the button's own caption, where a person clicks.
    static void Click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    std::string Value(std::string_view key) const {
        return ReadIniString("Prefs", key, state.IniFilePath);
    }

    TempFolder folder;
    AppState state;
    FakePrinterService printers;
    QtUi ui;
    std::vector<Message> messages;
    ScriptedPrintDialog dialogs;
    SharedPDialog printerDialog{ui, printers, dialogs, state.PrintOrientation,
                                state.PrintPaperSize};
    MainWindow window{state, printers, ui, [] { return MakeDate(2026, 12, 7); }};
};

TEST_F(PrefsGuiTest, TypedPreferencesReachNewLoansAndTheReportFooter) {
    WithForm("mnuFilePref", [&](QDialog& form) {
        EXPECT_EQ(form.windowTitle(), "Program Preferences (defaults)");
        auto* rate = Child<QLineEdit>(form, "txtRate");
        EXPECT_EQ(rate->text(), "0.0000");
        EXPECT_TRUE(rate->hasFocus());
        rate->selectAll();
        QTest::keyClicks(rate, "10.75");
        Click(Child<QRadioButton>(form, "optFreq(2)"));
        EXPECT_EQ(rate->text(), "10.7500");
        Child<QTabWidget>(form, "vsTab")->setCurrentIndex(PrefsModel::kCompanyTab);
        auto* name = Child<QLineEdit>(form, "txtName(0)");
        EXPECT_TRUE(name->hasFocus());
        QTest::keyClicks(name, "Acme Lending");
        Click(Child<QCheckBox>(form, "chkFooter"));
        QTest::mouseClick(Child<QPushButton>(form, "cmdSave"), Qt::LeftButton);
    });
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Value("dname"), "Acme Lending");
    EXPECT_EQ(Value("drate"), "10.7500");
    EXPECT_EQ(Value("dfreq"), "2");
    EXPECT_EQ(Value("dftr"), "True");
    EXPECT_EQ(Value("dprtr"), "Laser,hpcups,CUPS:");

    window.findChild<QAction*>("mnuAmort")->trigger();
    AmortForm* amort = window.OpenAmortForm();
    ASSERT_NE(amort, nullptr);
    EXPECT_EQ(amort->Model().txtRate.text, "10.7500");
    EXPECT_EQ(amort->Model().optFreq, 2);

    QtTextMetrics metrics;
    AmortInputs loan = testing::DerivedLoan(100000, 10.75, 60, 2, "01/15/2027");
    SemiMonthlyChoice semiMonthly{1, 1, 16, 1};
    Schedule schedule;
    ASSERT_FALSE(WriteSchedule(loan, semiMonthly, state.WorkFilePath(), {}, &schedule));
    testing::ComposeInto(state, metrics, kPlainGrid, schedule.scheduledCount,
                         [](const ReportDocument& doc) {
                             bool found = false;
                             for (const TextItem& item : doc.Page(1).texts) {
                                 found |= item.text.find("Acme Lending") != std::string::npos &&
                                          item.baseline > 15840 - 1440;
                             }
                             EXPECT_TRUE(found);
                         });
}

TEST_F(PrefsGuiTest, StylePicturesFollowTheChoiceAndClosingTheWindowCancels) {
    state.ReportStyle = 2;
    WithForm("mnuFilePref", [&](QDialog& form) {
        Child<QTabWidget>(form, "vsTab")->setCurrentIndex(PrefsModel::kStyleTab);
        EXPECT_TRUE(Child<QRadioButton>(form, "optStyle(2)")->hasFocus());
        EXPECT_TRUE(Child<QToolButton>(form, "btnStyle(2)")->isChecked());
        QTest::mouseClick(Child<QToolButton>(form, "btnStyle(3)"), Qt::LeftButton);
        EXPECT_TRUE(Child<QRadioButton>(form, "optStyle(3)")->isChecked());
        EXPECT_TRUE(Child<QToolButton>(form, "btnStyle(3)")->isChecked());
        EXPECT_FALSE(Child<QToolButton>(form, "btnStyle(2)")->isChecked());
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    EXPECT_EQ(state.ReportStyle, 2);
    EXPECT_FALSE(std::filesystem::exists(state.IniFilePath));
}

TEST_F(PrefsGuiTest, PrintSetupKeepsTheChosenPrinterAsTheDefault) {
    WithForm("mnuFilePrtSetup", [&](QDialog& form) {
        EXPECT_EQ(form.windowTitle(), "Select Printer or Font");
        EXPECT_EQ(Child<QLabel>(form, "lblPrtrName")->text(), "Laser on CUPS:");
        EXPECT_EQ(Child<QLabel>(form, "lblFontName")->text(), "Times New Roman - 12 pt. - Normal");
        EXPECT_FALSE(Child<QLabel>(form, "pnlCaution")->isVisible());
        EXPECT_EQ(Child<QPushButton>(form, "ExitButton")->toolTip(),
                  " Save the current printer & font settings as your program defaults ");
        dialogs.Queue(ScriptedPrintDialog::Choice("PDF"));
        QTest::mouseClick(Child<QPushButton>(form, "SelectButton"), Qt::LeftButton);
        EXPECT_EQ(Child<QLabel>(form, "lblPrtrName")->text(), "PDF on FILE:");
        // The built-in PDF printer is a choice: no warning about its file port.
        EXPECT_TRUE(messages.empty());
        QTest::mouseClick(Child<QPushButton>(form, "ExitButton"), Qt::LeftButton);
    });
    EXPECT_EQ(Value("dprtr"), "PDF,pdf,FILE:");
    EXPECT_EQ(Value("dfont"), "Times New Roman");
    EXPECT_EQ(state.ReportPrinter, "PDF,pdf,FILE:");
}

TEST_F(PrefsGuiTest, F1AndTheHelpButtonOpenEachDialogsTopic) {
    testing::InstallHelpCollection(folder.Path());
    WithForm("mnuFilePref", [&](QDialog& form) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        EXPECT_EQ(testing::ShownHelpPage(window.Help()), "preferences.html");
        Click(Child<QPushButton>(form, "cmdCancel"));
    });
    WithForm("mnuFilePrtSetup", [&](QDialog& form) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        EXPECT_EQ(testing::ShownHelpPage(window.Help()), "printer-setup.html");
        window.Help().Window()->close();
        QTest::mouseClick(Child<QPushButton>(form, "cmdHelp"), Qt::LeftButton);
        EXPECT_EQ(testing::ShownHelpPage(window.Help()), "printer-setup.html");
        QTest::mouseClick(Child<QPushButton>(form, "cmdCancel"), Qt::LeftButton);
    });
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace quorvia
