// A detailed report written as PDF with the real fonts, read back with poppler's tools.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <string>

#include "core/reports/ReportComposer.h"
#include "desktop/platform/QtTextMetrics.h"
#include "desktop/platform/ReportPdf.h"
#include "support/PdfText.h"
#include "support/ScheduleTestSupport.h"
#include "support/ScriptedUi.h"

namespace quorvia {
namespace {

using quorvia::TempFolder;
using testing::DerivedLoan;
using testing::PageText;
using testing::RunCommand;

class PdfPrinter : public PrinterService {
  public:
    std::optional<PrinterInfo> CurrentPrinter() override { return quorvia::PdfPrinter(); }
    std::vector<PrinterInfo> Printers() override { return {quorvia::PdfPrinter()}; }
    bool MakeCurrent(const PrinterInfo&) override { return true; }
    bool HasFont(std::string_view) override { return true; }
    std::vector<std::string> Fonts() override { return {}; }
};

TEST(ReportPdfGuiTest, DetailedReportOfAThirtyYearLoanReadsBackPageByPage) {
    TempFolder folder;
    AppState state;
    state.AppPath = folder.Path();
    state.PrintCompanyFooter = true;
    state.CompanyNames = {"Acme Loans", "1 Main St"};
    AmortInputs loan = DerivedLoan(100000, 8.5, 360, kMonthly, "01/15/2026");
    loan.BorrowerName = "JANE Q. BORROWER";
    SemiMonthlyChoice semiMonthly{1, 1, 16, 1};
    Schedule schedule;
    ASSERT_FALSE(WriteSchedule(loan, semiMonthly, state.WorkFilePath(), {}, &schedule));

    ScriptedUi ui;
    PdfPrinter printers;
    QtTextMetrics metrics;
    ReportDocument doc(metrics);
    ReportComposer composer(state, ui, printers, doc);
    composer.ReportKind = kFancyGrid;
    composer.RowCount = schedule.scheduledCount;
    composer.ComposeReport();
    ASSERT_FALSE(composer.Failed);
    ASSERT_GT(doc.PageCount(), 5);

    // With the real fonts the yearly label stays on one line in its column.
    bool yearlyLabel = false;
    for (const TextItem& item : doc.Page(1).texts) {
        if (item.text == "Interest for 2026") {
            yearlyLabel = true;
            EXPECT_GE(item.x, 1440 + 1800);
            EXPECT_LE(item.x + item.width, 1440 + 3600);
        }
    }
    EXPECT_TRUE(yearlyLabel);

    // Left in the build folder for a look.
    const char* buildDir = std::getenv("QUORVIA_BUILD_DIR");
    std::filesystem::path pdf =
        std::filesystem::path(buildDir != nullptr ? buildDir : folder.Path().c_str()) /
        "detailed-report.pdf";
    ASSERT_FALSE(WriteReportPdf(doc, pdf));

    std::string info = RunCommand("pdfinfo '" + pdf.string() + "'");
    std::smatch pages;
    ASSERT_TRUE(std::regex_search(info, pages, std::regex(R"(Pages: +(\d+))"))) << info;
    EXPECT_EQ(std::stoi(pages[1]), doc.PageCount());
    EXPECT_NE(info.find("612 x 792 pts (letter)"), std::string::npos) << info;
    EXPECT_NE(info.find("Amortization Schedule"), std::string::npos);
    std::string fonts = RunCommand("pdffonts '" + pdf.string() + "'");
    EXPECT_NE(fonts.find("LiberationSerif"), std::string::npos) << fonts;
    // Columns emb, sub, uni: every font embedded.
    std::regex flags(R"( (yes|no) +(yes|no) +(yes|no) +\d)");
    int fontCount = 0;
    for (auto it = std::sregex_iterator(fonts.begin(), fonts.end(), flags);
         it != std::sregex_iterator(); ++it) {
        ++fontCount;
        EXPECT_EQ((*it)[1], "yes") << fonts;
    }
    EXPECT_GE(fontCount, 2);  // regular and bold

    std::string first = PageText(pdf, 1);
    EXPECT_NE(first.find("JANE Q. BORROWER"), std::string::npos) << first;
    EXPECT_NE(first.find("Pymt Due Date"), std::string::npos);
    EXPECT_NE(first.find("100,000.00"), std::string::npos);
    EXPECT_NE(first.find("Acme Loans, 1 Main St"), std::string::npos);
    EXPECT_EQ(first.find("Page 1"), std::string::npos);

    std::string second = PageText(pdf, 2);
    EXPECT_NE(second.find("JANE Q. BORROWER"), std::string::npos) << second;
    EXPECT_NE(second.find("Page 2"), std::string::npos);
    EXPECT_NE(second.find("Pymt Due Date"), std::string::npos);

    std::string last = PageText(pdf, doc.PageCount());
    EXPECT_NE(last.find("TOTALS"), std::string::npos) << last;
    EXPECT_NE(last.find("Page " + std::to_string(doc.PageCount())), std::string::npos);
}

}  // namespace
}  // namespace quorvia
