// The Truth-in-Lending Disclosure window over a computed schedule: opened from the preview,
// charges typed as a person types them, the boxes read back, printed and saved as one page.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "core/base/NumberText.h"
#include "desktop/disclosure/DisclosureForm.h"
#include "desktop/reports/PreviewWindow.h"
#include "support/BatchProcess.h"
#include "support/FakePrinterService.h"
#include "support/ModalWindows.h"
#include "support/PdfText.h"
#include "support/PreviewTestSupport.h"
#include "support/PrintingParts.h"
#include "support/ScheduleTestSupport.h"
#include "support/ScriptedFileChooser.h"
#include "support/ScriptedPrintDialog.h"

namespace quorvia {
namespace {

using testing::DerivedLoan;

// The same loan for quorvia-batch: 100,000 at 8.5 % over 360 months from 01/15/2027.
constexpr const char* kBatchLoan =
    "schedule --no-prefs --today 12/15/2026 --amount 100000 --rate 8.5 --term 360 "
    "--first 01/15/2027 --disclosure --prepaid ";

// The four boxes as quorvia-batch's figures read in them, for the prepaid charges given.
std::array<QString, 4> BatchBoxes(const std::string& prepaid) {
    testing::BatchRun run = testing::RunBatch(kBatchLoan + prepaid);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::map<std::string, double> figures;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        std::size_t equals = line.find('=');
        if (equals != std::string::npos && line.rfind("payment_schedule", 0) != 0) {
            figures[line.substr(0, equals)] = std::stod(line.substr(equals + 1));
        }
    }
    return {QString::fromStdString(FormatNumber(figures["apr"], "##0.000\\%")),
            QString::fromStdString(DollarText(figures["finance_charge"])),
            QString::fromStdString(DollarText(figures["amount_financed"])),
            QString::fromStdString(DollarText(figures["total_of_payments"]))};
}

class DisclosureFormGuiTest : public ::testing::Test, protected testing::ComputedLoan {
  protected:
    DisclosureFormGuiTest() {
        ui.SetBeepHook([] {});
        ui.SetMessageHook([this](const Message& message) {
            messages.push_back(message);
            return std::optional<MsgAnswer>(answer);
        });
    }

    template <typename T = QWidget>
    static T* Control(QWidget& form, const std::string& name) {
        auto* control = form.findChild<T*>(QString::fromStdString(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    static std::array<QString, 4> Boxes(QWidget& form) {
        std::array<QString, 4> shown;
        const char* names[] = {"lblApr", "lblFinanceCharge", "lblAmountFinanced",
                               "lblTotalOfPayments"};
        for (std::size_t index = 0; index < shown.size(); ++index) {
            shown[index] = Control<QLabel>(form, names[index])->text();
        }
        return shown;
    }

    // Types into a charge's field as a person does and leaves it with Tab.
    static void Type(QWidget& form, const std::string& control, const char* text) {
        auto* edit = Control<QLineEdit>(form, control);
        edit->setFocus();
        QApplication::processEvents();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
        QApplication::processEvents();
    }

    QtUi ui;
    MsgAnswer answer = MsgAnswer::Ok;
    std::vector<Message> messages;
    testing::PrintingParts printing{state, ui, folder.Path() / "printed.pdf"};
};

TEST_F(DisclosureFormGuiTest, OpensFromThePreviewAndShowsTheBatchFiguresOfTheTypedCharges) {
    ASSERT_TRUE(written);
    testing::RecordingStatus status;
    QtReportPrinter printOutput;
    PreviewWindow preview{
        state, ui, printing.printers, status, printing.dialog, printing.printDialog, printOutput};
    auto* open = Control<QPushButton>(preview, "DisclosureButton");
    EXPECT_FALSE(open->isEnabled());  // no schedule handed over yet
    preview.SetSchedule(loan, schedule);
    ASSERT_TRUE(preview.Load(schedule.scheduledCount, kColumnarNoGrid));
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&preview));
    ASSERT_TRUE(open->isEnabled());

    bool shown = false;
    testing::WhenModalShows("Disclosure", [&](QWidget& form) {
        shown = true;
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        EXPECT_EQ(form.windowTitle(), "Truth-in-Lending Disclosure");
        EXPECT_EQ(Boxes(form), BatchBoxes("0"));
        EXPECT_EQ(Control<QLabel>(form, "lblNoteRate")->text(), "Note rate: 8.500%");
        EXPECT_EQ(Control<QLabel>(form, "lblPaymentSchedule")->text(),
                  "359 payments of $768.91 monthly beginning 01/15/2027\n"
                  "1 payment of $774.82 on 12/15/2056");

        // Two points and an origination fee typed as people type amounts.
        Type(form, "txtChargeAmount(1)", "$2,000");
        Type(form, "txtChargeAmount(2)", "500");
        EXPECT_EQ(Control<QLineEdit>(form, "txtChargeAmount(1)")->text(), "2,000.00");
        EXPECT_EQ(Control<QLabel>(form, "lblPrepaidTotal")->text(), "$2,500.00");
        EXPECT_EQ(Boxes(form), BatchBoxes("2500"));

        // A third charge of its own, then the points taken away again.
        Control<QPushButton>(form, "cmdAdd")->click();
        QApplication::processEvents();
        EXPECT_TRUE(Control<QLineEdit>(form, "txtChargeName(3)")->hasFocus());
        Type(form, "txtChargeName(3)", "Document preparation");
        Type(form, "txtChargeAmount(3)", "250");
        EXPECT_EQ(Boxes(form), BatchBoxes("2750"));
        Type(form, "txtChargeAmount(1)", "0");
        EXPECT_EQ(Boxes(form), BatchBoxes("750"));
        EXPECT_TRUE(messages.empty());

        Control<QPushButton>(form, "cmdClose")->click();
    });
    open->click();
    EXPECT_TRUE(shown);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&preview));
    EXPECT_EQ(QApplication::focusWidget(), preview.findChild<QWidget*>("ThePage"));
    EXPECT_EQ(ui.ActiveForm(), &preview);
}

TEST_F(DisclosureFormGuiTest, ARefusedChargeKeepsItsTextAndTheFocusAndTheLastFigures) {
    ASSERT_TRUE(written);
    DisclosureForm form(ui, printing.Services(), loan, schedule);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    Type(form, "txtChargeAmount(1)", "1500");
    const std::array<QString, 4> before = Boxes(form);

    Type(form, "txtChargeAmount(2)", "12x5");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt,
              "The prepaid finance charge \"Origination fee\" must be an amount of zero or more.");
    EXPECT_EQ(messages[0].title, "Prepaid Finance Charges");
    auto* amount = Control<QLineEdit>(form, "txtChargeAmount(2)");
    EXPECT_TRUE(amount->hasFocus());
    EXPECT_EQ(amount->text(), "12x5");
    EXPECT_EQ(Boxes(form), before);

    // Charges that reach the loan amount are refused as well; Esc gives the field its text back.
    amount->selectAll();
    QTest::keyClicks(amount, "98,500");
    QTest::keyClick(amount, Qt::Key_Tab);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].prompt,
              "The prepaid finance charges ($100,000.00) must be less than the loan amount "
              "($100,000.00).");
    EXPECT_TRUE(amount->hasFocus());
    QTest::keyClicks(amount, "7");
    QTest::keyClick(amount, Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(amount->text(), "98,500.00");  // as it was when the focus came back

    // Close leaves a refused charge without a word.
    Control<QPushButton>(form, "cmdClose")->click();
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(DisclosureFormGuiTest, SavesAndPrintsOnePageThatHoldsTheFourFigures) {
    ASSERT_TRUE(written);
    loan.BorrowerName = "JANE Q. BORROWER";
    DisclosureForm form(ui, printing.Services(), loan, schedule);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    Type(form, "txtChargeAmount(1)", "2000");
    const std::array<QString, 4> boxes = Boxes(form);

    // A name without ".pdf" gets it; the file under that name is replaced only when the
    // person says so.
    const std::filesystem::path saved = folder.Path() / "disclosure.pdf";
    std::ofstream(saved) << "an older file";
    printing.files.Choose((folder.Path() / "disclosure").string());
    answer = MsgAnswer::Yes;
    Control<QPushButton>(form, "cmdSave")->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, "Replace existing file (shown above)?");
    EXPECT_EQ(messages[0].title, saved.string());
    ASSERT_FALSE(printing.files.requests.empty());
    EXPECT_EQ(printing.files.requests[0].fileName,
              "JANE Q. BORROWER - Truth-in-Lending Disclosure.pdf");

    printing.printDialogs.Queue(testing::ScriptedPrintDialog::Choice("PDF"));
    Control<QPushButton>(form, "cmdPrint")->click();

    for (const std::filesystem::path& written : {saved, printing.pdf}) {
        ASSERT_TRUE(std::filesystem::exists(written)) << written;
        EXPECT_EQ(testing::PdfPageCount(written), 1) << written;
        std::string text = testing::PageText(written, 1);
        EXPECT_NE(text.find("JANE Q. BORROWER"), std::string::npos) << text;
        for (const char* caption : {"ANNUAL PERCENTAGE RATE", "FINANCE CHARGE", "Amount Financed",
                                    "Total of Payments", "Note rate: 8.500%"}) {
            EXPECT_NE(text.find(caption), std::string::npos) << caption << "\n" << text;
        }
        for (const QString& figure : boxes) {
            EXPECT_NE(text.find(figure.toStdString()), std::string::npos)
                << figure.toStdString() << "\n"
                << text;
        }
        EXPECT_NE(text.find("359 payments of $768.91 monthly beginning 01/15/2027"),
                  std::string::npos);
    }
    EXPECT_EQ(messages.size(), 1u) << messages.back().prompt;
}

}  // namespace
}  // namespace quorvia
