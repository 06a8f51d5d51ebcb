#include "core/session/ReportFont.h"

#include <gtest/gtest.h>

#include "support/PreviewTestSupport.h"
#include "support/ScriptedUi.h"

namespace quorvia {
namespace {

using testing::ScriptedFontChooser;

TEST(ReportFontTest, SizesAreWrittenAsTheDecimalsTheyWereTyped) {
    EXPECT_EQ(FontSizeText(12), "12");
    EXPECT_EQ(FontSizeText(10.5f), "10.5");
    EXPECT_EQ(FontSizeText(10.3f), "10.3");

    AppState state;
    state.ReportFontName = "Arial";
    state.ReportFontSize = 10.3f;
    state.ReportFontStyle = "Bold";
    SetCurrentReportFont(state);
    EXPECT_EQ(state.CurrentReportFont, (std::array<std::string, 3>{"Arial", " 10.3", "Bold"}));
    EXPECT_EQ(ReportFontLabel(state), "Arial - 10.3 pt. - Bold");

    state.ReportFontName = "Courier New";
    state.ReportFontSize = 8;
    state.ReportFontStyle = "Normal";
    RestoreReportFont(state);
    EXPECT_EQ(state.ReportFontName, "Arial");
    EXPECT_FLOAT_EQ(state.ReportFontSize, 10.3f);
    EXPECT_EQ(state.ReportFontStyle, "Bold");
}

TEST(ReportFontTest, ACancelledOrSizelessChoiceChangesNothing) {
    AppState state;
    ScriptedUi ui;
    ScriptedFontChooser fonts;
    CDialog dialog(ui, fonts);
    EXPECT_FALSE(ChooseReportFont(state, dialog, ui));
    fonts.answer = FontChoice{"Arial", 0};
    EXPECT_FALSE(ChooseReportFont(state, dialog, ui));
    EXPECT_EQ(state.ReportFontName, "Times New Roman");
    EXPECT_EQ(state.ReportFontSize, 12);
    // The advice comes before every dialog.
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].title, "SELECT A PRINTER FONT");
    EXPECT_EQ(fonts.requests.at(0).initial.name, "Times New Roman");
    EXPECT_FALSE(fonts.requests.at(0).initial.bold);
}

// The font dialog fails while no font is in force: the person hears that a font must be chosen
// and gets the dialog once more; a dialog that keeps failing does not hold them in a loop.
TEST(ReportFontTest, AFailedDialogWithoutAFontAsksForOneAndOffersTheDialogAgain) {
    AppState state;
    ScriptedUi ui;
    ScriptedFontChooser fonts;
    CDialog dialog(ui, fonts);
    state.ReportFontName = "";
    fonts.error = 2;
    fonts.failingCalls = 1;
    fonts.answer = FontChoice{"Arial", 11};
    EXPECT_TRUE(ChooseReportFont(state, dialog, ui));
    EXPECT_EQ(state.ReportFontName, "Arial");
    EXPECT_EQ(fonts.requests.size(), 2u);
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[1].title, "Dialog Error...");
    EXPECT_EQ(ui.messages[2].prompt, "You MUST choose a  font!");
    EXPECT_EQ(ui.messages[2].title, "NO FONT CHOSEN");
    EXPECT_EQ(ui.messages[2].icon, MsgIcon::Critical);
    EXPECT_EQ(ui.beeps, 1);

    state.ReportFontName = " ";
    fonts.failingCalls = 5;
    fonts.requests.clear();
    EXPECT_FALSE(ChooseReportFont(state, dialog, ui));
    EXPECT_EQ(fonts.requests.size(), 2u);
    EXPECT_EQ(state.ReportFontName, " ");

    // With a font in force a failure is only reported; a cancel says nothing at all.
    state.ReportFontName = "Arial";
    fonts.failingCalls = 1;
    ui.Clear();
    EXPECT_FALSE(ChooseReportFont(state, dialog, ui));
    fonts.error = 0;
    state.ReportFontName = "";
    fonts.answer.reset();
    EXPECT_FALSE(ChooseReportFont(state, dialog, ui));
    for (const Message& message : ui.messages) {
        EXPECT_NE(message.title, "NO FONT CHOSEN");
    }
    EXPECT_EQ(ui.messages.size(), 3u);
}

}  // namespace
}  // namespace quorvia
