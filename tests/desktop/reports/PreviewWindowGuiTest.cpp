// The preview window on a composed 360-payment report, driven by keys as the person would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/reports/GotoPageControl.h"
#include "core/schedule/ScheduleCsv.h"
#include "desktop/help/HelpKey.h"
#include "desktop/reports/GotoPageDialog.h"
#include "desktop/reports/PreviewWindow.h"
#include "support/BatchProcess.h"
#include "support/FakePrinterService.h"
#include "support/PreviewTestSupport.h"
#include "support/ScheduleTestSupport.h"
#include "support/ScriptedFileChooser.h"
#include "support/ScriptedHelp.h"
#include "support/ScriptedPrintDialog.h"

namespace quorvia {
namespace {

using testing::DerivedLoan;
using testing::RecordingStatus;
using testing::ScriptedFontChooser;

void Press(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &press);
    QApplication::processEvents();
}

// The preview of a 360-payment monthly loan, its messages and beeps recorded.
class PreviewWindowGuiTest : public ::testing::Test, protected testing::ComputedLoan {
  protected:
    PreviewWindowGuiTest() {
        ui.SetBeepHook([this] { ++beeps; });
        ui.SetMessageHook([this](const Message& message) {
            messages.push_back(message);
            return std::optional<MsgAnswer>(MsgAnswer::Ok);
        });
    }

    void Show() {
        ASSERT_TRUE(written);
        ASSERT_TRUE(window.Load(schedule.scheduledCount, kColumnarNoGrid));
        window.show();
        QApplication::processEvents();
    }

    QtUi ui;
    std::vector<Message> messages;
    int beeps = 0;
    FakePrinterService printers{{PdfPrinter()}};
    RecordingStatus status;
    ScriptedFontChooser fonts;
    testing::ScriptedFileChooser files;
    CDialog dialog{ui, fonts, files};
    testing::ScriptedPrintDialog printDialogs;
    SharedPDialog printDialog{ui, printers, printDialogs, state.PrintOrientation,
                              state.PrintPaperSize};
    QtReportPrinter printOutput;
    PreviewWindow window{state, ui, printers, status, dialog, printDialog, printOutput};
};

TEST_F(PreviewWindowGuiTest, PagesThroughTheReportAndClosesOnlyThroughEsc) {
    Show();

    const int pages = window.Model().Document().PageCount();
    ASSERT_GT(pages, 5);
    auto* label = window.findChild<QLabel*>("PageLabel");
    auto* page = window.findChild<QWidget*>("ThePage");
    ASSERT_NE(label, nullptr);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(label->text(), QString("Page 1 of %1").arg(pages));
    EXPECT_EQ(window.windowTitle(), "Amortization Schedule");
    EXPECT_EQ(window.findChild<QComboBox*>("cmbZoom")->currentText(), "80%");
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(page->width(), window.ToPixels(9792));
    EXPECT_FALSE(window.findChild<QPushButton*>("FirstButton")->isEnabled());
    EXPECT_TRUE(window.findChild<QScrollBar*>("VS")->isVisible());
    // The controls the focus and the tooltips name are the widgets of those names.
    for (std::string_view name : kPreviewControlNames) {
        EXPECT_NE(window.findChild<QWidget*>(QString::fromUtf8(name.data(), name.size())), nullptr)
            << name;
    }
    EXPECT_EQ(window.findChild<QPushButton*>("CloseButton")->toolTip(),
              " Close & exit the print preview window ");
    EXPECT_EQ(window.findChild<QComboBox*>("cmbZoom")->toolTip(),
              " Zoom in or out on the displayed report ");

    Press(page, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(label->text(), QString("Page %1 of %1").arg(pages));
    EXPECT_FALSE(window.findChild<QPushButton*>("LastButton")->isEnabled());
    EXPECT_TRUE(window.findChild<QPushButton*>("FirstButton")->isEnabled());

    window.findChild<QPushButton*>("FirstButton")->click();
    EXPECT_EQ(label->text(), QString("Page 1 of %1").arg(pages));

    window.close();  // the title bar's close is refused
    QApplication::processEvents();
    EXPECT_TRUE(window.isVisible());

    Press(page, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_TRUE(messages.empty());
}

void Wheel(QWidget* widget, int notches, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent wheel(centre, widget->mapToGlobal(centre), QPoint(),
                      QPoint(0, notches * QWheelEvent::DefaultDeltasPerStep), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
    QApplication::processEvents();
}

// A 360-payment report at 100 %, where the page is larger than the window both ways.
TEST_F(PreviewWindowGuiTest, OneKeyBeepsOnceAndTheWheelScrollsThePage) {
    Show();
    QRect area = window.screen()->availableGeometry();
    EXPECT_TRUE(area.contains(window.frameGeometry()))
        << window.frameGeometry().x() << "," << window.frameGeometry().y() << " "
        << window.frameGeometry().width() << "x" << window.frameGeometry().height() << " in "
        << area.width() << "x" << area.height() << " min " << window.minimumSizeHint().width();
    window.resize(500, 400);
    QApplication::processEvents();
    auto* zoom = window.findChild<QComboBox*>("cmbZoom");
    emit zoom->activated(zoom->findText("100%"));
    QApplication::processEvents();
    auto* page = window.findChild<QWidget*>("ThePage");
    auto* vs = window.findChild<QScrollBar*>("VS");
    auto* hs = window.findChild<QScrollBar*>("HS");
    ASSERT_TRUE(vs->isVisible());
    ASSERT_TRUE(hs->isVisible());

    Press(page, Qt::Key_A);
    EXPECT_EQ(beeps, 1);
    Press(vs, Qt::Key_A);
    EXPECT_EQ(beeps, 2);

    const int top = vs->value();
    const int left = hs->value();
    Wheel(page, -1);
    EXPECT_GT(vs->value(), top);
    EXPECT_EQ(hs->value(), left);
    EXPECT_EQ(window.Model().VS.value, vs->value());
    Wheel(page, -1, Qt::ShiftModifier);
    EXPECT_GT(hs->value(), left);
    Wheel(page, 1);
    EXPECT_EQ(vs->value(), top);
    EXPECT_EQ(beeps, 2);
}

void Type(QWidget* widget, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QApplication::processEvents();
}

TEST(GotoPageDialogGuiTest, TakesDigitsOnlyAndGoesOnEnter) {
    QtUi ui;
    std::vector<Message> messages;
    ui.SetMessageHook([&messages](const Message& message) {
        messages.push_back(message);
        return std::optional<MsgAnswer>(MsgAnswer::Ok);
    });
    GotoPageDialog dialog(ui, 12);
    ui.SetActiveForm(&dialog);
    dialog.show();
    QApplication::processEvents();
    QLineEdit* input = dialog.Input();
    // The focus after a refused page finds the input by its name.
    EXPECT_EQ(input->objectName().toStdString(), NameOf(GotoPageControl::ThisInput));
    for (std::string_view name : kGotoPageControlNames) {
        EXPECT_NE(dialog.findChild<QWidget*>(QString::fromUtf8(name.data(), name.size())), nullptr)
            << name;
    }
    Type(input, Qt::Key_A, "a");
    Type(input, Qt::Key_1, "1");
    Type(input, Qt::Key_Minus, "-");
    Type(input, Qt::Key_3, "3");
    EXPECT_EQ(input->text(), "13");

    Type(input, Qt::Key_Return, "\r");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Sorry!");
    EXPECT_TRUE(dialog.isVisible());

    Type(input, Qt::Key_Backspace, "\b");
    Type(input, Qt::Key_Return, "\r");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Model().ThisInput, "1");
}

TEST_F(PreviewWindowGuiTest, F1OpensThePreviewTopicWithoutABeep) {
    Show();
    ScriptedHelp help;
    HelpKeyFilter f1(help, ui);
    qApp->installEventFilter(&f1);
    QWidget* focused = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
    QTest::keyClick(focused, Qt::Key_F1);
    qApp->removeEventFilter(&f1);
    EXPECT_EQ(help.Log(), std::vector<std::string>{"Context 3300"});
    EXPECT_EQ(beeps, 0);
}

// Pages in a PDF written by Qt: one "/Type /Page" object each.
int PdfPageCount(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string pdf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    int pages = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos;
         at = pdf.find("/Type /Page", at + 1)) {
        pages += pdf.compare(at, 12, "/Type /Pages") != 0;
    }
    return pages;
}

TEST_F(PreviewWindowGuiTest, CtrlPPrintsAPageRangeOnTheBuiltInPdfPrinterIntoTheChosenFile) {
    Show();
    const std::filesystem::path target = folder.Path() / "pages.pdf";
    printOutput.AskPdfFileName = [&] { return target.string(); };
    printDialog.Get();
    printDialogs.Queue(
        testing::ScriptedPrintDialog::Choice("PDF", kPdPageNums | kPdCollate, 2, 2, 3));
    auto* page = window.findChild<QWidget*>("ThePage");
    Press(page, Qt::Key_P, Qt::ControlModifier);

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Please note...");
    EXPECT_NE(messages[0].prompt.find("single copy"), std::string::npos);
    EXPECT_EQ(PdfPageCount(target), 2);
    EXPECT_EQ(window.findChild<QLabel*>("PageLabel")->text().left(7), "Page 1 ");

    printOutput.AskPdfFileName = [] { return std::string(); };  // the person cancels the name
    printDialogs.Queue(testing::ScriptedPrintDialog::Choice("PDF"));
    std::filesystem::remove(target);
    Press(page, Qt::Key_P, Qt::ControlModifier);
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_EQ(messages.size(), 1u);
}

// The schedule shown, exported as a workbook and as CSV through the program's file dialog.
TEST_F(PreviewWindowGuiTest, ExportWritesTheScheduleShownAsAWorkbookOrAsCsv) {
    auto* exportButton = window.findChild<QPushButton*>("ExportButton");
    ASSERT_NE(exportButton, nullptr);
    EXPECT_FALSE(exportButton->isEnabled());  // nothing to export yet
    window.SetSchedule(loan, schedule);
    Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_TRUE(exportButton->isEnabled());
    EXPECT_EQ(exportButton->toolTip(), " Export this schedule as an Excel workbook or a CSV file ");

    // A name without an extension takes the workbook filter's; the access key is Alt+E.
    files.Choose((folder / "schedule").string(), 1);
    exportButton->click();
    files.Choose((folder / "schedule.csv").string());
    QTest::keyClick(window.findChild<QWidget*>("ThePage"), Qt::Key_E, Qt::AltModifier);
    QApplication::processEvents();

    ASSERT_EQ(files.requests.size(), 2u);
    EXPECT_EQ(files.requests[0].title, "Export Schedule");
    EXPECT_EQ(files.requests[0].fileName, "Amortization Schedule.xlsx");
    EXPECT_EQ(TempFolder::Read(folder / "schedule.csv"), ScheduleCsv(schedule));
    testing::BatchRun check = testing::RunProgram(
        "/usr/bin/python3", (testing::SourceDir() / "tests/tools/workbook_check.py").string() +
                                " compare " + (folder / "schedule.xlsx").string() + " " +
                                (folder / "schedule.csv").string() + " ''");
    EXPECT_EQ(check.out + check.err, "ok\n");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(beeps, 0);
    EXPECT_TRUE(window.isVisible());
}

}  // namespace
}  // namespace quorvia
