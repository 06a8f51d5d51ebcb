#include "core/printing/CDialogService.h"

#include <gtest/gtest.h>

#include "core/printing/CmnDlgs.h"
#include "core/printing/PrinterFontSize.h"
#include "support/PreviewTestSupport.h"
#include "support/ScriptedUi.h"

namespace quorvia {
namespace {

using testing::ScriptedFontChooser;

TEST(ReportDialogErrorTest, NamesTheCodeOrExplainsItPlainly) {
    ScriptedUi ui;
    ReportDialogError(ui, 0);
    EXPECT_TRUE(ui.messages.empty());

    ReportDialogError(ui, 8);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt,
              "Error reported: CDERR_LOCKRESFAILURE\r\n\r\nPlease report this error to "
              "Technical Support.");
    EXPECT_EQ(ui.messages[0].title, "Dialog Error...");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::Ok);

    EXPECT_EQ(DialogErrorText(4104),
              "No Windows default printer exists.  Please exit program and choose a Windows "
              "Default Printer from Control Panel | Printers.");
    EXPECT_EQ(DialogErrorText(4107).substr(0, 37), "Error reported: PDERR_PRINTERNOTFOUND");
    EXPECT_EQ(DialogErrorText(4103).find("Technical Support"), std::string::npos);
    EXPECT_EQ(DialogErrorText(77),
              "Error reported: Unknown error!\r\n\r\nPlease report this error to Technical "
              "Support.");
}

TEST(ShowFontTest, HandsTheFontOverAndReadsTheChoiceBack) {
    ScriptedUi ui;
    ScriptedFontChooser fonts;
    CDialog dialog(ui, fonts);
    dialog.FontName = "Times New Roman";
    dialog.FontSize = 12;
    dialog.FontBold = true;
    dialog.Min = 8;
    dialog.Max = 14;
    dialog.Flags = 0x442;
    fonts.answer = FontChoice{"Arial", 10.6, false, true, false, false};

    ASSERT_TRUE(dialog.ShowFont());
    const FontRequest& request = fonts.requests.at(0);
    EXPECT_EQ(request.initial.name, "Times New Roman");
    EXPECT_EQ(request.initial.size, 12);
    EXPECT_TRUE(request.initial.bold);
    EXPECT_EQ(request.minSize, 8);
    EXPECT_EQ(request.maxSize, 14);
    EXPECT_EQ(request.flags, 0x442u | kCfLimitSize);
    EXPECT_EQ(dialog.FontName, "Arial");
    EXPECT_EQ(dialog.FontSize, 11);  // whole points
    EXPECT_FALSE(dialog.FontBold);
    EXPECT_TRUE(dialog.FontItalic);

    dialog.Min = 0;
    dialog.ShowFont();
    EXPECT_EQ(fonts.requests.at(1).flags, 0x442u);
}

TEST(ShowFontTest, CancelIsSilentAndAFailureIsReported) {
    ScriptedUi ui;
    ScriptedFontChooser fonts;
    CDialog dialog(ui, fonts);
    dialog.FontName = "Arial";
    dialog.FontSize = 12;
    EXPECT_FALSE(dialog.ShowFont());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(dialog.FontName, "Arial");
    EXPECT_EQ(dialog.FontSize, 12);

    fonts.error = 2;
    EXPECT_FALSE(dialog.ShowFont());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt.substr(0, 36), "Error reported: CDERR_INITIALIZATION");
}

TEST(PrinterFontSizeTest, TwelvePitchPrintsAtTenPointsAnyOtherAtTwelve) {
    EXPECT_EQ(PrinterFontSize("Courier 12CPI"), 10.0f);
    EXPECT_EQ(PrinterFontSize("courier 12cpi"), 10.0f);
    EXPECT_EQ(PrinterFontSize("Courier 12 CPI"), 10.0f);
    EXPECT_EQ(PrinterFontSize("Line Printer 10CPI"), 12.0f);
    EXPECT_EQ(PrinterFontSize("Line Printer 16.67CPI"), 12.0f);
    EXPECT_EQ(PrinterFontSize("12CPI"), 12.0f);  // no blank before the pitch
    EXPECT_EQ(PrinterFontSize("Times New Roman"), std::nullopt);
}

}  // namespace
}  // namespace quorvia
