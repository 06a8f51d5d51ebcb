// Access keys that do one thing: in every window each key a person sees underlined reaches one
// control (the active form's before the menu bar's), an option's key chooses it, and the
// keyboard is back where it was when a dialog closes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "support/AccessKeyWalk.h"
#include "support/WindowTour.h"

namespace quorvia {
namespace {

TEST(AccessKeysGuiTest, EveryWindowsKeysEachReachOneControl) {
    testing::WindowTour tour;
    tour.Run([&](QWidget& window, const std::string& name) {
        if (auto* main = qobject_cast<QMainWindow*>(&window); main && main->menuBar()) {
            for (const std::string& fault : testing::WalkMenuBar(*main->menuBar())) {
                ADD_FAILURE() << name << ": " << fault;
            }
        }
        for (const std::string& fault : testing::WalkAccessKeys(window)) {
            ADD_FAILURE() << name << ": " << fault;
        }
    });
}

class AmortFormKeysGuiTest : public ::testing::Test {
  protected:
    AmortFormKeysGuiTest() {
        EXPECT_TRUE(tour.window.Start(tour.folder.Path(), [] { return OtherCopy::None; }));
        tour.window.Action(MainAction::mnuAmort)->trigger();
        form = tour.window.OpenAmortForm();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&tour.window));
    }
    template <typename T = QWidget>
    T* Control(const char* name) {
        return form->findChild<T*>(name);
    }
    void Press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier); }

    testing::WindowTour tour;
    AmortForm* form = nullptr;
};

TEST_F(AmortFormKeysGuiTest, TheFormsOwnKeysComeBeforeTheMenuBars) {
    Press(Qt::Key_Y);
    ASSERT_EQ(Control<QTabWidget>("vsTab")->currentIndex(), 1);
    Press(Qt::Key_G);
    EXPECT_TRUE(Control<QRadioButton>("optStyle(0)")->isChecked());
    // Alt+F chooses the fancy grid, every time, and leaves the File menu closed.
    for (int press = 0; press < 2; ++press) {
        Press(Qt::Key_F);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_TRUE(Control<QRadioButton>("optStyle(2)")->isChecked());
        EXPECT_TRUE(Control<QRadioButton>("optStyle(2)")->hasFocus());
    }
    EXPECT_EQ(form->Model().optStyle, 2);
    // Alt+C is Cancel alone: the style accepted before comes back.
    Press(Qt::Key_C);
    EXPECT_TRUE(Control("comClr")->hasFocus());
    EXPECT_EQ(form->Model().optStyle, form->Model().AcceptedStyle);
    EXPECT_NE(form->Model().optStyle, 2);

    // Back on the data tab, a key no control holds is the menu bar's.
    Press(Qt::Key_M);
    ASSERT_EQ(Control<QTabWidget>("vsTab")->currentIndex(), 0);
    Press(Qt::Key_F);
    EXPECT_EQ(QApplication::activePopupWidget(), tour.window.findChild<QMenu*>("mnuFile"));
    QApplication::activePopupWidget()->close();
}

TEST_F(AmortFormKeysGuiTest, OddDaysAndTheFundingDateHaveTheirKey) {
    Press(Qt::Key_D);
    EXPECT_EQ(QApplication::focusWidget(), Control("txtOdd"));
    EXPECT_EQ(Control<QTabWidget>("vsTab")->currentIndex(), 0);
    // The interest method's key reaches the chosen method without changing it.
    Press(Qt::Key_C);
    EXPECT_EQ(QApplication::focusWidget(), Control("optCalc(0)"));
    EXPECT_EQ(form->Model().optCalc, 0);
}

TEST_F(AmortFormKeysGuiTest, TheFocusComesBackWhenADialogCloses) {
    auto* rate = Control<QLineEdit>("txtRate");
    rate->setFocus();
    for (MainAction command :
         {MainAction::mnuFilePref, MainAction::mnuFilePrtSetup, MainAction::mnuHelpAbout}) {
        testing::WhenModalShows("QDialog",
                                [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
        tour.window.Action(command)->trigger();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&tour.window));
        EXPECT_EQ(QApplication::focusWidget(), rate)
            << tour.window.Action(command)->text().toStdString();
    }
}

}  // namespace
}  // namespace quorvia
