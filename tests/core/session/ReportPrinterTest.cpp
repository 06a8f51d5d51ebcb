#include "core/session/ReportPrinter.h"

#include <gtest/gtest.h>

#include "support/FakePrinterService.h"
#include "support/ScriptedUi.h"

namespace quorvia {
namespace {

const PrinterInfo kLaser{"Laser", "hpcups", "CUPS:"};
const PrinterInfo kInkjet{"Inkjet", "gutenprint", "CUPS:"};

class ReportPrinterTest : public ::testing::Test {
  protected:
    AppState state;
    FakePrinterService printers{{kLaser, kInkjet, PdfPrinter()}};
    ScriptedUi ui;
};

TEST_F(ReportPrinterTest, ABlankReportPrinterBecomesTheCurrentPrinter) {
    for (const char* stored : {"", "  ", "0"}) {
        state.ReportPrinter = stored;
        EXPECT_TRUE(CheckReportPrinter(state, printers, ui));
        EXPECT_EQ(state.ReportPrinter, "Laser,hpcups,CUPS:");
    }
    state.ReportPrinter = "Inkjet,gutenprint,CUPS:";
    EXPECT_TRUE(CheckReportPrinter(state, printers, ui));
    EXPECT_EQ(state.ReportPrinter, "Inkjet,gutenprint,CUPS:");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ReportPrinterTest, WithoutAnyPrinterTheProgramMustEnd) {
    printers.current.reset();
    state.ReportPrinter = "0";
    EXPECT_FALSE(CheckReportPrinter(state, printers, ui));
    EXPECT_EQ(state.ReportPrinter, "");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt,
              "Can't locate a valid default printer in Windows system ... terminating program!");
    EXPECT_EQ(ui.messages[0].title, "No Printer Found");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::Ok);
}

TEST_F(ReportPrinterTest, ActivatesAnInstalledReportPrinter) {
    state.ReportPrinter = "Laser,hpcups,CUPS:";
    ActivateReportPrinter(state, printers, ui);
    EXPECT_TRUE(printers.madeCurrent.empty()) << "already current";

    state.ReportPrinter = "PDF,pdf,FILE:";
    ActivateReportPrinter(state, printers, ui);
    ASSERT_EQ(printers.madeCurrent.size(), 1u);
    EXPECT_EQ(PrinterIdentity(printers.madeCurrent[0]), "PDF,pdf,FILE:");
    EXPECT_EQ(state.ReportPrinter, "PDF,pdf,FILE:");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ReportPrinterTest, APrinterThatWontActivateIsReported) {
    printers.makeCurrentSucceeds = false;
    state.ReportPrinter = "Inkjet,gutenprint,CUPS:";
    ActivateReportPrinter(state, printers, ui);
    EXPECT_EQ(state.ReportPrinter, "Inkjet,gutenprint,CUPS:");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt,
              "Unable to activate your 'default' printer ... please choose a new printer.");
    EXPECT_EQ(ui.messages[0].title, "Default printer not found");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::Ok);
}

TEST_F(ReportPrinterTest, AReportPrinterNoLongerInstalledGivesWayToTheCurrentOne) {
    state.ReportPrinter = "Gone,oldDriver,LPT1:";
    ActivateReportPrinter(state, printers, ui);
    EXPECT_EQ(state.ReportPrinter, "Laser,hpcups,CUPS:");
    EXPECT_TRUE(printers.madeCurrent.empty());
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace quorvia
