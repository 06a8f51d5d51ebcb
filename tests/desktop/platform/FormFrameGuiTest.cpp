// The frame every form window stands on: a field that refuses its entry keeps the focus and the
// button is not pressed, keys reach the model with the form marked active, the close question
// can keep the window open, and a modal form closes when its model is done.
#include "desktop/platform/FormFrame.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "core/base/KeyCodes.h"
#include "desktop/platform/FormDialog.h"

namespace quorvia {
namespace {

// Two fields and a button; the first field refuses an entry of "bad" and keeps the focus.
class FrameForm : public QWidget {
  public:
    FrameForm(QtUi& ui, FormFrame::Keys keys)
        : ui_(ui), frame(*this, ui, keys, [this] { ++refreshes; }) {
        auto* layout = new QVBoxLayout(this);
        first = frame.Add(new QLineEdit, "txtFirst",
                          {[this] { heard.push_back("got txtFirst"); },
                           [this](std::string_view next) {
                               heard.push_back("left txtFirst for " + std::string(next));
                               if (first->text() == "bad") {
                                   ui_.SetFocus("txtFirst");
                               }
                           },
                           [this](int key) {
                               typed.push_back(key);
                               return key == 'x';
                           }});
        second = frame.Add(new QLineEdit, "txtSecond",
                           {[this] { heard.push_back("got txtSecond"); }, {}, {}});
        button = frame.AddButton(
            "cmdGo", "&Go", [this] { heard.push_back("pressed cmdGo"); },
            [this] { heard.push_back("got cmdGo"); });
        for (QWidget* widget : {static_cast<QWidget*>(first), static_cast<QWidget*>(second),
                                static_cast<QWidget*>(button)}) {
            layout->addWidget(widget);
        }
        layout->addWidget(frame.StatusPanel());
    }

    QtUi& ui_;
    FormFrame frame;
    QLineEdit* first;
    QLineEdit* second;
    QPushButton* button;
    std::vector<std::string> heard;
    std::vector<int> typed;
    int refreshes = 0;
};

class FormFrameGuiTest : public ::testing::Test {
  protected:
    void Show(FrameForm& form) {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        form.first->setFocus();
        form.heard.clear();
    }

    QtUi ui;
};

TEST_F(FormFrameGuiTest, AFieldThatRefusesItsEntryKeepsTheFocusAndTheButtonIsNotPressed) {
    FrameForm form(ui, FormFrame::Keys::Typing);
    Show(form);
    form.first->setText("bad");
    form.frame.ClickButton("cmdGo");
    EXPECT_TRUE(form.first->hasFocus());
    EXPECT_EQ(form.heard, (std::vector<std::string>{"left txtFirst for cmdGo", "got txtFirst"}));
    EXPECT_EQ(ui.ActiveForm(), &form);

    form.heard.clear();
    form.first->setText("good");
    form.frame.ClickButton("cmdGo");
    EXPECT_EQ(form.heard,
              (std::vector<std::string>{"left txtFirst for cmdGo", "got cmdGo", "pressed cmdGo"}));
}

TEST_F(FormFrameGuiTest, AFieldTheFormDisablesIsNotLeftByThePerson) {
    FrameForm form(ui, FormFrame::Keys::Typing);
    Show(form);
    form.first->setEnabled(false);
    EXPECT_EQ(form.heard, std::vector<std::string>{"got txtSecond"});
}

TEST_F(FormFrameGuiTest, KeysReachTheModelAsTheFormListensForThem) {
    FrameForm typing(ui, FormFrame::Keys::Typing);
    Show(typing);
    ui.SetActiveForm(nullptr);
    int refreshes = typing.refreshes;
    QTest::keyClicks(typing.first, "ax");
    QTest::keyClick(typing.first, Qt::Key_Backspace);
    EXPECT_EQ(typing.typed, (std::vector<int>{'a', 'x', key_code::kBackspace}));
    EXPECT_EQ(typing.first->text(), "");  // the x was taken, the a rubbed out
    EXPECT_EQ(ui.ActiveForm(), &typing);
    EXPECT_EQ(typing.refreshes, refreshes + 3);
    typing.close();

    FrameForm enterAndEsc(ui, FormFrame::Keys::EnterAndEsc);
    Show(enterAndEsc);
    QTest::keyClicks(enterAndEsc.first, "x");
    QTest::keyClick(enterAndEsc.first, Qt::Key_Escape);
    EXPECT_EQ(enterAndEsc.typed, std::vector<int>{key_code::kEsc});
    EXPECT_EQ(enterAndEsc.first->text(), "x");
    // Enter presses the command button that has the focus.
    enterAndEsc.button->setFocus();
    enterAndEsc.heard.clear();
    QTest::keyClick(enterAndEsc.button, Qt::Key_Return);
    EXPECT_EQ(enterAndEsc.heard, std::vector<std::string>{"pressed cmdGo"});
}

TEST_F(FormFrameGuiTest, TheCloseQuestionMayKeepTheWindowOpen) {
    FrameForm form(ui, FormFrame::Keys::Typing);
    Show(form);
    bool keepOpen = true;
    form.frame.SetCloseQuestion([&] { return keepOpen; });
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    keepOpen = false;
    EXPECT_TRUE(form.close());
}

TEST_F(FormFrameGuiTest, StatusTextShowsADoubledAmpersandOnce) {
    FrameForm form(ui, FormFrame::Keys::Typing);
    form.frame.ShowStatus("Printer && font");
    EXPECT_EQ(form.frame.StatusPanel()->text(), "Printer & font");
}

class DoneDialog : public FormDialog {
  public:
    explicit DoneDialog(QtUi& ui) : FormDialog(ui, "Done", nullptr) {
        finish = frame_.AddButton("cmdFinish", "&Finish", [this] { finished = true; });
        Load({[this] { steps.push_back("load"); }, [this] { steps.push_back("activate"); },
              [this] { steps.push_back("cancel"); }, [this] { return finished; }});
    }
    void Refresh() override {}

    QPushButton* finish;
    std::vector<std::string> steps;
    bool finished = false;
};

TEST_F(FormFrameGuiTest, AModalFormClosesWhenItsModelIsDoneAndItsOwnCloseIsCancel) {
    QWidget before;
    ui.SetActiveForm(&before);
    {
        DoneDialog dialog(ui);
        EXPECT_EQ(ui.ActiveForm(), &dialog);
        dialog.show();
        dialog.finish->click();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.steps, (std::vector<std::string>{"load", "activate"}));
    }
    EXPECT_EQ(ui.ActiveForm(), &before);

    DoneDialog cancelled(ui);
    cancelled.show();
    QTest::keyClick(&cancelled, Qt::Key_Escape);
    EXPECT_FALSE(cancelled.isVisible());
    EXPECT_EQ(cancelled.steps, (std::vector<std::string>{"load", "activate", "cancel"}));
}

}  // namespace
}  // namespace quorvia
