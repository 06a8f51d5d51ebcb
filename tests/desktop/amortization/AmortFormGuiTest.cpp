#include "desktop/amortization/AmortForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <vector>

#include "desktop/help/HelpKey.h"
#include "support/ScriptedHelp.h"

namespace quorvia {
namespace {

class RecordingRunner : public ScheduleRunner {
  public:
    void ComputeSchedule(AmortInputs& inputs) override { runs.push_back(inputs); }
    std::vector<AmortInputs> runs;
};

class CountingHost : public AmortFormHost {
  public:
    void QueueFileSaveAs() override { ++saveAs; }
    void UnloadAmortForm() override { ++unloads; }
    void UpdateMainCommands() override { ++updates; }
    int saveAs = 0;
    int unloads = 0;
    int updates = 0;
};

class AmortFormGuiTest : public ::testing::Test {
  protected:
    AmortFormGuiTest() {
        state.FormOpen[1] = true;
        ui.SetMessageHook([this](const Message& message) {
            messages.push_back(message);
            return std::optional<MsgAnswer>(MsgAnswer::No);
        });
        form.Load();
        form.show();
        form.activateWindow();
        form.Activate();
    }

    template <typename T>
    T* Control(const char* name) {
        T* widget = form.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* Edit(const char* name) { return Control<QLineEdit>(name); }
    QString Status() { return Control<QLabel>("pnlStatus")->text(); }

    AppState state;
    QtUi ui;
    RecordingRunner runner;
    CountingHost host;
    std::vector<Message> messages;
    AmortForm form{state, ui, [] { return MakeDate(2026, 12, 7); }, runner, host};
};

TEST_F(AmortFormGuiTest, ShowsTheFormsCaptionsAndDefaults) {
    auto* tabs = Control<QTabWidget>("vsTab");
    EXPECT_EQ(tabs->tabText(0), " A&mortization Data");
    EXPECT_EQ(tabs->tabText(1), "Report St&yle");
    EXPECT_EQ(Control<QPushButton>("comOK")->text(), "&Okay");
    EXPECT_EQ(Control<QPushButton>("comClr")->text(), "Clear &Values");
    EXPECT_EQ(Control<QPushButton>("comQuit")->text(), "&Quit");
    EXPECT_EQ(Control<QRadioButton>("optFreq(6)")->text(), "Semi-Monthly:");
    EXPECT_EQ(Control<QRadioButton>("optStyle(3)")->text(), "S&ummary Report only");
    EXPECT_EQ(Control<QCheckBox>("chkFix")->text(), "Fi&xed principal payments");
    EXPECT_EQ(Edit("txtAmount")->text(), "0.00");
    EXPECT_EQ(Edit("txtRate")->text(), "0.0000");
    EXPECT_EQ(Edit("txtPymt1")->text(), "01/07/2027");
    EXPECT_TRUE(Control<QRadioButton>("optFreq(1)")->isChecked());
    EXPECT_TRUE(Control<QRadioButton>("optCalc(0)")->isChecked());
    EXPECT_TRUE(Edit("txtOdd")->isVisible());
    EXPECT_FALSE(Edit("txtStartDt")->isVisible());
    EXPECT_EQ(Control<QLabel>("lblOdd")->text(), "Odd &Days to 1st pymt:");
    EXPECT_FALSE(state.InputUnsaved);
    EXPECT_EQ(Control<QPushButton>("comQuit")->toolTip(),
              " Closes the Amortization Schedule window ");
}

TEST_F(AmortFormGuiTest, TypingReachesTheModelAndEnterMovesOn) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_TRUE(Edit("txtName")->hasFocus());
    EXPECT_TRUE(Status().startsWith("Enter borrower's name"));

    Edit("txtAmount")->setFocus();
    EXPECT_EQ(Status(), "Enter the amount of the loan proceeds");
    QTest::keyClicks(Edit("txtAmount"), "1234.5");
    EXPECT_EQ(form.Model().txtAmount.text, "1234.5");
    EXPECT_TRUE(state.InputUnsaved);

    QTest::keyClick(Edit("txtAmount"), Qt::Key_Return);
    EXPECT_TRUE(Edit("txtRate")->hasFocus());
    EXPECT_EQ(Edit("txtAmount")->text(), "1234.50");
    EXPECT_EQ(form.Model().txtAmount.text, "1234.50");

    // The rate takes digits and one point; the whole text was selected on focus.
    QTest::keyClicks(Edit("txtRate"), "8x.5.5");
    EXPECT_EQ(Edit("txtRate")->text(), "8.55");
    QTest::keyClick(Edit("txtRate"), Qt::Key_Escape);
    EXPECT_EQ(Edit("txtRate")->text(), "0.0000");
    EXPECT_EQ(Edit("txtRate")->selectedText(), "0.0000");

    Control<QCheckBox>("chkFix")->setFocus();
    EXPECT_TRUE(Status().contains("principal pymt. & add accrued"));
}

TEST_F(AmortFormGuiTest, TheInterestMethodShowsItsStartField) {
    QTest::mouseClick(Control<QRadioButton>("optCalc(1)"), Qt::LeftButton);
    EXPECT_EQ(form.Model().optCalc, 1);
    EXPECT_TRUE(Edit("txtStartDt")->isVisible());
    EXPECT_FALSE(Edit("txtOdd")->isVisible());
    EXPECT_EQ(Control<QLabel>("lblOdd")->text(), "Loan funding &date:");

    QTest::mouseClick(Control<QRadioButton>("optFreq(6)"), Qt::LeftButton);
    EXPECT_EQ(form.Model().optFreq, 6);
    EXPECT_EQ(Control<QWidget>("cboSemiMthly")->isVisible(), form.Model().cboSemiMthly.visible);
}

TEST_F(AmortFormGuiTest, TheStyleTabAndTheButtons) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    auto* tabs = Control<QTabWidget>("vsTab");
    tabs->setCurrentIndex(1);
    EXPECT_EQ(form.Model().Tab, AmortFormModel::kStyleTab);
    EXPECT_EQ(Control<QPushButton>("comClr")->text(), "&Cancel");
    EXPECT_EQ(Control<QPushButton>("comOK")->toolTip(),
              " Accepts selected style and returns to the Data tab ");

    Control<QRadioButton>("optStyle(2)")->click();
    form.ClickButton("comOK");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(form.Model().AcceptedStyle, 2);
    EXPECT_TRUE(state.InputUnsaved);
    EXPECT_TRUE(Edit("txtName")->hasFocus());

    // Okay without a loan amount stops at the amount; nothing is computed.
    form.ClickButton("comOK");
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().prompt, "Loan Amount MUST contain a value!");
    EXPECT_TRUE(runner.runs.empty());
    EXPECT_TRUE(Edit("txtAmount")->hasFocus());

    // The amount's whole text is selected: typing replaces it.
    QTest::keyClicks(Edit("txtAmount"), "10000");
    Edit("txtRate")->setFocus();
    QTest::keyClicks(Edit("txtRate"), "8");
    Edit("txtTerm")->setFocus();
    QTest::keyClicks(Edit("txtTerm"), "12");
    EXPECT_EQ(form.Model().txtAmount.text, "10000.00");
    EXPECT_EQ(form.Model().txtRate.text, "8.0000");
    form.ClickButton("comOK");
    ASSERT_EQ(runner.runs.size(), 1u);
    EXPECT_DOUBLE_EQ(runner.runs[0].LoanAmount, 10000);
    EXPECT_EQ(Edit("txtPymt")->text(), QString::fromStdString(form.Model().txtPymt.text));
    EXPECT_NE(Edit("txtPymt")->text(), "0.00");

    state.ToolTipsChecked = false;
    form.ApplyToolTips();
    EXPECT_TRUE(Control<QPushButton>("comOK")->toolTip().isEmpty());
}

// An access key first moves the focus to its button, so the field being edited is left (and
// reformatted) before the button acts, and a stop at that field selects its text again.
TEST_F(AmortFormGuiTest, AnAccessKeyLeavesTheFieldBeforeItsButtonActs) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    Edit("txtAmount")->setFocus();
    QTest::keyClicks(Edit("txtAmount"), "1234.5");
    Edit("txtTerm")->setFocus();
    QTest::keyClicks(Edit("txtTerm"), "601");
    QTest::keyClick(Edit("txtTerm"), Qt::Key_O, Qt::AltModifier);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, "Maximum term is 600 months!");
    EXPECT_EQ(form.Model().txtAmount.text, "1234.50");
    EXPECT_TRUE(Edit("txtTerm")->hasFocus());
    EXPECT_EQ(Edit("txtTerm")->selectedText(), "601");
    QTest::keyClicks(Edit("txtTerm"), "360");
    EXPECT_EQ(Edit("txtTerm")->text(), "360");

    // The first payment date is checked and rewritten on its way to the button.
    Edit("txtPymt1")->setFocus();
    QTest::keyClicks(Edit("txtPymt1"), "1/7/27");
    messages.clear();
    QTest::keyClick(Edit("txtPymt1"), Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(Edit("txtPymt1")->text(), "01/07/2027");
    EXPECT_EQ(runner.runs.size(), 1u);
}

// The toolbar's Print (and New) press the form's buttons the way their access keys do: a field
// that refuses its entry keeps the focus, and the button does not act on the refused entry.
TEST_F(AmortFormGuiTest, AButtonPressedForTheToolbarWaitsForTheFieldBeingLeft) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    Edit("txtAmount")->setFocus();
    QTest::keyClicks(Edit("txtAmount"), "1000");
    Edit("txtTerm")->setFocus();
    QTest::keyClicks(Edit("txtTerm"), "12");
    Edit("txtPymt1")->setFocus();
    QTest::keyClicks(Edit("txtPymt1"), "13/45/27");
    messages.clear();
    form.ClickButton("comOK");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "W A R N I N G");
    EXPECT_TRUE(Edit("txtPymt1")->hasFocus());
    EXPECT_TRUE(runner.runs.empty());

    // Once the field takes its entry the button acts: its checks go on to the odd days.
    QTest::keyClicks(Edit("txtPymt1"), "01/15/2027");
    form.ClickButton("comOK");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].prompt.rfind("1st payment date is entered as 01/15/2027", 0), 0u);
}

// Clearing a semi-monthly loan while its pair list has the focus hides the list; the list is
// not being left by the person, so its date check does not run on the now-monthly loan.
TEST_F(AmortFormGuiTest, AHiddenControlIsNotLeft) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::mouseClick(Control<QRadioButton>("optCalc(1)"), Qt::LeftButton);
    QTest::mouseClick(Control<QRadioButton>("optFreq(6)"), Qt::LeftButton);
    auto* pairs = Control<QWidget>("cboSemiMthly");
    ASSERT_TRUE(pairs->isVisible());
    pairs->setFocus();
    messages.clear();
    Control<QPushButton>("comClr")->click();
    QApplication::processEvents();
    EXPECT_FALSE(pairs->isVisible());
    EXPECT_FALSE(pairs->hasFocus());
    EXPECT_EQ(form.Model().optFreq, kMonthly);
    ASSERT_EQ(messages.size(), 1u) << messages.back().title;
    EXPECT_EQ(messages[0].title, "CAUTION");
    EXPECT_EQ(Edit("txtPymt1")->text(), "01/07/2027");
}

TEST_F(AmortFormGuiTest, ClosingAsksAboutUnsavedInput) {
    state.InputUnsaved = true;
    // Answered No: the input is dropped and the form closes.
    EXPECT_TRUE(form.close());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "CAUTION");
    EXPECT_FALSE(state.InputUnsaved);
    EXPECT_FALSE(state.FormOpen[1]);
    EXPECT_GE(host.updates, 2);
}

TEST_F(AmortFormGuiTest, F1InAnyFieldOpensTheFormsHelpTopic) {
    ScriptedHelp help;
    HelpKeyFilter f1(help, ui);
    qApp->installEventFilter(&f1);
    QTest::keyClick(Edit("txtRate"), Qt::Key_F1);
    QTest::keyClick(Control<QPushButton>("comOK"), Qt::Key_F1);
    qApp->removeEventFilter(&f1);
    EXPECT_EQ(help.Log(), (std::vector<std::string>{"Context 2100", "Context 2100"}));
    EXPECT_EQ(Edit("txtRate")->text(), "0.0000");
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace quorvia
