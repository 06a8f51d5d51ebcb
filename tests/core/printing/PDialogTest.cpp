#include "core/printing/PDialog.h"

#include <gtest/gtest.h>

#include "support/FakePrinterService.h"
#include "support/ScriptedPrintDialog.h"
#include "support/ScriptedUi.h"

namespace quorvia {
namespace {

using testing::ScriptedPrintDialog;

constexpr std::string_view kSupportLine = "\r\n\r\nPlease report this error to Technical Support.";

class PDialogTest : public ::testing::Test {
  protected:
    PDialog Create() { return PDialog(ui, printers, dialogs, orientation, paperSize); }

    ScriptedUi ui;
    FakePrinterService printers{{{"Lab", "cups", "CUPS:"}, {"Office", "HP LaserJet", "CUPS:"}}};
    ScriptedPrintDialog dialogs;
    int16_t orientation = 0;
    int16_t paperSize = 0;
};

TEST_F(PDialogTest, CreationLearnsTheDefaultPrinterSilently) {
    PDialog dialog = Create();

    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].flags, kPdReturnDefault);
    EXPECT_FALSE(dialogs.requests[0].devMode);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(dialog.Initialized());
    EXPECT_EQ(printers.current->device, "Office");
    EXPECT_EQ(dialog.DeviceName(), "Office");
    EXPECT_EQ(dialog.DriverName(), "HP LaserJet");
    EXPECT_EQ(dialog.Port(), "CUPS:");
}

TEST_F(PDialogTest, CreationWithoutADefaultPrinterAsksForOneAndSaysWhenNoneWasChosen) {
    dialogs.Fail(4104);
    dialogs.Cancel();
    PDialog dialog = Create();

    ASSERT_EQ(dialogs.requests.size(), 2u);
    EXPECT_EQ(dialogs.requests[1].flags, kPdPrintSetup);
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[0].prompt,
              "No Windows default printer exists.  Please exit program and choose a Windows "
              "Default Printer from Control Panel | Printers.");
    EXPECT_EQ(ui.messages[0].title, "Dialog Error...");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(ui.messages[1].prompt, "Unable to retrieve Default Printer information.");
    EXPECT_EQ(ui.messages[1].title, "Please select a Printer...");
    EXPECT_EQ(ui.messages[1].icon, MsgIcon::None);
    EXPECT_EQ(ui.messages[1].buttons, MsgButtons::Ok);
    EXPECT_EQ(ui.messages[2].prompt,
              "No Printer has been selected.  Default report settings will be used.");
    EXPECT_EQ(ui.messages[2].title, "Cancelled");
    EXPECT_TRUE(dialog.Initialized());
    EXPECT_EQ(printers.current->device, "Lab");
    EXPECT_TRUE(printers.madeCurrent.empty());
}

TEST_F(PDialogTest, APrinterChosenInSetupAfterAMissingDefaultBecomesTheSystemPrinter) {
    dialogs.Cancel();
    dialogs.Queue(ScriptedPrintDialog::Choice("lab"));  // names compare without regard to case
    PDialog dialog = Create();

    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Please select a Printer...");
    EXPECT_EQ(printers.current->device, "Lab");
    EXPECT_EQ(dialog.Port(), "CUPS:");
}

TEST_F(PDialogTest, AFailedPrintDialogIsReportedWithTheSupportLineAndChangesNothing) {
    PDialog dialog = Create();
    ui.Clear();
    dialogs.Fail(8);
    uint32_t flags = 0;
    int from = 2;
    int to = 2;
    EXPECT_FALSE(dialog.SelectPrinter(flags, from, to, 1, 9));

    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt,
              "Error reported: CDERR_LOCKRESFAILURE" + std::string(kSupportLine));
    EXPECT_EQ(ui.messages[0].title, "Dialog Error...");
    EXPECT_EQ(from, 2);
    EXPECT_EQ(flags, 0u);
    EXPECT_TRUE(dialog.Values().PrintAllPages);

    dialogs.Cancel();
    EXPECT_FALSE(dialog.SelectPrinter(flags, from, to, 1, 9));
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(PDialogTest, ThePrintDialogGetsThePageRangeAndSetsThePrintValues) {
    PDialog dialog = Create();
    dialog.Copies = 1;
    dialogs.Queue(ScriptedPrintDialog::Choice("Lab", kPdPageNums | kPdCollate, 3, 3, 5));
    uint32_t flags = 0;
    int from = 4;
    int to = 4;
    ASSERT_TRUE(dialog.SelectPrinter(flags, from, to, 1, 13));

    const PrintDialogRequest& request = dialogs.requests.at(1);
    EXPECT_EQ(request.flags & kPdNoPageNums, 0u);
    EXPECT_EQ(request.fromPage, 4);
    EXPECT_EQ(request.toPage, 4);
    EXPECT_EQ(request.minPage, 1);
    EXPECT_EQ(request.maxPage, 13);
    EXPECT_EQ(request.copies, 1);
    ASSERT_TRUE(request.devNames);
    EXPECT_EQ(request.devNames->device, "Office");  // opens on the last chosen printer

    EXPECT_EQ(flags, kPdPageNums | kPdCollate);
    EXPECT_EQ(from, 3);
    EXPECT_EQ(to, 5);
    const PrintValues& values = dialog.Values();
    EXPECT_FALSE(values.PrintAllPages);
    EXPECT_EQ(values.PrintFromPage, 3);
    EXPECT_EQ(values.PrintToPage, 5);
    EXPECT_EQ(values.PrintCopies, 3);
    EXPECT_TRUE(values.PrintCollate);
    EXPECT_EQ(dialog.Copies, 3);
    EXPECT_EQ(printers.current->device, "Lab");
}

TEST_F(PDialogTest, TheCopyCountIsTheLargerOfTheDialogsAndTheSettingsButTheKeptSettingsHoldOne) {
    PDialog dialog = Create();
    PrintDialogResult choice = ScriptedPrintDialog::Choice("Office");
    choice.devMode.copies = 4;
    dialogs.Queue(choice);
    uint32_t flags = 0;
    ASSERT_TRUE(dialog.SelectPrinter(flags));
    EXPECT_EQ(dialog.Values().PrintCopies, 4);
    EXPECT_TRUE(dialog.Values().PrintAllPages);

    dialog.SelectPrinter(flags);
    EXPECT_EQ(dialogs.requests.back().devMode->copies, 1);
    EXPECT_EQ(dialogs.requests.back().copies, 4);  // the object's copies until the caller resets
}

TEST_F(PDialogTest, WithoutAValidRangeThePrintDialogOffersNoPageNumbers) {
    PDialog dialog = Create();
    uint32_t flags = 0;
    int from = 6;
    int to = 5;
    dialog.SelectPrinter(flags, from, to, 1, 9);
    EXPECT_EQ(dialogs.requests.back().flags, kPdNoPageNums);
    EXPECT_EQ(dialogs.requests.back().fromPage, 0);

    flags = 0;
    dialog.SelectPrinter(flags);
    EXPECT_EQ(dialogs.requests.back().flags, kPdNoPageNums);

    flags = kPdPrintSetup;
    dialog.SelectPrinter(flags);
    EXPECT_EQ(dialogs.requests.back().flags, kPdPrintSetup);
}

TEST_F(PDialogTest, ThePageSetUpTravelsToAndFromEveryDialog) {
    PDialog dialog = Create();
    EXPECT_EQ(orientation, kOrientPortrait);  // an unset page set-up becomes portrait letter
    EXPECT_EQ(paperSize, kPaperLetter);

    orientation = kOrientLandscape;
    paperSize = kPaperA4;
    PrintDialogResult choice = ScriptedPrintDialog::Choice("Office");
    choice.devMode.orientation = kOrientPortrait;
    choice.devMode.paperSize = kPaperLegal;
    dialogs.Queue(choice);
    uint32_t flags = kPdPrintSetup;
    ASSERT_TRUE(dialog.SelectPrinter(flags));

    const PrintDialogRequest& request = dialogs.requests.back();
    ASSERT_TRUE(request.devMode);
    EXPECT_EQ(request.devMode->orientation, kOrientLandscape);
    EXPECT_EQ(request.devMode->paperSize, kPaperA4);
    EXPECT_EQ(orientation, kOrientPortrait);
    EXPECT_EQ(paperSize, kPaperLegal);
}

TEST_F(PDialogTest, TheDefaultPrintersOwnPaperDoesNotReplaceTheChosenOne) {
    orientation = kOrientLandscape;
    paperSize = kPaperA5;
    PrintDialogResult fallback = ScriptedPrintDialog::Choice("Office");
    fallback.devMode.paperSize = kPaperA4;
    dialogs.fallback = fallback;
    PDialog dialog = Create();
    EXPECT_EQ(orientation, kOrientLandscape);
    EXPECT_EQ(paperSize, kPaperA5);

    // The print dialog proposes the caller's file for the PDF printer.
    dialog.PdfFileName = "SMITH, JOHN - Amortization Schedule.pdf";
    uint32_t flags = kPdAllPages;
    dialog.SelectPrinter(flags);
    EXPECT_EQ(dialogs.requests.back().pdfFileName, "SMITH, JOHN - Amortization Schedule.pdf");
    ASSERT_TRUE(dialogs.requests.back().devMode);
    EXPECT_EQ(dialogs.requests.back().devMode->paperSize, kPaperA5);
}

TEST_F(PDialogTest, AnUnknownPrinterLeavesTheSystemPrinterButTheDialogStillSucceeds) {
    PDialog dialog = Create();
    printers.madeCurrent.clear();
    dialogs.Queue(ScriptedPrintDialog::Choice("Gone"));
    uint32_t flags = kPdPrintSetup;
    EXPECT_TRUE(dialog.SelectPrinter(flags));
    EXPECT_TRUE(printers.madeCurrent.empty());
    EXPECT_EQ(printers.current->device, "Office");
    EXPECT_EQ(dialog.DeviceName(), "Gone");
}

TEST_F(PDialogTest, WithoutPrinterDefaultTheSystemPrinterStays) {
    PDialog dialog = Create();
    dialog.PrinterDefault = false;
    dialogs.Queue(ScriptedPrintDialog::Choice("Lab"));
    uint32_t flags = kPdPrintSetup;
    EXPECT_TRUE(dialog.SelectPrinter(flags));
    EXPECT_EQ(printers.current->device, "Office");
    EXPECT_EQ(dialog.DeviceName(), "Lab");
}

TEST_F(PDialogTest, TheSharedDialogIsCreatedOnFirstUseOnly) {
    SharedPDialog shared(ui, printers, dialogs, orientation, paperSize);
    EXPECT_FALSE(shared.Created());
    EXPECT_TRUE(dialogs.requests.empty());
    PDialog& first = shared.Get();
    EXPECT_EQ(&first, &shared.Get());
    EXPECT_EQ(dialogs.requests.size(), 1u);
    shared.Release();
    EXPECT_FALSE(shared.Created());
}

}  // namespace
}  // namespace quorvia
