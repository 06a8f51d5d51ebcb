#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QScreen>
#include <QSysInfo>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>

#include "desktop/platform/InstanceLock.h"
#include "desktop/platform/QtPrinterService.h"
#include "desktop/platform/QtUi.h"
#include "desktop/platform/ScreenFit.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

QString LockPath(const TempFolder& folder) {
    return QString::fromStdString((folder / "quorvia.lock").string());
}

TEST(InstanceLockTest, OneHolderAtATime) {
    TempFolder folder;
    auto first = std::make_unique<InstanceLock>(LockPath(folder));
    InstanceLock second(LockPath(folder));
    EXPECT_TRUE(first->TryLock());
    EXPECT_TRUE(first->TryLock());
    EXPECT_FALSE(second.TryLock());

    first.reset();
    EXPECT_TRUE(second.TryLock());
}

TEST(InstanceLockTest, TakesOverTheLockOfAnEndedCopy) {
    TempFolder folder;
    QFile stale(LockPath(folder));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    // A process number beyond the system's range is never running.
    stale.write("2147483000\n" + QCoreApplication::applicationName().toUtf8() + "\n" +
                QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();

    InstanceLock lock(LockPath(folder));
    EXPECT_TRUE(lock.TryLock());
}

TEST(QtUiTest, HookAnswersAndHourglassStaysBalanced) {
    QtUi ui;
    Message seen;
    ui.SetMessageHook([&seen](const Message& message) {
        seen = message;
        return std::optional<MsgAnswer>(MsgAnswer::No);
    });
    EXPECT_EQ(ui.MsgBox({"Save?", "CAUTION", MsgButtons::YesNoCancel, MsgIcon::Question, 3}),
              MsgAnswer::No);
    EXPECT_EQ(seen.title, "CAUTION");
    EXPECT_EQ(seen.defaultButton, 3);

    ui.SetHourglass(true);
    ui.SetHourglass(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ui.SetHourglass(false);
    ui.SetHourglass(false);
    ui.SetHourglass(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    {
        QtUi forgetful;
        forgetful.SetHourglass(true);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtUiTest, FocusByControlNameWaitsForHiddenControls) {
    QWidget form;
    auto* layout = new QVBoxLayout(&form);
    auto* name = new QLineEdit("Jones", &form);
    name->setObjectName("txtName");
    auto* odd = new QLineEdit(&form);
    odd->setObjectName("txtOdd");
    layout->addWidget(name);
    layout->addWidget(odd);
    odd->hide();
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    QtUi ui;
    ui.SetActiveForm(&form);
    ui.SetFocus("txtName");
    EXPECT_TRUE(name->hasFocus());
    ui.SelectAllText();
    EXPECT_EQ(name->selectedText(), "Jones");

    ui.SetFocus("txtOdd");
    EXPECT_TRUE(name->hasFocus());
    odd->show();
    ui.ApplyPendingFocus();
    EXPECT_TRUE(odd->hasFocus());

    ui.SetFocus("txtMissing");
    ui.ApplyPendingFocus();
    EXPECT_TRUE(odd->hasFocus());
}

TEST(QtUiTest, FocusAskedForInAnInactiveWindowArrivesWithItsActivation) {
    QWidget form;
    auto* layout = new QVBoxLayout(&form);
    auto* name = new QLineEdit(&form);
    name->setObjectName("txtName");
    auto* amount = new QLineEdit(&form);
    amount->setObjectName("txtAmount");
    layout->addWidget(name);
    layout->addWidget(amount);
    form.show();
    QWidget box;
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));

    QtUi ui;
    ui.SetActiveForm(&form);
    ui.SetFocus("txtAmount");
    // The window gives the focus to its own choice on activation; the request wins.
    name->setFocus();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_TRUE(QTest::qWaitFor([amount] { return amount->hasFocus(); }, 1000));
}

TEST(QtPrinterServiceTest, ThePdfPrinterIsAlwaysThere) {
    QtPrinterService printers;
    std::vector<PrinterInfo> listed = printers.Printers();
    ASSERT_FALSE(listed.empty());
    EXPECT_EQ(PrinterIdentity(listed.back()), "PDF,pdf,FILE:");
    ASSERT_TRUE(printers.CurrentPrinter().has_value());
    for (const PrinterInfo& printer : listed) {
        EXPECT_EQ(PrinterDeviceOf(PrinterIdentity(printer)), printer.device);
        EXPECT_EQ(PrinterPortOf(PrinterIdentity(printer)), printer.port);
    }

    EXPECT_TRUE(printers.MakeCurrent(PdfPrinter()));
    EXPECT_EQ(CurrentPrinterIdentity(printers), "PDF,pdf,FILE:");
    EXPECT_FALSE(printers.MakeCurrent({"Gone", "cups", "CUPS:"}));
    EXPECT_EQ(CurrentPrinterIdentity(printers), "PDF,pdf,FILE:");

    EXPECT_TRUE(printers.HasFont("Times New Roman"));
    EXPECT_FALSE(printers.HasFont("No Such Font Family"));
    EXPECT_FALSE(printers.Fonts().empty());
}

TEST(ScreenFitGuiTest, AWindowLargerThanTheScreenOrOutsideItIsBroughtIn) {
    QRect area = QApplication::primaryScreen()->availableGeometry();
    QWidget window;
    window.resize(area.width() + 500, area.height() + 300);
    window.move(area.left() - 200, area.bottom() - 10);
    KeepOnScreen(window);
    EXPECT_LE(window.width(), area.width());
    EXPECT_LE(window.height(), area.height());
    EXPECT_TRUE(area.contains(window.frameGeometry())) << window.frameGeometry().x();

    QWidget small;
    small.resize(200, 100);
    KeepOnScreen(small);
    EXPECT_EQ(small.size(), QSize(200, 100));
}

}  // namespace
}  // namespace quorvia
