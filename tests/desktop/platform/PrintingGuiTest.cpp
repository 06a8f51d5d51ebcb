// The printer setup dialog, the printer dialogs behind PDialog, and the printer side of the
// report on the built-in PDF printer and on a queue that does not exist.
#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "core/printing/PDialog.h"
#include "desktop/platform/PaperSizes.h"
#include "desktop/platform/PrintSetupDialog.h"
#include "desktop/platform/QtPrintDialog.h"
#include "desktop/platform/QtReportPrinter.h"
#include "desktop/platform/QtTextMetrics.h"
#include "support/FakePrinterService.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

const std::vector<PrinterInfo> kPrinters{{"Office", "HP LaserJet", "CUPS:"}, PdfPrinter()};

// Runs `answer` on the printer setup dialog as soon as it is shown.
void WhenSetupShows(std::function<void(PrintSetupDialog&)> answer) {
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<PrintSetupDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(*dialog);
    });
}

TEST(PrintSetupDialogTest, OpensOnTheCurrentPrinterPaperAndOrientationAndReadsTheChoiceBack) {
    DeviceMode current{"PDF", kOrientLandscape, kPaperLegal, 1, false};
    PrintSetupDialog dialog(kPrinters, current);
    auto* printer = dialog.findChild<QComboBox*>("printer");
    auto* paper = dialog.findChild<QComboBox*>("paper");
    EXPECT_EQ(dialog.windowTitle(), "Print Setup");
    EXPECT_EQ(printer->currentText(), "PDF");
    EXPECT_EQ(paper->currentData().toInt(), kPaperLegal);
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("landscape")->isChecked());
    EXPECT_EQ(dialog.Choice(), current);

    printer->setCurrentIndex(0);
    paper->setCurrentIndex(paper->findData(kPaperA4));
    dialog.findChild<QRadioButton*>("portrait")->setChecked(true);
    DeviceMode chosen = dialog.Choice();
    EXPECT_EQ(chosen.deviceName, "Office");
    EXPECT_EQ(chosen.paperSize, kPaperA4);
    EXPECT_EQ(chosen.orientation, kOrientPortrait);
}

TEST(PaperSizesTest, EveryPaperIsQtsStandardSizeAndALandscapePageLiesAcrossIt) {
    const std::map<int16_t, QPageSize::PageSizeId> standard{
        {kPaperLetter, QPageSize::Letter},
        {kPaperLegal, QPageSize::Legal},
        {kPaperExecutive, QPageSize::ExecutiveStandard},
        {kPaperTabloid, QPageSize::Tabloid},
        {kPaperA3, QPageSize::A3},
        {kPaperA4, QPageSize::A4},
        {kPaperA5, QPageSize::A5}};
    ASSERT_EQ(PaperSizes().size(), standard.size());
    for (const Paper& paper : PaperSizes()) {
        EXPECT_EQ(QPageSizeOf(paper.code).id(), standard.at(paper.code)) << paper.name;
        EXPECT_EQ(PaperCodeOf(QPageSize(standard.at(paper.code))), paper.code) << paper.name;
    }
    EXPECT_EQ(PaperCodeOf(QPageSize(QPageSize::B5)), kPaperLetter);

    QtTextMetrics metrics;
    ReportDocument document(metrics);
    document.SetPageSize(PageSizeOf(kPaperA4, kOrientLandscape));
    const QPageLayout layout = PageLayoutOf(document);
    EXPECT_EQ(layout.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(layout.orientation(), QPageLayout::Landscape);
    EXPECT_EQ(layout.fullRectPoints().size(), QSizeF(842, 595));
}

TEST(QtPrintDialogTest, AProposedPdfWithoutAFolderGoesInTheDocumentsFolder) {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty() || !QDir(documents).exists()) {
        documents = QDir::homePath();
    }
    EXPECT_EQ(PdfFilePath("SMITH, JOHN - Amortization Schedule.pdf"),
              QDir(documents).filePath("SMITH, JOHN - Amortization Schedule.pdf"));
    EXPECT_EQ(PdfFilePath(""), QDir(documents).filePath("Amortization Schedule.pdf"));
    EXPECT_EQ(PdfFilePath("/srv/loans/a.pdf"), "/srv/loans/a.pdf");
}

TEST(QtPrintDialogTest, PrinterSetupThroughPDialogMakesTheChoiceTheSystemPrinter) {
    ScriptedUi ui;
    FakePrinterService printers(kPrinters);
    printers.current = PdfPrinter();
    QtPrintDialog dialogs(printers);
    int16_t orientation = 0;
    int16_t paperSize = 0;
    PDialog dialog(ui, printers, dialogs, orientation, paperSize);
    EXPECT_TRUE(ui.messages.empty());  // the default printer needs no dialog

    // Opens on the default printer the creation learnt: PDF where no queue is the default.
    const QString learnt = QString::fromStdString(dialog.DeviceName());
    ASSERT_FALSE(learnt.isEmpty());
    WhenSetupShows([learnt](PrintSetupDialog& setup) {
        auto* printer = setup.findChild<QComboBox*>("printer");
        if (printer->findText(learnt) >= 0) {
            EXPECT_EQ(printer->currentText(), learnt);
        }
        printer->setCurrentIndex(printer->findText("Office"));
        auto* paper = setup.findChild<QComboBox*>("paper");
        paper->setCurrentIndex(paper->findData(kPaperA4));
        setup.findChild<QRadioButton*>("landscape")->setChecked(true);
        setup.accept();
    });
    uint32_t flags = kPdPrintSetup;
    ASSERT_TRUE(dialog.SelectPrinter(flags));
    EXPECT_EQ(printers.current->device, "Office");
    EXPECT_EQ(dialog.Port(), "CUPS:");
    EXPECT_EQ(orientation, kOrientLandscape);
    EXPECT_EQ(paperSize, kPaperA4);

    WhenSetupShows([](PrintSetupDialog& setup) { setup.reject(); });
    EXPECT_FALSE(dialog.SelectPrinter(flags));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(printers.current->device, "Office");
}

class QtReportPrinterTest : public ::testing::Test {
  protected:
    QtReportPrinterTest() {
        document.StartDoc();
        for (int line = 0; line < 200; ++line) {
            document.Print("Line " + std::to_string(line));
        }
        document.EndDoc();
    }

    std::string Read(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    TempFolder folder;
    QtTextMetrics metrics;
    ReportDocument document{metrics};
    QtReportPrinter printer;
};

TEST_F(QtReportPrinterTest, ThePdfPrinterWritesTheWholeDocumentAndMakesOneCopyOnly) {
    ASSERT_GT(document.PageCount(), 2);
    const std::filesystem::path target = folder.Path() / "report.pdf";
    int asked = 0;
    printer.AskPdfFileName = [&] {
        ++asked;
        return target.string();
    };
    printer.SetDevice("PDF", "FILE:");
    EXPECT_EQ(printer.SetCollate(true), print_error::kNone);
    EXPECT_EQ(printer.SetCopies(2), print_error::kNotSupported);
    EXPECT_EQ(printer.SetCopies(1), print_error::kNone);
    ASSERT_EQ(printer.PrintDocument(document), print_error::kNone);
    EXPECT_EQ(asked, 1);
    std::string pdf = Read(target);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("/Count " + std::to_string(document.PageCount())), std::string::npos);
}

TEST_F(QtReportPrinterTest, ThePdfTakesThePaperTheDocumentWasLaidOutOn) {
    ReportDocument a4(metrics);
    a4.SetPageSize(PageSizeOf(kPaperA4, kOrientLandscape));
    a4.StartDoc();
    a4.Print("Landscape");
    a4.EndDoc();
    const std::filesystem::path target = folder.Path() / "a4.pdf";
    printer.AskPdfFileName = [&] { return target.string(); };
    printer.SetDevice("PDF", "FILE:");
    ASSERT_EQ(printer.PrintDocument(a4), print_error::kNone);
    EXPECT_NE(Read(target).find("/MediaBox [0 0 842.000000 595.000000]"), std::string::npos);
}

TEST_F(QtReportPrinterTest, AFileThatCannotBeWrittenFailsAndLeavesNothingBehind) {
    const std::filesystem::path target = folder.Path() / "missing" / "report.pdf";
    printer.AskPdfFileName = [&] { return target.string(); };
    printer.SetDevice("PDF", "FILE:");
    EXPECT_EQ(printer.PrintPage(document, 1, "Now Printing Page 1"), print_error::kNone);
    EXPECT_EQ(printer.FinishJob(), print_error::kJobNotDelivered);
    EXPECT_FALSE(std::filesystem::exists(target.parent_path()));
}

TEST_F(QtReportPrinterTest, AQueueThatDoesNotExistIsUnavailable) {
    std::vector<std::string> captions;
    printer.ShowCaption = [&](const std::string& caption) { captions.push_back(caption); };
    printer.SetDevice("no-such-queue-for-quorvia", "CUPS:");
    EXPECT_EQ(printer.SetCopies(3), print_error::kNone);
    EXPECT_EQ(printer.PrintPage(document, 2, "Now Printing Page 2"), print_error::kPrinterUnknown);
    EXPECT_EQ(captions, std::vector<std::string>{"Now Printing Page 2"});
    EXPECT_EQ(printer.PrintDocument(document), print_error::kPrinterUnknown);

    printer.SetDevice("PDF", "CUPS:");  // a queue named like the built-in printer
    EXPECT_EQ(printer.SetCopies(2), print_error::kNone);
}

}  // namespace
}  // namespace quorvia
