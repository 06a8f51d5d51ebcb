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

}  // namespace
}  // namespace quorvia
