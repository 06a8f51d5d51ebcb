// The calculator window inside the real main window: typed into with key clicks, Calculate,
// Copy Values into the amortization form, and on to the preview of the copied loan.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <deque>

#include "desktop/amortization/AmortForm.h"
#include "desktop/app/LogoForm.h"
#include "desktop/app/MainWindow.h"
#include "desktop/calculator/LncalcForm.h"
#include "desktop/reports/PreviewWindow.h"
#include "support/FakePrinterService.h"
#include "support/HelpCollection.h"
#include "support/MainWindowFixture.h"
#include "support/QueuedAnswers.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

class LncalcGuiTest : public ::testing::Test, protected testing::MainWindowParts {
  protected:
    void Start() {
        EXPECT_TRUE(window.Start(folder.Path(), [] { return OtherCopy::None; }));
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    // Starts the program and opens the calculator from its menu entry.
    LncalcForm* OpenCalculator() {
        Start();
        window.Action(MainAction::mnuCalc)->trigger();
        return window.OpenCalcForm();
    }

    template <typename T = QLineEdit>
    T* Control(QWidget* form, const char* name) {
        T* widget = form->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QWidget* Focused() const { return QApplication::focusWidget(); }
    bool Pressed(MainAction action) const { return window.Action(action)->isChecked(); }
    void DeleteClosedWindows() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// Reads how many pages the preview shows from a timer while the preview's own event loop
// runs, then closes it.
class PreviewWatcher {
  public:
    PreviewWatcher() {
        QObject::connect(&poll_, &QTimer::timeout, [this] { Look(); });
        poll_.start(10);
    }
    int pages = 0;

  private:
    void Look() {
        auto* preview = qobject_cast<PreviewWindow*>(QApplication::activeModalWidget());
        if (preview == nullptr || !preview->isVisible()) {
            if (++ticks_ > 1000 && QApplication::activeModalWidget() != nullptr) {
                QApplication::activeModalWidget()->close();  // never hang the test run
            }
            return;
        }
        poll_.stop();
        pages = preview->Model().Document().PageCount();
        QTest::keyClick(preview->findChild<QWidget*>("ThePage"), Qt::Key_Escape);
    }

    QTimer poll_;
    int ticks_ = 0;
};

TEST_F(LncalcGuiTest, CalculatesCopiesAndTheCopiedLoanIsScheduled) {
    LncalcForm* calc = OpenCalculator();
    ASSERT_NE(calc, nullptr);
    auto* calcWindow = qobject_cast<QMdiSubWindow*>(calc->parentWidget());
    ASSERT_NE(calcWindow, nullptr);
    EXPECT_EQ(calcWindow->windowTitle(), "Loan Calculator");
    // At its place, unless the screen is too narrow for the working area to hold it there.
    QRect area = window.WorkArea()->viewport()->rect();
    EXPECT_EQ(calcWindow->pos(), QPoint(std::min(260, area.width() - calcWindow->width()), 27));
    EXPECT_TRUE(area.contains(calcWindow->geometry())) << area.width() << "x" << area.height();
    EXPECT_TRUE(state.FormOpen[2]);
    EXPECT_FALSE(window.Action(MainAction::mnuCalc)->isEnabled());
    EXPECT_TRUE(window.Action(MainAction::tbCopy)->isEnabled());
    EXPECT_TRUE(Pressed(MainAction::tbCalc));
    EXPECT_FALSE(window.Logo()->isVisible());

    // Focus in the loan amount: type, and Enter moves along the chain.
    QLineEdit* amount = Control(calc, "txtLnAmt");
    amount->setFocus();
    QTest::keyClicks(amount, "100000");
    QTest::keyClick(amount, Qt::Key_Return);
    EXPECT_EQ(amount->text(), "100000.00");
    ASSERT_EQ(Focused(), Control(calc, "txtRate"));
    QTest::keyClicks(Focused(), "8");
    QTest::keyClick(Focused(), Qt::Key_Return);
    QTest::keyClicks(Focused(), "360");
    QTest::keyClick(Focused(), Qt::Key_Return);
    ASSERT_EQ(Focused(), Control(calc, "txtPymt"));
    QTest::keyClicks(Focused(), "0");
    QTest::keyClick(Focused(), Qt::Key_Return);
    EXPECT_EQ(Focused()->objectName(), "optFreq(1)");
    EXPECT_EQ(Control<QLabel>(calc, "pnlStatus")->text(),
              "Select the frequency of scheduled loan payments for this loan");
    QTest::keyClick(Focused(), Qt::Key_Return);
    EXPECT_EQ(Focused()->objectName(), "cmdCalc");
    QTest::keyClick(Focused(), Qt::Key_Return);
    EXPECT_EQ(Control(calc, "txtPymt")->text(), "733.76");
    EXPECT_EQ(Control(calc, "txtRate")->text(), "8.0000");
    EXPECT_EQ(Control(calc, "txtMonths")->text(), "360");
    EXPECT_EQ(Focused(), amount);
    EXPECT_TRUE(messages.empty());

    // Copy Values by its access key: the amortization form opens with the loan.
    QTest::keyClick(Focused(), Qt::Key_O, Qt::AltModifier);
    AmortForm* amort = window.OpenAmortForm();
    ASSERT_NE(amort, nullptr);
    EXPECT_TRUE(amort->isVisible());
    EXPECT_EQ(Control(amort, "txtAmount")->text(), "100000.00");
    EXPECT_EQ(Control(amort, "txtRate")->text(), "8.0000");
    EXPECT_EQ(Control(amort, "txtTerm")->text(), "360");
    EXPECT_EQ(Control(amort, "txtPymt")->text(), "733.76");
    EXPECT_EQ(Control(amort, "txtStartDt")->text(), "12/07/2026");
    EXPECT_EQ(Control(amort, "txtPymt1")->text(), "01/07/2027");
    EXPECT_TRUE(Control<QRadioButton>(amort, "optFreq(1)")->isChecked());
    EXPECT_EQ(window.WorkArea()->activeSubWindow()->widget(), amort);
    EXPECT_TRUE(Pressed(MainAction::tbAmort));
    EXPECT_FALSE(Pressed(MainAction::tbCalc));
    EXPECT_FALSE(window.Action(MainAction::mnuAmort)->isEnabled());
    EXPECT_TRUE(window.Action(MainAction::mnuFilePrint)->isEnabled());
    EXPECT_EQ(Focused(), Control(amort, "txtName"));
    EXPECT_EQ(calc->Model().pnlStatus, "");
    EXPECT_TRUE(messages.empty());

    answers.assign(5, MsgAnswer::Yes);
    PreviewWatcher preview;
    QTest::mouseClick(Control<QPushButton>(amort, "comOK"), Qt::LeftButton);
    EXPECT_GT(preview.pages, 1);
    EXPECT_TRUE(messages.empty()) << messages.front().title << ": " << messages.front().prompt;
}

TEST_F(LncalcGuiTest, FieldsKeepTheirEntryTextsAndTheFailureBoxNamesTheFault) {
    LncalcForm* calc = OpenCalculator();
    ASSERT_NE(calc, nullptr);
    EXPECT_EQ(Control<QLabel>(calc, "lblCaption")->text(),
              "Enter 0 (zero) for the Variable to be Calculated");
    EXPECT_EQ(Control<QLabel>(calc, "lblSpecial")->text(), "Special: ");
    EXPECT_EQ(Control<QRadioButton>(calc, "optFreq(5)")->text(), "Bi-Weekly (every 2 wks)");
    EXPECT_EQ(Control<QPushButton>(calc, "cmdCopy")->text(), "C&opy Values");
    EXPECT_EQ(Control<QPushButton>(calc, "cmdCopy")->toolTip(),
              " Copies entries to the Amortization Schedule form ");
    EXPECT_EQ(Control(calc, "txtRate")->text(), "0.0000");
    EXPECT_TRUE(Control<QRadioButton>(calc, "optFreq(1)")->isChecked());

    window.Action(MainAction::mnuHelpTips)->trigger();
    EXPECT_EQ(Control<QPushButton>(calc, "cmdCopy")->toolTip(), "");
    window.Action(MainAction::mnuHelpTips)->trigger();
    EXPECT_EQ(Control<QPushButton>(calc, "cmdQuit")->toolTip(),
              " Closes the Loan Calculator window ");

    // Alt+R reaches the rate through its label; the whole text is selected.
    QTest::keyClick(Focused(), Qt::Key_R, Qt::AltModifier);
    QLineEdit* rate = Control(calc, "txtRate");
    ASSERT_EQ(Focused(), rate);
    EXPECT_EQ(rate->selectedText(), "0.0000");
    EXPECT_EQ(Control<QLabel>(calc, "pnlStatus")->text(),
              "Enter the annual interest rate (note rate) or zero to calculate");
    QTest::keyClicks(rate, "7.5%");
    QTest::keyClick(rate, Qt::Key_Escape);
    EXPECT_EQ(rate->text(), "0.0000");
    EXPECT_EQ(rate->selectedText(), "0.0000");
    QTest::keyClicks(rate, "7.5%");
    QTest::keyClick(rate, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(rate->text(), "7.5000");

    // Nothing to solve for: the box, and the focus back in the loan amount.
    QTest::keyClick(Focused(), Qt::Key_C, Qt::AltModifier);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "E R R O R   M E S S A G E");
    EXPECT_EQ(messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(Focused(), Control(calc, "txtLnAmt"));

    // Copy with no loan amount is refused; nothing opens.
    QTest::keyClick(Focused(), Qt::Key_O, Qt::AltModifier);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].prompt, "No principal amount entered!");
    EXPECT_EQ(window.OpenAmortForm(), nullptr);
    EXPECT_FALSE(state.FormOpen[1]);
}

// An amount that is not a number is said so once, and keeps the focus; Clear Values is
// reached without a word.
TEST_F(LncalcGuiTest, AnAmountThatIsNotANumberKeepsTheFocusInItsField) {
    LncalcForm* calc = OpenCalculator();
    ASSERT_NE(calc, nullptr);
    QLineEdit* amount = Control(calc, "txtLnAmt");
    amount->setFocus();
    QTest::keyClicks(amount, "(250000)");
    QTest::keyClick(amount, Qt::Key_Tab);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "NOT A NUMBER");
    EXPECT_EQ(Focused(), amount);
    EXPECT_EQ(amount->text(), "(250000)");

    QTest::mouseClick(Control<QPushButton>(calc, "cmdClear"), Qt::LeftButton);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(amount->text(), "0.00");
}

TEST_F(LncalcGuiTest, ClosingLeavesNothingBehindAndTheNextOpeningStartsAfresh) {
    folder.Write("quorvia.ini", "[Prefs]\r\ndrate=9.2500\r\n");
    LncalcForm* calc = OpenCalculator();
    ASSERT_NE(calc, nullptr);
    EXPECT_EQ(Control(calc, "txtRate")->text(), "9.2500");
    QLineEdit* amount = Control(calc, "txtLnAmt");
    amount->setFocus();
    QTest::keyClicks(amount, "5000");

    // Quit by its access key.
    QTest::keyClick(amount, Qt::Key_Q, Qt::AltModifier);
    DeleteClosedWindows();
    EXPECT_EQ(window.OpenCalcForm(), nullptr);
    EXPECT_FALSE(state.FormOpen[2]);
    EXPECT_TRUE(window.Action(MainAction::mnuCalc)->isEnabled());
    EXPECT_FALSE(window.Action(MainAction::tbCopy)->isEnabled());
    EXPECT_FALSE(Pressed(MainAction::tbCalc));
    EXPECT_TRUE(window.Logo()->isVisible());

    // The toolbar opens a fresh one; Close All then closes it without a question.
    window.Action(MainAction::tbCalc)->trigger();
    calc = window.OpenCalcForm();
    ASSERT_NE(calc, nullptr);
    EXPECT_EQ(Control(calc, "txtLnAmt")->text(), "0.00");
    state.InputUnsaved = true;
    window.Action(MainAction::mnuWinClose)->trigger();
    DeleteClosedWindows();
    EXPECT_EQ(window.OpenCalcForm(), nullptr);
    EXPECT_FALSE(state.FormOpen[2]);
    EXPECT_TRUE(messages.empty());
}

TEST_F(LncalcGuiTest, WithBothFormsOpenTheToolbarCopiesAndTheAmortizationFormKeepsItsPlace) {
    Start();
    window.Action(MainAction::mnuAmort)->trigger();
    AmortForm* amort = window.OpenAmortForm();
    ASSERT_NE(amort, nullptr);
    window.Action(MainAction::mnuCalc)->trigger();
    LncalcForm* calc = window.OpenCalcForm();
    ASSERT_NE(calc, nullptr);
    EXPECT_TRUE(Pressed(MainAction::tbCalc));
    EXPECT_FALSE(Pressed(MainAction::tbAmort));

    // The labels' access keys belong to the active form: Alt+P is the calculator's payment.
    QTest::keyClick(Focused(), Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(Focused(), Control(calc, "txtPymt"));

    QLineEdit* amount = Control(calc, "txtLnAmt");
    amount->setFocus();
    QTest::keyClicks(amount, "25000");
    // A click on the button's circle: the option's row is wider than its caption.
    auto* quarterly = Control<QRadioButton>(calc, "optFreq(2)");
    QTest::mouseClick(quarterly, Qt::LeftButton, {}, QPoint(8, quarterly->height() / 2));
    EXPECT_EQ(calc->Model().optFreq, 2);
    window.Action(MainAction::tbAmort)->trigger();
    EXPECT_TRUE(Pressed(MainAction::tbAmort));

    // tbCopy works from whichever form is active.
    window.Action(MainAction::tbCopy)->trigger();
    EXPECT_EQ(Control(amort, "txtAmount")->text(), "25000.00");
    EXPECT_TRUE(Control<QRadioButton>(amort, "optFreq(2)")->isChecked());
    EXPECT_EQ(Control(amort, "txtPymt1")->text(), "03/07/2027");
    EXPECT_EQ(window.WorkArea()->subWindowList().size(), 2);
    EXPECT_TRUE(messages.empty());

    // The calculator closing hands the pressed button back to the amortization form.
    window.Action(MainAction::tbCalc)->trigger();
    QTest::keyClick(Focused(), Qt::Key_Q, Qt::AltModifier);
    DeleteClosedWindows();
    EXPECT_TRUE(Pressed(MainAction::tbAmort));
    EXPECT_FALSE(Pressed(MainAction::tbCalc));
}

TEST_F(LncalcGuiTest, F1AndTheToolbarsHelpOpenTheCalculatorsTopic) {
    LncalcForm* calc = OpenCalculator();
    testing::InstallHelpCollection(folder.Path());
    QTest::keyClick(Control(calc, "txtLnAmt"), Qt::Key_F1);
    EXPECT_EQ(testing::ShownHelpPage(window.Help()), "calculator-form.html");

    window.Action(MainAction::mnuHelpInfo)->trigger();
    EXPECT_EQ(testing::ShownHelpPage(window.Help()), "overview.html");
    window.Action(MainAction::tbHelp)->trigger();
    EXPECT_EQ(testing::ShownHelpPage(window.Help()), "calculator-form.html");
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace quorvia
