#include "core/reports/ReportFileName.h"

#include <gtest/gtest.h>

#include <string>

#include "support/TempFolder.h"

namespace quorvia {
namespace {

TEST(ReportFileNameTest, NamedForTheBorrowerAndTheReportAndSafeAsAFileName) {
    EXPECT_EQ(ReportPdfName("SMITH, JOHN", kFancyGrid), "SMITH, JOHN - Amortization Schedule.pdf");
    EXPECT_EQ(ReportPdfName("  SMITH, JOHN ", kSummaryOnly),
              "SMITH, JOHN - Amortization Summary.pdf");
    EXPECT_EQ(ReportPdfName("", kColumnarNoGrid), "Amortization Schedule.pdf");
    EXPECT_EQ(ReportPdfName(" ", kSummaryOnly), "Amortization Summary.pdf");
    EXPECT_EQ(ReportPdfName("A/B Lending: \"Main\" <1>|2?*\\\t", kPlainGrid),
              "A-B Lending- -Main- -1--2---- - Amortization Schedule.pdf");
    // No hidden file, no name that is only dots.
    EXPECT_EQ(ReportPdfName("..hidden.", kPlainGrid), "hidden - Amortization Schedule.pdf");
    EXPECT_EQ(ReportPdfName("..", kPlainGrid), "Amortization Schedule.pdf");

    // A name too long for a file is cut between characters.
    std::string longName;
    for (int i = 0; i < 150; ++i) {
        longName += "\xC3\xBC";  // ü
    }
    const std::string name = ReportPdfName(longName, kSummaryOnly);
    EXPECT_LE(name.size(), 255u);
    EXPECT_EQ(name, std::string(longName, 0, 200) + " - Amortization Summary.pdf");
    EXPECT_EQ(ReportPdfName("x" + longName, kSummaryOnly).substr(0, 199),
              "x" + std::string(longName, 0, 198));
}

TEST(ReportFileNameTest, ProposedInTheDataFolderTheLenderChose) {
    TempFolder program;
    TempFolder data;
    AppState state;
    state.AppPath = program.Path();
    state.DataDirectory = data.Path().string();
    EXPECT_EQ(ProposedReportPdf(state, "SMITH, JOHN", kFancyGrid),
              (data.Path() / "SMITH, JOHN - Amortization Schedule.pdf").string());

    // The program's own folder stands for no choice; a folder that is gone is none either.
    for (const std::string& folder :
         {std::string(), program.Path().string(), (data.Path() / "gone").string()}) {
        state.DataDirectory = folder;
        EXPECT_EQ(ProposedReportPdf(state, "SMITH, JOHN", kFancyGrid),
                  "SMITH, JOHN - Amortization Schedule.pdf")
            << folder;
    }
}

}  // namespace
}  // namespace quorvia
