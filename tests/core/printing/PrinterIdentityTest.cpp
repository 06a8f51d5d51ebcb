#include <gtest/gtest.h>

#include "core/printing/PrinterService.h"
#include "support/FakePrinterService.h"

namespace quorvia {
namespace {

TEST(PrinterIdentityTest, JoinsAndTakesApartDevicePortAndDriver) {
    EXPECT_EQ(PrinterIdentity(PdfPrinter()), "PDF,pdf,FILE:");
    EXPECT_EQ(PrinterDeviceOf("Laser,hpcups,CUPS:"), "Laser");
    EXPECT_EQ(PrinterPortOf("Laser,hpcups,CUPS:"), "CUPS:");
    EXPECT_EQ(PrinterPortOf("Laser,hpcups,"), "");
    EXPECT_EQ(PrinterPortOf("Laser,hpcups,CUPS:,x"), "CUPS:,x");

    EXPECT_EQ(PrinterDeviceOf(""), "");
    EXPECT_EQ(PrinterDeviceOf("   "), "");
    EXPECT_EQ(PrinterDeviceOf(",hpcups,CUPS:"), "");
    EXPECT_EQ(PrinterDeviceOf("Laser"), "");
    EXPECT_EQ(PrinterPortOf("  "), "");
    EXPECT_EQ(PrinterPortOf("Laser,hpcups"), "");
}

TEST(PrinterIdentityTest, CurrentPrinterIdentityIsEmptyWithoutACurrentPrinter) {
    FakePrinterService printers({PdfPrinter()});
    EXPECT_EQ(CurrentPrinterIdentity(printers), "PDF,pdf,FILE:");
    printers.current.reset();
    EXPECT_EQ(CurrentPrinterIdentity(printers), "");
}

}  // namespace
}  // namespace quorvia
