// The road of one schedule through the real windows: the amortization form typed into with
// key clicks, Okay, the status window and the engine, the preview, and the way back.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "desktop/amortization/AmortForm.h"
#include "desktop/app/MainWindow.h"
#include "desktop/reports/PreviewWindow.h"
#include "support/FakePrinterService.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

class ScheduleRoadGuiTest : public ::testing::Test {
  protected:
    ScheduleRoadGuiTest() : printers({PdfPrinter()}) {
        ui.SetMessageHook([this](const Message& message) {
            messages.push_back(message);
            return std::optional<MsgAnswer>(MsgAnswer::Yes);
        });
    }

    QLineEdit* Edit(AmortForm* form, const char* name) {
        auto* edit = form->findChild<QLineEdit*>(name);
        EXPECT_NE(edit, nullptr) << name;
        return edit;
    }

    void TypeInto(AmortForm* form, const char* name, const char* text) {
        QLineEdit* edit = Edit(form, name);
        edit->setFocus();
        QTest::keyClicks(edit, text);
    }

    TempFolder folder;
    AppState state;
    FakePrinterService printers;
    QtUi ui;
    std::vector<Message> messages;
    MainWindow window{state, printers, ui, [] { return MakeDate(2026, 12, 7); }};
};

// What the preview showed while it was open.
struct PreviewSeen {
    bool opened = false;
    QString firstLabel;
    int pageCount = 0;
    QString lastLabel;
    bool workFileThere = false;
};

TEST_F(ScheduleRoadGuiTest, OkayComputesPreviewsAndComesBackToTheForm) {
    ASSERT_TRUE(window.Start(folder.Path(), [] { return OtherCopy::None; }));
    window.Action(MainAction::mnuAmort)->trigger();
    AmortForm* form = window.OpenAmortForm();
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    TypeInto(form, "txtName", "Jane Borrower");
    TypeInto(form, "txtAmount", "100000");
    TypeInto(form, "txtRate", "8.5");
    TypeInto(form, "txtTerm", "360");
    EXPECT_EQ(Edit(form, "txtPymt1")->text(), "01/07/2027");  // one month from today

    // The preview runs its own event loop: look at it from a timer once it is up.
    PreviewSeen seen;
    QTimer poll;
    int ticks = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* preview = qobject_cast<PreviewWindow*>(QApplication::activeModalWidget());
        if (preview == nullptr || !preview->isVisible()) {
            if (++ticks > 1000 && QApplication::activeModalWidget() != nullptr) {
                QApplication::activeModalWidget()->close();  // never hang the test run
            }
            return;
        }
        poll.stop();
        seen.opened = true;
        seen.workFileThere = std::filesystem::exists(state.WorkFilePath());
        auto* label = preview->findChild<QLabel*>("PageLabel");
        seen.firstLabel = label->text();
        seen.pageCount = preview->Model().Document().PageCount();
        QWidget* page = preview->findChild<QWidget*>("ThePage");
        QTest::keyClick(page, Qt::Key_End, Qt::ControlModifier);
        seen.lastLabel = label->text();
        QTest::keyClick(page, Qt::Key_Escape);
    });
    poll.start(10);
    QTest::mouseClick(form->findChild<QPushButton*>("comOK"), Qt::LeftButton);

    ASSERT_TRUE(seen.opened) << (messages.empty() ? "" : messages.back().prompt);
    EXPECT_TRUE(messages.empty()) << messages.front().title << ": " << messages.front().prompt;
    EXPECT_TRUE(seen.workFileThere);
    EXPECT_GT(seen.pageCount, 1);
    EXPECT_EQ(seen.firstLabel, QString("Page 1 of %1").arg(seen.pageCount));
    EXPECT_EQ(seen.lastLabel, QString("Page %1 of %1").arg(seen.pageCount));
    EXPECT_EQ(Edit(form, "txtPymt")->text(), "768.91");  // the derived payment, written back

    EXPECT_FALSE(std::filesystem::exists(state.WorkFilePath()));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "txtName");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace quorvia
